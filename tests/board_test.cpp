// The board as a value: picks, steps, refusals, undo, the answer the steps make, and its hints.
#include <gtest/gtest.h>

#include <random>

#include "answer/answer.h"
#include "player/board.h"
#include "player/board_hint.h"
#include "player/player_solver.h"

namespace {

// Plays a line of moves as keys: 1..7 pick the tile in that place, + - * / the operation,
// u undoes, o starts over; spaces are ignored. Returns the last refusal met.
Board::Refusal Play(Board& b, const std::string& moves) {
    Board::Refusal last = Board::Refusal::None;
    for (char c : moves) {
        Board::Outcome o;
        switch (c) {
        case '+': o = b.PickOp(BoardOp::Add); break;
        case '-': o = b.PickOp(BoardOp::Subtract); break;
        case '*': o = b.PickOp(BoardOp::Multiply); break;
        case '/': o = b.PickOp(BoardOp::Divide); break;
        case 'u': b.Undo(); break;
        case 'o': b.StartOver(); break;
        case ' ': break;
        default: o = b.PickTile(c - '1');
        }
        if (o.refused != Board::Refusal::None) last = o.refused;
    }
    return last;
}

std::vector<std::string> TileTexts(const Board& b) {
    std::vector<std::string> out;
    for (const Tile& t : b.Tiles()) out.push_back(TileText(t.Value()));
    return out;
}

std::vector<std::string> StepTexts(const Board& b) {
    std::vector<std::string> out;
    for (const BoardStep& s : b.Steps()) out.push_back(StepText(s));
    return out;
}

// Plays the hints from where the board stands until it is finished or no hint comes.
void FollowHints(Board& b, const Expression& simplest) {
    while (!b.Finished()) {
        const std::optional<BoardHint> h = NextStep(b, simplest);
        if (!h) return;
        b.PutDown();
        b.PickTile(h->first);
        b.PickOp(h->op);
        ASSERT_TRUE(b.PickTile(h->second).stepped);
    }
}

// Whether the values can make the target with + - * / in exact fractions, every way tried;
// with plainFirst, only by a first step that makes a whole number from 0 up.
bool Makes(std::vector<Fraction> v, const Fraction& target, bool plainFirst = false) {
    if (v.size() == 1) return v[0] == target;
    for (std::size_t i = 0; i < v.size(); ++i)
        for (std::size_t j = 0; j < v.size(); ++j) {
            if (i == j) continue;
            std::vector<Fraction> rest;
            for (std::size_t k = 0; k < v.size(); ++k)
                if (k != i && k != j) rest.push_back(v[k]);
            for (auto r : {v[i].Plus(v[j]), v[i].Minus(v[j]), v[i].Times(v[j]), v[i].Divided(v[j])}) {
                if (!r || (plainFirst && (!r->IsWhole() || r->Num() < 0))) continue;
                rest.push_back(*r);
                if (Makes(rest, target)) return true;
                rest.pop_back();
            }
        }
    return false;
}

std::optional<Fraction> StepResult(const std::vector<Fraction>& v, const BoardHint& h) {
    switch (h.op) {
    case BoardOp::Add: return v[h.first].Plus(v[h.second]);
    case BoardOp::Subtract: return v[h.first].Minus(v[h.second]);
    case BoardOp::Multiply: return v[h.first].Times(v[h.second]);
    case BoardOp::Divide: return v[h.first].Divided(v[h.second]);
    }
    return std::nullopt;
}

}  // namespace

