// The record's chart figures: medians per level as the table's, and right answers per ISO week.
#include <gtest/gtest.h>

#include "player/record_charts.h"

using namespace std::chrono;

namespace {

local_days Day(int y, unsigned m, unsigned d) { return local_days{year{y} / month{m} / day{d}}; }

std::string Text(local_days d) {
    const year_month_day ymd{d};
    return std::to_string(int(ymd.year())) + "-" + std::to_string(unsigned(ymd.month())) + "-" + std::to_string(unsigned(ymd.day()));
}

}  // namespace

TEST(RecordCharts, MediansAreTheTablesForEachLevelOfTheChosenCards) {
    PlayRecord record;
    record.Load({
        {"4_1_r2", "3 3 0 0 0 3 3 3000 1000 2000"},  // odd count: the middle one
        {"4_2_r2", "2 1 1 0 0 0 1 1000 4000"},       // even count: the middle two averaged
        {"4_3_r2", "2 0 0 2 0 0 0"},                 // dealt, never solved
        {"4_5_r2", "1 1 0 0 0 1 1 7000"},
        {"4_0_r2", "1 1 0 0 0 1 1 9000"},            // solved before its level was known
        {"5_4_r2", "1 1 0 0 0 1 1 100"},             // other cards
        {"4_4", "1 1 0 0 0 1 1 50"},                 // the old rating's level 4: not today's
    });
    const std::vector<LevelMedian> four = LevelMedians(record, 4);
    const std::vector<LevelMedian> expected{{1, 2000}, {2, 2500}, {3, std::nullopt}, {4, std::nullopt}, {5, 7000}, {0, 9000}};
    EXPECT_EQ(four, expected);
    for (const LevelMedian& bar : four) {
        const auto row = record.Rows().find({4, bar.level});
        EXPECT_EQ(bar.medianMs, row == record.Rows().end() ? std::nullopt : row->second.Median()) << "level " << bar.level;
    }
    // Level 0 only when it has right answers; a number of cards never played: five empty bars.
    const std::vector<LevelMedian> five{{1, std::nullopt}, {2, std::nullopt}, {3, std::nullopt}, {4, 100}, {5, std::nullopt}};
    EXPECT_EQ(LevelMedians(record, 5), five);
    record.Load({{"6_0_r2", "1 0 0 1 0 0 0"}});
    EXPECT_EQ(LevelMedians(record, 6).size(), 5u);
    EXPECT_EQ(LevelMedians(record, 7).size(), 5u);
}

TEST(RecordCharts, IsoWeeksTurnWithTheFirstThursday) {
    struct Case {
        local_days day;
        IsoWeek week;
        local_days monday;
    };
    const Case cases[] = {
        {Day(2026, 12, 9), {2026, 50}, Day(2026, 12, 7)},
        {Day(2026, 12, 31), {2026, 53}, Day(2026, 12, 28)},  // a year that starts on a Thursday has 53 weeks
        {Day(2027, 1, 1), {2026, 53}, Day(2026, 12, 28)},    // early January in the year before's last week
        {Day(2027, 1, 3), {2026, 53}, Day(2026, 12, 28)},
        {Day(2027, 1, 4), {2027, 1}, Day(2027, 1, 4)},
        {Day(2024, 12, 30), {2025, 1}, Day(2024, 12, 30)},  // late December in the next year's week 1
        {Day(2025, 12, 31), {2026, 1}, Day(2025, 12, 29)},
        {Day(2008, 12, 29), {2009, 1}, Day(2008, 12, 29)},
        {Day(2020, 12, 31), {2020, 53}, Day(2020, 12, 28)},  // a leap year starting on a Wednesday
        {Day(2021, 1, 3), {2020, 53}, Day(2020, 12, 28)},
        {Day(2026, 10, 18), {2026, 42}, Day(2026, 10, 12)},  // a Sunday ends its week
    };
    for (const Case& c : cases) {
        const IsoWeek got = IsoWeekOf(c.day);
        EXPECT_EQ(got, c.week) << Text(c.day) << ": " << got.year << "-W" << got.week;
        EXPECT_EQ(MondayOf(c.day), c.monday) << Text(c.day);
    }
}

TEST(RecordCharts, SolvedPerWeekCountsTheTwelveWeeksUpToTodayOverTheYearsTurn) {
    const local_days today = Day(2027, 1, 6);  // a Wednesday in 2027's week 1
    const std::vector<local_days> answers{
        Day(2027, 1, 6),                      // today
        Day(2027, 1, 7),                      // after today (a clock set back): left out
        Day(2026, 12, 31), Day(2027, 1, 3),   // both in 2026's week 53
        Day(2027, 1, 4),                      // Monday: week 1
        Day(2026, 10, 19), Day(2026, 10, 19), // the first day of the first week
        Day(2026, 10, 18),                    // the day before it: left out
        Day(2025, 1, 6),                      // a year earlier: left out
    };
    const std::vector<WeekCount> weeks = SolvedPerWeek(answers, today);
    ASSERT_EQ(weeks.size(), static_cast<std::size_t>(ChartWeeks));
    for (std::size_t i = 0; i < weeks.size(); ++i) {
        EXPECT_EQ(weeks[i].monday, Day(2026, 10, 19) + days{7 * i}) << i;
        EXPECT_EQ(weeks[i].week, (IsoWeek{i < 11 ? 2026 : 2027, i < 11 ? 43 + static_cast<unsigned>(i) : 1u})) << i;
    }
    std::vector<uint64_t> counts;
    for (const WeekCount& w : weeks) counts.push_back(w.solved);
    EXPECT_EQ(counts, (std::vector<uint64_t>{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2}));

    // Week 1 begun in December: today's week is still the last bar.
    const std::vector<WeekCount> turn = SolvedPerWeek({Day(2025, 12, 29), Day(2025, 12, 28), Day(2026, 1, 1)}, Day(2025, 12, 31));
    EXPECT_EQ(turn.back().week, (IsoWeek{2026, 1}));
    EXPECT_EQ(turn.back().solved, 1u);
    EXPECT_EQ(turn[10].week, (IsoWeek{2025, 52}));
    EXPECT_EQ(turn[10].solved, 1u);

    // No right answers: twelve empty weeks, never fewer.
    const std::vector<WeekCount> none = SolvedPerWeek({}, today);
    ASSERT_EQ(none.size(), static_cast<std::size_t>(ChartWeeks));
    for (const WeekCount& w : none) EXPECT_EQ(w.solved, 0u);
}
