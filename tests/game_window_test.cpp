// The game window: first start, deal and shuffle, answer and solution window, close, settings.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <chrono>
#include <thread>
#include <set>
#include <sstream>
#include <QProcess>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "cli/command_line.h"
#include "engine/mainloop.h"
#include "player/player_solver.h"
#include "window/verdict_check.h"
#include "dialogs/frmoptions.h"
#include "gui_env.h"
#include "platform/sleep.h"
#include "program_run.h"
#include "text_util.h"
#include "expr/eval.h"
#include "window/board_view.h"
#include "window/frmanswer.h"
#include "window/play_stats.h"
#include "window/frmsoln.h"
#include "window/settings.h"
#include "window/frmsplash.h"
#include "window/loop_host.h"
#include "window/status_panel.h"
#include "window/twips.h"
#include "platform/common_dialog.h"

namespace {

QString Card(int value) { return QString::number(value); }

std::vector<QString> FaceTexts(const frmMain& w) {
    std::vector<QString> out;
    for (int i = 0; i < FaceCards; ++i) out.push_back(w.FaceCard[i]->text());
    return out;
}

}  // namespace

using GameWindow = GuiTest;

TEST_F(GameWindow, FirstStartWithAnEmptyStore) {
    frmMain& w = Start();
    EXPECT_EQ(w.windowTitle(), "Untitled - Pelorand");
    EXPECT_EQ(w.pos(), QPoint(Px(1000), Px(1000)));
    EXPECT_EQ(w.size(), QSize(Px(7710), Px(6500)));  // 6500 wide, raised for five cards
    EXPECT_EQ(FaceCards, 5);
    EXPECT_EQ(HighCard, 25);
    EXPECT_EQ(DeckPos, 8);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(w.FaceCard[i]->isVisible(), i < 5) << i;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.FaceCard[i]->text(), Card(Deck[3 + i])) << i;
    EXPECT_EQ(w.AnswerCard->text(), Card(Deck[8]));
    EXPECT_TRUE(Solving);
    EXPECT_EQ(StepCount, 0);
    EXPECT_FALSE(w.cmdAnswer->isEnabled());
    EXPECT_EQ(w.lblProgress->text(), "Looking for a solution...");
    EXPECT_EQ(w.sbPanels[0]->text(), "Status");
    EXPECT_FALSE(w.MenuItem("mnuFileSave")->isEnabled());
    for (const char* never : {"mnuEditUndo", "mnuEditCut", "mnuEditPasteSpecial"})
        EXPECT_FALSE(w.MenuItem(never)->isEnabled()) << never;
    EXPECT_TRUE(w.MenuItem("mnuViewToolbar")->isChecked());
    EXPECT_TRUE(w.MenuItem("mnuViewStatusBar")->isChecked());
    EXPECT_FALSE(w.Soln()->isVisible());
}

TEST_F(GameWindow, ShuffleDealsLowCardsOnOddPositions) {
    frmMain& w = Start();
    for (int high : {5, 50}) {
        HighCard = static_cast<int16_t>(high);
        const int low = high == 5 ? 2 : 25;  // 2.5 goes to the even 2
        std::vector<bool> lowSeen(low + 1), highSeen(high + 1);
        for (int round = 0; round < 400; ++round) {
            w.cmdShuffle_Click();
            for (int p = 3; p <= 54; ++p) {
                const bool isLow = p % 2 == 1 && p <= 51;
                const int limit = isLow ? low : high;
                ASSERT_GE(Deck[p], 1) << p;
                ASSERT_LE(Deck[p], limit) << "position " << p << " highest card " << high;
                (isLow ? lowSeen : highSeen)[Deck[p]] = true;
            }
        }
        for (int v = 1; v <= low; ++v) EXPECT_TRUE(lowSeen[v]) << v;
        for (int v = 1; v <= high; ++v) EXPECT_TRUE(highSeen[v]) << v;
    }
}

TEST_F(GameWindow, DealMovesDownTheRingAndWraps) {
    frmMain& w = Start();
    for (int p = 3; p <= 54; ++p) Deck[p] = static_cast<uint8_t>(p);  // each card names its place

    DeckPos = 5;
    w.cmdDeal_Click();
    EXPECT_EQ(DeckPos, 4);
    EXPECT_EQ(FaceTexts(w), (std::vector<QString>{"51", "52", "53", "54", "3"}));
    EXPECT_EQ(w.AnswerCard->text(), "4");

    DeckPos = 3;
    w.cmdDeal_Click();
    EXPECT_EQ(DeckPos, 54);
    EXPECT_EQ(FaceTexts(w), (std::vector<QString>{"49", "50", "51", "52", "53"}));

    // Each deal: the last face card becomes the answer, the others move one panel right.
    for (int deal = 0; deal < 60; ++deal) {
        std::vector<QString> before = FaceTexts(w);
        w.cmdDeal_Click();
        std::vector<QString> after = FaceTexts(w);
        EXPECT_EQ(w.AnswerCard->text(), before.back());
        for (int i = 1; i < 5; ++i) EXPECT_EQ(after[i], before[i - 1]);
        EXPECT_EQ(after[0], Card(Deck[RingPos(DeckPos, 5, 0)]));
    }
}

TEST_F(GameWindow, AnswerOnlyOnceTheSearchHasSolvedThePuzzle) {
    frmMain& w = Start();
    w.tbToolBar_ButtonClick("Answer");
    w.cmdAnswer_Click();
    EXPECT_FALSE(w.Soln()->isVisible());

    // A puzzle with a known solution: 1 + 2 + 3 = 6 among others.
    for (int p = 3; p <= 54; ++p) Deck[p] = static_cast<uint8_t>(1 + p % 3);
    w.cmdDeal_Click();
    StepCount = 0;
    ASSERT_TRUE(SearchUntilSolved());
    EXPECT_TRUE(w.cmdAnswer->isEnabled());
    EXPECT_EQ(w.lblProgress->text(), "Solution found.");
    EXPECT_EQ(w.sbPanels[0]->text(), "Got it, do you give up?");
    EXPECT_EQ(w.sbPanels[1]->text(), QString::number(StepCount));
    const QString shown = w.Soln()->lblSoln->toPlainText();
    EXPECT_EQ(shown, QString::fromStdU16String(SolnText).replace("\r\n", "\n"));
    EXPECT_TRUE(shown.contains("\nBroken down like this:\n"));
    EXPECT_FALSE(shown.contains(QRegularExpression("\\b0\\d")));  // display form: no card codes

    w.tbToolBar_ButtonClick("Answer");
    w.cmdAnswer_Click();  // twice: still the one window
    EXPECT_TRUE(w.Soln()->isVisible());
    EXPECT_EQ(w.findChildren<frmSoln*>().size(), 1);

    QTest::keyClick(w.Soln(), Qt::Key_Escape);
    EXPECT_FALSE(w.Soln()->isVisible());
    w.cmdAnswer_Click();
    QTest::keyClick(w.Soln()->lblSoln, Qt::Key_Return);  // Enter presses Done
    EXPECT_FALSE(w.Soln()->isVisible());

    w.cmdAnswer_Click();
    w.tbToolBar_ButtonClick("Deal");
    EXPECT_FALSE(w.Soln()->isVisible());
    EXPECT_FALSE(w.cmdAnswer->isEnabled());
    EXPECT_TRUE(Solving);
    w.tbToolBar_ButtonClick("answer");  // keys are exact
    EXPECT_FALSE(w.Soln()->isVisible());
}

