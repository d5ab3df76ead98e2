// The evaluator: operator order, 15-digit rewriting, breakdown lines, number text, bad input.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <iomanip>
#include <limits>
#include <optional>
#include <random>
#include <sstream>

#include "engine/globals.h"
#include "expr/eval.h"
#include "player/fraction.h"
#include "text_util.h"

namespace {

struct Evaluated {
    double value;
    std::string written;  // the text left in place
    std::string lines;    // breakdown lines joined by " | "
};

Evaluated Eval(const std::string& text, OperatorOrder order = OperatorOrder::Game) {
    Breakdown.clear();
    std::u16string expr = U16(text);
    bool zero = false;
    double value = EvalExpr(expr, zero, order);
    std::string lines = U8(Breakdown);
    std::string joined;
    for (std::size_t at = 0; (at = lines.find("\r\n", at)) != std::string::npos;) {
        std::size_t next = lines.find("\r\n", at + 2);
        if (!joined.empty()) joined += " | ";
        joined += lines.substr(at + 2, next == std::string::npos ? std::string::npos : next - at - 2);
        at += 2;
    }
    return {value, U8(expr), joined};
}

std::string Written(double v) { return U8(WriteNumber(v)); }

}  // namespace

TEST(EvalExpr, AppliesTheGameOperatorOrder) {
    struct Case { const char* expr; double value; const char* lines; };
    const Case cases[] = {
        {"08÷02x02", 2, "08÷02x02 = 2"},        // multiplication before division
        {"05~02#01", 2, "05~02#01 = 2"},        // addition before subtraction
        {"10~04~03", 3, "10~04~03 = 3"},
        {"12÷03÷02", 2, "12÷03÷02 = 2"},
        {"07#03x02~05÷05", 12, "07#03x02~05÷05 = 12"},
        {"02#(01~04)x02", -4, "01~04 = -3 | 02#-3x02 = -4"},
        {"(01#02)x(03#04)", 21, "01#02 = 3 | 03#04 = 7 | 3x7 = 21"},
        {"05~(01~04)", 8, "01~04 = -3 | 05~-3 = 8"},
        {"(03~03)÷(02~02)", 0, "03~03 = 0 | 02~02 = 0 | 0÷0 = 0"},
        {"07", 7, ""},
        {"(07)", 7, ""},
        {"01#((02#03))#04", 10, "02#03 = 5 | 01#5#04 = 10"},
        {"01#(02#(03x(04~05)))", 0, "04~05 = -1 | 03x-1 = -3 | 02#-3 = -1 | 01#-1 = 0"},
    };
    for (const Case& c : cases) {
        Evaluated e = Eval(c.expr);
        EXPECT_EQ(e.value, c.value) << c.expr;
        EXPECT_EQ(e.lines, c.lines) << c.expr;
        if (*c.lines) {  // with no operator the text is kept as it was
            EXPECT_EQ(e.written, Written(c.value)) << c.expr;
        }
    }
}

// The same texts in both orders: the game's (x, divide, +, - each a pass) and the school's
// (x and divide together, then + and - together, each left to right).
TEST(EvalExpr, ReadsTheSameTextsInTheGamesOrderAndTheSchoolOrder) {
    struct Case { const char* expr; double game, school; const char* schoolLines; };
    const Case cases[] = {
        {"10~04#03", 3, 9, "10~04#03 = 9"},
        {"08÷02x02", 2, 8, "08÷02x02 = 8"},
        {"02x03÷04x05", 0.3, 7.5, "02x03÷04x05 = 7.5"},
        {"05~02#01", 2, 4, "05~02#01 = 4"},
        {"05~(10~(04#09))#07", 1, 15, "04#09 = 13 | 10~13 = -3 | 05~-3#07 = 15"},
        {"07#03x02~05÷05", 12, 12, "07#03x02~05÷05 = 12"},
        {"(08÷03)x03", 8.00000000000001, 8.00000000000001, "08÷03 = 2.66666666666667 | 2.66666666666667x03 = 8.00000000000001"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Eval(c.expr).value, c.game) << c.expr;
        const Evaluated school = Eval(c.expr, OperatorOrder::School);
        EXPECT_EQ(school.value, c.school) << c.expr;
        EXPECT_EQ(school.lines, c.schoolLines) << c.expr;
    }
    std::u16string zero = U16("05÷(03~03)#02");
    bool divided = false;
    EvalQuiet(zero, divided, OperatorOrder::School);
    EXPECT_TRUE(divided);
}

