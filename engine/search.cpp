// SearchStep: one random attempt on the puzzle on the table, and the head start before it.
#include "engine/search.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "expr/utf8.h"
#include "lang/translate.h"
#include "engine/globals.h"
#include "expr/brackets.h"
#include "expr/eval.h"
#include "expr/notation.h"
#include "expr/operations.h"

namespace {

constexpr std::u16string_view OpPool = u"#~\u00F7x#~\u00F7x#~~\u00F7x#~#";
constexpr int MaxCards = 7;

// The pool with only the allowed operators, in their order there: each keeps its share of the
// draws relative to the others. All four: the pool itself, so the draws are as they always were.
// Made once for each choice: the search steps many times a second.
const std::u16string& AllowedPool(AllowedOperations ops) {
    static const auto pools = [] {
        std::array<std::u16string, std::size(EveryAllowedOperations)> made;
        for (AllowedOperations allowed : EveryAllowedOperations)
            for (char16_t op : OpPool)
                if (AllowsOperator(allowed, op)) made[static_cast<std::size_t>(allowed)].push_back(op);
        return made;
    }();
    return pools[static_cast<std::size_t>(ops)];
}

// "Your turn: 0:27", the seconds left rounded up; written only when it changes.
void ShowHeadStart(int64_t now, bool force) {
    static int64_t shown = -2;  // the seconds shown, -1 for no time limit
    const int64_t left = WaitingForGiveUp ? -1 : (HeadStartUntil - now + 999) / 1000;
    if (left == shown && !force) return;
    shown = left;
    std::string text;
    if (left >= 0) {
        const std::string clock = std::to_string(left / 60) + ":" + (left % 60 < 10 ? "0" : "") + std::to_string(left % 60);
        text = lang::Args(lang::translate("Search", "Your turn: %1"), {clock});
    } else {
        text = lang::translate("Search", "Your turn: no time limit");
    }
    if (MainForm) MainForm->SetProgress(FromUtf8(text));
}

void EndHeadStart() {
    HeadStartUntil = 0;
    WaitingForGiveUp = false;
    if (MainForm) {
        MainForm->SetHeadStart(false);
        MainForm->SetProgress(FromUtf8(lang::translate("Search", "Looking for a solution...")));
    }
}

}  // namespace

void BeginHeadStart(int seconds) {
    HeadStartUntil = 0;
    WaitingForGiveUp = seconds < 0;
    if (seconds > 0) HeadStartUntil = NowMs() + int64_t{1000} * seconds;
    if (!HeadStartRunning()) return;
    if (MainForm) {
        MainForm->SetHeadStart(true);
        // The last puzzle's attempt and count would read as this one's.
        MainForm->SetStatusPanel(1, FromUtf8(lang::translate("Search", "Status")));
        MainForm->SetStatusPanel(2, u"");
    }
    ShowHeadStart(NowMs(), true);
}

void GiveUp() {
    if (HeadStartRunning()) EndHeadStart();
}

bool HeadStartRunning() { return WaitingForGiveUp || HeadStartUntil != 0; }

void SearchStep() {
    if (HeadStartRunning()) {
        const int64_t now = NowMs();
        if (WaitingForGiveUp || now < HeadStartUntil) return ShowHeadStart(now, false);
        EndHeadStart();
    }
    if (StepCount < std::numeric_limits<int32_t>::max()) ++StepCount;  // weeks on one puzzle: stop, never wrap
    const int n = FaceCards;
    // Only a deck file could bring these; the loader refuses them, this keeps the arrays safe.
    if (n < 1 || n > MaxCards || DeckPos < DeckFirst || DeckPos > DeckLast) return;
    std::array<uint8_t, MaxCards> Hand{}, Used{}, Order{};
    Breakdown.clear();

    for (int i = 0; i < n; ++i) Hand[i] = Deck[RingPos(DeckPos, FaceCards, static_cast<int16_t>(i))];

    for (int j = 0; j < n; ++j) {
        int k;
        do {
            k = static_cast<int>(std::floor(n * static_cast<double>(NextUniform()) + 1)) - 1;
        } while (Used[k] == 1);
        Used[k] = 1;
        Order[j] = Hand[k];
    }

    const std::u16string& pool = AllowedPool(SearchOperations);
    std::u16string attempt;
    attempt.reserve(5 * n + 8);
    for (int i = 0; i < n; ++i) {
        int16_t p = RandomInt(static_cast<int16_t>(pool.size()), 1);
        attempt.push_back(static_cast<char16_t>(u'0' + Order[i] / 10 % 10));
        attempt.push_back(static_cast<char16_t>(u'0' + Order[i] % 10));
        attempt.push_back(u' ');
        attempt.push_back(pool[p - 1]);
        attempt.push_back(u' ');
    }
    attempt.resize(attempt.size() - 2);

    PlaceBrackets(attempt, static_cast<int16_t>(n - 3));
    std::erase(attempt, u' ');

    SolnText = attempt;  // kept: EvalExpr reduces the text it is given
    bool dividedByZero = false;
    double value = EvalExpr(attempt, dividedByZero, SearchOrder);
    SolnText.append(u" = ").append(WriteNumber(value));

    if (MainForm) {
        MainForm->SetStatusPanel(1, SolnText);
        std::string count = std::to_string(StepCount);
        MainForm->SetStatusPanel(2, std::u16string(count.begin(), count.end()));
    }

    if (!IsHit(value, dividedByZero, Deck[DeckPos])) return;

    Solving = false;
    if (MainForm) {
        MainForm->SetStatusPanel(1, FromUtf8(lang::translate("Search", "Got it, do you give up?")));
        MainForm->EnableAnswer();
    }
    // The words after the display form, which would read an x in them as a times sign.
    SolnText = DisplayForm(std::move(SolnText)) + u"\r\n" + FromUtf8(lang::translate("Search", "Broken down like this:")) + DisplayForm(Breakdown);
    if (MainForm) {
        MainForm->SetSolutionText(SolnText);
        MainForm->SetProgress(FromUtf8(lang::translate("Search", "Solution found.")));
    }
}
