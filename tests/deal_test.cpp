// Dealing under the player's options: the ring's order kept, a fresh shuffle after a whole
// ring, a bounded search that leaves the table alone, and the command line dealing alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/command_line.h"
#include "deal/dealing.h"
#include "deal/level.h"
#include "engine/globals.h"
#include "files/deck.h"
#include "player/player_solver.h"

namespace {

std::vector<int> CardsAt(const uint8_t (&deck)[55], int16_t pos, int16_t n) {
    std::vector<int> cards;
    for (int16_t i = 0; i < n; ++i) cards.push_back(deck[RingPos(pos, n, i)]);
    return cards;
}

}  // namespace

// A saved deck: the first line is the deck's own puzzle, the one opening it in the game puts on
// the table, whatever the dealing options; then each Deal after it under the options.
TEST(CommandLine, DealFromADeckFilePrintsItsOwnPuzzleFirstThenEachDeal) {
    uint8_t deck[55] = {};
    SeedRandom(41);
    ShuffleCards(deck, 20);
    const int16_t at = 30, n = 4;
    const std::vector<int> own = CardsAt(deck, at, n);
    const int ownLevel = PuzzleLevel(own, deck[at]);
    const int otherLevel = ownLevel == 5 ? 1 : ownLevel + 1;  // a level the deck's own puzzle is not
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "pelorand-deal-test.pld";
    {
        const DeckBytes bytes = EncodeDeck(deck, 20, n, at);
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    auto line = [](const std::vector<int>& cards, int answer) {
        std::string text;
        for (int c : cards) text += std::to_string(c) + " ";
        const int level = PuzzleLevel(cards, answer);
        return text + "=> " + std::to_string(answer) + "  level " + (level > 0 ? std::to_string(level) : "-") + "\n";
    };
    struct Case { const char* name; std::vector<std::string> options; DealRule rule; };
    const Case cases[] = {
        {"plain", {}, DealRule{}},
        {"answer only", {"--answer-only"}, DealRule{true, 0}},
        {"another level", {"--level", std::to_string(otherLevel)}, DealRule{false, otherLevel}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--deal", "4"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(file.string());
        std::ostringstream out, err;
        ASSERT_EQ(RunCommandLine(ParseCommandLine(args), out, err), 0) << c.name << ": " << err.str();
        // By hand: the deck's own puzzle, then three deals from it.
        uint8_t ring[55];
        std::copy(std::begin(deck), std::end(deck), ring);
        int16_t pos = at;
        std::string expected = line(own, deck[at]);
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(DealQualifying(ring, pos, n, 20, c.rule)) << c.name;
            expected += line(CardsAt(ring, pos, n), ring[pos]);
        }
        EXPECT_EQ(out.str(), expected) << c.name;
        EXPECT_EQ(out.str().substr(0, out.str().find('\n') + 1), line(own, deck[at])) << c.name;
    }
    // The first line stands even where the options would have passed it by.
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(ParseCommandLine({"--deal", "1", "--level", std::to_string(otherLevel), file.string()}), out, err), 0);
    EXPECT_EQ(out.str(), line(own, deck[at]));
    EXPECT_NE(PuzzleLevel(own, deck[at]), otherLevel);
    std::filesystem::remove(file);
}

// A game's start from a seed: the deck shuffled next is that seed's, whatever the program drew
// before, and the first Deal lays out the ring's first cards as they lie, for every number of
// cards; with no seed the clock's (which the tests fix) is used.
TEST(Dealing, AGameStartsFromItsSeedWithTheRingsFirstCards) {
    struct Ring { uint8_t cards[55] = {}; };
    auto deckOf = [](uint32_t seed) {
        SeedRandom(seed);
        Ring ring;
        ShuffleCards(ring.cards, 25);
        return ring;
    };
    for (const uint32_t seed : {0u, 77u, 4294967295u}) {
        const Ring fresh = deckOf(seed);
        for (int16_t n = 3; n <= 7; ++n) {
            SeedRandom(seed + 1);
            NextUniform();  // the generator stands anywhere
            uint8_t deck[55] = {};
            int16_t pos = StartGame(n, seed);
            ShuffleCards(deck, 25);
            EXPECT_TRUE(std::equal(std::begin(deck), std::end(deck), std::begin(fresh.cards))) << seed << ", " << n << " cards";
            ASSERT_TRUE(DealQualifying(deck, pos, n, 25, DealRule{}));
            EXPECT_EQ(CardsAt(deck, pos, n), std::vector<int>(deck + DeckFirst, deck + DeckFirst + n)) << n << " cards";
            EXPECT_EQ(pos, DeckFirst + n) << n << " cards";  // the answer card right after them
        }
    }
    FixedRandomSeed = 77;
    uint8_t deck[55] = {};
    const int16_t pos = StartGame(4, std::nullopt);
    ShuffleCards(deck, 25);
    FixedRandomSeed.reset();
    const Ring seeded = deckOf(77);
    EXPECT_TRUE(std::equal(std::begin(deck), std::end(deck), std::begin(seeded.cards)));
    EXPECT_EQ(pos, StartGame(4, 77));
}

