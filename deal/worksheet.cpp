// Worksheet codes, the sheet's deals and its page layout.
#include "deal/worksheet.h"

#include <algorithm>
#include <set>
#include <utility>

#include "deal/dealing.h"
#include "deal/level.h"
#include "engine/globals.h"
#include "player/player_solver.h"
#include "lang/translate.h"

namespace {

using lang::Args;
using lang::translate;

// 31 characters, none of them 0, 1, I, L or O.
constexpr std::string_view Alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
constexpr int Base = 31;
constexpr int ValueDigits = 10;  // 31^10 > 2^32 * 5 * 99 * 6 * 60
constexpr uint64_t Fields = 5 * 99 * 6 * WorksheetMostPuzzles;  // cards, high, level, count
constexpr uint64_t FirstRatingSeeds = uint64_t(1) << 32;
constexpr uint64_t Room() {
    uint64_t r = 1;
    for (int i = 0; i < ValueDigits; ++i) r *= Base;
    return r;
}
// Every seed field below Room() / Fields fits in ten characters with any other fields: the
// current rating's seeds take all the room the first rating's left.
static_assert(FirstRatingSeeds + WorksheetSeeds == Room() / Fields);

WorksheetSettings Normalized(WorksheetSettings s) {
    if (s.rating != Rating::First) s.seed %= WorksheetSeeds;
    return s;
}

// Every field, packed into one number: the seed (after the first rating's, for the current
// rating), then cards, high, level and count.
uint64_t Pack(const WorksheetSettings& s) {
    uint64_t v = s.rating == Rating::First ? s.seed : FirstRatingSeeds + s.seed;
    v = v * 5 + static_cast<uint64_t>(s.cards - 3);
    v = v * 99 + static_cast<uint64_t>(s.high - 1);
    v = v * 6 + static_cast<uint64_t>(s.level);
    v = v * WorksheetMostPuzzles + static_cast<uint64_t>(s.count - 1);
    return v;
}

// A check character that changes with any one character changed or two neighbours swapped.
int Check(const std::vector<int>& digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) sum += digits[i] * static_cast<int>(i + 1);
    return sum % Base;
}

}  // namespace

std::string WorksheetCode(const WorksheetSettings& settings) {
    uint64_t v = Pack(Normalized(settings));
    std::vector<int> digits(ValueDigits);
    for (int i = ValueDigits - 1; i >= 0; --i) {
        digits[i] = static_cast<int>(v % Base);
        v /= Base;
    }
    std::string code;
    for (int d : digits) code += Alphabet[d];
    return code + Alphabet[Check(digits)];
}

ReadCode ReadWorksheetCode(const std::string& text) {
    std::vector<int> digits;
    for (char c : text) {
        if (c == ' ' || c == '-') continue;
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        const std::size_t at = Alphabet.find(upper);
        if (at == std::string_view::npos)
            return {std::nullopt, Args(translate("Worksheet", "A worksheet code has no '%1': it is made of the digits 2 to 9 and the letters other than I, L and O."),
                                       {std::string(1, c)})};
        digits.push_back(static_cast<int>(at));
    }
    if (digits.size() != ValueDigits + 1)
        return {std::nullopt, Args(translate("Worksheet", "A worksheet code has %1 characters; this one has %2."),
                                   {std::to_string(ValueDigits + 1), std::to_string(digits.size())})};
    const int check = digits.back();
    digits.pop_back();
    if (Check(digits) != check) return {std::nullopt, translate("Worksheet", "This worksheet code has a typing error: check it character by character.")};
    uint64_t v = 0;
    for (int d : digits) v = v * Base + static_cast<uint64_t>(d);
    WorksheetSettings s;
    s.count = static_cast<int>(v % WorksheetMostPuzzles) + 1;
    v /= WorksheetMostPuzzles;
    s.level = static_cast<int>(v % 6);
    v /= 6;
    s.high = static_cast<int>(v % 99) + 1;
    v /= 99;
    s.cards = static_cast<int>(v % 5) + 3;
    v /= 5;
    if (v < FirstRatingSeeds) {
        s.rating = Rating::First;
        s.seed = static_cast<uint32_t>(v);
    } else if (v - FirstRatingSeeds < WorksheetSeeds) {
        s.rating = Rating::Measured;
        s.seed = static_cast<uint32_t>(v - FirstRatingSeeds);
    } else {
        return {std::nullopt, translate("Worksheet", "This is not a worksheet code: check it character by character.")};
    }
    return {s, {}};
}

