// Definitions of the shared puzzle state and the random source behind RandomInt.
#include "engine/globals.h"

#include "expr/eval.h"
#include "expr/operations.h"

#include <chrono>
#include <cmath>
#include <deque>

SearchView* MainForm = nullptr;
bool Running = false;
bool Solving = false;
int16_t FaceCards = 0;
int16_t HighCard = 0;
int16_t DeckPos = 0;
uint8_t Deck[55] = {};
int32_t StepCount = 0;
std::u16string SolnText;
std::u16string Breakdown;
std::optional<uint32_t> FixedRandomSeed;
int64_t HeadStartUntil = 0;
OperatorOrder SearchOrder = OperatorOrder::Game;
AllowedOperations SearchOperations = AllowedOperations::All;
bool WaitingForGiveUp = false;
std::optional<int64_t> FixedNowMs;

int64_t NowMs() {
    if (FixedNowMs) return *FixedNowMs;
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {

// PCG32 (O'Neill): small, fast and statistically sound; the search draws ~30 values a step.
class Pcg32 {
public:
    void seed(uint64_t s) {
        state_ = 0;
        next();
        state_ += s;
        next();
    }
    uint32_t next() {
        uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
        auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        auto rot = static_cast<uint32_t>(old >> 59u);
        return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
    }
    uint64_t state() const { return state_; }
    void restore(uint64_t state) { state_ = state; }

private:
    uint64_t state_ = 0x853c49e6748fea9bULL;
};

Pcg32 generator;
std::deque<float> scripted;
}  // namespace

float NextUniform() {
    if (!scripted.empty()) {
        float r = scripted.front();
        scripted.pop_front();
        return r;
    }
    // 24 random bits give every float step of [0, 1) with equal weight, and never 1.
    return static_cast<float>(generator.next() >> 8) * (1.0f / 16777216.0f);
}

void SeedRandom(uint32_t seed) { generator.seed(seed); }

KeepRandomState::KeepRandomState() : saved_(generator.state()) {}
KeepRandomState::~KeepRandomState() { generator.restore(saved_); }

void SeedRandomFromClock() {
    if (FixedRandomSeed) {
        SeedRandom(*FixedRandomSeed);
        return;
    }
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                 std::chrono::system_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<uint32_t>(ticks ^ (ticks >> 32)));
}

void ScriptRandom(std::vector<float> values) { scripted.assign(values.begin(), values.end()); }

std::size_t ScriptedLeft() { return scripted.size(); }

int16_t RandomInt(int16_t High, int16_t Low) {
    float span = static_cast<float>(static_cast<int16_t>(High - Low + 1));
    float value = std::floor(span * NextUniform() + static_cast<float>(Low));
    auto result = static_cast<int16_t>(value);
    if (result > High) result = High;
    if (result < Low) result = Low;
    return result;
}
