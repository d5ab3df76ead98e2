// The player's rule: an answer as a tree of cards and + - * /, valued exactly, and its clean form.
//
// The game's order of operations reads a text: brackets first, then every multiplication,
// then every division, then every addition, then every subtraction, each left to right. As a
// grammar that is four levels of left-associative operators, * binding tightest and - least:
// 8 / 2 * 2 is 8 / (2 * 2) = 2, and 5 - 2 + 1 is 5 - (2 + 1) = 2.
//
// Two answers are the same when they differ only in the order or grouping of terms that are
// added together, or of factors that are multiplied together, or by exchanging equal cards.
// Canonical() makes that concrete: a sum whose term is a sum becomes one sum of all the terms
// (likewise products), and the terms of each sum and the factors of each product are sorted
// (larger value first, then by text). Subtraction and division are never regrouped.
//
// Each tree's text is its canonical key: the game's order with only the brackets that order
// needs (none around a card, none doubled), spaces around operators, * and /. What the game
// writes out for a person is the clean form (CleanText), which in the game's order also has
// the brackets the school order needs, so that it reads as the same answer in both.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expr/eval.h"
#include "player/fraction.h"

struct Expression {
    enum class Op : char { Card, Add, Subtract, Multiply, Divide };
    Op op = Op::Card;
    int card = 0;                  // Card only
    std::vector<Expression> parts; // Add, Multiply: two or more; Subtract, Divide: exactly two
    Fraction value;                // exact value, set by the builders below and by Canonical
    bool valid = true;             // false: a division by zero (or an overflow) somewhere inside
    std::string text;              // the key canonical order and equality use; set by Canonical and the builders

    static Expression Card(int card);
    // a op b with their values combined exactly; text in the clean form of the two parts as given.
    static Expression Combine(Op op, Expression a, Expression b);
    // A sum or product of parts that are already canonical and not themselves of the same op.
    static Expression Group(Op op, std::vector<Expression> parts);
};

// The tree of an answer in the game's notation (two-digit cards, # ~ x and the divide sign,
// brackets), read in an order of operations (the game's unless said); nothing when the text
// is not well formed.
std::optional<Expression> ReadNotation(std::u16string_view notation, OperatorOrder order = OperatorOrder::Game);

// The school order differs from the game's in two pairs of operators, each read together at
// school: + and -, and * and /. Reading a text in the game's order with one pair read as school
// reads it tells which difference changes an answer.
enum class SchoolPair { AddAndSubtract, MultiplyAndDivide };
std::optional<Expression> ReadNotationWithSchoolPair(std::u16string_view notation, SchoolPair pair);

// The clean form of a tree, as the game writes an answer for a person in an order. In the
// school's, the brackets that order needs (a difference inside a sum, after its first term,
// keeps its brackets: 9 + (9 - 3) but 9 - 3 + 9). In the game's, the brackets either order
// needs, so that it reads the same by both: 11 + 1 - (4 + 3) and 8 / (2 * 2), where the game
// alone needs none, but 9 + 9 - 3 / 3 as it is. Read back in its order it gives the same
// tree, and the game's form gives it in the school order too.
std::string CleanText(const Expression& e, OperatorOrder order);

// The same answer with sums and products merged and ordered: equal trees mean the same answer.
Expression Canonical(const Expression& e);

// The exact steps of working an answer out, innermost first, as the tree groups it:
// "8 / 3 = 8/3", "3 - 8/3 = 1/3", "8 / (1/3) = 24". A sum or product of more than two parts
// takes one step per operator, left to right. Stops at a division by zero.
std::vector<std::string> ExactSteps(const Expression& e);

// "8/3" in a step: negative numbers and fractions in brackets when they stand as an operand.
std::string Operand(const Fraction& f);

// Whether working the answer out meets a value that is not a whole number before the end.
bool NeedsFractionPartWay(const Expression& e);
// Whether it meets a negative number before the end.
bool NeedsNegativePartWay(const Expression& e);
