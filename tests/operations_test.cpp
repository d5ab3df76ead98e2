// The operations allowed: reading a choice, and every rule that keeps to it (the player's count,
// the level, Deal, the board, Hint, the typed answer, the computer's count and the command line).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "answer/answer.h"
#include "cli/command_line.h"
#include "deal/dealing.h"
#include "deal/level.h"
#include "deal/today.h"
#include "engine/globals.h"
#include "every_attempt.h"
#include "expr/operations.h"
#include "player/board.h"
#include "player/board_hint.h"
#include "player/player_solver.h"
#include "solver/solver.h"
#include "text_util.h"

namespace {

constexpr AllowedOperations Fewer[] = {AllowedOperations::AddSubtract, AllowedOperations::AddSubtractMultiply};

// Every hand of four cards from 1 to 10, each once in any order.
std::vector<std::vector<int>> FourCardHands() {
    std::vector<std::vector<int>> hands;
    for (int a = 1; a <= 10; ++a)
        for (int b = a; b <= 10; ++b)
            for (int c = b; c <= 10; ++c)
                for (int d = c; d <= 10; ++d) hands.push_back({a, b, c, d});
    return hands;
}

// The brute force: every tree over the cards, two values combined at a time, with + and - (and
// * when asked), each made into a key of its own so that sums and products are merged and their
// parts unordered, equal cards alike, and differences kept as they are. Distinct keys that make
// the answer are distinct answers.
struct Part {
    long long value;
    char op;                         // 'c' for a card
    std::vector<std::string> terms;  // the parts of a sum or product, sorted; a difference's two in order
    std::string key;
};

Part CardPart(int c) { return {c, 'c', {}, std::to_string(c)}; }

Part Joined(const Part& a, const Part& b, char op) {
    Part p{0, op, {}, {}};
    p.value = op == '+' ? a.value + b.value : op == '-' ? a.value - b.value : a.value * b.value;
    if (op == '-') {
        p.terms = {a.key, b.key};
    } else {
        for (const Part* side : {&a, &b}) {
            if (side->op == op) p.terms.insert(p.terms.end(), side->terms.begin(), side->terms.end());
            else p.terms.push_back(side->key);
        }
        std::sort(p.terms.begin(), p.terms.end());
    }
    p.key = std::string(1, op) + "[";
    for (const std::string& t : p.terms) p.key += t + ",";
    p.key += "]";
    return p;
}

void EveryTree(const std::vector<Part>& parts, bool multiply, int answer, std::set<std::string>& found) {
    if (parts.size() == 1) {
        if (parts[0].value == answer) found.insert(parts[0].key);
        return;
    }
    for (std::size_t i = 0; i < parts.size(); ++i)
        for (std::size_t j = 0; j < parts.size(); ++j) {
            if (i == j) continue;
            std::vector<Part> rest;
            for (std::size_t k = 0; k < parts.size(); ++k)
                if (k != i && k != j) rest.push_back(parts[k]);
            std::vector<char> ops{'-'};
            if (i < j) ops.push_back('+');
            if (i < j && multiply) ops.push_back('*');
            for (char op : ops) {
                rest.push_back(Joined(parts[i], parts[j], op));
                EveryTree(rest, multiply, answer, found);
                rest.pop_back();
            }
        }
}

uint64_t BruteForce(const std::vector<int>& cards, int answer, bool multiply) {
    std::vector<Part> parts;
    for (int c : cards) parts.push_back(CardPart(c));
    std::set<std::string> found;
    EveryTree(parts, multiply, answer, found);
    return found.size();
}

bool UsesOnly(const std::string& text, AllowedOperations ops) {
    if (!AllowsDivide(ops) && text.find('/') != std::string::npos) return false;
    return AllowsMultiply(ops) || text.find('*') == std::string::npos;
}

int RunLine(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int status = RunCommandLine(ParseCommandLine(args), o, e);
    out = o.str();
    err = e.str();
    return status;
}

// The puzzles of --deal's or --today's lines: "3 5 7 9 => 24  level 2".
struct Printed {
    std::vector<int> cards;
    int answer = 0;
    std::string level;
};
std::vector<Printed> ReadPuzzles(const std::string& text) {
    std::vector<Printed> out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        Printed p;
        for (std::string w; words >> w && w != "=>";) p.cards.push_back(std::stoi(w));
        std::string level;
        words >> p.answer >> level >> p.level;
        out.push_back(p);
    }
    return out;
}

}  // namespace

