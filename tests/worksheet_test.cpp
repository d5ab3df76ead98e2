// Worksheets: the code holds the sheet, the sheet's puzzles are real and repeatable, the layout
// stays on the page.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "answer/answer.h"
#include "deal/level.h"
#include "deal/worksheet.h"
#include "engine/globals.h"
#include "text_util.h"

TEST(WorksheetCode, HoldsEveryFieldAndReadsBackEasily) {
    // The first rating's codes hold any seed; the current rating's seeds go up to WorksheetSeeds.
    const WorksheetSettings first{4294967295u, 7, 99, 5, 60, OperatorOrder::Game, Rating::First};
    const WorksheetSettings firstLow{0, 3, 1, 0, 1, OperatorOrder::Game, Rating::First};
    for (const WorksheetSettings settings : {WorksheetSettings{0, 3, 1, 0, 1}, first, firstLow, WorksheetSettings{WorksheetSeeds - 1, 7, 99, 5, 60},
                                             WorksheetSettings{123456, 4, 12, 3, 20}}) {
        const std::string code = WorksheetCode(settings);
        EXPECT_LE(code.size(), 16u);
        EXPECT_EQ(code.find_first_of("01ILOl"), std::string::npos) << code;
        const ReadCode back = ReadWorksheetCode(code);
        ASSERT_TRUE(back.settings) << back.error;
        EXPECT_EQ(*back.settings, settings);
        // Typed in lower case, in groups: the same sheet.
        std::string typed;
        for (std::size_t i = 0; i < code.size(); ++i) typed += std::string(i % 4 == 0 && i ? "-" : "") + char(std::tolower(code[i]));
        EXPECT_EQ(*ReadWorksheetCode(typed).settings, settings) << typed;
    }
    // The same fields in the two ratings make two codes; a seed past the current rating's
    // room is taken modulo it, in the code and the sheet alike.
    EXPECT_NE(WorksheetCode(firstLow), WorksheetCode(WorksheetSettings{0, 3, 1, 0, 1}));
    const WorksheetSettings past{WorksheetSeeds + 7, 4, 12, 0, 3};
    EXPECT_EQ(ReadWorksheetCode(WorksheetCode(past)).settings->seed, 7u);
    EXPECT_EQ(MakeWorksheet(past).code, WorksheetCode(WorksheetSettings{7, 4, 12, 0, 3}));
    EXPECT_EQ(MakeWorksheet(past).puzzles[0].cards, MakeWorksheet(WorksheetSettings{7, 4, 12, 0, 3}).puzzles[0].cards);
    // New sheets get seeds in the room, from any number at all.
    for (uint64_t entropy : {uint64_t(0), uint64_t(123456789012345), ~uint64_t(0)}) EXPECT_LT(NewWorksheetSeed(entropy), WorksheetSeeds);
    // The first seed past both ratings' (written out by hand, its check character too): no code.
    const std::string alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
    uint64_t v = ((uint64_t(1) << 32) + WorksheetSeeds) * (5 * 99 * 6 * 60);
    std::string beyond(10, ' ');
    int check = 0;
    for (int i = 9; i >= 0; --i, v /= 31) beyond[i] = alphabet[v % 31];
    for (int i = 0; i < 10; ++i) check += static_cast<int>(alphabet.find(beyond[i])) * (i + 1);
    beyond += alphabet[check % 31];
    EXPECT_EQ(ReadWorksheetCode(beyond).error, "This is not a worksheet code: check it character by character.") << beyond;
}

