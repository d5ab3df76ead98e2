// The bracket forms the search can make for n cards, and their classes of equal value.
// Shared by the attempt walk and the counter by value.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

inline constexpr int MaxCards = 7;

// One bracket form as counts: "(" before card k and ")" after card k (0-based k).
struct Form {
    std::array<uint8_t, MaxCards> open{}, close{};
    bool operator<(const Form& o) const { return std::tie(open, close) < std::tie(o.open, o.close); }
};

// Every form PlaceBrackets can make for n cards, in a fixed order.
std::vector<Form> MakeForms(int n);

// An attempt text of a form with its cards and one operator a gap.
std::u16string FormText(const Form& f, int n, const int* cards, const char16_t* ops);

// The groups that matter: spans of two cards or more, each once. Forms with the same set have
// the same value for every card order and operator.
struct BracketClass {
    std::vector<std::pair<int, int>> groups;  // first and last card (0-based) of each group
    Form shape;                               // the groups that matter, as counts
    std::vector<Form> forms;                  // every form of the class, in form order
};

// The classes for n cards, in the order of their first form.
std::vector<BracketClass> MakeClasses(int n);
