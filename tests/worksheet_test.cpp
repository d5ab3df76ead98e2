// Worksheets: the code holds the sheet, the sheet's puzzles are real and repeatable, the layout
// stays on the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>

#include "answer/answer.h"
#include "deal/level.h"
#include "deal/worksheet.h"
#include "engine/globals.h"
#include "player/player_solver.h"
#include "text_util.h"

namespace {

const std::string Alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";

// The code's number written out by hand in base 31 with its check character.
std::string CodeOf(uint64_t v, int digits) {
    std::string code(static_cast<std::size_t>(digits), ' ');
    int check = 0;
    for (int i = digits - 1; i >= 0; --i, v /= 31) code[static_cast<std::size_t>(i)] = Alphabet[v % 31];
    for (int i = 0; i < digits; ++i) check += static_cast<int>(Alphabet.find(code[static_cast<std::size_t>(i)])) * (i + 1);
    return code + Alphabet[static_cast<std::size_t>(check % 31)];
}

// Typed in lower case, in groups of four with dashes and a space or two: the same code.
std::string Typed(const std::string& code) {
    std::string typed = " ";
    for (std::size_t i = 0; i < code.size(); ++i) typed += std::string(i % 4 == 0 && i ? (i % 8 ? "-" : " - ") : "") + char(std::tolower(code[i]));
    return typed;
}

// A puzzle as a printed sheet showed it.
struct Printed { std::vector<int> cards; int answer; int level; };

// The sheet a code makes again, puzzle by puzzle, against the one taken down from the program.
void ExpectSheet(const Worksheet& sheet, const char* code, const std::vector<Printed>& puzzles) {
    EXPECT_EQ(sheet.code, code);
    ASSERT_EQ(sheet.puzzles.size(), puzzles.size()) << code << ": " << sheet.error;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        EXPECT_EQ(sheet.puzzles[i].cards, puzzles[i].cards) << code << " #" << i + 1;
        EXPECT_EQ(sheet.puzzles[i].answer, puzzles[i].answer) << code << " #" << i + 1;
        EXPECT_EQ(sheet.puzzles[i].level, puzzles[i].level) << code << " #" << i + 1;
    }
}

}  // namespace

// A new code holds every field at each of its limits, any seed and each choice of operations,
// in thirteen characters; no two settings share a code.
TEST(WorksheetCode, ANewCodeHoldsEveryFieldAtItsLimits) {
    std::set<std::string> codes;
    int settingsTried = 0;
    for (uint32_t seed : {0u, 1u, WorksheetSeeds, 2147483648u, 4294967295u})
        for (int cards : {3, 7})
            for (int high : {1, 99})
                for (int level : {0, 5})
                    for (int count : {1, 60})
                        for (AllowedOperations operations :
                             {AllowedOperations::All, AllowedOperations::AddSubtract, AllowedOperations::AddSubtractMultiply}) {
                            WorksheetSettings settings{seed, cards, high, level, count};
                            settings.operations = operations;
                            const std::string code = WorksheetCode(settings);
                            ASSERT_EQ(code.size(), 13u) << code;
                            EXPECT_EQ(code.find_first_not_of(Alphabet), std::string::npos) << code;
                            const ReadCode back = ReadWorksheetCode(code);
                            ASSERT_TRUE(back.settings) << code << ": " << back.error;
                            EXPECT_EQ(*back.settings, settings) << code;
                            const ReadCode typed = ReadWorksheetCode(Typed(code));
                            ASSERT_TRUE(typed.settings) << Typed(code) << ": " << typed.error;
                            EXPECT_EQ(*typed.settings, settings) << Typed(code);
                            codes.insert(code);
                            ++settingsTried;
                        }
    EXPECT_EQ(settingsTried, 5 * 2 * 2 * 2 * 2 * 3);
    EXPECT_EQ(codes.size(), static_cast<std::size_t>(settingsTried));
    // New sheets get the new version, and any seed at all.
    for (uint64_t entropy : {uint64_t(0), uint64_t(123456789012345), ~uint64_t(0)}) {
        const WorksheetSettings fresh{NewWorksheetSeed(entropy)};
        EXPECT_EQ(fresh.version, WorksheetVersion::NoRepeats);
        EXPECT_EQ(ReadWorksheetCode(WorksheetCode(fresh)).settings, fresh);
    }
    // Thirteen characters made up at random, check character and all, are nearly never a code:
    // the settings fill a small part of the room.
    std::mt19937 random(7);
    int taken = 0;
    for (int i = 0; i < 2000; ++i) {
        uint64_t v = 0;
        for (int d = 0; d < 12; ++d) v = v * 31 + random() % 31;
        const ReadCode read = ReadWorksheetCode(CodeOf(v, 12));
        if (read.settings) ++taken;
        else EXPECT_EQ(read.error, "This is not a worksheet code: check it character by character.");
    }
    EXPECT_LT(taken, 20);  // about 6 of 2000 are a code by chance
}

