// Players on one computer and the log of play through the game: each player's record, tally
// and log apart, across a restart; View > Player; deleting a player; the log's rows and CSV.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "dialogs/frmplayer.h"
#include "dialogs/frmstatistics.h"
#include <QComboBox>
#include "dialogs/record_chart.h"
#include "gui_env.h"
#include "player/board.h"
#include "window/board_view.h"
#include "window/frmanswer.h"
#include "window/players.h"
#include "window/settings.h"
#include "window/table.h"
#include "window/verdict_check.h"

namespace {

using Kind = LogStep::Kind;

class Players : public GuiTest {
protected:
    // The account's user name as the environment gives it, the same on every machine.
    void SetUp() override {
        GuiTest::SetUp();
        for (const char* name : {"USERNAME", "USER", "LOGNAME"}) saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qunsetenv("USERNAME");
        qputenv("USER", "Sam");
        qunsetenv("LOGNAME");
    }
    void TearDown() override {
        for (const auto& [name, value, set] : saved_) set ? qputenv(name, value) : qunsetenv(name);
        GuiTest::TearDown();
    }
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    std::vector<Saved> saved_;

    // A right answer typed on 3 9 3 9 → 17, the player first.
    static void SolveTyped(frmMain& w) {
        w.SetPuzzle({3, 9, 3, 9}, 17);
        w.mnuEditYourAnswer_Click();
        QTest::keyClicks(w.Answer()->txtAnswer, "9 + 9 - 3 / 3");
        w.Answer()->cmdCheck->click();
    }
    // View > Player as the player uses it: the window comes up, chooses, and OK.
    static void ChooseInDialog(frmMain& w, const QString& add, const QString& choose) {
        // Whatever goes wrong, the window closes: a test fails, it never waits for a hand.
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<frmPlayer*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "View > Player showed no Player window";
                if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
                return;
            }
            if (!add.isEmpty()) {
                dialog->txtName->setText(add);
                dialog->cmdAdd->click();
            }
            const auto found = dialog->lstPlayers->findItems(choose, Qt::MatchExactly);
            if (found.size() != 1) {
                ADD_FAILURE() << choose.toStdString() << " is not in the list once";
                dialog->cmdCancel->click();
                return;
            }
            dialog->lstPlayers->setCurrentItem(found[0]);
            dialog->cmdOK->click();
        });
        w.MenuItem("mnuViewPlayer")->trigger();
    }
    QStringList Keys(const QString& section) {
        const TestsOwnStoreAccess own;
        return SettingKeys("Pelorand", section);
    }
    // Picks the tiles of these values on the board, with the operation between.
    static void Play(BoardView* b, const Fraction& left, int op, const Fraction& right) {
        auto place = [&](const Fraction& value, int skip) {
            const auto& tiles = b->Model().Tiles();
            for (int i = 0; i < static_cast<int>(tiles.size()); ++i)
                if (i != skip && tiles[i].Value() == value) return i;
            ADD_FAILURE() << "no tile " << value.ToText();
            return 0;
        };
        const int first = place(left, -1);
        b->cmdTile[first]->click();
        b->cmdOp[op]->click();
        b->cmdTile[place(right, first)]->click();
    }
};

}  // namespace

