// Today's puzzle: fixed by the date alone, so that everyone who plays on that day, on any
// machine, gets the same one (for the same number of face cards).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "expr/operations.h"

struct DayPuzzle {
    std::vector<int> cards;  // the face cards, left to right
    int answer = 0;
    int level = 0;           // 1..5
};

// The puzzle of the day year-month-day with faceCards (3..7) cards: dealt from a deck shuffled
// by the date (highest card 25), the first with an answer at level 3, the middle one (or, if
// a whole search finds none, the first with an answer). Nothing for a date that does not
// exist or a card count out of range. The game's own deals go on as if it had not been made.
// ops: the puzzle has an answer with them, and its level rates those answers.
std::optional<DayPuzzle> PuzzleOfTheDay(int year, int month, int day, int faceCards, AllowedOperations ops = AllowedOperations::All);

// "2026-12-07" as year, month and day; false when it is not a date in that form.
bool ReadIsoDate(const std::string& text, int& year, int& month, int& day);