// The eleven-character codes: the first rating's hold any seed, the current rating's seeds go up
// to WorksheetSeeds, and neither holds the operations (it reads as all four).
TEST(WorksheetCode, AnElevenCharacterCodeHoldsItsFieldsAsAlways) {
    const WorksheetVersion first = WorksheetVersion::FirstRating, measured = WorksheetVersion::MeasuredRating;
    for (const WorksheetSettings settings :
         {WorksheetSettings{4294967295u, 7, 99, 5, 60, OperatorOrder::Game, first}, WorksheetSettings{0, 3, 1, 0, 1, OperatorOrder::Game, first},
          WorksheetSettings{0, 3, 1, 0, 1, OperatorOrder::Game, measured}, WorksheetSettings{WorksheetSeeds - 1, 7, 99, 5, 60, OperatorOrder::Game, measured},
          WorksheetSettings{123456, 4, 12, 3, 20, OperatorOrder::Game, measured}}) {
        const std::string code = WorksheetCode(settings);
        ASSERT_EQ(code.size(), 11u) << code;
        EXPECT_EQ(code.find_first_not_of(Alphabet), std::string::npos) << code;
        const ReadCode back = ReadWorksheetCode(code);
        ASSERT_TRUE(back.settings) << back.error;
        EXPECT_EQ(*back.settings, settings);
        EXPECT_EQ(back.settings->operations, AllowedOperations::All);
        EXPECT_EQ(*ReadWorksheetCode(Typed(code)).settings, settings) << Typed(code);
        // Operations it has no room for are left out.
        WorksheetSettings fewer = settings;
        fewer.operations = AllowedOperations::AddSubtract;
        EXPECT_EQ(WorksheetCode(fewer), code);
    }
    // The same fields in the two ratings make two codes; a seed past the current rating's
    // room is taken modulo it, in the code and the sheet alike.
    EXPECT_NE(WorksheetCode({0, 3, 1, 0, 1, OperatorOrder::Game, first}), WorksheetCode({0, 3, 1, 0, 1, OperatorOrder::Game, measured}));
    const WorksheetSettings past{WorksheetSeeds + 7, 4, 12, 0, 3, OperatorOrder::Game, measured};
    const WorksheetSettings seven{7, 4, 12, 0, 3, OperatorOrder::Game, measured};
    EXPECT_EQ(ReadWorksheetCode(WorksheetCode(past)).settings->seed, 7u);
    EXPECT_EQ(MakeWorksheet(past).code, WorksheetCode(seven));
    EXPECT_EQ(MakeWorksheet(past).puzzles[0].cards, MakeWorksheet(seven).puzzles[0].cards);
    WorksheetSettings fewer = seven;  // the sheet, too, leaves out what its code cannot hold
    fewer.operations = AllowedOperations::AddSubtractMultiply;
    EXPECT_EQ(MakeWorksheet(fewer).settings, seven);
    // The first seed past both ratings': no code.
    const std::string beyond = CodeOf(((uint64_t(1) << 32) + WorksheetSeeds) * (5 * 99 * 6 * 60), 10);
    EXPECT_EQ(ReadWorksheetCode(beyond).error, "This is not a worksheet code: check it character by character.") << beyond;
}

