// Deck files through the game window's commands, Copy and Print.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

#include <QProcess>
#include <QTemporaryDir>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "files/deck.h"
#include "gui_env.h"
#include "files/print_layout.h"
#include "platform/printer.h"
#include "window/frmsoln.h"
#include "window/twips.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray DeckFile(uint8_t high, uint8_t faces, uint8_t pos) {
    QByteArray bytes(55, '\0');
    bytes[0] = static_cast<char>(high);
    bytes[1] = static_cast<char>(faces);
    bytes[2] = static_cast<char>(pos);
    for (int p = 3; p < 55; ++p) bytes[p] = static_cast<char>(p % 50 + 1);  // card = place
    return bytes;
}

// Everything a load could change, to show that a refusal changed none of it.
struct Snapshot {
    std::vector<uint8_t> deck;
    int16_t faces, high, pos;
    QString caption, faceCardsSetting, highCardSetting, answerCard;
    bool operator==(const Snapshot&) const = default;
};

}  // namespace

class Files : public GuiTest {
protected:
    Snapshot Take() {
        return {std::vector<uint8_t>(Deck + 3, Deck + 55), FaceCards, HighCard, DeckPos, game->windowTitle(),
                Setting("Game", "FaceCards"), Setting("Game", "HighCard"), game->AnswerCard->text()};
    }
    void SetUp() override {
        GuiTest::SetUp();
        CommonDialog::Scripted.clear();
        CommonDialog::Shown.clear();
    }
};

