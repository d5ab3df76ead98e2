// The real idle loop: search steps per second while searching (alone, and beside the exact
// solver on another thread), processor use while idle.
// Runs the game (splash, window, loop) on whatever Qt platform is set, with its own settings.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>

#include "engine/globals.h"
#include "engine/mainloop.h"
#include "platform/settings_store.h"
#include "solver/solver.h"
#include "window/frmmain.h"
#include "window/loop_host.h"

namespace {

double Now() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

double CpuSeconds() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// Peak resident memory of this process, from the kernel's own account.
std::string PeakMemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return line.substr(6);
    return " unknown";
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    QTemporaryDir dir;
    SetSettingsFile(dir.filePath("Pelorand.ini"));

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
        std::printf("search steps per second %s: %.0f (%d steps in %.2f s)\n", label, steps / searched, steps, searched);
    };
    QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
        report("in the idle loop (ceiling about 2000)");
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
        cpuStart = CpuSeconds();
    });
    QTimer::singleShot(static_cast<int>(seconds * 3000), [&] {
        double used = (CpuSeconds() - cpuStart) / (Now() - start);
        std::printf("processor use while idle: %.2f%% of one core\n", used * 100);
        std::printf("peak memory (resident):%s\n", PeakMemory().c_str());
        MainWindow()->close();
    });
    QtLoopHost host({});
    Main(host);
    return 0;
}