// Any one character mistyped and any two neighbours swapped, in a code of either form, is
// caught; a code of neither length, or with a character not in the alphabet, says so.
TEST(WorksheetCode, CatchesTyposWithAClearMessage) {
    WorksheetSettings some{987654, 5, 25, 2, 30};
    some.operations = AllowedOperations::AddSubtractMultiply;
    std::vector<std::string> codes = {WorksheetCode(some), WorksheetCode({4294967295u, 7, 99, 5, 60}), WorksheetCode({0, 3, 1, 0, 1}),
                                      "XYDNGC9UH5V", WorksheetCode({987654, 5, 25, 2, 30, OperatorOrder::Game, WorksheetVersion::FirstRating})};
    for (const std::string& code : codes) {
        ASSERT_TRUE(ReadWorksheetCode(code).settings) << code;
        for (std::size_t i = 0; i < code.size(); ++i) {
            for (char c : Alphabet) {  // every single character mistyped
                if (c == code[i]) continue;
                std::string typo = code;
                typo[i] = c;
                EXPECT_EQ(ReadWorksheetCode(typo).error, "This worksheet code has a typing error: check it character by character.") << typo;
            }
            if (i + 1 < code.size() && code[i] != code[i + 1]) {  // two neighbours swapped
                std::string swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                EXPECT_EQ(ReadWorksheetCode(swapped).error, "This worksheet code has a typing error: check it character by character.") << swapped;
            }
        }
    }
    EXPECT_EQ(ReadWorksheetCode(codes[0].substr(1)).error, "A worksheet code has 13 characters, or 11 for an older sheet; this one has 12.");
    EXPECT_EQ(ReadWorksheetCode("XYDNGC9UH5").error, "A worksheet code has 13 characters, or 11 for an older sheet; this one has 10.");
    EXPECT_EQ(ReadWorksheetCode("AB0DEFGHJKM").error,
              "A worksheet code has no '0': it is made of the digits 2 to 9 and the letters other than I, L and O.");
}

TEST(Worksheet, DealsRealPuzzlesTheSameWayEveryTime) {
    SeedRandom(42);
    const float gameDraw = NextUniform();
    SeedRandom(42);
    const WorksheetSettings settings{2026, 4, 12, 3, 40};  // more than one ring holds
    const Worksheet sheet = MakeWorksheet(settings);
    EXPECT_EQ(NextUniform(), gameDraw) << "the game's own generator was disturbed";
    ASSERT_EQ(sheet.puzzles.size(), 40u) << sheet.error;
    EXPECT_EQ(sheet.code, WorksheetCode(settings));
    std::set<std::pair<std::vector<int>, int>> seen;
    for (const WorksheetPuzzle& p : sheet.puzzles) {
        EXPECT_TRUE(seen.insert({p.cards, p.answer}).second) << "a puzzle asked twice";
        EXPECT_EQ(p.level, 3);
        EXPECT_EQ(PuzzleLevel(p.cards, p.answer), 3);
        EXPECT_GT(p.answers, 0u);
        const AnswerCheck c = CheckAnswer(U16(p.example), p.cards, p.answer);
        EXPECT_TRUE(c.solves) << p.example;
    }
    const Worksheet again = MakeWorksheet(*ReadWorksheetCode(sheet.code).settings);
    ASSERT_EQ(again.puzzles.size(), sheet.puzzles.size());
    for (std::size_t i = 0; i < sheet.puzzles.size(); ++i) {
        EXPECT_EQ(again.puzzles[i].cards, sheet.puzzles[i].cards);
        EXPECT_EQ(again.puzzles[i].answer, sheet.puzzles[i].answer);
        EXPECT_EQ(again.puzzles[i].example, sheet.puzzles[i].example);
    }
    // A level the cards cannot make: no sheet, and a reason.
    const Worksheet none = MakeWorksheet({1, 3, 1, 5, 4});
    EXPECT_TRUE(none.puzzles.empty());
    EXPECT_EQ(none.error, "No puzzle of difficulty 5 turned up in 104 deals: choose another difficulty, number of cards or highest card.");
}