TEST_F(GameWindow, SetWidthFitsTheCards) {
    frmMain& w = Start();
    struct Case { int width, cards, expected; };
    // Three and four cards: wide enough for Exit, the last button, with the right margin of five cards.
    const Case cases[] = {{6500, 5, 7710}, {9000, 3, 7710}, {4995, 3, 7470}, {6500, 3, 7470}, {4995, 4, 7470}, {7605, 4, 7605},
                          {7710, 6, 9210}, {7710, 7, 10710}, {12000, 7, 10710}};
    for (const Case& c : cases) {
        w.resize(Px(c.width), w.height());
        FaceCards = static_cast<int16_t>(c.cards);
        w.SetWidth();
        EXPECT_EQ(Twips(w.width()), c.expected) << c.width << " twips, " << c.cards << " cards";
        EXPECT_LE(w.cmdExit->geometry().right(), w.centralWidget()->width()) << c.cards << " cards";
    }
}

TEST_F(GameWindow, ClosingStoresPlacementAndOptions) {
    Store("Settings", "MainLeft", "3000");
    Store("Settings", "MainTop", "1500");
    Store("Game", "FaceCards", "6");
    frmMain& w = Start();
    EXPECT_EQ(w.pos(), QPoint(200, 100));  // on screen: restored exactly
    EXPECT_EQ(FaceCards, 6);
    w.move(Px(1500), Px(2250));
    w.resize(Px(9210), Px(7000));
    HighCard = 40;
    w.close();
    EXPECT_FALSE(Running);
    EXPECT_FALSE(Solving);
    EXPECT_EQ(Setting("Settings", "MainLeft"), "1500");
    EXPECT_EQ(Setting("Settings", "MainTop"), "2250");
    EXPECT_EQ(Setting("Settings", "MainWidth"), "9210");
    EXPECT_EQ(Setting("Settings", "MainHeight"), "7005");  // 7000 twips is 466.7 pixels
    EXPECT_EQ(Setting("Game", "FaceCards"), "6");
    EXPECT_EQ(Setting("Game", "HighCard"), "40");
}

TEST_F(GameWindow, ClosingMinimizedKeepsThePlacement) {
    Store("Settings", "MainLeft", "3000");
    frmMain& w = Start();
    w.showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.isMinimized());
    FaceCards = 3;
    w.close();
    EXPECT_EQ(Setting("Settings", "MainLeft"), "3000");
    EXPECT_EQ(Setting("Settings", "MainWidth"), "<absent>");
    EXPECT_EQ(Setting("Game", "FaceCards"), "3");
}

TEST_F(GameWindow, ToolbarAndStatusBarToggleAndComeBackNextTime) {
    frmMain& w = Start();
    w.MenuItem("mnuViewToolbar")->trigger();
    w.MenuItem("mnuViewStatusBar")->trigger();
    EXPECT_FALSE(w.tbToolBar->isVisible());
    EXPECT_FALSE(w.sbStatusBar->isVisible());
    EXPECT_FALSE(w.MenuItem("mnuViewToolbar")->isChecked());
    w.MenuItem("mnuViewToolbar")->trigger();
    EXPECT_TRUE(w.tbToolBar->isVisible());
    EXPECT_TRUE(w.MenuItem("mnuViewToolbar")->isChecked());
    w.MenuItem("mnuViewToolbar")->trigger();
    w.close();
    frmMain& again = Start();
    EXPECT_TRUE(again.tbToolBar->isVisible());
    EXPECT_TRUE(again.MenuItem("mnuViewToolbar")->isChecked());
    EXPECT_TRUE(again.sbStatusBar->isVisible());
}

TEST_F(GameWindow, CorruptSettingsFallBackToDefaults) {
    const char* bad[][3] = {
        {"Game", "FaceCards", "eleven"}, {"Game", "HighCard", "1000"}, {"Settings", "MainLeft", "nan"},
        {"Settings", "MainTop", "1e400"}, {"Settings", "MainWidth", "-5"}, {"Settings", "MainHeight", "a, b"},
    };
    for (const auto& b : bad) Store(b[0], b[1], b[2]);
    frmMain& w = Start();
    EXPECT_EQ(FaceCards, 5);
    EXPECT_EQ(HighCard, 25);
    EXPECT_EQ(w.pos(), QPoint(Px(1000), Px(1000)));
    EXPECT_EQ(w.size(), QSize(Px(7710), Px(6500)));
    game.reset();

    SetSettingsLocation(dir.filePath("Pelorand.ini"));
    QFile file(SettingsLocation());  // not even an INI file
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("\x00\xff[Game\nFaceCards=\x01\x02\n=\n[[[", 26));
    file.close();
    Start();
    EXPECT_GE(FaceCards, 3);
    EXPECT_LE(FaceCards, 7);
}

TEST_F(GameWindow, PlacementOnNoScreenIsBroughtBack) {
    Store("Settings", "MainLeft", "-300000");
    Store("Settings", "MainTop", "900000");
    frmMain& w = Start();
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(QRect(w.pos(), w.size()))) << w.pos().x() << "," << w.pos().y();
}

// The whole program as it starts: splash, game window, idle loop, close.
TEST_F(GameWindow, MainRunsTheLoopUntilTheWindowCloses) {
    QtLoopHost host({});
    bool splashGoneBeforeClose = false;
    int stepsSeen = 0;
    QTimer::singleShot(400, [&] {
        frmMain* w = MainWindow();
        ASSERT_NE(w, nullptr);
        splashGoneBeforeClose = w->Splash.isNull();
        stepsSeen = StepCount;
        w->cmdExit->click();
    });
    Main(host);
    EXPECT_TRUE(splashGoneBeforeClose);
    EXPECT_GT(stepsSeen, 0);
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_FALSE(Running);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 0);
}

// Windows rounds the searching pass's 1 ms sleep up to its 15.6 ms tick unless the program asks
// for a finer timer: asked for while a search runs, given back while idle and at the end.
TEST_F(GameWindow, TheFineTimerIsHeldOnlyWhileSearching) {
    QtLoopHost host({});
    bool heldWhileSearching = false, searching = false, heldWhileIdle = true, idle = false;
    QTimer::singleShot(300, [] { MainWindow()->SetPuzzle({1, 1, 1}, 50); });  // no answer: it searches on
    QTimer::singleShot(600, [&] {
        searching = Solving;
        heldWhileSearching = FineTimerHeld();
        MainWindow()->SetPuzzle({1, 1, 1}, 3);  // found within a few steps
    });
    QTimer::singleShot(1500, [&] {
        idle = !Solving;
        heldWhileIdle = FineTimerHeld();
        MainWindow()->cmdExit->click();
    });
    Main(host);
    EXPECT_TRUE(searching);
    EXPECT_TRUE(heldWhileSearching);
    EXPECT_TRUE(idle);
    EXPECT_FALSE(heldWhileIdle);
    EXPECT_FALSE(FineTimerHeld());
}

TEST_F(GameWindow, ScreenReadersHearThePuzzle) {
    frmMain& w = Start();
    auto name = [](QWidget* widget) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
        return a ? a->text(QAccessible::Name) : QString();
    };
    w.cmdDeal_Click();
    EXPECT_EQ(name(w.AnswerCard), "Answer card " + Card(Deck[DeckPos]));
    for (int16_t i = 0; i < FaceCards; ++i)
        EXPECT_EQ(name(w.FaceCard[i]), QString("Face card %1: %2").arg(i + 1).arg(FaceCardValue(i)));
    EXPECT_EQ(name(w.lblProgress), "Progress: Looking for a solution...");
    for (QPushButton* b : {w.cmdShuffle, w.cmdDeal, w.cmdAnswer, w.cmdExit})
        EXPECT_TRUE(b->text().contains('&')) << b->objectName().toStdString();  // an access key each
}

