// Message boxes, with a hook so that tests never block on a modal window.
#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

std::function<void(const QString&, QWidget*)> MsgBoxHook;
std::function<bool(const QString&)> AskHook;

namespace {

QWidget* GameWindowOrActive() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmMain") return w;
    return nullptr;
}

}  // namespace

void MsgBox(const QString& text, QWidget* owner) {
    if (!owner) owner = GameWindowOrActive();
    if (MsgBoxHook) {
        MsgBoxHook(text, owner);
        return;
    }
    QMessageBox box(QMessageBox::Warning, "Pelorand", text, QMessageBox::Ok, owner);
    box.exec();
}

bool AskYesNo(const QString& text, QWidget* owner) {
    if (!owner) owner = GameWindowOrActive();
    if (AskHook) return AskHook(text);
    QMessageBox box(QMessageBox::Question, "Pelorand", text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