TEST(WorksheetLayout, EveryBoxStaysOnThePageAndApart) {
    for (const SheetRect page : {SheetRect{36, 36, 523, 770}, SheetRect{0, 0, 9000, 6000}, SheetRect{10, 20, 100, 100}}) {
        for (int perPage : WorksheetLayouts) {
            const SheetLayout l = LayOutWorksheet(page, perPage);
            ASSERT_EQ(l.puzzles.size(), static_cast<std::size_t>(perPage));
            auto inside = [&](const SheetRect& r) {
                return r.x >= page.x - 1e-9 && r.y >= page.y - 1e-9 && r.x + r.width <= page.x + page.width + 1e-9 &&
                       r.y + r.height <= page.y + page.height + 1e-9 && r.width > 0 && r.height > 0;
            };
            EXPECT_TRUE(inside(l.title));
            EXPECT_TRUE(inside(l.footer));
            for (std::size_t i = 0; i < l.puzzles.size(); ++i) {
                const SheetRect& a = l.puzzles[i];
                EXPECT_TRUE(inside(a)) << perPage << " #" << i;
                EXPECT_GE(a.y, l.title.y + l.title.height);
                EXPECT_LE(a.y + a.height, l.footer.y);
                for (std::size_t j = i + 1; j < l.puzzles.size(); ++j) {
                    const SheetRect& b = l.puzzles[j];
                    const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y;
                    EXPECT_TRUE(apart) << perPage << " #" << i << " and #" << j;
                }
            }
        }
    }
}

// In the school order the sheet has the same puzzles, and every example answer is written so
// that it is right in the school order. On the game's sheet every example is right in both
// orders: a pupil who reads the answer page by the school order reads the game's answer.
TEST(Worksheet, WritesItsAnswersInTheOrderChosen) {
    WorksheetSettings game;
    game.seed = 99;
    game.cards = 4;
    game.count = 12;
    WorksheetSettings school = game;
    school.order = OperatorOrder::School;
    const Worksheet a = MakeWorksheet(game), b = MakeWorksheet(school);
    ASSERT_EQ(a.puzzles.size(), b.puzzles.size());
    EXPECT_EQ(a.code, b.code);  // the code has no room for the order
    int schoolBrackets = 0;
    for (std::size_t i = 0; i < a.puzzles.size(); ++i) {
        const WorksheetPuzzle& p = a.puzzles[i];
        EXPECT_EQ(p.cards, b.puzzles[i].cards);
        EXPECT_EQ(p.answer, b.puzzles[i].answer);
        EXPECT_TRUE(CheckAnswer(U16(b.puzzles[i].example), p.cards, p.answer, OperatorOrder::School).solves) << b.puzzles[i].example;
        EXPECT_TRUE(CheckAnswer(U16(p.example), p.cards, p.answer).solves) << p.example;
        EXPECT_TRUE(CheckAnswer(U16(p.example), p.cards, p.answer, OperatorOrder::School).solves) << p.example;
        // Brackets the game itself could do without: 10 + 4 - (7 + 6).
        const auto tree = ReadNotation(ParseAnswer(U16(p.example), p.cards).notation);
        ASSERT_TRUE(tree.has_value()) << p.example;
        schoolBrackets += p.example != Canonical(*tree).text;
    }
    EXPECT_GT(schoolBrackets, 0);
}