// A game started from a seed (the tests fix the one the clock would give) deals the puzzles it
// always dealt from it, at the defaults and under the dealing options, and --deal from that seed
// prints the same.
TEST_F(GameWindow, AGameStartedFromASeedDealsThePuzzlesItAlwaysDealt) {
    struct Case { const char *cards, *high, *answerOnly, *level; std::vector<std::string> deals; };
    const Case cases[] = {
        {"5", "25", "0", "0", {"7 2 10 19 1 => 19", "13 7 2 10 19 => 1", "9 13 7 2 10 => 19"}},
        {"3", "10", "1", "0", {"3 1 5 => 8", "2 1 4 => 5", "1 2 1 => 4"}},
        {"7", "40", "0", "4", {"10 1 6 4 14 20 11 => 2", "2 19 10 1 6 4 14 => 20", "31 2 19 10 1 6 4 => 14"}},
    };
    ASSERT_TRUE(FixedRandomSeed.has_value());
    for (const Case& c : cases) {
        Store("Game", "FaceCards", c.cards);
        Store("Game", "HighCard", c.high);
        Store("Game", "DealAnswerOnly", c.answerOnly);
        Store("Game", "DealLevel", c.level);
        frmMain& w = Start();
        std::vector<std::string> dealt;
        for (std::size_t i = 0; i < c.deals.size(); ++i) {
            if (i > 0) w.cmdDeal_Click();
            std::string line;
            for (int16_t k = 0; k < FaceCards; ++k) line += std::to_string(FaceCardValue(k)) + " ";
            dealt.push_back(line + "=> " + std::to_string(Deck[DeckPos]));
        }
        EXPECT_EQ(dealt, c.deals) << c.cards << " cards";
        std::vector<std::string> args{"--deal", std::to_string(c.deals.size()), "--seed", std::to_string(*FixedRandomSeed),
                                      "--cards", c.cards, "--high", c.high};
        if (c.answerOnly == std::string("1")) args.push_back("--answer-only");
        if (c.level != std::string("0")) args.insert(args.end(), {"--level", c.level});
        std::ostringstream out, err;
        ASSERT_EQ(RunCommandLine(ParseCommandLine(args), out, err), 0) << err.str();
        std::istringstream lines(out.str());
        std::vector<std::string> printed;
        for (std::string line; std::getline(lines, line);) printed.push_back(line.substr(0, line.find("  level")));
        EXPECT_EQ(printed, c.deals) << c.cards << " cards";
        game.reset();
    }
}

TEST_F(GameWindow, InitDeckHidesTheRowOnTheTableFirst) {
    Store("Game", "FaceCards", "7");
    frmMain& w = Start();
    ASSERT_TRUE(w.FaceCard[6]->isVisible());
    Store("Game", "FaceCards", "3");  // another copy of the game changed it meanwhile
    w.InitDeck();
    for (int i = 0; i < 7; ++i) EXPECT_EQ(w.FaceCard[i]->isVisible(), i < 3) << i;
}

TEST_F(GameWindow, DealStartsANewSearchAndMovesExactlyOnePlace) {
    frmMain& w = Start();
    const std::vector<uint8_t> deck(Deck + 3, Deck + 55);
    for (const char* via : {"button", "toolbar"}) {
        const int16_t before = DeckPos;
        StepCount = 50;
        Solving = false;
        w.MenuItem("cmdAnswer")->setEnabled(true);  // the Answer command, which its button shows
        if (via == std::string("button")) w.cmdDeal->click(); else w.tbToolBar_ButtonClick("Deal");
        EXPECT_EQ(DeckPos, before == 3 ? 54 : before - 1) << via;
        EXPECT_EQ(StepCount, 0) << via;
        EXPECT_TRUE(Solving) << via;
        EXPECT_FALSE(w.cmdAnswer->isEnabled()) << via;
        EXPECT_EQ(std::vector<uint8_t>(Deck + 3, Deck + 55), deck) << via << ": a deal never reshuffles";
    }
    w.tbToolBar_ButtonClick("Shuffle");
    EXPECT_NE(std::vector<uint8_t>(Deck + 3, Deck + 55), deck);
    EXPECT_EQ(StepCount, 0);
}

TEST_F(GameWindow, StoredOptionsReadBackAtBothEndsOfTheirRange) {
    struct Case { const char* faces; const char* high; int16_t expectFaces, expectHigh; };
    const Case cases[] = {{"3", "1", 3, 1}, {"7", "99", 7, 99}, {"2", "0", 5, 25}, {"8", "100", 5, 25}, {"6.4", "40", 6, 40}};
    for (const Case& c : cases) {
        Store("Game", "FaceCards", c.faces);
        Store("Game", "HighCard", c.high);
        Start();
        EXPECT_EQ(FaceCards, c.expectFaces) << c.faces;
        EXPECT_EQ(HighCard, c.expectHigh) << c.high;
        game.reset();
    }
}

