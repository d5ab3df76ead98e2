// "Your Answer": the player types a solution, the game checks it exactly and keeps the score.
#pragma once

#include <QDialog>

#include "expr/eval.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class frmMain;

class frmAnswer : public QDialog {
    Q_OBJECT
public:
    explicit frmAnswer(frmMain* game);

    void cmdCheck_Click();  // Enter
    void cmdHint_Click();   // one more step of a solution
    void NewPuzzle();       // a deal, shuffle, load or Options Apply: a fresh entry and race
    void ShowBesideGame();

    QLabel* lblPrompt;
    QLineEdit* txtAnswer;
    QPushButton* cmdCheck;
    QPushButton* cmdHint;
    QPushButton* cmdClose;  // Esc
    QLabel* lblResult;
    QPlainTextEdit* txtResult;
    QLabel* lblTally;
    void ShowTally();  // the tally as the record stands
    void ShowOrder(OperatorOrder order);  // the prompt and the tips name the order in force

protected:
    // Typing while the result has the focus goes on in the entry.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmMain* game_;
    bool raceDecided_ = false;  // a right answer has settled this puzzle's race
    int hints_ = 0;             // steps of a solution shown for this puzzle
};

