// The player's rule: exact fractions, the clean form, and the player's solver against a brute
// force that types every answer and judges it as Your Answer does.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <set>

#include "answer/answer.h"
#include "player/fraction.h"
#include "player/player_solver.h"
#include "text_util.h"

namespace {

Fraction F(int64_t p, int64_t q = 1) { return *Fraction::Make(p, q); }

// An answer as the game writes it out for a person, in its own order.
std::string Written(const Expression& e) { return CleanText(e, OperatorOrder::Game); }

// Every answer over the cards, fully bracketed, as text the player could type.
void EveryAnswer(const std::vector<int>& cards, const std::function<void(const std::string&)>& f) {
    const int n = static_cast<int>(cards.size());
    std::map<uint32_t, std::vector<std::string>> memo;
    std::function<const std::vector<std::string>&(uint32_t)> texts = [&](uint32_t mask) -> const std::vector<std::string>& {
        auto it = memo.find(mask);
        if (it != memo.end()) return it->second;
        std::vector<std::string> out;
        if ((mask & (mask - 1)) == 0) {
            for (int i = 0; i < n; ++i)
                if (mask >> i & 1) out.push_back(std::to_string(cards[i]));
        } else {
            for (uint32_t a = (mask - 1) & mask; a != 0; a = (a - 1) & mask) {
                const auto& left = texts(a);
                const auto& right = texts(mask ^ a);
                for (const std::string& l : left)
                    for (const std::string& r : right)
                        for (const char* op : {" + ", " - ", " * ", " / "}) out.push_back("(" + l + op + r + ")");
            }
        }
        return memo[mask] = std::move(out);
    };
    const uint32_t all = (1u << n) - 1;
    for (uint32_t a = (all - 1) & all; a != 0; a = (a - 1) & all) {
        const auto left = texts(a);
        const auto right = texts(all ^ a);
        for (const std::string& l : left)
            for (const std::string& r : right)
                for (const char* op : {" + ", " - ", " * ", " / "}) f(l + op + r);
    }
}

// The distinct answers that solve, by their clean form, judged as Your Answer judges them.
std::set<std::string> BruteForce(const std::vector<int>& cards, int answer) {
    std::set<std::string> solving;
    EveryAnswer(cards, [&](const std::string& text) {
        const AnswerCheck c = CheckAnswer(U16(text), cards, answer);
        if (c.solves) solving.insert(c.clean);
    });
    return solving;
}

void ExpectAgrees(const std::vector<int>& cards, int answer) {
    std::string name;
    for (int c : cards) name += std::to_string(c) + " ";
    name += "=> " + std::to_string(answer);
    const std::set<std::string> expected = BruteForce(cards, answer);
    // The same for the answers with only whole numbers, and only whole numbers from 0 up, part-way.
    std::set<std::string> whole, natural;
    for (const std::string& text : expected) {
        const Expression e = *ReadNotation(ParseAnswer(U16(text), cards).notation);
        if (!NeedsFractionPartWay(e)) whole.insert(text);
        if (!NeedsFractionPartWay(e) && !NeedsNegativePartWay(e)) natural.insert(text);
    }
    for (const auto& [partWay, kept] : {std::pair{PartWay::WholeNumbers, &whole}, std::pair{PartWay::NaturalNumbers, &natural}}) {
        const PlayerVerdict w = SolveForPlayer(cards, answer, 20, {}, partWay);
        EXPECT_EQ(w.answers, kept->size()) << name;
        EXPECT_EQ(w.listed.size(), std::min<std::size_t>(20, kept->size())) << name;
        for (const Expression& e : w.listed) EXPECT_TRUE(kept->count(Written(e))) << name << ": listed " << e.text;
    }
    const PlayerVerdict v = SolveForPlayer(cards, answer, 20);
    ASSERT_EQ(v.status, PlayerVerdict::Status::Complete);
    EXPECT_FALSE(v.overflow);
    EXPECT_EQ(v.answers, expected.size()) << name;
    EXPECT_EQ(v.listed.size(), std::min<std::size_t>(20, expected.size())) << name;
    std::set<std::string> listed;
    for (const Expression& e : v.listed) {
        EXPECT_TRUE(expected.count(Written(e))) << name << ": listed " << e.text;
        EXPECT_TRUE(listed.insert(e.text).second) << name << ": listed twice " << e.text;
        // A clean form typed back solves and reads as itself.
        const AnswerCheck back = CheckAnswer(U16(Written(e)), cards, answer);
        EXPECT_TRUE(back.solves) << name << ": " << Written(e);
        EXPECT_EQ(back.clean, Written(e)) << name;
    }
    // Asked for all of them, the solver lists exactly the answers typed out.
    std::set<std::string> all;
    for (const Expression& e : SolveForPlayer(cards, answer, expected.size() + 1).listed) all.insert(Written(e));
    EXPECT_EQ(all, expected) << name;
}

}  // namespace

