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
constexpr uint64_t Base = 31;

constexpr uint64_t Power(int digits) {
    uint64_t r = 1;
    for (int i = 0; i < digits; ++i) r *= Base;
    return r;
}

// Eleven characters: ten of the number, then the check.
constexpr int ElevenDigits = 10;
constexpr uint64_t ElevenFields = 5 * 99 * 6 * WorksheetMostPuzzles;  // cards, high, level, count
constexpr uint64_t FirstRatingSeeds = uint64_t(1) << 32;
// Every seed field below Power(10) / ElevenFields fits in ten characters with any other fields:
// the current rating's seeds take all the room the first rating's left.
static_assert(FirstRatingSeeds + WorksheetSeeds == Power(ElevenDigits) / ElevenFields);

// Thirteen characters: twelve of the number, then the check. The fields (any seed, the
// operations, then as above) fill 1/343 of the twelve characters' room; the number written is
// that times Spread, modulo the room, so that every character carries something (the fields
// alone would begin every code with the same characters) and a code made up at random, check
// character and all, is nearly always no code at all. The room past the fields is a later
// version's.
constexpr int ThirteenDigits = 12;
constexpr uint64_t ThirteenFields = 3 * ElevenFields;
constexpr uint64_t ThirteenValues = FirstRatingSeeds * ThirteenFields;
constexpr uint64_t ThirteenRoom = Power(ThirteenDigits);
static_assert(ThirteenValues < ThirteenRoom / 300);
using Wide = unsigned __int128;
constexpr uint64_t Spread = 0x9E3779B97F4A7C15u % ThirteenRoom;  // any number 31 does not divide
constexpr uint64_t Inverse() {  // of Spread, modulo the room (Euclid's algorithm)
    __int128 r0 = ThirteenRoom, r1 = Spread, t0 = 0, t1 = 1;
    while (r1 != 0) {
        const __int128 q = r0 / r1;
        const __int128 r2 = r0 - q * r1, t2 = t0 - q * t1;
        r0 = r1, r1 = r2, t0 = t1, t1 = t2;
    }
    return static_cast<uint64_t>(t0 < 0 ? t0 + ThirteenRoom : t0);
}
constexpr uint64_t Unspread = Inverse();
static_assert(Wide(Spread) * Unspread % ThirteenRoom == 1);

WorksheetSettings Normalized(WorksheetSettings s) {
    if (s.version == WorksheetVersion::MeasuredRating) s.seed %= WorksheetSeeds;
    if (s.version != WorksheetVersion::NoRepeats) s.operations = AllowedOperations::All;  // no room for them
    return s;
}

// The fields every version holds, packed below the seed (and what comes with it).
uint64_t PackFields(uint64_t v, const WorksheetSettings& s) {
    v = v * 5 + static_cast<uint64_t>(s.cards - 3);
    v = v * 99 + static_cast<uint64_t>(s.high - 1);
    v = v * 6 + static_cast<uint64_t>(s.level);
    return v * WorksheetMostPuzzles + static_cast<uint64_t>(s.count - 1);
}

// The other way: fills the fields and returns what was packed above them.
uint64_t UnpackFields(uint64_t v, WorksheetSettings& s) {
    s.count = static_cast<int>(v % WorksheetMostPuzzles) + 1;
    v /= WorksheetMostPuzzles;
    s.level = static_cast<int>(v % 6);
    v /= 6;
    s.high = static_cast<int>(v % 99) + 1;
    v /= 99;
    s.cards = static_cast<int>(v % 5) + 3;
    return v / 5;
}

// The number an eleven-character code writes: the seed (after the first rating's, for the
// current rating), then the fields.
uint64_t PackEleven(const WorksheetSettings& s) {
    return PackFields(s.version == WorksheetVersion::FirstRating ? s.seed : FirstRatingSeeds + s.seed, s);
}