TEST_F(Players, TwoPlayersRecordsTallyAndLogStayApartAcrossARestart) {
    frmMain& w = Start();
    SolveTyped(w);
    EXPECT_EQ(w.Answer()->lblTally->text(), "You 1, the computer 0");

    ChooseInDialog(w, QString::fromUtf8("Zo\u00E9 / ..\\x"), QString::fromUtf8("Zo\u00E9 / ..\\x"));
    const QString zoe = QString::fromUtf8("Zo\u00E9 / ..\\x");
    EXPECT_EQ(CurrentPlayer(), zoe);
    EXPECT_EQ(w.Answer()->lblTally->text(), "You 0, the computer 0");  // at once, in the open window
    SolveTyped(w);
    SolveTyped(w);
    EXPECT_EQ(w.Answer()->lblTally->text(), "You 2, the computer 0");
    {
        frmStatistics dialog(&w);
        EXPECT_EQ(dialog.cboPlayer->currentText(), zoe);
        EXPECT_TRUE(dialog.cboPlayer->isVisibleTo(&dialog));
        EXPECT_EQ(dialog.tblLog->rowCount(), 2);
        EXPECT_TRUE(dialog.cmdReset->isEnabled());
        // A teacher looks at the first player's: his record, log and week, never reset from here.
        dialog.cboPlayer->setCurrentIndex(dialog.cboPlayer->findData(QString()));
        EXPECT_EQ(dialog.cboPlayer->currentText(), AccountUserName());
        EXPECT_EQ(dialog.tblLog->rowCount(), 1);
        const auto solved = [&dialog] {
            int sum = 0;
            for (int r = 0; r < dialog.tblRecord->rowCount(); ++r) sum += dialog.tblRecord->item(r, 3)->text().toInt();
            return sum;
        };
        EXPECT_EQ(solved(), 1);
        EXPECT_EQ(dialog.charts->chtWeeks->Bars().back().value, 1.0);
        EXPECT_FALSE(dialog.cmdReset->isEnabled());
        EXPECT_EQ(CurrentPlayer(), zoe) << "looking is not choosing";
        dialog.cboPlayer->setCurrentIndex(dialog.cboPlayer->findData(zoe));
        EXPECT_EQ(solved(), 2);
        EXPECT_EQ(dialog.charts->chtWeeks->Bars().back().value, 2.0);
    }
    w.close();
    game.reset();

    frmMain& again = Start();  // the name is remembered
    EXPECT_EQ(CurrentPlayer(), zoe);
    EXPECT_EQ(TallyText(), "You 2, the computer 0");
    EXPECT_EQ(PlayerLog().size(), 2u);
    // The name is encoded: a section of its own, a file inside the data folder.
    EXPECT_EQ(QFileInfo(LogFile(zoe)).absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_TRUE(QFile::exists(LogFile(zoe)));
    EXPECT_FALSE(Keys("Player/Zo%C3%A9%20%2F%20%2E%2E%5Cx/Statistics").isEmpty());

    ChooseInDialog(again, {}, AccountUserName());
    EXPECT_EQ(CurrentPlayer(), QString());
    EXPECT_EQ(TallyText(), "You 1, the computer 0");  // the first player's, where it always was
    EXPECT_FALSE(Keys("Statistics").isEmpty());
    ASSERT_EQ(PlayerLog().size(), 1u);
    EXPECT_EQ(PlayerLog()[0].player, AccountUserName().toStdString());
    frmStatistics dialog(&again);
    EXPECT_EQ(dialog.cboPlayer->currentText(), AccountUserName());
    EXPECT_EQ(dialog.tblLog->rowCount(), 1);
    EXPECT_EQ(dialog.tblLog->item(0, 5)->text(), "solved");
}

TEST_F(Players, OnePlayerAloneNeverMeetsTheChoice) {
    frmMain& w = Start();
    SolveTyped(w);
    frmStatistics dialog(&w);
    EXPECT_FALSE(dialog.lblPlayer->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.cboPlayer->isVisibleTo(&dialog));
    EXPECT_EQ(Setting("Settings", "Players"), "<absent>");
    EXPECT_EQ(Setting("Settings", "Player"), "<absent>");
    EXPECT_TRUE(QFile::exists(dir.filePath("log.txt")));
}

TEST_F(Players, TheFirstPlayerIsTheAccountsUserName) {
    const struct {
        const char *username, *user, *logname, *name;
    } cases[] = {{"Win", "Lin", "Log", "Win"}, {nullptr, "Lin", "Log", "Lin"}, {nullptr, nullptr, " Log ", "Log"},
                 {"", "", "", "Player"}, {nullptr, "a-very-long-account-name-indeed", nullptr, "a-very-long-account-name"}};
    for (const auto& c : cases) {
        for (const auto& [name, value] : {std::pair{"USERNAME", c.username}, std::pair{"USER", c.user}, std::pair{"LOGNAME", c.logname}})
            value ? qputenv(name, value) : qunsetenv(name);
        EXPECT_EQ(AccountUserName(), c.name);
    }
}

TEST_F(Players, NamesThatCannotBeAPlayersAreRefusedWithTheReason) {
    Start();
    ASSERT_TRUE(AddPlayer("Anna"));
    const struct {
        QString name;
        const char* problem;
    } cases[] = {{"", "Type a name first."},
                 {"   ", "Type a name first."},
                 {"anna", "There is a player called Anna already."},
                 {" ANNA ", "There is a player called Anna already."},
                 {"SAM", "There is a player called Sam already."},
                 {QString(MaxPlayerName + 1, 'x'), "A name can have at most 24 letters."},
                 {"a\tb", "A name cannot hold tabs or line breaks."}};
    for (const auto& c : cases) {
        EXPECT_TRUE(NameProblem(c.name).startsWith(c.problem)) << c.name.toStdString() << ": " << NameProblem(c.name).toStdString();
        EXPECT_FALSE(AddPlayer(c.name)) << c.name.toStdString();
    }
    EXPECT_EQ(OtherPlayers(), QStringList{"Anna"});

    frmPlayer dialog(game.get(), game->OnTable());
    dialog.txtName->setText("anna");
    dialog.cmdAdd->click();
    EXPECT_TRUE(dialog.lblProblem->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.lblProblem->text(), "There is a player called Anna already.");
    EXPECT_EQ(dialog.lstPlayers->count(), 2);
    dialog.txtName->setText(QString(MaxPlayerName, 'y'));
    dialog.cmdAdd->click();
    EXPECT_EQ(dialog.lstPlayers->count(), 3);
    EXPECT_EQ(dialog.Chosen(), QString(MaxPlayerName, 'y'));  // the new player chosen, ready for OK
}

TEST_F(Players, DeletingAPlayerAsksFirstAndTakesHisRowsAndLogNeverTheFirst) {
    frmMain& w = Start();
    SolveTyped(w);  // the first player's
    ChooseInDialog(w, "Anna", "Anna");
    SolveTyped(w);
    ASSERT_TRUE(QFile::exists(LogFile("Anna")));
    ASSERT_FALSE(Keys("Player/Anna/Statistics").isEmpty());

    frmPlayer dialog(&w, w.OnTable());
    EXPECT_EQ(dialog.Chosen(), "Anna");
    QStringList asked;
    AskHook = [&](const QString& text) {
        asked << text;
        return false;
    };
    dialog.cmdDelete->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith("Delete the player Anna?")) << asked[0].toStdString();
    EXPECT_TRUE(QFile::exists(LogFile("Anna")));  // No: nothing goes
    EXPECT_EQ(OtherPlayers(), QStringList{"Anna"});

    AskHook = [&](const QString& text) {
        asked << text;
        return true;
    };
    dialog.cmdDelete->click();
    EXPECT_FALSE(QFile::exists(LogFile("Anna")));
    EXPECT_TRUE(Keys("Player/Anna/Statistics").isEmpty());
    EXPECT_FALSE(Keys("Statistics").isEmpty());  // the first player's stay
    EXPECT_TRUE(OtherPlayers().isEmpty());
    EXPECT_EQ(CurrentPlayer(), QString());  // the first player plays on
    EXPECT_EQ(w.Answer()->lblTally->text(), "You 1, the computer 0");
    EXPECT_EQ(dialog.lstPlayers->count(), 1);

    // The first player, the last one, cannot be deleted: Delete is off, and never asks.
    EXPECT_EQ(dialog.Chosen(), QString());
    EXPECT_FALSE(dialog.cmdDelete->isEnabled());
    asked.clear();
    dialog.cmdDelete_Click();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_FALSE(DeletePlayer({}));
    EXPECT_TRUE(QFile::exists(LogFile({})));
}

