// The solver's worker: one thread, low priority, stop on every new request.
#include "window/verdict_check.h"

#include <QMetaObject>
#include <QThread>

#include <chrono>

VerdictCheck::VerdictCheck(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    pool_.setThreadPriority(QThread::LowPriority);  // the search and the window come first
}

VerdictCheck::~VerdictCheck() {
    Cancel();
    pool_.waitForDone();
}

void VerdictCheck::Cancel() {
    stop_.request_stop();
    pool_.clear();  // requests not yet started are dropped outright
}

void VerdictCheck::Start(std::vector<int> cards, int answer) {
    Cancel();
    stop_ = std::stop_source();
    pool_.start([this, cards = std::move(cards), answer, stop = stop_.get_token()] {
        SolveVerdict any = Solve(cards, answer, SolveMode::FirstSolution, 1, stop);  // one, for hints
        if (any.status == SolveVerdict::Status::Cancelled) return;
        Post(any);
        if (any.counted) return;  // went through everything: no solution, nothing left to count
        // A long count (seven cards) shows its running total, a few times a second.
        auto shown = std::chrono::steady_clock::now();
        auto running = [&](const SolveVerdict& sofar) {
            const auto now = std::chrono::steady_clock::now();
            if (now - shown < std::chrono::milliseconds(250) || sofar.solutions == 0) return;
            shown = now;
            Post(sofar);
        };
        SolveVerdict all = Solve(cards, answer, SolveMode::CountAll, 0, stop, running);
        if (all.status == SolveVerdict::Status::Cancelled) return;
        Post(std::move(all));
    });
}

void VerdictCheck::Post(SolveVerdict verdict) {
    // Runs on the worker; the call itself is delivered on this object's thread.
    QMetaObject::invokeMethod(
        this, [this, verdict = std::move(verdict)] {
            if (OnVerdict) OnVerdict(verdict);
        },
        Qt::QueuedConnection);
}

QString VerdictText(const SolveVerdict& verdict) {
    if (verdict.status != SolveVerdict::Status::Complete) return "Checking...";
    const QString n = QString::number(verdict.solutions);
    if (!verdict.counted) return "At least " + n + (verdict.solutions == 1 ? " solution" : " solutions");
    if (verdict.solutions == 0) return "No solution";
    return verdict.solutions == 1 ? "1 solution" : n + " solutions";
}