TEST(WorksheetCode, CatchesTyposWithAClearMessage) {
    const std::string code = WorksheetCode({987654, 5, 25, 2, 30});
    const std::string alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
    for (std::size_t i = 0; i < code.size(); ++i) {
        for (char c : alphabet) {  // every single character mistyped
            if (c == code[i]) continue;
            std::string typo = code;
            typo[i] = c;
            EXPECT_FALSE(ReadWorksheetCode(typo).settings) << typo;
        }
        if (i + 1 < code.size() && code[i] != code[i + 1]) {  // two neighbours swapped
            std::string swapped = code;
            std::swap(swapped[i], swapped[i + 1]);
            EXPECT_FALSE(ReadWorksheetCode(swapped).settings) << swapped;
        }
    }
    EXPECT_EQ(ReadWorksheetCode(code.substr(1)).error, "A worksheet code has 11 characters; this one has 10.");
    EXPECT_EQ(ReadWorksheetCode("AB0DEFGHJKM").error,
              "A worksheet code has no '0': it is made of the digits 2 to 9 and the letters other than I, L and O.");
    EXPECT_NE(ReadWorksheetCode(std::string(code.begin(), code.end() - 1) + (code.back() == 'Z' ? 'Y' : 'Z')).error.find("typing error"), std::string::npos);
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
// that it is right in the school order.
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
    int written = 0;
    for (std::size_t i = 0; i < a.puzzles.size(); ++i) {
        EXPECT_EQ(a.puzzles[i].cards, b.puzzles[i].cards);
        EXPECT_EQ(a.puzzles[i].answer, b.puzzles[i].answer);
        EXPECT_TRUE(CheckAnswer(U16(b.puzzles[i].example), b.puzzles[i].cards, b.puzzles[i].answer, OperatorOrder::School).solves)
            << b.puzzles[i].example;
        written += a.puzzles[i].example != b.puzzles[i].example;
    }
    EXPECT_GT(written, 0);  // some need other brackets
}

// Codes printed on real sheets before the level was rated by what people find hard, with the
// puzzles and levels those sheets showed: a teacher who types one in again gets the same sheet.
TEST(WorksheetCode, AnOldCodeMakesTheSheetItAlwaysMade) {
    struct Printed { std::vector<int> cards; int answer; int level; };
    struct Sheet { const char* code; std::vector<Printed> puzzles; };
    const Sheet sheets[] = {
        {"2224GV54TTG", {{{4, 10, 4, 8}, 4, 2}, {{1, 5, 4, 10}, 5, 2}, {{5, 8, 4, 8}, 5, 2},
                         {{12, 2, 10, 5}, 12, 2}, {{8, 4, 12, 4}, 8, 2}, {{12, 3, 5, 6}, 5, 2}}},
        {"8PD436A7BXH", {{{1, 5, 10, 1}, 12, 5}, {{1, 3, 4, 7}, 3, 5}, {{7, 6, 5, 1}, 1, 5},
                         {{5, 9, 5, 8}, 6, 5}, {{3, 3, 10, 7}, 5, 5}}},
        {"VYS5MK79XXN", {{{10, 25, 4, 5, 5}, 11, 1}, {{4, 6, 24, 8, 8}, 2, 1}, {{9, 8, 3, 15, 11}, 24, 1},
                         {{4, 12, 3, 8, 19}, 2, 1}, {{18, 12, 14, 1, 10}, 6, 1}}},
        {"22222GWWR7T", {{{3, 10, 5, 2}, 2, 1}, {{7, 2, 5, 3}, 10, 1}, {{1, 8, 3, 4}, 5, 1},
                         {{2, 4, 6, 1}, 4, 1}, {{1, 9, 5, 4}, 2, 1}, {{10, 4, 2, 5}, 6, 2}}},  // any level
        {"2222EMK6D3U", {{{14, 8, 2}, 8, 3}, {{9, 5, 8}, 6, 3}, {{5, 20, 9}, 16, 3}, {{18, 4, 2}, 9, 3}}},
        {"2228B3UK62N", {{{17, 4, 14, 1, 23, 7}, 7, 4}, {{10, 5, 5, 24, 10, 22}, 10, 4}, {{9, 14, 11, 25, 5, 21}, 6, 4}}},
    };
    for (const Sheet& s : sheets) {
        const ReadCode read = ReadWorksheetCode(s.code);
        ASSERT_TRUE(read.settings) << s.code << ": " << read.error;
        EXPECT_EQ(read.settings->rating, Rating::First) << s.code;
        const Worksheet sheet = MakeWorksheet(*read.settings);
        EXPECT_EQ(sheet.code, s.code);
        ASSERT_EQ(sheet.puzzles.size(), s.puzzles.size()) << s.code << ": " << sheet.error;
        for (std::size_t i = 0; i < s.puzzles.size(); ++i) {
            EXPECT_EQ(sheet.puzzles[i].cards, s.puzzles[i].cards) << s.code << " #" << i + 1;
            EXPECT_EQ(sheet.puzzles[i].answer, s.puzzles[i].answer) << s.code << " #" << i + 1;
            EXPECT_EQ(sheet.puzzles[i].level, s.puzzles[i].level) << s.code << " #" << i + 1;
        }
    }
}