// The whole menu bar and toolbar, item by item: a changed caption, key or state shows here.
TEST_F(GameWindow, MenusAndToolbarAreExactlyTheCommandTable) {
    frmMain& w = Start();
    struct Item { const char* name; const char* caption; QKeySequence key; bool enabled, checkable; };
    const QKeySequence none;
    const std::vector<std::pair<QString, std::vector<Item>>> menus = {
        {"&File", {{"mnuFileNewPuzzle", "&New Puzzle...", QKeySequence("Ctrl+N"), true, false},
                   {"mnuFileToday", "&Today's Puzzle", QKeySequence("Ctrl+T"), true, false},
                   {"mnuFileOpen", "&Open", QKeySequence("Ctrl+O"), true, false}, {"mnuFileBar1", "", none, true, false},
                   {"mnuFileSave", "&Save", QKeySequence("Ctrl+S"), false, false}, {"mnuFileSaveAs", "Save &As...", none, true, false},
                   {"mnuFileBar2", "", none, true, false}, {"mnuFilePageSetup", "Page Set&up...", none, true, false},
                   {"mnuFilePrint", "&Print...", QKeySequence("Ctrl+P"), true, false},
                   {"mnuFilePrintWorksheet", "Print &Worksheet...", QKeySequence("Ctrl+Shift+P"), true, false}, {"mnuFileBar4", "", none, true, false},
                   {"mnuFileExit", "E&xit", none, true, false}}},
        {"&Edit", {{"mnuEditUndo", "&Undo", QKeySequence("Ctrl+Z"), false, false}, {"mnuEditBar1", "", none, true, false},
                   {"mnuEditCut", "Cu&t", QKeySequence("Ctrl+X"), false, false}, {"mnuEditCopy", "&Copy", QKeySequence("Ctrl+C"), true, false},
                   {"mnuEditPaste", "&Paste Puzzle", QKeySequence("Ctrl+V"), true, false},
                   {"mnuEditPasteSpecial", "Paste &Special...", none, false, false}}},
        {"&View", {{"mnuViewToolbar", "&Toolbar", none, true, true}, {"mnuViewStatusBar", "Status &Bar", none, true, true},
                   {"mnuViewBar2", "", none, true, false}, {"mnuViewOptions", "&Options...", none, true, false}}},
        {"&Help", {{"munHelpShow", "&Help", QKeySequence("F1"), true, false}, {"mnuHelpSep1", "", none, true, false},
                   {"mnuHelpAbout", "&About Pelorand...", none, true, false}}},
    };
    const QList<QAction*> bar = w.menuBar()->actions();
    ASSERT_GE(bar.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(bar[m]->text(), menus[m].first);
        const QList<QAction*> items = bar[m]->menu()->actions();
        ASSERT_GE(items.size(), static_cast<qsizetype>(menus[m].second.size())) << menus[m].first.toStdString();
        for (std::size_t i = 0; i < menus[m].second.size(); ++i) {
            const Item& want = menus[m].second[i];
            QAction* got = items[i];
            EXPECT_EQ(got->objectName(), want.name);
            EXPECT_EQ(got->isSeparator(), *want.caption == 0) << want.name;
            if (!got->isSeparator()) {
                EXPECT_EQ(got->text(), want.caption) << want.name;
            }
            EXPECT_EQ(got->shortcut(), want.key) << want.name;
            EXPECT_EQ(got->isEnabled(), want.enabled) << want.name;
            EXPECT_EQ(got->isCheckable(), want.checkable) << want.name;
            EXPECT_EQ(got->isChecked(), want.checkable) << want.name;
        }
    }
    const std::pair<const char*, const char*> tools[] = {
        {"Open", "Load saved deck"}, {"Save", "Save this deck"}, {"Print", "Print this puzzle"},
        {"Shuffle", "Shuffle the deck"}, {"Deal", "Deal a card, next puzzle"}, {"Answer", "Display the answer"}};
    const QList<QAction*> buttons = w.tbToolBar->actions();
    ASSERT_GE(buttons.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(buttons[i]->data().toString(), tools[i].first);
        EXPECT_EQ(buttons[i]->toolTip(), tools[i].second);
    }
    // Your Answer: an icon of its own, not Help's question mark, and a name a screen reader speaks.
    ASSERT_EQ(buttons.size(), 7);
    EXPECT_EQ(buttons[6]->data().toString(), "YourAnswer");
    EXPECT_FALSE(buttons[6]->icon().pixmap(24, 24).isNull());
    EXPECT_NE(buttons[6]->icon().pixmap(24, 24).toImage(), w.style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(24, 24).toImage());
    EXPECT_EQ(w.tbToolBar->widgetForAction(buttons[6])->accessibleName(), "Your Answer");
    const std::tuple<QPushButton*, const char*, const char*> pushes[] = {
        {w.cmdShuffle, "&Shuffle", "Shuffle the deck"}, {w.cmdDeal, "&Deal", "Deal, new puzzle"},
        {w.cmdAnswer, "&Answer", "Show the answer to the puzzle"}, {w.cmdExit, "E&xit", "Exit back to windows"}};
    for (const auto& [button, caption, tip] : pushes) {
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->toolTip(), tip);
    }
    // One action a command, wherever it shows: the tool bar's Answer and the button come on
    // together with the search's hit; the menu and the tool bar hold the same Open and Print.
    // The tool bar's Save is its own: it runs while the menu's waits for a file.
    QWidget* answerTool = w.tbToolBar->widgetForAction(buttons[5]);
    EXPECT_FALSE(answerTool->isEnabled());
    EXPECT_FALSE(w.cmdAnswer->isEnabled());
    w.EnableAnswer();
    EXPECT_TRUE(answerTool->isEnabled());
    EXPECT_TRUE(w.cmdAnswer->isEnabled());
    EXPECT_EQ(buttons[0], w.MenuItem("mnuFileOpen"));
    EXPECT_EQ(buttons[2], w.MenuItem("mnuFilePrint"));
    EXPECT_EQ(buttons[6], w.MenuItem("mnuEditYourAnswer"));
    EXPECT_TRUE(w.tbToolBar->widgetForAction(buttons[1])->isEnabled());
    EXPECT_FALSE(w.MenuItem("mnuFileSave")->isEnabled());
    w.cmdDeal_Click();
    EXPECT_FALSE(answerTool->isEnabled());
    EXPECT_FALSE(w.cmdAnswer->isEnabled());
}

// The splash is drawn at least once, however early the game window becomes active.
TEST_F(GameWindow, SplashIsOnTheScreenBeforeItCloses) {
    QPointer<frmSplash> splash = new frmSplash();
    splash->CloseOnceDrawn();  // the game window was activated before the splash was shown
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // as the idle loop does
    ASSERT_FALSE(splash.isNull()) << "the splash closed before it was ever drawn";
    EXPECT_FALSE(splash->Drawn());
    splash->show();
    QElapsedTimer clock;
    clock.start();
    bool sawDrawn = false;
    while (splash && clock.elapsed() < 3000) {
        sawDrawn = sawDrawn || splash->Drawn();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(splash.isNull()) << "the splash stayed open";
    EXPECT_TRUE(sawDrawn) << "the splash closed without being drawn";
}

namespace {

// Puts a puzzle on the table by dealing into a deck prepared for it.
void DealPuzzle(frmMain& w, const std::vector<int>& faces, int answer) {
    FaceCards = static_cast<int16_t>(faces.size());
    DeckPos = 31;  // the deal moves it to 30
    for (int16_t i = 0; i < FaceCards; ++i) Deck[RingPos(30, FaceCards, i)] = static_cast<uint8_t>(faces[i]);
    Deck[30] = static_cast<uint8_t>(answer);
    w.cmdDeal_Click();
}

// The panel once the player's answers are known, and with computerToo once the computer's
// search has been asked as well.
QString WaitForVerdict(frmMain& w, bool computerToo = false) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        const TableVerdict* v = w.VerdictOnTable();
        if (v && (!computerToo || v->player.answers == 0 || v->computer != TableVerdict::Computer::Checking)) return w.sbVerdict->text();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return w.sbVerdict->text();
}

}  // namespace

TEST_F(GameWindow, VerdictPanelSaysWhetherThePuzzleCanBeSolved) {
    frmMain& w = Start();
    DealPuzzle(w, {1, 1, 1, 1}, 99);
    EXPECT_EQ(w.sbVerdict->text(), "Checking...");
    EXPECT_EQ(WaitForVerdict(w), "No solution");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w.sbVerdict);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), "Verdict: No solution");
    // The search's two panels are named too, with the text of the moment.
    SearchStep();
    QAccessibleInterface* attempt = QAccessible::queryAccessibleInterface(w.sbPanels[0]);
    QAccessibleInterface* count = QAccessible::queryAccessibleInterface(w.sbPanels[1]);
    EXPECT_EQ(attempt->text(QAccessible::Name), "Last attempt: " + w.sbPanels[0]->text());
    EXPECT_EQ(count->text(QAccessible::Name), "Attempts: 1");
    EXPECT_EQ(w.sbPanels[1]->text(), "1");  // what is seen stays as it was

    // The computer's search says no to 3 9 3 9 => 17; a player has 9 + 9 - 3 / 3: the 3 / 3
    // costs nothing and there are only two card values, so it is easy. The tooltip says why.
    DealPuzzle(w, {3, 9, 3, 9}, 17);
    const QString nine = QString::fromUtf8("3 answers \u00B7 \u2605\u2606\u2606\u2606\u2606 \u00B7 beyond the computer");
    EXPECT_EQ(WaitForVerdict(w, true), nine);
    EXPECT_EQ(a->text(QAccessible::Name), "Verdict: 3 answers, difficulty 1 of 5, beyond the computer");
    EXPECT_EQ(w.sbVerdict->toolTip(), nine + "\nLevel 1: only 2 different card values");

    // 7 * (5 - 2) + 3: four card values, no 1 to spare, no sum of the cards.
    DealPuzzle(w, {5, 3, 7, 2}, 24);
    const QString five = QString::fromUtf8("8 answers \u00B7 \u2605\u2605\u2605\u2605\u2606");
    EXPECT_EQ(WaitForVerdict(w, true), five);
    EXPECT_EQ(w.sbVerdict->toolTip(), five + "\nLevel 4: 4 different card values to use, and no shortcut");
    EXPECT_EQ(w.sbPanels[0]->text().isEmpty(), false);  // the search's panels are still its own

    w.MenuItem("mnuViewStatusBar")->trigger();
    EXPECT_FALSE(w.sbVerdict->isVisible());
    w.MenuItem("mnuViewStatusBar")->trigger();
    EXPECT_TRUE(w.sbVerdict->isVisible());
}

