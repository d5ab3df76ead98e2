// The verdict on the puzzle on the table, worked out by the exact solvers on a worker thread.
#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

#include "deal/level.h"
#include "player/player_solver.h"

// What the panel says: the player's answers, and whether the computer's search can ever find one.
struct TableVerdict {
    enum class Computer { Checking, CanFind, Never };
    PlayerVerdict player;  // names the puzzle it answers
    int level = -1;        // 1..5 once known (deal/level.h); -1 while it is worked out
    LevelReason reason;    // why, once the level is known
    Computer computer = Computer::Checking;
};

// Start hands the solvers their own copy of the cards; the worker starts at the next delivery
// of events, and the verdicts come back as queued calls to OnVerdict on the window's thread,
// between search steps: first the player's answers, then (when there are any) the puzzle's
// level, then whether the computer's own search could ever find one. A new Start cancels the
// check before it at once and never waits for it; a verdict always names the puzzle it
// answers, so the window can drop a late one.
class VerdictCheck : public QObject {
    Q_OBJECT
public:
    explicit VerdictCheck(QObject* parent = nullptr);
    ~VerdictCheck() override;  // cancels, then waits for the worker: it may still be posting

    // ops: the answers counted and rated, and the computer's operators, are those it allows.
    void Start(std::vector<int> cards, int answer, OperatorOrder order = OperatorOrder::Game, AllowedOperations ops = AllowedOperations::All);
    void Cancel();

    std::function<void(const TableVerdict&)> OnVerdict;

private:
    void Launch(std::vector<int> cards, int answer, OperatorOrder order, AllowedOperations ops, std::stop_token stop);
    void Post(TableVerdict verdict);

    QThreadPool pool_;
    std::stop_source stop_;
};

// The panel's words for a verdict: "No solution", "1 answer", "1,234 answers" (as the locale
// writes numbers), then the level as stars ("12 answers · ★★☆☆☆"), and " · beyond the
// computer" when its search can never find one.
QString VerdictText(const TableVerdict& verdict);
// The same for a screen reader: "Verdict: 12 answers, difficulty 2 of 5, beyond the computer".
QString VerdictAccessibleName(const TableVerdict& verdict);
// What the panel says instead while it keeps the verdict (a puzzle may have no answer on
// purpose, and the count would tell): its text, its name for a screen reader, its tooltip.
QString KeptVerdictText();
QString KeptVerdictAccessibleName();
QString KeptVerdictToolTip();
// The widest the panel ever says: 99,999 answers, five stars, beyond the computer.
QString LongestVerdictText();
// The panel's tooltip: the whole text, and once the level is known a line saying why
// ("Level 4: the easiest answer needs a division").
QString VerdictToolTip(const TableVerdict& verdict);
// "the easiest answer needs a division": the words for a reason, telling no step of the answer.
QString LevelReasonText(const LevelReason& reason);
