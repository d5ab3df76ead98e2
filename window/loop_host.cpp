// Qt's side of the idle loop: processEvents in place of exec, so search steps run between.
#include "window/loop_host.h"

#include <QApplication>

#include "platform/sleep.h"
#include "window/frmmain.h"
#include "window/frmsplash.h"
#include "window/startup_trace.h"

void QtLoopHost::ShowSplash() {
    auto* splash = new frmSplash();
    TraceStartup("splash window built");
    splash->Form_Load(commandLine_);
    splash->show();
    splash->repaint();
    TraceStartup("splash window shown");
}

void QtLoopHost::Sleep(int ms) {
    // A searching pass sleeps 1 ms, an idle one 10: the finer timer only while searching.
    FineTimer(ms < 10);
    ::Sleep(ms);
}

void QtLoopHost::DoEvents() {
    static bool first = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (first) TraceStartup("first events delivered (the windows drawn)");
    first = false;
    // Windows closed with deleteLater go now; outside exec nothing else would delete them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtLoopHost::ReleaseMainForm() {
    FineTimer(false);
    delete MainWindow();
}
