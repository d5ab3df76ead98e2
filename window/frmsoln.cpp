// Modeless solution window, created hidden with the game window and shown by Answer.
#include "window/frmsoln.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "window/fit_text.h"
#include "window/twips.h"

frmSoln::frmSoln(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmSoln");
    setWindowTitle(tr("Solution"));
    setFixedSize(Px(8940), Px(2085));

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(TwipsRect(60, 120, 480, 480));

    lblSoln = new QPlainTextEdit("Text1", this);
    lblSoln->setObjectName("lblSoln");
    lblSoln->setGeometry(TwipsRect(600, 60, 6495, 1995));
    lblSoln->setReadOnly(true);
    lblSoln->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lblSoln->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    lblSoln->setAccessibleName(tr("Solution"));

    cmdDone = new QPushButton(tr("&Done"), this);
    cmdDone->setObjectName("cmdDone");
    cmdDone->setGeometry(TwipsRect(7200, 60, 1695, 375));
    cmdDone->setDefault(true);  // Enter; Escape closes a dialog by itself
    connect(cmdDone, &QPushButton::clicked, this, &frmSoln::cmdDone_Click);

    Label1 = new QLabel(tr("Operator order of evaluation : Brackets, Multiplication, Division, Addition and Subtraction."), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(TwipsRect(7200, 480, 1695, 1515));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Fitted when first shown (showEvent): measuring text loads fonts, which a hidden window
    // made during start-up does not need yet.
}

void frmSoln::showEvent(QShowEvent* e) {
    // The window is made hidden with the game window; its picture, its font (a family that
    // most systems replace, which takes a search) and the fitting of its captions wait until
    // it is shown.
    if (Image1->pixmap().isNull()) {
        Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(Px(480), Px(480)));
        QFont font("MS Sans Serif", 12, QFont::Bold);
        font.setStyleHint(QFont::SansSerif);
        lblSoln->setFont(font);
        FitText(cmdDone);
    }
    if (fitDue_) FitText(Label1);
    fitDue_ = false;
    QDialog::showEvent(e);
}

void frmSoln::cmdDone_Click() { hide(); }

void frmSoln::ShowOrder(OperatorOrder order) {
    Label1->setText(order == OperatorOrder::Game
                        ? tr("Operator order of evaluation : Brackets, Multiplication, Division, Addition and Subtraction.")
                        : tr("Operator order of evaluation : Brackets, then Multiplication and Division, then Addition and "
                             "Subtraction, each left to right."));
    if (isVisible())
        FitText(Label1);
    else
        fitDue_ = true;
}
