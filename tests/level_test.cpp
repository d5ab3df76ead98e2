// The level of a puzzle: the best-known puzzles where they belong, the easiest answer and its
// points worked out by hand, each term and boundary of the formula deciding a real puzzle, the
// reasons, the first rating kept for old worksheets, and the agreement with people.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <tuple>

#include "answer/answer.h"
#include "deal/level.h"
#include "human_data.h"
#include "player/player_solver.h"
#include "text_util.h"

namespace {

std::string Name(const std::vector<int>& cards, int answer) {
    std::string s;
    for (int c : cards) s += std::to_string(c) + " ";
    return s + "=> " + std::to_string(answer);
}

using Kind = LevelReason::Kind;

// Every way of working the answer out, two numbers at a time in whole numbers from 0 up, tried
// one after the other: the fewest points (as the help words them) and the different last steps.
struct Brute {
    int answer = 0;
    LevelWeights w;
    double best = std::numeric_limits<double>::infinity();
    std::set<std::tuple<char, int64_t, int64_t>> last;

    struct Item { int64_t v; bool card; };
    double Size(const Item& i) const { return i.card ? 0 : w.size * std::log(static_cast<double>(std::max<int64_t>(i.v, 1))); }

    void Walk(const std::vector<Item>& items, double points) {
        if (items.size() == 1) {
            if (items[0].v == answer) best = std::min(best, points);
            return;
        }
        for (std::size_t i = 0; i < items.size(); ++i)
            for (std::size_t j = i + 1; j < items.size(); ++j) {
                std::vector<Item> rest;
                for (std::size_t k = 0; k < items.size(); ++k)
                    if (k != i && k != j) rest.push_back(items[k]);
                const int64_t a = items[i].v, b = items[j].v;
                const double base = points + Size(items[i]) + Size(items[j]);
                auto step = [&](char op, int64_t x, int64_t y, int64_t v, double cost) {
                    if (rest.empty() && v == answer) last.insert({op, op == '+' || op == '*' ? std::min(x, y) : x, op == '+' || op == '*' ? std::max(x, y) : y});
                    std::vector<Item> next = rest;
                    next.push_back({v, false});
                    Walk(next, base + cost);
                };
                step('+', a, b, a + b, w.addition);
                step('*', a, b, a * b, a == 1 || b == 1 ? w.byOne : 0);
                if (a >= b) step('-', a, b, a - b, 0);
                if (b > a) step('-', b, a, b - a, 0);
                if (b != 0 && a % b == 0) step('/', a, b, a / b, b == 1 ? w.byOne : a == b ? 0 : w.division);
                if (a != 0 && b % a == 0) step('/', b, a, b / a, a == 1 ? w.byOne : a == b ? 0 : w.division);
            }
    }
};

}  // namespace

TEST(Level, RatesTheWellKnownPuzzlesAsPlayersDo) {
    struct Case { std::vector<int> cards; int answer; int level; };
    const Case cases[] = {
        // Every answer needs a fraction on the way: the hardest.
        {{3, 3, 8, 8}, 24, 5}, {{1, 5, 5, 5}, 24, 5}, {{1, 3, 4, 6}, 24, 5}, {{2, 3, 5, 12}, 24, 5},
        // Among the fastest solved: 4 * 3 * 2 * 1, and (11 + 1) * (1 + 1).
        {{1, 2, 3, 4}, 24, 1}, {{1, 1, 1, 11}, 24, 2}, {{1, 2, 3, 4}, 10, 1},
        // Counted as hard for having a single answer, and found fast by people: no longer 5.
        {{1, 1, 4, 4}, 24, 2}, {{2, 11, 11, 11}, 24, 2}, {{2, 13, 13, 13}, 24, 3},
        // Twelve ways to finish, but each needs a division or a number past 24 on the way
        // (6 * (2 + 8 / 4), 4 * 8 - 6 - 2): no longer level 1.
        {{2, 4, 6, 8}, 24, 3},
        {{1, 1, 1, 1}, 99, 0},  // no answer, no level
        {{1, 1, 1}, 3, 1},      // 1 + 1 + 1
    };
    for (const Case& c : cases) EXPECT_EQ(PuzzleLevel(c.cards, c.answer), c.level) << Name(c.cards, c.answer);
}

