// The count by value against the walk over every attempt on many six- and seven-card deals.
// Minutes of walking: its own executable, labelled "slow", run in shards (tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "solver/attempt_counter.h"
#include "solver/solver.h"

namespace {

struct Deal {
    std::vector<int> cards;
    int answer;
};

// Deal i: six cards for i < 100, else seven. Walking seven distinct cards takes most of a
// minute, so seven-card deals repeat cards (a pattern of equal cards each), which keeps every
// walk to seconds while the counter still meets every shape and operator.
Deal MakeDeal(int i) {
    std::mt19937 gen(7000 + i);
    auto card = [&] { return static_cast<int>(1 + gen() % 50); };
    Deal d{{}, static_cast<int>(1 + gen() % 99)};
    if (i < 100) {
        for (int k = 0; k < 6; ++k) d.cards.push_back(card());
        return d;
    }
    static const std::vector<std::vector<int>> patterns = {{2, 2, 2, 1}, {3, 2, 1, 1}, {4, 1, 1, 1}, {3, 3, 1}, {2, 2, 1, 1, 1}};
    const std::vector<int>& runs = patterns[i % patterns.size()];
    for (int run : runs) {
        const int c = card();
        for (int k = 0; k < run; ++k) d.cards.push_back(c);
    }
    std::shuffle(d.cards.begin(), d.cards.end(), gen);
    return d;
}

class SlowCount : public testing::TestWithParam<int> {};

}  // namespace

TEST_P(SlowCount, AgreesWithTheWalk) {
    const Deal d = MakeDeal(GetParam());
    std::string name = "cards";
    for (int c : d.cards) name.append(" ").append(std::to_string(c));
    name.append(" => ").append(std::to_string(d.answer));
    const SolveVerdict walked = Solve(d.cards, d.answer, SolveMode::WalkAll, 0);
    ASSERT_TRUE(walked.counted) << name;
    EXPECT_EQ(CountHits(d.cards, d.answer), walked.solutions) << name;
}

// 100 six-card deals, 25 seven-card deals.
INSTANTIATE_TEST_SUITE_P(Deals, SlowCount, testing::Range(0, 125));