// Codes printed on real sheets with the puzzles and levels those sheets showed: a teacher who
// types one in again gets the same sheet. The first six were made before the level was rated by
// what people find hard; the last five with the current rating but before the thirteen-character
// codes, repeats and all (XYDNGC9UH5V asks 10 2 1 5 => 5 and 5 1 2 10 => 5, ZMZM5J45ZN2 1 3 2 => 2
// and 3 2 1 => 2).
TEST(WorksheetCode, AnOldCodeMakesTheSheetItAlwaysMade) {
    struct Sheet { const char* code; WorksheetVersion version; std::vector<Printed> puzzles; };
    const WorksheetVersion first = WorksheetVersion::FirstRating, measured = WorksheetVersion::MeasuredRating;
    const Sheet sheets[] = {
        {"2224GV54TTG", first, {{{4, 10, 4, 8}, 4, 2}, {{1, 5, 4, 10}, 5, 2}, {{5, 8, 4, 8}, 5, 2},
                                {{12, 2, 10, 5}, 12, 2}, {{8, 4, 12, 4}, 8, 2}, {{12, 3, 5, 6}, 5, 2}}},
        {"8PD436A7BXH", first, {{{1, 5, 10, 1}, 12, 5}, {{1, 3, 4, 7}, 3, 5}, {{7, 6, 5, 1}, 1, 5},
                                {{5, 9, 5, 8}, 6, 5}, {{3, 3, 10, 7}, 5, 5}}},
        {"VYS5MK79XXN", first, {{{10, 25, 4, 5, 5}, 11, 1}, {{4, 6, 24, 8, 8}, 2, 1}, {{9, 8, 3, 15, 11}, 24, 1},
                                {{4, 12, 3, 8, 19}, 2, 1}, {{18, 12, 14, 1, 10}, 6, 1}}},
        {"22222GWWR7T", first, {{{3, 10, 5, 2}, 2, 1}, {{7, 2, 5, 3}, 10, 1}, {{1, 8, 3, 4}, 5, 1},
                                {{2, 4, 6, 1}, 4, 1}, {{1, 9, 5, 4}, 2, 1}, {{10, 4, 2, 5}, 6, 2}}},  // any level
        {"2222EMK6D3U", first, {{{14, 8, 2}, 8, 3}, {{9, 5, 8}, 6, 3}, {{5, 20, 9}, 16, 3}, {{18, 4, 2}, 9, 3}}},
        {"2228B3UK62N", first, {{{17, 4, 14, 1, 23, 7}, 7, 4}, {{10, 5, 5, 24, 10, 22}, 10, 4}, {{9, 14, 11, 25, 5, 21}, 6, 4}}},
        {"XYDNGC9UH5V", measured, {{{4, 5, 3, 7}, 2, 1}, {{10, 2, 1, 5}, 5, 1}, {{4, 5, 5, 10}, 1, 3}, {{3, 4, 4, 1}, 9, 4},
                                   {{4, 7, 2, 2}, 3, 1}, {{4, 4, 9, 5}, 7, 4}, {{5, 1, 2, 10}, 5, 1}, {{7, 3, 7, 4}, 1, 1},
                                   {{4, 8, 2, 3}, 5, 1}, {{3, 4, 1, 2}, 3, 1}, {{3, 7, 2, 4}, 3, 1}, {{1, 5, 5, 4}, 5, 1}}},
        {"ZMZM5J45ZN2", measured, {{{2, 1, 1}, 3, 1}, {{1, 3, 2}, 2, 1}, {{2, 1, 2}, 4, 1}, {{3, 1, 2}, 1, 1}, {{5, 1, 3}, 2, 1},
                                   {{2, 2, 2}, 1, 1}, {{3, 2, 4}, 2, 1}, {{3, 1, 4}, 2, 1}, {{1, 1, 1}, 2, 1}, {{5, 1, 3}, 1, 2},
                                   {{2, 5, 2}, 1, 2}, {{4, 2, 5}, 1, 2}, {{3, 2, 1}, 2, 1}, {{1, 5, 2}, 4, 2}, {{2, 2, 1}, 3, 1},
                                   {{1, 1, 2}, 2, 1}, {{2, 5, 1}, 5, 1}, {{4, 2, 5}, 2, 1}, {{5, 2, 5}, 1, 2}, {{2, 1, 2}, 2, 1}}},
        {"YEKNVWE5TMH", measured, {{{9, 4, 1, 15, 23}, 6, 3}, {{4, 5, 8, 24, 2}, 9, 3}, {{14, 10, 17, 12, 4}, 10, 3},
                                   {{13, 3, 20, 4, 6}, 2, 3}, {{15, 8, 1, 5, 18}, 7, 3}, {{11, 4, 10, 7, 21}, 10, 3},
                                   {{6, 14, 3, 18, 3}, 1, 3}, {{1, 6, 9, 4, 16}, 2, 3}}},
        {"Y4XAU3GQQ62", measured, {{{2, 6, 9, 45, 22, 31, 12}, 25, 5}, {{35, 12, 16, 8, 41, 8, 41}, 42, 5},
                                   {{44, 12, 19, 15, 18, 4, 34}, 17, 5}, {{5, 30, 8, 9, 23, 28, 18}, 22, 5}}},
        {"ZY37BP6RDS5", measured, {{{3, 17, 6, 9, 7, 7}, 4, 2}, {{8, 19, 1, 7, 5, 12}, 3, 2}, {{10, 17, 2, 11, 4, 20}, 7, 2},
                                   {{20, 7, 20, 1, 15, 5}, 14, 2}, {{8, 18, 2, 5, 6, 18}, 1, 2}}},
    };
    for (const Sheet& s : sheets) {
        const ReadCode read = ReadWorksheetCode(s.code);
        ASSERT_TRUE(read.settings) << s.code << ": " << read.error;
        EXPECT_EQ(read.settings->version, s.version) << s.code;
        EXPECT_EQ(read.settings->operations, AllowedOperations::All) << s.code;
        ExpectSheet(MakeWorksheet(*read.settings), s.code, s.puzzles);
    }
}

