// Qt's side of the idle loop: processEvents in place of exec, so search steps run between.
#include "window/loop_host.h"

#include <QApplication>

#include "platform/sleep.h"
#include "window/frmmain.h"
#include "window/frmsplash.h"

void QtLoopHost::ShowSplash() {
    auto* splash = new frmSplash();
    splash->Form_Load(commandLine_);
    splash->show();
    splash->repaint();
}

void QtLoopHost::Sleep(int ms) { ::Sleep(ms); }

void QtLoopHost::DoEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Windows closed with deleteLater go now; outside exec nothing else would delete them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtLoopHost::ReleaseMainForm() { delete MainWindow(); }
