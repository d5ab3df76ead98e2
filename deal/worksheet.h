// A worksheet for a class: its puzzles, dealt as Deal deals them, the short code that makes
// the same sheet again, and where each puzzle goes on a page. No Qt: the drawing lives in
// files/worksheet_print.h.
//
// The code is written with the digits 2 to 9 and the capital letters other than I, L and O, so
// that no character reads as another aloud or on paper (0/O, 1/I/l): the settings packed into
// one number in base 31, then a check character that catches any one character mistyped and
// any two neighbours swapped. Reading it ignores case, spaces and dashes.
//
// Three versions of it, each making its own sheets for good (WorksheetVersion below). Eleven
// characters (ten of the number) hold the seed, the number of cards, the highest card, the level
// and the number of puzzles, and the rating the levels come from: codes made with the first
// rating hold any seed below 2^32, which left room for seeds 2^32 and up that no such code ever
// held, where a code of the current rating writes its seed (so its seeds are below
// WorksheetSeeds). Thirteen characters (twelve of the number) hold the same and the operations
// besides, and their sheets never ask one puzzle twice; the room above their fields is left for
// a later version.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "deal/level.h"
#include "expr/eval.h"
#include "expr/operations.h"

#include "player/expression.h"

// Which version of the code a sheet has, and with it how the sheet is dealt.
enum class WorksheetVersion {
    FirstRating = 1,     // eleven characters, levels of the first rating
    MeasuredRating = 2,  // eleven characters, levels of the current rating
    NoRepeats = 3,       // thirteen characters: no puzzle twice in any order, and the operations
};
inline constexpr WorksheetVersion NewWorksheetVersion = WorksheetVersion::NoRepeats;
inline constexpr Rating RatingOf(WorksheetVersion version) {
    return version == WorksheetVersion::FirstRating ? Rating::First : Rating::Measured;
}

struct WorksheetSettings {
    uint32_t seed = 0;
    int cards = 4;    // 3..7
    int high = 12;    // highest card, 1..99
    int level = 0;    // 1..5, 0 any
    int count = 20;   // puzzles, 1..60
    // The order the answers are written in and the sheet names; not in the code (it has no
    // room): the same code in the other order gives the same puzzles, answered in that order.
    OperatorOrder order = OperatorOrder::Game;
    WorksheetVersion version = NewWorksheetVersion;
    // The operations the sheet's puzzles are answered with: each has an answer with them, its
    // level rates the easiest such answer, and the sheet names them. In a thirteen-character
    // code; an older code holds all four.
    AllowedOperations operations = AllowedOperations::All;
    bool operator==(const WorksheetSettings&) const = default;
};

inline constexpr int WorksheetMostPuzzles = 60;
// Seeds of an eleven-character code of the current rating: 0 up to this, not included (about
// 300 million). A thirteen-character code holds any seed.
inline constexpr uint32_t WorksheetSeeds = 304'518'040;
// A seed for a new sheet from any number (the clock's ticks).
inline uint32_t NewWorksheetSeed(uint64_t entropy) { return static_cast<uint32_t>(entropy ^ (entropy >> 32)); }

// The code of the settings' version. What a version has no room for is left out, here and in
// MakeWorksheet alike, so that the code always makes the sheet: an eleven-character code of
// the current rating takes its seed modulo WorksheetSeeds, and an eleven-character code holds
// all four operations.
std::string WorksheetCode(const WorksheetSettings& settings);

struct ReadCode {
    std::optional<WorksheetSettings> settings;
    std::string error;  // when there is no settings: one sentence for the teacher
};
ReadCode ReadWorksheetCode(const std::string& text);

struct WorksheetPuzzle {
    std::vector<int> cards;
    int answer = 0;
    int level = 0;
    uint64_t answers = 0;  // distinct answers
    std::string example;   // the simplest answer, in clean form
};

struct Worksheet {
    WorksheetSettings settings;
    std::string code;
    std::vector<WorksheetPuzzle> puzzles;  // empty, with error set, when the deals found none
    std::string error;
};

// The sheet's puzzles: a fresh deck shuffled from the seed, dealt as the game starts (shuffle,
// then deal) and on, keeping only puzzles with an answer (and of the level, when one is set);
// after each puzzle the deal moves on past its cards, so that no two share a card of the deck,
// and a puzzle met again brings a fresh shuffle: from the thirteen-character version on, the
// same cards in any order with the same answer card; before it, the same cards in the same
// order only. Uses the game's generator but leaves it as it was.
Worksheet MakeWorksheet(const WorksheetSettings& settings);

// Layouts on offer: puzzles per page.
inline constexpr int WorksheetLayouts[] = {4, 6, 8, 12};

struct SheetRect {
    double x = 0, y = 0, width = 0, height = 0;
};

struct SheetLayout {
    SheetRect title;                // the title line
    std::vector<SheetRect> puzzles; // one box a puzzle, left to right and down
    SheetRect footer;               // the code and the page number
};

// Where everything goes on a page whose printable area is page (any unit; y grows down).
// perPage is one of WorksheetLayouts; every rectangle lies inside page.
SheetLayout LayOutWorksheet(const SheetRect& page, int perPage);
