// The spread of the levels over the game's own deals (highest card 25), per card count, and
// what a level costs beside the player's count alone; then how long Deal takes under each
// dealing option, beside a plain deal. Usage: deal_bench [deals per count]
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "deal/dealing.h"
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
    // Deal under the options, as a player presses it: from a fresh game, deal after deal.
    std::printf("a Deal in ms (median, worst) over 200 deals from fresh decks, highest card 25:\n");
    for (int n = 3; n <= 7; ++n) {
        std::printf("%d cards:", n);
        for (const DealRule rule : {DealRule{}, DealRule{true, 0}, DealRule{false, 1}, DealRule{false, 3}, DealRule{false, 5}}) {
            std::vector<double> ms;
            SeedRandom(600 + n);
            uint8_t deck[55] = {};
            ShuffleCards(deck, 25);
            int16_t pos = static_cast<int16_t>(n + 4);
            const int deals = n == 7 ? 40 : 200;
            for (int i = 0; i < deals; ++i) {
                const auto start = std::chrono::steady_clock::now();
                DealQualifying(deck, pos, static_cast<int16_t>(n), 25, rule);
                ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            }
            std::sort(ms.begin(), ms.end());
            const char* name = !rule.Active() ? "plain" : rule.level == 0 ? "answer only" : rule.level == 1 ? "level 1" : rule.level == 3 ? "level 3" : "level 5";
            std::printf("  %s %.3f, %.2f;", name, ms[ms.size() / 2], ms.back());
        }
        std::printf("\n");
    }
    return 0;
}
