// The log of play: one row per puzzle played (when, who, the cards, how it ended, how long it
// took, the steps on the board in order), kept one line a row in a file of the player's own,
// and written out as CSV for a spreadsheet.
//
// The file is appended to, a line per puzzle, never rewritten: a line that cannot be read (cut
// short by a crash, edited by hand) is skipped on its own and the rest of the log stays.
// Each line says how many steps it holds, so a line cut short is known as such.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "expr/operations.h"

// How a puzzle played ended, for the log.
enum class LogResult {
    Solved,           // right, without hints
    SolvedWithHints,  // right, after a hint
    ComputerFirst,    // the computer's search found an answer first
    GaveUp,           // the player let the computer start
    NoAnswerSpotted,  // the player said, rightly, that the puzzle has no answer
    WrongClaim,       // the player said it has no answer, and it has one
    Left,             // played, then left unsolved for the next puzzle (or the game closed)
};

// A right answer (Solved, SolvedWithHints, NoAnswerSpotted): the results that give the player a
// time to a right answer.
bool IsRightAnswer(LogResult result);

// One thing the player did on the way, in the order done.
struct LogStep {
    enum class Kind { Step, Undo, StartOver, Hint, Check, NoAnswerClaim };
    Kind kind = Kind::Step;
    // A step ("8 ÷ 3 = 8/3"), the hint's step (none: the cards left could make no answer), or
    // the typed answer checked.
    std::string text;
    bool operator==(const LogStep&) const = default;
};

struct LogRow {
    int64_t whenMs = 0;        // when the result came, milliseconds since 1970 (UTC)
    int offsetMinutes = 0;     // the local time's offset from UTC then, for showing it
    std::string player;        // the name as shown
    std::vector<int> cards;    // the face cards, left to right
    int answer = 0;            // the answer card
    int level = 0;             // 1..5; 0: none, or not known when it ended
    std::string operations = "+-*/";  // those allowed, as '+', '-', '*', '/'
    LogResult result = LogResult::Solved;
    int64_t timeMs = 0;        // from the puzzle on the table to the result
    std::vector<LogStep> steps;
    bool operator==(const LogRow&) const = default;
};

// A row as one line of the log file (no line end), and back: nothing for a line that is not
// a whole row.
std::string LogLine(const LogRow& row);
std::optional<LogRow> ParseLogLine(const std::string& line);
// Every row the stream holds, oldest first, lines that are not rows skipped.
std::vector<LogRow> ReadLog(std::istream& in);

// When each right answer was given and how long it took, oldest first.
struct RightAnswerAt {
    int64_t whenMs = 0;
    int64_t timeMs = 0;
    bool operator==(const RightAnswerAt&) const = default;
};
std::vector<RightAnswerAt> RightAnswerTimes(const std::vector<LogRow>& rows);

// How the reader's language writes a table: a decimal comma asks for ';' between the fields
// (as spreadsheets there expect), a decimal point for ','.
struct CsvStyle {
    char decimal = '.';
    char separator = ',';
};
CsvStyle CsvStyleFor(char decimalMark);
// A cell as RFC 4180 quotes it, with a ' before a text a spreadsheet would take for a formula.
std::string CsvCell(const std::string& text, char separator);
// The rows as a spreadsheet opens them: UTF-8 with a byte-order mark, a header, one row per
// puzzle in the order given, CRLF line ends; texts in the reader's language.
std::string LogCsv(const std::vector<LogRow>& rows, CsvStyle style);

// In the reader's language: the result ("solved with hints"), the local time of the row
// ("2026-12-09 14:05"), the cards ("3 3 8 8"), the operations ("+ − × ÷"), the time in
// seconds ("42.5") and the steps one after another.
std::string LogResultText(LogResult result);
std::string LogWhenText(const LogRow& row);
std::string LogCardsText(const LogRow& row);
// The operations allowed as the log keeps them: "+-*/", "+-", "+-*".
std::string LogOperations(AllowedOperations operations);
std::string LogOperationsText(const std::string& operations);
std::string LogSecondsText(int64_t ms, char decimal);
std::string LogStepText(const LogStep& step);
std::string LogStepsText(const std::vector<LogStep>& steps);

// The log of the puzzle on the table as it is played: the steps gathered until its result.
class PuzzleLog {
public:
    // A new puzzle is on the table; the one before, unfinished, is dropped.
    void Started(const std::vector<int>& cards, int answer, const std::string& operations, int64_t nowMs);
    void LevelKnown(int level);
    void Add(LogStep step);  // nothing once the puzzle has its result
    void Played();           // the player opened Your Answer for it, or played it
    // The puzzle's result: its row, once (a second result of the same puzzle gives nothing).
    std::optional<LogRow> Result(LogResult result, int64_t nowMs);
    // The puzzle leaves the table without a result: a row only when it was played (WrongClaim
    // when the player said it had no answer, which it has; else Left).
    std::optional<LogRow> Leave(int64_t nowMs);
    bool Open() const { return open_; }

private:
    LogRow row_;
    int64_t startMs_ = 0;
    bool open_ = false;
    bool played_ = false;
};
