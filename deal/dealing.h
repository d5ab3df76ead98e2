// Shuffle and Deal as steps on a deck, and Deal under the player's options: the window and
// the command line deal through these, so the same deck and options give the same puzzles.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "deal/level.h"

// Which puzzles Deal stops at. The defaults stop at every one, as Deal always has.
struct DealRule {
    bool answerOnly = false;  // only puzzles a player can solve
    int level = 0;            // 1..5: only puzzles of that difficulty (which have an answer); 0: any
    Rating rating = CurrentRating;  // the rating of that difficulty (old worksheet codes keep theirs)
    // The operations an answer may use: "with an answer" and the difficulty count only answers
    // that keep to them.
    AllowedOperations operations = AllowedOperations::All;
    // Now and then a puzzle with no answer (where NoAnswerDealsPossible): a deal aims at one
    // NoAnswerPercent times in a hundred, else at one with an answer (of the level, if one is set).
    bool noAnswers = false;
    bool Active() const { return answerOnly || level > 0 || noAnswers; }
};

// How often, in a hundred deals, a deal with noAnswers aims at a puzzle with no answer.
inline constexpr int NoAnswerPercent = 20;

// Whether puzzles with no answer turn up often enough at this number of face cards for the
// option to mean anything: with all four operations at 3 and 4 cards only (at 5 to 7 almost
// every puzzle has an answer); with fewer operations at every number of cards.
bool NoAnswerDealsPossible(int faceCards, AllowedOperations operations = AllowedOperations::All);
// Whether dealing under the rule lets puzzles with no answer through on purpose at this number
// of cards; the computer then waits for the player to give up, so its silence says nothing.
bool LetsNoAnswerThrough(const DealRule& rule, int faceCards);

// How far Deal looks for a puzzle that the rule accepts before it gives up: two rings.
inline constexpr int DealSearchLimit = 104;

// Fills the 52 cards of the ring as Shuffle does, drawing through RandomInt in ascending
// position order: every card 1..highCard, then the low cards 1..round(highCard / 2) (a half
// to the even neighbour) on the odd positions 3..51.
void ShuffleCards(uint8_t (&deck)[55], int16_t highCard);

// How a game starts from a seed (none: the clock's, as the game seeds itself): seeds the
// program's random numbers and returns the place in the ring its deck deals from. Shuffle the
// deck next, then Deal: the first puzzle is the ring's first faceCards cards as they lie, and
// the card after them its answer card. The window, --deal, worksheets and today's puzzle all
// start so, which is why the same seed deals the same puzzles in each.
int16_t StartGame(int16_t faceCards, std::optional<uint32_t> seed);

// One place down the ring, as Deal moves: below 3 comes 54.
int16_t NextDeckPos(int16_t deckPos);

// Whether the puzzle with its answer card at deckPos is one the rule accepts (its answer and
// level; noAnswers is where a deal aims, not what a puzzle must be).
bool Qualifies(const uint8_t (&deck)[55], int16_t deckPos, int16_t faceCards, const DealRule& rule);

// Deal under a rule: moves deckPos down the ring until the puzzle there qualifies; after a
// whole ring with none it shuffles the deck afresh (as above) and goes on. Gives up after
// DealSearchLimit puzzles, leaving deck and deckPos as they were, and returns false. When the
// rule lets puzzles with no answer through, it first draws (RandomInt) where this deal aims; an
// aim at no answer that finds none within the limit deals one with an answer instead.
bool DealQualifying(uint8_t (&deck)[55], int16_t& deckPos, int16_t faceCards, int16_t highCard, const DealRule& rule);

// "No puzzle of difficulty 1 turned up in 104 deals": what DealQualifying found.
std::string NothingQualifies(const DealRule& rule);
// What to tell the player in the game when DealQualifying gives up; stays: the puzzle on the table stays
// (else the next one is dealt as it comes).
std::string NothingQualifiesMessage(const DealRule& rule, bool stays);
