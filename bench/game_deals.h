// Deals drawn as Shuffle and Deal draw them, for the solver benchmarks.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/globals.h"

namespace {

struct Deal {
    std::vector<int> cards;
    int answer;
};

// The game's own draws: a shuffle with highest card high (25 by default), then deals down the ring.
std::vector<Deal> GameDeals(int n, int count, uint32_t seed, int high = 25) {
    SeedRandom(seed);
    std::vector<Deal> deals;
    int16_t pos = 3;
    while (static_cast<int>(deals.size()) < count) {
        if (deals.size() % 20 == 0) {
            for (int p = DeckFirst; p <= DeckLast; ++p) Deck[p] = static_cast<uint8_t>(RandomInt(high, 1));
            for (int p = DeckFirst; p <= 51; p += 2) Deck[p] = static_cast<uint8_t>(RandomInt(12, 1));
        }
        pos = static_cast<int16_t>(pos == DeckFirst ? DeckLast : pos - 1);
        Deal d{{}, Deck[pos]};
        for (int16_t i = 0; i < n; ++i) d.cards.push_back(Deck[RingPos(pos, static_cast<int16_t>(n), i)]);
        deals.push_back(d);
    }
    return deals;
}

}  // namespace