// The school order against a textbook evaluator (recursive descent, exact fractions) on random
// expressions: wherever every value on the way is whole, the two must agree exactly.
TEST(EvalExpr, SchoolOrderIsTheTextbooksOnRandomExpressions) {
    const uint32_t seed = 1207;
    std::mt19937 gen(seed);
    int compared = 0;
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        const int n = 3 + static_cast<int>(gen() % 5);
        int open = 0;
        for (int k = 0; k < n; ++k) {
            if (k + 1 < n && gen() % 4 == 0) {
                text += "(";
                ++open;
            }
            const int card = 1 + static_cast<int>(gen() % 30);
            if (card < 10) text += '0';
            text += std::to_string(card);
            if (open > 0 && gen() % 3 == 0) {
                text += ")";
                --open;
            }
            if (k + 1 < n) text += std::string_view("#~x/")[gen() % 4] == '/' ? "\u00F7" : std::string(1, "#~x"[gen() % 3]);
        }
        text.append(static_cast<std::size_t>(open), ')');
        // The textbook: sum := term (("#" | "~") term)*, term := factor (("x" | divide) factor)*,
        // factor := number | "(" sum ")"; in fractions, noting whether any value was not whole.
        const std::string divide = "\u00F7";
        std::size_t at = 0;
        bool whole = true;
        std::function<std::optional<Fraction>()> sum, term, factor;
        auto check = [&](std::optional<Fraction> v) {
            if (!v || !v->IsWhole()) whole = false;
            return v;
        };
        factor = [&]() -> std::optional<Fraction> {
            if (text[at] == '(') {
                ++at;
                const auto v = sum();
                ++at;  // ")"
                return v;
            }
            const int v = std::stoi(text.substr(at, 2));
            at += 2;
            return Fraction(v);
        };
        term = [&]() -> std::optional<Fraction> {
            auto v = factor();
            while (v && at < text.size() && (text[at] == 'x' || text.compare(at, divide.size(), divide) == 0)) {
                const bool times = text[at] == 'x';
                at += times ? 1 : divide.size();
                const auto f = factor();
                if (!f) return std::nullopt;
                v = check(times ? v->Times(*f) : v->Divided(*f));
            }
            return v;
        };
        sum = [&]() -> std::optional<Fraction> {
            auto v = term();
            while (v && at < text.size() && (text[at] == '#' || text[at] == '~')) {
                const bool plus = text[at++] == '#';
                const auto t = term();
                if (!t) return std::nullopt;
                v = check(plus ? v->Plus(*t) : v->Minus(*t));
            }
            return v;
        };
        const std::optional<Fraction> exact = sum();
        if (!exact || !whole) continue;  // a fraction or a zero divisor on the way: 15 digits decide
        ++compared;
        const double expected = static_cast<double>(exact->Num());
        ASSERT_EQ(Eval(text, OperatorOrder::School).value, expected) << text << " seed " << seed;
    }
    EXPECT_GT(compared, 2000);
}

TEST(EvalExpr, CarriesFifteenDigitsBetweenOperations) {
    // Rounded intermediate: 8/3 is written 2.66666666666667 and read back.
    Evaluated e = Eval("(08÷03)x03");
    EXPECT_EQ(e.lines, "08÷03 = 2.66666666666667 | 2.66666666666667x03 = 8.00000000000001");
    EXPECT_NE(e.value, 8.0);
    EXPECT_EQ(e.value, 2.66666666666667 * 3);  // the last result as computed, not re-read

    e = Eval("01#(08÷03)x03");
    EXPECT_EQ(e.written, "9.00000000000001");
    EXPECT_NE(e.value, 9.0);
}

TEST(EvalExpr, ZeroDivisorBecomesTenToMinusFifteen) {
    Evaluated e = Eval("07÷00");
    EXPECT_EQ(e.value, 7 / 1e-15);
    EXPECT_EQ(e.lines, "07÷00 = 7E+15");

    e = Eval("(07÷00)#01");  // exponent form read back with its exponent
    EXPECT_EQ(e.lines, "07÷00 = 7E+15 | 7E+15#01 = 7E+15");
    EXPECT_EQ(e.value, 7e15 + 1);

    e = Eval("(01~50)÷(02~02)x03");
    EXPECT_EQ(e.written, "-4.9E+16");
}