// Thirteen-character codes of sheets made now, with the puzzles and levels they made, taken
// down from the program: a sheet made again from its code is the same sheet.
TEST(WorksheetCode, ANewCodeMakesTheSheetItMadeWhenPrinted) {
    struct Sheet { WorksheetSettings settings; const char* code; std::vector<Printed> puzzles; };
    const Sheet sheets[] = {
        {{123456789u, 4, 12, 2, 6}, "YEBT4E2TRFSWR",
         {{{10, 3, 3, 3}, 2, 2}, {{2, 2, 2, 8}, 1, 2}, {{2, 12, 1, 3}, 2, 2}, {{1, 7, 6, 9}, 5, 2}, {{6, 8, 4, 4}, 4, 2}, {{5, 6, 3, 2}, 9, 2}}},
        {{4000000000u, 6, 30, 0, 5}, "M8BCEJY4SMWBT",
         {{{13, 30, 4, 6, 6, 13}, 15, 5}, {{10, 2, 29, 10, 12, 23}, 26, 5}, {{14, 29, 9, 5, 8, 29}, 10, 2},
          {{10, 9, 10, 11, 9, 3}, 17, 4}, {{15, 3, 10, 23, 2, 20}, 15, 4}}},
        {{7u, 3, 9, 4, 5}, "HPJVNVB67U4JA", {{{3, 6, 2}, 9, 4}, {{2, 5, 3}, 9, 4}, {{3, 2, 7}, 1, 4}, {{2, 1, 6}, 2, 4}, {{6, 1, 1}, 3, 4}}},
    };
    for (const Sheet& s : sheets) {
        const ReadCode read = ReadWorksheetCode(s.code);
        ASSERT_TRUE(read.settings) << s.code << ": " << read.error;
        EXPECT_EQ(*read.settings, s.settings) << s.code;
        ExpectSheet(MakeWorksheet(*read.settings), s.code, s.puzzles);
    }
}

namespace {

// The puzzles of a sheet that ask one before them again: the same cards in any order and the
// same answer card.
std::vector<std::string> Repeats(const Worksheet& sheet) {
    std::vector<std::string> repeats;
    std::set<std::pair<std::vector<int>, int>> seen;
    for (std::size_t i = 0; i < sheet.puzzles.size(); ++i) {
        std::vector<int> cards = sheet.puzzles[i].cards;
        std::sort(cards.begin(), cards.end());
        if (!seen.insert({cards, sheet.puzzles[i].answer}).second) repeats.push_back(sheet.code + " #" + std::to_string(i + 1));
    }
    return repeats;
}

}  // namespace

