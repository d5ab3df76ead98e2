// The board under any sequence of picks: no tile lost or doubled, refusals that change nothing,
// and a finished board whose answer, read back by the answer check, is worth its last tile.
#include "fuzz/checks.h"

#include <string>
#include <vector>

#include "answer/answer.h"
#include "player/board.h"

namespace {

std::string Problems(const Board& b, uint32_t all) {
    uint32_t seen = 0;
    for (const Tile& t : b.Tiles()) {
        if (t.cards == 0) return "a tile holds no card";
        if (t.cards & seen) return "a card is in two tiles";
        seen |= t.cards;
        if (!t.made.valid || !(t.made.value == t.Value())) return "a tile's value is not what made it";
    }
    if (seen != all) return "a card was lost";
    if (b.Tiles().size() + b.Steps().size() != b.Cards().size()) return "tiles and steps do not add up to the cards";
    if (b.First() && (*b.First() < 0 || *b.First() >= static_cast<int>(b.Tiles().size()))) return "the picked tile is not on the board";
    if (b.LastMade() && b.Steps().empty()) return "a tile made with no step";
    return {};
}

struct Seen {
    std::vector<std::string> tiles;
    std::size_t steps;
    std::optional<int> first;
    std::optional<BoardOp> op;
    bool operator==(const Seen&) const = default;
};

Seen Look(const Board& b) {
    Seen s{{}, b.Steps().size(), b.First(), b.Op()};
    for (const Tile& t : b.Tiles()) s.tiles.push_back(TileText(t.Value()));
    return s;
}

}  // namespace

std::string CheckBoard(const uint8_t* data, std::size_t size) {
    if (size < 3) return {};
    const int count = 3 + data[0] % 5;
    if (size < static_cast<std::size_t>(count) + 2) return {};
    std::vector<int> cards;
    for (int i = 0; i < count; ++i) cards.push_back(data[1 + i] % 100);
    const int answer = data[1 + count] % 100;
    Board b(cards, answer);
    b.SetWholeNumbersOnly(data[0] & 0x80);
    const uint32_t all = (1u << count) - 1;
    for (std::size_t at = 2 + count; at < size; ++at) {
        const uint8_t move = data[at];
        const Seen before = Look(b);
        Board::Outcome o;
        switch (move % 8) {
        case 0: case 1: case 2: case 3: o = b.PickOp(static_cast<BoardOp>(move % 8)); break;
        case 4: b.Undo(); break;
        case 5: if (move & 0x80) b.StartOver(); else b.PutDown(); break;
        default: o = b.PickTile((move >> 3) % 8); break;
        }
        if (std::string p = Problems(b, all); !p.empty()) return p;
        if (o.refused != Board::Refusal::None && !(Look(b) == before)) return "a refused step changed the board";
        if (o.stepped) {
            if (b.Steps().size() != before.steps + 1) return "a step that added no step";
            const BoardStep& s = b.Steps().back();
            if (!b.LastMade() || !(b.Tiles()[*b.LastMade()].Value() == s.result)) return "the step's result is not on the new tile";
            if (b.WholeNumbersOnly() && (!s.result.IsWhole() || s.result.Num() < 0)) return "whole numbers only let a step through";
        }
    }
    if (b.Finished()) {
        for (OperatorOrder order : {OperatorOrder::Game, OperatorOrder::School}) {
            const std::string text = b.AnswerText(0, order);
            const AnswerCheck c = CheckAnswer(std::u16string(text.begin(), text.end()), cards, answer, order);
            if (c.error.kind != AnswerError::Kind::None) return "the board's answer does not read: " + text;
            if (c.dividedByZero || !(c.value == b.Tiles()[0].Value())) return "the board's answer is not worth its last tile: " + text;
            if (c.solves != (b.Tiles()[0].Value() == Fraction(answer))) return "the check and the board disagree on " + text;
            if (order == OperatorOrder::Game) {  // the game's line, read by the school order, is the same answer
                const AnswerCheck school = CheckAnswer(std::u16string(text.begin(), text.end()), cards, answer, OperatorOrder::School);
                if (school.dividedByZero || !(school.value == c.value) || school.clean != b.AnswerText(0, OperatorOrder::School))
                    return "the board's answer reads as another at school: " + text;
            }
        }
    }
    return {};
}