// A zero divisor keeps the value and the lines, but the evaluation says it happened, and the
// hit rule turns such an attempt down even where the huge quotient cancels out again.
TEST(EvalExpr, ReportsEveryZeroDivisorAndTheHitRuleRefusesIt) {
    struct Case { const char* expr; double value; bool zero; };
    const Case cases[] = {
        {"01÷(19÷(07~07))#19", 19, true},  // 19÷1E-15, then 1 over that, lost against 19
        {"(07~07)÷(05~05)", 0, true},
        {"07÷00", 7 / 1e-15, true},
        {"(01÷(02~02))x00", 0, true},       // inside a bracket group, then multiplied away
        {"00÷05", 0, false},                 // a zero dividend is ordinary
        {"08÷02x02", 2, false},
        {"05#(03x07)~02", 24, false},
    };
    for (const Case& c : cases) {
        Breakdown.clear();
        std::u16string text = U16(c.expr);
        bool zero = !c.zero;
        EXPECT_EQ(EvalExpr(text, zero), c.value) << c.expr;
        EXPECT_EQ(zero, c.zero) << c.expr;
        const std::string lines = U8(Breakdown);
        Evaluated plain = Eval(c.expr);  // the one-argument form: same value, same lines
        EXPECT_EQ(plain.value, c.value) << c.expr;
        EXPECT_EQ(plain.written, U8(text)) << c.expr;
        EXPECT_EQ(IsHit(c.value, zero, static_cast<int>(c.value)), !c.zero) << c.expr;
    }
    EXPECT_EQ(Eval("01÷(19÷(07~07))#19").lines, "07~07 = 0 | 19÷0 = 1.9E+16 | 01÷1.9E+16#19 = 19");

    EXPECT_TRUE(IsHit(9.0, false, 9));
    EXPECT_FALSE(IsHit(8.999999999999998, false, 9));  // written 9 to 15 digits, yet no hit
    EXPECT_FALSE(IsHit(9.00000000000001, false, 9));
    EXPECT_FALSE(IsHit(9.0, true, 9));
    EXPECT_FALSE(IsHit(-9.0, false, 9));
}

TEST(EvalExpr, ReplaysTheIndependentTable) {
    std::ifstream in(PELORAND_TEST_DATA "/eval.tsv");
    ASSERT_TRUE(in) << "missing test data eval.tsv";
    std::string line;
    std::getline(in, line);  // column names
    int rows = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string expr, value, lines;
        std::getline(fields, expr, '\t');
        std::getline(fields, value, '\t');
        std::getline(fields, lines, '\t');
        Evaluated e = Eval(expr);
        EXPECT_EQ(Written(e.value), value) << expr;
        EXPECT_EQ(e.lines, lines) << expr;
        ++rows;
    }
    EXPECT_EQ(rows, 600);
}

TEST(NumberText, WritesGeneralFormatWithFifteenDigits) {
    struct Case { double v; const char* text; };
    const Case cases[] = {
        {7, "7"}, {2.5, "2.5"}, {-3, "-3"}, {8.0 / 3, "2.66666666666667"},
        {0.0, "0"}, {-0.0, "0"}, {7e15, "7E+15"}, {1e-15, "1E-15"}, {-4.9e16, "-4.9E+16"},
        {999999999999999, "999999999999999"}, {1e15, "1E+15"}, {0.0001, "0.0001"},
        {0.00001, "1E-05"}, {1.0 / 3 * 1e-6, "3.33333333333333E-07"}, {123456.5, "123456.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(Written(c.v), c.text) << c.v;
}

// The writer is printf's %.15G on every double, ties and carries too ("0" for minus zero).
TEST(NumberText, WritesExactlyWhatPrintfFifteenWrites) {
    auto printf15 = [](double v) {
        char buf[40];
        std::string text(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15).ptr);
        for (char& c : text) c = c == 'e' ? 'E' : c;
        return text == "-0" ? std::string("0") : text;
    };
    const uint64_t seed = 4242;
    std::mt19937_64 gen(seed);
    std::vector<double> values = {0.5, 1e-5, 9.5e-5, 1e-4, 999999999999999.5, 999999999999999.4, 9.999999999999995,
                                  0.1 + 0.2, 1.0 / 3, 2.0 / 3, 8.0 / 3 * 3, 1e15 + 0.5, 123456789012345.67, 6.40460427332594e-311, 2.2250738585072014e-308};
    for (int i = 0; i < 300000; ++i) {
        uint64_t bits = gen();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
        values.push_back(static_cast<double>(gen() % 100000) / static_cast<double>(1 + gen() % 99999));
        values.push_back(std::ldexp(static_cast<double>(gen() >> 11), -static_cast<int>(gen() % 80)));
    }
    for (double v : values) ASSERT_EQ(Written(v), printf15(v)) << std::hexfloat << v << " seed " << seed;
}

TEST(NumberText, ReadsBackEverythingWritten) {
    std::mt19937_64 gen(20261207);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        double v = mantissa(gen) * std::pow(10.0, exponent(gen));
        std::u16string text = WriteNumber(v);
        double back = ReadNumber(text);
        EXPECT_EQ(WriteNumber(back), text) << U8(text);  // stable once written
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << U8(text);
    }
    EXPECT_EQ(ReadNumber(u"7E+15"), 7e15);
    EXPECT_EQ(ReadNumber(u"1E-15"), 1e-15);
    EXPECT_EQ(ReadNumber(u"-3#2"), -3);       // stops at an operator
    EXPECT_EQ(ReadNumber(u"+4.5x"), 4.5);
    EXPECT_EQ(ReadNumber(u"2E"), 2);           // exponent without digits is not part of it
    EXPECT_EQ(ReadNumber(u""), 0);
    EXPECT_EQ(ReadNumber(u"-"), 0);
    EXPECT_EQ(ReadNumber(u"."), 0);

    // Runs of any length read whole: leading zeros, and digits past any buffer.
    const std::u16string zeros(55, u'0');
    EXPECT_EQ(ReadNumber(zeros + u"1162183367"), 1162183367.0);
    EXPECT_EQ(ReadNumber(zeros + u"1162183367#01"), 1162183367.0);
    EXPECT_EQ(ReadNumber(u"-" + zeros + u"2.5E+1"), -25.0);
    EXPECT_EQ(ReadNumber(u"1" + std::u16string(70, u'0')), 1e70);
    EXPECT_EQ(Eval(U8(zeros) + "1162183367#01").value, 1162183368.0);
}