// With the options on, Deal stops at exactly the puzzles of the ring that qualify, in ring
// order; with them off, at every one.
TEST(Dealing, StopsAtEveryQualifyingPuzzleOfTheRingInOrder) {
    for (const DealRule rule : {DealRule{true, 0}, DealRule{false, 3}, DealRule{true, 5}, DealRule{}}) {
        SeedRandom(77);
        uint8_t deck[55] = {};
        ShuffleCards(deck, 25);
        const int16_t n = 4, start = 40;
        // The puzzles ahead, judged one by one by the player's solver and the level.
        std::vector<int16_t> expected;
        for (int16_t pos = NextDeckPos(start), k = 0; k < DeckCards - 1; ++k, pos = NextDeckPos(pos)) {
            const std::vector<int> cards = CardsAt(deck, pos, n);
            const bool answered = SolveForPlayer(cards, deck[pos], 0).answers > 0;
            if ((!rule.answerOnly || answered) && (rule.level == 0 || PuzzleLevel(cards, deck[pos]) == rule.level)) expected.push_back(pos);
        }
        ASSERT_GT(expected.size(), 2u) << "rule " << rule.answerOnly << " " << rule.level;
        uint8_t before[55];
        std::copy(std::begin(deck), std::end(deck), before);
        int16_t pos = start;
        for (int16_t want : expected) {
            ASSERT_TRUE(DealQualifying(deck, pos, n, 25, rule));
            EXPECT_EQ(pos, want);
        }
        EXPECT_TRUE(std::equal(std::begin(deck), std::end(deck), before)) << "no shuffle within the ring";
    }
}

TEST(Dealing, ShufflesAfreshAfterAWholeRingWithNone) {
    // Every puzzle of a deck of 1s is 1 1 1 1 => 1, never level 5; the next ring is a fresh
    // shuffle drawn as Shuffle draws it.
    uint8_t deck[55];
    std::fill(std::begin(deck), std::end(deck), 1);
    int16_t pos = 20;
    SeedRandom(5);
    ASSERT_TRUE(DealQualifying(deck, pos, 4, 25, DealRule{false, 5}));
    uint8_t fresh[55];
    std::fill(std::begin(fresh), std::end(fresh), 1);
    SeedRandom(5);
    ShuffleCards(fresh, 25);
    EXPECT_TRUE(std::equal(std::begin(deck) + DeckFirst, std::end(deck), std::begin(fresh) + DeckFirst));
    EXPECT_EQ(PuzzleLevel(CardsAt(deck, pos, 4), deck[pos]), 5);
}

TEST(Dealing, GivesUpAfterTwoRingsAndLeavesTheTableAlone) {
    uint8_t deck[55];
    std::fill(std::begin(deck), std::end(deck), 1);  // with highest card 1 every shuffle is 1s again
    int16_t pos = 9;
    EXPECT_FALSE(DealQualifying(deck, pos, 3, 1, DealRule{false, 5}));
    EXPECT_EQ(pos, 9);
    EXPECT_TRUE(std::all_of(std::begin(deck), std::end(deck), [](uint8_t c) { return c == 1; }));
    EXPECT_EQ(NothingQualifiesMessage(DealRule{false, 5}, true),
              "No puzzle of difficulty 5 turned up in 104 deals, so the puzzle on the table stays. "
              "Choose another difficulty, number of cards or highest card in Options.");
}

