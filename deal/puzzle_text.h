// A puzzle written as text, as a teacher writes it on the board or Copy puts it on the clipboard:
// "3 9 3 9 = 17", "3, 9, 3, 9 -> 17", "Solve: 3, 9, 3, 9 => 17".
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct PuzzleRead {
    std::vector<int> cards;  // the face cards, left to right
    int answer = 0;          // the answer card
    std::string error;       // empty when the text is a puzzle; else a sentence that says why not

    bool Ok() const { return error.empty(); }
};

// 3 to 7 face cards and one answer card, each a whole number from 1 to 99; the cards separated
// by spaces or commas; before the answer card "=", "=>", "->" or an arrow; "Solve:" in front
// and spaces anywhere are allowed.
PuzzleRead ReadPuzzleText(std::string_view text);

// The plain form ReadPuzzleText reads: "3 9 3 9 = 17".
std::string PlainPuzzleText(const std::vector<int>& cards, int answer);
