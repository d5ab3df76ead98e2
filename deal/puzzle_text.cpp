// Reading a puzzle typed or pasted as text.
#include "deal/puzzle_text.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "lang/translate.h"

namespace {

using lang::Args;
using lang::translate;

constexpr const char* Example = "3 9 3 9 = 17";

std::string Trim(std::string_view s) {
    std::size_t from = 0, to = s.size();
    while (from < to && std::isspace(static_cast<unsigned char>(s[from]))) ++from;
    while (to > from && std::isspace(static_cast<unsigned char>(s[to - 1]))) --to;
    return std::string(s.substr(from, to - from));
}

// Splits at the first separator before the answer card; false when there is none.
bool SplitAtSeparator(std::string_view text, std::string& cards, std::string& answer) {
    // Longest first, so that "=>" is never read as "=" followed by ">".
    static constexpr std::string_view Separators[] = {"=>", "->", "\xE2\x86\x92" /* → */, "\xE2\x87\x92" /* ⇒ */, "="};
    std::size_t best = std::string_view::npos, length = 0;
    for (std::string_view sep : Separators) {
        const std::size_t at = text.find(sep);
        if (at != std::string_view::npos && (at < best || (at == best && sep.size() > length))) {
            best = at;
            length = sep.size();
        }
    }
    if (best == std::string_view::npos) return false;
    cards = std::string(text.substr(0, best));
    answer = std::string(text.substr(best + length));
    return true;
}

// A word as a message shows it: a long one cut short.
std::string Shown(const std::string& word) { return word.size() <= 12 ? word : word.substr(0, 10) + "..."; }

// One card: a whole number 1 to 99. On failure, the sentence that says why.
bool ReadCard(const std::string& word, int& value, std::string& error) {
    bool digits = !word.empty();
    for (char c : word) digits = digits && std::isdigit(static_cast<unsigned char>(c));
    if (!digits) {
        error = Args(translate("PuzzleText", "\"%1\" is not a card: write every card as a whole number, as in %2."), {Shown(word), Example});
        return false;
    }
    const std::size_t first = std::min(word.find_first_not_of('0'), word.size());
    value = 0;  // no overflow, however long: more than two digits is too high anyway
    for (std::size_t i = first; i < word.size(); ++i) value = word.size() - first > 2 ? 100 : value * 10 + (word[i] - '0');
    if (value < 1 || value > 99) {
        error = Args(translate("PuzzleText", "Cards go from 1 to 99, and %1 is not one of them."), {Shown(word)});
        return false;
    }
    return true;
}

}  // namespace

PuzzleRead ReadPuzzleText(std::string_view input) {
    PuzzleRead out;
    // French typography puts a no-break space before a colon (and word processors between
    // numbers): read it, and the narrow one, as a space.
    std::string spaced;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input.substr(i, 2) == "\xC2\xA0") {
            spaced += ' ';
            i += 1;
        } else if (input.substr(i, 3) == "\xE2\x80\xAF") {
            spaced += ' ';
            i += 2;
        } else {
            spaced += input[i];
        }
    }
    std::string text = Trim(spaced);
    if (text.size() > 200) {
        out.error = Args(translate("PuzzleText", "That is far too long for a puzzle: write 3 to 7 face cards, then \"=\" and the answer card, as in %1."), {Example});
        return out;
    }
    if (text.empty()) {
        out.error = Args(translate("PuzzleText", "There is no puzzle to read: write the face cards, then \"=\" and the answer card, as in %1."), {Example});
        return out;
    }
    // "Solve:" as Copy writes it, in any case, or as a German or French teacher writes it
    // ("Löse:", "Résous :"), the colon after a space too.
    if (const std::size_t colon = text.find(':'); colon != std::string::npos && colon <= 12) {
        std::string head = Trim(text.substr(0, colon));
        for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        static const std::string_view Heads[] = {"solve", "l\xC3\xB6se", "l\xC3\x96se", "l\xC3\xB6sen", "l\xC3\x96sen", "r\xC3\xA9sous", "r\xC3\x89sous", "resous", "r\xC3\xA9soudre", "r\xC3\x89soudre", "resoudre"};
        if (std::find(std::begin(Heads), std::end(Heads), head) != std::end(Heads)) text = Trim(text.substr(colon + 1));
    }
    std::string cardsPart, answerPart;
    if (!SplitAtSeparator(text, cardsPart, answerPart)) {
        out.error = Args(translate("PuzzleText", "The answer card is missing: write \"=\" and the answer card after the face cards, as in %1."), {Example});
        return out;
    }
    std::vector<std::string> words;
    std::string word;
    for (char c : cardsPart + " ") {
        if (std::isspace(static_cast<unsigned char>(c)) || c == ',' || c == ';') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    const std::string answer = Trim(answerPart);
    if (answer.empty() || answer.find_first_of(" \t,;=") != std::string::npos) {
        out.error = Args(translate("PuzzleText", "Write one answer card after the \"=\", as in %1."), {Example});
        return out;
    }
    if (words.size() < 3 || words.size() > 7) {
        out.error = Args(translate("PuzzleText", "A puzzle has 3 to 7 face cards, and this text has %1."), {std::to_string(words.size())});
        return out;
    }
    for (const std::string& w : words) {
        int value = 0;
        if (!ReadCard(w, value, out.error)) {
            out.cards.clear();
            return out;
        }
        out.cards.push_back(value);
    }
    if (!ReadCard(answer, out.answer, out.error)) {
        out.cards.clear();
        return out;
    }
    return out;
}

std::string PlainPuzzleText(const std::vector<int>& cards, int answer) {
    std::string text;
    for (int c : cards) text += std::to_string(c) + " ";
    return text + "= " + std::to_string(answer);
}
