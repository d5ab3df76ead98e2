// The 55-byte deck file and the one-line puzzle text, as plain values: no widgets, no I/O.
//
// Layout (the contract with every deck file already saved): byte 0 the highest card, byte 1
// the number of face cards, byte 2 the deck position of the answer card, bytes 3..54 the 52
// cards in deck order. No signature, no checksum: exactly 55 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t DeckFileSize = 55;
using DeckBytes = std::array<uint8_t, DeckFileSize>;

struct DecodedDeck {
    enum class Result { Ok, WrongLength, Unusable };
    Result result = Result::WrongLength;
    DeckBytes bytes{};   // valid when Ok; a position 0..2 already reads as 54
    std::string reason;  // why an Unusable deck was refused, for the player
    int16_t HighCard() const { return bytes[0]; }
    int16_t FaceCards() const { return bytes[1]; }
    int16_t DeckPos() const { return bytes[2]; }
};

// Checks a file's bytes: the length must be 55 (anything else is refused silently); the face
// cards 3..7, the answer position at most 54, the highest card 1..99 (as the settings hold
// it) and every card at most 99, since the two-digit notation holds no more.
DecodedDeck DecodeDeck(const uint8_t* data, std::size_t size);

// The file image of a deck with its header filled in.
DeckBytes EncodeDeck(const uint8_t (&deck)[55], int16_t highCard, int16_t faceCards, int16_t deckPos);

// "Solve: 10, 4, 1 => 7": the puzzle at deckPos, read by the ring rule.
std::string PuzzleText(const uint8_t* deck, int16_t deckPos, int16_t faceCards);
