// The record of play: each puzzle counted once, runs, times, its stored text and its CSV.
#include <gtest/gtest.h>

#include "player/play_record.h"

using End = PlayRecord::End;

TEST(PlayRecord, CountsEachPuzzleOnceInItsRowWithRunsAndTimes) {
    PlayRecord r;
    r.Started(5, 0);
    r.Seen();
    r.LevelKnown(3);
    r.Ended(End::SolvedAlone, 40'000);
    r.Ended(End::ComputerFirst, 41'000);  // the same puzzle: already ended
    r.Started(5, 50'000);
    r.Seen();
    r.LevelKnown(3);
    r.Ended(End::SolvedAlone, 60'000);
    r.Started(5, 70'000);
    r.Seen();
    r.LevelKnown(3);
    r.Ended(End::SolvedWithHints, 100'000);
    r.Started(5, 100'000);
    r.Seen();
    r.LevelKnown(3);
    r.Ended(End::SolvedAlone, 120'000);
    r.Started(4, 120'000);
    r.Seen();  // its level never came: the row of unknown levels
    r.Ended(End::ComputerFirst, 120'200);
    r.Started(4, 130'000);
    r.Seen();
    r.LevelKnown(0);
    r.Started(6, 140'000);
    r.Seen();  // the 4-card puzzle left unended: dealt, nothing else
    r.LevelKnown(2);
    r.Ended(End::GaveUp, 150'000);
    r.LevelKnown(5);  // after its end: the puzzle keeps its row
    r.Left();

    const RecordRow& five = r.Rows().at({5, 3});
    EXPECT_EQ(five.dealt, 4u);
    EXPECT_EQ(five.solved, 3u);
    EXPECT_EQ(five.withHints, 1u);
    EXPECT_EQ(five.computerFirst, 0u);
    EXPECT_EQ(five.longestRun, 2u);   // two, then a hint broke it
    EXPECT_EQ(five.currentRun, 1u);
    EXPECT_EQ(five.times, (std::vector<int64_t>{40'000, 10'000, 30'000, 20'000}));
    EXPECT_EQ(five.Best(), 10'000);
    EXPECT_EQ(five.Median(), 25'000);  // the middle two, averaged
    EXPECT_EQ(r.Rows().at({4, 0}).dealt, 2u);
    EXPECT_EQ(r.Rows().at({4, 0}).computerFirst, 1u);
    EXPECT_EQ(r.Rows().at({6, 2}).gaveUp, 1u);
    EXPECT_FALSE(r.Rows().at({6, 2}).Best().has_value());
    EXPECT_EQ(r.Rows().size(), 3u);
    EXPECT_EQ(r.PlayerFirst(), 4u);
    EXPECT_EQ(r.HintsFirst(), 1u);
    EXPECT_EQ(r.ComputerFirst(), 1u);
}

TEST(PlayRecord, APuzzleTriedAndLeftBreaksTheRunAndTheClockStopsAtTheEnd) {
    PlayRecord r;
    for (int i = 0; i < 3; ++i) {
        r.Started(3, i * 10);
        r.Seen();
        r.LevelKnown(1);
        r.Ended(End::SolvedAlone, i * 10 + 5);
    }
    r.Started(3, 100);
    r.Seen();
    r.LevelKnown(1);
    EXPECT_EQ(r.Elapsed(130), 30);
    r.Played(140);
    r.Started(3, 200);
    r.Seen();  // tried, then left
    r.LevelKnown(1);
    r.Ended(End::SolvedAlone, 250);
    EXPECT_EQ(r.Elapsed(999), 50);  // ended: the time stands
    EXPECT_EQ(r.Rows().at({3, 1}).longestRun, 3u);
    EXPECT_EQ(r.Rows().at({3, 1}).currentRun, 1u);
    EXPECT_EQ(r.Rows().at({3, 1}).dealt, 5u);
    r.Reset();
    EXPECT_TRUE(r.Rows().empty());
    r.Left();  // the puzzle on the table counts afresh after a reset
    EXPECT_EQ(r.Rows().at({3, 1}).dealt, 1u);
    EXPECT_FALSE(r.Elapsed(0).has_value());
}

TEST(PlayRecord, SurvivesItsStoredTextAndSkipsWhatIsNotItsOwn) {
    PlayRecord r;
    for (int i = 0; i < 600; ++i) {  // more times than are kept
        r.Started(7, 0);
        r.Seen();
        r.LevelKnown(i % 6);
        r.Ended(i % 3 ? End::SolvedAlone : End::ComputerFirst, 1000 + i);
    }
    auto saved = r.Save();
    PlayRecord back;
    back.Load(saved);
    EXPECT_EQ(back.Rows(), r.Rows());
    for (const auto& [key, row] : back.Rows()) EXPECT_LE(row.times.size(), PlayRecord::KeptTimes);

    EXPECT_TRUE(back.FirstRatingRows().empty());
    for (const auto& [key, text] : saved) EXPECT_EQ(key.substr(3), "_r2") << key;  // the current rating's rows

    saved["9_1_r2"] = "1 1 0 0 0 1 1";     // no such card count
    saved["5_3_r2"] = "1 2 three";         // not numbers
    saved["x"] = "1 1 1 1 1 1 1";
    saved["4_2_r3"] = "1 1 1 1 1 1 1";     // no such rating
    saved["4_2_r2"] = "3 1 0 1 0 0 1 500 -7 900";  // a negative time is dropped
    back.Load(saved);
    EXPECT_EQ(back.Rows().count({5, 3}), 0u);
    EXPECT_EQ(back.Rows().at({4, 2}).times, (std::vector<int64_t>{500, 900}));
    EXPECT_EQ(back.Rows().size(), r.Rows().size() + 1);
    EXPECT_TRUE(back.FirstRatingRows().empty());
}

// Rows stored before the level was fitted to people ("5_3", no rating named) were rated the
// first way: they stay apart, as they were, and play goes on in rows of the current rating.
TEST(PlayRecord, KeepsTheFirstRatingsRowsApartAndAsTheyWere) {
    std::map<std::string, std::string> saved = {{"5_3", "4 2 1 0 1 2 2 9000 11000"}, {"4_0", "1 0 0 0 1 0 0"}};
    PlayRecord r;
    r.Load(saved);
    EXPECT_TRUE(r.Rows().empty());
    ASSERT_EQ(r.FirstRatingRows().size(), 2u);
    const RecordRow old = r.FirstRatingRows().at({5, 3});
    EXPECT_EQ(old.dealt, 4u);
    EXPECT_EQ(old.times, (std::vector<int64_t>{9000, 11000}));
    EXPECT_EQ(r.PlayerFirst(), 3u);  // the tally counts every row
    r.Started(5, 0);
    r.Seen();
    r.LevelKnown(3);
    r.Ended(End::SolvedAlone, 5000);
    EXPECT_EQ(r.FirstRatingRows().at({5, 3}), old);  // not added to
    EXPECT_EQ(r.Rows().at({5, 3}).solved, 1u);
    const auto again = r.Save();
    EXPECT_EQ(again.at("5_3"), saved.at("5_3"));  // written back the same, under the same key
    EXPECT_TRUE(again.count("5_3_r2"));
    PlayRecord back;
    back.Load(again);
    EXPECT_EQ(back.FirstRatingRows(), r.FirstRatingRows());
    EXPECT_EQ(back.Rows(), r.Rows());
    const std::string csv = r.Csv();
    // The current rows first, then the first rating's.
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2),
              "5,3,1,1,0,0,0,5.0,5.0,1,1\r\n4,none (old rating),1,0,0,0,1,,,0,0\r\n5,3 (old rating),4,2,1,0,1,9.0,10.0,2,2\r\n");
    r.Reset();
    EXPECT_TRUE(r.FirstRatingRows().empty());
}

TEST(PlayRecord, WritesACsvASpreadsheetReads) {
    PlayRecord r;
    r.Started(4, 0);
    r.Seen();
    r.LevelKnown(2);
    r.Ended(End::SolvedAlone, 65'400);
    r.Started(4, 0);
    r.Seen();
    r.LevelKnown(0);
    r.Left();
    EXPECT_EQ(r.Csv(),
              "Cards,Level,Dealt,Solved,Solved with hints,Computer first,Given up,Best time (s),Median time (s),Current run,"
              "Longest run\r\n"
              "4,none,1,0,0,0,0,,,0,0\r\n"
              "4,2,1,1,0,0,0,65.4,65.4,1,1\r\n");
    EXPECT_EQ(ClockText(65'400), "1:05");
    EXPECT_EQ(ClockText(7'999), "0:07");
    EXPECT_EQ(ClockText(3'723'000), "1:02:03");
    EXPECT_EQ(ClockText(-5), "0:00");
    EXPECT_EQ(AnswerTimeText(1'950), "1.9 s");
    EXPECT_EQ(AnswerTimeText(59'999), "59.9 s");
    EXPECT_EQ(AnswerTimeText(65'400), "1:05");
}

TEST(PlayRecord, TheComputerWinsOnlyARaceThePlayerEntered) {
    PlayRecord r;
    auto deal = [&r](int64_t at, bool headStart = false) {
        r.Started(5, at, headStart);
        r.Seen();
        r.LevelKnown(2);
    };
    deal(0);
    r.Ended(End::SolvedAlone, 10);
    // Dealt and passed over after the computer's hit: dealt, nothing more, and the run goes on.
    deal(20);
    EXPECT_EQ(r.ComputerHit(25), std::nullopt);
    EXPECT_FALSE(r.HasEnded());
    deal(30);
    r.Ended(End::SolvedAlone, 40);
    // Opened and played only after the computer's hit: no race, and the right answer the player's.
    deal(50);
    EXPECT_EQ(r.ComputerHit(55), std::nullopt);
    EXPECT_EQ(r.Opened(58), std::nullopt);
    EXPECT_EQ(r.Played(60), std::nullopt);
    EXPECT_FALSE(r.Raced());
    EXPECT_TRUE(r.ComputerHasHit());
    r.Ended(End::SolvedAlone, 70);
    // Played before the computer's hit: a race, its win when it hits.
    deal(80);
    EXPECT_EQ(r.Opened(80), std::nullopt);  // opening alone enters no race
    EXPECT_FALSE(r.Raced());
    EXPECT_EQ(r.Played(81), std::nullopt);
    EXPECT_TRUE(r.Raced());
    EXPECT_EQ(r.ComputerHit(90), End::ComputerFirst);
    EXPECT_EQ(r.HowEnded(), End::ComputerFirst);
    EXPECT_EQ(r.Played(91), std::nullopt);  // settled once
    // Played and solved before the hit: the player's, and the hit after it is no second end.
    deal(100);
    r.Played(101);
    r.Ended(End::SolvedAlone, 110);
    EXPECT_EQ(r.ComputerHit(115), std::nullopt);
    EXPECT_EQ(r.HowEnded(), End::SolvedAlone);
    // A head start is a race from the start: the computer's hit wins it once the player comes
    // to the puzzle, even only to open Your Answer; never played, it is dealt and nothing more.
    deal(120, true);
    EXPECT_TRUE(r.Raced());
    EXPECT_EQ(r.ComputerHit(150), std::nullopt);
    EXPECT_EQ(r.Opened(160), End::ComputerFirst);
    deal(170, true);
    EXPECT_EQ(r.ComputerHit(200), std::nullopt);
    r.Left();

    const RecordRow& row = r.Rows().at({5, 2});
    EXPECT_EQ(row.dealt, 8u);
    EXPECT_EQ(row.computerFirst, 2u);
    EXPECT_EQ(row.solved, 4u);
    EXPECT_EQ(row.longestRun, 3u);  // the passed-over puzzles left it whole; the computer's wins broke it
    EXPECT_EQ(row.currentRun, 0u);
    EXPECT_EQ(r.ComputerFirst(), 2u);
    EXPECT_EQ(row.times, (std::vector<int64_t>{10, 10, 20, 10}));
}

TEST(PlayRecord, APuzzleReplacedBeforeItWasSeenIsNotCounted) {
    PlayRecord r;
    r.Started(5, 0);  // Options' first deal: replaced by the second before the window shows it
    r.LevelKnown(2);
    r.Started(5, 0);
    r.Seen();
    r.LevelKnown(2);
    r.Started(4, 10);  // seen, then passed over: dealt
    r.Seen();
    r.Started(4, 20);
    r.Left();
    EXPECT_EQ(r.Rows().at({5, 2}).dealt, 1u);
    EXPECT_EQ(r.Rows().at({4, 0}).dealt, 1u);
}

// The player's right answer, as the record settles it: first only in a race the computer has
// not won, the computer's win kept, and the end a right answer gives only to an open puzzle.
TEST(PlayRecord, ARightAnswerIsFirstOnlyInARaceStillOpen) {
    struct Case {
        const char* story;
        void (*before)(PlayRecord&);
        bool withHints, computerFirst, first;
        std::optional<End> ended;
    };
    const Case cases[] = {
        {"played before the computer's hit", [](PlayRecord& r) { r.Played(1'000); }, false, false, true, End::SolvedAlone},
        {"the same after a hint", [](PlayRecord& r) { r.Played(1'000); }, true, false, true, End::SolvedWithHints},
        {"the computer solved it before the player began",
         [](PlayRecord& r) { r.ComputerHit(500); r.Played(1'000); }, false, false, false, End::SolvedAlone},
        {"the computer won the race the player entered",
         [](PlayRecord& r) { r.Played(500); r.ComputerHit(1'000); }, false, true, false, std::nullopt},
        {"given up, then the computer found one",
         [](PlayRecord& r) { r.Ended(End::GaveUp, 800); r.ComputerHit(1'000); r.Played(1'500); }, false, false, false, std::nullopt},
    };
    for (const Case& c : cases) {
        PlayRecord r;
        r.Started(4, 0, c.story == std::string("given up, then the computer found one"));
        r.Seen();
        c.before(r);
        const PlayRecord::Right right = r.RightAnswer(c.withHints, 2'000);
        EXPECT_EQ(right.computerFirst, c.computerFirst) << c.story;
        EXPECT_EQ(right.first, c.first) << c.story;
        EXPECT_EQ(right.ended, c.ended) << c.story;
        EXPECT_EQ(r.RightAnswer(false, 3'000).ended, std::nullopt) << c.story << ": a second right answer ends nothing";
    }
}

// "No answer": a right claim is a right answer in the row of puzzles without one (even before
// the solver said so), with its time and run, and first in a race; a wrong one ends nothing and
// gives the puzzle no row beyond being dealt, and the puzzle can still be solved or given up.
TEST(PlayRecord, ARightNoAnswerClaimIsARightAnswerAndAWrongOneEndsNothing) {
    struct Case {
        const char* story;
        bool right, withHints, levelSaid;
        std::optional<End> ended;
        bool first;
    };
    const Case cases[] = {
        {"right, the level said already", true, false, true, End::SolvedAlone, true},
        {"right before the solver said the level", true, false, false, End::SolvedAlone, true},
        {"right after a hint", true, true, true, End::SolvedWithHints, true},
        {"wrong", false, false, true, std::nullopt, false},
    };
    for (const Case& c : cases) {
        PlayRecord r;
        r.Started(3, 0, true);  // the computer waits for Give Up
        r.Seen();
        if (c.levelSaid) r.LevelKnown(c.right ? 0 : 2);
        const PlayRecord::Right claim = r.ClaimedNoAnswer(c.right, c.withHints, 7'000);
        EXPECT_EQ(claim.ended, c.ended) << c.story;
        EXPECT_EQ(claim.first, c.first) << c.story;
        EXPECT_FALSE(claim.computerFirst) << c.story;
        EXPECT_EQ(r.HasEnded(), c.right) << c.story;
        EXPECT_EQ(r.PlayerFirst(), c.right ? 1u : 0u) << c.story;
        EXPECT_EQ(r.HintsFirst(), c.withHints ? 1u : 0u) << c.story;
        if (c.right) {
            const RecordRow& row = r.Rows().at({3, 0});
            EXPECT_EQ(row.dealt, 1u) << c.story;
            EXPECT_EQ(row.times, std::vector<int64_t>{7'000}) << c.story;
            EXPECT_EQ(row.currentRun, c.withHints ? 0u : 1u) << c.story;
            EXPECT_EQ(r.Rows().size(), 1u) << c.story;
            EXPECT_EQ(r.ClaimedNoAnswer(true, false, 8'000).ended, std::nullopt) << c.story << ": a second claim ends nothing";
            EXPECT_EQ(r.PlayerFirst(), 1u) << c.story;
        } else {
            EXPECT_TRUE(r.Rows().empty()) << c.story << ": nothing counted while the puzzle is open";
            r.Ended(End::GaveUp, 9'000);  // still open: the player can give up after it
            EXPECT_EQ(r.Rows().at({3, 2}).gaveUp, 1u) << c.story;
            EXPECT_EQ(r.Rows().at({3, 2}).dealt, 1u) << c.story;
        }
    }
}

// The tally an older version kept apart: what it counts beyond the rows is carried into the
// record's earlier wins, never twice, never fewer, and cleared with the rows.
TEST(PlayRecord, CarriesAnOldTallyOnceBesideTheRows) {
    // Rows holding 2 wins of the player's (1 with hints) and 1 of the computer's.
    const std::map<std::string, std::string> rows = {{"4_2_r2", "3 1 1 1 0 0 1 500 700"}};
    struct Case {
        uint64_t player, hints, computer;  // the old tally
        EarlierWins earlier;               // carried
        uint64_t tallyPlayer, tallyHints, tallyComputer;
    };
    const Case cases[] = {
        {7, 2, 3, {5, 1, 2}, 7, 2, 3},  // more than the rows: the rest is carried
        {2, 1, 1, {0, 0, 0}, 2, 1, 1},  // the rows hold it all already
        {0, 0, 0, {0, 0, 0}, 2, 1, 1},  // no old tally: the rows' own
        {1, 0, 0, {0, 0, 0}, 2, 1, 1},  // fewer than the rows: the rows are the facts
    };
    for (const Case& c : cases) {
        PlayRecord r;
        r.Load(rows);
        r.CarryTally(c.player, c.hints, c.computer);
        EXPECT_EQ(r.Earlier(), c.earlier) << c.player;
        EXPECT_EQ(r.PlayerFirst(), c.tallyPlayer) << c.player;
        EXPECT_EQ(r.HintsFirst(), c.tallyHints) << c.player;
        EXPECT_EQ(r.ComputerFirst(), c.tallyComputer) << c.player;
        r.CarryTally(c.player, c.hints, c.computer);  // carried twice: counted once
        EXPECT_EQ(r.Earlier(), c.earlier) << c.player;
    }

    // Wins stored as carried stay when the same tally comes again, and when a smaller one does
    // (an older version played once more after the carry started its count from nothing).
    PlayRecord r;
    r.Load(rows);
    ASSERT_TRUE(r.LoadEarlier("5 1 2"));
    r.CarryTally(7, 2, 3);
    EXPECT_EQ(r.Earlier(), (EarlierWins{5, 1, 2}));
    r.CarryTally(1, 0, 0);
    EXPECT_EQ(r.Earlier(), (EarlierWins{5, 1, 2}));
    EXPECT_EQ(r.PlayerFirst(), 7u);

    // Wins after the carry add to the tally as the rows grow.
    r.Started(4, 0);
    r.Seen();
    r.LevelKnown(2);
    r.Ended(End::SolvedWithHints, 10);
    EXPECT_EQ(r.PlayerFirst(), 8u);
    EXPECT_EQ(r.HintsFirst(), 3u);
    EXPECT_EQ(r.EarlierText(), "5 1 2");
    r.Reset();
    EXPECT_EQ(r.Earlier(), EarlierWins{});
    EXPECT_EQ(r.PlayerFirst(), 0u);
}

TEST(PlayRecord, ReadsItsEarlierWinsOnlyFromTheirOwnText) {
    struct Case {
        const char* text;
        bool read;
        EarlierWins wins;
    };
    const Case cases[] = {
        {"5 1 2", true, {5, 1, 2}},
        {"  0 0 0 ", true, {0, 0, 0}},
        {"18446744073709551615 0 1", true, {UINT64_MAX, 0, 1}},
        {"5 1", false, {}},
        {"5 1 2 3", false, {}},
        {"-1 0 0", false, {}},     // never read as the largest count
        {"5 1 two", false, {}},
        {"5.5 1 2", false, {}},
        {"18446744073709551616 0 0", false, {}},  // beyond any count
        {"", false, {}},
    };
    for (const Case& c : cases) {
        PlayRecord r;
        EXPECT_EQ(r.LoadEarlier(c.text), c.read) << c.text;
        EXPECT_EQ(r.Earlier(), c.wins) << c.text;
        if (c.read) {
            PlayRecord back;
            EXPECT_TRUE(back.LoadEarlier(r.EarlierText())) << c.text;
            EXPECT_EQ(back.Earlier(), c.wins) << c.text;
        }
    }
}

// A hand-edited record with counts near the largest: the tally stops at the largest count
// instead of wrapping round to a small one.
TEST(PlayRecord, TheTallyOfHugeCountsStopsAtTheLargest) {
    PlayRecord r;
    r.Load({{"4_2_r2", "18446744073709551615 18446744073709551615 0 18446744073709551615 0 0 0"}, {"5_2_r2", "9 9 9 9 0 0 0"}});
    ASSERT_TRUE(r.LoadEarlier("7 7 7"));
    EXPECT_EQ(r.PlayerFirst(), UINT64_MAX);
    EXPECT_EQ(r.HintsFirst(), 16u);
    EXPECT_EQ(r.ComputerFirst(), UINT64_MAX);
}

// Which stored keys and texts are the record's rows: what the settings table lets through.
TEST(PlayRecord, KnowsItsRowKeysAndTexts) {
    for (const char* key : {"3_0_r2", "7_5_r2", "5_3", "4_0"}) EXPECT_TRUE(PlayRecord::IsRowKey(key)) << key;
    for (const char* key : {"", "2_1_r2", "8_1", "5_6_r2", "5_3_r3", "5-3", "5_3_r2x", "EarlierWins", "55_3"})
        EXPECT_FALSE(PlayRecord::IsRowKey(key)) << key;
    for (const char* text : {"1 1 0 0 0 1 1", "3 1 0 1 1 0 1 8000", " 1 0 0 0 0 0 0 ", "1 1 0 0 0 1 1 500 -7 900"})
        EXPECT_TRUE(PlayRecord::IsRowText(text)) << text;
    for (const char* text : {"", "1 1 0 0 0 1", "1 2 three", "1 1 0 0 0 1 1 5 x"}) EXPECT_FALSE(PlayRecord::IsRowText(text)) << text;
}
