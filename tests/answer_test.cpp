// The player's answer: what it may hold, each message and where it points, and the game's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "answer/answer.h"
#include "text_util.h"

namespace {

const std::vector<int> Table = {5, 3, 7, 2};  // answer card 24 unless a case says otherwise

}  // namespace

TEST(AnswerParser, SaysWhatIsWrongAndWhere) {
    struct Case { const char* text; const char* message; std::size_t offset; };
    const Case cases[] = {
        {"", "Type an answer that uses every face card once.", 0},
        {"   ", "Type an answer that uses every face card once.", 0},
        {"5 + 12 * 7 - 2", "Your answer uses 12, which is not on the table.", 4},
        {"5 + 3 * 7", "Your answer leaves out 2: every face card is used once.", 9},
        {"5 + 3", "Your answer leaves out 2 and 7: every face card is used once.", 5},
        {"5", "Your answer leaves out 2, 3 and 7: every face card is used once.", 1},
        {"5 + 5 * 7 - 2", "Your answer uses 5 twice, but the table has one.", 4},
        {"(5 + 3) * (7 - 2", "A bracket is not closed.", 10},
        {"5 + 3) * 7 - 2", "A closing bracket has no opening bracket.", 5},
        {"-5 + 3 * 7 + 2", "A minus sign must stand between two numbers.", 0},
        {"5 + -3 * 7 + 2", "A minus sign must stand between two numbers.", 4},
        {"5 + * 3 * 7 + 2", "An operator must stand between two numbers.", 4},
        {"5 + 3 * 7 + 2 +", "An operator must stand between two numbers.", 15},
        {"5 3 + 7 - 2", "An operator is missing between two numbers.", 2},
        {"53 + 7 - 2", "Your answer uses 53, which is not on the table.", 0},
        {"5 + () + 3 * 7 - 2", "A pair of brackets holds nothing.", 4},
        {"5 + 3 & 7 - 2", "'&' is not a number, an operator or a bracket.", 6},
        {"5 + 3.5 * 7 - 2", "'.' is not a number, an operator or a bracket.", 5},
        {"5 + 3 * 7 - 2 = 25", "Your answer ends with = 25, but the answer card is 24.", 14},
        {"5 + 3 * 7 - 2 = 24 + 1", "Only the answer card may follow '=', at the very end.", 14},
        {"5 + (3 * 7 = 24) - 2", "Only the answer card may follow '=', at the very end.", 11},
        {"5 + 3 * 7 - 123456789012", "Your answer uses a number, which is not on the table.", 12},
        // A colon is an operator, and only between two numbers.
        {": 5 + 3 * 7 - 2", "An operator must stand between two numbers.", 0},
        {"5 + 3 * 7 - 2 :", "An operator must stand between two numbers.", 15},
        {"5 :: 3 * 7 - 2", "An operator must stand between two numbers.", 3},
        {"5 + 3 * 7 - 2 = : 24", "Only the answer card may follow '=', at the very end.", 14},
    };
    for (const Case& c : cases) {
        const ReadAnswer r = ParseAnswer(U16(c.text), Table, 24);
        EXPECT_EQ(AnswerMessage(r.error), c.message) << c.text;
        EXPECT_EQ(r.error.offset, c.offset) << c.text;
        EXPECT_TRUE(r.notation.empty()) << c.text;
    }
    // Two 9s on the table mean two 9s in the answer, no more and no fewer.
    const std::vector<int> nines = {9, 9, 5, 2};
    EXPECT_EQ(AnswerMessage(ParseAnswer(u"9 + 9 + 9 - 5 - 2", nines).error), "Your answer uses 9 three times, but the table has two.");
    EXPECT_EQ(AnswerMessage(ParseAnswer(u"9 + 5 - 2", nines).error), "Your answer leaves out 9: every face card is used once.");
    EXPECT_EQ(AnswerMessage(ParseAnswer(u"5 + 2", nines).error), "Your answer leaves out 9 and 9: every face card is used once.");
    EXPECT_EQ(ParseAnswer(u"9 + 9 + 5 - 2", nines).error.kind, AnswerError::Kind::None);
    // The answer card written at the end is the habit of many: read, not part of the answer.
    const ReadAnswer withResult = ParseAnswer(u"9 + 9 + 5 - 2 = 21", nines, 21);
    EXPECT_EQ(withResult.error.kind, AnswerError::Kind::None);
    EXPECT_EQ(U8(withResult.notation), "09#09#05~02");
    EXPECT_EQ(ParseAnswer(u"9 + 9 + 5 - 2 =21 ", nines, 21).error.kind, AnswerError::Kind::None);
    EXPECT_EQ(ParseAnswer(u"9 + 9 + 5 - 2 = 21", nines).error.kind, AnswerError::Kind::BadCharacter);  // no answer card given
}

