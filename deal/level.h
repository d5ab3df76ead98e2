// How hard a puzzle is, 1 (easy) to 5 (hard): a formula of the puzzle's easiest answer, fitted
// to how long people take over the four-card hands that make 24, and how often they give up.
//
// The level, in words a player understands:
//   - Work the answer out step by step (two numbers at a time) in whole numbers from 0 up: no
//     fraction and no negative number on the way. Each way of doing it scores points:
//       the natural logarithm of each number made on the way (the answer itself not counted:
//         about 1 for 3, 2 for 7, 3 for 20, 4 for 55): big numbers part-way are hard;
//       minus 0.75 for each addition: adding is the easiest step;
//       plus 2 for each division, except by 1 or of a number by itself;
//       minus 2.75 for each multiplication or division by 1: a 1 to spare makes it easy.
//     The easiest answer is the way with the fewest points.
//   - The puzzle's points: those of its easiest answer, plus 1 for each different card value
//     (5 5 5 5 asks for one number, 2 7 9 13 for four), minus 1.5 times the natural logarithm
//     of 1 + the number of different last steps that reach the answer (24 = 3 * 8, 4 * 6,
//     12 + 12, 30 - 6, ...: the more there are, the sooner one is seen).
//   - The level by points: up to 1.5 is 1, up to 3 is 2, up to 4.5 is 3, up to 6 is 4, more
//     is 5. With no answer in whole numbers from 0 up the puzzle is 5 whatever its points:
//     its easiest answer needs a fraction part-way (3 3 8 8 => 24: 8 / (3 - 8 / 3)). A
//     negative number part-way is never needed: each step can be done on the numbers'
//     sizes instead (b - a for a - b), so an answer without a fraction has a plain twin.
// The weights and the boundaries were fitted by bench/level_fit on the statistics of half of
// the 1,362 hands of four cards from 1 to 13 that make 24 (tests/data/human24-train.csv); the
// docs/levels.md gives the figures. The same formula rates 3 to 7 cards and any answer card.
//
// The first rating (a count of plain answers with steps of its own for each card count) is
// kept for worksheet codes printed before this one: such a code still makes its own sheet.
#pragma once

#include <array>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

#include "expr/operations.h"

// Which rating a level comes from.
enum class Rating { First = 1, Measured = 2 };
inline constexpr Rating CurrentRating = Rating::Measured;

// The formula's numbers (see above); bench/level_fit tries others.
struct LevelWeights {
    double size = 1;          // per natural logarithm of a number made on the way
    double addition = -0.75;  // per addition
    double division = 2;      // per division, except by 1 or of a number by itself
    double byOne = -2.75;     // per multiplication or division by 1
    double cardValue = 1;     // per different card value
    double lastSteps = 1.5;   // times ln(1 + different last steps), taken off
    // Points added for the number of cards, 3 to 7: people's figures are of four cards, and
    // the game's own deals of other counts are moved to spread over the levels as four do.
    std::array<double, 5> cardAllowance = {1.5, 0, 2.5, 5, 7.5};
    std::array<double, 4> bounds = {1.75, 3.25, 4.25, 5.75};  // the most points of levels 1 to 4
};
inline constexpr LevelWeights FittedWeights{};

struct LevelFacts {
    int cards = 0;
    bool answered = false;  // the puzzle has an answer at all
    int answer = 0;
    bool natural = false;   // some answer keeps to whole numbers from 0 up all the way
    // The easiest answer in whole numbers from 0 up (when natural), as the formula found it.
    std::string easiest;    // its clean form
    int steps = 0, additions = 0, divisions = 0, byOne = 0;  // divisions: those that cost
    double sizes = 0;       // the natural logarithms of its numbers part-way, added up
    int64_t largest = 0;    // its largest number part-way (0 for none)
    int cardValues = 0;     // different card values
    int lastSteps = 0;      // different last steps that reach the answer
    double points = 0;
};

// Why a puzzle has its level, as a code and a number; the windows word it.
struct LevelReason {
    enum class Kind {
        NoAnswer,       // level 0
        NeedsFraction,  // every answer needs a fraction part-way
        Division,       // the easiest answer needs number divisions
        LargeNumber,    // the easiest answer passes the answer card on the way, up to number
        FewWays,        // only number (1 to 3) different last steps reach the answer
        CardValues,     // number different card values to use, none of the above
        ByOne,          // the easiest answer multiplies or divides by 1 (a 1 to spare)
        Additions,      // the easiest answer adds up: number additions and no other step that costs
        ManyWays,       // number different last steps reach the answer
        RepeatedCards,  // only number different card values
        SmallNumbers,   // the easiest answer stays at number or below
    };
    Kind kind = Kind::NoAnswer;
    int64_t number = 0;
    bool operator==(const LevelReason&) const = default;
};

// 1..5; 0 when the puzzle has no answer.
int Level(const LevelFacts& facts, const LevelWeights& weights = FittedWeights);
LevelReason ReasonOf(const LevelFacts& facts, const LevelWeights& weights = FittedWeights);

// The facts of a puzzle (3..7 cards of 1..99, an answer card of 1..99). With a stop requested
// the facts are incomplete; the caller drops them. ops: the answers rated are those that use
// no other operation (the easiest among them, and the last steps they can end with).
LevelFacts FactsOf(const std::vector<int>& cards, int answer, std::stop_token stop = {},
                   const LevelWeights& weights = FittedWeights, AllowedOperations ops = AllowedOperations::All);

// The level by the first rating, for worksheet codes made with it.
int FirstRatingLevel(const std::vector<int>& cards, int answer);

// The first rating knows all four operations only (no code of it holds fewer).
inline int PuzzleLevel(const std::vector<int>& cards, int answer, Rating rating = CurrentRating, AllowedOperations ops = AllowedOperations::All) {
    return rating == Rating::First ? FirstRatingLevel(cards, answer) : Level(FactsOf(cards, answer, {}, FittedWeights, ops));
}
