// Now and then a puzzle with no answer: the option, the computer waiting, "No answer" and the quiet verdict panel.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "deal/dealing.h"
#include "dialogs/frmoptions.h"
#include "dialogs/frmstatistics.h"
#include "dialogs/record_chart.h"
#include "player/play_log.h"
#include "window/play_stats.h"
#include "engine/search.h"
#include "gui_env.h"
#include "window/board_view.h"
#include "window/frmanswer.h"
#include "window/frmsoln.h"
#include "window/settings.h"
#include "window/status_panel.h"
#include "window/table.h"
#include "window/verdict_check.h"

namespace {

const QString NoSolution = "No solution";
const QString Secret = "Answers: a secret till the end";

class NoAnswers : public GuiTest {
protected:
    // Waits until the solver has answered for the puzzle on the table (and the level, when it has answers).
    void WaitForSolver() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            const TableVerdict* v = game->VerdictOnTable();
            if (v && (v->player.answers == 0 || v->level > 0)) return;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        FAIL() << "the solver never answered";
    }
    QString SpokenVerdict() const {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(game->sbVerdict);
        return a ? a->text(QAccessible::Name) : QString();
    }
    frmAnswer& OpenAnswer() {
        game->mnuEditYourAnswer_Click();
        QApplication::setActiveWindow(game->Answer());  // as the window system does for the player
        return *game->Answer();
    }
    RecordRow Row(int cards, int level) {
        const PlayRecord stored = StoredRecord();
        const auto at = stored.Rows().find({cards, level});
        return at == stored.Rows().end() ? RecordRow{} : at->second;
    }
};

}  // namespace

// Greyed where puzzles with no answer hardly turn up (5 to 7 cards with all four operations),
// and the tip says where it works; the choice is kept while greyed and stored by Apply.
TEST_F(NoAnswers, TheOptionIsGreyedWhereItChangesNothingAndIsStored) {
    frmMain& w = Start();
    const auto dialogOwned = w.NewOptions();
    frmOptions& dialog = *dialogOwned;
    EXPECT_FALSE(dialog.chkNoAnswers->isChecked());  // off at first
    EXPECT_TRUE(dialog.chkNoAnswers->toolTip().contains("Only with 3 or 4 cards, or with fewer operations")) << dialog.chkNoAnswers->toolTip().toStdString();
    const struct { const char* cards; bool enabled; } cases[] = {{"5", false}, {"3", true}, {"6", false}, {"4", true}, {"7", false}};
    for (const auto& c : cases) {
        dialog.cboCardCnt->setCurrentText(c.cards);
        EXPECT_EQ(dialog.chkNoAnswers->isEnabled(), c.enabled) << c.cards << " cards";
    }
    // Fewer operations leave puzzles without an answer at every number of cards.
    dialog.cboOperations->setCurrentIndex(static_cast<int>(AllowedOperations::AddSubtract));
    EXPECT_TRUE(dialog.chkNoAnswers->isEnabled()) << "7 cards, + and - only";
    dialog.cboOperations->setCurrentIndex(static_cast<int>(AllowedOperations::All));
    EXPECT_FALSE(dialog.chkNoAnswers->isEnabled()) << "7 cards, all four";
    dialog.cboCardCnt->setCurrentText("3");
    dialog.chkNoAnswers->setChecked(true);
    dialog.cboCardCnt->setCurrentText("5");
    EXPECT_TRUE(dialog.chkNoAnswers->isChecked());  // greyed, not forgotten
    dialog.cmdApply_Click();
    EXPECT_EQ(Setting("Game", "DealNoAnswers"), "1");
    EXPECT_TRUE(StoredDealRule().noAnswers);
    EXPECT_FALSE(w.OnTable()->NoAnswersInPlay()) << "five cards: no effect";
    EXPECT_FALSE(HeadStartRunning());
    const auto again = w.NewOptions();
    EXPECT_TRUE(again->chkNoAnswers->isChecked());
    EXPECT_FALSE(again->chkNoAnswers->isEnabled());
    again->cboCardCnt->setCurrentText("4");
    again->cmdApply_Click();
    EXPECT_TRUE(w.OnTable()->NoAnswersInPlay());
}

