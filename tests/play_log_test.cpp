// The log of play: its file lines and their damage, the puzzle's row as played, and its CSV read
// back by a reader of the test's own.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "player/play_log.h"

namespace {

using Kind = LogStep::Kind;

// RFC 4180 as a spreadsheet reads it, written here apart from the game's writer: fields between
// separators, a quoted field may hold separators, line breaks and doubled quotes; records end in
// CRLF. Fails the test on anything else.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text, char sep) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false, wasQuoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"') field += '"', ++i;
            else quoted = false;
        } else if (c == '"') {
            EXPECT_TRUE(field.empty() && !wasQuoted) << "a quote inside an unquoted field at " << i;
            quoted = wasQuoted = true;
        } else if (c == sep) {
            record.push_back(field);
            field.clear();
            wasQuoted = false;
        } else if (c == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "a lone CR at " << i;
            ++i;
            record.push_back(field);
            records.push_back(record);
            record.clear();
            field.clear();
            wasQuoted = false;
        } else {
            EXPECT_NE(c, '\n') << "a lone LF at " << i;
            EXPECT_FALSE(wasQuoted) << "text after a closing quote at " << i;
            field += c;
        }
    }
    EXPECT_FALSE(quoted) << "an open quote at the end";
    EXPECT_TRUE(record.empty() && field.empty()) << "the last record has no CRLF";
    return records;
}

const std::string Bom = "\xEF\xBB\xBF";

LogRow Row(const std::string& player, LogResult result, std::vector<LogStep> steps = {}) {
    LogRow row;
    row.whenMs = 1'765'000'000'000;  // 2025-12-06 05:46:40 UTC
    row.offsetMinutes = 60;
    row.player = player;
    row.cards = {3, 3, 8, 8};
    row.answer = 24;
    row.level = 4;
    row.result = result;
    row.timeMs = 42'560;
    row.steps = std::move(steps);
    return row;
}

}  // namespace

TEST(PlayLog, TheCsvOpensInASpreadsheetWithOneRowPerPuzzle) {
    const std::vector<LogRow> rows = {
        Row("Anna", LogResult::SolvedWithHints,
            {{Kind::Step, "8 \u00F7 3 = 8/3"}, {Kind::Undo, ""}, {Kind::Hint, "8 \u00F7 3 = 8/3"}, {Kind::StartOver, ""},
             {Kind::Check, "8 / (3 - 8 / 3)"}, {Kind::Hint, ""}}),
        Row("=HYPERLINK(\"x\";\"y\")", LogResult::GaveUp, {{Kind::Check, "-3 + 8, \"quoted\"\nnext line"}}),
        Row("+Ben; \"Ba\"", LogResult::WrongClaim),
        Row("@me", LogResult::NoAnswerSpotted),
        Row("-x", LogResult::ComputerFirst),
        Row("Zo\u00E9", LogResult::Left),
    };
    struct Case {
        char decimal, separator;
        const char* seconds;
    };
    for (const Case& c : {Case{'.', ',', "42.5"}, Case{',', ';', "42,5"}}) {
        SCOPED_TRACE(c.separator);
        const CsvStyle style = CsvStyleFor(c.decimal);
        ASSERT_EQ(style.separator, c.separator);
        const std::string csv = LogCsv(rows, style);
        ASSERT_EQ(csv.substr(0, 3), Bom);
        const auto records = ReadCsv(csv.substr(3), c.separator);
        ASSERT_EQ(records.size(), rows.size() + 1);
        EXPECT_EQ(records[0], (std::vector<std::string>{"When", "Player", "Cards", "Answer card", "Level", "Operations", "Result", "Time (s)",
                                                        "Steps"}));
        for (std::size_t i = 1; i < records.size(); ++i) ASSERT_EQ(records[i].size(), 9u) << "row " << i;
        EXPECT_EQ(records[1], (std::vector<std::string>{"2025-12-06 06:46", "Anna", "3 3 8 8", "24", "4", "'+ \u2212 \u00D7 \u00F7",
                                                        "solved with hints", c.seconds,
                                                        "8 \u00F7 3 = 8/3; undo; hint: 8 \u00F7 3 = 8/3; start over; checked: 8 / (3 - 8 / 3); "
                                                        "hint: the cards can no longer make the answer card"}));
        // A cell that begins as a formula would is text, with a ' first (the operations' + too);
        // the rest as written.
        EXPECT_EQ(records[2][1], "'=HYPERLINK(\"x\";\"y\")");
        EXPECT_EQ(records[2][8], "checked: -3 + 8, \"quoted\"\nnext line");
        EXPECT_EQ(records[3][1], "'+Ben; \"Ba\"");
        EXPECT_EQ(records[4][1], "'@me");
        EXPECT_EQ(records[5][1], "'-x");
        EXPECT_EQ(records[6][1], "Zo\u00E9");
        std::vector<std::string> results;
        for (std::size_t i = 1; i < records.size(); ++i) results.push_back(records[i][6]);
        EXPECT_EQ(results, (std::vector<std::string>{"solved with hints", "given up", "said no answer, but there is one", "no answer spotted",
                                                     "the computer first", "left unsolved"}));
    }
    // Only what needs quoting is quoted: a plain cell stays plain for whoever scripts against it.
    EXPECT_EQ(CsvCell("3 3 8 8", ','), "3 3 8 8");
    EXPECT_EQ(CsvCell("a;b", ','), "a;b");
    EXPECT_EQ(CsvCell("a;b", ';'), "\"a;b\"");
    EXPECT_EQ(CsvCell("", ','), "");
}