TEST(Board, StepsLeaveTheTilesAndStepsTheyShould) {
    struct Case {
        const char* name;
        std::vector<int> cards;
        const char* moves;
        std::vector<std::string> tiles, steps;
        std::optional<int> first;
    };
    const Case cases[] = {
        {"8 / (3 - 8 / 3)", {3, 3, 8, 8}, "3/1 1-2 2/1", {"24"}, {"8 ÷ 3 = 8/3", "3 − 8/3 = 1/3", "8 ÷ 1/3 = 24"}, 0},
        {"the new tile takes the first one's place", {20, 5, 6}, "2-1", {"−15", "6"}, {"5 − 20 = −15"}, 0},
        {"and stays picked when the second stood left", {20, 5, 6}, "3/2", {"20", "6/5"}, {"6 ÷ 5 = 6/5"}, 1},
        {"an operation before the first tile", {20, 5, 6}, "-12", {"15", "6"}, {"20 − 5 = 15"}, 0},
        {"a tile picked again is put down", {20, 5, 6}, "11", {"20", "5", "6"}, {}, std::nullopt},
        {"another tile replaces the first", {20, 5, 6}, "12", {"20", "5", "6"}, {}, 1},
        {"another operation replaces the first", {20, 5, 6}, "1+*2", {"100", "6"}, {"20 × 5 = 100"}, 0},
        {"an operation picked again is put down", {20, 5, 6}, "1++2", {"20", "5", "6"}, {}, 1},
        {"putting the tile down keeps the operation", {20, 5, 6}, "1+123", {"20", "11"}, {"5 + 6 = 11"}, 1},
        {"equal cards stay two tiles", {5, 5, 5, 1}, "4/1 1-3 1*2", {"24"}, {"1 ÷ 5 = 1/5", "5 − 1/5 = 24/5", "24/5 × 5 = 24"}, 0},
        {"a negative number as the second", {3, 5, 1}, "1-2 2-1", {"3"}, {"3 − 5 = −2", "1 − (−2) = 3"}, 0},
        {"undo takes back one step, nothing picked", {20, 5, 6}, "1-2 1/2 u", {"15", "6"}, {"20 − 5 = 15"}, std::nullopt},
        {"undo after a judged result", {3, 3, 8, 8}, "3/1 1-2 2/1 u", {"1/3", "8"}, {"8 ÷ 3 = 8/3", "3 − 8/3 = 1/3"}, std::nullopt},
        {"undo with no step", {20, 5, 6}, "1+ u", {"20", "5", "6"}, {}, 0},
        {"the tile a step made, picked again, stays picked", {20, 5, 6}, "1+2 1*2", {"150"}, {"20 + 5 = 25", "25 × 6 = 150"}, 0},
        {"and picked twice is put down", {20, 5, 6}, "1+2 11", {"25", "6"}, {"20 + 5 = 25"}, std::nullopt},
        {"start over", {3, 3, 8, 8}, "3/1 1-2 o", {"3", "3", "8", "8"}, {}, std::nullopt},
        {"seven cards down to one", {1, 2, 3, 4, 5, 6, 7}, "1+2 1+2 1+2 1*2 1-2 1/2",
         {"44/7"}, {"1 + 2 = 3", "3 + 3 = 6", "6 + 4 = 10", "10 × 5 = 50", "50 − 6 = 44", "44 ÷ 7 = 44/7"}, 0},
        {"a place beyond the tiles does nothing", {20, 5, 6}, "1+7", {"20", "5", "6"}, {}, 0},
    };
    for (const Case& c : cases) {
        Board b(c.cards, 24);
        Play(b, c.moves);
        EXPECT_EQ(TileTexts(b), c.tiles) << c.name;
        EXPECT_EQ(StepTexts(b), c.steps) << c.name;
        EXPECT_EQ(b.First(), c.first) << c.name;
    }
}

