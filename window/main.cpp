// Entry point: the Qt application around the game's own idle loop.
#include <QApplication>
#include <QStringList>

#include "engine/mainloop.h"
#include "window/loop_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pelorand");
    QApplication::setQuitOnLastWindowClosed(false);  // the loop ends when the game window closes
    // The whole command line is one deck file name, spaces and all.
    QtLoopHost host(QApplication::arguments().mid(1).join(' '));
    Main(host);
    return 0;
}
