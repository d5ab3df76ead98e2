// Fits the level's weights and boundaries (deal/level.h) to how hard people find the hands of
// 24, and prints the figures docs/levels.md quotes. Reproducible: no randomness, the same figures
// every run. Usage: level_fit [human24-train.csv]
//   1. The weights: from every weight at 0 (the size of the numbers part-way is the unit),
//      one weight at a time moves by 0.5, then 0.25, while the sum of the two correlations of
//      the points (with the mean time, with the failure rate) grows.
//   2. The boundaries: on a grid of quarter points, the four that give the levels the largest
//      sum of correlations, with each level holding 10 % to 30 % of the hands and its median
//      time above the level before, level 5's at least three times level 1's.
//   3. The allowance per card count: the median points of the game's own deals (highest card
//      25) of four cards less those of each count, to the nearest half point.
// All of it on the whole training half; then again on two thirds of it (every hand but each
// third in the file, which is in order of how fast people solve them) to be judged on the
// third it never saw. The first rating's figures stand beside.
#include <cstdio>
#include <limits>
#include <string>

#include "deal/level.h"
#include "game_deals.h"
#include "tests/human_data.h"

namespace {

constexpr double Beyond = 1e6;  // the points of a hand with no answer in whole numbers from 0 up

std::vector<HumanHand> Pick(const std::vector<HumanHand>& all, int part) {
    std::vector<HumanHand> out;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (part < 0 || (part == 0) == (i % 3 != 2)) out.push_back(all[i]);
    return out;
}

std::vector<double> Points(const std::vector<HumanHand>& hands, const LevelWeights& w) {
    std::vector<double> out;
    for (const HumanHand& h : hands) {
        const LevelFacts f = FactsOf(h.cards, 24, {}, w);
        out.push_back(f.natural ? f.points : Beyond);
    }
    return out;
}

std::vector<double> Levels(const std::vector<HumanHand>& hands, const LevelWeights& w) {
    std::vector<double> out;
    for (const HumanHand& h : hands) out.push_back(Level(FactsOf(h.cards, 24, {}, w), w));
    return out;
}

double Score(const HumanFigures& f) { return f.withTime + f.withFailure; }

LevelWeights FitWeights(const std::vector<HumanHand>& hands) {
    LevelWeights w;
    w.addition = w.division = w.byOne = w.cardValue = w.lastSteps = 0;
    w.cardAllowance = {};
    double* knobs[] = {&w.addition, &w.division, &w.byOne, &w.cardValue, &w.lastSteps};
    double best = Score(FiguresOf(hands, Points(hands, w), false));
    for (double step : {0.5, 0.25}) {
        for (bool moved = true; moved;) {
            moved = false;
            for (double* k : knobs) {
                for (double d : {step, -step}) {
                    *k += d;
                    const double s = Score(FiguresOf(hands, Points(hands, w), false));
                    if (s > best + 1e-6) {
                        best = s;
                        moved = true;
                    } else {
                        *k -= d;
                    }
                }
            }
        }
    }
    return w;
}

bool MeetsShape(const HumanFigures& f) {
    for (int l = 1; l <= 5; ++l) {
        if (f.share[l] < 10 || f.share[l] > 30) return false;
        if (l > 1 && f.medianSeconds[l] <= f.medianSeconds[l - 1]) return false;
    }
    return f.medianSeconds[5] >= 3 * f.medianSeconds[1];
}

// Levels are runs of the hands in order of points, so each choice of boundaries is scored from
// running sums of the ranks; only a choice that scores best so far has its medians checked.
void FitBounds(const std::vector<HumanHand>& hands, LevelWeights& w) {
    const std::vector<double> points = Points(hands, w);
    const std::size_t n = hands.size();
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return points[a] < points[b]; });
    std::vector<double> time, failure, sorted;
    for (const HumanHand& h : hands) {
        time.push_back(h.meanSeconds);
        failure.push_back(h.failure);
    }
    const std::vector<double> rt = Ranks(time), rf = Ranks(failure);
    std::vector<double> sumT(n + 1), sumF(n + 1);
    for (std::size_t i = 0; i < n; ++i) {
        sumT[i + 1] = sumT[i] + rt[order[i]];
        sumF[i + 1] = sumF[i] + rf[order[i]];
        sorted.push_back(points[order[i]]);
    }
    const double mean = (n + 1) / 2.0;
    auto spread = [&](const std::vector<double>& r) {
        double s = 0;
        for (double x : r) s += (x - mean) * (x - mean);
        return s;
    };
    const double varT = spread(rt), varF = spread(rf);
    std::vector<double> grid;
    for (double b = -4; b <= 12; b += 0.25) grid.push_back(b);
    std::vector<std::size_t> cut;  // hands with points up to each grid value
    for (double b : grid) cut.push_back(std::upper_bound(sorted.begin(), sorted.end(), b) - sorted.begin());
    double best = -std::numeric_limits<double>::infinity();
    std::array<double, 4> chosen = w.bounds;
    const std::size_t g = grid.size();
    for (std::size_t a = 0; a < g; ++a)
        for (std::size_t b = a + 1; b < g; ++b)
            for (std::size_t c = b + 1; c < g; ++c)
                for (std::size_t d = c + 1; d < g; ++d) {
                    const std::size_t edge[6] = {0, cut[a], cut[b], cut[c], cut[d], n};
                    double covT = 0, covF = 0, varL = 0;
                    bool even = true;
                    for (int l = 0; l < 5; ++l) {
                        const double size = static_cast<double>(edge[l + 1] - edge[l]);
                        if (size < 0.1 * n || size > 0.3 * n) even = false;
                        const double rank = edge[l] + (size + 1) / 2 - mean;
                        covT += rank * (sumT[edge[l + 1]] - sumT[edge[l]] - size * mean);
                        covF += rank * (sumF[edge[l + 1]] - sumF[edge[l]] - size * mean);
                        varL += size * rank * rank;
                    }
                    if (!even || varL == 0) continue;
                    const double score = covT / std::sqrt(varL * varT) + covF / std::sqrt(varL * varF);
                    if (score <= best + 1e-9) continue;
                    std::vector<double> level(n);
                    for (int l = 0; l < 5; ++l)
                        for (std::size_t i = edge[l]; i < edge[l + 1]; ++i) level[order[i]] = l + 1;
                    if (!MeetsShape(FiguresOf(hands, level, true))) continue;
                    best = score;
                    chosen = {grid[a], grid[b], grid[c], grid[d]};
                }
    w.bounds = chosen;
}