TEST(Board, RefusesAStepItCannotMakeAndStaysAsItWas) {
    struct Case {
        const char* name;
        std::vector<int> cards;
        bool wholeOnly;
        const char* moves;
        Board::Refusal refused;
        std::vector<std::string> tiles;
    };
    const Case cases[] = {
        {"a division by a tile worth 0", {3, 3, 5, 2}, false, "1-2 2/1", Board::Refusal::DivideByZero, {"0", "5", "2"}},
        {"whole numbers only: a fraction", {3, 5, 2}, true, "1/2", Board::Refusal::Fraction, {"3", "5", "2"}},
        {"whole numbers only: below zero", {3, 5, 2}, true, "1-2", Board::Refusal::BelowZero, {"3", "5", "2"}},
        {"whole numbers only: a whole quotient is fine", {6, 3, 2}, true, "1/2", Board::Refusal::None, {"2", "2"}},
        {"whole numbers only: zero is fine", {3, 3, 2}, true, "1-2", Board::Refusal::None, {"0", "2"}},
        {"a fraction is fine otherwise", {3, 5, 2}, false, "1/2", Board::Refusal::None, {"3/5", "2"}},
    };
    for (const Case& c : cases) {
        Board b(c.cards, 24);
        b.SetWholeNumbersOnly(c.wholeOnly);
        const std::size_t before = c.refused == Board::Refusal::None ? 0 : std::string(c.moves).find(' ');
        Board prefix(c.cards, 24);
        prefix.SetWholeNumbersOnly(c.wholeOnly);
        if (before != std::string::npos && before > 0) Play(prefix, std::string(c.moves).substr(0, before));
        EXPECT_EQ(Play(b, c.moves), c.refused) << c.name;
        EXPECT_EQ(TileTexts(b), c.tiles) << c.name;
        if (c.refused != Board::Refusal::None) {
            // Refused: the tiles, the steps and the picked tile and operation as before the try.
            EXPECT_EQ(StepTexts(b), StepTexts(prefix)) << c.name;
            EXPECT_TRUE(b.First().has_value() && b.Op().has_value()) << c.name;
        }
    }
    Board b({3, 5, 2}, 24);
    b.PickTile(0);
    b.PickOp(BoardOp::Divide);
    const Board::Outcome o = b.PickTile(1);
    EXPECT_TRUE(o.stepped);
    ASSERT_TRUE(o.step.has_value());
    EXPECT_EQ(StepText(*o.step), "3 ÷ 5 = 3/5");
}

TEST(Board, TheStepsWriteOneAnswerThatTheCheckJudgesAsTheLastTile) {
    struct Case {
        std::vector<int> cards;
        int answer;
        const char* moves;
        const char* game, *school;
        bool solves;
    };
    const Case cases[] = {
        {{3, 3, 8, 8}, 24, "3/1 1-2 2/1", "8 / (3 - 8 / 3)", "8 / (3 - 8 / 3)", true},
        {{20, 5, 6}, 16, "1-2 1/2", "(20 - 5) / 6", "(20 - 5) / 6", false},
        {{10, 4, 3}, 9, "1-2 1+2", "(10 - 4) + 3", "10 - 4 + 3", true},
        {{10, 4, 3}, 3, "2+3 1-2", "10 - (4 + 3)", "10 - (4 + 3)", true},
        {{8, 2, 2}, 8, "1/2 1*2", "(8 / 2) * 2", "8 / 2 * 2", true},
        {{8, 2, 2}, 2, "2*3 1/2", "8 / (2 * 2)", "8 / (2 * 2)", true},
        {{9, 9, 3}, 15, "2-3 1+2", "9 + (9 - 3)", "9 + (9 - 3)", true},
    };
    for (const Case& c : cases) {
        Board b(c.cards, c.answer);
        Play(b, c.moves);
        ASSERT_TRUE(b.Finished()) << c.game;
        EXPECT_EQ(b.AnswerText(0, OperatorOrder::Game), c.game);
        EXPECT_EQ(b.AnswerText(0, OperatorOrder::School), c.school);
        for (OperatorOrder order : {OperatorOrder::Game, OperatorOrder::School}) {
            const std::string text = b.AnswerText(0, order);
            const AnswerCheck check = CheckAnswer(std::u16string(text.begin(), text.end()), c.cards, c.answer, order);
            EXPECT_EQ(check.error.kind, AnswerError::Kind::None) << text;
            EXPECT_EQ(check.value, b.Tiles()[0].Value()) << text;
            EXPECT_EQ(check.solves, c.solves) << text;
        }
        // The game's line read by the school order: the same answer.
        const std::string game = b.AnswerText(0, OperatorOrder::Game);
        EXPECT_EQ(CheckAnswer(std::u16string(game.begin(), game.end()), c.cards, c.answer, OperatorOrder::School).value, b.Tiles()[0].Value()) << game;
    }
    // Part-way, the answer made so far is the last tile's.
    Board b({3, 3, 8, 8}, 24);
    Play(b, "3/1 1-2");
    ASSERT_EQ(b.LastMade(), 0);
    EXPECT_EQ(b.AnswerText(*b.LastMade(), OperatorOrder::Game), "3 - 8 / 3");
    EXPECT_EQ(b.AnswerText(5, OperatorOrder::Game), "");
}

