// Entry point: the jobs that need no display, or the Qt application around the game's loop.
#include <QApplication>
#include <QStringList>

#include <iostream>

#include "cli/command_line.h"
#include "engine/mainloop.h"
#include "window/loop_host.h"

int main(int argc, char* argv[]) {
    // Decided before any application object exists: --solve must work without a display.
    const CommandLineRequest request = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (request.kind != CommandLineRequest::Kind::Game) return RunCommandLine(request, std::cout, std::cerr);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Pelorand");
    QApplication::setQuitOnLastWindowClosed(false);  // the loop ends when the game window closes
    // The whole command line is one deck file name, spaces and all.
    QtLoopHost host(QApplication::arguments().mid(1).join(' '));
    Main(host);
    return 0;
}
