// The level of a puzzle: the best-known puzzles of the genre where they belong, and the steps.
#include <gtest/gtest.h>

#include "deal/level.h"

TEST(Level, RatesTheWellKnownPuzzlesAsPlayersDo) {
    struct Case { std::vector<int> cards; int answer; int level; };
    const Case cases[] = {
        // Every answer needs a fraction on the way: the hardest.
        {{3, 3, 8, 8}, 24, 5}, {{1, 5, 5, 5}, 24, 5}, {{1, 3, 4, 6}, 24, 5}, {{2, 3, 5, 12}, 24, 5},
        // Many whole-number answers: the easiest.
        {{1, 2, 3, 4}, 24, 1}, {{2, 4, 6, 8}, 24, 1}, {{1, 2, 3, 4}, 10, 1},
        {{1, 1, 1, 1}, 99, 0},  // no answer, no level
        {{1, 1, 1}, 3, 2},      // a single answer, but an obvious one: 1 + 1 + 1
    };
    for (const Case& c : cases) EXPECT_EQ(PuzzleLevel(c.cards, c.answer), c.level) << c.cards[0] << " " << c.cards[1] << " " << c.cards[2] << " " << c.cards[3] << " => " << c.answer;
    // A single answer is harder than many of the same cards.
    EXPECT_GT(PuzzleLevel({5, 3, 7, 2}, 24), PuzzleLevel({2, 4, 6, 8}, 24));
}

TEST(Level, FollowsTheStepsOfEachCardCount) {
    auto level = [](int cards, uint64_t plain, bool involved = false) { return Level({cards, true, plain, involved, false}); };
    EXPECT_EQ(level(5, 0), 5);    // only fractions or negative numbers on the way
    EXPECT_EQ(level(5, 1), 5);
    EXPECT_EQ(level(5, 23), 5);
    EXPECT_EQ(level(5, 24), 4);
    EXPECT_EQ(level(5, 50), 3);
    EXPECT_EQ(level(5, 107), 2);
    EXPECT_EQ(level(5, 170), 2);
    EXPECT_EQ(level(5, 171), 1);
    EXPECT_EQ(level(4, 10), 1);   // what counts as many depends on the card count
    EXPECT_EQ(level(7, 10), 5);
    EXPECT_EQ(level(5, 171, true), 2);  // brackets inside brackets make it one harder
    EXPECT_EQ(level(5, 1, true), 5);    // but never past 5
    EXPECT_EQ(Level({5, false, 0, false, false}), 0);
    EXPECT_EQ(Level({5, true, 1, false, true}), 2);  // one answer, all the cards added up
}