TEST_F(Files, SavedDeckReloadsTheSameGameAndItsNextDeals) {
    Store("Game", "FaceCards", "6");
    Store("Game", "HighCard", "40");
    frmMain& w = Start();
    for (int i = 0; i < 10; ++i) w.cmdDeal_Click();  // somewhere down the deck
    const QString path = dir.filePath("kept.PLD");
    CommonDialog::Scripted << path;
    w.mnuFileSaveAs_Click();
    EXPECT_EQ(ReadAll(path).size(), 55);
    EXPECT_EQ(w.windowTitle(), "kept.PLD - Pelorand");
    EXPECT_TRUE(w.MenuItem("mnuFileSave")->isEnabled());

    std::vector<QString> expected;
    for (int deal = 0; deal <= 52; ++deal) {
        expected.push_back(QString::fromStdString(PuzzleText(Deck, DeckPos, FaceCards)));
        w.cmdDeal_Click();
    }
    Store("Game", "FaceCards", "3");
    Store("Game", "HighCard", "5");
    w.cmdShuffle_Click();  // a different game on the table

    CommonDialog::Scripted << path;
    w.mnuFileOpen_Click();
    EXPECT_EQ(FaceCards, 6);
    EXPECT_EQ(HighCard, 40);
    EXPECT_EQ(Setting("Game", "FaceCards"), "6");
    EXPECT_EQ(Setting("Game", "HighCard"), "40");
    EXPECT_EQ(w.windowTitle(), "kept.PLD - Pelorand");
    for (int deal = 0; deal <= 52; ++deal) {
        EXPECT_EQ(QString::fromStdString(PuzzleText(Deck, DeckPos, FaceCards)), expected[deal]) << deal;
        std::string shown = "Solve: ";
        for (int i = 0; i < FaceCards; ++i) shown += (i ? ", " : "") + w.FaceCard[i]->text().toStdString();
        EXPECT_EQ(shown + " => " + w.AnswerCard->text().toStdString(), expected[deal].toStdString());
        w.cmdDeal_Click();
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Files, WrongLengthsAreRefusedSilentlyAndOpenStartsAFreshGame) {
    frmMain& w = Start();
    for (int size : {0, 54, 56}) {
        const QString path = dir.filePath(QString("len%1.pld").arg(size));
        WriteBytes(path, DeckFile(25, 5, 20).leftJustified(size, '\x05', true));
        Snapshot before = Take();
        EXPECT_FALSE(w.LoadFile(path)) << size;
        EXPECT_TRUE(Take() == before) << size;

        w.FileTitle = "other.pld";
        CommonDialog::Scripted << path;
        w.mnuFileOpen_Click();
        EXPECT_EQ(w.windowTitle(), "Untitled - Pelorand");
        EXPECT_EQ(w.FilePath, "Untitled");
        EXPECT_EQ(DeckPos, FaceCards + 3);  // InitDeck's first deal
    }
    EXPECT_FALSE(w.LoadFile(dir.filePath("no such file.pld")));
    EXPECT_FALSE(QFile::exists(dir.filePath("no such file.pld")));  // looking never creates it
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(w.LoadFile(dir.filePath("no such folder/deck.pld")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Unable to load file: Error ")) << messages[0].toStdString();
}

TEST_F(Files, UnusableDecksChangeNothingUntilOpenGivesUp) {
    frmMain& w = Start();
    QByteArray bigCard = DeckFile(25, 5, 20);
    bigCard[30] = static_cast<char>(150);
    const QByteArray bad[] = {DeckFile(25, 2, 20), DeckFile(25, 9, 20), DeckFile(25, 5, 60), DeckFile(120, 5, 20), bigCard};
    int n = 0;
    for (const QByteArray& bytes : bad) {
        const QString path = dir.filePath(QString("bad%1.pld").arg(n++));
        WriteBytes(path, bytes);
        Snapshot before = Take();
        messages.clear();
        EXPECT_FALSE(w.LoadFile(path));
        EXPECT_TRUE(Take() == before) << n;
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith("Unable to load file: Error The file is not a valid puzzle deck"))
            << messages[0].toStdString();
    }
}

TEST_F(Files, LoadTakesOverThePuzzleButNotTheCountOrTheSolutionWindow) {
    frmMain& w = Start();
    for (int p = 3; p <= 54; ++p) Deck[p] = static_cast<uint8_t>(1 + p % 3);
    w.cmdDeal_Click();
    ASSERT_TRUE(SearchUntilSolved());
    w.cmdAnswer_Click();
    const QString solution = w.Soln()->lblSoln->toPlainText();
    const int32_t steps = StepCount;

    for (uint8_t pos : {0, 1, 2, 4}) {
        const QString path = dir.filePath(QString("pos%1.pld").arg(pos));
        WriteBytes(path, DeckFile(10, 4, pos));
        ASSERT_TRUE(w.LoadFile(path));
        const int16_t expectedPos = pos < 3 ? 54 : pos;
        EXPECT_EQ(DeckPos, expectedPos);
        EXPECT_EQ(w.AnswerCard->text(), QString::number(expectedPos % 50 + 1));
    }
    // Position 4 with four cards wraps: the face cards come from 52, 53, 54 and 3.
    EXPECT_EQ(w.FaceCard[0]->text(), "3");
    EXPECT_EQ(w.FaceCard[3]->text(), "4");
    for (int i = 0; i < 7; ++i) EXPECT_EQ(w.FaceCard[i]->isVisible(), i < 4) << i;
    EXPECT_EQ(Setting("Game", "FaceCards"), "4");
    EXPECT_EQ(Setting("Game", "HighCard"), "10");
    EXPECT_EQ(StepCount, steps);
    EXPECT_TRUE(Solving);
    EXPECT_FALSE(w.cmdAnswer->isEnabled());
    EXPECT_EQ(w.lblProgress->text(), "Looking for a solution...");
    EXPECT_TRUE(w.Soln()->isVisible());
    EXPECT_EQ(w.Soln()->lblSoln->toPlainText(), solution);

    w.mnuEditCopy_Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Solve: 3, 4, 5, 4 => 5");
}

TEST_F(Files, SaveReplacesTheWholeFileOrNothing) {
    frmMain& w = Start();
    const QString path = dir.filePath("long.pld");
    WriteBytes(path, QByteArray(300, 'x'));
    CommonDialog::Scripted << path;
    w.mnuFileSaveAs_Click();
    const QByteArray saved = ReadAll(path);
    ASSERT_EQ(saved.size(), 55);
    EXPECT_EQ(static_cast<uint8_t>(saved[1]), FaceCards);
    EXPECT_EQ(static_cast<uint8_t>(saved[2]), DeckPos);

    // Failures: a missing folder, a folder where the file should be, a read-only place.
    w.cmdDeal_Click();
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.pld"));
    QStringList failing = {dir.filePath("missing/deck.pld"), dir.filePath("taken.pld"), path + "/deck.pld"};
    if (QFileInfo::exists("/proc/version")) failing << "/proc/version";  // a file not even root may write (Linux)
    for (const QString& target : failing) {
        const QByteArray before = ReadAll(target);
        messages.clear();
        CommonDialog::Scripted << target;
        w.mnuFileSaveAs_Click();
        ASSERT_EQ(messages.size(), 1) << target.toStdString();
        EXPECT_TRUE(messages[0].startsWith("Unable to save file: Error ")) << messages[0].toStdString();
        EXPECT_EQ(ReadAll(target), before);
        EXPECT_EQ(w.windowTitle(), "long.pld - Pelorand");
        EXPECT_EQ(w.FilePath, path);
    }
}

TEST_F(Files, SaveKeepsItsFolderAndAsksForANameWhenUntitled) {
    frmMain& w = Start();
    QTemporaryDir other;
    const QString home = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    CommonDialog::Scripted << "";
    w.tbToolBar_ButtonClick("Save");  // no current file: Save As runs (and is cancelled)
    EXPECT_EQ(CommonDialog::Shown, QStringList{"save"});
    CommonDialog::Scripted << "relative.pld";
    w.tbToolBar_ButtonClick("Save");
    ASSERT_TRUE(QDir::setCurrent(other.path()));
    w.cmdDeal_Click();
    w.mnuFileSave_Click();
    QDir::setCurrent(home);
    EXPECT_EQ(static_cast<uint8_t>(ReadAll(dir.filePath("relative.pld"))[2]), DeckPos);
    EXPECT_FALSE(QFile::exists(other.filePath("relative.pld")));
    EXPECT_FALSE(QFile::exists(dir.filePath("Untitled")));
}

TEST_F(Files, CancelledDialogsChangeNothing) {
    frmMain& w = Start();
    const Snapshot before = Take();
    CommonDialog::Scripted << "" << "" << "";
    w.mnuFileOpen_Click();
    w.mnuFileSaveAs_Click();
    w.mnuFilePageSetup_Click();
    EXPECT_TRUE(Take() == before);
    EXPECT_EQ(w.FilePath, "Untitled");
    EXPECT_FALSE(w.MenuItem("mnuFileSave")->isEnabled());
    EXPECT_EQ(CommonDialog::Shown, (QStringList{"open", "save", "printer"}));
}

TEST_F(Files, StartUpLoadNamesTheWindowOrStartsFresh) {
    const QString path = dir.filePath("from command line.pld");
    WriteBytes(path, DeckFile(12, 7, 30));
    frmMain& w = Start(path);
    EXPECT_EQ(w.windowTitle(), "from command line.pld - Pelorand");
    EXPECT_TRUE(w.MenuItem("mnuFileSave")->isEnabled());
    EXPECT_EQ(FaceCards, 7);
    EXPECT_EQ(Twips(w.width()), 10710);  // widened for seven cards
    game.reset();

    // Explorer quotes a path with spaces when it opens a deck ("%1"); the quotes are no part of it.
    frmMain& quoted = Start("\"" + path + "\"");
    EXPECT_EQ(quoted.windowTitle(), "from command line.pld - Pelorand");
    EXPECT_EQ(quoted.FilePath, path);
    game.reset();

    Store("Game", "FaceCards", "4");
    const QString broken = dir.filePath("broken.pld");
    WriteBytes(broken, DeckFile(12, 11, 30));
    frmMain& again = Start(broken);
    EXPECT_EQ(again.windowTitle(), "Untitled - Pelorand");
    EXPECT_FALSE(again.MenuItem("mnuFileSave")->isEnabled());
    EXPECT_EQ(FaceCards, 4);
    EXPECT_EQ(DeckPos, 7);
    EXPECT_EQ(messages.size(), 1);
    game.reset();

    messages.clear();
    Start(dir.filePath("not there.pld"));  // no such file: ignored, no message
    EXPECT_EQ(game->windowTitle(), "Untitled - Pelorand");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Files, CopyReplacesTheClipboardWithThePuzzle) {
    frmMain& w = Start();
    auto* other = new QMimeData;
    other->setHtml("<b>old</b>");
    QGuiApplication::clipboard()->setMimeData(other);
    FaceCards = 3;
    DeckPos = 10;
    Deck[7] = 10;
    Deck[8] = 4;
    Deck[9] = 1;
    Deck[10] = 7;
    w.MenuItem("mnuEditCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Solve: 10, 4, 1 => 7");
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasHtml());
}

TEST_F(Files, PrintPutsTheWindowOnOnePage) {
    frmMain& w = Start();
    const QString pdf = dir.filePath("page.pdf");
    CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
    CurrentPrinter().setOutputFileName(pdf);
    w.tbToolBar_ButtonClick("Print");
    const QByteArray out = ReadAll(pdf);
    EXPECT_TRUE(out.startsWith("%PDF"));
    EXPECT_EQ(out.count("/Type /Page\n") + out.count("/Type /Page ") + out.count("/Type /Page/"), 1);
    EXPECT_TRUE(out.contains("/Subtype /Image"));
    EXPECT_TRUE(messages.isEmpty());

    CurrentPrinter().setOutputFileName(dir.filePath("no such folder/page.pdf"));
    w.mnuFilePrint_Click();  // cannot be written: a message, and the game goes on
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Unable to print: the file ")) << messages[0].toStdString();
    CurrentPrinter().setOutputFileName({});
}

// Permissions bind only ordinary users, and the suite runs as root in CI: there the test runs
// itself again as nobody, from a copy of this program that nobody may read.
TEST_F(Files, ReadOnlyFoldersAndDecksAsAnOrdinaryUser) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows permissions are not Unix modes, and Wine runs every program as the Unix user that started it";
#else
    if (geteuid() == 0) {
        QTemporaryDir bin("/tmp/pelorand-perm-XXXXXX");
        ASSERT_TRUE(bin.isValid());
        const QString copy = bin.filePath("gui_tests");
        ASSERT_TRUE(QFile::copy(QFile::symLinkTarget("/proc/self/exe"), copy));
        ASSERT_EQ(chmod(QFile::encodeName(bin.path()).constData(), 0755), 0);
        ASSERT_EQ(chmod(QFile::encodeName(copy).constData(), 0755), 0);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", "/tmp");
        env.insert("HOME", "/tmp");
        env.remove("XDG_RUNTIME_DIR");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", copy,
                                "--gtest_filter=Files.ReadOnlyFoldersAndDecksAsAnOrdinaryUser"});
        ASSERT_TRUE(child.waitForFinished(120000));
        const QByteArray out = child.readAll();
        EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
        EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
        return;
    }

    frmMain& w = Start();
    ASSERT_TRUE(QDir(dir.path()).mkdir("shared"));
    const QString shared = dir.filePath("shared");
    const QString deck = shared + "/deck.pld";
    CommonDialog::Scripted << deck;
    w.mnuFileSaveAs_Click();
    ASSERT_EQ(ReadAll(deck).size(), 55);

    // A deck the player may write, in a folder they may not: saved in place.
    ASSERT_TRUE(QFile::setPermissions(shared, QFile::ReadOwner | QFile::ExeOwner));
    w.cmdDeal_Click();
    w.mnuFileSave_Click();
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
    QByteArray saved = ReadAll(deck);
    ASSERT_EQ(saved.size(), 55);
    EXPECT_EQ(static_cast<uint8_t>(saved[2]), DeckPos);

    // A new file there cannot be made; a read-only deck is refused, wherever it stands.
    CommonDialog::Scripted << shared + "/new.pld";
    w.mnuFileSaveAs_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_FALSE(QFile::exists(shared + "/new.pld"));
    EXPECT_EQ(w.FilePath, deck);
    ASSERT_TRUE(QFile::setPermissions(deck, QFile::ReadOwner));
    for (bool folderWritable : {false, true}) {
        if (folderWritable) {
            ASSERT_TRUE(QFile::setPermissions(shared, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        messages.clear();
        w.cmdDeal_Click();
        w.mnuFileSave_Click();
        ASSERT_EQ(messages.size(), 1) << folderWritable;
        EXPECT_TRUE(messages[0].startsWith("Unable to save file: Error ")) << messages[0].toStdString();
        EXPECT_EQ(ReadAll(deck), saved) << folderWritable;
    }
    QFile::setPermissions(deck, QFile::ReadOwner | QFile::WriteOwner);
#endif
}

TEST_F(Files, AFailedPrintLeavesThePrinterUsable) {
    frmMain& w = Start();
    ReplacePrinter();  // as at start: no printer chosen, and none on this machine
    w.mnuFilePrint_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Unable to print: ")) << messages[0].toStdString();
    const QString pdf = dir.filePath("after failure.pdf");
    CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
    CurrentPrinter().setOutputFileName(pdf);  // what Page Setup does
    EXPECT_EQ(CurrentPrinter().outputFileName(), pdf);
    w.mnuFilePrint_Click();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF"));
    ReplacePrinter();
}

TEST(PrintLayout, KeepsScreenSizeUnlessThePageIsSmaller) {
    // 600 dpi: a 480 x 360 picture is 3000 x 2250 device pixels, on a page that holds it.
    EXPECT_EQ(PrintArea({480, 360}, 600, {100, 200, 4800, 6000}), QRect(100, 200, 3000, 2250));
    EXPECT_EQ(PrintArea({480, 360}, 96, {0, 0, 1000, 1000}), QRect(0, 0, 480, 360));
    // Too wide for the page: scaled down to its width, shape kept.
    EXPECT_EQ(PrintArea({800, 400}, 600, {0, 0, 2500, 4000}), QRect(0, 0, 2500, 1250));
    EXPECT_EQ(PrintArea({400, 800}, 600, {0, 0, 4000, 2500}), QRect(0, 0, 1250, 2500));
}

TEST_F(Files, MessagesStandOverTheGame) {
    frmMain& w = Start();
    EXPECT_FALSE(w.LoadFile(dir.filePath("no such folder/deck.pld")));
    CommonDialog::Scripted << dir.filePath("no such folder/deck.pld");
    w.mnuFileSaveAs_Click();
    ASSERT_EQ(messages.size(), 2);
    for (QWidget* owner : messageOwners) {
        ASSERT_NE(owner, nullptr);
        EXPECT_TRUE(owner == &w || owner->window() == &w || owner->parentWidget() == &w) << owner->objectName().toStdString();
    }
}

TEST_F(Files, OpenFitsTheWidthAndKeepsTheSaveItem) {
    frmMain& w = Start();
    const QString path = dir.filePath("seven.pld");
    WriteBytes(path, DeckFile(30, 7, 40));
    CommonDialog::Scripted << path;
    w.mnuFileOpen_Click();
    EXPECT_EQ(Twips(w.width()), 10710);
    EXPECT_EQ(w.windowTitle(), "seven.pld - Pelorand");
    EXPECT_FALSE(w.MenuItem("mnuFileSave")->isEnabled());  // Open leaves it as it was
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(w.FaceCard[i]->isVisible()) << i;
}