TEST(Board, KnowsWhereEachTableCardStillStandsAlone) {
    Board b({20, 5, 6, 5}, 24);
    EXPECT_EQ(b.PlaceOfCard(3), 3);
    Play(b, "2+4");  // the two 5s become 10 in the first one's place
    EXPECT_FALSE(b.PlaceOfCard(1).has_value());
    EXPECT_FALSE(b.PlaceOfCard(3).has_value());
    EXPECT_EQ(b.PlaceOfCard(2), 2);
    EXPECT_EQ(b.Tiles()[1].cards, 0b1010u);
    b.Undo();
    EXPECT_EQ(b.PlaceOfCard(3), 3);
}

TEST(Board, TextsWriteFractionsAndNegativeNumbersAsOnTheTiles) {
    EXPECT_EQ(TileText(Fraction(15)), "15");
    EXPECT_EQ(TileText(*Fraction::Make(17, 3)), "17/3");
    EXPECT_EQ(TileText(*Fraction::Make(-1, 2)), "−1/2");
    EXPECT_EQ(TileText(*Fraction::Make(-99998, 9999)), "−99998/9999");
    EXPECT_EQ(StepText({20, 5, 15, BoardOp::Subtract}), "20 − 5 = 15");
    EXPECT_EQ(StepText({15, 6, *Fraction::Make(5, 2), BoardOp::Divide}), "15 ÷ 6 = 5/2");
    EXPECT_EQ(StepText({-2, -3, 6, BoardOp::Multiply}), "−2 × (−3) = 6");
}

TEST(BoardHint, FollowsTheSimplestAnswerStepByStep) {
    const PlayerVerdict v = SolveForPlayer({3, 3, 8, 8}, 24, 1);
    ASSERT_EQ(v.listed.size(), 1u);
    Board b({3, 3, 8, 8}, 24);
    std::vector<std::string> played;
    for (int step = 1; step <= 3; ++step) {
        const std::optional<BoardHint> h = NextStep(b, v.listed[0]);
        ASSERT_TRUE(h.has_value());
        EXPECT_TRUE(h->followsSimplest);
        EXPECT_EQ(h->step, step);
        EXPECT_EQ(h->of, 3);
        b.PutDown();
        b.PickTile(h->first);
        b.PickOp(h->op);
        ASSERT_TRUE(b.PickTile(h->second).stepped);
        played.push_back(StepText(b.Steps().back()));
    }
    EXPECT_EQ(played, (std::vector<std::string>{"8 ÷ 3 = 8/3", "3 − 8/3 = 1/3", "8 ÷ 1/3 = 24"}));
    EXPECT_FALSE(NextStep(b, v.listed[0]).has_value());  // finished: nothing to hint

    // Steps made in another order that the answer allows still follow it.
    const PlayerVerdict w = SolveForPlayer({1, 2, 3, 4}, 21, 1);  // (1 + 2) * (3 + 4)... or another simplest
    ASSERT_FALSE(w.listed.empty());
    Board c({1, 2, 3, 4}, 21);
    FollowHints(c, w.listed[0]);
    ASSERT_TRUE(c.Finished());
    EXPECT_EQ(c.Tiles()[0].Value(), Fraction(21));
}

