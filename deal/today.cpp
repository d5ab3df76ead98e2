// Today's puzzle: the date seeds the shuffle, the dealing options pick the puzzle.
#include "deal/today.h"

#include <chrono>
#include <cstdint>

#include "deal/dealing.h"
#include "deal/level.h"
#include "engine/globals.h"

namespace {

constexpr int16_t DayHighCard = 25;
constexpr int DayLevel = 3;

bool IsDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
    return std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}}
        .ok();
}

}  // namespace

std::optional<DayPuzzle> PuzzleOfTheDay(int year, int month, int day, int faceCards, AllowedOperations ops) {
    if (!IsDate(year, month, day) || faceCards < 3 || faceCards > 7) return std::nullopt;
    const auto n = static_cast<int16_t>(faceCards);
    KeepRandomState keep;
    // The date as a number, and the card count beside it: one deck per day and count.
    int16_t pos = StartGame(n, static_cast<uint32_t>((year * 10000 + month * 100 + day) * 8 + faceCards));
    uint8_t deck[55] = {};
    ShuffleCards(deck, DayHighCard);
    bool found = DealQualifying(deck, pos, n, DayHighCard, DealRule{false, DayLevel, CurrentRating, ops});
    if (!found) found = DealQualifying(deck, pos, n, DayHighCard, DealRule{true, 0, CurrentRating, ops});
    if (!found) return std::nullopt;
    DayPuzzle out;
    for (int16_t i = 0; i < n; ++i) out.cards.push_back(deck[RingPos(pos, n, i)]);
    out.answer = deck[pos];
    out.level = PuzzleLevel(out.cards, out.answer, CurrentRating, ops);
    return out;
}

bool ReadIsoDate(const std::string& text, int& year, int& month, int& day) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    year = std::stoi(text.substr(0, 4));
    month = std::stoi(text.substr(5, 2));
    day = std::stoi(text.substr(8, 2));
    return IsDate(year, month, day);
}
