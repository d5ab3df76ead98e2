// Options, About with System Info, and help.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <sstream>

#include "cli/command_line.h"
#include "deal/dealing.h"
#include "deal/level.h"
#include "dialogs/contextids.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmoptions.h"
#include "gui_env.h"
#include "platform/help_engine.h"
#include "platform/registry.h"
#include "window/settings.h"
#include "window/twips.h"

namespace {

int16_t Wrapped(int pos) { return static_cast<int16_t>(pos < 3 ? pos + 52 : pos); }

}  // namespace

using Options = GuiTest;

TEST_F(Options, ApplyReshufflesAndDealsTwiceEvenWithNothingChanged) {
    frmMain& w = Start();
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    EXPECT_EQ(dialog.cboCardCnt->currentText(), "5");
    EXPECT_EQ(dialog.cboHighCard->currentText(), "25");
    const int16_t before = DeckPos;
    // A scripted shuffle: every card 1 + (position mod 20) / 20 of the range, known in advance.
    std::vector<float> draws;
    for (int p = 3; p <= 54; ++p) draws.push_back(static_cast<float>(p % 20) / 20.0f);
    for (int p = 3; p <= 51; p += 2) draws.push_back(0.99f);
    ScriptRandom(draws);
    dialog.cmdApply_Click();
    EXPECT_EQ(ScriptedLeft(), 0u);
    EXPECT_EQ(DeckPos, Wrapped(before - 2));
    for (int p = 4; p <= 54; p += 2) EXPECT_EQ(Deck[p], 1 + static_cast<int>(25 * (p % 20) / 20.0f)) << p;
    EXPECT_EQ(Deck[53], 1 + static_cast<int>(25 * (53 % 20) / 20.0f));
    for (int p = 3; p <= 51; p += 2) EXPECT_EQ(Deck[p], 12) << p;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.FaceCard[i]->text(), QString::number(FaceCardValue(static_cast<int16_t>(i))));
    EXPECT_EQ(StepCount, 0);
    EXPECT_TRUE(Solving);
}

// The dealing options: keyboard reachable, stored, and the window deals what --deal prints.
TEST_F(Options, DealingOptionsAreStoredAndDealAsTheCommandLineDoes) {
    frmMain& w = Start();
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    EXPECT_FALSE(dialog.chkAnswerOnly->isChecked());  // the defaults: every puzzle, any level
    EXPECT_EQ(dialog.cboLevel->currentText(), "any");
    // Tab goes from the highest card to the new options, in order.
    auto nextTabStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        return next;
    };
    EXPECT_EQ(nextTabStop(dialog.cboHighCard), dialog.chkAnswerOnly);
    EXPECT_EQ(nextTabStop(dialog.chkAnswerOnly), dialog.chkNoAnswers);
    EXPECT_EQ(nextTabStop(dialog.chkNoAnswers), dialog.cboLevel);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);  // the box's mnemonic ticks it (a moment later)
    QElapsedTimer clock;
    clock.start();
    while (!dialog.chkAnswerOnly->isChecked() && clock.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(dialog.chkAnswerOnly->isChecked());
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);  // the label's mnemonic
    EXPECT_EQ(QApplication::focusWidget(), dialog.cboLevel);
    dialog.cboCardCnt->setCurrentText("4");
    dialog.cboLevel->setCurrentText("3");
    FixedRandomSeed = 99;
    SeedRandomFromClock();
    dialog.cmdApply_Click();
    EXPECT_EQ(Setting("Game", "DealAnswerOnly"), "1");
    EXPECT_EQ(Setting("Game", "DealLevel"), "3");

    // Apply is a shuffle and two deals; four more deals, each of level 3.
    QStringList dealt;
    auto table = [] {
        QString text;
        for (int16_t i = 0; i < FaceCards; ++i) text += QString::number(FaceCardValue(i)) + " ";
        return text + "=> " + QString::number(Deck[DeckPos]) + "  level 3";
    };
    dealt << table();
    for (int i = 0; i < 4; ++i) {
        w.cmdDeal_Click();
        EXPECT_EQ(PuzzleLevel(FaceCardValues(), Deck[DeckPos]), 3);
        dealt << table();
    }
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(ParseCommandLine({"--deal", "6", "--cards", "4", "--seed", "99", "--answer-only", "--level", "3"}), out, err), 0);
    QStringList printed = QString::fromStdString(out.str()).split('\n', Qt::SkipEmptyParts);
    printed.removeFirst();  // Apply's first deal, which its second replaced at once
    EXPECT_EQ(printed, dealt);

    // Nothing of level 5 among cards of 1: a message, and the puzzle on the table stays.
    WriteSetting(DealLevelSetting, "5");
    std::fill(std::begin(Deck) + DeckFirst, std::end(Deck), 1);
    HighCard = 1;
    const int16_t at = DeckPos;
    w.cmdDeal_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toStdString(), NothingQualifiesMessage(DealRule{true, 5}, true));
    EXPECT_EQ(DeckPos, at);
    Deck[DeckFirst] = 2;   // a mark the fresh deck (all 1s) cannot have
    w.cmdShuffle_Click();  // a shuffle that finds nothing puts the old deck back
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(DeckPos, at);
    EXPECT_EQ(Deck[DeckFirst], 2);
}

