// A puzzle set from text: the reader's forms and refusals, Paste Puzzle and New Puzzle.
#include <QApplication>
#include <QDate>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <set>
#include <sstream>

#include "cli/command_line.h"
#include "deal/level.h"
#include "deal/puzzle_text.h"
#include "deal/today.h"
#include "player/player_solver.h"
#include "dialogs/frmnewpuzzle.h"
#include "files/deck.h"
#include "gui_env.h"
#include "deal/dealing.h"
#include "window/frmsoln.h"

namespace {

class SetPuzzle : public GuiTest {
protected:
    // What must stay as it was when a text is refused.
    struct Table {
        std::vector<uint8_t> deck;
        int16_t faces, high, pos;
        QString shown;
        bool operator==(const Table&) const = default;
    };
    Table Take() const {
        return {std::vector<uint8_t>(Deck, Deck + 55), FaceCards, HighCard, DeckPos,
                QString::fromStdString(PuzzleText(Deck, DeckPos, FaceCards))};
    }
    std::string Shown() const {
        std::string text;
        for (int i = 0; i < FaceCards; ++i) text += game->FaceCard[i]->text().toStdString() + " ";
        return text + "= " + game->AnswerCard->text().toStdString();
    }
};

}  // namespace

TEST(PuzzleText, ReadsTheFormsTeachersAndCopyWrite) {
    for (const char* text : {"3 9 3 9 = 17", "3 9 3 9 => 17", "3, 9, 3, 9 -> 17", "Solve: 3, 9, 3, 9 => 17",
                             "  solve:3,9,3,9=>17 ", "3 9 3 9 \xE2\x86\x92 17", "3;9;3;9=17\n",
                             // as German and French teachers write them
                             "L\xC3\xB6se: 3, 9, 3, 9 => 17", "L\xC3\x96SEN: 3 9 3 9 = 17", "R\xC3\xA9sous : 3 ; 9 ; 3 ; 9 = 17",
                             "R\xC3\xA9soudre : 3, 9, 3, 9 -> 17",
                             "R\xC3\xA9sous\xC2\xA0: 3\xC2\xA0" "9\xE2\x80\xAF" "3 9 = 17"}) {  // no-break spaces
        const PuzzleRead r = ReadPuzzleText(text);
        EXPECT_TRUE(r.Ok()) << text << ": " << r.error;
        EXPECT_EQ(r.cards, (std::vector<int>{3, 9, 3, 9})) << text;
        EXPECT_EQ(r.answer, 17) << text;
    }
    EXPECT_EQ(ReadPuzzleText("3 9 3 007 = 17").cards, (std::vector<int>{3, 9, 3, 7}));  // leading zeros
    const PuzzleRead seven = ReadPuzzleText("1 2 3 4 5 6 99 = 99");
    EXPECT_EQ(seven.cards.size(), 7u);
    EXPECT_EQ(ReadPuzzleText(PlainPuzzleText({10, 4, 1}, 7)).cards, (std::vector<int>{10, 4, 1}));
    EXPECT_EQ(PlainPuzzleText({10, 4, 1}, 7), "10 4 1 = 7");
}

