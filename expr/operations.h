// The operations a puzzle may be answered with: all four, + and − only, or +, − and ×.
//
// A teacher narrows them for a class that has not met × or ÷ yet. Every rule that judges or
// deals answers (the player's solver, the level, Deal, the board, the answer check, Hint, the
// worksheets and the computer's search) takes one of these, all four unless told; with all
// four each behaves exactly as it did before the choice existed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The numbers are those a worksheet code stores: never renumber them.
enum class AllowedOperations { All = 0, AddSubtract = 1, AddSubtractMultiply = 2 };
inline constexpr AllowedOperations EveryAllowedOperations[] = {AllowedOperations::All, AllowedOperations::AddSubtract,
                                                               AllowedOperations::AddSubtractMultiply};

// + and − are always allowed; these say whether × and ÷ are.
constexpr bool AllowsMultiply(AllowedOperations ops) { return ops != AllowedOperations::AddSubtract; }
constexpr bool AllowsDivide(AllowedOperations ops) { return ops == AllowedOperations::All; }
// An operator character of the game's notation (# ~ x and the divide sign) or of a person's
// text (+ - * /), or anything else (false).
bool AllowsOperator(AllowedOperations ops, char16_t op);

// The signs a person reads (UTF-8): "+ − × ÷", "+ −", "+ − ×".
std::string OperationsText(AllowedOperations ops);
// The same in plain characters, as the command line takes it: "all", "+-", "+-*".
std::string OperationsArgument(AllowedOperations ops);
// A choice typed as the command line takes it: "all", or the signs of the operations in any
// order ("+-", "+-*", "+-x", "+-*/", also with the signs × ÷ −); spaces are ignored. Nothing
// for any other set of operations, or anything else.
std::optional<AllowedOperations> ParseOperations(std::string_view text);