TEST(Fraction, StaysReducedAndRefusesWhatItCannotHold) {
    EXPECT_EQ(F(6, -4), F(-3, 2));
    EXPECT_EQ(F(6, -4).ToText(), "-3/2");
    EXPECT_EQ(F(0, 7).ToText(), "0");
    EXPECT_EQ(F(1, 3).Plus(F(1, 6))->ToText(), "1/2");
    EXPECT_EQ(F(8).Divided(F(1, 3))->ToText(), "24");
    EXPECT_FALSE(F(8).Divided(F(0)).has_value());
    EXPECT_FALSE(Fraction::Make(1, 0).has_value());
    const Fraction big = *Fraction::Make(int64_t(1) << 62, 1);
    EXPECT_FALSE(big.Times(F(4)).has_value());
    EXPECT_FALSE(big.Plus(big).has_value());
    EXPECT_TRUE(big.Times(F(1, 2)).has_value());  // reduced before it is judged too large
    EXPECT_TRUE(F(-2, 3) < F(-1, 2));
    EXPECT_EQ(F(-2, 3).Power(3)->ToText(), "-8/27");
}

// The largest values seven cards of 99 can make, and fractions with the largest parts, stay
// exact: no answer a player can type comes near the 64-bit limit.
TEST(Fraction, SevenCardsOfNinetyNineStayExact) {
    Fraction product = 99;
    for (int i = 0; i < 6; ++i) product = *product.Times(F(99));
    EXPECT_EQ(product.Num(), 93206534790699);  // 99^7
    // Alternating divisions and differences: the largest numerators and denominators.
    const AnswerCheck e = CheckAnswer(u"97 / (98 - 99 / (97 - 98 / (99 - 97)))", {97, 98, 99, 97, 98, 99, 97}, 1);
    ASSERT_EQ(e.error.kind, AnswerError::Kind::None);
    EXPECT_EQ(e.value.ToText(), "1552/1535");
    const PlayerVerdict worst = SolveForPlayer({99, 98, 97, 99, 98, 97, 99}, 1, 0);
    EXPECT_FALSE(worst.overflow);
    EXPECT_GT(worst.answers, 0u);
}

