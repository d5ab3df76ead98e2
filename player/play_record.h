// The record of play: per number of face cards and level, how the puzzles put on the table
// ended, the player's times to a right answer and runs of puzzles solved without hints.
// Each puzzle counts once: when it ends (the player's right answer, the computer's win, or
// giving up) or, unended, when it leaves the table; a puzzle replaced before the player could
// see it (the first of Options' two deals) does not count at all.
//
// The race: the player races the computer on a puzzle only when he gave it a head start or
// played the puzzle (picked a card, typed, checked) before its search hit. Only then can the
// computer win it. A puzzle the computer solved before the player started on it is no race:
// the player's right answer to it is his solved puzzle, with no point to the computer. And a
// puzzle dealt and passed over counts as dealt and nothing more: a race with a head start
// that the player never played is no win of the computer's either.
//
// The tally (the player's wins, of which with hints, and the computer's) is the record's own sum.
// Wins counted before the record kept rows (an older version's separate tally) cannot be put in
// rows; they are carried once into a count of their own beside the rows.
//
// Levels are those of the current rating (deal/level.h). Rows recorded while the first rating
// gave the levels cannot be rated again (the record keeps no puzzles), so they are kept apart
// as they were, shown and exported marked as such, and never added to.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct RecordRow {
    uint64_t dealt = 0;          // puzzles put on the table
    uint64_t solved = 0;         // solved by the player first, without hints
    uint64_t withHints = 0;      // solved by the player first, after a hint
    uint64_t computerFirst = 0;  // the computer's search found one first
    uint64_t gaveUp = 0;         // the player let the computer start
    uint64_t currentRun = 0;     // puzzles solved without hints in a row, up to now
    uint64_t longestRun = 0;
    std::vector<int64_t> times;  // milliseconds to each right answer, the latest KeptTimes

    std::optional<int64_t> Best() const;
    std::optional<int64_t> Median() const;
    bool operator==(const RecordRow&) const = default;
};

// Wins the record counts apart from its rows: those of the tally kept before the rows were.
struct EarlierWins {
    uint64_t player = 0;  // right answers first, with hints or without
    uint64_t hints = 0;   // of those, with hints
    uint64_t computer = 0;
    bool operator==(const EarlierWins&) const = default;
};

class PlayRecord {
public:
    static constexpr std::size_t KeptTimes = 500;  // enough for a steady median
    enum class End { SolvedAlone, SolvedWithHints, ComputerFirst, GaveUp };

    // The life of the puzzle on the table. Started ends the one before (if any) first;
    // headStart: the computer waits for the player first, a race from the start.
    void Started(int cards, int64_t nowMs, bool headStart = false);
    // The puzzle was on the screen: only a puzzle the player could see counts as dealt.
    void Seen();
    void LevelKnown(int level);  // 1..5, or 0 when it has no answer
    void Ended(End how, int64_t nowMs);  // only the first end of a puzzle counts
    // Your Answer opened for the puzzle on the table: it is played, but no race is entered.
    // ComputerFirst when that ends a race (a head start) the computer has won already.
    std::optional<End> Opened(int64_t nowMs);
    // The player played the puzzle: picked on the board, typed or checked. Before the
    // computer's hit that enters the race. ComputerFirst when it ends one the computer won.
    std::optional<End> Played(int64_t nowMs);
    // The computer's search hit: its win at once in a race the player is playing.
    std::optional<End> ComputerHit(int64_t nowMs);
    // The player's right answer to the puzzle on the table. computerFirst: the computer had won
    // the race already. first: the player beat the computer's search in a race he entered.
    // ended: the end this answer gave the puzzle, if it was still open.
    struct Right {
        bool computerFirst = false;
        bool first = false;
        std::optional<End> ended;
    };
    Right RightAnswer(bool withHints, int64_t nowMs);
    // The player said the puzzle on the table has no answer; right: it has none. A right claim
    // is a right answer (the puzzle solved, in the row of level 0: no answer); a wrong one ends
    // nothing and counts only as playing the puzzle, which enters the race.
    Right ClaimedNoAnswer(bool right, bool withHints, int64_t nowMs);
    // Whether the player races the computer on the puzzle on the table, and whether its search
    // has hit it.
    bool Raced() const { return open_ && open_->raced; }
    bool ComputerHasHit() const { return open_ && open_->computerHit; }
    // How the puzzle on the table ended, when it has.
    std::optional<End> HowEnded() const { return open_ && open_->ended ? open_->how : std::nullopt; }
    void Left();  // the puzzle leaves the table unended, or the game closes; a played one breaks the run
    bool Open() const { return open_.has_value(); }
    bool HasEnded() const { return open_ && open_->ended; }
    // The time on the puzzle on the table: until now, or until it ended; nothing without one.
    std::optional<int64_t> Elapsed(int64_t nowMs) const;