// Every reason of the level has words of its own, and none gives a number of the answer away.
TEST(VerdictWords, EveryLevelReasonHasItsOwnSentence) {
    using Kind = LevelReason::Kind;
    std::set<QString> seen;
    for (Kind kind : {Kind::NoAnswer, Kind::NeedsFraction, Kind::Division, Kind::LargeNumber, Kind::FewWays, Kind::CardValues,
                      Kind::ByOne, Kind::Additions, Kind::ManyWays, Kind::RepeatedCards, Kind::SmallNumbers}) {
        const QString text = LevelReasonText({kind, 72});
        EXPECT_FALSE(text.isEmpty()) << static_cast<int>(kind);
        EXPECT_TRUE(seen.insert(text).second) << text.toStdString();
        if (kind == Kind::LargeNumber || kind == Kind::SmallNumbers) {
            EXPECT_FALSE(text.contains("72")) << text.toStdString();
        }
    }
    EXPECT_EQ(LevelReasonText({Kind::Division, 1}), "the easiest answer needs a division");
    EXPECT_EQ(LevelReasonText({Kind::Division, 2}), "the easiest answer needs 2 divisions");
    EXPECT_EQ(LevelReasonText({Kind::FewWays, 1}), "only one last step reaches the answer");
    EXPECT_EQ(LevelReasonText({Kind::ManyWays, 11}), "11 different last steps reach the answer");
    // No level yet: the tooltip is the panel's text alone.
    TableVerdict checking;
    checking.player.answers = 3;
    EXPECT_EQ(VerdictToolTip(checking), VerdictText(checking));
}

// A verdict for an earlier puzzle never reaches the panel, however late it comes.
TEST_F(GameWindow, VerdictOfAnEarlierPuzzleIsDropped) {
    frmMain& w = Start();
    DealPuzzle(w, {1, 1, 1, 1}, 99);  // no solution, known in a moment
    QCoreApplication::processEvents();  // the worker starts at the next delivery of events
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // its verdict waits in the queue
    DealPuzzle(w, {5, 3, 7, 2}, 24);  // the next deal comes first
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_NE(w.sbVerdict->text(), "No solution") << "the earlier puzzle's verdict was shown";
    }
    EXPECT_TRUE(w.sbVerdict->text().startsWith("8 answers")) << w.sbVerdict->text().toStdString();

    TableVerdict late{SolveForPlayer({1, 1, 1, 1}, 99)};
    w.ShowVerdict(late);
    EXPECT_NE(w.sbVerdict->text(), "No solution");
    late.player.cards = {5, 3, 7, 2};  // the same cards with another answer card is another puzzle
    w.ShowVerdict(late);
    EXPECT_NE(w.sbVerdict->text(), "No solution");
    late.player.answer = 24;
    w.ShowVerdict(late);
    EXPECT_EQ(w.sbVerdict->text(), "No solution");  // (a made-up verdict, taken since it names this puzzle)
}

// The command line's jobs run without any display at all.
TEST(CommandLineBinary, SolvesWithNoDisplay) {
    ProgramRun run = RunPelorand({"--solve", "3", "9", "3", "9", "17"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "answers: 3\n9 + 9 - 3 / 3\n9 + (9 - 3 / 3)\n9 - (3 / 3 - 9)\n");
    run = RunPelorand({"--solve", "--search", "3", "9", "3", "9", "17"});  // the computer's attempts
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "solutions: 0\n");
    run = RunPelorand({"--version"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "pelorand 1.0.0\n");
    run = RunPelorand({"--solve", "1", "2"});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.startsWith("pelorand: --solve: ")) << run.err.toStdString();
}

using YourAnswer = GuiTest;

TEST_F(YourAnswer, ARightAnswerBeforeTheSearchWinsThePuzzle) {
    frmMain& w = Start();
    DealPuzzle(w, {5, 3, 7, 2}, 24);
    w.MenuItem("mnuEditYourAnswer")->trigger();
    frmAnswer* a = w.Answer();
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(a->focusWidget(), a->fraBoard->cmdTile[0]);  // the board has the focus within the window
    EXPECT_EQ(w.MenuItem("mnuEditYourAnswer")->shortcut(), QKeySequence("Ctrl+E"));

    QTest::keyClicks(a->txtAnswer, "8 / 2 * 2");
    QTest::keyClick(a->txtAnswer, Qt::Key_Return);  // Enter checks
    EXPECT_EQ(a->txtResult->toPlainText(), "Your answer uses 8, which is not on the table. (at character 1)");
    EXPECT_EQ(a->txtAnswer->accessibleDescription(), "Your answer uses 8, which is not on the table.");
    EXPECT_EQ(a->txtAnswer->cursorPosition(), 0);  // put where it went wrong
    EXPECT_TRUE(Solving);

    a->txtAnswer->setText("5 + (3 * 7) - 2");
    a->cmdCheck->click();
    const QString result = a->txtResult->toPlainText();
    EXPECT_TRUE(result.contains("The game reads it as: 5 + (3 * 7) - 2")) << result.toStdString();
    EXPECT_TRUE(result.contains("Value: 24\nWorked out exactly:\n  3 * 7 = 21\n  5 + 21 = 26\n  26 - 2 = 24\nRight!")) << result.toStdString();
    EXPECT_TRUE(result.contains("You got it first!"));
    // The focus moves to the result, whose description a screen reader speaks: the verdict.
    EXPECT_EQ(a->focusWidget(), a->txtResult);
    EXPECT_EQ(a->txtResult->accessibleDescription(), "Right! You got it first!");
    QTest::keyClicks(a->txtResult, "9");  // typing on goes into the entry
    EXPECT_EQ(a->focusWidget(), a->txtAnswer);
    EXPECT_EQ(a->txtAnswer->text(), "5 + (3 * 7) - 29");
    EXPECT_FALSE(Solving);
    EXPECT_EQ(w.lblProgress->text(), "You got it first!");
    EXPECT_TRUE(w.cmdAnswer->isEnabled());
    w.cmdAnswer_Click();
    EXPECT_EQ(w.Soln()->lblSoln->toPlainText(), "5 + (3 * 7) - 2 = 24\nBroken down like this:\n3 * 7 = 21\n5 + 21 = 26\n26 - 2 = 24");
    EXPECT_EQ(StoredWins().player, 1u);
    EXPECT_EQ(a->lblTally->text(), "You 1, the computer 0");

    a->cmdCheck->click();  // the same puzzle again: no second win
    EXPECT_EQ(StoredWins().player, 1u);

    w.cmdDeal_Click();  // a new puzzle clears the window
    EXPECT_TRUE(a->txtAnswer->text().isEmpty());
    EXPECT_TRUE(a->txtResult->toPlainText().isEmpty());
    QTest::keyClick(a, Qt::Key_Escape);
    EXPECT_FALSE(a->isVisible());
}