// The game's order of operations, exact values, and the clean form with only the brackets it needs.
TEST(PlayerRule, ValuesExactlyInTheGameOrder) {
    struct Case { const char* text; std::vector<int> cards; int answer; const char* value; bool solves; const char* clean; };
    const Case cases[] = {
        {"8 / (3 - 8 / 3)", {3, 3, 8, 8}, 24, "24", true, "8 / (3 - 8 / 3)"},
        {"43 / (2 / 3 - 15) + 23", {43, 15, 2, 23, 3}, 20, "20", true, "23 + 43 / (2 / 3 - 15)"},
        {"3 * (22 / 18) * 6", {3, 22, 18, 6}, 22, "22", true, "6 * 3 * (22 / 18)"},
        {"(3 * (22 / 18)) * 6", {3, 22, 18, 6}, 22, "22", true, "6 * 3 * (22 / 18)"},
        {"8 / 2 * 2", {8, 2, 2}, 8, "2", false, "8 / (2 * 2)"},
        {"5 - 2 + 1", {5, 2, 1}, 2, "2", true, "5 - (2 + 1)"},
        {"(1 + 2) * 3", {1, 2, 3}, 9, "9", true, "(2 + 1) * 3"},
        {"3 * 6 - 6 / 6", {6, 6, 3, 6}, 17, "17", true, "6 * 3 - 6 / 6"},
        {"6 * 19 / ((3))", {6, 19, 3}, 38, "38", true, "19 * 6 / 3"},
        {"2 / 3 / 4", {2, 3, 4}, 1, "1/6", false, "2 / 3 / 4"},
        {"2 / (3 / 4)", {2, 3, 4}, 1, "8/3", false, "2 / (3 / 4)"},
        {"2 - 3 - 4", {2, 3, 4}, 1, "-5", false, "2 - 3 - 4"},
        {"2 - (3 - 4)", {2, 3, 4}, 3, "3", true, "2 - (3 - 4)"},
        {"(2 - 3) + 4", {2, 3, 4}, 3, "3", true, "4 + (2 - 3)"},
        {"2 * 3 / 4 * 5", {2, 3, 4, 5}, 1, "3/10", false, "3 * 2 / (5 * 4)"},
    };
    for (const Case& c : cases) {
        const AnswerCheck r = CheckAnswer(U16(c.text), c.cards, c.answer);
        ASSERT_EQ(r.error.kind, AnswerError::Kind::None) << c.text;
        EXPECT_EQ(r.value.ToText(), c.value) << c.text;
        EXPECT_EQ(r.solves, c.solves) << c.text;
        EXPECT_EQ(r.clean, c.clean) << c.text;
        EXPECT_EQ(CheckAnswer(U16(r.clean), c.cards, c.answer).clean, r.clean) << c.text;
    }
}

// In the game's order an answer is written out with the brackets school would need to read it
// as the game does, and no others: a pupil reading it by the school order reads the same answer.
TEST(PlayerRule, CleanFormReadsTheSameAtSchool) {
    struct Case { const char* typed; std::vector<int> cards; const char* clean; const char* value; };
    const Case cases[] = {
        // A difference after a sum: the game adds first.
        {"11 + 1 - 4 + 3", {11, 1, 4, 3}, "11 + 1 - (4 + 3)", "5"},
        {"24 + 7 - 7 * 4 + 1", {24, 7, 7, 4, 1}, "24 + 7 - (7 * 4 + 1)", "2"},
        {"5 - 2 + 1", {5, 2, 1}, "5 - (2 + 1)", "2"},
        // Sums and differences mixed at one level.
        {"10 - 4 + 3 - 2 + 1", {10, 4, 3, 2, 1}, "10 - (4 + 3) - (2 + 1)", "0"},
        // Products and quotients mixed: the game multiplies first.
        {"8 / 2 * 2", {8, 2, 2}, "8 / (2 * 2)", "2"},
        {"6 * 4 / 2 * 3", {6, 4, 2, 3}, "6 * 4 / (3 * 2)", "4"},
        {"12 / 2 * 3 - 4 + 1", {12, 2, 3, 4, 1}, "12 / (3 * 2) - (4 + 1)", "-3"},
        {"24 / 2 * (3 - 1 + 1)", {24, 2, 3, 1, 1}, "24 / (2 * (3 - (1 + 1)))", "12"},
        // Where the two orders agree, the brackets the game needs and no more.
        {"9 + 9 - 3 / 3", {9, 9, 3, 3}, "9 + 9 - 3 / 3", "17"},
        {"5 + 3 * 7 - 2", {5, 3, 7, 2}, "7 * 3 + 5 - 2", "24"},
        {"2 - 3 - 4", {2, 3, 4}, "2 - 3 - 4", "-5"},
        {"2 / 3 / 4", {2, 3, 4}, "2 / 3 / 4", "1/6"},
        {"6 * 2 / 3 + 1", {6, 2, 3, 1}, "6 * 2 / 3 + 1", "5"},
        {"(8 / 2) * 2", {8, 2, 2}, "(8 / 2) * 2", "8"},
        {"(10 - 4) + 3", {10, 4, 3}, "(10 - 4) + 3", "9"},
        {"8 / (3 - 8 / 3)", {3, 3, 8, 8}, "8 / (3 - 8 / 3)", "24"},
    };
    for (const Case& c : cases) {
        const AnswerCheck game = CheckAnswer(U16(c.typed), c.cards, 1);
        ASSERT_EQ(game.error.kind, AnswerError::Kind::None) << c.typed;
        EXPECT_EQ(game.clean, c.clean) << c.typed;
        EXPECT_EQ(game.value.ToText(), c.value) << c.typed;
        // The written form read back: the same answer in the game's order and at school.
        const AnswerCheck again = CheckAnswer(U16(game.clean), c.cards, 1);
        EXPECT_EQ(again.clean, game.clean) << c.typed;
        const AnswerCheck school = CheckAnswer(U16(game.clean), c.cards, 1, OperatorOrder::School);
        EXPECT_EQ(school.value, game.value) << c.typed;
        EXPECT_EQ(school.steps, again.steps) << c.typed;  // worked out step for step alike
    }
    // The school order itself writes answers as school does, as before.
    EXPECT_EQ(CheckAnswer(u"11 + 1 - (4 + 3)", {11, 1, 4, 3}, 5, OperatorOrder::School).clean, "11 + 1 - (4 + 3)");
    EXPECT_EQ(CheckAnswer(u"8 / 2 * 2", {8, 2, 2}, 8, OperatorOrder::School).clean, "8 / 2 * 2");
}