TEST(BoardHint, FromABoardThatLeftTheAnswerItFindsAWayOnOrSaysThereIsNone) {
    // 3 3 8 8 with 3 + 3 first: 6 8 8 make no 24; with 8 + 8 first: 16 3 3 make 16 + 3 + 3... no, 22: none either.
    const PlayerVerdict v = SolveForPlayer({3, 3, 8, 8}, 24, 1);
    Board stuck({3, 3, 8, 8}, 24);
    Play(stuck, "1+2");
    EXPECT_FALSE(NextStep(stuck, v.listed[0]).has_value());

    // Random boards of four cards, a random first step: a hint exactly when a way on exists,
    // and following the hints from there reaches the answer card.
    std::mt19937 random(20261208);
    int followed = 0, none = 0, plainFirst = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<int> cards(4);
        for (int& c : cards) c = std::uniform_int_distribution<int>(1, 13)(random);
        const int answer = std::uniform_int_distribution<int>(1, 30)(random);
        const PlayerVerdict pv = SolveForPlayer(cards, answer, 1);
        if (pv.listed.empty()) continue;
        Board b(cards, answer);
        b.PickTile(std::uniform_int_distribution<int>(0, 3)(random));
        b.PickOp(static_cast<BoardOp>(std::uniform_int_distribution<int>(0, 3)(random)));
        b.PickTile(std::uniform_int_distribution<int>(0, 3)(random));
        std::vector<Fraction> values;
        for (const Tile& t : b.Tiles()) values.push_back(t.Value());
        const bool possible = Makes(values, Fraction(answer));
        const std::optional<BoardHint> h = NextStep(b, pv.listed[0]);
        EXPECT_EQ(h.has_value(), possible) << "seed 20261208, round " << round;
        if (!h) {
            ++none;
            continue;
        }
        // Off the simplest answer, a step in whole numbers from 0 up comes first where one leads on.
        if (!h->followsSimplest && Makes(values, Fraction(answer), true)) {
            const std::optional<Fraction> made = StepResult(values, *h);
            ASSERT_TRUE(made.has_value());
            EXPECT_TRUE(made->IsWhole() && made->Num() >= 0) << "round " << round << ": the hint makes " << TileText(*made);
            ++plainFirst;
        }
        FollowHints(b, pv.listed[0]);
        ASSERT_TRUE(b.Finished()) << "round " << round;
        EXPECT_EQ(b.Tiles()[0].Value(), Fraction(answer)) << "round " << round;
        ++followed;
    }
    EXPECT_GT(followed, 50);
    EXPECT_GT(none, 10);
    EXPECT_GT(plainFirst, 20);  // enough boards to hold it
}

TEST(BoardHint, WholeNumbersOnlyHintsOnlyStepsTheBoardTakes) {
    // 3 3 8 8 => 24 needs a fraction: under whole numbers only there is no hint at all.
    const PlayerVerdict v = SolveForPlayer({3, 3, 8, 8}, 24, 1);
    Board b({3, 3, 8, 8}, 24);
    b.SetWholeNumbersOnly(true);
    EXPECT_FALSE(NextStep(b, v.listed[0]).has_value());
    // 1 5 5 5 => 24 likewise; 2 6 9 12 => 24 has a plain way, and the hints keep to it.
    const PlayerVerdict w = SolveForPlayer({2, 6, 9, 12}, 24, 1);
    Board c({2, 6, 9, 12}, 24);
    c.SetWholeNumbersOnly(true);
    FollowHints(c, w.listed[0]);
    ASSERT_TRUE(c.Finished());
    for (const BoardStep& s : c.Steps()) EXPECT_TRUE(s.result.IsWhole() && s.result.Num() >= 0) << StepText(s);
}
