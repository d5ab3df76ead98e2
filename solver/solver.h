// The exact solver: every attempt the search can make for a puzzle, judged by the game's rule.
//
// An attempt is an order of the face cards, an operator in each gap and one of the bracket
// forms PlaceBrackets makes for that many cards (1, 1, 9, 85 and 889 forms for 3 to 7 cards).
// The solver goes through all of them and counts the distinct attempt texts that hit, by the
// one rule IsHit: EvalExpr's value equals the answer card exactly and nothing was divided by
// zero. Equal cards swapped give the same text, so only distinct card orders are visited.
//
// How it stays both exact and fast:
//   - Brackets around a single card and doubled brackets never change a value (a value written
//     and read back once more stays the same), so the forms fall into classes of equal value
//     (6 for five cards, 22 for six, 90 for seven). One class is evaluated once; a hit counts
//     for every form in it.
//   - The game's order (brackets, then x, divide, +, -, each left to right, every result
//     written back with 15 digits) is an operator-precedence evaluation in which every result
//     but the very last is rounded to 15 digits. A depth-first walk over the gaps, left to right,
//     keeps the partly reduced stack of each prefix, so attempts that share a prefix share
//     its work.
//   - The walk computes in plain doubles and carries a bound on how far the game's rounded
//     value can lie from the plain one. Whole numbers stay exact (bound 0). Only an attempt
//     whose plain value lies within its bound of the answer card, or whose divisor might be
//     zero, is written out as text and evaluated by EvalQuiet, the very code of EvalExpr; so
//     every hit is decided on the game's own value, to the last bit.
//   - A divisor that is certainly zero rules out every attempt that shares that prefix.
// From five cards on, a full count is made by value instead (solver/attempt_counter.h), which
// is many times faster there; the walk then only finds first hits and lists attempts.
// It reads no shared state and writes none, so it may run on a worker thread; it checks the
// stop token once per card order, and the count by value once per bracket class.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "expr/eval.h"
#include "expr/operations.h"

struct SolveVerdict {
    enum class Status { Complete, Cancelled };
    std::vector<int> cards;  // the face cards, left to right, that this verdict answers
    int answer = 0;
    Status status = Status::Complete;
    bool counted = false;    // every attempt judged; false when it stopped at the first hit
    uint64_t solutions = 0;  // distinct solving attempt texts found (all of them when counted)
    uint64_t attempts = 0;   // distinct attempt texts the puzzle has
    std::vector<std::u16string> listed;  // the first solving attempts found, internal notation

    // Only a verdict that went through every attempt may say there is no solution.
    bool NoSolution() const { return status == Status::Complete && solutions == 0; }
};

// FirstSolution stops at the first hit, unless no card order holds one: then, as CountAll, it
// counts all. CountAll counts by value from five cards on (solver/attempt_counter.h) and walks
// only as far as it takes to list; WalkAll walks every attempt whatever the number of cards,
// which is how the count by value is checked.
enum class SolveMode { FirstSolution, CountAll, WalkAll };

// cards: 3..7 face cards of 0..99; answer: the answer card. keep: how many solving attempts
// to list, in a stable order (card orders ascending, then bracket classes, then operators).
// progress, when given, sees the verdict so far after every card order it walks (not yet
// counted).
// operators: the order of operations the computer's evaluator reads its attempts in.
// allowed: the operators its attempts may hold, as the search draws them. With fewer than all
// four every count is made by walking, which the fewer operators keep short.
SolveVerdict Solve(const std::vector<int>& cards, int answer, SolveMode mode, std::size_t keep = 20,
                   std::stop_token stop = {}, const std::function<void(const SolveVerdict&)>& progress = {},
                   OperatorOrder operators = OperatorOrder::Game, AllowedOperations allowed = AllowedOperations::All);

// The bracket forms PlaceBrackets can make for n cards, as the text of cards 01..0n joined by
// "#", in a fixed order: 1, 1, 9, 85 and 889 forms for 3 to 7 cards.
std::vector<std::u16string> BracketForms(int n);

// An attempt text: form (one of BracketForms) with its cards 01..0n replaced by cards, in
// order, and its operators by ops, one a gap, as the search writes attempts.
std::u16string FillForm(std::u16string_view form, const std::vector<int>& cards, std::u16string_view ops);

// The solver's fast judgement of one attempt text (the search's notation), for tests and the
// fuzzer: the plain value, the bound on its distance from EvalExpr's value, and whether a zero
// divisor is certain, or possible.
struct FastValue {
    double value = 0;
    double bound = 0;  // |EvalExpr's value - value| <= bound; 0: the very same double
    bool zeroDivisor = false;   // certainly divided by zero
    bool maybeZero = false;     // a divisor too close to zero to tell: only the exact path knows
    bool parsed = false;        // the text was an attempt of cards, operators and brackets
};
FastValue FastEvaluate(std::u16string_view attempt, OperatorOrder order = OperatorOrder::Game);