TEST(PlayerRule, SaysWhereTheComputerWouldJudgeDifferently) {
    AnswerCheck c = CheckAnswer(u"8 / (3 - 8 / 3)", {3, 3, 8, 8}, 24);
    EXPECT_TRUE(c.solves);
    EXPECT_FALSE(c.computerHit);
    EXPECT_EQ(U8(c.verdict), "Right! The computer's own 15-digit arithmetic makes it 24.000000000000242, so the computer could never find this answer.");
    const std::vector<std::string> steps = {"8 / 3 = 8/3", "3 - (8/3) = 1/3", "8 / (1/3) = 24"};
    EXPECT_EQ(c.steps, steps);

    c = CheckAnswer(u"3 * (22 / 18) * 6", {3, 22, 18, 6}, 22);  // exactly 22; 15 digits miss it
    EXPECT_TRUE(c.solves);
    EXPECT_NE(U8(c.verdict).find("makes it 21.999999999999957, so the computer could never"), std::string::npos) << U8(c.verdict);
    c = CheckAnswer(u"5 + 3 * 7 - 2", {5, 3, 7, 2}, 24);
    EXPECT_EQ(U8(c.verdict), "Right!");  // both agree here

    c = CheckAnswer(u"8 + (1 / 3) * 3", {1, 8, 3, 3}, 9);
    EXPECT_TRUE(c.solves) << U8(c.verdict);

    c = CheckAnswer(u"19 + 2 / 4", {19, 2, 4}, 19);
    EXPECT_EQ(U8(c.verdict), "That makes 39/2, not 19.");

    c = CheckAnswer(u"1 / (19 / (7 - 7)) + 19", {19, 7, 1, 19, 7}, 19);
    EXPECT_FALSE(c.solves);
    EXPECT_TRUE(c.dividedByZero);
    EXPECT_EQ(U8(c.verdict), "That divides by zero, and an answer that divides by zero never counts.");
    EXPECT_EQ(c.steps.back(), "19 / 0: a division by zero");

    c = CheckAnswer(u"5 + 3 * 9", {5, 3, 7, 2}, 24);  // an error carries its message as the verdict
    EXPECT_EQ(U8(c.verdict), "Your answer uses 9, which is not on the table.");
}

