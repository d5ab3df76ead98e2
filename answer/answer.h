// The player's own answer: read, checked against the cards on the table, and judged by the
// player's rule.
//
// The player types plain numbers, + - * / (also x, × and ÷, and : for a division as German
// and French pupils write it), brackets and any spaces. The parser checks only the grammar and
// that every face card is used exactly once; the answer is then written in the search's
// notation (05#(03x07)~02) and read as a tree in the game's own order of operations
// (brackets, x, divide, +, -, each left to right). Its value is exact, in
// fractions: it solves when that value is the answer card and nothing divides by zero. The
// computer's own arithmetic (EvalExpr's 15-digit steps) is worked out beside it only to say
// where the two would disagree.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "expr/eval.h"
#include "expr/operations.h"
#include "player/fraction.h"

// What is wrong with an answer, and where: offset in UTF-16 units from the start, 0-based.
struct AnswerError {
    enum class Kind {
        None, Empty, TooLong, BadCharacter, NotOnTable, UsedTooOften, LeftOut, UnaryMinus,
        MissingNumber, MissingOperator, EmptyBrackets, Unclosed, StrayClose, TooDeep,
        OtherResult,  // ends with "= N" where N is not the answer card
        NotAllowed,   // an operation the game does not allow now (character, allowed)
    };
    Kind kind = Kind::None;
    std::size_t offset = 0;
    int card = 0;        // the card concerned, where there is one; OtherResult: the N of "= N"
    std::vector<int> cards{};  // LeftOut: every card left out, as often as it is left out
    int answerCard = 0;      // OtherResult
    int used = 0;        // UsedTooOften: how often the answer uses it
    int onTable = 0;     // UsedTooOften: how often it lies on the table
    char16_t character = 0;  // BadCharacter, NotAllowed: as typed
    AllowedOperations allowed = AllowedOperations::All;  // NotAllowed
};

// One whole sentence for the player, e.g. "Your answer uses 12, which is not on the table."
std::string AnswerMessage(const AnswerError& error);

struct ReadAnswer {
    AnswerError error;       // kind None when the answer could be read
    std::u16string notation; // the answer in the search's notation, e.g. 05#(03x07)~02
};

// Reads text against the face cards on the table (as a multiset). A trailing "= N" (the habit
// of writing the result) is read when N is answerCard and refused when it is another number;
// with no answer card given, "=" is not part of an answer. An operation that ops leaves out is
// refused where it stands.
ReadAnswer ParseAnswer(std::u16string_view text, const std::vector<int>& cards, int answerCard = -1,
                       AllowedOperations ops = AllowedOperations::All);

struct AnswerCheck {
    AnswerError error;
    std::u16string shown;      // the answer as the game read it, display form: 5 + (3 * 7) - 2
    std::string clean;         // the same answer in clean form: 5 + 3 * 7 - 2
    Fraction value;            // exact, when valid
    bool dividedByZero = false;  // somewhere it divides by zero: no value, never solves
    bool solves = false;         // the player's rule: exactly the answer card
    std::vector<std::string> steps;  // exact steps, as the answer groups them: "22 / 18 = 11/9"
    double computerValue = 0;        // what the computer's own 15-digit arithmetic makes of it
    bool computerHit = false;        // and whether that would count for the computer
    std::u16string verdict;          // "Right!", or what it makes instead
    // Read in the game's order it is wrong, but the school order makes the answer card: the
    // sentence that says so, which pair of operations the game reads otherwise and where the
    // school order is chosen (the verdict ends with it too). Empty otherwise, and always in the
    // school order.
    std::u16string rightAtSchool;
};

// Reads text for the puzzle cards => answer in an order of operations (the game's unless said)
// and judges it by the player's rule: its exact value. Touches no shared state (the computer's
// view uses EvalQuiet in the same order), so any thread may call it.
AnswerCheck CheckAnswer(std::u16string_view text, const std::vector<int>& cards, int answer,
                        OperatorOrder order = OperatorOrder::Game, AllowedOperations ops = AllowedOperations::All);

// The lines EvalExpr left in Breakdown, each in display form: "3 * 7 = 21".
std::vector<std::u16string> BreakdownSteps();

// A value to 17 significant digits: every double apart from its neighbours.
std::u16string FullDigits(double value);