// While a puzzle with no answer could be on the table, the computer starts only when the player
// gives up, whatever head start is chosen; elsewhere the head start is the player's own choice.
TEST_F(NoAnswers, TheComputerWaitsForGiveUpWhileTheyCanTurnUp) {
    Store("Game", "DealNoAnswers", "1");
    Store("Game", "FaceCards", "4");
    frmMain& w = Start();
    EXPECT_TRUE(w.OnTable()->NoAnswersInPlay());
    EXPECT_TRUE(HeadStartRunning());
    EXPECT_EQ(w.lblProgress->text(), "Your turn: no time limit");
    EXPECT_TRUE(w.MenuItem("mnuEditGiveUp")->isEnabled());
    for (int i = 0; i < 50; ++i) SearchStep();
    EXPECT_EQ(StepCount, 0);
    w.cmdDeal_Click();  // every deal waits again
    EXPECT_TRUE(HeadStartRunning());
    w.MenuItem("mnuEditGiveUp")->trigger();
    EXPECT_FALSE(HeadStartRunning());
    SearchStep();
    EXPECT_EQ(StepCount, 1);

    // Five cards: the option has no effect, and the computer starts at once as chosen.
    w.SetPuzzle({1, 2, 3, 4, 5}, 15);
    EXPECT_FALSE(w.OnTable()->NoAnswersInPlay());
    EXPECT_FALSE(HeadStartRunning());
    // And with the option off, at four cards too.
    Store("Game", "DealNoAnswers", "0");
    w.SetPuzzle({1, 2, 3, 4}, 10);
    EXPECT_FALSE(HeadStartRunning());
    EXPECT_EQ(w.lblProgress->text(), "Looking for a solution...");
}

// A puzzle with no answer, claimed right with N: the panel kept the count to itself until then,
// the claim is a right answer, first, counted in the row of puzzles without one, and the panel
// tells the count once the puzzle is over.
TEST_F(NoAnswers, ARightClaimIsCountedAndThePanelSaidNothingBefore) {
    Store("Game", "DealNoAnswers", "1");
    Store("Game", "FaceCards", "3");
    frmMain& w = Start();
    w.SetPuzzle({1, 1, 1}, 9);
    EXPECT_EQ(w.sbVerdict->text(), Secret);
    WaitForSolver();
    ASSERT_TRUE(w.VerdictOnTable()->player.NoAnswer());
    EXPECT_EQ(w.sbVerdict->text(), Secret) << "the solver has answered, and the panel keeps it";
    EXPECT_EQ(SpokenVerdict(), "Verdict: the number of answers is a secret until the puzzle is over");
    EXPECT_TRUE(w.sbVerdict->toolTip().startsWith("Now and then a puzzle has no answer")) << w.sbVerdict->toolTip().toStdString();

    frmAnswer& a = OpenAnswer();
    EXPECT_TRUE(a.cmdNoAnswer->isVisible());
    EXPECT_EQ(a.cmdNoAnswer->text(), "&No answer");
    QTest::keyClicks(a.txtAnswer, "n");  // a letter typed in the entry is only typed
    EXPECT_EQ(a.txtAnswer->text(), "n");
    EXPECT_TRUE(a.txtResult->toPlainText().isEmpty());
    EXPECT_EQ(StoredWins().player, 0u);
    a.fraBoard->FocusBoard();
    QTest::keyClick(a.focusWidget(), Qt::Key_N);
    EXPECT_EQ(a.txtResult->toPlainText(), "Right! There is no answer.");
    EXPECT_EQ(a.txtResult->accessibleDescription(), "Right! There is no answer.");
    EXPECT_EQ(StoredWins().player, 1u);
    EXPECT_EQ(StoredWins().hints, 0u);
    EXPECT_EQ(a.lblTally->text(), "You 1, the computer 0");
    EXPECT_EQ(Row(3, 0).solved, 1u);
    EXPECT_EQ(Row(3, 0).times.size(), 1u);
    // The puzzle is over: the count shows, the computer never starts, and the Answer says why.
    EXPECT_EQ(w.sbVerdict->text(), NoSolution);
    EXPECT_EQ(SpokenVerdict(), "Verdict: No solution");
    EXPECT_FALSE(Solving);
    EXPECT_FALSE(HeadStartRunning());
    EXPECT_EQ(w.lblProgress->text(), "You got it first!");
    EXPECT_TRUE(w.cmdAnswer->isEnabled());
    EXPECT_EQ(w.Soln()->lblSoln->toPlainText(), "There is no answer: these cards cannot make 9.");
    a.cmdNoAnswer->click();  // the same puzzle again: no second win
    EXPECT_EQ(StoredWins().player, 1u);

    // After a hint, which says what there is to say, the claim counts with hints.
    w.SetPuzzle({2, 2, 2}, 17);
    EXPECT_EQ(w.sbVerdict->text(), Secret);
    WaitForSolver();
    a.cmdHint->click();
    EXPECT_EQ(a.txtResult->toPlainText(), "This puzzle has no answer at all: press \"No answer\".");
    EXPECT_EQ(w.sbVerdict->text(), Secret);
    a.cmdNoAnswer->click();
    EXPECT_EQ(StoredWins().player, 2u);
    EXPECT_EQ(StoredWins().hints, 1u);
    EXPECT_EQ(Row(3, 0).withHints, 1u);

    // The log has each as spotted, the claim among its steps, and Statistics' week chart
    // counts both as right answers of this week.
    const std::vector<LogRow> log = PlayerLog();
    ASSERT_EQ(log.size(), 2u);
    for (const LogRow& row : log) {
        EXPECT_EQ(row.result, LogResult::NoAnswerSpotted);
        ASSERT_FALSE(row.steps.empty());
        EXPECT_EQ(row.steps.back().kind, LogStep::Kind::NoAnswerClaim);
    }
    frmStatistics stats(&w);
    ASSERT_FALSE(stats.charts->chtWeeks->Bars().isEmpty());
    EXPECT_EQ(stats.charts->chtWeeks->Bars().back().value, 2.0);
}

