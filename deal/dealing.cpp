// Shuffle's draws, the ring's next place, and the search for a puzzle the rule accepts.
#include "deal/dealing.h"

#include "lang/translate.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "deal/level.h"
#include "engine/globals.h"
#include "player/player_solver.h"

void ShuffleCards(uint8_t (&deck)[55], int16_t highCard) {
    for (int p = DeckFirst; p <= DeckLast; ++p) deck[p] = static_cast<uint8_t>(RandomInt(highCard, 1));
    // Low cards on the odd positions: half the highest card, a half going to the even one.
    auto low = static_cast<int16_t>(std::nearbyint(static_cast<float>(highCard) / 2.0f));
    for (int p = DeckFirst; p <= 51; p += 2) deck[p] = static_cast<uint8_t>(RandomInt(low, 1));
}

int16_t StartGame(int16_t faceCards, std::optional<uint32_t> seed) {
    if (seed)
        SeedRandom(*seed);
    else
        SeedRandomFromClock();
    // One place past the first puzzle's answer card, which follows its face cards at the ring's
    // start: Deal moves one place down, onto it.
    return static_cast<int16_t>(DeckFirst + faceCards + 1);
}

int16_t NextDeckPos(int16_t deckPos) {
    const auto next = static_cast<int16_t>(deckPos - 1);
    return next < DeckFirst ? DeckLast : next;
}

bool NoAnswerDealsPossible(int faceCards, AllowedOperations operations) {
    return (faceCards >= 3 && faceCards <= 4) || (faceCards >= 3 && faceCards <= 7 && operations != AllowedOperations::All);
}

bool LetsNoAnswerThrough(const DealRule& rule, int faceCards) { return rule.noAnswers && NoAnswerDealsPossible(faceCards, rule.operations); }

namespace {

std::vector<int> FaceCardsAt(const uint8_t (&deck)[55], int16_t deckPos, int16_t faceCards) {
    std::vector<int> cards;
    for (int16_t i = 0; i < faceCards; ++i) cards.push_back(deck[RingPos(deckPos, faceCards, i)]);
    return cards;
}

// Down the ring (a fresh shuffle after a whole ring with none) to the first puzzle that fits.
template <class Fits>
bool DealTo(uint8_t (&deck)[55], int16_t& deckPos, int16_t highCard, Fits fits) {
    uint8_t work[55];
    std::copy(std::begin(deck), std::end(deck), work);
    int16_t pos = deckPos;
    for (int looked = 0; looked < DealSearchLimit; ++looked) {
        if (looked > 0 && looked % DeckCards == 0) ShuffleCards(work, highCard);  // a whole ring had none
        pos = NextDeckPos(pos);
        if (fits(work, pos)) {
            std::copy(std::begin(work), std::end(work), deck);
            deckPos = pos;
            return true;
        }
    }
    return false;
}

}  // namespace

bool Qualifies(const uint8_t (&deck)[55], int16_t deckPos, int16_t faceCards, const DealRule& rule) {
    if (!rule.answerOnly && rule.level == 0) return true;
    const std::vector<int> cards = FaceCardsAt(deck, deckPos, faceCards);
    if (rule.level > 0) return PuzzleLevel(cards, deck[deckPos], rule.rating, rule.operations) == rule.level;
    return PlayerCanSolve(cards, deck[deckPos], rule.operations);
}

bool DealQualifying(uint8_t (&deck)[55], int16_t& deckPos, int16_t faceCards, int16_t highCard, const DealRule& rule) {
    DealRule rest = rule;
    rest.noAnswers = false;
    if (LetsNoAnswerThrough(rule, faceCards)) {
        const auto noAnswer = [&](const uint8_t (&work)[55], int16_t pos) { return !PlayerCanSolve(FaceCardsAt(work, pos, faceCards), work[pos], rule.operations); };
        const bool aimAtNone = RandomInt(100, 1) <= NoAnswerPercent;
        if (aimAtNone && DealTo(deck, deckPos, highCard, noAnswer)) return true;
        rest.answerOnly = true;  // the other deals, and an aim at none that found none, have an answer
    }
    return DealTo(deck, deckPos, highCard, [&](const uint8_t (&work)[55], int16_t pos) { return Qualifies(work, pos, faceCards, rest); });
}

std::string NothingQualifies(const DealRule& rule) {
    using lang::translate;
    const std::string deals = lang::Number(DealSearchLimit);
    if (rule.level > 0) return lang::Args(translate("Dealing", "No puzzle of difficulty %1 turned up in %2 deals"), {std::to_string(rule.level), deals});
    return lang::Args(translate("Dealing", "No puzzle with an answer turned up in %1 deals"), {deals});
}

std::string NothingQualifiesMessage(const DealRule& rule, bool stays) {
    using lang::translate;
    //: %1: "No puzzle of difficulty 5 turned up in 104 deals"
    const std::string text = stays ? rule.level > 0 ? translate("Dealing", "%1, so the puzzle on the table stays. Choose another difficulty, number of cards or highest card in Options.")
                                                    : translate("Dealing", "%1, so the puzzle on the table stays. Choose more cards or a higher highest card in Options.")
                             : rule.level > 0 ? translate("Dealing", "%1, so the next puzzle is dealt as it comes. Choose another difficulty, number of cards or highest card in Options.")
                                              : translate("Dealing", "%1, so the next puzzle is dealt as it comes. Choose more cards or a higher highest card in Options.");
    return lang::Args(text, {NothingQualifies(rule)});
}