TEST(PuzzleText, SaysWhatIsWrongWithATextThatIsNoPuzzle) {
    struct Case { const char* text; const char* says; };
    const Case cases[] = {
        {"", "There is no puzzle to read"},
        {"3 9 3 9", "The answer card is missing"},
        {"3 9 3 9 : 17", "The answer card is missing"},  // a colon divides in an answer; here it is no "="
        {"3 9 = 17", "A puzzle has 3 to 7 face cards, and this text has 2."},
        {"1 2 3 4 5 6 7 8 = 9", "A puzzle has 3 to 7 face cards, and this text has 8."},
        {"3 9 3 0 = 17", "Cards go from 1 to 99, and 0 is not one of them."},
        {"3 9 3 100 = 17", "Cards go from 1 to 99, and 100 is not one of them."},
        {"3 9 3 9 = 170", "Cards go from 1 to 99, and 170 is not one of them."},
        {"3 9 x 9 = 17", "\"x\" is not a card"},
        {"3 9 3.5 9 = 17", "\"3.5\" is not a card"},
        {"3 9 -3 9 = 17", "\"-3\" is not a card"},
        {"3 9 3 9 = 17 18", "Write one answer card"},
        {"3 9 3 9 =", "Write one answer card"},
        {"3 9 3 99999999999 = 17", "Cards go from 1 to 99, and 99999999999 is not one of them."},
        {"3 9 3 9 = 0017x", "\"0017x\" is not a card"},
    };
    const std::string huge = std::string(150, '7') + " 1 2 = 17", endless = std::string(3000, '1') + " 2 3 = 17";
    EXPECT_EQ(ReadPuzzleText(huge).error, "Cards go from 1 to 99, and 7777777777... is not one of them.");
    EXPECT_EQ(ReadPuzzleText(endless).error.rfind("That is far too long for a puzzle", 0), 0u);
    for (const Case& c : cases) {
        const PuzzleRead r = ReadPuzzleText(c.text);
        EXPECT_FALSE(r.Ok()) << c.text;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << c.text << ": " << r.error;
        EXPECT_TRUE(r.cards.empty()) << c.text;
        EXPECT_EQ(r.error.back(), '.') << r.error;  // a whole sentence
    }
}

// The pasted puzzle goes into the deck where the table's puzzle stood: Save keeps it, the
// next Deal goes on down the same ring, and the race starts afresh.
TEST_F(SetPuzzle, PastePutsThePuzzleIntoTheDeckAndStartsTheRace) {
    frmMain& w = Start();
    for (int i = 0; i < 5; ++i) SearchStep();
    const int16_t pos = DeckPos;
    QGuiApplication::clipboard()->setText("Solve: 3, 9, 3, 9, 60, 2 => 17");
    w.MenuItem("mnuEditPaste")->trigger();
    EXPECT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
    EXPECT_EQ(DeckPos, pos);
    EXPECT_EQ(FaceCards, 6);
    EXPECT_EQ(FaceCardValues(), (std::vector<int>{3, 9, 3, 9, 60, 2}));
    EXPECT_EQ(Deck[DeckPos], 17);
    EXPECT_EQ(Shown(), "3 9 3 9 60 2 = 17");
    EXPECT_EQ(HighCard, 60);  // grew to hold the 60
    EXPECT_EQ(Setting("Game", "HighCard"), "60");
    EXPECT_EQ(Setting("Game", "FaceCards"), "6");
    EXPECT_TRUE(Solving);
    EXPECT_EQ(StepCount, 0);
    EXPECT_FALSE(w.cmdAnswer->isEnabled());
    EXPECT_EQ(w.lblProgress->text(), "Looking for a solution...");
    // The new number of cards for later deals is said where it happens, until the next puzzle.
    EXPECT_TRUE(w.lblNote->isVisibleTo(&w));
    EXPECT_TRUE(w.lblNote->text().startsWith("From now on Deal deals 6 cards, as this puzzle has;")) << w.lblNote->text().toStdString();

    // Copy writes what Paste reads.
    w.MenuItem("mnuEditCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Solve: 3, 9, 3, 9, 60, 2 => 17");

    // A smaller puzzle keeps the highest card; the next Deal moves on from the same place.
    QGuiApplication::clipboard()->setText("5 5 5 = 1");
    w.MenuItem("mnuEditPaste")->trigger();
    EXPECT_EQ(FaceCards, 3);
    EXPECT_EQ(HighCard, 60);
    EXPECT_EQ(w.FaceCard[3]->isVisible(), false);
    EXPECT_TRUE(w.lblNote->text().startsWith("From now on Deal deals 3 cards,"));
    w.cmdDeal_Click();
    EXPECT_EQ(DeckPos, NextDeckPos(pos));
    EXPECT_FALSE(w.lblNote->isVisibleTo(&w));
    // The same number of cards again changes nothing for later deals: no note.
    QGuiApplication::clipboard()->setText("5 5 5 = 1");
    w.MenuItem("mnuEditPaste")->trigger();
    EXPECT_FALSE(w.lblNote->isVisibleTo(&w));
}