// Puzzles the computer's search calls unsolvable, and the best-known hard ones, have answers.
TEST(PlayerSolver, FindsAnswersTheComputerCannot) {
    struct Case { std::vector<int> cards; int answer; const char* includes; };
    const Case cases[] = {
        {{1, 2, 3}, 9, "(2 + 1) * 3"},
        {{6, 6, 3, 6}, 17, "6 * 3 - 6 / 6"},
        {{2, 3, 4, 5}, 45, "(5 + 4) * (3 + 2)"},
        {{5, 9, 10}, 5, "5 * (10 - 9)"},
        {{3, 3, 8, 8}, 24, "8 / (3 - 8 / 3)"},
    };
    for (const Case& c : cases) {
        const PlayerVerdict v = SolveForPlayer(c.cards, c.answer, 1000);
        EXPECT_GT(v.answers, 0u) << c.includes;
        bool found = false;
        for (const Expression& e : v.listed) found = found || e.text == c.includes;
        EXPECT_TRUE(found) << c.includes;
    }
    const PlayerVerdict none = SolveForPlayer({3, 9, 3, 9}, 1000, 20);
    EXPECT_TRUE(none.NoAnswer());
    EXPECT_TRUE(none.listed.empty());
    // 3 3 8 8 => 24 has exactly one answer, and it needs a fraction part-way.
    const PlayerVerdict one = SolveForPlayer({3, 3, 8, 8}, 24, 20);
    ASSERT_EQ(one.answers, 1u);
    EXPECT_TRUE(NeedsFractionPartWay(one.listed[0]));
    // Simplest answers first: whole numbers all the way before a fraction.
    const PlayerVerdict many = SolveForPlayer({1, 2, 3, 4}, 10, 20);
    ASSERT_FALSE(many.listed.empty());
    EXPECT_EQ(many.listed[0].text, "4 + 3 + 2 + 1");
}

// The count and the list against every answer typed out, for deals with repeated cards,
// answers that need zeros part-way, and many ways to divide by zero.
TEST(PlayerSolver, AgreesWithEveryAnswerTypedOut) {
    for (const auto& [cards, answer] : std::vector<std::pair<std::vector<int>, int>>{
             {{1, 2, 3}, 9}, {{2, 2, 2}, 2}, {{3, 3, 3}, 1}, {{5, 5, 5}, 0 + 5}, {{1, 1, 1}, 1},
             {{3, 3, 8, 8}, 24}, {{1, 1, 1, 1}, 1}, {{2, 2, 2, 2}, 4}, {{4, 4, 7, 7}, 1}, {{1, 2, 3, 4}, 10},
             {{6, 6, 3, 6}, 17}, {{7, 7, 1, 19}, 19}, {{1, 5, 5, 5}, 24}, {{2, 2, 3, 3, 3}, 6},
             {{1, 1, 2, 2, 4}, 4}, {{5, 3, 7, 2, 9}, 24},
             // Answer 0: quotients of 0 by parts that may themselves divide by zero.
             {{2, 2, 3, 3, 3}, 0}}) {
        ExpectAgrees(cards, answer);
    }
    const uint32_t seed = 20261207;
    std::mt19937 gen(seed);
    for (int round = 0; round < 300; ++round) {
        const int n = round < 200 ? 3 : 4;
        const int high = round % 3 == 0 ? 4 : 13;  // small highs: many equal cards
        std::vector<int> cards(n);
        for (int& c : cards) c = 1 + static_cast<int>(gen() % high);
        const int answer = 1 + static_cast<int>(gen() % (round % 2 ? 12 : 40));
        SCOPED_TRACE("seed " + std::to_string(seed) + " round " + std::to_string(round));
        ExpectAgrees(cards, answer);
    }
}