TEST_F(Options, ApplyLeavesTheDialogOpenAndOkClosesIt) {
    frmMain& w = Start();
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    dialog.show();
    dialog.cboCardCnt->setCurrentText("4");
    dialog.cmdApply_Click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(FaceCards, 4);
    dialog.cboHighCard->setCurrentText("9");
    dialog.cmdOK_Click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(HighCard, 9);
    EXPECT_EQ(Setting("Game", "HighCard"), "9");
}

TEST_F(Options, SevenCardsThenThreeShowAndHidePanelsAndStoreExactly) {
    frmMain& w = Start();
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    dialog.cboCardCnt->setCurrentText("7");
    dialog.cboHighCard->setCurrentText("50");
    dialog.cmdApply_Click();
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(w.FaceCard[i]->isVisible()) << i;
    EXPECT_EQ(Twips(w.width()), 10710);
    EXPECT_EQ(Setting("Game", "FaceCards"), "7");
    EXPECT_EQ(Setting("Game", "HighCard"), "50");
    for (int p = 3; p <= 54; ++p) EXPECT_LE(Deck[p], 50);

    dialog.cboCardCnt->setCurrentText("3");
    dialog.cmdApply_Click();
    for (int i = 0; i < 7; ++i) EXPECT_EQ(w.FaceCard[i]->isVisible(), i < 3) << i;
    EXPECT_EQ(Twips(w.width()), 7710);
    dialog.cmdCancel_Click();  // what was applied stays
    EXPECT_EQ(FaceCards, 3);
    EXPECT_EQ(HighCard, 50);
    EXPECT_EQ(Setting("Game", "FaceCards"), "3");
}

TEST_F(Options, ShowsLoadedDeckValuesEvenWhenNotOffered) {
    frmMain& w = Start();
    const QString path = dir.filePath("made elsewhere.pld");
    QByteArray bytes(55, '\x03');
    bytes[0] = 11;  // not among the highest-card entries
    bytes[1] = 4;
    bytes[2] = 20;
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    ASSERT_TRUE(w.LoadFile(path));
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    EXPECT_EQ(dialog.cboCardCnt->currentText(), "4");
    EXPECT_EQ(dialog.cboHighCard->currentText(), "11");
    EXPECT_EQ(dialog.cboHighCard->itemText(dialog.cboHighCard->currentIndex() - 1), "10");  // in numeric order
    dialog.cmdApply_Click();
    EXPECT_EQ(HighCard, 11);
    for (int p = 3; p <= 54; ++p) EXPECT_LE(Deck[p], 11);
}

TEST_F(Options, OkFromTheMenuAppliesAndCloses) {
    frmMain& w = Start();
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        sawDialog = dialog->windowTitle() == "Options";
        dialog->cboCardCnt->setCurrentText("6");
        dialog->cmdOK->click();
    });
    w.MenuItem("mnuViewOptions")->trigger();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(FaceCards, 6);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Options, TabKeysWrapAroundThePages) {
    frmMain& w = Start();
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    EXPECT_EQ(dialog.tbsOptions->count(), 2);  // Standard, and Rules for the order of operations
    EXPECT_EQ(dialog.tbsOptions->currentIndex(), 0);
    EXPECT_EQ(dialog.picOptions[0]->x(), Px(210));
    dialog.NextTab(1);
    EXPECT_EQ(dialog.tbsOptions->currentIndex(), 1);
    EXPECT_EQ(dialog.picOptions[1]->x(), Px(210));
    EXPECT_TRUE(dialog.picOptions[1]->isEnabled());
    EXPECT_EQ(dialog.picOptions[0]->x(), Px(-20000));
    EXPECT_FALSE(dialog.picOptions[0]->isEnabled());
    dialog.NextTab(1);
    EXPECT_EQ(dialog.tbsOptions->currentIndex(), 0);
    dialog.NextTab(-1);
    EXPECT_EQ(dialog.tbsOptions->currentIndex(), 1);
}

using Help = GuiTest;

TEST_F(Help, FileNameHasExactlyOneSeparator) {
    EXPECT_EQ(HelpFileIn("/games/"), "/games/PELORAND.HLP");
    EXPECT_EQ(HelpFileIn("/games"), "/games/PELORAND.HLP");
}

TEST_F(Help, ContentsOpenTheViewerAndQuitOrCloseShutsIt) {
    frmMain& w = Start();
    InitHelp(&w, PELORAND_BUILD_DIR);
    w.MenuItem("munHelpShow")->trigger();
    auto* viewer = qobject_cast<QTextBrowser*>(HelpViewer());
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->toPlainText().contains("Brackets, Multiplication, Division, Addition and Subtraction"));
    EXPECT_EQ(viewer->windowTitle(), "Pelorand Help");
    QuitHelp();
    EXPECT_EQ(HelpViewer(), nullptr);

    ShowHelpContents();
    ASSERT_NE(HelpViewer(), nullptr);
    w.close();  // closing the game closes help too
    EXPECT_EQ(HelpViewer(), nullptr);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Help, MissingFileGetsTheEnginesMessage) {
    frmMain& w = Start();
    InitHelp(&w, dir.path());
    ShowHelpContents();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(dir.filePath("PELORAND.HLP"))) << messages[0].toStdString();
    EXPECT_EQ(HelpViewer(), nullptr);
}

