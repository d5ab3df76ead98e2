// The count by value against the walk over every attempt and against the game's own evaluator
// on every attempt written out; and the verdicts built on it.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "every_attempt.h"
#include "solver/attempt_counter.h"
#include "solver/solver.h"

namespace {

struct Deal {
    std::vector<int> cards;
    int answer;
};

std::string Name(const Deal& d) {
    std::string name = "cards";
    for (int c : d.cards) name.append(" ").append(std::to_string(c));
    return name.append(" => ").append(std::to_string(d.answer));
}

uint64_t Walked(const Deal& d) { return Solve(d.cards, d.answer, SolveMode::WalkAll, 0).solutions; }

// Deals where the game's arithmetic is delicate: 15-digit steps that land on the answer card
// or just miss it, divisions by zero that cancel out, equal cards, zeros, answers far away.
const Deal Delicate[] = {
    {{1, 8, 3, 3}, 9},          {{43, 15, 2, 23, 3}, 20}, {{3, 3, 8, 8}, 24},  {{19, 7, 1, 19, 7}, 19},
    {{5, 5, 5, 5, 5}, 5},       {{0, 0, 0, 0}, 0},        {{0, 7, 0, 7, 0}, 7}, {{99, 99, 99, 99, 99}, 1},
    {{1, 2, 3, 4, 5}, 99},      {{3, 9, 3, 9}, 17},       {{2, 2, 2}, 0},       {{7, 3, 99}, 0},
    {{1, 1, 1, 1, 1}, 99},      {{3, 22, 18, 6}, 22},     {{1, 3, 9, 27, 81}, 1}, {{6, 7, 11, 13, 49}, 1},
};

}  // namespace

TEST(CountByValue, CountsEveryAttemptThatHitsWhenWrittenOut) {
    const Deal deals[] = {{{1, 8, 3, 3}, 9}, {{3, 9, 3, 9}, 17}, {{0, 7, 0, 7}, 7}, {{8, 8, 8, 8}, 1},
                          {{19, 7, 1, 19, 7}, 19}, {{43, 15, 2, 23, 3}, 20}, {{4, 4, 2}, 2}, {{12, 5, 0}, 0}};
    for (const Deal& d : deals) {
        uint64_t hits = 0;
        EveryAttempt(d.cards, [&](const std::u16string& text) { hits += GameHits(text, d.answer); });
        EXPECT_EQ(CountHits(d.cards, d.answer), hits) << Name(d);
    }
}

TEST(CountByValue, AgreesWithTheWalkOnRandomAndDelicateDeals) {
    for (const Deal& d : Delicate) EXPECT_EQ(CountHits(d.cards, d.answer), Walked(d)) << Name(d);
    const uint32_t seed = 20261207;
    std::mt19937 gen(seed);
    for (int i = 0; i < 240; ++i) {
        const int n = 3 + i % 3;
        const int high = std::array{6, 13, 25, 50, 99}[i % 5];  // low highest cards repeat cards
        Deal d{{}, static_cast<int>(gen() % 100)};
        for (int k = 0; k < n; ++k) d.cards.push_back(static_cast<int>(i % 7 == 0 ? gen() % 100 : 1 + gen() % high));
        ASSERT_EQ(CountHits(d.cards, d.answer), Walked(d)) << Name(d) << " seed " << seed;
    }
}

// Six cards: a few deals here (five and more are counted by value), many more in the slow
// suite. 5 7 7 3 3 9 => 9 has attempts like 05x(07~07)÷(03~03)#09 that only hit through a
// division by zero.
TEST(CountByValue, AgreesWithTheWalkOnSixCards) {
    const Deal deals[] = {{{5, 7, 7, 3, 3, 9}, 9}, {{12, 15, 18, 11, 7, 21}, 18}, {{9, 14, 5, 5, 1, 12}, 13},
                          {{2, 2, 2, 2, 2, 2}, 1}};
    for (const Deal& d : deals) {
        const SolveVerdict v = Solve(d.cards, d.answer, SolveMode::CountAll, SIZE_MAX);
        const SolveVerdict walked = Solve(d.cards, d.answer, SolveMode::WalkAll, SIZE_MAX);
        EXPECT_EQ(v.solutions, walked.solutions) << Name(d);
        EXPECT_TRUE(v.counted) << Name(d);
        EXPECT_EQ(v.attempts, walked.attempts) << Name(d);
        EXPECT_EQ(v.listed, walked.listed) << Name(d);  // the walk still lists, in its order
    }
}

