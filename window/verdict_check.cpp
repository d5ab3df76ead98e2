// The solver's worker: one thread, low priority, stop on every new request.
#include "window/verdict_check.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <limits>

#include "deal/level.h"
#include "solver/solver.h"

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

void VerdictCheck::Start(std::vector<int> cards, int answer, OperatorOrder order, AllowedOperations ops) {
    Cancel();
    stop_ = std::stop_source();
    // The worker starts at the next delivery of events: the first deal happens while the game
    // window is being built, and until it is on the screen the processors belong to the window
    // system. A Start or Cancel before then stops it from starting at all.
    QTimer::singleShot(0, this, [this, cards = std::move(cards), answer, order, ops, stop = stop_.get_token()]() mutable {
        if (!stop.stop_requested()) Launch(std::move(cards), answer, order, ops, stop);
    });
}

void VerdictCheck::Launch(std::vector<int> cards, int answer, OperatorOrder order, AllowedOperations ops, std::stop_token stop) {
    pool_.start([this, cards = std::move(cards), answer, order, ops, stop] {
        TableVerdict verdict;
        verdict.player = SolveForPlayer(cards, answer, 20, stop, PartWay::Any, ops);
        if (verdict.player.status == PlayerVerdict::Status::Cancelled) return;
        Post(verdict);
        if (verdict.player.answers == 0) return;  // nothing for the computer to find either
        const LevelFacts facts = FactsOf(cards, answer, stop, FittedWeights, ops);
        if (stop.stop_requested()) return;
        verdict.level = Level(facts);
        verdict.reason = ReasonOf(facts);
        Post(verdict);
        // The computer's search stops at its first hit; with none it goes through every attempt.
        const SolveVerdict computer = Solve(cards, answer, SolveMode::FirstSolution, 0, stop, {}, order, ops);
        if (computer.status == SolveVerdict::Status::Cancelled) return;
        verdict.computer = computer.solutions > 0 ? TableVerdict::Computer::CanFind : TableVerdict::Computer::Never;
        Post(std::move(verdict));
    });
}

void VerdictCheck::Post(TableVerdict verdict) {
    // Runs on the worker; the call itself is delivered on this object's thread.
    QMetaObject::invokeMethod(
        this, [this, verdict = std::move(verdict)] {
            if (OnVerdict) OnVerdict(verdict);
        },
        Qt::QueuedConnection);
}

namespace {

QString Answers(const TableVerdict& verdict) {
    const int n = static_cast<int>(std::min<uint64_t>(verdict.player.answers, std::numeric_limits<int>::max()));
    return QCoreApplication::translate("Verdict", "%Ln answer(s)", nullptr, n);
}

}  // namespace

QString VerdictText(const TableVerdict& verdict) {
    if (verdict.player.status != PlayerVerdict::Status::Complete) return QCoreApplication::translate("Verdict", "Checking...");
    if (verdict.player.answers == 0) return QCoreApplication::translate("Verdict", "No solution");
    const QString dot = QString::fromUtf8(" \u00B7 ");
    QString text = Answers(verdict);
    if (verdict.level >= 1)
        text += dot + QString(verdict.level, QChar(0x2605)) + QString(5 - verdict.level, QChar(0x2606));  // filled, then empty stars
    if (verdict.computer == TableVerdict::Computer::Never) text += dot + QCoreApplication::translate("Verdict", "beyond the computer");
    return text;
}

QString VerdictAccessibleName(const TableVerdict& verdict) {
    if (verdict.player.status != PlayerVerdict::Status::Complete || verdict.player.answers == 0)
        return QCoreApplication::translate("Verdict", "Verdict: %1").arg(VerdictText(verdict));
    const bool level = verdict.level >= 1, never = verdict.computer == TableVerdict::Computer::Never;
    if (level && never)
        return QCoreApplication::translate("Verdict", "Verdict: %1, difficulty %2 of 5, beyond the computer").arg(Answers(verdict)).arg(verdict.level);
    if (level) return QCoreApplication::translate("Verdict", "Verdict: %1, difficulty %2 of 5").arg(Answers(verdict)).arg(verdict.level);
    if (never) return QCoreApplication::translate("Verdict", "Verdict: %1, beyond the computer").arg(Answers(verdict));
    return QCoreApplication::translate("Verdict", "Verdict: %1").arg(Answers(verdict));
}

QString KeptVerdictText() { return QCoreApplication::translate("Verdict", "Answers: a secret till the end"); }

QString KeptVerdictAccessibleName() {
    return QCoreApplication::translate("Verdict", "Verdict: the number of answers is a secret until the puzzle is over");
}

QString KeptVerdictToolTip() {
    return QCoreApplication::translate("Verdict", "Now and then a puzzle has no answer,\nso the number of answers shows only once this puzzle is over:\n"
                                                  "when you solve it, say \"No answer\" rightly, or give up.");
}

QString LongestVerdictText() {
    TableVerdict v;
    v.player.answers = 99999;
    v.level = 5;
    v.computer = TableVerdict::Computer::Never;
    return VerdictText(v);
}

QString LevelReasonText(const LevelReason& reason) {
    using Kind = LevelReason::Kind;
    const auto n = static_cast<qlonglong>(reason.number);
    const int count = static_cast<int>(std::min<qlonglong>(n, std::numeric_limits<int>::max()));
    switch (reason.kind) {
    case Kind::NoAnswer: return QCoreApplication::translate("Verdict", "it has no answer");
    case Kind::NeedsFraction: return QCoreApplication::translate("Verdict", "the easiest answer needs a fraction part-way");
    case Kind::Division:
        return n == 1 ? QCoreApplication::translate("Verdict", "the easiest answer needs a division")
                      : QCoreApplication::translate("Verdict", "the easiest answer needs %n divisions", nullptr, count);
    case Kind::LargeNumber: return QCoreApplication::translate("Verdict", "the easiest answer passes the answer card on the way");
    case Kind::FewWays:
        return n == 1 ? QCoreApplication::translate("Verdict", "only one last step reaches the answer") : QCoreApplication::translate("Verdict", "only %1 different last steps reach the answer").arg(n);
    case Kind::CardValues: return QCoreApplication::translate("Verdict", "%1 different card values to use, and no shortcut").arg(n);
    case Kind::ByOne: return QCoreApplication::translate("Verdict", "a 1 to spare: the easiest answer multiplies or divides by 1");
    case Kind::Additions: return QCoreApplication::translate("Verdict", "the easiest answer just adds up");
    case Kind::ManyWays: return QCoreApplication::translate("Verdict", "%1 different last steps reach the answer").arg(n);
    case Kind::RepeatedCards: return n == 1 ? QCoreApplication::translate("Verdict", "only one card value") : QCoreApplication::translate("Verdict", "only %1 different card values").arg(n);
    case Kind::SmallNumbers: return QCoreApplication::translate("Verdict", "the easiest answer keeps to small numbers");
    }
    return {};
}

QString VerdictToolTip(const TableVerdict& verdict) {
    QString tip = VerdictText(verdict);
    if (verdict.player.status == PlayerVerdict::Status::Complete && verdict.level >= 1)
        tip += "\n" + QCoreApplication::translate("Verdict", "Level %1: %2").arg(verdict.level).arg(LevelReasonText(verdict.reason));
    return tip;
}
