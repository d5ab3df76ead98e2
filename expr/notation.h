// The expression notation's characters and its display form.
//
// An attempt is written with two-digit card codes ("05"), the operator characters "#" (add),
// "~" (subtract), "x" (multiply) and U+00F7 (divide), and "(" and ")"; computed values are
// written by WriteNumber (expr/eval.h). The display form is what the player reads: operators
// spelled " + ", " - ", " * ", " / " and card codes without their leading zero.
#pragma once

#include <string>
#include <string_view>

inline constexpr char16_t DivideSign = u'\u00F7';
inline constexpr std::u16string_view OpChars = u"#x\u00F7~";

// The player's form of a text in the notation: operators spelled " + ", " - ", " * ", " / "
// and two-digit card codes with a leading zero shortened ("05" -> "5"); computed values untouched.
std::u16string DisplayForm(std::u16string text);
