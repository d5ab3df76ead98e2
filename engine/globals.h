// The shared puzzle state, the ring rule and the program's random integers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class SearchView;

// One definition each (globals.cpp); read and written directly by the engine and the windows.
extern SearchView* MainForm;   // the game window as the search sees it; null when there is none
extern bool Running;           // the idle loop runs while true
extern bool Solving;           // a search is pending for the puzzle on the table
extern int16_t FaceCards;      // N, face cards in the row: 3..7
extern int16_t HighCard;       // highest value Shuffle deals: 1..99
extern int16_t DeckPos;        // index in Deck of the answer card: 3..54
extern uint8_t Deck[55];       // 0..2 deck-file header, 3..54 the 52 cards (a ring)
extern int32_t StepCount;      // search steps since the last deal; stops at the 32-bit maximum
extern std::u16string SolnText;   // latest attempt, or the solution text after a success
extern std::u16string Breakdown;  // lines of the latest evaluation, each starting CR LF
// The computer's head start on the puzzle on the table: SearchStep makes no attempt before
// HeadStartUntil (a time of NowMs), and none at all while WaitingForGiveUp. 0 and false, as
// after every deal by default: it searches at once.
extern int64_t HeadStartUntil;
extern bool WaitingForGiveUp;

// The order of operations the search's evaluator reads its attempts in (passed down to
// EvalExpr, which reads no global): the game's own unless the player chose the school's.
enum class OperatorOrder;
extern OperatorOrder SearchOrder;
// The operators the search draws for its attempts (of the pool's, keeping their weights between
// them); all four unless the player chose fewer.
enum class AllowedOperations;
extern AllowedOperations SearchOperations;

// Milliseconds of a clock that never goes back; tests set FixedNowMs to stand still.
int64_t NowMs();
extern std::optional<int64_t> FixedNowMs;

constexpr int16_t DeckFirst = 3;   // lowest card index of the ring
constexpr int16_t DeckLast = 54;   // highest card index of the ring
constexpr int16_t DeckCards = 52;

// The ring rule: index in a 55-byte deck of face card i (0..n-1, left to right) when the
// answer card stands at deckPos. The only place that knows how the run wraps past index 3.
constexpr int16_t RingPos(int16_t deckPos, int16_t n, int16_t i) {
    int16_t k = static_cast<int16_t>(deckPos - n + i);
    return k < DeckFirst ? static_cast<int16_t>(k + DeckCards) : k;
}

// Face card i of the puzzle on the table.
inline uint8_t FaceCardValue(int16_t i) { return Deck[RingPos(DeckPos, FaceCards, i)]; }

// All the face cards on the table, left to right: what the solver and the answer check take.
inline std::vector<int> FaceCardValues() {
    std::vector<int> cards;
    for (int16_t i = 0; i < FaceCards; ++i) cards.push_back(FaceCardValue(i));
    return cards;
}

// The program's uniform source: values r with 0 <= r < 1 in single precision.
// Scripted values, when any are queued, are returned first (tests feed exact r).
float NextUniform();
void SeedRandom(uint32_t seed);
void SeedRandomFromClock();              // uses FixedRandomSeed when that is set
void ScriptRandom(std::vector<float> values);
std::size_t ScriptedLeft();
extern std::optional<uint32_t> FixedRandomSeed;  // tests: makes "seed from the clock" repeatable

// Keeps the game's generator as it stands while something else (a worksheet) seeds it and
// draws its own numbers, and puts it back afterwards: the game's deals go on as if nothing
// had happened.
class KeepRandomState {
public:
    KeepRandomState();
    ~KeepRandomState();
    KeepRandomState(const KeepRandomState&) = delete;
    KeepRandomState& operator=(const KeepRandomState&) = delete;

private:
    uint64_t saved_;
};

// A uniform integer in Low..High (High first), floor((High - Low + 1) * r + Low) in single
// precision. Rounding can carry r just below 1 up to High + 1; that is pulled back to High.
int16_t RandomInt(int16_t High, int16_t Low);