TEST(AnswerParser, ReadsEverySpellingIntoTheSearchNotation) {
    struct Case { const char* text; const char* notation; };
    const Case cases[] = {
        {"5 + (3 * 7) - 2", "05#(03x07)~02"}, {"5+(3x7)-2", "05#(03x07)~02"}, {"5 + (3 × 7) − 2", "05#(03x07)~02"},
        {"5 / 3 ÷ 7 X 2", "05÷03÷07x02"}, {"((5)) + 3 * 07 - 2", "((05))#03x07~02"}, {"\t5\u00a0+3*7 -2 ", "05#03x07~02"},
        // A colon divides, as German and French pupils write it.
        {"5 : (3 - 7 : 2)", "05÷(03~07÷02)"}, {"5:3*7:2", "05÷03x07÷02"},
    };
    for (const Case& c : cases) {
        const ReadAnswer r = ParseAnswer(U16(c.text), Table);
        EXPECT_EQ(r.error.kind, AnswerError::Kind::None) << c.text << ": " << AnswerMessage(r.error);
        EXPECT_EQ(U8(r.notation), c.notation) << c.text;
    }
}

// Any text at all: an answer or a message, quickly; and an accepted answer, written out as
// the game shows it, reads back to the same attempt.
TEST(AnswerParser, SurvivesAnyTextAndReadsItsOwnDisplayBack) {
    const uint32_t seed = 424242;
    std::mt19937 gen(seed);
    const std::u16string alphabet = u"0123456789+-*/:x\u00D7\u00F7() ()5327.";
    int accepted = 0;
    const std::u16string ops = u"+-*/:x\u00D7\u00F7";
    for (int i = 0; i < 20000; ++i) {
        std::u16string text;
        if (i % 2) {  // any characters at all
            const int length = static_cast<int>(gen() % 24);
            for (int k = 0; k < length; ++k) text += alphabet[gen() % alphabet.size()];
        } else {  // the table's cards in some order, operators and brackets round random runs
            std::vector<int> order = Table;
            std::shuffle(order.begin(), order.end(), gen);
            std::vector<int> opens(4), closes(4);
            for (int b = static_cast<int>(gen() % 3); b > 0; --b) {
                const int from = static_cast<int>(gen() % 4), to = from + static_cast<int>(gen() % (4 - from));
                ++opens[from];
                ++closes[to];
            }
            for (int k = 0; k < 4; ++k) {
                text += std::u16string(opens[k], u'(') + U16(std::to_string(order[k])) + std::u16string(closes[k], u')');
                if (k < 3) {
                    if (gen() % 2) text += u' ';
                    text.push_back(ops[gen() % ops.size()]);
                    text += u' ';
                }
            }
        }
        const ReadAnswer r = ParseAnswer(text, Table);
        if (r.error.kind != AnswerError::Kind::None) {
            EXPECT_FALSE(AnswerMessage(r.error).empty()) << U8(text);
            EXPECT_LE(r.error.offset, text.size()) << U8(text);
            continue;
        }
        ++accepted;
        const AnswerCheck first = CheckAnswer(text, Table, 24);
        const AnswerCheck again = CheckAnswer(first.shown, Table, 24);
        ASSERT_EQ(again.error.kind, AnswerError::Kind::None) << U8(first.shown) << " seed " << seed;
        EXPECT_EQ(U8(ParseAnswer(first.shown, Table).notation), U8(r.notation));
        EXPECT_EQ(again.solves, first.solves);
    }
    EXPECT_GT(accepted, 0);
    std::u16string deep(5000, u'(');
    EXPECT_EQ(ParseAnswer(deep, Table).error.kind, AnswerError::Kind::TooLong);
    std::u16string nested = std::u16string(200, u'(') + u"5" + std::u16string(200, u')') + u"+3*7-2";
    EXPECT_EQ(AnswerMessage(ParseAnswer(nested, Table).error), "There are too many brackets inside one another.");
    EXPECT_EQ(AnswerMessage(ParseAnswer(std::u16string(1001, u' '), Table).error),
              "The answer is longer than 1000 characters, more than the game reads.");
}

