// "Your Answer": the player plays the cards on the board or types a solution; the game checks
// it exactly and keeps the score.
#pragma once

#include <QDialog>

#include "expr/eval.h"
#include "expr/operations.h"

class BoardView;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Table;

class frmAnswer : public QDialog {
    Q_OBJECT
public:
    frmAnswer(QWidget* game, Table* table);  // beside game, showing the puzzle on table

    void cmdCheck_Click();  // Enter
    void cmdHint_Click();   // one more step of a solution
    void cmdNoAnswer_Click();  // the player says the puzzle has no answer (N)
    void NewPuzzle();       // a deal, shuffle, load or Options Apply: a fresh entry and race
    void ShowBesideGame();
    void PlayCard(int faceCard);  // shown, with the table's face card picked on the board

    // The player's head start while it runs: the countdown, and Give Up (also Ctrl+G).
    QLabel* lblHeadStart;
    QPushButton* cmdGiveUp;
    void ShowHeadStart(const QString& countdown);  // empty: none running

    BoardView* fraBoard;  // the first way: the cards themselves
    QLabel* lblPrompt;    // the second way: typing
    QLineEdit* txtAnswer;
    QPushButton* cmdCheck;
    QPushButton* cmdHint;
    QPushButton* cmdNoAnswer;  // shown while puzzles with no answer are dealt on purpose
    QPushButton* cmdClose;  // Esc
    QLabel* lblResult;
    QPlainTextEdit* txtResult;
    QLabel* lblTally;
    void ShowTally();  // the tally as the record stands
    void ShowOrder(OperatorOrder order);  // the prompt and the tips name the order in force
    // The board shows only these operations, and the prompt names them.
    void ShowOperations(AllowedOperations ops);

protected:
    // Typing while the result has the focus goes on in the entry.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Played();         // the player played the puzzle on the table: the record, then the tally
    void ShowRaceTip();    // how to race fairly, when the computer solved the puzzle before the player began
    void BoardStepped();   // the typed line shows the answer the steps make so far
    void BoardFinished();  // one tile left: judged by the same check as a typed answer
    // Tall enough for every text it shows now: the result box for its whole text, the window
    // for everything, within the screen; run once the texts are laid out.
    void FitToContent();
    void FitSoon();
    void ShowHintText(const QString& text);  // the result box holds a hint until the board moves on

    Table* table_;
    bool boardLast_ = false;    // the player's last input was on the board, not in the typed line
    bool raceDecided_ = false;  // a right answer has settled this puzzle's race
    int hints_ = 0;             // steps of a solution shown for this puzzle
    int resultHeight_ = 0;      // the result box's own height, before it grows for a long text
    bool fitQueued_ = false;
    bool hintShown_ = false;    // the result box holds a hint
    OperatorOrder order_ = OperatorOrder::Game;            // as the prompt names them
    AllowedOperations ops_ = AllowedOperations::All;
};