// A new sheet never asks a puzzle twice, in any order of its cards, whatever the settings; the
// same seeds and settings made sheets with repeats under the eleven-character code.
TEST(Worksheet, ANewSheetNeverAsksAPuzzleTwice) {
    struct Asked { int cards, high, level, count; };
    const Asked settings[] = {{3, 3, 0, 20}, {3, 5, 0, 40}, {4, 5, 0, 60}, {4, 10, 0, 12}, {4, 10, 1, 30},
                              {3, 8, 2, 20}, {5, 6, 0, 60}, {4, 12, 0, 60}, {6, 4, 0, 30}, {3, 12, 5, 12}, {3, 2, 0, 12}};
    int sheets = 0, oldRepeats = 0, shortSheets = 0;
    for (const Asked& a : settings) {
        for (uint32_t seed = 0; seed < 12; ++seed) {
            WorksheetSettings asked{seed * 7919u, a.cards, a.high, a.level, a.count};
            const Worksheet sheet = MakeWorksheet(asked);
            if (sheet.puzzles.empty()) {  // these settings ran out of puzzles: it says how many it found
                EXPECT_NE(sheet.error.find("different puzzles of these settings turned up"), std::string::npos) << sheet.error;
                ++shortSheets;
                continue;
            }
            ++sheets;
            ASSERT_EQ(sheet.puzzles.size(), static_cast<std::size_t>(a.count));
            const std::vector<std::string> repeats = Repeats(sheet);
            EXPECT_TRUE(repeats.empty()) << "asked twice: " << repeats.front();
            asked.version = WorksheetVersion::MeasuredRating;
            oldRepeats += static_cast<int>(Repeats(MakeWorksheet(asked)).size());
        }
    }
    EXPECT_GE(sheets, 100);
    EXPECT_GT(oldRepeats, 0);  // the same settings did ask puzzles twice
    EXPECT_GT(shortSheets, 0);  // and some settings hold fewer different puzzles than asked for
}

// A sheet of fewer operations: each puzzle has an answer with them, its example keeps to them,
// and its level and count are theirs; its code makes the same sheet again.
TEST(Worksheet, DealsAndRatesWithTheOperationsItsCodeHolds) {
    for (AllowedOperations ops : {AllowedOperations::AddSubtract, AllowedOperations::AddSubtractMultiply}) {
        WorksheetSettings s;
        s.seed = 4242;
        s.cards = 4;
        s.high = 10;
        s.count = 12;
        s.operations = ops;
        const Worksheet sheet = MakeWorksheet(s);
        ASSERT_EQ(sheet.puzzles.size(), 12u) << sheet.error;
        for (const WorksheetPuzzle& p : sheet.puzzles) {
            const PlayerVerdict v = SolveForPlayer(p.cards, p.answer, 0, {}, PartWay::Any, ops);
            EXPECT_EQ(p.answers, v.answers);
            EXPECT_GT(p.answers, 0u);
            EXPECT_EQ(p.example.find('/'), std::string::npos) << p.example;
            if (!AllowsMultiply(ops)) {
                EXPECT_EQ(p.example.find('*'), std::string::npos) << p.example;
            }
            EXPECT_EQ(p.level, PuzzleLevel(p.cards, p.answer, CurrentRating, ops));
        }
        const ReadCode read = ReadWorksheetCode(sheet.code);
        ASSERT_TRUE(read.settings.has_value()) << read.error;
        EXPECT_EQ(read.settings->operations, ops);
        const Worksheet again = MakeWorksheet(*read.settings);
        ASSERT_EQ(again.puzzles.size(), sheet.puzzles.size());
        for (std::size_t i = 0; i < again.puzzles.size(); ++i) EXPECT_EQ(again.puzzles[i].cards, sheet.puzzles[i].cards);
    }
}