// The facts and points of puzzles worked out by hand.
TEST(Level, FindsTheEasiestAnswerAndItsPoints) {
    // 1 1 3 8 => 24: the cheapest way is 1 * 1 = 1, 3 * 1 = 3, 3 * 8 = 24: two steps by 1
    // (-2.75 each), numbers 1 and 3 on the way (ln 1 + ln 3). The last steps that reach 24:
    // 3 * 8, 24 * 1, 24 / 1, 23 + 1, 25 - 1, 24 + 0, 24 - 0. Three card values.
    const LevelFacts f = FactsOf({1, 1, 3, 8}, 24);
    EXPECT_TRUE(f.answered);
    EXPECT_TRUE(f.natural);
    EXPECT_EQ(f.steps, 3);
    EXPECT_EQ(f.byOne, 2);
    EXPECT_EQ(f.additions, 0);
    EXPECT_EQ(f.divisions, 0);
    EXPECT_EQ(f.largest, 3);
    EXPECT_NEAR(f.sizes, std::log(3.0), 1e-9);
    EXPECT_EQ(f.cardValues, 3);
    EXPECT_EQ(f.lastSteps, 7);
    EXPECT_EQ(f.easiest, "8 * 3 * 1 * 1");
    EXPECT_NEAR(f.points, std::log(3.0) - 2 * 2.75 + 3 - 1.5 * std::log(8.0), 1e-9);
    EXPECT_EQ(Level(f), 1);

    // 6 6 6 6 => 24: (6 + 6) + (6 + 6) makes 12 twice on the way, cheaper than 12 and 18 one
    // after the other, or 36 and 30 for 6 * 6 - 6 - 6. Last steps: 18 + 6, 12 + 12, 30 - 6,
    // 36 - 12. One card value.
    const LevelFacts six = FactsOf({6, 6, 6, 6}, 24);
    EXPECT_EQ(six.additions, 3);
    EXPECT_EQ(six.largest, 12);
    EXPECT_EQ(six.lastSteps, 4);
    EXPECT_EQ(six.easiest, "6 + 6 + 6 + 6");
    EXPECT_NEAR(six.points, 2 * std::log(12.0) - 3 * 0.75 + 1 - 1.5 * std::log(5.0), 1e-9);

    // 5 6 6 10 => 24 is 6 * (6 - 10 / 5): one division that costs.
    const LevelFacts divides = FactsOf({5, 6, 6, 10}, 24);
    EXPECT_EQ(divides.divisions, 1);
    EXPECT_EQ(divides.easiest, "6 * (6 - 10 / 5)");

    // Only a fraction on the way, and no answer at all.
    const LevelFacts fraction = FactsOf({3, 3, 8, 8}, 24);
    EXPECT_TRUE(fraction.answered);
    EXPECT_FALSE(fraction.natural);
    EXPECT_EQ(Level(fraction), 5);
    const LevelFacts none = FactsOf({1, 1, 1, 1}, 99);
    EXPECT_FALSE(none.answered);
    EXPECT_EQ(Level(none), 0);

    // Seven cards: 14 12 9 7 5 9 8 => 13 keeps every number small by taking 14 * 5 * (9 - 9).
    const LevelFacts seven = FactsOf({14, 12, 9, 7, 5, 9, 8}, 13);
    EXPECT_TRUE(seven.natural);
    EXPECT_EQ(seven.steps, 6);
    EXPECT_LE(seven.largest, 13);

    // A stop requested before the start: nothing is claimed.
    std::stop_source stop;
    stop.request_stop();
    const LevelFacts stopped = FactsOf({1, 2, 3, 4, 5, 6, 7}, 28, stop.get_token());
    EXPECT_FALSE(stopped.answered);
    EXPECT_FALSE(stopped.natural);
}

