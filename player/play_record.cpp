// The record of play, its rows, the text it is kept in and its spreadsheet form.
#include "player/play_record.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "lang/translate.h"

std::optional<int64_t> RecordRow::Best() const {
    if (times.empty()) return std::nullopt;
    return *std::min_element(times.begin(), times.end());
}

std::optional<int64_t> RecordRow::Median() const {
    if (times.empty()) return std::nullopt;
    std::vector<int64_t> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t mid = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}

void PlayRecord::Count(Puzzle& p) {
    if (p.counted) return;
    p.counted = true;
    ++RowOf(p).dealt;
}

void PlayRecord::Started(int cards, int64_t nowMs, bool headStart) {
    Left();
    open_ = Puzzle{cards, 0, nowMs, nowMs};
    open_->raced = headStart;
}

void PlayRecord::Seen() {
    if (open_) open_->seen = true;
}

void PlayRecord::LevelKnown(int level) {
    if (open_ && !open_->counted) open_->level = level;  // a counted puzzle keeps its row
}

void PlayRecord::Ended(End how, int64_t nowMs) {
    if (!open_ || open_->ended) return;
    Puzzle& p = *open_;
    p.ended = true;
    p.how = how;
    p.played = true;
    p.seen = true;
    p.endMs = nowMs;
    Count(p);
    RecordRow& row = RowOf(p);
    switch (how) {
    case End::SolvedAlone:
        ++row.solved;
        row.longestRun = std::max(row.longestRun, ++row.currentRun);
        break;
    case End::SolvedWithHints:
        ++row.withHints;
        row.currentRun = 0;
        break;
    case End::ComputerFirst:
        ++row.computerFirst;
        row.currentRun = 0;
        break;
    case End::GaveUp:
        ++row.gaveUp;
        row.currentRun = 0;
        break;
    }
    if (how == End::SolvedAlone || how == End::SolvedWithHints) {
        row.times.push_back(std::max<int64_t>(0, nowMs - p.startMs));
        if (row.times.size() > KeptTimes) row.times.erase(row.times.begin());
    }
}

std::optional<int64_t> PlayRecord::Elapsed(int64_t nowMs) const {
    if (!open_) return std::nullopt;
    return std::max<int64_t>(0, (open_->ended ? open_->endMs : nowMs) - open_->startMs);
}

std::optional<PlayRecord::End> PlayRecord::Settle(int64_t nowMs) {
    if (!open_->played || !open_->raced || !open_->computerHit) return std::nullopt;
    Ended(End::ComputerFirst, nowMs);
    return End::ComputerFirst;
}

std::optional<PlayRecord::End> PlayRecord::Opened(int64_t nowMs) {
    if (!open_ || open_->ended) return std::nullopt;
    open_->played = true;
    open_->seen = true;
    return Settle(nowMs);
}

std::optional<PlayRecord::End> PlayRecord::Played(int64_t nowMs) {
    if (!open_ || open_->ended) return std::nullopt;
    open_->played = true;
    open_->seen = true;
    if (!open_->computerHit) open_->raced = true;
    return Settle(nowMs);
}

PlayRecord::Right PlayRecord::RightAnswer(bool withHints, int64_t nowMs) {
    Right right;
    if (!open_) return right;
    if (open_->ended && open_->how == End::ComputerFirst) {
        right.computerFirst = true;
        return right;
    }
    right.first = open_->raced && !open_->computerHit;
    if (!open_->ended) {
        right.ended = withHints ? End::SolvedWithHints : End::SolvedAlone;
        Ended(*right.ended, nowMs);
    }
    return right;
}

PlayRecord::Right PlayRecord::ClaimedNoAnswer(bool right, bool withHints, int64_t nowMs) {
    if (!right) {
        Played(nowMs);
        return {};
    }
    return RightAnswer(withHints, nowMs);
}

std::optional<PlayRecord::End> PlayRecord::ComputerHit(int64_t nowMs) {
    if (!open_) return std::nullopt;
    open_->computerHit = true;  // after a give-up too: a right answer then is no longer first
    if (open_->ended) return std::nullopt;
    return Settle(nowMs);
}

void PlayRecord::Left() {
    if (!open_) return;
    if (!open_->seen) {  // replaced before the player could see it
        open_.reset();
        return;
    }
    if (!open_->ended) {
        Count(*open_);
        // A puzzle tried and left breaks the run; one passed over unplayed does not.
        if (open_->played) RowOf(*open_).currentRun = 0;
    }
    open_.reset();
}

namespace {

// Counts add up to at most the largest count, never round to small ones (a hand-edited file).
uint64_t Plus(uint64_t a, uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }

}  // namespace

uint64_t PlayRecord::Sum(uint64_t RecordRow::*field) const {
    uint64_t n = 0;
    for (const auto* rows : {&rows_, &firstRows_})
        for (const auto& [key, row] : *rows) n = Plus(n, row.*field);
    return n;
}

uint64_t PlayRecord::PlayerFirst() const { return Plus(Plus(Sum(&RecordRow::solved), Sum(&RecordRow::withHints)), earlier_.player); }

uint64_t PlayRecord::HintsFirst() const { return Plus(Sum(&RecordRow::withHints), earlier_.hints); }

uint64_t PlayRecord::ComputerFirst() const { return Plus(Sum(&RecordRow::computerFirst), earlier_.computer); }

void PlayRecord::CarryTally(uint64_t player, uint64_t hints, uint64_t computer) {
    // Only what the rows do not hold already: the tally counted every win the rows did.
    auto beyond = [](uint64_t tally, uint64_t inRows) { return tally > inRows ? tally - inRows : 0; };
    earlier_.player = std::max(earlier_.player, beyond(player, Plus(Sum(&RecordRow::solved), Sum(&RecordRow::withHints))));
    earlier_.hints = std::max(earlier_.hints, beyond(hints, Sum(&RecordRow::withHints)));
    earlier_.computer = std::max(earlier_.computer, beyond(computer, Sum(&RecordRow::computerFirst)));
}

