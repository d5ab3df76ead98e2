// SearchStep and the display form of a found solution.
#include "engine/search.h"

#include <array>
#include <cmath>
#include <limits>

#include "engine/globals.h"
#include "expr/brackets.h"
#include "expr/eval.h"

namespace {

constexpr std::u16string_view OpPool = u"#~\u00F7x#~\u00F7x#~~\u00F7x#~#";
constexpr int MaxCards = 7;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Characters that join a digit run into a longer number: fraction, exponent and its sign.
bool JoinsNumber(char16_t c) { return IsDigit(c) || c == u'.' || c == u'E' || c == u'+' || c == u'-'; }

void ReplaceAll(std::u16string& text, char16_t from, std::u16string_view to) {
    for (std::size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
        text.replace(at, 1, to);
}

}  // namespace

std::u16string DisplayForm(std::u16string text) {
    ReplaceAll(text, u'#', u" + ");
    ReplaceAll(text, u'~', u" - ");
    ReplaceAll(text, u'x', u" * ");
    ReplaceAll(text, DivideSign, u" / ");
    // A card code is a run of exactly two digits standing alone; computed values never
    // start with "0" and a digit, and "2.05" or "1E-05" are joined to a longer number.
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool code = text[i] == u'0' && i + 1 < text.size() && IsDigit(text[i + 1]) &&
                    (i == 0 || !JoinsNumber(text[i - 1])) &&
                    (i + 2 >= text.size() || !(IsDigit(text[i + 2]) || text[i + 2] == u'.' || text[i + 2] == u'E'));
        if (!code) out.push_back(text[i]);
    }
    return out;
}

void SearchStep() {
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

    std::u16string attempt;
    attempt.reserve(5 * n + 8);
    for (int i = 0; i < n; ++i) {
        int16_t p = RandomInt(16, 1);
        attempt.push_back(static_cast<char16_t>(u'0' + Order[i] / 10 % 10));
        attempt.push_back(static_cast<char16_t>(u'0' + Order[i] % 10));
        attempt.push_back(u' ');
        attempt.push_back(OpPool[p - 1]);
        attempt.push_back(u' ');
    }
    attempt.resize(attempt.size() - 2);

    PlaceBrackets(attempt, static_cast<int16_t>(n - 3));
    std::erase(attempt, u' ');

    SolnText = attempt;  // kept: EvalExpr reduces the text it is given
    bool dividedByZero = false;
    double value = EvalExpr(attempt, dividedByZero);
    SolnText.append(u" = ").append(WriteNumber(value));

    if (MainForm) {
        MainForm->SetStatusPanel(1, SolnText);
        std::string count = std::to_string(StepCount);
        MainForm->SetStatusPanel(2, std::u16string(count.begin(), count.end()));
    }

    if (!IsHit(value, dividedByZero, Deck[DeckPos])) return;

    Solving = false;
    if (MainForm) {
        MainForm->SetStatusPanel(1, u"Got it, do you give up?");
        MainForm->EnableAnswer();
    }
    SolnText.append(u"\r\nBroken down like this:").append(Breakdown);
    SolnText = DisplayForm(std::move(SolnText));
    if (MainForm) {
        MainForm->SetSolutionText(SolnText);
        MainForm->SetProgress(u"Solution found.");
    }
}