// A newer deal stops the rating at any moment, from another thread: whatever moment it comes,
// the facts are either nothing at all or the very facts of a run left alone (never half a way,
// never a way followed into nothing).
TEST(Level, AStopAtAnyMomentClaimsNothingOrTheWholeTruth) {
    using Clock = std::chrono::steady_clock;
    const std::vector<int> cards = {14, 12, 9, 7, 5, 9, 8};
    const LevelFacts whole = FactsOf(cards, 13);
    ASSERT_TRUE(whole.natural);
    int stoppedRuns = 0, wholeRuns = 0;
    // One run with a stop at delay after its start; true when it finished all the same.
    auto run = [&](Clock::duration delay) {
        std::stop_source stop;
        const auto at = Clock::now() + delay;
        std::thread stopper([&] {
            while (Clock::now() < at) {}  // a sleep is far coarser than the moments wanted
            stop.request_stop();
        });
        const LevelFacts f = FactsOf(cards, 13, stop.get_token());
        stopper.join();
        if (!f.answered) {
            ++stoppedRuns;
            EXPECT_FALSE(f.natural);
            EXPECT_TRUE(f.easiest.empty());
            EXPECT_EQ(f.steps, 0);
            return false;
        }
        ++wholeRuns;
        EXPECT_EQ(f.easiest, whole.easiest);
        EXPECT_EQ(f.steps, whole.steps);
        EXPECT_EQ(f.lastSteps, whole.lastSteps);
        EXPECT_DOUBLE_EQ(f.points, whole.points);
        return true;
    };
    const auto started = Clock::now();
    (void)FactsOf(cards, 13);
    const auto took = Clock::now() - started;
    // Moments from the start to half as long again as a whole run; then many more about the
    // last moment a stop still stops it, where the search ends and its answer is written out.
    Clock::duration lastStopped{}, firstFinished = took * 3 / 2;
    for (int k = 0; k <= 60; ++k) {
        const auto delay = took * k / 40;
        if (run(delay))
            firstFinished = std::min(firstFinished, delay);
        else
            lastStopped = std::max(lastStopped, delay);
    }
    const auto from = std::min(lastStopped, firstFinished) - took / 20, to = std::max(lastStopped, firstFinished) + took / 20;
    for (int k = 0; k < 300; ++k) run(from + (to - from) * k / 300);
    std::cout << "stopped " << stoppedRuns << ", finished " << wholeRuns << "\n";
    EXPECT_GT(stoppedRuns, 0);
    EXPECT_GT(wholeRuns, 0);
}

// The easiest answer is the cheapest of every way there is, its last steps are all of them, and
// it is a real answer: against every way tried one by one, on random deals of 3 to 5 cards.
TEST(Level, TheEasiestAnswerIsTheCheapestOfEveryWay) {
    std::mt19937 gen(27);
    int compared = 0;
    for (int n = 3; n <= 5; ++n) {
        for (int d = 0; d < (n == 3 ? 400 : n == 4 ? 300 : 40); ++d) {
            std::uniform_int_distribution<int> card(1, d % 2 ? 13 : 99), target(1, d % 3 ? 30 : 99);
            std::vector<int> cards;
            for (int i = 0; i < n; ++i) cards.push_back(card(gen));
            const int answer = target(gen);
            const LevelFacts f = FactsOf(cards, answer);
            Brute brute;
            brute.answer = answer;
            brute.w = FittedWeights;
            std::vector<Brute::Item> items;
            for (int c : cards) items.push_back({c, true});
            brute.Walk(items, 0);
            const std::string name = Name(cards, answer);
            ASSERT_EQ(f.natural, brute.best < std::numeric_limits<double>::infinity()) << name;
            EXPECT_EQ(f.natural, SolveForPlayer(cards, answer, 0, {}, PartWay::NaturalNumbers).answers > 0) << name;
            EXPECT_EQ(f.answered, SolveForPlayer(cards, answer, 0).answers > 0) << name;
            if (!f.natural) continue;
            ++compared;
            const LevelWeights& w = FittedWeights;
            const double way = f.sizes * w.size + f.additions * w.addition + f.divisions * w.division + f.byOne * w.byOne;
            EXPECT_NEAR(way, brute.best, 1e-9) << name << ": " << f.easiest;
            EXPECT_EQ(f.lastSteps, static_cast<int>(brute.last.size())) << name;
            EXPECT_NEAR(f.points, way + w.cardValue * f.cardValues - w.lastSteps * std::log(1.0 + f.lastSteps) + w.cardAllowance[n - 3], 1e-9)
                << name;
            EXPECT_EQ(f.steps, n - 1) << name;
            EXPECT_TRUE(CheckAnswer(U16(f.easiest), cards, answer).solves) << name << ": " << f.easiest;
        }
    }
    EXPECT_GT(compared, 180);  // enough deals with a plain answer to mean something
}