// On a puzzle with an answer the claim is wrong: said so without a step of any answer, nothing
// counted, the panel still quiet; the puzzle goes on, and giving up shows the count.
TEST_F(NoAnswers, AWrongClaimSaysSoAndGivesNothingAway) {
    Store("Game", "DealNoAnswers", "1");
    Store("Game", "FaceCards", "4");
    frmMain& w = Start();
    w.SetPuzzle({5, 3, 7, 2}, 24);
    WaitForSolver();
    const TableVerdict verdict = *w.VerdictOnTable();
    ASSERT_GT(verdict.player.answers, 0u);
    frmAnswer& a = OpenAnswer();
    a.cmdNoAnswer->click();
    const QString said = a.txtResult->toPlainText();
    EXPECT_EQ(said, "Not so: this puzzle has an answer. Keep looking, or give up.");
    for (const char* card : {"5", "3", "7", "2", "24"}) EXPECT_FALSE(said.contains(card)) << card;
    EXPECT_EQ(StoredWins().player, 0u);
    EXPECT_FALSE(Record().HasEnded());
    EXPECT_TRUE(Record().Raced());  // the claim played the puzzle
    EXPECT_EQ(w.sbVerdict->text(), Secret);
    EXPECT_TRUE(HeadStartRunning());
    EXPECT_FALSE(w.cmdAnswer->isEnabled());

    a.cmdGiveUp->click();
    EXPECT_EQ(w.sbVerdict->text(), VerdictText(verdict));
    EXPECT_EQ(Row(4, verdict.level).gaveUp, 1u);
    EXPECT_EQ(StoredWins().player, 0u);
    // The log keeps the wrong claim as a step of a puzzle given up.
    const std::vector<LogRow> log = PlayerLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].result, LogResult::GaveUp);
    ASSERT_FALSE(log[0].steps.empty());
    EXPECT_EQ(log[0].steps[0].kind, LogStep::Kind::NoAnswerClaim);
}

// With the option off (the default) nothing of it shows: no button, N does nothing, and the
// panel says the count at once, as it always has.
TEST_F(NoAnswers, OffTheyLeaveYourAnswerAndThePanelAsTheyWere) {
    Store("Game", "FaceCards", "3");
    frmMain& w = Start();
    w.SetPuzzle({1, 1, 1}, 9);
    WaitForSolver();
    EXPECT_EQ(w.sbVerdict->text(), NoSolution);
    frmAnswer& a = OpenAnswer();
    EXPECT_FALSE(a.cmdNoAnswer->isVisible());
    a.fraBoard->FocusBoard();
    QTest::keyClick(a.focusWidget(), Qt::Key_N);
    EXPECT_TRUE(a.txtResult->toPlainText().isEmpty());
    EXPECT_EQ(StoredWins().player, 0u);
    a.cmdHint->click();
    EXPECT_EQ(a.txtResult->toPlainText(), "This puzzle has no solution at all: deal the next one.");
}

// With fewer operations the option works at every number of cards, and "no answer" means none
// with those: five 2s make 32 only with ×, so under + and − only the claim is right, the log
// keeps the operations allowed, and the hint names them.
TEST_F(NoAnswers, WithFewerOperationsTheyCountByThoseOperations) {
    Store("Game", "DealNoAnswers", "1");
    Store("Game", "FaceCards", "5");
    Store("Game", "Operations", "1");
    frmMain& w = Start();
    w.SetPuzzle({2, 2, 2, 2, 2}, 32);
    EXPECT_TRUE(w.OnTable()->NoAnswersInPlay());
    WaitForSolver();
    EXPECT_EQ(w.sbVerdict->text(), Secret);
    frmAnswer& a = OpenAnswer();
    a.cmdNoAnswer->click();
    EXPECT_EQ(a.txtResult->toPlainText(), "Right! There is no answer.");
    EXPECT_EQ(StoredWins().player, 1u);
    const std::vector<LogRow> log = PlayerLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().operations, "+-");
    EXPECT_EQ(log.back().result, LogResult::NoAnswerSpotted);

    // The same cards with + − ×: 32 has an answer now, and the claim is wrong.
    const auto options = w.NewOptions();
    options->cboOperations->setCurrentIndex(static_cast<int>(AllowedOperations::AddSubtractMultiply));
    options->cmdApply_Click();
    w.SetPuzzle({2, 2, 2, 2, 2}, 32);
    a.cmdNoAnswer->click();
    EXPECT_EQ(a.txtResult->toPlainText(), "Not so: this puzzle has an answer. Keep looking, or give up.");
    EXPECT_EQ(StoredWins().player, 1u);
}