TEST_F(YourAnswer, TheComputerIsFirstOnlyInARaceThePlayerEntered) {
    Store("Game", "PlayerWins", "4");
    Store("Game", "HintWins", "1");
    frmMain& w = Start();
    // The computer solves it before the player has begun: no race, and a right answer the player's.
    DealPuzzle(w, {5, 3, 7, 2}, 24);
    ASSERT_TRUE(SearchUntilSolved());
    w.tbToolBar_ButtonClick("YourAnswer");
    frmAnswer* a = w.Answer();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(StoredWins().computer, 0u);  // opening it is no race lost
    a->txtAnswer->setText("5 + 3 * 7 - 2");
    a->cmdCheck->click();
    QString result = a->txtResult->toPlainText();
    EXPECT_TRUE(result.contains("Right!")) << result.toStdString();
    EXPECT_FALSE(result.contains("The computer was first")) << result.toStdString();
    EXPECT_EQ(w.lblProgress->text(), "Solution found.");
    EXPECT_EQ(StoredWins().player, 5u);
    EXPECT_EQ(a->lblTally->text(), "You 5 (1 with hints), the computer 0");

    // Opening Your Answer before its hit enters no race: the player has not begun.
    DealPuzzle(w, {5, 3, 7, 2}, 24);
    w.mnuEditYourAnswer_Click();
    ASSERT_TRUE(SearchUntilSolved());
    EXPECT_EQ(StoredWins().computer, 0u);

    // Typing before its hit enters the race: then the computer can be first.
    DealPuzzle(w, {5, 3, 7, 2}, 24);
    QTest::keyClicks(a->txtAnswer, "5 + ");
    ASSERT_TRUE(SearchUntilSolved());
    EXPECT_EQ(StoredWins().computer, 1u);
    a->txtAnswer->setText("5 + 3 * 7 - 2");
    a->cmdCheck->click();
    result = a->txtResult->toPlainText();
    EXPECT_TRUE(result.contains("Right!\nThe computer was first this time.")) << result.toStdString();
    EXPECT_EQ(StoredWins().player, 5u);
    EXPECT_EQ(a->lblTally->text(), "You 5 (1 with hints), the computer 1");
}

TEST_F(YourAnswer, OpenedAfterTheComputersHitItSaysHowToRaceFairlyThreeTimes) {
    frmMain& w = Start();
    for (int i = 0; i < 4; ++i) {
        DealPuzzle(w, {5, 3, 7, 2}, 24);
        ASSERT_TRUE(SearchUntilSolved());
        w.mnuEditYourAnswer_Click();
        const QString said = w.Answer()->txtResult->toPlainText();
        EXPECT_EQ(said.contains("head start"), i < 3) << i << ": " << said.toStdString();
        w.Answer()->hide();
    }
    EXPECT_EQ(Setting("Game", "RaceTipsShown"), "3");
    // Not in a race: typed before the hit, or with a head start chosen.
    Store("Game", "RaceTipsShown", "0");
    DealPuzzle(w, {5, 3, 7, 2}, 24);
    w.mnuEditYourAnswer_Click();
    QTest::keyClicks(w.Answer()->txtAnswer, "5");
    ASSERT_TRUE(SearchUntilSolved());
    w.Answer()->hide();
    w.mnuEditYourAnswer_Click();
    EXPECT_FALSE(w.Answer()->txtResult->toPlainText().contains("head start"));
}

TEST_F(YourAnswer, HintsGiveOneStepAtATimeAndCountTheWin) {
    frmMain& w = Start();
    DealPuzzle(w, {1, 1, 1, 1}, 99);
    w.mnuEditYourAnswer_Click();
    frmAnswer* a = w.Answer();
    WaitForVerdict(w);
    a->cmdHint->click();
    EXPECT_EQ(a->txtResult->toPlainText(), "This puzzle has no solution at all: deal the next one.");

    DealPuzzle(w, {5, 3, 7, 2}, 24);
    WaitForVerdict(w);
    a->cmdHint->click();
    const QString first = a->txtResult->toPlainText();
    EXPECT_TRUE(first.startsWith("Hint 1 of ")) << first.toStdString();
    a->cmdHint->click();
    a->cmdHint->click();
    const QString all = a->txtResult->toPlainText();
    EXPECT_TRUE(all.contains("That is a whole solution: ")) << all.toStdString();
    EXPECT_FALSE(a->cmdHint->isEnabled());  // nothing more to show until the next puzzle
    const QString solution = all.mid(all.indexOf("solution: ") + 10);
    a->txtAnswer->setText(solution);
    a->cmdCheck->click();
    EXPECT_TRUE(a->txtResult->toPlainText().contains("Right!")) << a->txtResult->toPlainText().toStdString();
    EXPECT_EQ(StoredWins().hints, 1u);
    EXPECT_EQ(StoredWins().player, 1u);
}

// A desktop with a large font: the fixed places still hold their whole captions.
TEST_F(GameWindow, LargeDesktopFontsStillFitTheFixedPlaces) {
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(16);
    QApplication::setFont(large);
    frmMain& w = Start();
    w.Form_Load();
    for (QPushButton* b : {w.cmdShuffle, w.cmdDeal, w.cmdAnswer, w.cmdExit}) {
        const int needed = QFontMetrics(b->font()).horizontalAdvance(b->text().remove('&')) + b->iconSize().width();
        EXPECT_LT(needed, b->width()) << b->objectName().toStdString();
        EXPECT_EQ(b->font().pointSizeF(), w.cmdDeal->font().pointSizeF());  // one size for the row
    }
    // The solution window fits its captions as it is shown; the longer order line, set while
    // the window was hidden again, fits as well.
    w.Soln()->show();
    w.Soln()->hide();
    w.SetOrder(OperatorOrder::School);
    w.Soln()->show();
    QLabel* order = w.Soln()->Label1;
    const QRect needed = QFontMetrics(order->font()).boundingRect(order->contentsRect(), Qt::TextWordWrap, order->text());
    EXPECT_LE(needed.height(), order->height());
    QPushButton* done = w.Soln()->cmdDone;
    EXPECT_LE(QFontMetrics(done->font()).horizontalAdvance(done->text().remove('&')), done->width());
    w.Soln()->hide();
    w.SetOrder(OperatorOrder::Game);
    QApplication::setFont(normal);
    game.reset();
    frmMain& again = Start();
    EXPECT_EQ(again.cmdDeal->font().pointSizeF(), normal.pointSizeF());  // nothing shrinks that fits
}