// Each weight, boundary and allowance of the formula decides the level of a real puzzle: with
// the number as it stands the puzzle has its level, and moved a little it would have another.
TEST(Level, EachTermOfTheFormulaDecidesARealPuzzle) {
    struct Case {
        const char* term;
        std::vector<int> cards;
        int answer, level;
        std::function<void(LevelWeights&)> moved;
        int movedLevel;
    };
    const Case cases[] = {
        {"size of the numbers part-way", {1, 4, 7, 12}, 24, 2, [](LevelWeights& w) { w.size = 0.75; }, 1},
        {"an addition", {6, 6, 6, 6}, 24, 1, [](LevelWeights& w) { w.addition = -0.5; }, 2},
        {"a division", {5, 6, 6, 10}, 24, 4, [](LevelWeights& w) { w.division = 1.5; }, 3},
        {"a step by 1", {1, 3, 3, 7}, 24, 1, [](LevelWeights& w) { w.byOne = -2.25; }, 2},
        {"a card value", {1, 2, 5, 12}, 24, 2, [](LevelWeights& w) { w.cardValue = 0.75; }, 1},
        {"the last steps", {5, 6, 11, 12}, 24, 1, [](LevelWeights& w) { w.lastSteps = 1.25; }, 2},
        {"level 1's most", {1, 1, 2, 6}, 24, 2, [](LevelWeights& w) { w.bounds[0] = 2; }, 1},
        {"level 2's most", {2, 13, 13, 13}, 24, 3, [](LevelWeights& w) { w.bounds[1] = 3.5; }, 2},
        {"level 3's most", {1, 1, 2, 9}, 24, 4, [](LevelWeights& w) { w.bounds[2] = 4.5; }, 3},
        {"level 4's most", {4, 4, 6, 11}, 24, 5, [](LevelWeights& w) { w.bounds[3] = 6; }, 4},
        {"three cards", {3, 9, 8}, 24, 5, [](LevelWeights& w) { w.cardAllowance[0] = 1; }, 4},
        {"five cards", {1, 9, 4, 1, 4}, 24, 2, [](LevelWeights& w) { w.cardAllowance[2] = 2; }, 1},
        {"six cards", {5, 10, 3, 17, 11, 11}, 18, 3, [](LevelWeights& w) { w.cardAllowance[3] = 4.5; }, 2},
        {"seven cards", {14, 12, 9, 7, 5, 9, 8}, 13, 4, [](LevelWeights& w) { w.cardAllowance[4] = 7; }, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Level(FactsOf(c.cards, c.answer)), c.level) << c.term << ": " << Name(c.cards, c.answer);
        LevelWeights w = FittedWeights;
        c.moved(w);
        EXPECT_EQ(Level(FactsOf(c.cards, c.answer, {}, w), w), c.movedLevel) << c.term << " moved: " << Name(c.cards, c.answer);
    }
}