TEST(PlayLog, TheFileKeepsEveryRowAndSkipsOnlyDamagedLines) {
    const LogRow odd = Row("tab\there\\ new\nline\r", LogResult::Solved, {{Kind::Check, "a\\t\tb"}, {Kind::Undo, ""}});
    LogRow noSteps = Row("Ben", LogResult::Left);
    noSteps.level = 0;
    noSteps.operations = "+-";
    noSteps.offsetMinutes = -300;
    for (const LogRow& row : {odd, noSteps, Row("Zo\u00E9", LogResult::WrongClaim, {{Kind::Hint, "3 \u00D7 8 = 24"}})}) {
        const std::string line = LogLine(row);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_EQ(ParseLogLine(line), row);
        EXPECT_EQ(ParseLogLine(line + "\r"), row);  // after a Windows editor
    }

    const std::string good = LogLine(odd);
    const std::string cutShort = good.substr(0, good.rfind('\t'));  // the last step lost
    std::string badResult = good;
    badResult.replace(badResult.find("solved"), 6, "solvex");
    std::string badOps = LogLine(noSteps);
    badOps.replace(badOps.find("\t+-\t"), 4, "\t+x\t");
    std::string badEscape = LogLine(noSteps);
    badEscape.replace(badEscape.find("Ben"), 3, "B\\qn");
    std::string badLevel = LogLine(noSteps);
    badLevel.replace(badLevel.find("\t0\t+-"), 5, "\t9\t+-");
    std::string badCard = LogLine(noSteps);
    badCard.replace(badCard.find("3 3 8 8"), 7, "3 3 x 8");
    for (const std::string& bad : {cutShort, badResult, badOps, badEscape, badLevel, badCard, std::string("v2") + good.substr(2),
                                   std::string(), std::string("garbage")})
        EXPECT_FALSE(ParseLogLine(bad)) << bad;

    std::istringstream file(good + "\n" + cutShort + "\n" + LogLine(noSteps) + "\n" + badResult + "\n\n" + LogLine(odd));
    EXPECT_EQ(ReadLog(file), (std::vector<LogRow>{odd, noSteps, odd}));
}

