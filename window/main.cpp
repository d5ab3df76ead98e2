// Entry point: the jobs that need no display, or the Qt application around the game's loop.
#include <QApplication>
#include <QGuiApplication>
#include <QStringList>

#include <iostream>

#include "cli/command_line.h"
#include "engine/mainloop.h"
#include "files/worksheet_print.h"
#include "lang/translate.h"
#include "platform/language.h"
#include "window/deferred_icon.h"
#include "window/loop_host.h"
#include "window/settings.h"
#include "window/startup_trace.h"

namespace {

// Whether the window system Qt will pick can be reached: an X or Wayland display for the
// usual platforms; any other platform (offscreen, a named plugin) is left to Qt.
bool DisplayAvailable(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0) return true;  // chosen on the command line: Qt's to judge
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

}  // namespace

int main(int argc, char* argv[]) {
    TraceStartup("main");
    // The command line speaks the environment's language, as GNU tools do; the game the one
    // chosen in Options (below), else the same.
    UseLanguage(SystemLanguage());
    // Decided before any application object exists: --solve must work without a display.
    const CommandLineRequest request = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (request.kind == CommandLineRequest::Kind::Worksheet) {
        // Paints a PDF, which needs fonts but never a screen; Qt's own notes about the missing
        // desktop session would only clutter a command's error output.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "pelorand: " << text.toStdString() << '\n';
        });
        QGuiApplication app(argc, argv);
        UseLanguage(SystemLanguage());  // again, now for the application's own texts too
        return RunWorksheetCommand(request, std::cout, std::cerr);
    }
    if (request.kind != CommandLineRequest::Kind::Game) return RunCommandLine(request, std::cout, std::cerr);
    if (!DisplayAvailable(argc, argv)) {
        std::cerr << lang::translate("Cli", "pelorand: the game needs a display; --solve, --check, --deal and --worksheet work without one (see --help)")
                  << '\n';
        return 1;
    }

    QApplication app(argc, argv);
    TraceStartup("QApplication made");
    QApplication::setApplicationName("Pelorand");
    DeferStyleIcons();
    UseLanguage(StartLanguage());
    QApplication::setQuitOnLastWindowClosed(false);  // the loop ends when the game window closes
    // The whole command line is one deck file name, spaces and all (Qt's own options aside).
    QStringList words = QApplication::arguments().mid(1);
    if (!words.isEmpty() && words.first() == "--") words.removeFirst();
    QtLoopHost host(words.join(' '));
    Main(host);
    return 0;
}
