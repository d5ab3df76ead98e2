// Message boxes, with a hook so that tests never block on a modal window.
#include "platform/msgbox.h"

#include <QMessageBox>

std::function<void(const QString&)> MsgBoxHook;

void MsgBox(const QString& text, QWidget* owner) {
    if (MsgBoxHook) {
        MsgBoxHook(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, "Pelorand", text, QMessageBox::Ok, owner);
    box.exec();
}