// Rounded takes a shortcut past the text; it must give the very double the text reads back as,
// for the values the game makes (quotients and products of cards), at every magnitude, and at
// the halfway digits where the shortcut has to hand over to the text.
TEST(NumberText, RoundedIsExactlyTheTextReadBack) {
    auto viaText = [](double v) { return ReadNumber(WriteNumber(v)); };
    auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    std::mt19937_64 gen(4242);
    std::uniform_int_distribution<int> card(1, 99);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-20, 20);
    for (int i = 0; i < 300000; ++i) {
        double v;
        switch (i % 4) {
        case 0: v = static_cast<double>(card(gen)) / card(gen) / card(gen) * card(gen); break;
        case 1: v = mantissa(gen) * std::pow(10.0, exponent(gen)); break;
        case 2: v = (card(gen) - 50.0) / card(gen) + card(gen) * 1e6; break;
        default: {  // exactly halfway and a hair either side, 15 digits in
            const double digits = std::floor(mantissa(gen) * 1e13) + 0.5;
            v = std::nextafter(digits / std::pow(10.0, card(gen) % 20), i % 3 ? 1e300 : -1e300);
            if (i % 5 == 0) v = digits / 1e10;
        }
        }
        ASSERT_TRUE(same(Rounded(v), viaText(v))) << std::setprecision(17) << v;
    }
    for (double v : {0.0, -0.0, 1e-15, 7e15, 1e14 + 0.5, 99999999999999.95, 0.1, 1.0 / 3, -2.0 / 3, 1e300})
        EXPECT_TRUE(same(Rounded(v), viaText(v))) << v;
}

TEST(CharSearch, CountsFromEitherEnd) {
    EXPECT_EQ(FindFirstOf(u"05#03x02", OpChars), 3);
    EXPECT_EQ(FindFirstOf(u"0503", OpChars), 0);
    EXPECT_EQ(FindFirstOf(u"", OpChars), 0);
    EXPECT_EQ(FindLastOfFromEnd(u"05#03x02", OpChars), 3);
    EXPECT_EQ(FindLastOfFromEnd(u"05#03x", OpChars), 1);
    EXPECT_EQ(FindLastOfFromEnd(u"0503", OpChars), 0);
}

TEST(EvalExpr, SurvivesMalformedText) {
    const char* texts[] = {
        "(", ")", "()", ")(", "((", "))05", "(05", "05)", "05#", "#05", "x", "÷÷", "05##03",
        "05x)(03", "(()", "abc", "05 # 03", "--5", "1E+", "E5x2", "(05#(03", "5.5.5x2",
        "99999999999999999999999999999x99999999999999999999999999", "1E308x1E308", "1E308x1E308~1E308x1E308",
    };
    for (const char* t : texts) {
        Evaluated e = Eval(t);
        (void)e;  // reaching here is the point: no crash, no hang
    }
    EXPECT_EQ(Eval("(05#03").value, 8);   // an unclosed group runs to the end
    EXPECT_EQ(Eval("05#03)x02").value, 11);  // a stray ")" is dropped

    std::string longText;
    for (int i = 0; i < 3000; ++i) longText += "(01#";
    Evaluated e = Eval(longText);  // over the length limit: not evaluated
    EXPECT_EQ(e.value, 0);
    std::string deep;
    for (int i = 0; i < 400; ++i) deep += "(";
    deep += "02";
    for (int i = 0; i < 400; ++i) deep += ")";
    EXPECT_EQ(Eval(deep).value, 2);
}