// "Now and then a puzzle with no answer": over 1,000 seeded deals at 3 and 4 cards between 15 %
// and 25 % have no answer, every other one has one, and each deal moves on; the option means
// something at 3 and 4 cards only, and at 5 to 7 it deals exactly as plain dealing does. With
// fewer operations it means something at every number of cards, with the same share, and the
// puzzles without an answer are those without one by the operations allowed.
TEST(Dealing, LetsAFifthOfDealsThroughWithNoAnswerAtThreeAndFourCards) {
    const struct {
        int16_t n;
        DealRule rule;
    } cases[] = {{3, {.noAnswers = true}},
                 {3, {.level = 2, .noAnswers = true}},
                 {4, {.noAnswers = true}},
                 {4, {.level = 2, .noAnswers = true}},
                 {5, {.operations = AllowedOperations::AddSubtract, .noAnswers = true}},
                 {7, {.operations = AllowedOperations::AddSubtract, .noAnswers = true}},
                 {5, {.operations = AllowedOperations::AddSubtractMultiply, .noAnswers = true}}};
    for (const auto& [n, rule] : cases) {
        {
            uint8_t deck[55] = {};
            int16_t pos = StartGame(n, 2026);
            ShuffleCards(deck, 25);
            int none = 0, onlyWithOthers = 0;
            for (int deal = 0; deal < 1000; ++deal) {
                ASSERT_TRUE(DealQualifying(deck, pos, n, 25, rule)) << n << " cards, deal " << deal;
                const std::vector<int> cards = CardsAt(deck, pos, n);
                if (SolveForPlayer(cards, deck[pos], 0, {}, PartWay::Any, rule.operations).answers == 0) {
                    ++none;
                    if (rule.operations != AllowedOperations::All && PlayerCanSolve(cards, deck[pos])) ++onlyWithOthers;
                } else if (rule.level > 0) {
                    EXPECT_EQ(PuzzleLevel(cards, deck[pos]), rule.level) << n << " cards, deal " << deal;
                }
            }
            EXPECT_GE(none, 150) << n << " cards, level " << rule.level;
            EXPECT_LE(none, 250) << n << " cards, level " << rule.level;
            // "No answer" means none with the operations allowed: most such puzzles have one with ×.
            if (rule.operations != AllowedOperations::All) {
                ASSERT_GT(onlyWithOthers, none / 2) << n << " cards";  // stops here: the next cases would search for minutes
            }
        }
    }
}

TEST(Dealing, NoAnswersChangeNothingWhereTheyCannotTurnUpOrWhenOff) {
    const bool possible[] = {true, true, false, false, false};  // 3 to 7 cards
    for (int16_t n = 3; n <= 7; ++n) {
        EXPECT_EQ(NoAnswerDealsPossible(n), possible[n - 3]) << n << " cards";
        EXPECT_EQ(LetsNoAnswerThrough(DealRule{.noAnswers = true}, n), possible[n - 3]) << n << " cards";
        EXPECT_FALSE(LetsNoAnswerThrough(DealRule{.answerOnly = true}, n)) << n << " cards";
        for (const AllowedOperations fewer : {AllowedOperations::AddSubtract, AllowedOperations::AddSubtractMultiply}) {
            EXPECT_TRUE(NoAnswerDealsPossible(n, fewer)) << n << " cards";
            EXPECT_TRUE(LetsNoAnswerThrough(DealRule{.operations = fewer, .noAnswers = true}, n)) << n << " cards";
        }
    }
    // Where the option has no effect, the same seed deals the same puzzles and draws the same
    // numbers after them as plain dealing.
    for (int16_t n = 5; n <= 7; ++n) {
        struct Game { uint8_t deck[55] = {}; int16_t pos = 0; std::vector<int16_t> dealt; float next = 0; };
        auto play = [n](const DealRule& rule) {
            Game g;
            g.pos = StartGame(n, 99);
            ShuffleCards(g.deck, 25);
            for (int deal = 0; deal < 60; ++deal) {
                EXPECT_TRUE(DealQualifying(g.deck, g.pos, n, 25, rule));
                g.dealt.push_back(g.pos);
            }
            g.next = NextUniform();
            return g;
        };
        const Game plain = play(DealRule{}), option = play(DealRule{.noAnswers = true});
        EXPECT_EQ(option.dealt, plain.dealt) << n << " cards";
        EXPECT_TRUE(std::equal(std::begin(option.deck), std::end(option.deck), std::begin(plain.deck))) << n << " cards";
        EXPECT_EQ(option.next, plain.next) << n << " cards";
    }
}

// A deck where every puzzle has an answer (all 1s, and every shuffle 1s again): a deal aiming at
// one without finds none within its limit and deals the next puzzle with an answer instead.
TEST(Dealing, AnAimAtNoAnswerThatFindsNoneDealsOneWithAnAnswer) {
    uint8_t deck[55];
    std::fill(std::begin(deck), std::end(deck), 1);
    int16_t pos = 30;
    SeedRandom(3);
    for (int deal = 0; deal < 40; ++deal) {
        const int16_t before = pos;
        ASSERT_TRUE(DealQualifying(deck, pos, 3, 1, DealRule{.noAnswers = true})) << "deal " << deal;
        EXPECT_EQ(pos, NextDeckPos(before)) << "deal " << deal;
    }
}