TEST_F(SetPuzzle, PastedPuzzlesAreSavedAndPlayedAgain) {
    frmMain& w = Start();
    QGuiApplication::clipboard()->setText("7 7 2 9 = 5");
    w.mnuEditPaste_Click();
    const QString path = dir.filePath("set.pld");
    CommonDialog::Scripted << path;
    w.mnuFileSaveAs_Click();
    w.cmdShuffle_Click();
    CommonDialog::Scripted << path;
    w.mnuFileOpen_Click();
    EXPECT_EQ(Shown(), "7 7 2 9 = 5");
}

TEST_F(SetPuzzle, ARefusedTextLeavesTheTableAsItWas) {
    frmMain& w = Start();
    for (int i = 0; i < 3; ++i) SearchStep();
    const Table before = Take();
    const int32_t steps = StepCount;
    for (const char* bad : {"", "hello", "3 9 = 17", "3 9 3 0 = 17", "1 2 3 4 5 6 7 8 = 9"}) {
        messages.clear();
        QGuiApplication::clipboard()->setText(bad);
        w.mnuEditPaste_Click();
        ASSERT_EQ(messages.size(), 1) << bad;
        EXPECT_TRUE(messages[0].startsWith("The clipboard does not hold a puzzle, so the table stays as it is. ")) << bad;
        EXPECT_TRUE(Take() == before) << bad;
        EXPECT_EQ(StepCount, steps) << bad;
    }
}

TEST_F(SetPuzzle, TheDialogSaysWhatIsWrongAndStaysOpenUntilItIsAPuzzle) {
    frmMain& w = Start();
    frmNewPuzzle dialog(&w, "3 9 3 9 = 17");
    dialog.show();
    dialog.txtPuzzle->setText("3 9 3 = ");
    dialog.cmdOK_Click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.lblProblem->text().startsWith("Write one answer card")) << dialog.lblProblem->text().toStdString();
    EXPECT_EQ(dialog.txtPuzzle->text(), "3 9 3 = ");  // nothing typed is lost
    dialog.txtPuzzle->setText("3 9 3 = 9");
    dialog.cmdOK_Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Puzzle().cards, (std::vector<int>{3, 9, 3}));
    EXPECT_EQ(dialog.Puzzle().answer, 9);
}

// Through the menu: the dialog offers the puzzle on the table, and Play puts the typed one there.
TEST_F(SetPuzzle, NewPuzzleFromTheMenuPlaysTheTypedPuzzle) {
    frmMain& w = Start();
    const std::string onTable = PlainPuzzleText(FaceCardValues(), Deck[DeckPos]);
    QString offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmNewPuzzle*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->txtPuzzle->text();
        dialog->txtPuzzle->setText("12, 12, 3 -> 7");
        dialog->cmdOK_Click();
    });
    w.MenuItem("mnuFileNewPuzzle")->trigger();
    EXPECT_EQ(offered.toStdString(), onTable);
    EXPECT_EQ(Shown(), "12 12 3 = 7");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Cancel changes nothing.
    const Table before = Take();
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    w.mnuFileNewPuzzle_Click();
    EXPECT_TRUE(Take() == before);
}