// The player's head start, end to end in the window: the countdown in the progress label, no
// attempt and no Answer meanwhile, Give Up that lets the computer start, each deal afresh.
TEST_F(GameWindow, HeadStartCountsDownAndGiveUpLetsTheComputerStart) {
    Store("Game", "HeadStart", "4");  // only when I give up
    FixedNowMs = 5000;
    frmMain& w = Start();
    QAction* giveUp = w.MenuItem("mnuEditGiveUp");
    EXPECT_EQ(w.lblProgress->text(), "Your turn: no time limit");
    EXPECT_TRUE(giveUp->isEnabled());
    EXPECT_EQ(giveUp->shortcut(), QKeySequence("Ctrl+G"));
    for (int i = 0; i < 50; ++i) SearchStep();
    EXPECT_EQ(StepCount, 0);
    EXPECT_FALSE(w.cmdAnswer->isEnabled());
    giveUp->trigger();
    EXPECT_FALSE(giveUp->isEnabled());
    EXPECT_EQ(w.lblProgress->text(), "Looking for a solution...");
    SearchStep();
    EXPECT_EQ(StepCount, 1);

    // Ten seconds: a deal starts the count afresh, and the computer starts on its own.
    Store("Game", "HeadStart", "1");
    w.cmdDeal_Click();
    EXPECT_EQ(w.lblProgress->text(), "Your turn: 0:10");
    EXPECT_TRUE(giveUp->isEnabled());
    FixedNowMs = 14999;
    SearchStep();
    EXPECT_EQ(w.lblProgress->text(), "Your turn: 0:01");
    EXPECT_EQ(StepCount, 0);
    FixedNowMs = 15000;
    SearchStep();
    EXPECT_EQ(StepCount, 1);
    EXPECT_FALSE(giveUp->isEnabled());

    // The default is the race as it always was: the search starts with the deal.
    Store("Game", "HeadStart", "0");
    w.cmdDeal_Click();
    EXPECT_EQ(w.lblProgress->text(), "Looking for a solution...");
    EXPECT_FALSE(giveUp->isEnabled());
    EXPECT_FALSE(HeadStartRunning());
}

