// The core's texts: places filled in, English plurals, and a translator installed and removed.
#include <gtest/gtest.h>

#include "lang/translate.h"

TEST(Lang, FillsPlacesInOrderAndLeavesTheRest) {
    using lang::Args;
    EXPECT_EQ(Args("Card %1 is used %2 times", {"7", "3"}), "Card 7 is used 3 times");
    EXPECT_EQ(Args("%2 before %1", {"a", "b"}), "b before a");  // word order is the translator's
    EXPECT_EQ(Args("%1%", {"50"}), "50%");
    EXPECT_EQ(Args("%1 and %3", {"x"}), "x and %3");  // a place with no argument stays
    EXPECT_EQ(Args("%1", {"%2"}), "%2");              // an argument is never read again
}

TEST(Lang, EnglishSpellsItsPluralsAndATranslatorTakesOver) {
    EXPECT_EQ(lang::translate("Verdict", "%n answer(s)", nullptr, 1), "1 answer");
    EXPECT_EQ(lang::translate("Verdict", "%n answer(s)", nullptr, 0), "0 answers");
    EXPECT_EQ(lang::translate("Verdict", "No solution"), "No solution");

    lang::Install([](const char* context, const char* source, const char*, int n) -> std::string {
        if (std::string(context) == "Verdict" && n >= 0) return n == 1 ? "%n Lösung" : "%n Lösungen";
        return std::string("<") + source + ">";
    });
    lang::InstallNumbers([](int64_t v) { return v == 1234 ? std::string("1.234") : std::to_string(v); });
    EXPECT_EQ(lang::translate("Verdict", "%n answer(s)", nullptr, 1234), "1.234 Lösungen");
    EXPECT_EQ(lang::translate("Verdict", "%n answer(s)", nullptr, 1), "1 Lösung");
    EXPECT_EQ(lang::translate("Deck", "Text"), "<Text>");
    EXPECT_EQ(lang::Number(1234), "1.234");
    lang::Install(nullptr);
    lang::InstallNumbers(nullptr);
    EXPECT_EQ(lang::translate("Deck", "Text"), "Text");
    EXPECT_EQ(lang::Number(1234), "1234");
}