TEST(AllowedOperations, ReadsEveryWayOfWritingAChoiceAndRefusesTheRest) {
    const std::map<std::string, AllowedOperations> read = {
        {"all", AllowedOperations::All},        {"All", AllowedOperations::All},
        {"+-*/", AllowedOperations::All},       {"+-x/", AllowedOperations::All},
        {"/*-+", AllowedOperations::All},       {"+ \u2212 \u00D7 \u00F7", AllowedOperations::All},
        {"+-", AllowedOperations::AddSubtract}, {"-+", AllowedOperations::AddSubtract},
        {"+ \u2212", AllowedOperations::AddSubtract}, {"+-*", AllowedOperations::AddSubtractMultiply},
        {"+-x", AllowedOperations::AddSubtractMultiply}, {"x+-", AllowedOperations::AddSubtractMultiply},
    };
    for (const auto& [text, ops] : read) {
        const auto parsed = ParseOperations(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, ops) << text;
    }
    for (const char* text : {"", "+", "-", "*", "+*", "-/", "+-/", "+-*//", "++-", "four", "+-y", "none"})
        EXPECT_FALSE(ParseOperations(text).has_value()) << text;
    // Each choice's own argument and signs read back as that choice.
    for (AllowedOperations ops : EveryAllowedOperations) {
        EXPECT_EQ(ParseOperations(OperationsArgument(ops)), ops);
        EXPECT_EQ(ParseOperations(OperationsText(ops)), ops);
    }
    EXPECT_EQ(OperationsText(AllowedOperations::AddSubtract), "+ \u2212");
}

// The player's count with fewer operations against a brute force over every tree of the cards.
TEST(AllowedOperations, PlayerCountEqualsEveryTreeWithTheOperationsForEveryHandOfFourCards) {
    int compared = 0, someAnswer = 0;
    for (const std::vector<int>& hand : FourCardHands()) {
        for (int answer : {10, 24, 0}) {  // 0: products with a zero factor are counted apart
            for (AllowedOperations ops : Fewer) {
                const PlayerVerdict v = SolveForPlayer(hand, answer, 5, {}, PartWay::Any, ops);
                const uint64_t brute = BruteForce(hand, answer, AllowsMultiply(ops));
                ASSERT_EQ(v.answers, brute) << hand[0] << " " << hand[1] << " " << hand[2] << " " << hand[3] << " => " << answer
                                            << " with " << OperationsArgument(ops);
                EXPECT_EQ(v.listed.size(), std::min<uint64_t>(brute, 5));
                for (const Expression& e : v.listed) {
                    EXPECT_TRUE(UsesOnly(e.text, ops)) << e.text;
                    EXPECT_EQ(e.value, Fraction(answer)) << e.text;
                }
                ++compared;
                someAnswer += brute > 0;
            }
        }
    }
    EXPECT_EQ(compared, 715 * 3 * 2);
    EXPECT_GT(someAnswer, 500);  // the comparison is not of zeros alone
}

TEST(AllowedOperations, SolveOnTheCommandLineListsAndCountsOnlyThoseAnswers) {
    std::string out, err;
    const std::vector<int> hand = {4, 6, 7, 7};
    for (AllowedOperations ops : Fewer) {
        ASSERT_EQ(RunLine({"--solve", "--ops", OperationsArgument(ops), "4", "6", "7", "7", "24"}, out, err), 0) << err;
        std::istringstream lines(out);
        std::string first;
        std::getline(lines, first);
        EXPECT_EQ(first, "answers: " + std::to_string(BruteForce(hand, 24, AllowsMultiply(ops))));
        int listed = 0;
        for (std::string line; std::getline(lines, line); ++listed) EXPECT_TRUE(UsesOnly(line, ops)) << line;
        EXPECT_GT(listed, 0);
    }
    // 3 3 8 8 => 24 needs a division: none with fewer operations.
    EXPECT_EQ(RunLine({"--solve", "--ops", "+-*", "3", "3", "8", "8", "24"}, out, err), 1);
    EXPECT_EQ(out, "answers: 0\n");
    EXPECT_EQ(RunLine({"--solve", "3", "3", "8", "8", "24"}, out, err), 0);
    EXPECT_EQ(RunLine({"--solve", "--ops", "all", "3", "3", "8", "8", "24"}, out, err), 0);
}

