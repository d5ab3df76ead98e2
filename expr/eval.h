// The expression notation, its rewriting evaluator and the number writer and reader.
//
// An attempt is a text over two-digit card codes and the operator characters
// "#" (add), "~" (subtract), "x" (multiply), U+00F7 (divide) with "(" and ")". "-" is never
// an operator; it only signs a number. EvalExpr works by rewriting the text in place:
//   1. Each innermost bracket group (the first ")" and the last "(" before it) is evaluated
//      on its own and replaced by the written form of its value, until no "(" is left.
//   2. Then one pass per operator in the fixed order x, divide, #, ~ replaces the first
//      occurrence of that operator with its two operands by the written result, again and
//      again, so equal operators go left to right. Precedence is therefore unusual:
//      08÷02x02 is 2 and 05~02#01 is 2.
//   3. Every value written back has at most 15 significant digits (WriteNumber) and is read
//      again for the next operation, so intermediate results are rounded: (08÷03)x03 is
//      8.00000000000001. Only the last operation's result is returned unrounded.
// A zero divisor becomes 1E-15, so every text has a finite value; but the huge quotient can be
// cancelled again ((01÷(19÷(07~07)))#19 is exactly 19), so the evaluation also reports that it
// divided by zero, and such an attempt never counts as a hit (IsHit). Each evaluation that
// does at least one operation appends CR LF, the bracket-free text, " = " and the result to
// Breakdown.
//
// Malformed text never crashes or hangs: a ")" with no "(" before it is dropped, a "(" with
// no ")" runs to the end, missing operands read as 0, and texts longer than MaxExprLength are
// not evaluated (the value is 0). Only the search's texts have a defined value.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "expr/notation.h"

inline constexpr std::size_t MaxExprLength = 4096;

// Which operators a pass takes. The game's own order: x, then divide, then #, then ~, each
// pass left to right. The order taught at school: x and divide together left to right, then
// # and ~ together left to right. Everything else (brackets first, 15 digits between steps,
// the breakdown lines) is the same in both.
enum class OperatorOrder { Game, School };

// Reduces Expr in place to the written form of its value and returns the value.
double EvalExpr(std::u16string& Expr);
// The same, and DividedByZero tells whether any division met a zero divisor on the way.
double EvalExpr(std::u16string& Expr, bool& DividedByZero);
// The same in either order.
double EvalExpr(std::u16string& Expr, bool& DividedByZero, OperatorOrder order);

// EvalExpr without its breakdown lines: it touches no shared state, so a worker thread may
// call it. The very same code, so the same value to the last bit.
double EvalQuiet(std::u16string& Expr, bool& DividedByZero, OperatorOrder order = OperatorOrder::Game);

// What value becomes once written into the text and read back (15 significant digits).
double Rounded(double value);

// The game's one hit rule, for the search and everything else that judges an attempt: the
// value EvalExpr returned equals the answer card exactly, as doubles (8.999999999999998 is not
// 9, though the status bar writes it so), and the attempt never divided by zero.
bool IsHit(double value, bool dividedByZero, int answerCard);

// 1-based position of the first character of Text that is in CharSet; 0 if none.
int FindFirstOf(std::u16string_view Text, std::u16string_view CharSet);

// Position, counted from the end (1 = last character), of the last character of Text that
// is in CharSet; 0 if none.
int FindLastOfFromEnd(std::u16string_view Text, std::u16string_view CharSet);

// General format, 15 significant digits, "." always, no trailing zeros, exponent form as
// 7E+15 and 1E-15, "0" for both zeros.
std::u16string WriteNumber(double value);

// Reads a number (sign, digits, ".", fraction, exponent) from the start of text; stops at
// the first character that cannot continue it; no digits read as 0.
double ReadNumber(std::u16string_view text);
