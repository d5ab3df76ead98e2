// The display form of a text in the game's notation.
#include "expr/notation.h"

namespace {

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
