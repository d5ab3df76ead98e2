// The log of play: its rows, the line each is kept in, and its spreadsheet form.
#include "player/play_log.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <sstream>

#include "lang/translate.h"


bool IsRightAnswer(LogResult result) {
    return result == LogResult::Solved || result == LogResult::SolvedWithHints || result == LogResult::NoAnswerSpotted;
}

namespace {

// The words the file keeps a result and a step's kind in: never translated, never reordered.
constexpr const char* ResultWords[] = {"solved", "hints", "computer", "gaveup", "noanswer", "wrongclaim", "left"};
constexpr char StepLetters[] = {'S', 'U', 'O', 'H', 'C', 'N'};
constexpr const char* Version = "v1";
constexpr std::size_t FixedFields = 11;  // before the steps

// A field of a line: a tab, a line end or a backslash in a text written as \t, \n, \r, \\.
std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) return std::nullopt;
        switch (field[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

template <typename T>
std::optional<T> Whole(const std::string& text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::vector<std::string> Split(const std::string& line, char by) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = line.find(by, from);
        parts.push_back(line.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return parts;
        from = at + 1;
    }
}

bool ValidOperations(const std::string& ops) {
    if (ops.empty()) return false;
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (std::string("+-*/").find(ops[i]) == std::string::npos || ops.find(ops[i]) != i) return false;
    return true;
}

}  // namespace

std::string LogLine(const LogRow& row) {
    std::ostringstream out;
    std::string cards;
    for (std::size_t i = 0; i < row.cards.size(); ++i) cards += (i ? " " : "") + std::to_string(row.cards[i]);
    out << Version << '\t' << row.whenMs << '\t' << row.offsetMinutes << '\t' << Escape(row.player) << '\t' << cards << '\t' << row.answer
        << '\t' << row.level << '\t' << row.operations << '\t' << ResultWords[static_cast<int>(row.result)] << '\t' << row.timeMs << '\t'
        << row.steps.size();
    for (const LogStep& step : row.steps) out << '\t' << StepLetters[static_cast<int>(step.kind)] << Escape(step.text);
    return out.str();
}

std::optional<LogRow> ParseLogLine(const std::string& text) {
    std::string line = text;
    if (!line.empty() && line.back() == '\r') line.pop_back();  // a file that went through a Windows editor
    const std::vector<std::string> f = Split(line, '\t');
    if (f.size() < FixedFields || f[0] != Version) return std::nullopt;
    LogRow row;
    const auto when = Whole<int64_t>(f[1]);
    const auto offset = Whole<int>(f[2]);
    const auto player = Unescape(f[3]);
    const auto answer = Whole<int>(f[5]);
    const auto level = Whole<int>(f[6]);
    const auto time = Whole<int64_t>(f[9]);
    const auto count = Whole<std::size_t>(f[10]);
    if (!when || !offset || !player || !answer || !level || !time || !count) return std::nullopt;
    // A step count that is not the number of steps that follow: a line cut short, or joined to another.
    if (*count != f.size() - FixedFields || *level < 0 || *level > 5 || *time < 0 || *offset < -24 * 60 || *offset > 24 * 60)
        return std::nullopt;
    for (const std::string& card : Split(f[4], ' ')) {
        const auto value = Whole<int>(card);
        if (!value) return std::nullopt;
        row.cards.push_back(*value);
    }
    if (!ValidOperations(f[7])) return std::nullopt;
    const auto result = std::find(std::begin(ResultWords), std::end(ResultWords), f[8]);
    if (result == std::end(ResultWords)) return std::nullopt;
    for (std::size_t i = FixedFields; i < f.size(); ++i) {
        if (f[i].empty()) return std::nullopt;
        const char* kind = std::find(std::begin(StepLetters), std::end(StepLetters), f[i][0]);
        const auto stepText = Unescape(f[i].substr(1));
        if (kind == std::end(StepLetters) || !stepText) return std::nullopt;
        row.steps.push_back({static_cast<LogStep::Kind>(kind - StepLetters), *stepText});
    }
    row.whenMs = *when;
    row.offsetMinutes = *offset;
    row.player = *player;
    row.answer = *answer;
    row.level = *level;
    row.operations = f[7];
    row.result = static_cast<LogResult>(result - std::begin(ResultWords));
    row.timeMs = *time;
    return row;
}

std::vector<LogRow> ReadLog(std::istream& in) {
    std::vector<LogRow> rows;
    std::string line;
    while (std::getline(in, line))
        if (std::optional<LogRow> row = ParseLogLine(line)) rows.push_back(std::move(*row));
    return rows;
}

std::vector<RightAnswerAt> RightAnswerTimes(const std::vector<LogRow>& rows) {
    std::vector<RightAnswerAt> times;
    for (const LogRow& row : rows)
        if (IsRightAnswer(row.result)) times.push_back({row.whenMs, row.timeMs});
    std::stable_sort(times.begin(), times.end(), [](const RightAnswerAt& a, const RightAnswerAt& b) { return a.whenMs < b.whenMs; });
    return times;
}

CsvStyle CsvStyleFor(char decimalMark) { return decimalMark == ',' ? CsvStyle{',', ';'} : CsvStyle{'.', ','}; }

std::string CsvCell(const std::string& text, char separator) {
    // A spreadsheet runs a cell that begins like a formula: a ' first makes it text.
    const std::string guarded = !text.empty() && std::string("=+-@").find(text[0]) != std::string::npos ? "'" + text : text;
    if (guarded.find_first_of(std::string("\"\r\n") + separator) == std::string::npos) return guarded;
    std::string quoted = "\"";
    for (char c : guarded) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string LogResultText(LogResult result) {
    switch (result) {
    case LogResult::Solved: return lang::translate("PlayLog", "solved");
    case LogResult::SolvedWithHints: return lang::translate("PlayLog", "solved with hints");
    case LogResult::ComputerFirst: return lang::translate("PlayLog", "the computer first");
    case LogResult::GaveUp: return lang::translate("PlayLog", "given up");
    case LogResult::NoAnswerSpotted: return lang::translate("PlayLog", "no answer spotted");
    case LogResult::WrongClaim: return lang::translate("PlayLog", "said no answer, but there is one");
    case LogResult::Left: return lang::translate("PlayLog", "left unsolved");
    }
    return {};
}

std::string LogWhenText(const LogRow& row) {
    // Days since 1970 to a date, without the C library's time zone: the offset is the row's own.
    const int64_t minutes = (row.whenMs >= 0 ? row.whenMs : row.whenMs - 59'999) / 60'000 + row.offsetMinutes;
    int64_t days = (minutes >= 0 ? minutes : minutes - 1439) / 1440;
    const int64_t inDay = minutes - days * 1440;
    days += 719468;  // the civil-from-days reckoning, counted from 0000-03-01
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2);
    char text[40];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld", static_cast<long long>(year), static_cast<long long>(month),
                  static_cast<long long>(day), static_cast<long long>(inDay / 60), static_cast<long long>(inDay % 60));
    return text;
}

std::string LogCardsText(const LogRow& row) {
    std::string text;
    for (std::size_t i = 0; i < row.cards.size(); ++i) text += (i ? " " : "") + std::to_string(row.cards[i]);
    return text;
}

std::string LogOperations(AllowedOperations operations) {
    std::string ops = "+-";
    if (AllowsMultiply(operations)) ops += '*';
    if (AllowsDivide(operations)) ops += '/';
    return ops;
}

std::string LogOperationsText(const std::string& operations) {
    std::string text;
    for (char op : operations) {
        if (!text.empty()) text += ' ';
        text += op == '+' ? "+" : op == '-' ? "\u2212" : op == '*' ? "\u00D7" : "\u00F7";
    }
    return text;
}

std::string LogSecondsText(int64_t ms, char decimal) {
    const int64_t tenths = std::max<int64_t>(0, ms) / 100;
    return std::to_string(tenths / 10) + decimal + std::to_string(tenths % 10);
}

std::string LogStepText(const LogStep& step) {
    switch (step.kind) {
    case LogStep::Kind::Step: return step.text;
    case LogStep::Kind::Undo: return lang::translate("PlayLog", "undo");
    case LogStep::Kind::StartOver: return lang::translate("PlayLog", "start over");
    case LogStep::Kind::Hint:
        if (step.text.empty()) return lang::translate("PlayLog", "hint: the cards can no longer make the answer card");
        //: a hint given while playing; %1 is the step it showed
        return lang::Args(lang::translate("PlayLog", "hint: %1"), {step.text});
    //: a typed answer checked; %1 is the answer as typed
    case LogStep::Kind::Check: return lang::Args(lang::translate("PlayLog", "checked: %1"), {step.text});
    case LogStep::Kind::NoAnswerClaim: return lang::translate("PlayLog", "said: no answer");
    }
    return {};
}

std::string LogStepsText(const std::vector<LogStep>& steps) {
    std::string text;
    for (const LogStep& step : steps) text += (text.empty() ? "" : "; ") + LogStepText(step);
    return text;
}

std::string LogCsv(const std::vector<LogRow>& rows, CsvStyle style) {
    const char sep = style.separator;
    std::string out = "\xEF\xBB\xBF";
    //: the header row of the exported log of play, one column name each between the commas
    const std::string header = lang::translate("PlayLog", "When,Player,Cards,Answer card,Level,Operations,Result,Time (s),Steps");
    for (const std::string& name : Split(header, ',')) out += (out.size() > 3 ? std::string(1, sep) : "") + CsvCell(name, sep);
    out += "\r\n";
    for (const LogRow& row : rows) {
        const std::string cells[] = {LogWhenText(row),
                                     row.player,
                                     LogCardsText(row),
                                     std::to_string(row.answer),
                                     row.level ? std::to_string(row.level) : lang::translate("PlayLog", "none"),
                                     LogOperationsText(row.operations),
                                     LogResultText(row.result),
                                     LogSecondsText(row.timeMs, style.decimal),
                                     LogStepsText(row.steps)};
        for (std::size_t i = 0; i < std::size(cells); ++i) out += (i ? std::string(1, sep) : "") + CsvCell(cells[i], sep);
        out += "\r\n";
    }
    return out;
}

void PuzzleLog::Started(const std::vector<int>& cards, int answer, const std::string& operations, int64_t nowMs) {
    row_ = LogRow{};
    row_.cards = cards;
    row_.answer = answer;
    row_.operations = operations;
    startMs_ = nowMs;
    open_ = true;
    played_ = false;
}

void PuzzleLog::LevelKnown(int level) {
    if (open_) row_.level = level;
}

void PuzzleLog::Add(LogStep step) {
    if (!open_) return;
    played_ = true;
    row_.steps.push_back(std::move(step));
}

void PuzzleLog::Played() {
    if (open_) played_ = true;
}

std::optional<LogRow> PuzzleLog::Result(LogResult result, int64_t nowMs) {
    if (!open_) return std::nullopt;
    open_ = false;
    row_.result = result;
    row_.timeMs = std::max<int64_t>(0, nowMs - startMs_);
    return row_;
}

std::optional<LogRow> PuzzleLog::Leave(int64_t nowMs) {
    if (!open_ || !played_) {
        open_ = false;
        return std::nullopt;
    }
    // A right claim of no answer ends the puzzle; one still open was wrong.
    const bool claimed = std::any_of(row_.steps.begin(), row_.steps.end(), [](const LogStep& s) { return s.kind == LogStep::Kind::NoAnswerClaim; });
    return Result(claimed ? LogResult::WrongClaim : LogResult::Left, nowMs);
}
