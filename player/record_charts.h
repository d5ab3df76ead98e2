// The record's figures for its two charts: the median time to a right answer per level, and the
// puzzles solved per ISO week over the last twelve weeks.
#pragma once

#include <chrono>
#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

#include "player/play_record.h"

// One bar of the median chart: a level (0: none, or not yet known when the puzzle ended) and the
// median of its row's times, as the Statistics table shows it; nothing before a right answer.
struct LevelMedian {
    int level = 0;
    std::optional<int64_t> medianMs;
    bool operator==(const LevelMedian&) const = default;
};

// The bars for one number of face cards, from the rows of the current rating: levels 1 to 5
// always, in order, then level 0 when it has right answers. The first rating's rows are left
// out, since their levels meant something else.
std::vector<LevelMedian> LevelMedians(const PlayRecord& record, int cards);

// A week as ISO 8601 numbers it: weeks start on Monday, and week 1 is the one holding the year's
// first Thursday, so 29 December can be in week 1 of the next year and 1 January in week 53.
struct IsoWeek {
    int year = 0;
    unsigned week = 0;  // 1..53
    auto operator<=>(const IsoWeek&) const = default;
};
IsoWeek IsoWeekOf(std::chrono::local_days day);
std::chrono::local_days MondayOf(std::chrono::local_days day);

// One bar of the week chart.
struct WeekCount {
    IsoWeek week;
    std::chrono::local_days monday;
    uint64_t solved = 0;
    bool operator==(const WeekCount&) const = default;
};

inline constexpr int ChartWeeks = 12;

// Right answers per week, the oldest first, for the ChartWeeks weeks up to and including the one
// that holds today. Each right answer is the local calendar day it was given on (the reader's
// weeks, not UTC's: a Monday's first hour is Monday's); days before the first week or after
// today are left out.
std::vector<WeekCount> SolvedPerWeek(const std::vector<std::chrono::local_days>& rightAnswers, std::chrono::local_days today);
