// The New Puzzle dialog: one line of text, read by the same reader as Paste Puzzle.
#include "dialogs/frmnewpuzzle.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNewPuzzle::frmNewPuzzle(QWidget* owner, const QString& current)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmNewPuzzle");
    setWindowTitle(tr("New Puzzle"));
    auto* prompt = new QLabel(tr("&Face cards, then = and the answer card (for example 3 9 3 9 = 17):"), this);
    txtPuzzle = new QLineEdit(current, this);
    txtPuzzle->setObjectName("txtPuzzle");
    txtPuzzle->setAccessibleName(tr("Puzzle"));
    txtPuzzle->selectAll();
    prompt->setBuddy(txtPuzzle);
    lblProblem = new QLabel(this);
    lblProblem->setObjectName("lblProblem");
    lblProblem->setWordWrap(true);
    lblProblem->setAccessibleName(tr("Problem"));
    lblProblem->setMinimumHeight(2 * fontMetrics().lineSpacing() + 4);  // room for the longest sentence

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdOK->setText(tr("&Play"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmNewPuzzle::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A new problem is shown only after the next try: editing clears the old one.
    connect(txtPuzzle, &QLineEdit::textEdited, lblProblem, &QLabel::clear);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(txtPuzzle);
    layout->addWidget(lblProblem);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(prompt->text()) + 40);
}

void frmNewPuzzle::cmdOK_Click() {
    read_ = ReadPuzzleText(txtPuzzle->text().toStdString());
    if (!read_.Ok()) {
        lblProblem->setText(QString::fromStdString(read_.error));
        txtPuzzle->setFocus();
        return;
    }
    accept();
}
