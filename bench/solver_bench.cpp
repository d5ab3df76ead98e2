// Timing of the computer's solver over deals drawn as Shuffle and Deal draw them (highest card
// 25): the verdict, the full count by value beside the walk over every attempt, the worst
// deals, and the plain way (every attempt text through EvalExpr). Prints medians and the worst.
// Usage: solver_bench [deals per card count] [seven-card walks]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>

#include "engine/globals.h"
#include "expr/eval.h"
#include "solver/solver.h"
#include "game_deals.h"

namespace {

double Ms(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <typename F>
double Time(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return Ms(std::chrono::steady_clock::now() - start);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The plain way: every attempt written out and evaluated by the game's evaluator.
uint64_t EvalExprCount(const Deal& d) {
    const int n = static_cast<int>(d.cards.size());
    const std::vector<std::u16string> forms = BracketForms(n);
    const char16_t ops[] = {u'#', u'~', u'x', DivideSign};
    std::vector<int> order = d.cards;
    std::sort(order.begin(), order.end());
    uint64_t hits = 0;
    do {
        for (int o = 0; o < 1 << (2 * (n - 1)); ++o) {
            std::u16string choice;
            for (int gap = 0; gap < n - 1; ++gap) choice += ops[(o >> (2 * gap)) & 3];
            for (const std::u16string& form : forms) {
                std::u16string text = FillForm(form, order, choice);
                bool zero = false;
                const double value = EvalQuiet(text, zero);  // before zero is read
                hits += IsHit(value, zero, d.answer);
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return hits;
}

// Deals of n distinct cards up to high: the most distinct values part-way, the slowest counts.
std::vector<Deal> DistinctDeals(int n, int count, uint32_t seed, int high) {
    std::vector<Deal> deals;
    uint32_t state = seed;
    auto next = [&] { return (state = state * 1103515245u + 12345u) >> 8; };
    while (static_cast<int>(deals.size()) < count) {
        Deal d{{}, static_cast<int>(1 + next() % 99)};
        while (static_cast<int>(d.cards.size()) < n) {
            const int c = static_cast<int>(1 + next() % high);
            if (std::find(d.cards.begin(), d.cards.end(), c) == d.cards.end()) d.cards.push_back(c);
        }
        deals.push_back(d);
    }
    return deals;
}

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100;
    const int sevenWalks = argc > 2 ? std::atoi(argv[2]) : 3;
    std::printf("computer's solver, %d deals per card count as the game deals them (highest card 25);\n"
                "full count by value beside the walk over every attempt, same deals, same run\n", count);
    std::printf("%-6s %-14s %-14s %-14s %-14s %-14s %-9s %s\n", "cards", "verdict median", "verdict worst", "count median",
                "count worst", "walk median", "ratio", "no solution");
    for (int n = 3; n <= 7; ++n) {
        std::vector<double> verdict, full, walk;
        int none = 0, walked = 0;
        for (const Deal& d : GameDeals(n, count, 1000 + n)) {
            SolveVerdict v;
            verdict.push_back(Time([&] { v = Solve(d.cards, d.answer, SolveMode::FirstSolution, 0); }));
            none += v.NoSolution();
            uint64_t a = 0, b = 0;
            full.push_back(Time([&] { a = Solve(d.cards, d.answer, SolveMode::CountAll, 0).solutions; }));
            if (n < 7 || walked < sevenWalks) {  // seven cards walk for most of a minute each
                walk.push_back(Time([&] { b = Solve(d.cards, d.answer, SolveMode::WalkAll, 0).solutions; }));
                ++walked;
                if (a != b) std::printf("MISMATCH: the count by value says %llu, the walk %llu\n", (unsigned long long)a, (unsigned long long)b);
            }
        }
        std::vector<double> fullBeside(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(walk.size()));
        std::printf("%-6d %-14.3f %-14.3f %-14.3f %-14.3f %-14.3f %-9.1f %d of %d\n", n, Median(verdict),
                    *std::max_element(verdict.begin(), verdict.end()), Median(full), *std::max_element(full.begin(), full.end()),
                    Median(walk), Median(walk) / Median(fullBeside), none, count);
    }
    std::printf("(seven cards: the walk over the first %d deals only, the ratio against the same deals)\n", sevenWalks);

    // The worst deals: distinct cards up to 50 and up to 99.
    for (int n = 6; n <= 7; ++n)
        for (int high : {50, 99}) {
            std::vector<double> t;
            for (const Deal& d : DistinctDeals(n, n == 6 ? 40 : 20, 31 * n + high, high))
                t.push_back(Time([&] { Solve(d.cards, d.answer, SolveMode::CountAll, 0); }));
            std::printf("%d distinct cards up to %d, full count over %zu deals: median %.1f ms, worst %.1f ms\n", n, high,
                        t.size(), Median(t), *std::max_element(t.begin(), t.end()));
        }
    // No solution: every attempt must be ruled out, which the walk did one by one.
    const double none7 = Time([] { Solve({16, 18, 22, 12, 9, 23, 13}, 999983, SolveMode::FirstSolution, 0); });
    const double ones = Time([] { Solve({1, 1, 1, 1, 1, 1, 2}, 99, SolveMode::FirstSolution, 0); });
    std::printf("7 cards with no solution: 16 18 22 12 9 23 13 => 999983 %.0f ms, 1 1 1 1 1 1 2 => 99 %.0f ms\n", none7, ones);
    std::printf("peak memory of this run: %ld MB\n", PeakMegabytes());

    // Baseline: the same count through EvalExpr, attempt by attempt, on five-card deals.
    std::vector<double> plain, solver;
    for (const Deal& d : GameDeals(5, 10, 555)) {
        uint64_t a = 0, b = 0;
        plain.push_back(Time([&] { a = EvalExprCount(d); }));
        solver.push_back(Time([&] { b = Solve(d.cards, d.answer, SolveMode::CountAll, 0).solutions; }));
        if (a != b) std::printf("MISMATCH on %d %d %d %d %d => %d: EvalExpr counts %llu, the solver %llu\n", d.cards[0], d.cards[1], d.cards[2], d.cards[3], d.cards[4], d.answer, (unsigned long long)a, (unsigned long long)b);
    }
    std::printf("5 cards, full count over 10 deals: EvalExpr attempt by attempt %.1f ms, solver %.2f ms: %.0f times as fast\n",
                Median(plain), Median(solver), Median(plain) / Median(solver));
    return 0;
}
