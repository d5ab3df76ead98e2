// The real idle loop: search steps per second while searching (alone, and beside the exact
// solver on another thread) against its ceiling, two steps per 1 ms sleep as this machine
// sleeps it, measured in the same run; processor use while idle.
// Runs the game (splash, window, loop) on whatever Qt platform is set, with its own settings.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <thread>

#include "engine/globals.h"
#include "engine/mainloop.h"
#include "platform/process.h"
#include "platform/settings_store.h"
#include "platform/sleep.h"
#include "solver/solver.h"
#include "window/frmmain.h"
#include "window/loop_host.h"

namespace {

double Now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

// How long the loop's 1 ms sleep takes here, with the timer as the loop has it while searching:
// each searching pass sleeps once and makes two steps, so 2 / this is the loop's ceiling.
double SleepOneSeconds() {
    FineTimer(true);
    const int n = 300;
    const double start = Now();
    for (int i = 0; i < n; ++i) Sleep(1);
    const double each = (Now() - start) / n;
    FineTimer(false);
    return each;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    QTemporaryDir dir;
    SetSettingsLocation(ScratchSettingsLocation(dir.path()));
    const double sleepOne = SleepOneSeconds();
    const double ceiling = 2 / sleepOne;
    std::printf("a 1 ms sleep takes %.3f ms here: the loop's ceiling is %.0f steps a second\n", sleepOne * 1000, ceiling);

    double start = 0, cpuStart = 0;
    int32_t steps = 0;
    std::thread solver;
    std::stop_source stopSolver;
    QTimer::singleShot(0, [&] {
        // Three ones can never make 50: the search runs for the whole measurement.
        MainWindow()->cmdDeal_Click();
        FaceCards = 3;
        for (int16_t i = 0; i < 3; ++i) Deck[RingPos(DeckPos, 3, i)] = 1;
        Deck[DeckPos] = 50;
        StepCount = 0;
        start = Now();
    });
    // Steps per second since start, under a label.
    auto report = [&](const char* label) {
        steps = StepCount;
        const double searched = Now() - start;
        const double rate = steps / searched;
        std::printf("search steps per second %s: %.0f (%d steps in %.2f s), %.1f%% of the ceiling\n", label, rate, steps, searched,
                    100 * rate / ceiling);
    };
    QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
        report("in the idle loop");
        // The same loop while the solver works on another thread, as the verdict panel's worker
        // does: the loop must keep its pace. Walking every attempt of seven cards keeps the worker
        // busy for the whole measurement (a count by value would be over in a fraction of it).
        solver = std::thread([&] {
            Solve({16, 18, 22, 12, 9, 23, 13}, 5, SolveMode::WalkAll, 0, stopSolver.get_token());
        });
        StepCount = 0;
        start = Now();
    });
    QTimer::singleShot(static_cast<int>(seconds * 2000), [&] {
        report("while the solver counts on another thread");
        stopSolver.request_stop();
        solver.join();
        Solving = false;
        start = Now();
        cpuStart = ProcessCpuSeconds();
    });
    QTimer::singleShot(static_cast<int>(seconds * 3000), [&] {
        double used = (ProcessCpuSeconds() - cpuStart) / (Now() - start);
        std::printf("processor use while idle: %.2f%% of one core\n", used * 100);
        std::printf("peak memory (resident): %s\n", qPrintable(PeakMemory()));
        RemoveSettingsLocation(SettingsLocation());
        MainWindow()->close();
    });
    QtLoopHost host({});
    Main(host);
    return 0;
}
