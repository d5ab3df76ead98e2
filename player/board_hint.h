// Hint on the board: the next step to play, from the tiles as they stand.
//
// While the board follows the simplest answer (every tile is a card or a part of it, made as
// the answer's own steps make it, innermost first and sums and products left to right), the
// next step is that answer's next one. Once the player has left it, any answer from the tiles
// as they stand will do: a search over their exact values, plain steps (whole numbers from 0
// up) tried first. No step at all means the tiles can no longer make the answer card.
#pragma once

#include <optional>

#include "player/board.h"

struct BoardHint {
    int first = 0, second = 0;  // places of the two tiles, as they stand
    BoardOp op = BoardOp::Add;
    bool followsSimplest = false;  // a step of the simplest answer, not one found from the tiles
    int step = 0, of = 0;          // which step of the simplest answer it is (1-based), and how many it has
};

// simplest: the simplest answer, as the player's solver lists it first (for the board's
// operations). Every step named uses only the operations the board allows.
std::optional<BoardHint> NextStep(const Board& board, const Expression& simplest);
// The step a hint names, with the values of its tiles, for saying it: "14 − 4 = 10".
BoardStep HintStep(const Board& board, const BoardHint& hint);