TEST_F(Players, ThePlayedPuzzlesRowHoldsItsStepsUndosAndHintsInOrder) {
    FixedNowMs = 1'000;
    frmMain& w = Start();
    w.SetPuzzle({3, 3, 8, 8}, 24);
    const int level = WaitForLevel(w);
    ASSERT_GT(level, 0);
    w.mnuEditYourAnswer_Click();
    frmAnswer* a = w.Answer();
    BoardView* b = a->fraBoard;
    QTest::keyClicks(a->txtAnswer, "3+3+8+8");
    a->cmdCheck->click();
    enum { Plus, Minus, Times, Divide };
    const Fraction eightThirds = *Fraction::Make(8, 3), third = *Fraction::Make(1, 3);
    Play(b, 8, Divide, 3);
    Play(b, 3, Minus, eightThirds);
    b->cmdUndo->click();
    b->cmdStartOver->click();
    a->cmdHint->click();  // the first step of 8 ÷ (3 − 8 ÷ 3), picked on the board
    int hinted = -1;
    for (int i = 0; i < BoardView::MaxTiles; ++i)
        if (b->cmdTile[i]->isVisible() && b->cmdTile[i]->Hinted()) hinted = i;
    ASSERT_GE(hinted, 0);
    b->cmdTile[hinted]->click();
    Play(b, 3, Minus, eightThirds);
    FixedNowMs = 43'500;
    Play(b, 8, Divide, third);
    EXPECT_EQ(a->lblTally->text(), "You 1 (1 with hints), the computer 0");

    const std::vector<LogRow> log = PlayerLog();
    ASSERT_EQ(log.size(), 1u);
    const LogRow& row = log[0];
    EXPECT_EQ(row.player, AccountUserName().toStdString());
    EXPECT_EQ(row.cards, (std::vector<int>{3, 3, 8, 8}));
    EXPECT_EQ(row.answer, 24);
    EXPECT_EQ(row.level, level);
    EXPECT_EQ(row.operations, "+-*/");
    EXPECT_EQ(row.result, LogResult::SolvedWithHints);
    EXPECT_EQ(row.timeMs, 42'500);
    const std::string d = "\u00F7", m = "\u2212";
    EXPECT_EQ(row.steps, (std::vector<LogStep>{{Kind::Check, "3+3+8+8"},
                                               {Kind::Step, "8 " + d + " 3 = 8/3"},
                                               {Kind::Step, "3 " + m + " 8/3 = 1/3"},
                                               {Kind::Undo, ""},
                                               {Kind::StartOver, ""},
                                               {Kind::Hint, "8 / 3 = 8/3"},  // as the hint said it
                                               {Kind::Step, "8 " + d + " 3 = 8/3"},
                                               {Kind::Step, "3 " + m + " 8/3 = 1/3"},
                                               {Kind::Step, "8 " + d + " 1/3 = 24"}}));
    EXPECT_EQ(PlayerRightAnswerTimes(), (std::vector<RightAnswerAt>{{row.whenMs, 42'500}}));

    // Played and left for the next puzzle: a row of its own; dealt and passed over: none.
    w.SetPuzzle({1, 2, 3, 4}, 10);
    b->cmdTile[0]->click();
    w.SetPuzzle({1, 2, 3, 5}, 11);
    w.SetPuzzle({1, 2, 3, 6}, 12);
    ASSERT_EQ(PlayerLog().size(), 2u);
    EXPECT_EQ(PlayerLog()[1].result, LogResult::Left);
    EXPECT_EQ(PlayerLog()[1].cards, (std::vector<int>{1, 2, 3, 4}));

    frmStatistics dialog(&w);
    ASSERT_EQ(dialog.tblLog->rowCount(), 2);
    EXPECT_EQ(dialog.tblLog->item(0, 5)->text(), "left unsolved");  // newest first
    EXPECT_EQ(dialog.tblLog->item(1, 1)->text(), "3 3 8 8");
    EXPECT_EQ(dialog.tblLog->item(1, 5)->text(), "solved with hints");
    EXPECT_EQ(dialog.tblLog->item(1, 6)->text(), "42.5 s");
    EXPECT_TRUE(dialog.tblLog->item(1, 7)->text().contains("; undo; start over; hint: 8 / 3 = 8/3; "));
}

TEST_F(Players, TheLogsCsvIsWrittenInTheReadersWayForOneOrEveryPlayer) {
    frmMain& w = Start();
    SolveTyped(w);
    ChooseInDialog(w, "=Ben", "=Ben");
    SolveTyped(w);
    SolveTyped(w);
    frmStatistics dialog(&w);

    const QLocale before;
    struct Case {
        const char* locale;
        char separator;
    };
    for (const Case& c : {Case{"en_US", ','}, Case{"de_DE", ';'}, Case{"fr_FR", ';'}}) {
        SCOPED_TRACE(c.locale);
        QLocale::setDefault(QLocale(c.locale));
        for (const bool all : {false, true}) {
            const QString path = dir.filePath(all ? "all.csv" : "one.csv");
            CommonDialog::Scripted = {path};
            CommonDialog::Shown.clear();
            all ? dialog.cmdExportAll->click() : dialog.cmdExportLog->click();
            EXPECT_EQ(CommonDialog::Shown, QStringList{"save table"});
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray csv = file.readAll();
            EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFWhen" + QByteArray(1, c.separator) + "Player"));
            EXPECT_EQ(csv.count("\r\n"), all ? 4 : 3);
            EXPECT_EQ(csv.count(QByteArray(1, c.separator) + "'=Ben" + QByteArray(1, c.separator)), 2);
            EXPECT_EQ(csv.count(QByteArray(1, c.separator) + "Sam" + QByteArray(1, c.separator)), all ? 1 : 0);
        }
    }
    QLocale::setDefault(before);
    EXPECT_FALSE(dialog.WriteLogCsv(dir.filePath("no-such-folder/log.csv"), false));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("The log could not be written to ")) << messages[0].toStdString();
}
