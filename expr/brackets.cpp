// Bracket placement by slot markers, drawing from RandomInt in a fixed order.
#include "expr/brackets.h"

#include <algorithm>

#include "engine/globals.h"

namespace {

// Adds one more bracket to the marker in slot `pos` (0-based): space -> first, else next letter.
void Mark(std::u16string& text, std::size_t pos, char16_t first) {
    if (pos >= text.size()) return;
    text[pos] = text[pos] == u' ' ? first : static_cast<char16_t>(text[pos] + 1);
}

// Each marker letter becomes as many brackets as its place in the alphabet: "c" is "(((" and
// "B" is "))". The same result as rewriting the letters from the highest down, in one pass.
void Rewrite(std::u16string& text, int16_t pairs) {
    static std::u16string out;  // one thread; reusing its buffer saves an allocation a step
    out.clear();
    for (char16_t c : text) {
        if (c >= u'a' && c <= u'a' + pairs) {
            out.append(static_cast<std::size_t>(c - u'a' + 1), u'(');
        } else if (c >= u'A' && c <= u'A' + pairs) {
            out.append(static_cast<std::size_t>(c - u'A' + 1), u')');
        } else {
            out.push_back(c);
        }
    }
    text.swap(out);
}

}  // namespace

std::u16string PlaceBrackets(std::u16string& Expr, int16_t Pairs) {
    // N cards leave room for N-3 pairs; more would run off the layout or reach the letter x.
    auto room = static_cast<int16_t>((static_cast<int>(Expr.size()) + 2) / 5 - 3);
    Pairs = std::min<int16_t>(Pairs, std::min<int16_t>(room, 20));
    if (Pairs <= 0) return Expr;

    for (int16_t pass = 0; pass < Pairs; ++pass) {
        int16_t r = RandomInt(Pairs, 1);
        Mark(Expr, 5 * r - 1, u'a');
        int16_t r2;
        do {
            r2 = static_cast<int16_t>(RandomInt(Pairs, 1) + 1);
        } while (r2 < r);
        Mark(Expr, 5 * r2 + 2, u'A');
    }
    Rewrite(Expr, Pairs);
    return Expr;
}