TEST(Level, SaysWhyWithTheMainReason) {
    struct Case { std::vector<int> cards; int answer; int level; LevelReason reason; };
    const Case cases[] = {
        {{1, 1, 1, 1}, 99, 0, {Kind::NoAnswer, 0}},
        {{1, 5, 5, 5}, 24, 5, {Kind::NeedsFraction, 0}},        // 5 * (5 - 1 / 5)
        {{1, 4, 12, 12}, 24, 4, {Kind::Division, 1}},           // 12 * (12 / 4 - 1)
        {{1, 2, 5, 5}, 24, 3, {Kind::LargeNumber, 25}},         // 5 * 5 - (2 - 1)
        {{1, 1, 3, 13}, 24, 4, {Kind::FewWays, 1}},             // (13 - 1) * (3 - 1), the one last step
        {{2, 13, 13, 13}, 24, 3, {Kind::FewWays, 1}},           // (13 - 13 / 13) * 2: 13 / 13 is no division that costs
        {{14, 12, 9, 7, 5, 9, 8}, 13, 4, {Kind::CardValues, 6}},
        {{1, 1, 3, 8}, 24, 1, {Kind::ByOne, 2}},                // 8 * 3 * 1 * 1
        {{6, 6, 6, 6}, 24, 1, {Kind::Additions, 3}},            // 6 + 6 + 6 + 6
        {{1, 1, 5, 8}, 24, 2, {Kind::RepeatedCards, 3}},        // 8 * (5 - 1 + 1)
        {{1, 4, 7, 12}, 24, 2, {Kind::ManyWays, 11}},           // 12 * (7 - 4 + 1)
        {{2, 3, 4, 8}, 24, 2, {Kind::SmallNumbers, 3}},         // 8 * (2 + (4 - 3))
    };
    for (const Case& c : cases) {
        const LevelFacts f = FactsOf(c.cards, c.answer);
        EXPECT_EQ(Level(f), c.level) << Name(c.cards, c.answer);
        const LevelReason r = ReasonOf(f);
        EXPECT_EQ(static_cast<int>(r.kind), static_cast<int>(c.reason.kind)) << Name(c.cards, c.answer);
        EXPECT_EQ(r.number, c.reason.number) << Name(c.cards, c.answer);
    }
}

// The first rating, for worksheet codes made before: a count of plain answers.
TEST(Level, KeepsTheFirstRatingForOldSheets) {
    struct Case { std::vector<int> cards; int answer; int level; };
    const Case cases[] = {
        {{3, 3, 8, 8}, 24, 5}, {{1, 2, 3, 4}, 24, 1}, {{2, 4, 6, 8}, 24, 1}, {{1, 2, 3, 4}, 10, 1},
        {{1, 1, 1, 1}, 99, 0}, {{1, 1, 1}, 3, 2}, {{1, 1, 1, 11}, 24, 5},  // a single answer: 5
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstRatingLevel(c.cards, c.answer), c.level) << Name(c.cards, c.answer);
        EXPECT_EQ(PuzzleLevel(c.cards, c.answer, Rating::First), c.level) << Name(c.cards, c.answer);
    }
}

// The level against how hard people found half of the four-card hands of 24: it must keep to
// the goals it was fitted to (bench/level_fit prints the same figures).
TEST(Level, AgreesWithPeopleOnTheTrainingHands) {
    const char* dir = std::getenv("PELORAND_TEST_DATA");
    const std::string path = std::string(dir ? dir : PELORAND_TEST_DATA) + "/human24-train.csv";
    const std::vector<HumanHand> hands = ReadHumanHands(path);
    ASSERT_EQ(hands.size(), 681u) << path;
    std::vector<double> levels;
    for (const HumanHand& h : hands) levels.push_back(PuzzleLevel(h.cards, 24));
    const HumanFigures f = FiguresOf(hands, levels, true);
    std::cout << "Spearman with the mean time " << f.withTime << ", with the failure rate " << f.withFailure << "\n";
    for (int l = 1; l <= 5; ++l)
        std::cout << "  level " << l << ": " << f.share[l] << "% of the hands, median time " << f.medianSeconds[l] << " s\n";
    EXPECT_GE(f.withTime, 0.65);
    EXPECT_GE(f.withFailure, 0.80);
    for (int l = 1; l <= 5; ++l) {
        EXPECT_GE(f.share[l], 10) << "level " << l;
        EXPECT_LE(f.share[l], 30) << "level " << l;
        if (l > 1) {
            EXPECT_GT(f.medianSeconds[l], f.medianSeconds[l - 1]) << "level " << l;
        }
    }
    EXPECT_GE(f.medianSeconds[5], 3 * f.medianSeconds[1]);
}
