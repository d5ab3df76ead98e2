// The player's solver: every answer a player can type for a puzzle, counted exactly.
//
// An answer uses every face card once with + - * / and brackets; it solves when its exact
// value equals the answer card and nothing in it divides by zero. Answers are counted as
// distinct canonical trees (see player/expression.h): sums and products merged and unordered,
// equal cards alike, subtraction and division kept as they are.
//
// How: the cards form a multiset; every sub-multiset S gets a table from exact value to the
// number of distinct answers over S with that value, split by the kind of the root (a sum, a
// product, or anything else: a card, a difference, a quotient).
//   - A difference or quotient over S is a pair (answer over A, answer over S - A) for a
//     sub-multiset A: counts multiply.
//   - A sum over S is a multiset of at least two non-sum answers whose cards make up S.
//     Counting multisets of children where equal children may repeat is Polya's exponential,
//     which over the card count |S| becomes an integer recurrence:
//       |S| * Total(S, v) = sum over T (nonempty sub-multiset of S) and w of
//                           Theta(T, w) * Total(S - T, v - w),
//       Theta(T, w) = sum over k dividing every count of T of |T|/k * NonSum(T/k, w/k),
//     with Total(empty, 0) = 1; the single-child term is NonSum(S, v) itself, so Sum(S, v)
//     is the rest divided by |S|. Products are the same with values multiplied (w^k for k
//     equal factors).
//   - Small sub-multisets get whole tables; the few large ones near the root are asked only
//     for the values they are needed at, each by iterating the smaller side of every split
//     and looking the other side up (memoised). So the root costs lookups, not a join.
// Every count is exact; the listing walks the same tables back down to real answers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <vector>

#include "expr/operations.h"
#include "player/expression.h"

struct PlayerVerdict {
    enum class Status { Complete, Cancelled };
    std::vector<int> cards;  // the face cards, left to right, that this verdict answers
    int answer = 0;
    Status status = Status::Complete;
    uint64_t answers = 0;              // distinct answers that solve
    std::vector<Expression> listed;    // up to keep of them, canonical, in a stable order
    bool overflow = false;             // an exact value did not fit (never for cards up to 99)

    bool NoAnswer() const { return status == Status::Complete && answers == 0; }
};

// Which values an answer may meet part-way (every value of a bracket or operation inside it):
// any at all, whole numbers only (no fraction on the way to the answer card), or whole
// numbers from 0 up (no fraction and no negative number). Each set is closed under + and *,
// which the counting of sums and products relies on.
enum class PartWay { Any, WholeNumbers, NaturalNumbers };

// cards: 1..7 face cards of 0..99; answer: the answer card. keep: how many answers to list;
// the simplest come first (no fraction part-way, then fewer levels, then shorter), then by
// text. partWay: count and list only the answers that keep to it. ops: count and list only the
// answers that use no other operation.
PlayerVerdict SolveForPlayer(const std::vector<int>& cards, int answer, std::size_t keep = 20, std::stop_token stop = {},
                             PartWay partWay = PartWay::Any, AllowedOperations ops = AllowedOperations::All);

// Whether the puzzle has an answer by the player's rule: the one question dealing and the
// "No answer" claim ask of the solver, so the operations a player may use enter here.
bool PlayerCanSolve(const std::vector<int>& cards, int answer, AllowedOperations operations = AllowedOperations::All);