// The head start where the player plays: the countdown in Your Answer, its Give Up and Ctrl+G.
TEST_F(GameWindow, YourAnswerShowsTheHeadStartAndGivesUpToo) {
    Store("Game", "HeadStart", "1");  // ten seconds
    FixedNowMs = 5000;
    frmMain& w = Start();
    w.mnuEditYourAnswer_Click();
    frmAnswer* a = w.Answer();
    EXPECT_TRUE(a->lblHeadStart->isVisible());
    EXPECT_EQ(a->lblHeadStart->text(), "Your turn: 0:10");
    EXPECT_TRUE(a->cmdGiveUp->isVisible());
    FixedNowMs = 8500;
    SearchStep();
    EXPECT_EQ(a->lblHeadStart->text(), "Your turn: 0:07");
    a->cmdGiveUp->click();
    EXPECT_FALSE(HeadStartRunning());
    EXPECT_FALSE(a->lblHeadStart->isVisible());
    EXPECT_FALSE(a->cmdGiveUp->isVisible());
    EXPECT_EQ(Record().HowEnded(), PlayRecord::End::GaveUp);

    // Ctrl+G in Your Answer, with the focus on the board.
    w.cmdDeal_Click();
    EXPECT_TRUE(a->lblHeadStart->isVisible());
    a->fraBoard->FocusBoard();
    QTest::keyClick(a->focusWidget(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_FALSE(HeadStartRunning());
    EXPECT_FALSE(a->lblHeadStart->isVisible());

    // Opened while a head start runs: there at once.
    a->hide();
    w.cmdDeal_Click();
    w.mnuEditYourAnswer_Click();
    EXPECT_TRUE(a->cmdGiveUp->isVisible());
    Store("Game", "HeadStart", "0");
    w.cmdDeal_Click();
    EXPECT_FALSE(a->lblHeadStart->isVisible());
}

TEST_F(GameWindow, OptionsChooseTheHeadStart) {
    frmMain& w = Start();
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    ASSERT_EQ(dialog.cboHeadStart->count(), 5);
    EXPECT_EQ(dialog.cboHeadStart->currentText(), "at once");
    EXPECT_EQ(dialog.cboHeadStart->itemText(4), "only when I give up");
    EXPECT_EQ(dialog.Label4->buddy(), dialog.cboHeadStart);
    FixedNowMs = 0;
    dialog.cboHeadStart->setCurrentIndex(2);
    dialog.cmdApply_Click();
    EXPECT_EQ(Setting("Game", "HeadStart"), "2");
    EXPECT_EQ(w.lblProgress->text(), "Your turn: 0:30");
    const auto againOwned = w.NewOptions();
    frmOptions& again = *againOwned;
    EXPECT_EQ(again.cboHeadStart->currentText(), "after 30 s");
}

// The school order, chosen on the Rules page: the search, Your Answer, its prompt and the
// solution window's order line all follow it; the game's order is back with the setting.
TEST_F(GameWindow, TheSchoolOrderIsOneSettingForBothSides) {
    frmMain& w = Start();
    auto* dialogOwned = w.NewOptions().release();  // the window owns it: it goes with the window below
    frmOptions& dialog = *dialogOwned;
    ASSERT_EQ(dialog.cboOrder->count(), 2);
    EXPECT_EQ(dialog.cboOrder->itemText(0), "The game's own: x, then /, then +, then -");
    EXPECT_EQ(dialog.cboOrder->itemText(1), "School: x and / left to right, then + and - left to right");
    EXPECT_EQ(dialog.Label5->buddy(), dialog.cboOrder);
    EXPECT_EQ(dialog.cboOrder->currentIndex(), 0);
    EXPECT_EQ(w.Soln()->Label1->text(), "Operator order of evaluation : Brackets, Multiplication, Division, Addition and Subtraction.");

    w.mnuEditYourAnswer_Click();
    frmAnswer* a = w.Answer();
    DealPuzzle(w, {10, 4, 3}, 9);
    a->txtAnswer->setText("10 - 4 + 3");
    a->cmdCheck->click();
    // Right at school: the verdict says so, and where the school order is chosen.
    const QString atSchool = "That makes 3, not 9. At school this would make 9, but the game adds before it subtracts; "
                             "you can choose the school order in Options > Rules.";
    EXPECT_TRUE(a->txtResult->toPlainText().contains(atSchool)) << a->txtResult->toPlainText().toStdString();
    EXPECT_EQ(a->txtResult->accessibleDescription(), atSchool);
    EXPECT_TRUE(Solving);  // no win
    EXPECT_TRUE(a->lblPrompt->text().endsWith("read in the game's own order:"));

    dialog.cboOrder->setCurrentIndex(1);
    dialog.cmdApply_Click();
    EXPECT_EQ(Setting("Game", "Order"), "1");
    EXPECT_EQ(SearchOrder, OperatorOrder::School);
    EXPECT_TRUE(w.Soln()->Label1->text().contains("then Multiplication and Division, then Addition and Subtraction"));
    EXPECT_TRUE(a->lblPrompt->text().endsWith("read in the school order:"));
    DealPuzzle(w, {10, 4, 3}, 9);
    a->txtAnswer->setText("10 - 4 + 3");
    a->cmdCheck->click();
    EXPECT_TRUE(a->txtResult->toPlainText().contains("Right!")) << a->txtResult->toPlainText().toStdString();
    DealPuzzle(w, {10, 4, 3}, 3);  // wrong at school, right in the game's order: nothing more is said
    a->txtAnswer->setText("10 - 4 + 3");
    a->cmdCheck->click();
    EXPECT_TRUE(a->txtResult->toPlainText().endsWith("That makes 9, not 3.")) << a->txtResult->toPlainText().toStdString();

    // The search's attempts carry their school values.
    for (int i = 0; i < 20 && Solving; ++i) SearchStep();
    const std::string shown = w.sbPanels[0]->text().toStdString();
    if (shown.find(" = ") != std::string::npos) {
        std::u16string attempt = U16(shown.substr(0, shown.find(" = ")));
        bool zero = false;
        EXPECT_EQ(U8(WriteNumber(EvalQuiet(attempt, zero, OperatorOrder::School))), shown.substr(shown.find(" = ") + 3)) << shown;
    }

    game.reset();
    frmMain& again = Start();  // the setting comes back
    EXPECT_EQ(SearchOrder, OperatorOrder::School);
    Store("Game", "Order", "0");
    again.SetOrder(StoredOrder());
    EXPECT_EQ(SearchOrder, OperatorOrder::Game);
}

// The operations allowed, chosen on the Rules page: stored, and in force at once for the
// search, the verdict and Your Answer (its board, its prompt and its check), and next time.
TEST_F(GameWindow, TheOperationsAllowedAreOneSettingForEverything) {
    frmMain& w = Start();
    auto* dialogOwned = w.NewOptions().release();  // the window owns it: it goes with the window below
    frmOptions& dialog = *dialogOwned;
    ASSERT_EQ(dialog.cboOperations->count(), 3);
    EXPECT_EQ(dialog.cboOperations->currentIndex(), 0);
    EXPECT_EQ(dialog.lblOperations->buddy(), dialog.cboOperations);
    w.mnuEditYourAnswer_Click();
    frmAnswer* a = w.Answer();
    BoardView* b = a->fraBoard;
    for (QPushButton* op : b->cmdOp) EXPECT_FALSE(op->isHidden());
    const std::vector<int> hand = {8, 7, 5, 4};
    DealPuzzle(w, hand, 24);
    WaitForVerdict(w);
    ASSERT_NE(w.VerdictOnTable(), nullptr);
    EXPECT_EQ(w.VerdictOnTable()->player.answers, SolveForPlayer(hand, 24, 0).answers);

    dialog.cboOperations->setCurrentIndex(1);
    dialog.cmdApply_Click();
    EXPECT_EQ(Setting("Game", "Operations"), "1");
    EXPECT_EQ(SearchOperations, AllowedOperations::AddSubtract);
    EXPECT_FALSE(b->cmdOp[0]->isHidden() || b->cmdOp[1]->isHidden());
    EXPECT_TRUE(b->cmdOp[2]->isHidden() && b->cmdOp[3]->isHidden());
    EXPECT_TRUE(a->lblPrompt->text().contains("(+ - and brackets)")) << a->lblPrompt->text().toStdString();
    DealPuzzle(w, hand, 24);
    WaitForVerdict(w, true);
    ASSERT_NE(w.VerdictOnTable(), nullptr);
    const uint64_t fewer = SolveForPlayer(hand, 24, 0, {}, PartWay::Any, AllowedOperations::AddSubtract).answers;
    EXPECT_EQ(w.VerdictOnTable()->player.answers, fewer);
    EXPECT_LT(fewer, SolveForPlayer(hand, 24, 0).answers);
    for (const Expression& e : w.VerdictOnTable()->player.listed) EXPECT_EQ(e.text.find_first_of("*/"), std::string::npos) << e.text;
    // A key for another operation on the board, and another typed: a sentence, and nothing picked.
    QTest::keyClick(b->cmdTile[0], '*');
    EXPECT_EQ(b->lblBoard->text(), "Only + \u2212 may be used now, not \u00D7.");
    EXPECT_FALSE(b->Model().Op().has_value());
    a->txtAnswer->setText("(8 - 7 + 5) * 4");
    a->cmdCheck->click();
    EXPECT_TRUE(a->txtResult->toPlainText().startsWith("Only + \u2212 may be used now, not \u00D7.")) << a->txtResult->toPlainText().toStdString();
    a->txtAnswer->setText("8 + 7 + 5 + 4");
    a->cmdCheck->click();
    EXPECT_TRUE(a->txtResult->toPlainText().contains("Right!")) << a->txtResult->toPlainText().toStdString();
    // "Deal only puzzles with an answer" deals puzzles answered with + and - alone.
    Store("Game", "DealAnswerOnly", "1");
    for (int i = 0; i < 5; ++i) {
        w.cmdDeal_Click();
        EXPECT_GT(SolveForPlayer(FaceCardValues(), Deck[DeckPos], 0, {}, PartWay::Any, AllowedOperations::AddSubtract).answers, 0u) << i;
    }

    game.reset();
    frmMain& again = Start();  // the setting comes back
    EXPECT_EQ(SearchOperations, AllowedOperations::AddSubtract);
    EXPECT_EQ(again.NewOptions()->cboOperations->currentIndex(), 1);
    Store("Game", "Operations", "0");
    again.SetOperations(StoredOperations());
    EXPECT_EQ(SearchOperations, AllowedOperations::All);
}

// Every way onto the table goes through one place and takes the steps its command gives, no
// more: the solution window, the step count, the width and the stored counts.
TEST_F(GameWindow, EachWayOntoTheTableTakesItsOwnSteps) {
    frmMain& w = Start();
    const QString deck = dir.filePath("six.pld");
    QGuiApplication::clipboard()->setText("1 2 3 4 5 6 = 21");
    w.mnuEditPaste_Click();
    CommonDialog::Scripted << deck;
    w.mnuFileSaveAs_Click();
    QGuiApplication::clipboard()->setText("1 2 3 4 = 10");
    w.mnuEditPaste_Click();  // back to four cards, the six-card deck kept on disk

    struct Way { const char* name; std::function<void()> run; bool hidesSolution, newCount, fitsWidth, storesCounts; };
    const Way ways[] = {
        {"Deal", [&w] { w.cmdDeal->click(); }, true, true, false, false},
        {"Shuffle", [&w] { w.tbToolBar_ButtonClick("Shuffle"); }, true, true, false, false},
        {"Paste, as many cards", [&w] { QGuiApplication::clipboard()->setText("2 2 2 2 = 8"); w.mnuEditPaste_Click(); }, true, true, false, true},
        {"Today's", [&w] { w.mnuFileToday_Click(); }, true, true, false, true},
        {"Open", [&w, deck] { CommonDialog::Scripted << deck; w.mnuFileOpen_Click(); }, false, false, true, true},
        {"the command line", [&w, deck] { w.StartupLoad('"' + deck + '"'); }, false, false, false, true},
        {"Options' Apply", [&w] { w.NewOptions()->cmdApply_Click(); }, true, true, true, true},
        {"Paste, three cards", [&w] { QGuiApplication::clipboard()->setText("1 1 1 = 3"); w.mnuEditPaste_Click(); }, true, true, true, true},
    };
    for (const Way& way : ways) {
        Store("Game", "FaceCards", "stale");  // so that a stored count shows
        w.resize(Px(12000), w.height());  // wider than SetWidth ever makes it
        w.Soln()->show();
        StepCount = 50;
        Solving = false;
        way.run();
        EXPECT_EQ(!w.Soln()->isVisible(), way.hidesSolution) << way.name;
        EXPECT_EQ(StepCount == 0, way.newCount) << way.name;
        EXPECT_EQ(w.width() < Px(12000), way.fitsWidth) << way.name;
        EXPECT_EQ(Setting("Game", "FaceCards") == QString::number(FaceCards), way.storesCounts) << way.name;
        EXPECT_TRUE(Solving) << way.name;  // every way starts the search afresh
        for (int i = 0; i < 7; ++i) EXPECT_EQ(w.FaceCard[i]->isVisibleTo(&w), i < FaceCards) << way.name << " card " << i;
    }
}