// What --deal and --today printed for these seeds and days, taken down from the program: a
// start from a seed or a date deals the same puzzles as ever.
TEST(CommandLine, DealAndTodayPrintThePuzzlesTheyAlwaysPrinted) {
    struct Case { std::vector<std::string> args; const char* printed; };
    const Case cases[] = {
        {{"--deal", "3", "--seed", "1", "--cards", "4", "--level", "5"},
         "24 17 8 11 => 9  level 5\n9 1 20 24 => 17  level 5\n2 9 1 20 => 24  level 5\n"},
        {{"--deal", "4", "--seed", "2024"},
         "5 8 3 22 12 => 3  level 5\n12 5 8 3 22 => 12  level 4\n15 12 5 8 3 => 22  level 5\n11 15 12 5 8 => 3  level 4\n"},
        {{"--deal", "3", "--seed", "4294967295", "--cards", "7", "--high", "50", "--answer-only"},
         "19 14 4 17 13 50 15 => 28  level 5\n9 19 14 4 17 13 50 => 15  level 5\n26 9 19 14 4 17 13 => 50  level 5\n"},
        {{"--deal", "3", "--seed", "0", "--cards", "3", "--high", "10", "--level", "1"}, "5 5 4 => 5  level 1\n2 1 5 => 5  level 1\n10 1 10 => 2  level 1\n"},
        {{"--today", "--date", "2026-12-07"}, "11 2 7 10 18 => 2  level 3\n"},
        {{"--today", "--date", "2026-12-07", "--cards", "3"}, "9 2 12 => 23  level 3\n"},
        {{"--today", "--date", "2026-12-07", "--cards", "7"}, "25 25 22 11 5 10 10 => 12  level 3\n"},
        {{"--today", "--date", "2027-01-01", "--cards", "5"}, "19 7 15 4 4 => 12  level 3\n"},
        {{"--today", "--date", "2000-02-29", "--cards", "7"}, "24 6 21 8 23 2 1 => 1  level 3\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(ParseCommandLine(c.args), out, err), 0) << c.args[0] << " " << c.args[2] << ": " << err.str();
        EXPECT_EQ(out.str(), c.printed) << c.args[0] << " " << c.args[2];
    }
}

TEST(CommandLine, DealPrintsThePuzzlesAsDealGivesThem) {
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(ParseCommandLine({"--deal", "4", "--cards", "4", "--seed", "77", "--answer-only"}), out, err), 0) << err.str();
    // The same by hand: the game's start (shuffle, then deal) and three more deals.
    SeedRandom(77);
    uint8_t deck[55] = {};
    ShuffleCards(deck, 25);
    int16_t pos = 4 + 4;
    std::string expected;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(DealQualifying(deck, pos, 4, 25, DealRule{true, 0}));
        const std::vector<int> cards = CardsAt(deck, pos, 4);
        for (int c : cards) expected += std::to_string(c) + " ";
        expected += "=> " + std::to_string(deck[pos]) + "  level " + std::to_string(PuzzleLevel(cards, deck[pos])) + "\n";
    }
    EXPECT_EQ(out.str(), expected);

    out.str("");
    ASSERT_EQ(RunCommandLine(ParseCommandLine({"--deal", "2", "--cards", "3", "--high", "1", "--seed", "1"}), out, err), 0);
    EXPECT_EQ(out.str(), "1 1 1 => 1  level 1\n1 1 1 => 1  level 1\n");
    err.str("");
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--deal", "2", "--cards", "3", "--high", "1", "--seed", "1", "--level", "5"}), out, err), 1);
    EXPECT_EQ(err.str(), "pelorand: --deal: No puzzle of difficulty 5 turned up in 104 deals.\n");

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--deal"}, {"--deal", "0"}, {"--deal", "10001"}, {"--deal", "3", "--cards", "8"}, {"--deal", "3", "--high", "100"},
             {"--deal", "3", "--level", "6"}, {"--deal", "3", "--level"}, {"--deal", "3", "--seed", "1", "deck.pld"},
             {"--deal", "3", "--sead", "1"}, {"--deal", "3", "a.pld", "b.pld"}, {"--deal", "3", "/no/such/deck.pld"}}) {
        std::ostringstream o, e;
        EXPECT_EQ(RunCommandLine(ParseCommandLine(bad), o, e), 2) << bad.back();
        EXPECT_TRUE(o.str().empty()) << bad.back();
        EXPECT_EQ(e.str().rfind("pelorand: --deal: ", 0), 0u) << e.str();
    }
    std::ostringstream o, e;
    RunCommandLine(ParseCommandLine({"--deal", "3", "--seed", "1", "deck.pld"}), o, e);
    EXPECT_EQ(e.str().rfind("pelorand: --deal: give --seed or a deck file, not both\n", 0), 0u) << e.str();
}
