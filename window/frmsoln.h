// The solution window: the solved expression, its breakdown and the operator order.
#pragma once

#include <QDialog>

#include "expr/eval.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmSoln : public QDialog {
    Q_OBJECT
public:
    explicit frmSoln(QWidget* owner);

    void cmdDone_Click();
    void ShowOrder(OperatorOrder order);  // the line that names the order of operations

    QLabel* Image1;
    QPlainTextEdit* lblSoln;  // a text box, despite its name
    QPushButton* cmdDone;
    QLabel* Label1;

protected:
    void showEvent(QShowEvent* e) override;  // the picture is drawn when first shown

private:
    bool fitDue_ = true;  // the order line's text changed while hidden
};
