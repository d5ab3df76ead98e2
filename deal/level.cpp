// The level's table of steps and its reasons.
#include "deal/level.h"

#include <algorithm>
#include <array>

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

int Level(const LevelFacts& f) {
    if (!f.answered) return 0;
    const auto& steps = Steps[std::clamp(f.cards, 3, 7) - 3];
    int level = 5;
    for (int i = 0; i < 4; ++i) {
        if (f.plainAnswers >= steps[i]) {
            level = i + 1;
            break;
        }
    }
    if (f.simplestIsInvolved) level = std::min(level + 1, 5);
    if (f.simplestIsObvious) level = std::min(level, 2);
    return level;
}

LevelFacts FactsOf(const std::vector<int>& cards, int answer, std::stop_token stop) {
    LevelFacts f;
    f.cards = static_cast<int>(cards.size());
    const PlayerVerdict plain = SolveForPlayer(cards, answer, 1, stop, PartWay::NaturalNumbers);
    f.plainAnswers = plain.answers;
    // No plain answer: any answer at all (then level 5)?
    f.answered = plain.answers > 0 || SolveForPlayer(cards, answer, 0, stop).answers > 0;
    if (!plain.listed.empty()) {
        const Expression& simplest = plain.listed[0];
        f.simplestIsInvolved = Nesting(simplest.text) >= 2 || PassesHundred(simplest);
        f.simplestIsObvious = (simplest.op == Expression::Op::Add || simplest.op == Expression::Op::Multiply) &&
                              std::all_of(simplest.parts.begin(), simplest.parts.end(),
                                          [](const Expression& p) { return p.op == Expression::Op::Card; });
    }
    return f;
}
