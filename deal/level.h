// How hard a puzzle is, 1 (easy) to 5 (hard), from the answers a player can type.
//
// The level, in words a player understands:
//   - Count the plain answers: those that stay with whole numbers from 0 up all the way (no
//     fraction and no negative number on the way to the answer card). The more there are, the
//     easier: many gives level 1, fewer 2, 3 and 4, very few or none at all 5. So a puzzle
//     whose every answer needs a fraction on the way (3 3 8 8 => 24: 8 / (3 - 8 / 3)) is
//     level 5, and so is one with a single answer.
//   - What counts as many grows with the number of cards (five cards make far more answers
//     than four), so each card count has its own steps, set so that the game's own deals
//     spread over the levels.
//   - One level harder (at most 5) when even the simplest plain answer needs brackets inside
//     brackets, or a number above 100 on the way.
//   - At most level 2 when the simplest answer just adds up all the cards, or multiplies them
//     all (1 1 1 => 3): however few answers it has, nobody finds that hard.
// The steps (plain answers for levels 1, 2, 3 and 4), and the spread they give over 300 of the
// game's own deals per card count (highest card 25, the deals that have an answer), measured
// by bench/deal_bench:
//   3 cards: 6 4 3 2                  -> 14%  7% 41%  9% 30% (too few answers for an even spread)
//   4 cards: 10 6 3 2                 -> 34% 17% 20% 11% 18%
//   5 cards: 171 107 50 24            -> 25% 17% 24% 16% 18%
//   6 cards: 3300 2517 1500 850       -> 14% 14% 32% 22% 18%
//   7 cards: 67245 48405 31000 16000  -> 23% 16% 29% 18% 14%
#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

struct LevelFacts {
    int cards = 0;
    bool answered = false;       // the puzzle has an answer at all
    uint64_t plainAnswers = 0;   // answers with whole numbers from 0 up all the way
    bool simplestIsInvolved = false;  // the simplest plain answer nests brackets or passes 100
    bool simplestIsObvious = false;   // the simplest plain answer adds up, or multiplies, all the cards
};

// 1..5; 0 when the puzzle has no answer.
int Level(const LevelFacts& facts);

// The facts of a puzzle, worked out by the player's solver. With a stop requested the facts
// are incomplete; the caller drops them.
LevelFacts FactsOf(const std::vector<int>& cards, int answer, std::stop_token stop = {});

inline int PuzzleLevel(const std::vector<int>& cards, int answer) { return Level(FactsOf(cards, answer)); }
