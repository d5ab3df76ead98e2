// The spread of the levels over the game's own deals (highest card 25), per card count, and
// what a level costs beside the player's count alone. Usage: level_spread [deals per count]
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "deal/level.h"
#include "game_deals.h"
#include "player/player_solver.h"

int main(int argc, char* argv[]) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 300;
    std::printf("levels over %d game deals per card count (highest card 25): share of deals with an answer\n", count);
    for (int n = 3; n <= 7; ++n) {
        std::array<int, 6> at{};
        double levelMs = 0, countMs = 0;
        const int deals = n == 7 ? count / 3 : count;
        for (const Deal& d : GameDeals(n, deals, 4000 + n)) {
            auto start = std::chrono::steady_clock::now();
            ++at[Level(FactsOf(d.cards, d.answer))];
            auto mid = std::chrono::steady_clock::now();
            SolveForPlayer(d.cards, d.answer, 0);
            auto end = std::chrono::steady_clock::now();
            levelMs += std::chrono::duration<double, std::milli>(mid - start).count();
            countMs += std::chrono::duration<double, std::milli>(end - mid).count();
        }
        const int answered = deals - at[0];
        std::printf("%d cards: no answer %d of %d; levels 1-5:", n, at[0], deals);
        for (int l = 1; l <= 5; ++l) std::printf(" %.0f%%", answered ? 100.0 * at[l] / answered : 0.0);
        std::printf("; a level takes %.3f ms on average, %.1f times the count alone\n", levelMs / deals, levelMs / countMs);
    }
    return 0;
}
