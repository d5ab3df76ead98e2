// The board's moves, its undo and its texts.
#include "player/board.h"

#include <utility>

namespace {

Expression::Op TreeOp(BoardOp op) {
    switch (op) {
    case BoardOp::Add: return Expression::Op::Add;
    case BoardOp::Subtract: return Expression::Op::Subtract;
    case BoardOp::Multiply: return Expression::Op::Multiply;
    case BoardOp::Divide: return Expression::Op::Divide;
    }
    return Expression::Op::Add;
}

std::optional<Fraction> Apply(BoardOp op, const Fraction& a, const Fraction& b) {
    switch (op) {
    case BoardOp::Add: return a.Plus(b);
    case BoardOp::Subtract: return a.Minus(b);
    case BoardOp::Multiply: return a.Times(b);
    case BoardOp::Divide: return a.Divided(b);
    }
    return std::nullopt;
}

constexpr const char* Minus = "\u2212";

Board::Outcome Changed() {
    Board::Outcome o;
    o.changed = true;
    return o;
}

}  // namespace

bool Allows(AllowedOperations ops, BoardOp op) {
    switch (op) {
    case BoardOp::Multiply: return AllowsMultiply(ops);
    case BoardOp::Divide: return AllowsDivide(ops);
    case BoardOp::Add:
    case BoardOp::Subtract: break;
    }
    return true;
}

Board::Board(const std::vector<int>& cards, int answer) : cards_(cards), answer_(answer) {
    for (std::size_t i = 0; i < cards.size() && i < 32; ++i) now_.tiles.push_back({Expression::Card(cards[i]), 1u << i});
}

Board::Outcome Board::PickTile(int place) {
    if (place < 0 || place >= static_cast<int>(now_.tiles.size())) return {};
    const bool made = std::exchange(now_.firstMade, false);
    if (now_.first == place) {
        // The tile a step just made and picked is picked by the player now; else picked again: put down.
        if (!made) now_.first.reset();
        return Changed();
    }
    if (now_.first && now_.op) return Combine(place);
    now_.first = place;  // the first tile, or another one instead
    return Changed();
}

void Board::SetOperations(AllowedOperations ops) {
    ops_ = ops;
    if (now_.op && !Allows(ops_, *now_.op)) now_.op.reset();
}

Board::Outcome Board::PickOp(BoardOp op) {
    if (!Allows(ops_, op)) return {false, false, Refusal::NotAllowed, {}};
    now_.firstMade = false;
    if (now_.op == op) now_.op.reset();
    else now_.op = op;
    return Changed();
}

Board::Outcome Board::Combine(int second) {
    const Tile& a = now_.tiles[*now_.first];
    const Tile& b = now_.tiles[second];
    const BoardOp op = *now_.op;
    if (op == BoardOp::Divide && b.Value().IsZero()) return {false, false, Refusal::DivideByZero, {}};
    const std::optional<Fraction> result = Apply(op, a.Value(), b.Value());
    if (!result) return {false, false, Refusal::TooLarge, {}};
    const BoardStep step{a.Value(), b.Value(), *result, op};
    if (wholeOnly_ && !result->IsWhole()) return {false, false, Refusal::Fraction, step};
    if (wholeOnly_ && result->Num() < 0) return {false, false, Refusal::BelowZero, step};

    before_.push_back(now_);
    Tile made{Expression::Combine(TreeOp(op), a.made, b.made), a.cards | b.cards};
    now_.steps.push_back(step);
    int place = *now_.first;
    now_.tiles[place] = std::move(made);
    now_.tiles.erase(now_.tiles.begin() + second);
    if (second < place) --place;
    // The new tile stays picked, ready for the next step; the operation is used up.
    now_.first = place;
    now_.firstMade = true;
    now_.op.reset();
    now_.lastMade = place;
    return {true, true, Refusal::None, step};
}

bool Board::Undo() {
    if (before_.empty()) return false;
    now_ = std::move(before_.back());
    before_.pop_back();
    now_.firstMade = false;
    now_.first.reset();
    now_.op.reset();
    return true;
}

bool Board::StartOver() {
    if (before_.empty() && !now_.first && !now_.op) return false;
    if (!before_.empty()) now_ = std::move(before_.front());
    before_.clear();
    now_.firstMade = false;
    now_.first.reset();
    now_.op.reset();
    return true;
}

void Board::PutDown() {
    now_.firstMade = false;
    now_.first.reset();
    now_.op.reset();
}

std::optional<int> Board::PlaceOfCard(int i) const {
    for (std::size_t p = 0; p < now_.tiles.size(); ++p)
        if (now_.tiles[p].cards == (1u << i)) return static_cast<int>(p);
    return std::nullopt;
}

std::string Board::AnswerText(int place, OperatorOrder order) const {
    if (place < 0 || place >= static_cast<int>(now_.tiles.size())) return {};
    return CleanText(Canonical(now_.tiles[place].made), order);
}

const char* OpSign(BoardOp op) {
    switch (op) {
    case BoardOp::Add: return "+";
    case BoardOp::Subtract: return Minus;
    case BoardOp::Multiply: return "\u00D7";
    case BoardOp::Divide: return "\u00F7";
    }
    return "";
}

std::string TileText(const Fraction& value) {
    std::string text = value.ToText();
    if (!text.empty() && text[0] == '-') text.replace(0, 1, Minus);
    return text;
}

std::string StepText(const BoardStep& step) {
    std::string right = TileText(step.right);
    if (step.right.Num() < 0) right = "(" + right + ")";  // "3 − −2" would read as a typo
    return TileText(step.left) + " " + OpSign(step.op) + " " + right + " = " + TileText(step.result);
}
