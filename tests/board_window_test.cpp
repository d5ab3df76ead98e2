// The board in Your Answer, driven by keys and clicks: the race, the tally, the record, hints.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_env.h"
#include "player/board_hint.h"
#include "player/play_record.h"
#include "window/board_view.h"
#include "window/frmanswer.h"
#include "window/play_stats.h"
#include "window/verdict_check.h"

namespace {

class BoardWindow : public GuiTest {
protected:
    frmAnswer* Open(frmMain& w) {
        w.MenuItem("mnuEditYourAnswer")->trigger();
        return w.Answer();
    }
    // Each character a key to whatever has the focus in Your Answer, as a player types them.
    void Keys(const char* keys) {
        for (const char* c = keys; *c; ++c)
            if (*c != ' ') QTest::keyClick(Focus(), *c);
    }
    QWidget* Focus() const { return game->Answer()->focusWidget(); }
    static QStringList Tiles(BoardView* b) {
        QStringList out;
        for (TileButton* t : b->cmdTile)
            if (t->isVisibleTo(b)) out << t->accessibleName();
        return out;
    }
    static QStringList Steps(BoardView* b, int role = Qt::DisplayRole) {
        QStringList out;
        for (int i = 0; i < b->lstSteps->count(); ++i) out << b->lstSteps->item(i)->data(role).toString();
        return out;
    }
    static uint64_t Sum(uint64_t RecordRow::*field) {
        uint64_t n = 0;
        for (const auto& [key, row] : Record().Rows()) n += row.*field;
        return n;
    }
    static void WaitForVerdict(frmMain& w) {
        QElapsedTimer clock;
        clock.start();
        while (!w.VerdictOnTable() && clock.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
};

}  // namespace

TEST_F(BoardWindow, TheKeyboardAloneSolvesThreeThreeEightEight) {
    frmMain& w = Start();
    w.SetPuzzle({3, 3, 8, 8}, 24);
    frmAnswer* a = Open(w);
    BoardView* b = a->fraBoard;
    EXPECT_EQ(Focus(), b->cmdTile[0]);  // the board has the focus when the window opens
    EXPECT_EQ(Tiles(b), QStringList({"Card 3", "Card 3", "Card 8", "Card 8"}));

    Keys("3/1");
    EXPECT_EQ(Tiles(b), QStringList({"Card 3", "Card 8/3", "Card 8"}));
    EXPECT_EQ(a->txtAnswer->text(), "8 / 3");  // the answer the steps make so far
    Keys("1-2");
    EXPECT_EQ(a->txtAnswer->text(), "3 - 8 / 3");
    EXPECT_TRUE(Solving);
    Keys("2/1");
    EXPECT_EQ(Steps(b), QStringList({"8 ÷ 3 = 8/3", "3 − 8/3 = 1/3", "8 ÷ 1/3 = 24"}));
    EXPECT_EQ(Steps(b, Qt::AccessibleTextRole).at(1), "Step 2: 3 − 8/3 = 1/3");
    EXPECT_EQ(a->txtAnswer->text(), "8 / (3 - 8 / 3)");
    // Judged at once, by the check a typed answer goes through: the race, the tally, the record.
    const QString result = a->txtResult->toPlainText();
    EXPECT_TRUE(result.contains("The game reads it as: 8 / (3 - 8 / 3)\nValue: 24")) << result.toStdString();
    EXPECT_TRUE(result.contains("Right!")) << result.toStdString();
    EXPECT_TRUE(result.contains("You got it first!"));
    EXPECT_FALSE(Solving);
    EXPECT_EQ(w.lblProgress->text(), "You got it first!");
    EXPECT_EQ(StoredWins().player, 1u);
    EXPECT_EQ(a->lblTally->text(), "You 1, the computer 0");
    EXPECT_EQ(Sum(&RecordRow::solved), 1u);
    EXPECT_TRUE(b->lblBoard->text().startsWith("Right!"));
    // Announced as a typed check is: the focus on the result, which describes the verdict.
    EXPECT_EQ(Focus(), a->txtResult);
    EXPECT_TRUE(a->txtResult->accessibleDescription().startsWith("Right!"));

    // Backspace there takes the board's last step back; solving again is no second win.
    QTest::keyClick(Focus(), Qt::Key_Backspace);
    EXPECT_EQ(Tiles(b), QStringList({"Card 1/3", "Card 8"}));
    EXPECT_TRUE(b->isAncestorOf(Focus()));
    Keys("2/1");
    EXPECT_EQ(StoredWins().player, 1u);
    EXPECT_EQ(Sum(&RecordRow::solved), 1u);

    // Ctrl+Z undoes, Escape starts over, and with nothing to start over Escape closes.
    QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(b->lstSteps->count(), 2);
    b->FocusBoard();
    QTest::keyClick(Focus(), Qt::Key_Escape);
    EXPECT_EQ(Tiles(b), QStringList({"Card 3", "Card 3", "Card 8", "Card 8"}));
    EXPECT_TRUE(a->isVisible());
    QTest::keyClick(Focus(), Qt::Key_Escape);
    EXPECT_FALSE(a->isVisible());
}

TEST_F(BoardWindow, ArrowsSpaceAndTheOtherSignsPlayToo) {
    frmMain& w = Start();
    w.SetPuzzle({5, 3, 7, 2}, 24);
    frmAnswer* a = Open(w);
    BoardView* b = a->fraBoard;
    QTest::keyClick(Focus(), Qt::Key_Right);  // to the 3
    QTest::keyClick(Focus(), Qt::Key_Space);
    EXPECT_TRUE(b->cmdTile[1]->isChecked());
    QTest::keyClick(Focus(), Qt::Key_Down);  // the operations' row
    EXPECT_EQ(Focus(), b->cmdOp[1]);
    QTest::keyClick(Focus(), Qt::Key_Right);
    QTest::keyClick(Focus(), Qt::Key_Return);  // Enter picks it too
    EXPECT_TRUE(b->cmdOp[2]->isChecked());
    QTest::keyClick(Focus(), Qt::Key_Up);     // back to the tiles, above the ×: the 7
    QTest::keyClick(Focus(), Qt::Key_Space);  // 3 × 7
    EXPECT_EQ(Tiles(b), QStringList({"Card 5", "Card 21", "Card 2"}));
    QTest::keyClicks(Focus(), QString::fromUtf8("2\u00F73"));  // the divide sign: 21 ÷ 2
    EXPECT_EQ(Tiles(b), QStringList({"Card 5", "Card 21/2"}));
    QTest::keyClick(Focus(), Qt::Key_Backspace);
    Keys("2x1");  // x multiplies: 21 × 5
    EXPECT_EQ(Tiles(b), QStringList({"Card 105", "Card 2"}));
    EXPECT_EQ(b->cmdOp[0]->accessibleName(), "Plus");
    EXPECT_EQ(b->cmdOp[3]->accessibleName(), "Divided by");
    EXPECT_EQ(b->lstSteps->accessibleName(), "Steps");
}

TEST_F(BoardWindow, TheMouseAloneSolvesFromACardOnTheTable) {
    frmMain& w = Start();
    w.SetPuzzle({5, 3, 7, 2}, 24);
    QTest::mouseClick(w.FaceCard[1], Qt::LeftButton);  // the table's 3: the board opens with it picked
    frmAnswer* a = w.Answer();
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->isVisible());
    BoardView* b = a->fraBoard;
    EXPECT_TRUE(b->cmdTile[1]->isChecked());
    QTest::mouseClick(b->cmdOp[2], Qt::LeftButton);
    QTest::mouseClick(b->cmdTile[2], Qt::LeftButton);  // 3 × 7 = 21, picked
    QTest::mouseClick(b->cmdTile[1], Qt::LeftButton);  // picked by the player now: it stays
    EXPECT_TRUE(b->cmdTile[1]->isChecked());
    QTest::mouseClick(b->cmdOp[0], Qt::LeftButton);
    QTest::mouseClick(b->cmdTile[0], Qt::LeftButton);  // 21 + 5 = 26
    QTest::mouseClick(b->cmdOp[1], Qt::LeftButton);
    QTest::mouseClick(b->cmdTile[1], Qt::LeftButton);  // 26 − 2 = 24
    EXPECT_TRUE(a->txtResult->toPlainText().contains("Right!")) << a->txtResult->toPlainText().toStdString();
    EXPECT_EQ(StoredWins().player, 1u);
    // A click on a table card whose tile is gone does nothing on the board.
    QTest::mouseClick(w.FaceCard[1], Qt::LeftButton);
    EXPECT_EQ(Tiles(b), QStringList({"Card 24"}));
    QTest::mouseClick(b->cmdUndo, Qt::LeftButton);
    QTest::mouseClick(b->cmdStartOver, Qt::LeftButton);
    EXPECT_EQ(Tiles(b), QStringList({"Card 5", "Card 3", "Card 7", "Card 2"}));
    // A new puzzle goes on the board at once.
    w.SetPuzzle({6, 6, 6}, 18);
    EXPECT_EQ(Tiles(b), QStringList({"Card 6", "Card 6", "Card 6"}));
    EXPECT_TRUE(b->lstSteps->count() == 0 && a->txtAnswer->text().isEmpty());
}

TEST_F(BoardWindow, TheComputerWinsOnlyARaceThePlayerEnteredOnTheBoard) {
    frmMain& w = Start();
    w.SetPuzzle({5, 3, 7, 2}, 24);
    QCoreApplication::processEvents();  // on the screen
    ASSERT_TRUE(SearchUntilSolved());  // the computer hits a puzzle nobody played
    w.cmdDeal_Click();
    EXPECT_EQ(Sum(&RecordRow::computerFirst), 0u);
    EXPECT_EQ(StoredWins().computer, 0u);
    EXPECT_EQ(Sum(&RecordRow::dealt), 2u);  // the first deal and this one, passed over

    w.SetPuzzle({5, 3, 7, 2}, 24);
    frmAnswer* a = Open(w);
    Keys("1");  // a pick before the computer's hit: a race
    ASSERT_TRUE(SearchUntilSolved());
    EXPECT_EQ(StoredWins().computer, 1u);
    EXPECT_EQ(a->lblTally->text(), "You 0, the computer 1");

    w.SetPuzzle({2, 3, 4}, 24);  // the window stays open; not played yet
    ASSERT_TRUE(SearchUntilSolved());
    QTest::keyClick(a->fraBoard->cmdTile[0], Qt::Key_1);  // a pick only after the hit: no race
    EXPECT_EQ(StoredWins().computer, 1u);
    a->txtAnswer->setText("2 * 3 * 4");
    a->cmdCheck->click();
    const QString result = a->txtResult->toPlainText();
    EXPECT_TRUE(result.contains("Right!")) << result.toStdString();
    EXPECT_FALSE(result.contains("The computer was first")) << result.toStdString();
    EXPECT_FALSE(result.contains("You got it first")) << result.toStdString();
    EXPECT_EQ(StoredWins().player, 1u);  // the player's solved puzzle
    EXPECT_EQ(a->lblTally->text(), "You 1, the computer 1");
    EXPECT_EQ(w.lblProgress->text(), "Solution found.");  // the computer's solution stays on the table
}

// A hint's words and the tiles it picks are one step; the words go once the board moves on.
TEST_F(BoardWindow, HintSaysTheStepItPicksAndGoesWhenTheBoardMovesOn) {
    frmMain& w = Start();
    w.SetPuzzle({10, 8, 11, 10}, 3);  // simplest: 11 + 10 - (10 + 8)
    frmAnswer* a = Open(w);
    BoardView* b = a->fraBoard;
    WaitForVerdict(w);
    Keys("1-2");  // 10 − 8 = 2: off the simplest answer, and 2 11 10 still make 3
    a->cmdHint->click();
    const Board& board = b->Model();
    const std::optional<BoardHint> next = NextStep(board, w.VerdictOnTable()->player.listed.front());
    ASSERT_TRUE(next.has_value());
    EXPECT_FALSE(next->followsSimplest);
    const QString said = a->txtResult->toPlainText();
    EXPECT_TRUE(said.contains(QString::fromStdString(StepText(HintStep(board, *next))))) << said.toStdString();
    EXPECT_FALSE(said.contains("Hint 1 of")) << said.toStdString();
    EXPECT_EQ(board.First(), next->first);
    EXPECT_EQ(board.Op(), next->op);
    // The step played: the hint has had its say.
    QTest::keyClick(Focus(), static_cast<char>('1' + next->second));
    EXPECT_EQ(board.Steps().size(), 2u);
    EXPECT_TRUE(a->txtResult->toPlainText().isEmpty()) << a->txtResult->toPlainText().toStdString();
    // Typed hints go on through the simplest answer; the board picks only the first step.
    w.SetPuzzle({10, 8, 11, 10}, 3);
    WaitForVerdict(w);
    a->cmdHint->click();
    EXPECT_TRUE(b->Model().First().has_value());
    a->cmdHint->click();
    EXPECT_TRUE(a->txtResult->toPlainText().contains("Hint 2 of"));
    EXPECT_FALSE(b->Model().First().has_value());  // step 2 cannot be played from the cards as dealt
}

TEST_F(BoardWindow, RefusedStepsSayWhyAndLeaveTheBoardAsItWas) {
    frmMain& w = Start();
    w.SetPuzzle({3, 3, 5, 2}, 16);
    frmAnswer* a = Open(w);
    BoardView* b = a->fraBoard;
    Keys("1-2 2/1");  // 3 − 3 = 0, then 5 ÷ 0
    EXPECT_EQ(b->lblBoard->text(), "Nothing can be divided by 0. Pick another card or operation.");
    EXPECT_EQ(Tiles(b), QStringList({"Card 0", "Card 5", "Card 2"}));
    EXPECT_EQ(b->lstSteps->count(), 1);
    EXPECT_TRUE(b->cmdTile[1]->isChecked() && b->cmdOp[3]->isChecked());

    EXPECT_FALSE(b->chkWholeNumbers->isChecked());  // off unless chosen
    b->chkWholeNumbers->click();
    EXPECT_EQ(Setting("Game", "WholeNumbersOnly"), "1");
    Keys("3");  // 5 ÷ 2
    EXPECT_EQ(b->lblBoard->text(), "5 ÷ 2 makes 5/2, which is not a whole number. Only whole numbers are allowed.");
    Keys("2 1-2");  // the 5 put down, then 0 − 5
    EXPECT_EQ(b->lblBoard->text(), "0 − 5 makes −5, which is below zero. Only whole numbers from 0 up are allowed.");
    EXPECT_EQ(Tiles(b), QStringList({"Card 0", "Card 5", "Card 2"}));
    // Typed, the same answer is judged as always: whole numbers only is the board's.
    a->txtAnswer->setText("(3 - 3) + 5 / 2");
    a->cmdCheck->click();
    EXPECT_TRUE(a->txtResult->toPlainText().contains("That makes 5/2, not 16.")) << a->txtResult->toPlainText().toStdString();

    w.close();
    Start();  // the choice is kept for next time
    EXPECT_TRUE(Open(*game)->fraBoard->chkWholeNumbers->isChecked());
}

TEST_F(BoardWindow, AWrongLastTileSaysWhatItMakesWithUndoThere) {
    frmMain& w = Start();
    w.SetPuzzle({20, 5, 6}, 16);
    frmAnswer* a = Open(w);
    BoardView* b = a->fraBoard;
    Keys("1-2 1/2");
    EXPECT_TRUE(b->lblBoard->text().startsWith("That makes 5/2, not 16.")) << b->lblBoard->text().toStdString();
    EXPECT_TRUE(b->cmdUndo->isEnabled());
    EXPECT_TRUE(Solving);  // the race goes on
    EXPECT_EQ(StoredWins().player, 0u);
}

TEST_F(BoardWindow, HintPicksTheNextStepOnTheBoardAndCountsAsAHint) {
    frmMain& w = Start();
    w.SetPuzzle({3, 3, 8, 8}, 24);
    frmAnswer* a = Open(w);
    BoardView* b = a->fraBoard;
    WaitForVerdict(w);
    Keys("1");  // the player has started on the board
    a->cmdHint->click();
    // 8 ÷ 3 first: an 8 and the operation picked, a 3 outlined with the focus on it.
    const auto picked = std::count_if(b->cmdTile.begin(), b->cmdTile.end(), [](TileButton* t) { return t->isChecked(); });
    EXPECT_EQ(picked, 1);
    EXPECT_TRUE(b->cmdTile[2]->isChecked() || b->cmdTile[3]->isChecked());
    EXPECT_TRUE(b->cmdOp[3]->isChecked());
    auto* hinted = qobject_cast<TileButton*>(Focus());
    ASSERT_NE(hinted, nullptr);
    EXPECT_TRUE(hinted->Hinted());
    EXPECT_EQ(hinted->accessibleName(), "Card 3");
    EXPECT_TRUE(a->txtResult->toPlainText().startsWith("Hint 1 of 3: 8 / 3 = 8/3")) << a->txtResult->toPlainText().toStdString();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(Focus(), Qt::Key_Space);
        if (i < 2) a->cmdHint->click();
    }
    EXPECT_TRUE(a->txtResult->toPlainText().contains("Right!")) << a->txtResult->toPlainText().toStdString();
    EXPECT_EQ(StoredWins().hints, 1u);
    EXPECT_EQ(Sum(&RecordRow::withHints), 1u);

