// The board: the face cards as tiles that the player combines two at a time, down to one.
//
// Pick a tile, an operation and another tile: the two tiles leave and one new tile with the
// exact value (the player's rule) takes the first one's place. Each tile remembers how it was
// made, so the steps always write out as one answer in clean form, which the one answer check
// judges. A board is a value: moves change it, and the state before every step is kept, so
// Undo steps back and Start Over returns to the cards on the table.
//
// Picks do what a player expects: a tile picked again is put down; another tile picked while
// no operation is chosen takes its place as the first; an operation picked again is put
// down, another replaces it; an operation may come before the first tile. The tile a step
// makes comes picked, ready to go on with; picking it then keeps it picked. A step that cannot
// be made (a division by 0, or under "whole numbers only" a fraction or a number below 0)
// is refused and the board stays exactly as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "expr/eval.h"
#include "expr/operations.h"
#include "player/expression.h"

enum class BoardOp { Add, Subtract, Multiply, Divide };
bool Allows(AllowedOperations ops, BoardOp op);

struct Tile {
    Expression made;     // the tile's answer so far; its value is made.value
    uint32_t cards = 0;  // bit i: the table's face card i is inside it
    const Fraction& Value() const { return made.value; }
};

struct BoardStep {
    Fraction left, right, result;
    BoardOp op = BoardOp::Add;
};

class Board {
public:
    // Why a step was refused.
    enum class Refusal { None, DivideByZero, Fraction, BelowZero, TooLarge, NotAllowed };
    // What a move did.
    struct Outcome {
        bool changed = false;   // tiles, selection or steps differ from before
        bool stepped = false;   // two tiles became one
        Refusal refused = Refusal::None;
        std::optional<BoardStep> step;  // the step made, or refused for its result
    };

    Board() = default;
    // cards: the face cards left to right (up to 32).
    Board(const std::vector<int>& cards, int answer);

    Outcome PickTile(int place);  // place: 0-based, left to right as the tiles stand now
    Outcome PickOp(BoardOp op);  // an operation not allowed is refused, and nothing changes
    bool Undo();        // false when there is no step to take back
    bool StartOver();   // false when the board is as dealt with nothing picked
    void PutDown();     // no tile and no operation picked

    // "Whole numbers only": steps whose result is a fraction or below 0 are refused.
    void SetWholeNumbersOnly(bool on) { wholeOnly_ = on; }
    bool WholeNumbersOnly() const { return wholeOnly_; }
    // The operations the player may pick; an operation picked that is no longer allowed is put
    // down. Steps already made stay.
    void SetOperations(AllowedOperations ops);
    AllowedOperations Operations() const { return ops_; }

    const std::vector<int>& Cards() const { return cards_; }
    int Answer() const { return answer_; }
    const std::vector<Tile>& Tiles() const { return now_.tiles; }
    const std::vector<BoardStep>& Steps() const { return now_.steps; }
    std::optional<int> First() const { return now_.first; }
    std::optional<BoardOp> Op() const { return now_.op; }
    bool Finished() const { return now_.tiles.size() == 1 && !now_.steps.empty(); }
    // The place of the tile made by the last step, when there is a step.
    std::optional<int> LastMade() const { return now_.lastMade; }
    // The place of the tile that still holds the table's face card i alone, if any.
    std::optional<int> PlaceOfCard(int i) const;

    // The answer the tile at place makes so far, in clean form in an order, e.g. "8 / (3 - 8 / 3)".
    std::string AnswerText(int place, OperatorOrder order) const;

private:
    struct State {
        std::vector<Tile> tiles;
        std::vector<BoardStep> steps;
        std::optional<int> first;
        bool firstMade = false;  // first was picked by the step that made it, not by the player
        std::optional<BoardOp> op;
        std::optional<int> lastMade;
    };
    Outcome Combine(int second);

    std::vector<int> cards_;
    int answer_ = 0;
    bool wholeOnly_ = false;
    AllowedOperations ops_ = AllowedOperations::All;
    State now_;
    std::vector<State> before_;  // the state before each step, oldest first
};

// "+", "−", "×", "÷" (UTF-8), as on the buttons.
const char* OpSign(BoardOp op);
// A tile's value: "15", "17/3", "−1/2" (with the minus sign).
std::string TileText(const Fraction& value);
// A step in the table's notation: "20 − 5 = 15", "15 ÷ 6 = 5/2", "3 − (−2) = 5".
std::string StepText(const BoardStep& step);