// Eleven-character codes the game wrote with the current rating, with the sheets they made then,
// repeats and all (XYDNGC9UH5V asks 10 2 1 5 => 5 and 5 1 2 10 => 5, ZMZM5J45ZN2 1 3 2 => 2 and
// 3 2 1 => 2): such a code makes its own sheet for good.
TEST(WorksheetCode, AnElevenCharacterCodeOfTheCurrentRatingMakesItsOwnSheet) {
    struct Printed { std::vector<int> cards; int answer; int level; };
    struct Sheet { const char* code; std::vector<Printed> puzzles; };
    const Sheet sheets[] = {
        {"XYDNGC9UH5V", {{{4, 5, 3, 7}, 2, 1}, {{10, 2, 1, 5}, 5, 1}, {{4, 5, 5, 10}, 1, 3}, {{3, 4, 4, 1}, 9, 4},
                         {{4, 7, 2, 2}, 3, 1}, {{4, 4, 9, 5}, 7, 4}, {{5, 1, 2, 10}, 5, 1}, {{7, 3, 7, 4}, 1, 1},
                         {{4, 8, 2, 3}, 5, 1}, {{3, 4, 1, 2}, 3, 1}, {{3, 7, 2, 4}, 3, 1}, {{1, 5, 5, 4}, 5, 1}}},
        {"ZMZM5J45ZN2", {{{2, 1, 1}, 3, 1}, {{1, 3, 2}, 2, 1}, {{2, 1, 2}, 4, 1}, {{3, 1, 2}, 1, 1}, {{5, 1, 3}, 2, 1},
                         {{2, 2, 2}, 1, 1}, {{3, 2, 4}, 2, 1}, {{3, 1, 4}, 2, 1}, {{1, 1, 1}, 2, 1}, {{5, 1, 3}, 1, 2},
                         {{2, 5, 2}, 1, 2}, {{4, 2, 5}, 1, 2}, {{3, 2, 1}, 2, 1}, {{1, 5, 2}, 4, 2}, {{2, 2, 1}, 3, 1},
                         {{1, 1, 2}, 2, 1}, {{2, 5, 1}, 5, 1}, {{4, 2, 5}, 2, 1}, {{5, 2, 5}, 1, 2}, {{2, 1, 2}, 2, 1}}},
        {"YEKNVWE5TMH", {{{9, 4, 1, 15, 23}, 6, 3}, {{4, 5, 8, 24, 2}, 9, 3}, {{14, 10, 17, 12, 4}, 10, 3},
                         {{13, 3, 20, 4, 6}, 2, 3}, {{15, 8, 1, 5, 18}, 7, 3}, {{11, 4, 10, 7, 21}, 10, 3},
                         {{6, 14, 3, 18, 3}, 1, 3}, {{1, 6, 9, 4, 16}, 2, 3}}},
        {"Y4XAU3GQQ62", {{{2, 6, 9, 45, 22, 31, 12}, 25, 5}, {{35, 12, 16, 8, 41, 8, 41}, 42, 5},
                         {{44, 12, 19, 15, 18, 4, 34}, 17, 5}, {{5, 30, 8, 9, 23, 28, 18}, 22, 5}}},
        {"ZY37BP6RDS5", {{{3, 17, 6, 9, 7, 7}, 4, 2}, {{8, 19, 1, 7, 5, 12}, 3, 2}, {{10, 17, 2, 11, 4, 20}, 7, 2},
                         {{20, 7, 20, 1, 15, 5}, 14, 2}, {{8, 18, 2, 5, 6, 18}, 1, 2}}},
    };
    for (const Sheet& s : sheets) {
        const ReadCode read = ReadWorksheetCode(s.code);
        ASSERT_TRUE(read.settings) << s.code << ": " << read.error;
        EXPECT_EQ(read.settings->rating, Rating::Measured) << s.code;
        const Worksheet sheet = MakeWorksheet(*read.settings);
        EXPECT_EQ(sheet.code, s.code);
        ASSERT_EQ(sheet.puzzles.size(), s.puzzles.size()) << s.code << ": " << sheet.error;
        for (std::size_t i = 0; i < s.puzzles.size(); ++i) {
            EXPECT_EQ(sheet.puzzles[i].cards, s.puzzles[i].cards) << s.code << " #" << i + 1;
            EXPECT_EQ(sheet.puzzles[i].answer, s.puzzles[i].answer) << s.code << " #" << i + 1;
            EXPECT_EQ(sheet.puzzles[i].level, s.puzzles[i].level) << s.code << " #" << i + 1;
        }
    }
}
