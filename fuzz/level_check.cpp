// The level on any deal: its easiest answer a real answer that keeps to whole numbers from 0
// up (read in the game's order, as the clean form is written), a level exactly when there is
// an answer, and a stopped rating that claims nothing.
#include "fuzz/checks.h"

#include <stop_token>
#include <string>
#include <vector>

#include "answer/answer.h"
#include "deal/level.h"
#include "player/player_solver.h"

namespace {

std::string CheckLevelOf(const uint8_t* data, std::size_t size, int count) {
    if (size < static_cast<std::size_t>(count) + 2) return {};
    std::vector<int> cards;
    // Small cards more often, where the answers crowd; the high bit lets one through up to 99.
    for (int i = 0; i < count; ++i) cards.push_back(data[1 + i] & 0x80 ? 1 + data[1 + i] % 99 : 1 + data[1 + i] % 13);
    const int answer = 1 + data[1 + count] % 99;
    const LevelFacts f = FactsOf(cards, answer);
    const int level = Level(f);
    if ((level == 0) != !f.answered) return "a level without an answer, or an answer without a level";
    if (level < 0 || level > 5) return "a level outside 1 to 5";
    if (f.natural) {
        if (!f.answered) return "a plain answer for a puzzle with none";
        if (f.steps != count - 1) return "the easiest answer does not use every card once: " + f.easiest;
        const AnswerCheck c = CheckAnswer(std::u16string(f.easiest.begin(), f.easiest.end()), cards, answer);  // the clean form is in the game's order
        if (c.error.kind != AnswerError::Kind::None) return "the easiest answer does not read: " + f.easiest;
        if (!c.solves) return "the easiest answer does not make the answer card: " + f.easiest;
        if (f.largest < 0) return "a number below zero part-way";
    }
    if (count <= 5 && f.answered != (SolveForPlayer(cards, answer, 0).answers > 0)) return "the level and the player's solver disagree on an answer";
    std::stop_source stop;
    stop.request_stop();
    const LevelFacts stopped = FactsOf(cards, answer, stop.get_token());
    if (stopped.answered || stopped.natural || !stopped.easiest.empty()) return "a stopped rating claims something";
    return {};
}

}  // namespace

std::string CheckLevel(const uint8_t* data, std::size_t size) {
    if (size < 2) return {};
    return CheckLevelOf(data, size, 3 + data[0] % 5);
}

// A 7-card rating costs milliseconds; on 3 cards, 4 one time in four, the same checks run
// five to seven times as often (over a thousand inputs a second under the sanitizers).
std::string CheckLevelSmall(const uint8_t* data, std::size_t size) {
    if (size < 2) return {};
    return CheckLevelOf(data, size, data[0] % 4 == 0 ? 4 : 3);
}