// A colon reads as the division it means, and the answer as the same one written with /.
TEST(AnswerParser, AColonDividesAsAtSchool) {
    const AnswerCheck colon = CheckAnswer(u"8 : (3 - 8 : 3)", {3, 3, 8, 8}, 24);
    ASSERT_EQ(colon.error.kind, AnswerError::Kind::None) << U8(colon.verdict);
    EXPECT_TRUE(colon.solves);
    EXPECT_EQ(U8(colon.shown), "8 / (3 - 8 / 3)");  // the game's reading writes the division sign
    EXPECT_EQ(colon.clean, "8 / (3 - 8 / 3)");
    EXPECT_EQ(CheckAnswer(u"8 : 2 * 2", {8, 2, 2}, 2).solves, true);  // the game's order: 8 / (2 * 2)
    EXPECT_EQ(CheckAnswer(u"8 : 2 * 2", {8, 2, 2}, 8, OperatorOrder::School).solves, true);
}

// Wrong in the game's order but right in the school's: the verdict says so in one more sentence,
// naming the pair of operations that made the difference. Never in the school order, and never
// when the school order makes something else too.
TEST(AnswerCheck, SaysWhenOnlyTheSchoolOrderMakesTheAnswerCard) {
    const std::string choose = "; you can choose the school order in Options > Rules.";
    const std::string adds = "At school this would make %1, but the game adds before it subtracts" + choose;
    const std::string multiplies = "At school this would make %1, but the game multiplies before it divides" + choose;
    const std::string both = "At school this would make %1, but the game multiplies before it divides and adds before it subtracts" + choose;
    struct Case { const char* text; std::vector<int> cards; int answer; const char* verdict; const std::string* sentence; };
    const Case cases[] = {
        {"11 + 1 - 4 + 3", {11, 1, 4, 3}, 11, "That makes 5, not 11.", &adds},
        {"24 + 7 - 7 * 4 + 1", {24, 7, 7, 4, 1}, 4, "That makes 2, not 4.", &adds},
        {"8 / 2 * 2", {8, 2, 2}, 8, "That makes 2, not 8.", &multiplies},
        {"8 : 2 * 2", {8, 2, 2}, 8, "That makes 2, not 8.", &multiplies},
        // Both pairs, neither alone: 12 / (2 * 3) - (4 + 1) in the game's order.
        {"12 / 2 * 3 - 4 + 1", {12, 2, 3, 4, 1}, 15, "That makes -3, not 15.", &both},
        // Only the add-and-subtract pair changes the value; the quotient reads alike.
        {"6 / 3 * 1 + 10 - 2 + 2", {6, 3, 1, 10, 2, 2}, 12, "That makes 8, not 12.", &adds},
        // The game's reading divides by zero; school's makes the answer card.
        {"6 / 3 * (2 - 2) + 5", {6, 3, 2, 2, 5}, 5, "That divides by zero, and an answer that divides by zero never counts.", &multiplies},
        // No sentence: right in the game's order, wrong in both, or right in neither.
        {"11 + 1 - (4 + 3)", {11, 1, 4, 3}, 5, "Right!", nullptr},
        {"10 - 4 + 3", {10, 4, 3}, 5, "That makes 3, not 5.", nullptr},
        {"19 + 2 / 4", {19, 2, 4}, 19, "That makes 39/2, not 19.", nullptr},
        {"8 / 2 * (3 - 3)", {8, 2, 3, 3}, 1, "That divides by zero, and an answer that divides by zero never counts.", nullptr},
    };
    for (const Case& c : cases) {
        const AnswerCheck r = CheckAnswer(U16(c.text), c.cards, c.answer);
        ASSERT_EQ(r.error.kind, AnswerError::Kind::None) << c.text;
        EXPECT_FALSE(r.solves && c.sentence) << c.text;
        std::string sentence;
        if (c.sentence) {
            sentence = *c.sentence;
            sentence.replace(sentence.find("%1"), 2, std::to_string(c.answer));
        }
        EXPECT_EQ(U8(r.rightAtSchool), sentence) << c.text;
        EXPECT_EQ(U8(r.verdict), sentence.empty() ? std::string(c.verdict) : std::string(c.verdict) + " " + sentence) << c.text;
        // In the school order the same text is judged there, with nothing more to say.
        const AnswerCheck school = CheckAnswer(U16(c.text), c.cards, c.answer, OperatorOrder::School);
        EXPECT_TRUE(school.rightAtSchool.empty()) << c.text;
        EXPECT_EQ(U8(school.verdict).find("At school"), std::string::npos) << c.text;
        if (c.sentence) {
            EXPECT_TRUE(school.solves) << c.text;
        }
    }
}
