// Timing of the player's solver beside the computer's first-hit solver, in the same run:
// deals as the game draws them, then the worst deals a search of random ones turns up.
// Usage: player_bench [deals per card count] [random deals searched for the worst, per count]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "game_deals.h"
#include "player/player_solver.h"
#include "solver/solver.h"

namespace {

template <typename F>
double Time(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string Name(const Deal& d) {
    std::string s;
    for (int c : d.cards) s += std::to_string(c) + " ";
    return s + "=> " + std::to_string(d.answer);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 50;
    const int search = argc > 2 ? std::atoi(argv[2]) : 30;
    std::printf("player's solver: %d game deals per card count (highest card 25), in ms\n", count);
    std::printf("%-6s %-12s %-12s %-14s %-14s %-16s %s\n", "cards", "count med", "count worst", "with 20 med", "with 20 worst",
                "computer med", "no answer");
    for (int n = 3; n <= 7; ++n) {
        std::vector<double> bare, listed, computer;
        int none = 0;
        for (const Deal& d : GameDeals(n, count, 2000 + n)) {
            PlayerVerdict v;
            bare.push_back(Time([&] { v = SolveForPlayer(d.cards, d.answer, 0); }));
            none += v.NoAnswer();
            listed.push_back(Time([&] { SolveForPlayer(d.cards, d.answer, 20); }));
            computer.push_back(Time([&] { Solve(d.cards, d.answer, SolveMode::FirstSolution, 0); }));
        }
        std::printf("%-6d %-12.3f %-12.3f %-14.3f %-14.3f %-16.3f %d of %d\n", n, Median(bare), *std::max_element(bare.begin(), bare.end()),
                    Median(listed), *std::max_element(listed.begin(), listed.end()), Median(computer), none, count);
    }
    // The worst deals: large distinct cards make the most distinct values part-way.
    std::mt19937 gen(99);
    for (int n = 3; n <= 7; ++n) {
        double worst = 0;
        Deal worstDeal;
        for (int i = 0; i < search; ++i) {
            Deal d;
            for (int k = 0; k < n; ++k) d.cards.push_back(1 + static_cast<int>(gen() % (i % 2 ? 99 : 50)));
            d.answer = 1 + static_cast<int>(gen() % 99);
            const double t = Time([&] { SolveForPlayer(d.cards, d.answer, 20); });
            if (t > worst) {
                worst = t;
                worstDeal = d;
            }
        }
        std::printf("%d cards, worst of %d random deals up to 99 (count and 20 listed): %.2f ms (%s)\n", n, search, worst, Name(worstDeal).c_str());
    }
    for (const Deal& d : {Deal{{99, 98, 97, 96, 95, 94, 93}, 1}, Deal{{1, 2, 3, 4, 5, 6, 7}, 28}, Deal{{1, 1, 1, 1, 1, 1, 2}, 99},
                          Deal{{47, 43, 41, 37, 31, 29, 23}, 97}}) {
        uint64_t answers = 0;
        const double t = Time([&] { answers = SolveForPlayer(d.cards, d.answer, 20).answers; });
        std::printf("%s: %llu answers in %.1f ms\n", Name(d).c_str(), static_cast<unsigned long long>(answers), t);
    }
    return 0;
}
