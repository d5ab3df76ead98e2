// A made-up season of play for the README's pictures of Statistics: record rows (written as
// settings) and a log of 65 right answers over twelve weeks. Usage: season LOG_FILE SETTINGS_FILE
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include "player/play_log.h"
int main(int argc, char** argv) {
    std::mt19937 rng(7);
    const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    std::ofstream log(argv[1]);
    // medians by level at 4 cards, seconds
    const double medianS[] = {0, 9, 17, 31, 52, 95};
    std::ofstream ini(argv[2]);
    ini << "[Statistics]\n";
    for (int level = 1; level <= 5; ++level) {
        int solved = 14 - 2 * level;
        ini << "4_" << level << "_r2=" << solved + 3 << ' ' << solved << " 1 1 1 0 4";
        for (int i = 0; i < solved; ++i) ini << ' ' << static_cast<int64_t>(medianS[level] * 1000 * (0.6 + 0.8 * i / std::max(1, solved - 1)));
        ini << "\n";
    }
    const int perWeek[] = {2, 4, 3, 0, 5, 7, 6, 8, 4, 9, 11, 6};
    for (int w = 0; w < 12; ++w)
        for (int i = 0; i < perWeek[w]; ++i) {
            LogRow row;
            row.whenMs = now - int64_t(11 - w) * 7 * 86400000LL - int64_t(i % 3) * 3600000LL - 60000LL * i;
            if (row.whenMs > now) row.whenMs = now - 60000;
            row.player = "Sam";
            row.cards = {3, 3, 8, 8};
            row.answer = 24;
            row.level = 1 + i % 5;
            row.result = LogResult::Solved;
            row.timeMs = 20000 + 3000 * i;
            row.steps = {{LogStep::Kind::Step, "8 ÷ 3 = 8/3"}, {LogStep::Kind::Step, "3 − 8/3 = 1/3"}, {LogStep::Kind::Step, "8 ÷ 1/3 = 24"}};
            log << LogLine(row) << "\n";
        }
}
