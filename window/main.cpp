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
#include "platform/process.h"
#include "window/deferred_icon.h"
#include "window/loop_host.h"
#include "window/settings.h"
#include "window/startup_trace.h"

#ifndef PELORAND_CONSOLE_TWIN
#define PELORAND_CONSOLE_TWIN 0
#endif

namespace {

// pelorand.com, the console twin of pelorand.exe on Windows: the same program, but a console
// waits for it and takes its exit status.
constexpr bool ConsoleTwin = PELORAND_CONSOLE_TWIN;

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
    if (request.kind != CommandLineRequest::Kind::Game) UseParentConsole();
    if (request.kind == CommandLineRequest::Kind::Game && ConsoleTwin) {
        // Typed in a console: the game opens in its own window and the prompt comes back.
        return StartProgram(ProgramFolder() + "/pelorand.exe", CommandLineText()) ? 0 : 1;
    }
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
    QtLoopHost host(CommandLineText());
    Main(host);
    return 0;
}
