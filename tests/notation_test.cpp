// The notation's display form: what the player reads of the computer's texts.
#include <gtest/gtest.h>

#include "expr/eval.h"
#include "expr/notation.h"
#include "text_util.h"

namespace {

TEST(DisplayFormTest, ShortensOnlyCardCodes) {
    struct Case { const char* internal; const char* display; };
    const Case cases[] = {
        {"05#(03x07)~02 = 24", "5 + (3 * 7) - 2 = 24"},
        {"10÷20x50 = 0.01", "10 / 20 * 50 = 0.01"},
        {"05x60 = 300", "5 * 60 = 300"},
        {"41#02.05 = 43.05", "41 + 02.05 = 43.05"},  // joined to a fraction: not a code
        {"01÷1E-05 = 100000", "1 / 1E-05 = 100000"},
        {"0.05x09 = 0.45", "0.05 * 9 = 0.45"},
        {"(09)#-3 = 6", "(9) + -3 = 6"},
        {"07÷00 = 7E+15", "7 / 0 = 7E+15"},
        {"05", "5"},                    // a code alone, at both ends of the text
        {"005#01", "005 + 1"},          // three digits are a number, not a code
        {"1E+05#03", "1E+05 + 3"},      // an exponent's digits after its sign stay
        {"012", "012"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(U8(DisplayForm(U16(c.internal))), c.display) << c.internal;
}

TEST(DisplayFormTest, SpellsEveryOperatorOnceAndLeavesTheRest) {
    // Each of the notation's operators has one spelling; brackets, digits, signs and
    // anything else pass through as they are.
    struct Case { char16_t op; const char* spelled; };
    const Case cases[] = {{u'#', " + "}, {u'~', " - "}, {u'x', " * "}, {DivideSign, " / "}};
    ASSERT_EQ(std::size(cases), OpChars.size());
    for (const Case& c : cases) {
        EXPECT_NE(OpChars.find(c.op), std::u16string_view::npos) << U8(std::u16string(1, c.op));
        EXPECT_EQ(U8(DisplayForm(std::u16string(u"12") + c.op + u"34")), std::string("12") + c.spelled + "34");
        EXPECT_EQ(U8(DisplayForm(std::u16string(u"(12") + c.op + c.op + u"-3)")), std::string("(12") + c.spelled + c.spelled + "-3)");
    }
    EXPECT_EQ(U8(DisplayForm(u"(12)=-7.5E-05 ?")), "(12)=-7.5E-05 ?");
}

}  // namespace