Worksheet MakeWorksheet(const WorksheetSettings& asked) {
    const WorksheetSettings settings = Normalized(asked);
    Worksheet sheet;
    sheet.settings = settings;
    sheet.code = WorksheetCode(settings);
    const KeepRandomState keep;  // the game's own deals go on as if the sheet had not been made
    SeedRandom(settings.seed);
    const auto cards = static_cast<int16_t>(settings.cards), high = static_cast<int16_t>(settings.high);
    uint8_t deck[55] = {};
    int16_t pos = static_cast<int16_t>(cards + 4);  // as the game starts: shuffle, then deal
    ShuffleCards(deck, high);
    const DealRule rule{true, settings.level, settings.rating};
    std::set<std::pair<std::vector<int>, int>> onSheet;
    for (int dealt = 0; static_cast<int>(sheet.puzzles.size()) < settings.count; ++dealt) {
        if (dealt > 4 * WorksheetMostPuzzles || !DealQualifying(deck, pos, cards, high, rule)) {
            const std::size_t found = sheet.puzzles.size();
            sheet.puzzles.clear();
            //: %1: "No puzzle of difficulty 5 turned up in 104 deals"
            sheet.error = found == 0 ? Args(translate("Worksheet", "%1: choose another difficulty, number of cards or highest card."), {NothingQualifies(rule)})
                                     : Args(translate("Worksheet", "Only %1 different puzzles of these settings turned up: ask for %1 or fewer, or choose "
                                                               "another difficulty, number of cards or highest card."),
                                            {std::to_string(found)});
            return sheet;
        }
        WorksheetPuzzle p;
        for (int16_t i = 0; i < cards; ++i) p.cards.push_back(deck[RingPos(pos, cards, i)]);
        p.answer = deck[pos];
        // Round the ring again, or a puzzle met before: a sheet never asks the same twice, so
        // a fresh deck takes over, as Deal shuffles when a ring has run out.
        if (!onSheet.insert({p.cards, p.answer}).second) {
            ShuffleCards(deck, high);
            continue;
        }
        const PlayerVerdict v = SolveForPlayer(p.cards, p.answer, 1);
        p.answers = v.answers;
        if (!v.listed.empty()) p.example = CleanText(v.listed.front(), settings.order);
        p.level = PuzzleLevel(p.cards, p.answer, settings.rating);
        sheet.puzzles.push_back(std::move(p));
        // Deal on past this puzzle's cards, so the next shares none of them: neighbours on a
        // sheet are puzzles of their own, not one card apart.
        for (int16_t i = 0; i < cards; ++i) pos = NextDeckPos(pos);
    }
    return sheet;
}

SheetLayout LayOutWorksheet(const SheetRect& page, int perPage) {
    SheetLayout out;
    const double titleHeight = page.height * 0.07, footerHeight = page.height * 0.04, gap = page.height * 0.012;
    out.title = {page.x, page.y, page.width, titleHeight};
    out.footer = {page.x, page.y + page.height - footerHeight, page.width, footerHeight};
    // One column for a few large puzzles, two for more; rows share the height between.
    const int columns = perPage <= 4 ? 1 : 2;
    const int rows = (perPage + columns - 1) / columns;
    const double top = page.y + titleHeight + gap, bottom = out.footer.y - gap;
    const double cellWidth = (page.width - gap * (columns - 1)) / columns;
    const double cellHeight = (bottom - top - gap * (rows - 1)) / rows;
    for (int i = 0; i < perPage; ++i) {
        const int row = i / columns, column = i % columns;
        out.puzzles.push_back({page.x + column * (cellWidth + gap), top + row * (cellHeight + gap), cellWidth, cellHeight});
    }
    return out;
}
