// The player's own answer: read, checked against the cards on the table, and judged exactly
// as an attempt of the search is judged.
//
// The player types plain numbers, + - * / (also x, × and ÷), brackets and any spaces. The
// parser checks only the grammar and that every face card is used exactly once; the answer is
// then rewritten into the search's notation (05#(03x07)~02) and evaluated by EvalExpr, so the
// player meets the game's own operator order (brackets, x, divide, +, -, each left to right)
// and its 15-digit rounding, and the one hit rule decides.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What is wrong with an answer, and where: offset in UTF-16 units from the start, 0-based.
struct AnswerError {
    enum class Kind {
        None, Empty, TooLong, BadCharacter, NotOnTable, UsedTooOften, LeftOut, UnaryMinus,
        MissingNumber, MissingOperator, EmptyBrackets, Unclosed, StrayClose, TooDeep,
    };
    Kind kind = Kind::None;
    std::size_t offset = 0;
    int card = 0;        // the card concerned, where there is one
    int used = 0;        // UsedTooOften: how often the answer uses it
    int onTable = 0;     // UsedTooOften: how often it lies on the table
    char16_t character = 0;  // BadCharacter
};

// One line for the player, e.g. "uses 12, which is not on the table".
std::string AnswerMessage(const AnswerError& error);

struct ReadAnswer {
    AnswerError error;       // kind None when the answer could be read
    std::u16string notation; // the answer in the search's notation, e.g. 05#(03x07)~02
};

// Reads text against the face cards on the table (as a multiset).
ReadAnswer ParseAnswer(std::u16string_view text, const std::vector<int>& cards);

struct AnswerCheck {
    AnswerError error;
    std::u16string shown;      // the answer as the game read it, display form: 5 + (3 * 7) - 2
    double value = 0;
    bool dividedByZero = false;
    bool solves = false;       // the one hit rule
    bool looksRight = false;   // written to 15 digits it reads as the answer card, yet no hit
    std::vector<std::u16string> steps;  // the breakdown lines, display form
    std::u16string verdict;    // "Right!", or what it makes instead and why
};

// Reads and evaluates text for the puzzle cards => answer. Uses EvalExpr, so it runs on the
// game's one thread (the breakdown lines pass through Breakdown).
AnswerCheck CheckAnswer(std::u16string_view text, const std::vector<int>& cards, int answer);

// The lines EvalExpr left in Breakdown, each in display form: "3 * 7 = 21".
std::vector<std::u16string> BreakdownSteps();

// A value to 17 significant digits: every double apart from its neighbours.
std::u16string FullDigits(double value);
