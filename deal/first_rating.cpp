// The first rating, as it stood before the level was fitted to players: kept unchanged so that a
// worksheet code printed with it still makes its own sheet.
//   - Count the plain answers: whole numbers from 0 up all the way. Many make level 1, fewer 2
//     to 4, very few or none 5, with steps of its own for each card count (below).
//   - One level harder (at most 5) when even the simplest plain answer nests brackets inside
//     brackets or passes 100 on the way.
//   - At most level 2 when the simplest answer just adds up, or multiplies, all the cards.
#include <algorithm>
#include <array>

#include "deal/level.h"
#include "player/player_solver.h"

namespace {

// Plain answers needed for levels 1, 2, 3 and 4, by the number of cards (3 to 7).
constexpr std::array<std::array<uint64_t, 4>, 5> Steps = {{
    {6, 4, 3, 2},
    {10, 6, 3, 2},
    {171, 107, 50, 24},
    {3300, 2517, 1500, 850},
    {67245, 48405, 31000, 16000},
}};

int Nesting(const std::string& text) {
    int depth = 0, deepest = 0;
    for (char c : text) {
        if (c == '(') deepest = std::max(deepest, ++depth);
        if (c == ')') --depth;
    }
    return deepest;
}

bool PassesHundred(const Expression& e, bool root = true) {
    if (!root && e.value.Num() > 100) return true;
    for (const Expression& p : e.parts)
        if (PassesHundred(p, false)) return true;
    return false;
}

}  // namespace

int FirstRatingLevel(const std::vector<int>& cards, int answer) {
    const PlayerVerdict plain = SolveForPlayer(cards, answer, 1, {}, PartWay::NaturalNumbers);
    if (plain.answers == 0 && SolveForPlayer(cards, answer, 0).answers == 0) return 0;
    bool involved = false, obvious = false;
    if (!plain.listed.empty()) {
        const Expression& simplest = plain.listed[0];
        involved = Nesting(simplest.text) >= 2 || PassesHundred(simplest);
        obvious = (simplest.op == Expression::Op::Add || simplest.op == Expression::Op::Multiply) &&
                  std::all_of(simplest.parts.begin(), simplest.parts.end(),
                              [](const Expression& p) { return p.op == Expression::Op::Card; });
    }
    const auto& steps = Steps[std::clamp(static_cast<int>(cards.size()), 3, 7) - 3];
    int level = 5;
    for (int i = 0; i < 4; ++i) {
        if (plain.answers >= steps[i]) {
            level = i + 1;
            break;
        }
    }
    if (involved) level = std::min(level + 1, 5);
    if (obvious) level = std::min(level, 2);
    return level;
}