// Six and seven cards are too many to type out every answer; instead a random answer is built,
// its value made the answer card, and the solver must list it among all the answers it counts.
TEST(PlayerSolver, ListsARandomAnswerOfSixAndSevenCards) {
    const uint32_t seed = 7;
    std::mt19937 gen(seed);
    int checked = 0;
    for (int round = 0; checked < 12 && round < 5000; ++round) {
        const int n = checked < 8 ? 6 : 7;
        std::vector<Expression> parts;
        std::vector<int> cards;
        for (int i = 0; i < n; ++i) {
            cards.push_back(1 + static_cast<int>(gen() % (n == 6 ? 13 : 99)));  // large cards: fewer answers
            parts.push_back(Expression::Card(cards.back()));
        }
        while (parts.size() > 1) {  // join two random parts with a random operator
            const std::size_t a = gen() % parts.size();
            Expression left = parts[a];
            parts.erase(parts.begin() + static_cast<long>(a));
            const std::size_t b = gen() % parts.size();
            Expression right = parts[b];
            parts.erase(parts.begin() + static_cast<long>(b));
            const Expression::Op ops[] = {Expression::Op::Add, Expression::Op::Subtract, Expression::Op::Multiply, Expression::Op::Divide};
            parts.push_back(Expression::Combine(ops[gen() % 4], left, right));
        }
        const Expression& built = parts[0];
        if (!built.valid || !built.value.IsWhole() || built.value.Num() < 1 || built.value.Num() > 99) continue;
        const int answer = static_cast<int>(built.value.Num());
        const std::size_t most = 20000;
        if (SolveForPlayer(cards, answer, 0).answers > most) continue;  // too many to list them all
        const PlayerVerdict v = SolveForPlayer(cards, answer, most);
        SCOPED_TRACE("seed " + std::to_string(seed) + " round " + std::to_string(round) + ": " + built.text);
        EXPECT_EQ(v.listed.size(), v.answers);
        uint64_t whole = 0, natural = 0;
        for (const Expression& e : v.listed) {
            whole += !NeedsFractionPartWay(e);
            natural += !NeedsFractionPartWay(e) && !NeedsNegativePartWay(e);
        }
        EXPECT_EQ(SolveForPlayer(cards, answer, 0, {}, PartWay::WholeNumbers).answers, whole);
        EXPECT_EQ(SolveForPlayer(cards, answer, 0, {}, PartWay::NaturalNumbers).answers, natural);
        const std::string clean = Canonical(built).text;
        bool found = false;
        for (const Expression& e : v.listed) found = found || e.text == clean;
        EXPECT_TRUE(found) << clean;
        const AnswerCheck typed = CheckAnswer(U16(built.text), cards, answer);
        EXPECT_TRUE(typed.solves);
        EXPECT_EQ(typed.clean, Written(Canonical(built)));
        ++checked;
    }
    EXPECT_EQ(checked, 12);
}

namespace {

// A clean form back into the game's notation: two-digit cards, # ~ x and the divide sign.
std::u16string ToNotation(const std::string& clean) {
    std::u16string out;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const char c = clean[i];
        if (c == ' ') continue;
        if (c >= '0' && c <= '9') {
            std::size_t j = i;
            while (j < clean.size() && clean[j] >= '0' && clean[j] <= '9') ++j;
            const int card = std::stoi(clean.substr(i, j - i));
            out += static_cast<char16_t>(u'0' + card / 10);
            out += static_cast<char16_t>(u'0' + card % 10);
            i = j - 1;
        } else {
            out += c == '+' ? u'#' : c == '-' ? u'~' : c == '*' ? u'x' : c == '/' ? u'\u00F7' : static_cast<char16_t>(c);
        }
    }
    return out;
}

}  // namespace

TEST(PlayerRule, ReadsAndWritesTheSchoolOrder) {
    struct Case { const char* notation; Fraction game, school; const char* schoolClean; };
    const Case cases[] = {
        {"10~04#03", Fraction(3), Fraction(9), "10 - 4 + 3"},
        {"08\u00F702x02", Fraction(2), Fraction(8), "8 / 2 * 2"},
        {"02x03\u00F704x05", *Fraction::Make(3, 10), *Fraction::Make(15, 2), "2 * 3 / 4 * 5"},
        {"05~02#01", Fraction(2), Fraction(4), "5 - 2 + 1"},
        {"09#(09~03)", Fraction(15), Fraction(15), "9 + (9 - 3)"},
    };
    for (const Case& c : cases) {
        const auto game = ReadNotation(U16(c.notation));
        const auto school = ReadNotation(U16(c.notation), OperatorOrder::School);
        ASSERT_TRUE(game && school) << c.notation;
        EXPECT_EQ(game->value, c.game) << c.notation;
        EXPECT_EQ(school->value, c.school) << c.notation;
        EXPECT_EQ(CleanText(*school, OperatorOrder::School), c.schoolClean) << c.notation;
    }
    EXPECT_FALSE(ReadNotation(U16("05#"), OperatorOrder::School).has_value());
}

