// The record's figures for its charts: medians by level and right answers per ISO week.
#include "player/record_charts.h"

using namespace std::chrono;

std::vector<LevelMedian> LevelMedians(const PlayRecord& record, int cards) {
    std::vector<LevelMedian> out;
    const auto& rows = record.Rows();
    auto median = [&](int level) -> std::optional<int64_t> {
        const auto row = rows.find({cards, level});
        return row == rows.end() ? std::nullopt : row->second.Median();
    };
    for (int level = 1; level <= 5; ++level) out.push_back({level, median(level)});
    if (const auto none = median(0)) out.push_back({0, none});
    return out;
}

local_days MondayOf(local_days day) {
    const weekday wd{day};
    return day - days{wd.iso_encoding() - 1};
}

IsoWeek IsoWeekOf(local_days day) {
    // The week's Thursday decides its year; the week number counts Thursdays from that year's first.
    const local_days thursday = MondayOf(day) + days{3};
    const year y = year_month_day{thursday}.year();
    const local_days firstOfYear{y / January / 1};
    return {static_cast<int>(y), static_cast<unsigned>((thursday - firstOfYear).count() / 7 + 1)};
}

std::vector<WeekCount> SolvedPerWeek(const std::vector<local_days>& rightAnswers, local_days today) {
    const local_days first = MondayOf(today) - weeks{ChartWeeks - 1};
    std::vector<WeekCount> out;
    for (int w = 0; w < ChartWeeks; ++w) {
        const local_days monday = first + weeks{w};
        out.push_back({IsoWeekOf(monday), monday, 0});
    }
    for (const local_days day : rightAnswers)
        if (day >= first && day <= today) ++out[static_cast<std::size_t>((day - first).count() / 7)].solved;
    return out;
}