// The number a thirteen-character code writes.
uint64_t PackThirteen(const WorksheetSettings& s) {
    const uint64_t fields = PackFields(uint64_t(s.seed) * 3 + static_cast<uint64_t>(s.operations), s);
    return static_cast<uint64_t>(Wide(fields) * Spread % ThirteenRoom);
}

// A check character that changes with any one character changed or two neighbours swapped
// (the check character too): each digit weighs its place, 1 to at most 12, all below 31.
int Check(const std::vector<int>& digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) sum += digits[i] * static_cast<int>(i + 1);
    return sum % static_cast<int>(Base);
}

std::string Written(uint64_t v, int length) {
    std::vector<int> digits(static_cast<std::size_t>(length));
    for (int i = length - 1; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = static_cast<int>(v % Base);
        v /= Base;
    }
    std::string code;
    for (int d : digits) code += Alphabet[static_cast<std::size_t>(d)];
    return code + Alphabet[static_cast<std::size_t>(Check(digits))];
}

}  // namespace

std::string WorksheetCode(const WorksheetSettings& settings) {
    const WorksheetSettings s = Normalized(settings);
    return s.version == WorksheetVersion::NoRepeats ? Written(PackThirteen(s), ThirteenDigits) : Written(PackEleven(s), ElevenDigits);
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
    if (digits.size() != ElevenDigits + 1 && digits.size() != ThirteenDigits + 1)
        return {std::nullopt, Args(translate("Worksheet", "A worksheet code has %1 characters, or %2 for an older sheet; this one has %3."),
                                   {std::to_string(ThirteenDigits + 1), std::to_string(ElevenDigits + 1), std::to_string(digits.size())})};
    const int check = digits.back();
    digits.pop_back();
    if (Check(digits) != check) return {std::nullopt, translate("Worksheet", "This worksheet code has a typing error: check it character by character.")};
    uint64_t v = 0;
    for (int d : digits) v = v * Base + static_cast<uint64_t>(d);
    WorksheetSettings s;
    if (digits.size() == ThirteenDigits) {
        v = static_cast<uint64_t>(Wide(v) * Unspread % ThirteenRoom);
        if (v >= ThirteenValues) return {std::nullopt, translate("Worksheet", "This is not a worksheet code: check it character by character.")};
        v = UnpackFields(v, s);
        s.version = WorksheetVersion::NoRepeats;
        s.operations = static_cast<AllowedOperations>(v % 3);
        s.seed = static_cast<uint32_t>(v / 3);
        return {s, {}};
    }
    v = UnpackFields(v, s);
    s.operations = AllowedOperations::All;
    if (v < FirstRatingSeeds) {
        s.version = WorksheetVersion::FirstRating;
        s.seed = static_cast<uint32_t>(v);
    } else if (v - FirstRatingSeeds < WorksheetSeeds) {
        s.version = WorksheetVersion::MeasuredRating;
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
    const auto cards = static_cast<int16_t>(settings.cards), high = static_cast<int16_t>(settings.high);
    int16_t pos = StartGame(cards, settings.seed);
    uint8_t deck[55] = {};
    ShuffleCards(deck, high);
    const DealRule rule{true, settings.level, RatingOf(settings.version), settings.operations};
    const bool anyOrder = settings.version == WorksheetVersion::NoRepeats;  // older codes make their sheets as printed
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
        std::vector<int> same = p.cards;
        if (anyOrder) std::sort(same.begin(), same.end());
        if (!onSheet.insert({same, p.answer}).second) {
            ShuffleCards(deck, high);
            continue;
        }
        const PlayerVerdict v = SolveForPlayer(p.cards, p.answer, 1, {}, PartWay::Any, settings.operations);
        p.answers = v.answers;
        if (!v.listed.empty()) p.example = CleanText(v.listed.front(), settings.order);
        p.level = PuzzleLevel(p.cards, p.answer, rule.rating, settings.operations);
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
