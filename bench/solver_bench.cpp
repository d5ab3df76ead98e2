// Timing of the exact solver over deals drawn as Shuffle and Deal draw them (highest card 25),
// beside the plain way: every attempt text through EvalExpr. Prints medians and the worst.
// Usage: solver_bench [deals per card count] [seven-card full counts]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

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

}  // namespace

int main(int argc, char* argv[]) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100;
    const int sevenCounts = argc > 2 ? std::atoi(argv[2]) : 3;
    std::printf("exact solver, %d deals per card count as the game deals them (highest card 25)\n", count);
    std::printf("%-6s %-14s %-14s %-14s %-14s %s\n", "cards", "verdict median", "verdict worst", "count median", "count worst", "no solution");
    for (int n = 3; n <= 7; ++n) {
        std::vector<double> verdict, full;
        int none = 0;
        for (const Deal& d : GameDeals(n, count, 1000 + n)) {
            SolveVerdict v;
            verdict.push_back(Time([&] { v = Solve(d.cards, d.answer, SolveMode::FirstSolution, 0); }));
            none += v.NoSolution();
            if (n < 7) full.push_back(Time([&] { Solve(d.cards, d.answer, SolveMode::CountAll, 0); }));
        }
        if (n < 7)
            std::printf("%-6d %-14.3f %-14.3f %-14.3f %-14.3f %d of %d\n", n, Median(verdict), *std::max_element(verdict.begin(), verdict.end()),
                        Median(full), *std::max_element(full.begin(), full.end()), none, count);
        else
            std::printf("%-6d %-14.3f %-14.3f %-14s %-14s %d of %d\n", n, Median(verdict), *std::max_element(verdict.begin(), verdict.end()), "below", "", none, count);
    }
    // Seven cards counted in full: the longest job, so only a few deals.
    std::vector<double> seven;
    for (const Deal& d : GameDeals(7, sevenCounts, 77)) seven.push_back(Time([&] { Solve(d.cards, d.answer, SolveMode::CountAll, 0); }));
    if (!seven.empty())
        std::printf("7 cards, full count over %d deals: median %.0f ms, worst %.0f ms\n", sevenCounts, Median(seven),
                    *std::max_element(seven.begin(), seven.end()));
    // A seven-card deal with no solution: every attempt must be judged.
    const double hardest = Time([] { Solve({1, 1, 1, 1, 1, 1, 2}, 99, SolveMode::FirstSolution, 0); });
    std::printf("7 cards with no solution (1 1 1 1 1 1 2 => 99): verdict %.0f ms\n", hardest);

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
