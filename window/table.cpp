// The puzzle on the table: the record, the head start, the verdict and the early ends.
#include "window/table.h"

#include <QCoreApplication>
#include <QTimer>

#include "deal/dealing.h"

#include "engine/globals.h"
#include "engine/search.h"
#include "player/play_record.h"
#include "player/player_solver.h"
#include "window/play_stats.h"
#include "window/settings.h"
#include "window/verdict_check.h"

Table::Table(QObject* parent) : QObject(parent), check_(new VerdictCheck(this)) {
    check_->OnVerdict = [this](const TableVerdict& v) { Offer(v); };
}

Table::~Table() = default;

void Table::Started() {
    noAnswers_ = LetsNoAnswerThrough(StoredDealRule(), FaceCards);
    // Where a puzzle may have no answer on purpose, the computer's silence would give it away.
    const int headStart = noAnswers_ ? -1 : StoredHeadStartSeconds();
    LogLeft();  // the puzzle before, played and unended, is logged as left
    LogStarted(FaceCardValues(), Deck[DeckPos]);
    Record().Started(FaceCards, NowMs(), headStart != 0);  // the puzzle before leaves the record's table
    SaveRecord();
    // Seen once the window shows it: the first of two deals in one command is never counted.
    QTimer::singleShot(0, this, [] { Record().Seen(); });
    BeginHeadStart(headStart);
    verdict_.reset();
    check_->Start(FaceCardValues(), Deck[DeckPos], SearchOrder, SearchOperations);
    emit VerdictChanged();
    emit NewPuzzle();
}

void Table::Closed() {
    LogLeft();
    Record().Left();
    SaveRecord();
    check_->Cancel();
}

void Table::Offer(const TableVerdict& verdict) {
    // Deal, Shuffle and Open never wait for the worker: a verdict for another puzzle is late.
    if (verdict.player.cards != FaceCardValues() || verdict.player.answer != Deck[DeckPos]) return;
    verdict_ = std::make_unique<TableVerdict>(verdict);
    if (const int level = KnownLevel(); level >= 0) {
        Record().LevelKnown(level);
        LogLevelKnown(level);
    }
    emit VerdictChanged();
}

int Table::KnownLevel() const {
    if (!verdict_) return -1;
    const TableVerdict& v = *verdict_;
    if (v.player.status != PlayerVerdict::Status::Complete || (v.player.answers != 0 && v.level <= 0)) return -1;
    return v.player.answers == 0 ? 0 : v.level;
}

void Table::SwitchPlayer(const QString& player) {
    ::SwitchPlayer(player, FaceCardValues(), Deck[DeckPos], KnownLevel());
    emit PlayerChanged();
}

void Table::GiveUp() {
    if (!HeadStartRunning()) return;
    RecordEnd(PlayRecord::End::GaveUp);
    ::GiveUp();
    emit VerdictChanged();  // a kept verdict shows once the puzzle is over
}

void Table::PlayerSolved(const std::u16string& solutionText) {
    ::GiveUp();  // a head start still running ends with the puzzle
    Solving = false;  // the search for this puzzle ends, as after its own success
    SolnText = solutionText;
    emit SolvedFirst(solutionText);
    emit VerdictChanged();
}

bool Table::KeepsVerdict() const { return noAnswers_ && !Record().HasEnded(); }

Table::NoAnswerClaim Table::ClaimNoAnswer(bool withHints) {
    NoAnswerClaim claim;
    claim.right = !PlayerCanSolve(FaceCardValues(), Deck[DeckPos], SearchOperations);
    claim.record = RecordNoAnswerClaim(claim.right, withHints);
    if (claim.record.ended && claim.record.first)
        PlayerSolved(QCoreApplication::translate("Table", "There is no answer: these cards cannot make %1.").arg(Deck[DeckPos]).toStdU16String());
    else if (claim.record.ended)
        emit VerdictChanged();
    return claim;
}

void Table::SetProgress(const QString& text) {
    progress_ = text;
    emit ProgressChanged(text);
}

bool Table::CountingDown() const { return HeadStartRunning(); }