// Every clean form, in either order, reads back in that order as the very same answer. The
// game's reads as the same answer in the school order too, and it is the tree's own text
// exactly when that text already reads the same by school. No clean form holds a pair of
// brackets that its readers could do without.
TEST(PlayerRule, CleanFormsReadBackInTheirOwnOrder) {
    // The key of the answer a clean form reads as in an order, or nothing when it does not read.
    auto readsAs = [](const std::string& clean, OperatorOrder order) -> std::optional<std::string> {
        const auto tree = ReadNotation(ToNotation(clean), order);
        if (!tree) return std::nullopt;
        return Canonical(*tree).text;
    };
    const uint32_t seed = 4711;
    std::mt19937 gen(seed);
    int schoolBrackets = 0, asItIs = 0;
    for (int i = 0; i < 4000; ++i) {
        std::u16string text;
        const int n = 3 + static_cast<int>(gen() % 5);
        int open = 0;
        for (int k = 0; k < n; ++k) {
            if (k + 1 < n && gen() % 3 == 0) {
                text += u'(';
                ++open;
            }
            const int card = 1 + static_cast<int>(gen() % 20);
            text += static_cast<char16_t>(u'0' + card / 10);
            text += static_cast<char16_t>(u'0' + card % 10);
            while (open > 0 && gen() % 3 == 0) {
                text += u')';
                --open;
            }
            if (k + 1 < n) text += u"#~x\u00F7"[gen() % 4];
        }
        text.append(static_cast<std::size_t>(open), u')');
        for (OperatorOrder order : {OperatorOrder::Game, OperatorOrder::School}) {
            const auto tree = ReadNotation(text, order);
            ASSERT_TRUE(tree.has_value()) << U8(text);
            const Expression canonical = Canonical(*tree);
            const std::string clean = CleanText(canonical, order);
            SCOPED_TRACE(U8(text) + " -> " + clean + " seed " + std::to_string(seed));
            const auto back = ReadNotation(ToNotation(clean), order);
            ASSERT_TRUE(back.has_value());
            ASSERT_EQ(Canonical(*back).text, canonical.text);
            ASSERT_EQ(back->valid, tree->valid);
            if (tree->valid) {
                ASSERT_EQ(back->value, tree->value);
            }
            std::vector<OperatorOrder> readers{order};
            if (order == OperatorOrder::Game) {
                ASSERT_EQ(readsAs(clean, OperatorOrder::School), canonical.text);
                const bool schoolReadsTheText = readsAs(canonical.text, OperatorOrder::School) == canonical.text;
                ASSERT_EQ(clean == canonical.text, schoolReadsTheText) << canonical.text;
                (schoolReadsTheText ? asItIs : schoolBrackets) += 1;
                readers.push_back(OperatorOrder::School);
            }
            // Each pair of brackets taken out, one at a time: some reader reads another answer.
            for (std::size_t at = clean.find('('); at != std::string::npos; at = clean.find('(', at + 1)) {
                std::size_t close = at;
                for (int depth = 0; close < clean.size(); ++close) {
                    depth += clean[close] == '(' ? 1 : clean[close] == ')' ? -1 : 0;
                    if (depth == 0) break;
                }
                const std::string without = clean.substr(0, at) + clean.substr(at + 1, close - at - 1) + clean.substr(close + 1);
                bool needed = false;
                for (OperatorOrder reader : readers) needed = needed || readsAs(without, reader) != canonical.text;
                ASSERT_TRUE(needed) << "the brackets at " << at << " are not needed";
            }
        }
    }
    // Both kinds came up often.
    EXPECT_GT(schoolBrackets, 400);
    EXPECT_GT(asItIs, 400);
}
