// Every attempt text the search can write for a deal, and the game's own judgement of one:
// the reference the solver and the count by value are checked against.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "expr/eval.h"
#include "solver/solver.h"

inline constexpr char16_t OpChar[] = {u'#', u'~', u'x', u'\u00F7'};

// Each distinct card order, each operator in each gap, each bracket form.
template <typename Visit>
void EveryAttempt(std::vector<int> cards, Visit visit) {
    const int n = static_cast<int>(cards.size());
    const std::vector<std::u16string> forms = BracketForms(n);
    std::sort(cards.begin(), cards.end());
    do {
        for (int choice = 0; choice < 1 << (2 * (n - 1)); ++choice) {
            std::u16string ops;
            for (int gap = 0; gap < n - 1; ++gap) ops += OpChar[(choice >> (2 * gap)) & 3];
            for (const std::u16string& form : forms) visit(FillForm(form, cards, ops));
        }
    } while (std::next_permutation(cards.begin(), cards.end()));
}

inline bool GameHits(const std::u16string& attempt, int answer, OperatorOrder order = OperatorOrder::Game) {
    std::u16string text = attempt;
    bool zero = false;
    const double value = EvalQuiet(text, zero, order);
    return IsHit(value, zero, answer);
}
