// The puzzle on the table: the record, the head start, the verdict and the early ends.
#include "window/table.h"

#include <QTimer>

#include "engine/globals.h"
#include "engine/search.h"
#include "player/play_record.h"
#include "window/play_stats.h"
#include "window/settings.h"
#include "window/verdict_check.h"

Table::Table(QObject* parent) : QObject(parent), check_(new VerdictCheck(this)) {
    check_->OnVerdict = [this](const TableVerdict& v) { Offer(v); };
}

Table::~Table() = default;

void Table::Started() {
    const int headStart = StoredHeadStartSeconds();
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
    Record().Left();
    SaveRecord();
    check_->Cancel();
}

void Table::Offer(const TableVerdict& verdict) {
    // Deal, Shuffle and Open never wait for the worker: a verdict for another puzzle is late.
    if (verdict.player.cards != FaceCardValues() || verdict.player.answer != Deck[DeckPos]) return;
    verdict_ = std::make_unique<TableVerdict>(verdict);
    if (verdict.player.status == PlayerVerdict::Status::Complete && (verdict.player.answers == 0 || verdict.level > 0))
        Record().LevelKnown(verdict.player.answers == 0 ? 0 : verdict.level);
    emit VerdictChanged();
}

void Table::GiveUp() {
    if (!HeadStartRunning()) return;
    RecordEnd(PlayRecord::End::GaveUp);
    ::GiveUp();
}

void Table::PlayerSolved(const std::u16string& solutionText) {
    ::GiveUp();  // a head start still running ends with the puzzle
    Solving = false;  // the search for this puzzle ends, as after its own success
    SolnText = solutionText;
    emit SolvedFirst(solutionText);
}

void Table::SetProgress(const QString& text) {
    progress_ = text;
    emit ProgressChanged(text);
}

bool Table::CountingDown() const { return HeadStartRunning(); }