void PlayRecord::Reset() {
    rows_.clear();
    firstRows_.clear();
    earlier_ = {};
    if (open_) {
        open_->counted = false;
        open_->ended = false;
        open_->how.reset();
    }
}

std::map<std::string, std::string> PlayRecord::Save() const {
    std::map<std::string, std::string> out;
    for (const auto* rows : {&rows_, &firstRows_}) {
        for (const auto& [key, row] : *rows) {
            std::ostringstream text;
            text << row.dealt << ' ' << row.solved << ' ' << row.withHints << ' ' << row.computerFirst << ' ' << row.gaveUp << ' '
                 << row.currentRun << ' ' << row.longestRun;
            for (int64_t t : row.times) text << ' ' << t;
            out[std::to_string(key.first) + "_" + std::to_string(key.second) + (rows == &rows_ ? "_r2" : "")] = text.str();
        }
    }
    return out;
}

namespace {

struct RowKey {
    int cards = 0, level = 0;
    bool current = false;  // the current rating's ("5_3_r2"), else the first's ("5_3")
};

std::optional<RowKey> ParseRowKey(const std::string& key) {
    const bool current = key.size() == 6 && key.compare(3, 3, "_r2") == 0;
    if ((key.size() != 3 && !current) || key[1] != '_' || key[0] < '3' || key[0] > '7' || key[2] < '0' || key[2] > '5') return std::nullopt;
    return RowKey{key[0] - '0', key[2] - '0', current};
}

std::optional<RecordRow> ParseRow(const std::string& text) {
    RecordRow row;
    std::istringstream v(text);
    if (!(v >> row.dealt >> row.solved >> row.withHints >> row.computerFirst >> row.gaveUp >> row.currentRun >> row.longestRun))
        return std::nullopt;
    int64_t t = 0;
    while (v >> t)
        if (t >= 0) row.times.push_back(t);
    if (!v.eof()) return std::nullopt;  // something that is not a time: the row is not ours
    if (row.times.size() > PlayRecord::KeptTimes) row.times.erase(row.times.begin(), row.times.end() - PlayRecord::KeptTimes);
    return row;
}

}  // namespace

void PlayRecord::Load(const std::map<std::string, std::string>& saved) {
    rows_.clear();
    firstRows_.clear();
    for (const auto& [key, value] : saved) {
        const std::optional<RowKey> at = ParseRowKey(key);
        if (!at) continue;
        const std::optional<RecordRow> row = ParseRow(value);
        if (!row) continue;
        (at->current ? rows_ : firstRows_)[{at->cards, at->level}] = *row;
    }
}

bool PlayRecord::IsRowKey(const std::string& key) { return ParseRowKey(key).has_value(); }

bool PlayRecord::IsRowText(const std::string& text) { return ParseRow(text).has_value(); }

std::string PlayRecord::EarlierText() const {
    return std::to_string(earlier_.player) + ' ' + std::to_string(earlier_.hints) + ' ' + std::to_string(earlier_.computer);
}

bool PlayRecord::LoadEarlier(const std::string& text) {
    EarlierWins read;
    std::istringstream v(text);
    // Whole numbers from 0 up only: a stream reads "-1" into an unsigned count as its largest.
    if (text.find('-') != std::string::npos || !(v >> read.player >> read.hints >> read.computer)) return false;
    v >> std::ws;
    if (!v.eof()) return false;
    earlier_ = read;
    return true;
}

std::string PlayRecord::Csv() const {
    std::ostringstream out;
    //: the header row of the exported statistics, one column name each between the commas
    out << lang::translate("PlayRecord", "Cards,Level,Dealt,Solved,Solved with hints,Computer first,Given up,Best time (s),Median time (s),Current run,"
                                             "Longest run") << "\r\n";
    auto seconds = [](std::optional<int64_t> ms) {
        if (!ms) return std::string();
        std::ostringstream s;
        s << *ms / 1000 << '.' << (*ms % 1000) / 100;
        return s.str();
    };
    for (const auto* rows : {&rows_, &firstRows_}) {
        for (const auto& [key, row] : *rows) {
            out << key.first << ',' << RecordLevelText(key.second, rows == &firstRows_) << ',' << row.dealt << ',' << row.solved << ','
                << row.withHints << ',' << row.computerFirst << ',' << row.gaveUp << ',' << seconds(row.Best()) << ','
                << seconds(row.Median()) << ',' << row.currentRun << ',' << row.longestRun << "\r\n";
        }
    }
    return out.str();
}

std::string ClockText(int64_t ms) {
    const int64_t s = std::max<int64_t>(0, ms) / 1000;
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                      static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(s / 60), static_cast<long long>(s % 60));
    return text;
}

std::string AnswerTimeText(int64_t ms) {
    if (ms >= 60'000) return ClockText(ms);
    const int64_t tenths = std::max<int64_t>(0, ms) / 100;
    //: a time to a right answer: "1.9 s" (seconds and tenths)
    return lang::Args(lang::translate("PlayRecord", "%1.%2 s"), {std::to_string(tenths / 10), std::to_string(tenths % 10)});
}

std::string RecordLevelText(int level, bool firstRating) {
    const std::string shown = level ? std::to_string(level) : lang::translate("PlayRecord", "none");
    return firstRating ? lang::Args(lang::translate("PlayRecord", "%1 (old rating)"), {shown}) : shown;
}