// The level rates the easiest answer with the operations: never easier than with all four,
// none when there is no such answer, and the easiest it names keeps to them.
TEST(AllowedOperations, LevelRatesTheEasiestAnswerWithTheOperations) {
    int harder = 0;
    for (const std::vector<int>& hand : FourCardHands()) {
        const int all = Level(FactsOf(hand, 24));
        for (AllowedOperations ops : Fewer) {
            const LevelFacts facts = FactsOf(hand, 24, {}, FittedWeights, ops);
            const int level = Level(facts);
            const bool answered = SolveForPlayer(hand, 24, 0, {}, PartWay::Any, ops).answers > 0;
            ASSERT_EQ(level > 0, answered) << hand[0] << hand[1] << hand[2] << hand[3];
            if (!answered) continue;
            EXPECT_TRUE(UsesOnly(facts.easiest, ops)) << facts.easiest;
            EXPECT_GE(level, all) << facts.easiest;
            harder += level > all;
            EXPECT_EQ(PuzzleLevel(hand, 24, CurrentRating, ops), level);
        }
    }
    EXPECT_GT(harder, 0);
}

// Deal with "only with an answer" or a difficulty stops only at puzzles that keep to them.
TEST(AllowedOperations, DealStopsOnlyAtPuzzlesAnsweredWithTheOperations) {
    for (AllowedOperations ops : Fewer) {
        for (const DealRule& base : {DealRule{true, 0}, DealRule{false, 2}}) {
            DealRule rule = base;
            rule.operations = ops;
            for (uint32_t seed = 1; seed <= 6; ++seed) {
                uint8_t deck[55] = {};
                int16_t pos = StartGame(4, seed);
                ShuffleCards(deck, 13);
                for (int dealt = 0; dealt < 4; ++dealt) {
                    ASSERT_TRUE(DealQualifying(deck, pos, 4, 13, rule));
                    std::vector<int> cards;
                    for (int16_t i = 0; i < 4; ++i) cards.push_back(deck[RingPos(pos, 4, i)]);
                    const PlayerVerdict v = SolveForPlayer(cards, deck[pos], 1, {}, PartWay::Any, ops);
                    EXPECT_GT(v.answers, 0u);
                    ASSERT_FALSE(v.listed.empty());
                    EXPECT_TRUE(UsesOnly(v.listed.front().text, ops));
                    if (rule.level > 0) {
                        EXPECT_EQ(PuzzleLevel(cards, deck[pos], CurrentRating, ops), rule.level);
                    }
                }
            }
        }
    }
}

TEST(AllowedOperations, BoardRefusesAnOperationNotAllowedAndPutsOneDownWhenTheChoiceNarrows) {
    Board board({6, 4, 3, 1}, 24);
    board.SetOperations(AllowedOperations::AddSubtract);
    for (BoardOp op : {BoardOp::Multiply, BoardOp::Divide}) {
        const Board::Outcome o = board.PickOp(op);
        EXPECT_EQ(o.refused, Board::Refusal::NotAllowed);
        EXPECT_FALSE(o.changed);
        EXPECT_FALSE(board.Op().has_value());
    }
    EXPECT_TRUE(board.PickOp(BoardOp::Subtract).changed);
    EXPECT_EQ(board.Op(), BoardOp::Subtract);

    Board wider({6, 4, 3, 1}, 24);
    wider.SetOperations(AllowedOperations::AddSubtractMultiply);
    EXPECT_EQ(wider.PickOp(BoardOp::Divide).refused, Board::Refusal::NotAllowed);
    wider.PickTile(0);
    EXPECT_EQ(wider.PickOp(BoardOp::Multiply).refused, Board::Refusal::None);
    wider.SetOperations(AllowedOperations::AddSubtract);  // × picked, then no longer allowed
    EXPECT_FALSE(wider.Op().has_value());
    EXPECT_EQ(wider.First(), 0);
    EXPECT_EQ(wider.PickTile(1).stepped, false);  // no step without an operation
}