    // Steps that leave the simplest answer: a hint from the cards as they stand, or none.
    w.SetPuzzle({3, 3, 8, 8}, 24);
    WaitForVerdict(w);
    b->FocusBoard();
    Keys("1+2");  // 3 + 3: nothing makes 24 from 6 8 8
    a->cmdHint->click();
    EXPECT_EQ(b->lblBoard->text(), "The cards on the board can no longer make 24: press Undo or Start Over.");
}

// In the game's order, the line the steps make and Hint's whole solution carry the brackets the
// school order needs: a pupil who reads them by the school order reads the same answer.
TEST_F(BoardWindow, TheLinesTheGameWritesReadTheSameAtSchool) {
    frmMain& w = Start();
    w.SetPuzzle({11, 1, 4, 3}, 5);
    frmAnswer* a = Open(w);
    Keys("1+2");  // 11 + 1
    Keys("2+3");  // 4 + 3
    EXPECT_EQ(a->txtAnswer->text(), "4 + 3");
    Keys("1-2");
    EXPECT_EQ(a->txtAnswer->text(), "11 + 1 - (4 + 3)");
    EXPECT_TRUE(a->txtResult->toPlainText().contains("Right!")) << a->txtResult->toPlainText().toStdString();

    w.SetPuzzle({8, 2, 2}, 2);
    WaitForVerdict(w);
    a->fraBoard->FocusBoard();
    Keys("2*3");
    Keys("1/2");
    EXPECT_EQ(a->txtAnswer->text(), "8 / (2 * 2)");
    a->cmdHint->click();
    a->cmdHint->click();
    EXPECT_TRUE(a->txtResult->toPlainText().contains("That is a whole solution: 8 / (2 * 2)")) << a->txtResult->toPlainText().toStdString();
}

