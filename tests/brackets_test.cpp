// Bracket forms: draw order, the nine five-card forms, their odds, and the form counts.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "draws.h"
#include "engine/globals.h"
#include "expr/brackets.h"
#include "text_util.h"

namespace {

// Spaced layout of cards 01..0n joined by "#".
std::u16string Layout(int n) {
    std::u16string text;
    for (int k = 1; k <= n; ++k) {
        text += u'0';
        text += static_cast<char16_t>(u'0' + k);
        text += u" # ";
    }
    text.resize(text.size() - 2);
    return text;
}

std::string Form(std::u16string text) {
    std::erase(text, u' ');
    return U8(text);
}

// Every result reachable with n cards, by scripting every pair of draws of every pass.
std::set<std::string> AllForms(int n) {
    const int pairs = n - 3;
    std::vector<std::pair<int, int>> spans;  // (r, r2) as the draws can end
    for (int r = 1; r <= pairs; ++r)
        for (int r2 = std::max(r, 2); r2 <= pairs + 1; ++r2) spans.emplace_back(r, r2);
    std::set<std::string> forms;
    std::vector<std::size_t> pick(pairs, 0);
    for (;;) {
        std::vector<float> draws;
        for (int pass = 0; pass < pairs; ++pass) {
            draws.push_back(DrawFor(spans[pick[pass]].first, pairs));
            draws.push_back(DrawFor(spans[pick[pass]].second - 1, pairs));
        }
        ScriptRandom(draws);
        std::u16string text = Layout(n);
        forms.insert(Form(PlaceBrackets(text, static_cast<int16_t>(pairs))));
        EXPECT_EQ(ScriptedLeft(), 0u);
        int at = 0;
        while (at < pairs && ++pick[at] == spans.size()) pick[at++] = 0;
        if (at == pairs) break;
    }
    return forms;
}

}  // namespace

TEST(PlaceBrackets, ThreeCardsDrawNothingAndFourAlwaysBracketTheMiddle) {
    ScriptRandom({0.9f, 0.9f});
    std::u16string text = Layout(3);
    EXPECT_EQ(PlaceBrackets(text, 0), Layout(3));
    EXPECT_EQ(ScriptedLeft(), 2u);

    SeedRandom(4);
    ScriptRandom({});
    for (int i = 0; i < 50; ++i) {
        std::u16string four = u"07 # 03 x 05 ~ 02 ";
        EXPECT_EQ(U8(PlaceBrackets(four, 1)), "07 #(03 x 05)~ 02 ");
        EXPECT_EQ(four, PlaceBrackets(four, 0));  // the argument itself is changed too
    }
}

TEST(PlaceBrackets, RedrawsTheClosingSlotUntilItFollowsTheOpening) {
    // Six cards: r = 3, then r2 = 2 (too early, drawn again), then r2 = 4; two more passes.
    ScriptRandom({DrawFor(3, 3), DrawFor(1, 3), DrawFor(3, 3),
                  DrawFor(1, 3), DrawFor(1, 3), DrawFor(1, 3), DrawFor(1, 3)});
    std::u16string text = Layout(6);
    EXPECT_EQ(Form(PlaceBrackets(text, 3)), "01#((02#03))#(04#05)#06");
    EXPECT_EQ(ScriptedLeft(), 0u);
}

TEST(PlaceBrackets, FiveCardsReachNineFormsWithTheirOdds) {
    const std::map<std::string, double> expected = {
        {"01#(02#(03)#04)#05", 1.0 / 4},  {"01#((02#03)#04)#05", 1.0 / 8},
        {"01#(02#(03))#04#05", 1.0 / 8},  {"01#(02#(03#04))#05", 1.0 / 8},
        {"01#02#((03)#04)#05", 1.0 / 8},  {"01#((02#03))#04#05", 1.0 / 16},
        {"01#((02#03#04))#05", 1.0 / 16}, {"01#02#((03))#04#05", 1.0 / 16},
        {"01#02#((03#04))#05", 1.0 / 16},
    };
    std::set<std::string> reached = AllForms(5);
    std::set<std::string> wanted;
    for (const auto& [form, odds] : expected) wanted.insert(form);
    EXPECT_EQ(reached, wanted);

    ScriptRandom({DrawFor(1, 2), DrawFor(1, 2), DrawFor(1, 2), DrawFor(2, 2)});
    std::u16string text = Layout(5);
    EXPECT_EQ(Form(PlaceBrackets(text, 2)), "01#((02#03)#04)#05");

    const uint32_t seed = 77;
    SeedRandom(seed);
    ScriptRandom({});
    const int runs = 64000;
    std::map<std::string, int> seen;
    for (int i = 0; i < runs; ++i) {
        std::u16string t = Layout(5);
        ++seen[Form(PlaceBrackets(t, 2))];
    }
    for (const auto& [form, odds] : expected)
        EXPECT_NEAR(seen[form] / double(runs), odds, 0.01) << form << " seed " << seed;
    EXPECT_EQ(seen.size(), expected.size());
}

TEST(PlaceBrackets, SixAndSevenCardsGiveAllTheirForms) {
    std::set<std::string> six = AllForms(6);
    EXPECT_EQ(six.size(), 85u);
    std::set<std::string> seven = AllForms(7);
    EXPECT_EQ(seven.size(), 889u);
    for (const std::string& form : seven) {  // balanced, first and last card outside
        int depth = 0;
        for (char c : form) {
            depth += c == '(' ? 1 : c == ')' ? -1 : 0;
            ASSERT_GE(depth, 0) << form;
        }
        EXPECT_EQ(depth, 0) << form;
        EXPECT_EQ(form.substr(0, 3), "01#") << form;
        EXPECT_EQ(form.substr(form.size() - 3), "#07") << form;
    }
}