// Hint names only steps with the operations, whether it follows the simplest answer or not.
TEST(AllowedOperations, HintKeepsToTheOperations) {
    int hinted = 0;
    for (const std::vector<int>& hand : FourCardHands()) {
        for (AllowedOperations ops : Fewer) {
            const PlayerVerdict v = SolveForPlayer(hand, 24, 1, {}, PartWay::Any, ops);
            const PlayerVerdict all = SolveForPlayer(hand, 24, 1);
            Board board(hand, 24);
            board.SetOperations(ops);
            if (v.answers == 0) {
                // No answer with them: no step to name, whatever all four could do.
                if (!all.listed.empty()) {
                    EXPECT_FALSE(NextStep(board, all.listed.front()).has_value()) << all.listed.front().text;
                }
                continue;
            }
            // The simplest with all four, which may multiply or divide, never leads a hint astray.
            for (const Expression* simplest : {&v.listed.front(), &all.listed.front()}) {
                const std::optional<BoardHint> hint = NextStep(board, *simplest);
                ASSERT_TRUE(hint.has_value()) << simplest->text;
                EXPECT_TRUE(Allows(ops, hint->op)) << simplest->text;
                ++hinted;
            }
        }
    }
    EXPECT_GT(hinted, 200);
}

TEST(AllowedOperations, ATypedAnswerWithAnotherOperationGetsASentenceWhereItStands) {
    struct Case {
        const char* text;
        AllowedOperations ops;
        std::size_t offset;
        const char* said;
    };
    const Case cases[] = {
        {"6 * 4 + 3 - 3", AllowedOperations::AddSubtract, 2, "Only + \u2212 may be used now, not \u00D7."},
        {"6 + 4 x 3 - 3", AllowedOperations::AddSubtract, 6, "Only + \u2212 may be used now, not \u00D7."},
        {"6 * (4 / 3 + 3)", AllowedOperations::AddSubtractMultiply, 7, "Only + \u2212 \u00D7 may be used now, not \u00F7."},
        {"6 * 4 : 3 + 3", AllowedOperations::AddSubtractMultiply, 6, "Only + \u2212 \u00D7 may be used now, not \u00F7."},
    };
    for (const Case& c : cases) {
        const AnswerCheck check = CheckAnswer(U16(c.text), {6, 4, 3, 3}, 24, OperatorOrder::Game, c.ops);
        EXPECT_EQ(check.error.kind, AnswerError::Kind::NotAllowed) << c.text;
        EXPECT_EQ(check.error.offset, c.offset) << c.text;
        EXPECT_EQ(U8(check.verdict), c.said) << c.text;
        EXPECT_FALSE(check.solves);
        // All four take it.
        EXPECT_EQ(CheckAnswer(U16(c.text), {6, 4, 3, 3}, 24).error.kind, AnswerError::Kind::None) << c.text;
    }
    const AnswerCheck right = CheckAnswer(U16("6 * 4 + 3 - 3"), {6, 4, 3, 3}, 24, OperatorOrder::School, AllowedOperations::AddSubtractMultiply);
    EXPECT_TRUE(right.solves);
    std::string out, err;
    EXPECT_EQ(RunLine({"--check", "--ops", "+-", "6", "4", "3", "3", "24", "6 * 4 + 3 - 3"}, out, err), 2);
    EXPECT_EQ(err, "error: column 3: Only + \u2212 may be used now, not \u00D7.\n");
    EXPECT_EQ(RunLine({"--check", "--ops", "+-*", "6", "4", "3", "3", "24", "6 * 4 + 3 - 3"}, out, err), 0);
}

