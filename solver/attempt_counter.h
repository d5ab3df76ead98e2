// Counts the computer's solving attempts by value instead of walking them one by one.
//
// Every attempt text splits in exactly one way at its last operation: the last operator
// outside all brackets of the lowest rank present there (the game reduces x, then divide, then
// add, then subtract, each left to right). The part left of it uses only operators of that
// rank or higher outside brackets, the part right of it only higher ones. Every value in an
// attempt but the very last is written back with 15 digits, so a part is worth its written
// value alone, and parts of equal value can be merged with their numbers of texts added.
//
// So the counter keeps, for parts of up to three cards (four in a seven-card deal), sorted
// tables of (written value, number of texts), keyed by the part's bracket groups, the lowest
// rank allowed outside them and the multiset of cards it uses. A larger part is never tabulated: for each value of its smaller
// side it finds the values of the other side that can combine into a wanted range, through a
// deliberately wide window, and then works every candidate out with the very operations and
// 15-digit writer of the game and keeps it only if it really falls in range; so the window
// never decides a count. At the top the same join keeps the pairs whose last operation equals
// the answer card exactly. A division by a value that reads as zero is dropped, since an
// attempt that divides by zero never hits. Distinct card orders of a multiset correspond one to
// one with pairs of distinct orders of its two parts, so equal cards are counted once.
// It reads and writes no shared state, so it may run on a worker thread.
#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "expr/eval.h"

// How many distinct attempt texts for cards (3..7 face cards of 0..99) hit answer, by the same
// rule as the search's: EvalExpr's value (in order) equals the answer card and nothing
// divided by zero. Nothing when stop was requested first, or when the cards are not a deal.
std::optional<uint64_t> CountHits(const std::vector<int>& cards, int answer, std::stop_token stop = {},
                                  OperatorOrder order = OperatorOrder::Game);