TEST(PlayLog, APuzzlesRowHoldsItsStepsInOrderAndEndsOnce) {
    PuzzleLog log;
    log.Started({3, 3, 8, 8}, 24, "+-*/", 1'000);
    log.LevelKnown(4);
    log.Add({Kind::Step, "8 \u00F7 3 = 8/3"});
    log.Add({Kind::Undo, ""});
    log.Add({Kind::Hint, "8 \u00F7 3 = 8/3"});
    const std::optional<LogRow> row = log.Result(LogResult::SolvedWithHints, 43'000);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cards, (std::vector<int>{3, 3, 8, 8}));
    EXPECT_EQ(row->answer, 24);
    EXPECT_EQ(row->level, 4);
    EXPECT_EQ(row->timeMs, 42'000);
    EXPECT_EQ(row->result, LogResult::SolvedWithHints);
    EXPECT_EQ(row->steps, (std::vector<LogStep>{{Kind::Step, "8 \u00F7 3 = 8/3"}, {Kind::Undo, ""}, {Kind::Hint, "8 \u00F7 3 = 8/3"}}));
    EXPECT_FALSE(log.Result(LogResult::ComputerFirst, 50'000));  // a second end of the same puzzle
    EXPECT_FALSE(log.Leave(60'000));

    // Left: a row only when it was played.
    log.Started({1, 2, 3}, 6, "+-*/", 0);
    EXPECT_FALSE(log.Leave(5'000));
    log.Started({1, 2, 3}, 6, "+-*/", 0);
    log.Played();
    const std::optional<LogRow> left = log.Leave(5'000);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->result, LogResult::Left);
    EXPECT_TRUE(left->steps.empty());

    // A wrong claim of no answer is a step; a puzzle left after one was claimed wrongly.
    log.Started({1, 2, 3}, 6, "+-*/", 0);
    log.Add({LogStep::Kind::NoAnswerClaim, {}});
    log.Add({LogStep::Kind::Undo, {}});
    const std::optional<LogRow> wrong = log.Leave(6'000);
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->result, LogResult::WrongClaim);
    EXPECT_EQ(wrong->steps.size(), 2u);
    EXPECT_EQ(ParseLogLine(LogLine(*wrong)), wrong);
}

TEST(PlayLog, KeepsTheOperationsAllowedAsSigns) {
    EXPECT_EQ(LogOperations(AllowedOperations::All), "+-*/");
    EXPECT_EQ(LogOperations(AllowedOperations::AddSubtract), "+-");
    EXPECT_EQ(LogOperations(AllowedOperations::AddSubtractMultiply), "+-*");
    EXPECT_EQ(LogOperationsText(LogOperations(AllowedOperations::AddSubtract)), "+ \u2212");
}

TEST(PlayLog, GivesTheTimesOfRightAnswersOnlyOldestFirst) {
    std::vector<LogRow> rows;
    const struct {
        int64_t when, time;
        LogResult result;
    } played[] = {{3'000, 30, LogResult::Solved},       {1'000, 10, LogResult::SolvedWithHints}, {2'000, 20, LogResult::GaveUp},
                  {4'000, 40, LogResult::WrongClaim},   {5'000, 50, LogResult::ComputerFirst},   {6'000, 60, LogResult::NoAnswerSpotted},
                  {7'000, 70, LogResult::Left},         {8'000, 80, LogResult::Solved}};
    for (const auto& p : played) {
        LogRow row = Row("Anna", p.result);
        row.whenMs = p.when;
        row.timeMs = p.time;
        rows.push_back(row);
    }
    EXPECT_EQ(RightAnswerTimes(rows), (std::vector<RightAnswerAt>{{1'000, 10}, {3'000, 30}, {6'000, 60}, {8'000, 80}}));
}

TEST(PlayLog, ShowsTheLocalTimeOfARow) {
    const struct {
        int64_t whenMs;
        int offset;
        const char* shown;
    } cases[] = {{0, 0, "1970-01-01 00:00"},
                 {0, -60, "1969-12-31 23:00"},
                 {951'782'400'000, 0, "2000-02-29 00:00"},           // a leap day of a century's year
                 {1'798'761'599'000, 0, "2026-12-31 23:59"},
                 {1'798'761'599'000, 120, "2027-01-01 01:59"},
                 {4'107'542'400'000, 0, "2100-03-01 00:00"}};        // 2100 has no 29 February
    for (const auto& c : cases) EXPECT_EQ(LogWhenText(LogRow{.whenMs = c.whenMs, .offsetMinutes = c.offset, .player = {}, .cards = {}, .steps = {}}), c.shown) << c.whenMs;
    EXPECT_EQ(LogSecondsText(59'999, ','), "59,9");
    EXPECT_EQ(LogSecondsText(-5, '.'), "0.0");
}