// The computer's own count with fewer operators: every attempt text it can write with them.
TEST(AllowedOperations, ComputerCountsOnlyAttemptsWithTheOperators) {
    for (const std::vector<int>& hand : std::vector<std::vector<int>>{{2, 3, 4, 6}, {1, 5, 5, 5, 9}, {3, 3, 8, 8}}) {
        for (AllowedOperations ops : Fewer) {
            uint64_t attempts = 0, hits = 0;
            EveryAttempt(hand, [&](const std::u16string& text) {
                if (!std::all_of(text.begin(), text.end(), [&](char16_t c) { return (c != u'x' && c != DivideSign) || AllowsOperator(ops, c); }))
                    return;
                ++attempts;
                hits += GameHits(text, 24);
            });
            const SolveVerdict v = Solve(hand, 24, SolveMode::CountAll, 5, {}, {}, OperatorOrder::Game, ops);
            EXPECT_EQ(v.attempts, attempts);
            EXPECT_EQ(v.solutions, hits);
            EXPECT_TRUE(v.counted);
            for (const std::u16string& listed : v.listed) EXPECT_TRUE(UsesOnly(U8(DisplayForm(listed)), ops)) << U8(listed);
        }
    }
}

TEST(AllowedOperations, DealAndTodayOnTheCommandLineKeepToTheOperations) {
    std::string out, err;
    for (AllowedOperations ops : Fewer) {
        ASSERT_EQ(RunLine({"--deal", "6", "--cards", "4", "--answer-only", "--ops", OperationsArgument(ops), "--seed", "11"}, out, err), 0) << err;
        const std::vector<Printed> dealt = ReadPuzzles(out);
        ASSERT_EQ(dealt.size(), 6u);
        for (const Printed& p : dealt) {
            EXPECT_GT(SolveForPlayer(p.cards, p.answer, 0, {}, PartWay::Any, ops).answers, 0u) << out;
            EXPECT_EQ(p.level, std::to_string(PuzzleLevel(p.cards, p.answer, CurrentRating, ops))) << out;
        }
        ASSERT_EQ(RunLine({"--today", "--cards", "4", "--date", "2026-12-07", "--ops", OperationsArgument(ops)}, out, err), 0) << err;
        const std::vector<Printed> today = ReadPuzzles(out);
        ASSERT_EQ(today.size(), 1u);
        const std::optional<DayPuzzle> day = PuzzleOfTheDay(2026, 12, 7, 4, ops);
        ASSERT_TRUE(day.has_value());
        EXPECT_EQ(today[0].cards, day->cards);
        EXPECT_GT(SolveForPlayer(day->cards, day->answer, 0, {}, PartWay::Any, ops).answers, 0u);
        EXPECT_EQ(today[0].level, std::to_string(PuzzleLevel(day->cards, day->answer, CurrentRating, ops)));
    }
    // With all four, as they always were.
    ASSERT_EQ(RunLine({"--today", "--cards", "4", "--date", "2026-12-07", "--ops", "all"}, out, err), 0);
    std::string plain;
    ASSERT_EQ(RunLine({"--today", "--cards", "4", "--date", "2026-12-07"}, plain, err), 0);
    EXPECT_EQ(out, plain);
}

TEST(AllowedOperations, WorksheetOnTheCommandLineTakesTheOperationsButNotBesideACode) {
    const CommandLineRequest r = ParseCommandLine({"--worksheet", "--ops", "+-", "-o", "a.pdf"});
    ASSERT_EQ(r.kind, CommandLineRequest::Kind::Worksheet) << r.error;
    EXPECT_EQ(r.operations, AllowedOperations::AddSubtract);
    EXPECT_FALSE(ParseCommandLine({"--worksheet", "-o", "a.pdf"}).operations.has_value());
    const CommandLineRequest both = ParseCommandLine({"--worksheet", "--code", "KAWVB2436MZ9J", "--ops", "+-", "-o", "a.pdf"});
    EXPECT_EQ(both.kind, CommandLineRequest::Kind::Error);
    EXPECT_EQ(both.error, "--worksheet: a code holds the cards, highest card, level, count and operations: give --code or those, not both");
    const CommandLineRequest bad = ParseCommandLine({"--solve", "--ops", "*/", "1", "2", "3", "4", "10"});
    EXPECT_EQ(bad.error, "--solve: --ops needs the operations allowed: all (the default), +- for + and - only, or +-* for +, - and *, not '*/'");
}
