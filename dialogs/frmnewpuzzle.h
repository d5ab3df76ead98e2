// New Puzzle: type a puzzle, as a teacher writes it on the board, and play it.
#pragma once

#include <QDialog>

#include "deal/puzzle_text.h"

class QLabel;
class QLineEdit;
class QPushButton;

class frmNewPuzzle : public QDialog {
    Q_OBJECT
public:
    // current: the puzzle on the table, offered as a start in the plain form.
    frmNewPuzzle(QWidget* owner, const QString& current);

    // Reads the typed text; when it is a puzzle, accepts the dialog, else says why in the
    // dialog and keeps it open with the text as it was.
    void cmdOK_Click();
    const PuzzleRead& Puzzle() const { return read_; }

    QLineEdit* txtPuzzle;
    QLabel* lblProblem;  // what is wrong with the text, or nothing
    QPushButton* cmdOK;

private:
    PuzzleRead read_;
};