// The proof that the computer can never find an answer no longer walks every attempt.
TEST(CountByValue, ProvesThereIsNoSolutionAndFindsTheFirstOne) {
    const SolveVerdict none = Solve({16, 18, 22, 12, 9, 23, 13}, 999983, SolveMode::FirstSolution, 1);
    EXPECT_TRUE(none.NoSolution());
    EXPECT_TRUE(none.counted);
    EXPECT_TRUE(none.listed.empty());

    // A six-card deal whose first hit lies beyond the first card orders a verdict walks first:
    // the count says there is one, and the walk goes on to list it.
    const Deal late{{17, 8, 19, 20, 20, 19}, 94};  // first hit in the 61st card order
    const SolveVerdict first = Solve(late.cards, late.answer, SolveMode::FirstSolution, 1);
    const SolveVerdict walked = Solve(late.cards, late.answer, SolveMode::WalkAll, 1);
    ASSERT_GT(walked.solutions, 0u);
    EXPECT_FALSE(first.NoSolution());
    EXPECT_EQ(first.solutions, walked.solutions);
    ASSERT_EQ(first.listed.size(), 1u);
    EXPECT_EQ(first.listed, walked.listed);
    EXPECT_TRUE(GameHits(first.listed.front(), late.answer));
}

TEST(CountByValue, StopsWhenAskedAndRefusesWhatIsNoDeal) {
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(CountHits({1, 2, 3, 4, 5, 6}, 24, stop.get_token()).has_value());
    const SolveVerdict v = Solve({1, 2, 3, 4, 5, 6}, 24, SolveMode::CountAll, 0, stop.get_token());
    EXPECT_EQ(v.status, SolveVerdict::Status::Cancelled);
    EXPECT_FALSE(v.NoSolution());
    EXPECT_FALSE(CountHits({1, 2}, 3).has_value());
    EXPECT_FALSE(CountHits({1, 2, 3, 4, 5, 6, 7, 8}, 3).has_value());
    EXPECT_FALSE(CountHits({1, 2, 100}, 3).has_value());
    EXPECT_FALSE(CountHits({1, -2, 3}, 3).has_value());
}

// In the order taught at school the walk, the count by value and the fast path all read the
// attempts as the evaluator does: checked on every attempt written out, and on six cards.
TEST(CountByValue, AgreesInTheSchoolOrderToo) {
    constexpr OperatorOrder school = OperatorOrder::School;
    const Deal small[] = {{{10, 4, 3}, 9}, {{8, 2, 2}, 8}, {{1, 8, 3, 3}, 9}, {{5, 2, 1, 7}, 4},
                          {{0, 7, 0, 7}, 7}, {{19, 7, 1, 19, 7}, 19}, {{43, 15, 2, 23, 3}, 20}};
    uint64_t differ = 0;  // attempts the two orders judge differently, over all the deals
    for (const Deal& d : small) {
        uint64_t hits = 0;
        EveryAttempt(d.cards, [&](const std::u16string& text) {
            const bool hit = GameHits(text, d.answer, school);
            hits += hit;
            differ += hit != GameHits(text, d.answer);
            const FastValue fast = FastEvaluate(text, school);
            std::u16string copy = text;
            bool zero = false;
            const double value = EvalQuiet(copy, zero, school);
            if (!fast.maybeZero && !zero) {
                ASSERT_LE(std::fabs(value - fast.value), fast.bound) << Name(d);
            }
        });
        EXPECT_EQ(Solve(d.cards, d.answer, SolveMode::WalkAll, 0, {}, {}, school).solutions, hits) << Name(d);
        EXPECT_EQ(CountHits(d.cards, d.answer, {}, school), hits) << Name(d);
        EXPECT_EQ(Solve(d.cards, d.answer, SolveMode::CountAll, 0, {}, {}, school).solutions, hits) << Name(d);
    }
    EXPECT_GT(differ, 10u);  // else the order would not have reached the evaluator
    for (const Deal& d : {Deal{{5, 7, 7, 3, 3, 9}, 9}, Deal{{12, 15, 18, 11, 7, 21}, 18}}) {
        EXPECT_EQ(CountHits(d.cards, d.answer, {}, school), Solve(d.cards, d.answer, SolveMode::WalkAll, 0, {}, {}, school).solutions)
            << Name(d);
    }
}