TEST(TodaysPuzzle, IsFixedByTheDateAloneAndHasAnAnswer) {
    SeedRandom(99);
    const float next = [] { KeepRandomState keep; return NextUniform(); }();
    const std::optional<DayPuzzle> day = PuzzleOfTheDay(2026, 12, 7, 5);
    EXPECT_EQ(NextUniform(), next);  // the game's own deals go on undisturbed
    ASSERT_TRUE(day.has_value());
    const std::optional<DayPuzzle> again = PuzzleOfTheDay(2026, 12, 7, 5);
    EXPECT_EQ(day->cards, again->cards);
    EXPECT_EQ(day->answer, again->answer);
    std::set<std::vector<int>> seen;
    for (int d = 1; d <= 14; ++d) {
        for (int n = 3; n <= 7; n += 2) {
            const std::optional<DayPuzzle> p = PuzzleOfTheDay(2027, 2, d, n);
            ASSERT_TRUE(p.has_value()) << d << " " << n;
            ASSERT_EQ(p->cards.size(), static_cast<std::size_t>(n));
            EXPECT_GT(SolveForPlayer(p->cards, p->answer, 0).answers, 0u) << d;
            EXPECT_EQ(p->level, PuzzleLevel(p->cards, p->answer));
            std::vector<int> key = p->cards;
            key.push_back(p->answer);
            seen.insert(key);
        }
    }
    EXPECT_GE(seen.size(), 40u);  // 42 days and counts: hardly any two alike
    EXPECT_FALSE(PuzzleOfTheDay(2026, 2, 29, 5).has_value());
    EXPECT_TRUE(PuzzleOfTheDay(2028, 2, 29, 5).has_value());
    EXPECT_FALSE(PuzzleOfTheDay(2026, 12, 7, 2).has_value());
    EXPECT_FALSE(PuzzleOfTheDay(2026, 13, 1, 5).has_value());
    int y, m, d;
    EXPECT_TRUE(ReadIsoDate("2026-12-07", y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 20261207);
    for (const char* bad : {"2026-12-7", "2026/12/07", "2026-12-32", "20261207", "", "2026-12-0x"})
        EXPECT_FALSE(ReadIsoDate(bad, y, m, d)) << bad;
}

TEST(TodaysPuzzle, TheCommandLinePrintsItAsDealDoes) {
    auto run = [](std::vector<std::string> args, std::string& printed) {
        std::ostringstream out, err;
        const int status = RunCommandLine(ParseCommandLine(args), out, err);
        printed = out.str() + err.str();
        return status;
    };
    std::string first, second, other;
    EXPECT_EQ(run({"--today", "--date", "2026-12-07", "--cards", "4"}, first), 0);
    EXPECT_EQ(run({"--today", "--cards", "4", "--date", "2026-12-07"}, second), 0);
    EXPECT_EQ(first, second);
    const std::optional<DayPuzzle> day = PuzzleOfTheDay(2026, 12, 7, 4);
    std::string expected;
    for (int c : day->cards) expected += std::to_string(c) + " ";
    EXPECT_EQ(first, expected + "=> " + std::to_string(day->answer) + "  level " + std::to_string(day->level) + "\n");
    EXPECT_EQ(run({"--today", "--date", "2026-12-08", "--cards", "4"}, other), 0);
    EXPECT_NE(first, other);
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--today", "--date", "2026-02-30"}, {"--today", "--cards", "8"}, {"--today", "tomorrow"}, {"--today", "--date"}}) {
        std::string said;
        EXPECT_EQ(run(bad, said), 2) << bad.back();
        EXPECT_NE(said.find("--today"), std::string::npos) << said;
    }
}

TEST_F(SetPuzzle, TodaysPuzzleFromTheMenuIsTheDaysPuzzleAtTheTablesCardCount) {
    Store("Game", "FaceCards", "6");
    frmMain& w = Start();
    w.MenuItem("mnuFileToday")->trigger();
    const QDate today = QDate::currentDate();
    const std::optional<DayPuzzle> day = PuzzleOfTheDay(today.year(), today.month(), today.day(), 6);
    ASSERT_TRUE(day.has_value());
    EXPECT_EQ(FaceCardValues(), day->cards);
    EXPECT_EQ(Deck[DeckPos], day->answer);
    EXPECT_TRUE(messages.isEmpty());
}
