// The help viewer: one QTextBrowser window for the whole program, closed on HELP_QUIT.
#include "platform/help_engine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>

#include "platform/msgbox.h"

namespace {
QPointer<QTextBrowser> viewer;
}

QWidget* HelpViewer() { return viewer; }

bool WinHelp(QWidget* owner, const QString& helpFile, unsigned command, unsigned long data) {
    Q_UNUSED(data);
    if (command == HELP_QUIT) {
        delete viewer;
        return true;
    }
    if (command != HELP_CONTENTS) return false;
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(QCoreApplication::translate("Help", "Cannot find the help file %1. The help contents cannot be shown.").arg(helpFile), owner);
        return false;
    }
    if (!viewer) {
        // A window of its own, like the platform's help viewer, but closed with the game.
        viewer = new QTextBrowser();
        viewer->setObjectName("helpViewer");
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setOpenExternalLinks(false);
        viewer->resize(640, 560);
        viewer->setSearchPaths({QFileInfo(helpFile).absolutePath()});
    }
    viewer->setHtml(QString::fromUtf8(file.readAll()));
    viewer->setWindowTitle(viewer->documentTitle().isEmpty() ? QCoreApplication::translate("Help", "Pelorand Help") : viewer->documentTitle());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}