class About : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        SetMachineRegistry(ScratchMachineRegistry(dir.path()));
    }
    void TearDown() override {
        ClearMachineRegistry();
        SetMachineRegistry({});
        GuiTest::TearDown();
    }
    // A harmless program that leaves a mark beside itself when it runs.
    static QString Tool(const QString& path) {
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(PELORAND_MARK_TOOL, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    static bool Started(const QString& tool) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (QFile::exists(tool + ".started")) return true;
            QTest::qWait(20);
        }
        return false;
    }
};

TEST_F(About, ShowsTitleAndVersion) {
    frmMain& w = Start();
    frmAbout box(&w);
    EXPECT_EQ(box.windowTitle(), "About Pelorand");
    EXPECT_EQ(box.lblTitle->text(), "Pelorand");
    EXPECT_EQ(box.lblVersion->text(), "Version 1.0.0");
    EXPECT_TRUE(box.cmdOK->isDefault());
    EXPECT_EQ(box.cmdSysInfo->text(), "&System Info...");
}

TEST_F(About, SystemInfoFromTheFirstLocation) {
    frmMain& w = Start();
    const QString tool = Tool(dir.filePath("info tool.exe"));
    ASSERT_TRUE(WriteMachineValue("software\\microsoft\\shared tools\\msinfo", "PATH", QDir::toNativeSeparators(tool)));
    frmAbout box(&w);
    box.show();
    box.cmdSysInfo->click();
    EXPECT_TRUE(Started(tool));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(box.isVisible());
}

TEST_F(About, SystemInfoFromTheSecondLocationNeedsTheToolFile) {
    frmMain& w = Start();
    ASSERT_TRUE(QDir(dir.path()).mkdir("tools"));
    ASSERT_TRUE(WriteMachineValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", QDir::toNativeSeparators(dir.filePath("tools"))));
    frmAbout box(&w);
    box.show();
    box.StartSysInfo();  // no MSINFO32.EXE there yet
    ASSERT_EQ(messages, QStringList{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(box.isVisible());

    const QString tool = Tool(dir.filePath("tools/MSINFO32.EXE"));
    messages.clear();
    box.StartSysInfo();
    EXPECT_TRUE(Started(tool));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(About, SystemInfoWithNeitherLocationOrAnUnstartableTool) {
    frmMain& w = Start();
    frmAbout box(&w);
    box.StartSysInfo();  // no registry values at all
    ASSERT_TRUE(WriteMachineValue("Other", "PATH", "/bin/true"));
    box.StartSysInfo();
    ASSERT_TRUE(WriteMachineValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", dir.filePath("absent")));
    box.StartSysInfo();
    EXPECT_EQ(messages, QStringList(3, "System Information Is Unavailable At This Time"));
    QString value = "untouched";
    EXPECT_FALSE(GetKeyValue(MachineRoot, "Other", "missing", value));
    EXPECT_TRUE(value.isEmpty());
    EXPECT_TRUE(GetKeyValue(MachineRoot, "other", "path", value));
    EXPECT_EQ(value, "/bin/true");
}

using FileDialog = GuiTest;

// The real dialogs, looked at while open: title, filter, extension and the name offered.
TEST_F(FileDialog, OffersPuzzleFilesUnderTheirOwnNames) {
    frmMain& w = Start();
    CommonDialog::NeverShow = false;
    CommonDialog::Scripted.clear();
    struct Seen { QString title, filter, suffix, name; bool save = false; };
    std::vector<Seen> seen;
    auto look = [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        auto* name = d->findChild<QLineEdit*>("fileNameEdit");
        seen.push_back({d->windowTitle(), d->nameFilters().join("|"), d->defaultSuffix(), name ? name->text() : "?",
                        d->acceptMode() == QFileDialog::AcceptSave});
        d->reject();
    };
    QTimer::singleShot(0, look);
    w.mnuFileSaveAs_Click();
    QTimer::singleShot(0, look);
    w.mnuFileOpen_Click();
    CommonDialog::NeverShow = true;
    ASSERT_EQ(seen.size(), 2u);
    for (const Seen& s : seen) {
        EXPECT_EQ(s.title, "Save puzzle");
        EXPECT_EQ(s.filter, "Puzzles (*.PLD)");
        EXPECT_EQ(s.suffix, "PLD");
        EXPECT_EQ(s.name, "puzzle.pld");
    }
    EXPECT_TRUE(seen[0].save);
    EXPECT_FALSE(seen[1].save);
    EXPECT_EQ(w.windowTitle(), "Untitled - Pelorand");  // both cancelled
}
