// The solver's worker: one thread, low priority, stop on every new request.
#include "window/verdict_check.h"

#include <QLocale>
#include <QMetaObject>
#include <QThread>

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

void VerdictCheck::Start(std::vector<int> cards, int answer, OperatorOrder order) {
    Cancel();
    stop_ = std::stop_source();
    pool_.start([this, cards = std::move(cards), answer, order, stop = stop_.get_token()] {
        TableVerdict verdict;
        verdict.player = SolveForPlayer(cards, answer, 20, stop);
        if (verdict.player.status == PlayerVerdict::Status::Cancelled) return;
        Post(verdict);
        if (verdict.player.answers == 0) return;  // nothing for the computer to find either
        const LevelFacts facts = FactsOf(cards, answer, stop);
        if (stop.stop_requested()) return;
        verdict.level = Level(facts);
        verdict.reason = ReasonOf(facts);
        Post(verdict);
        // The computer's search stops at its first hit; with none it goes through every attempt.
        const SolveVerdict computer = Solve(cards, answer, SolveMode::FirstSolution, 0, stop, {}, order);
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
    const uint64_t n = verdict.player.answers;
    return n == 1 ? QString("1 answer") : QLocale().toString(static_cast<qulonglong>(n)) + " answers";
}

}  // namespace

QString VerdictText(const TableVerdict& verdict) {
    if (verdict.player.status != PlayerVerdict::Status::Complete) return "Checking...";
    if (verdict.player.answers == 0) return "No solution";
    const QString dot = QString::fromUtf8(" \u00B7 ");
    QString text = Answers(verdict);
    if (verdict.level >= 1)
        text += dot + QString(verdict.level, QChar(0x2605)) + QString(5 - verdict.level, QChar(0x2606));  // filled, then empty stars
    if (verdict.computer == TableVerdict::Computer::Never) text += dot + "beyond the computer";
    return text;
}

QString VerdictAccessibleName(const TableVerdict& verdict) {
    if (verdict.player.status != PlayerVerdict::Status::Complete || verdict.player.answers == 0) return "Verdict: " + VerdictText(verdict);
    QString name = "Verdict: " + Answers(verdict);
    if (verdict.level >= 1) name += QString(", difficulty %1 of 5").arg(verdict.level);
    if (verdict.computer == TableVerdict::Computer::Never) name += ", beyond the computer";
    return name;
}

QString LevelReasonText(const LevelReason& reason) {
    using Kind = LevelReason::Kind;
    const auto n = static_cast<qlonglong>(reason.number);
    switch (reason.kind) {
    case Kind::NoAnswer: return "it has no answer";
    case Kind::NeedsFraction: return "the easiest answer needs a fraction part-way";
    case Kind::Division: return n == 1 ? QString("the easiest answer needs a division") : QString("the easiest answer needs %1 divisions").arg(n);
    case Kind::LargeNumber: return "the easiest answer passes the answer card on the way";
    case Kind::FewWays:
        return n == 1 ? QString("only one last step reaches the answer") : QString("only %1 different last steps reach the answer").arg(n);
    case Kind::CardValues: return QString("%1 different card values to use, and no shortcut").arg(n);
    case Kind::ByOne: return "a 1 to spare: the easiest answer multiplies or divides by 1";
    case Kind::Additions: return "the easiest answer just adds up";
    case Kind::ManyWays: return QString("%1 different last steps reach the answer").arg(n);
    case Kind::RepeatedCards: return n == 1 ? QString("only one card value") : QString("only %1 different card values").arg(n);
    case Kind::SmallNumbers: return "the easiest answer keeps to small numbers";
    }
    return {};
}

QString VerdictToolTip(const TableVerdict& verdict) {
    QString tip = VerdictText(verdict);
    if (verdict.player.status == PlayerVerdict::Status::Complete && verdict.level >= 1)
        tip += QString("\nLevel %1: %2").arg(verdict.level).arg(LevelReasonText(verdict.reason));
    return tip;
}