void FitAllowances(LevelWeights& w) {
    double median[8] = {};
    LevelWeights plain = w;
    plain.cardAllowance = {};
    for (int n = 3; n <= 7; ++n) {
        std::vector<double> points;
        for (const Deal& d : GameDeals(n, n >= 6 ? 300 : 600, 4000 + n)) {
            const LevelFacts f = FactsOf(d.cards, d.answer, {}, plain);
            if (f.answered) points.push_back(f.natural ? f.points : Beyond);
        }
        median[n] = Median(points);
    }
    for (int n = 3; n <= 7; ++n) w.cardAllowance[n - 3] = std::round(2 * (median[4] - median[n])) / 2;
}

void PrintWeights(const char* name, const LevelWeights& w) {
    std::printf("%s: size %.2f, addition %.2f, division %.2f, by one %.2f, card value %.2f, last steps %.2f; bounds %.2f %.2f %.2f %.2f; "
                "allowance for 3-7 cards %.1f %.1f %.1f %.1f %.1f\n",
                name, w.size, w.addition, w.division, w.byOne, w.cardValue, w.lastSteps, w.bounds[0], w.bounds[1], w.bounds[2],
                w.bounds[3], w.cardAllowance[0], w.cardAllowance[1], w.cardAllowance[2], w.cardAllowance[3], w.cardAllowance[4]);
}

void PrintFigures(const char* rating, const char* hands, std::size_t count, const HumanFigures& f) {
    std::printf("| %s | %s (%zu) | %.3f | %.3f | %.0f%% %.0f%% %.0f%% %.0f%% %.0f%% | %.1f %.1f %.1f %.1f %.1f |\n", rating, hands, count,
                f.withTime, f.withFailure, f.share[1], f.share[2], f.share[3], f.share[4], f.share[5], f.medianSeconds[1],
                f.medianSeconds[2], f.medianSeconds[3], f.medianSeconds[4], f.medianSeconds[5]);
}

std::vector<double> FirstLevels(const std::vector<HumanHand>& hands) {
    std::vector<double> out;
    for (const HumanHand& h : hands) out.push_back(FirstRatingLevel(h.cards, 24));
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string path = argc > 1 ? argv[1] : PELORAND_TEST_DATA "/human24-train.csv";
    const std::vector<HumanHand> all = ReadHumanHands(path), fit = Pick(all, 0), held = Pick(all, 1);
    if (all.empty()) {
        std::fprintf(stderr, "level_fit: cannot read %s\n", path.c_str());
        return 2;
    }
    LevelWeights whole = FitWeights(all);
    FitBounds(all, whole);
    FitAllowances(whole);
    LevelWeights part = FitWeights(fit);
    FitBounds(fit, part);
    FitAllowances(part);
    PrintWeights("fitted on the whole half", whole);
    PrintWeights("fitted on two thirds    ", part);
    const LevelWeights& shipped = FittedWeights;
    PrintWeights("in deal/level.h         ", shipped);
    std::printf("the points alone, before boundaries: whole half %.3f %.3f; two thirds %.3f %.3f, the third left out %.3f %.3f\n",
                FiguresOf(all, Points(all, whole), false).withTime, FiguresOf(all, Points(all, whole), false).withFailure,
                FiguresOf(fit, Points(fit, part), false).withTime, FiguresOf(fit, Points(fit, part), false).withFailure,
                FiguresOf(held, Points(held, part), false).withTime, FiguresOf(held, Points(held, part), false).withFailure);
    std::printf("\n| rating | hands | Spearman with mean time | with failure rate | levels 1-5, share | median time (s) |\n"
                "|---|---|---|---|---|---|\n");
    PrintFigures("first (count of plain answers)", "whole half", all.size(), FiguresOf(all, FirstLevels(all), true));
    PrintFigures("new, as shipped", "whole half", all.size(), FiguresOf(all, Levels(all, shipped), true));
    PrintFigures("first", "the two thirds", fit.size(), FiguresOf(fit, FirstLevels(fit), true));
    PrintFigures("new, fitted on the two thirds", "the two thirds", fit.size(), FiguresOf(fit, Levels(fit, part), true));
    PrintFigures("first", "the third left out", held.size(), FiguresOf(held, FirstLevels(held), true));
    PrintFigures("new, fitted on the two thirds", "the third left out", held.size(), FiguresOf(held, Levels(held, part), true));
    return 0;
}