TEST_F(BoardWindow, TilesFitTheirDigitsAndTheWindowFitsItsCards) {
    frmMain& w = Start();
    TileButton tile;
    for (const auto& [p, q] : {std::pair<int64_t, int64_t>{-99998, 9999}, {99, 1}, {-1, 2}, {-99999, 1}, {17, 3}}) {
        tile.SetValue(*Fraction::Make(p, q));
        const TileButton::Digits d = tile.Layout();
        ASSERT_EQ(d.lines.size(), q == 1 ? 1 : 2);
        const QFontMetrics m(d.font);
        for (int i = 0; i < d.lines.size(); ++i) {
            EXPECT_LE(m.horizontalAdvance(d.lines[i]), d.rooms[i].width()) << d.lines[i].toStdString();
            EXPECT_LE(m.height(), d.rooms[i].height()) << d.lines[i].toStdString();
            EXPECT_TRUE(tile.rect().contains(d.rooms[i])) << d.lines[i].toStdString();
        }
        EXPECT_GE(d.font.pointSizeF(), 9) << "still readable: " << p << "/" << q;
    }
    for (const std::vector<int>& cards : {std::vector<int>{1, 2, 3}, std::vector<int>{1, 2, 3, 4, 5, 6, 7}}) {
        w.SetPuzzle(cards, 10);
        frmAnswer* a = Open(w);
        QCoreApplication::processEvents();
        const QRect last = a->fraBoard->cmdTile[cards.size() - 1]->geometry();
        EXPECT_LE(last.right(), a->fraBoard->width()) << cards.size() << " cards";
        EXPECT_LE(a->width(), 900) << cards.size() << " cards";
    }
}
