// The verdict on the puzzle on the table, worked out by the exact solver on a worker thread.
#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

#include "solver/solver.h"

// Start hands the solver its own copy of the cards; the verdicts come back as queued calls to
// OnVerdict on the window's thread, between search steps: first whether there is any
// solution, then the running count of a long count, then the full count. A new Start cancels the check before it at once and never
// waits for it; a verdict always names the puzzle it answers, so the window can drop a late one.
class VerdictCheck : public QObject {
    Q_OBJECT
public:
    explicit VerdictCheck(QObject* parent = nullptr);
    ~VerdictCheck() override;  // cancels, then waits for the worker: it may still be posting

    void Start(std::vector<int> cards, int answer);
    void Cancel();

    std::function<void(const SolveVerdict&)> OnVerdict;

private:
    void Post(SolveVerdict verdict);

    QThreadPool pool_;
    std::stop_source stop_;
};

// The panel's words for a verdict: "No solution", "1 solution", "12 solutions", or
// "At least 4 solutions" while the count is still running.
QString VerdictText(const SolveVerdict& verdict);