    // Rows by (cards, level); level 0: no answer, or not yet known when it ended.
    const std::map<std::pair<int, int>, RecordRow>& Rows() const { return rows_; }
    // The rows whose levels the first rating gave, by (cards, level).
    const std::map<std::pair<int, int>, RecordRow>& FirstRatingRows() const { return firstRows_; }
    // The Your Answer tally: right answers first (of which with hints), and the computer's;
    // every row's and the earlier wins.
    uint64_t PlayerFirst() const;
    uint64_t HintsFirst() const;
    uint64_t ComputerFirst() const;

    const EarlierWins& Earlier() const { return earlier_; }
    // An older version's tally: what it counts beyond the rows becomes the earlier wins (never
    // fewer than they are, so carrying the same tally twice changes nothing).
    void CarryTally(uint64_t player, uint64_t hints, uint64_t computer);

    void Reset();  // every row and the earlier wins gone; the puzzle on the table counts afresh

    // One text per row, "cards_level_r2" (as "5_3_r2": the current rating) -> fields, for the
    // settings; and back (bad rows skipped). "cards_level" (as "5_3") is a first-rating row.
    std::map<std::string, std::string> Save() const;
    void Load(const std::map<std::string, std::string>& saved);
    // Whether a key names a row ("5_3_r2", "5_3"), and whether a text is a row's.
    static bool IsRowKey(const std::string& key);
    static bool IsRowText(const std::string& text);
    // The earlier wins as a text, "player hints computer" ("12 3 5"), and back: false, and the
    // wins left as they were, for any other text.
    std::string EarlierText() const;
    bool LoadEarlier(const std::string& text);

    // A header row, then one row per card count and level, for a spreadsheet; the first
    // rating's rows last, their level marked "(old rating)".
    std::string Csv() const;

private:
    struct Puzzle {
        int cards = 0;
        int level = 0;
        int64_t startMs = 0, endMs = 0;
        bool ended = false;
        bool counted = false;  // in its row already
        bool played = false;
        bool computerHit = false;
        bool raced = false;  // a head start, or played before the computer's hit
        bool seen = false;   // on the screen; one replaced before is not counted
        std::optional<End> how;
    };
    RecordRow& RowOf(const Puzzle& p) { return rows_[{p.cards, p.level}]; }
    void Count(Puzzle& p);
    std::optional<End> Settle(int64_t nowMs);  // the computer's win once a race has all it needs
    uint64_t Sum(uint64_t RecordRow::*field) const;  // over every row, both ratings'

    std::map<std::pair<int, int>, RecordRow> rows_;
    std::map<std::pair<int, int>, RecordRow> firstRows_;
    std::optional<Puzzle> open_;
    EarlierWins earlier_;
};

// "1:05" for 65,000 ms, "0:07" for 7,000 (seconds rounded down), hours as "1:02:03".
std::string ClockText(int64_t ms);
// A time to a right answer: "1.9 s" under a minute (tenths rounded down), else as ClockText.
std::string AnswerTimeText(int64_t ms);
// "3", "none" for level 0; with " (old rating)" for a first-rating row.
std::string RecordLevelText(int level, bool firstRating);
