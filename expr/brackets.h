// Random bracket forms for a search attempt.
//
// The input is the spaced layout of N cards: "dd o " per card with the last operator and
// its space cut off, 5N-2 characters. Character 5k (1-based) is the slot before card k+1,
// where "(" may go, and 5k+3 the slot after card k+1, where ")" may go. Each of the Pairs
// passes draws r = RandomInt(Pairs, 1) and then r2 = RandomInt(Pairs, 1) + 1 until r2 >= r,
// and brackets cards r+1..r2+1 by marking the slots with letters ("a", "b"... for one, two...
// "(", and "A", "B"... for ")"). The letters are then rewritten into brackets. The first and
// last cards are never bracketed, every pass nests or sits beside the others, so the result
// always balances. Five cards give nine forms, six 85 and seven 889.
#pragma once

#include <cstdint>
#include <string>

// Puts Pairs bracket pairs into Expr in place (Pairs <= 0: unchanged, nothing drawn) and
// returns the result. Pairs larger than the layout has room for is cut to what fits.
std::u16string PlaceBrackets(std::u16string& Expr, int16_t Pairs);
