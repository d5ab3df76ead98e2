// The deck-file format: what it accepts, what it refuses, and the puzzle text.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/globals.h"
#include "files/deck.h"

namespace {

std::vector<uint8_t> File(uint8_t high, uint8_t faces, uint8_t pos) {
    std::vector<uint8_t> bytes(55);
    bytes[0] = high;
    bytes[1] = faces;
    bytes[2] = pos;
    for (int p = 3; p < 55; ++p) bytes[p] = static_cast<uint8_t>(1 + p % std::max<int>(high, 1));
    return bytes;
}

}  // namespace

TEST(DeckFile, RefusesWrongLengthsSilentlyAndUnusableHeadersWithAReason) {
    for (std::size_t size : {0u, 1u, 54u, 56u, 110u}) {
        std::vector<uint8_t> bytes(size, 5);
        DecodedDeck d = DecodeDeck(bytes.data(), bytes.size());
        EXPECT_EQ(d.result, DecodedDeck::Result::WrongLength) << size;
        EXPECT_TRUE(d.reason.empty());
    }
    struct Case { std::vector<uint8_t> bytes; const char* says; };
    std::vector<uint8_t> bigCard = File(25, 5, 20);
    bigCard[40] = 100;
    const Case refused[] = {
        {File(25, 2, 20), "2 face cards"}, {File(25, 8, 20), "8 face cards"}, {File(25, 0, 20), "0 face cards"},
        {File(25, 5, 55), "position 55"}, {File(25, 5, 255), "position 255"},
        {File(100, 5, 20), "highest card 100"}, {File(0, 5, 20), "highest card 0"}, {bigCard, "card of 100"},
    };
    for (const Case& c : refused) {
        DecodedDeck d = DecodeDeck(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(d.result, DecodedDeck::Result::Unusable) << c.says;
        EXPECT_NE(d.reason.find("not a valid puzzle deck"), std::string::npos) << d.reason;
        EXPECT_NE(d.reason.find(c.says), std::string::npos) << d.reason;
    }
}

TEST(DeckFile, AcceptsWhatTheGameWritesAndWrapsLowPositions) {
    for (uint8_t pos : {0, 1, 2}) {
        std::vector<uint8_t> bytes = File(25, 5, pos);
        DecodedDeck d = DecodeDeck(bytes.data(), bytes.size());
        ASSERT_EQ(d.result, DecodedDeck::Result::Ok);
        EXPECT_EQ(d.DeckPos(), 54);
    }
    uint8_t deck[55];
    for (int p = 0; p < 55; ++p) deck[p] = static_cast<uint8_t>(p % 50 + 1);
    for (int16_t faces = 3; faces <= 7; ++faces) {
        DeckBytes bytes = EncodeDeck(deck, 50, faces, 3);
        DecodedDeck d = DecodeDeck(bytes.data(), bytes.size());
        ASSERT_EQ(d.result, DecodedDeck::Result::Ok);
        EXPECT_EQ(d.HighCard(), 50);
        EXPECT_EQ(d.FaceCards(), faces);
        EXPECT_EQ(d.DeckPos(), 3);
        EXPECT_TRUE(std::equal(d.bytes.begin() + 3, d.bytes.end(), deck + 3));
    }
}

// The last value inside each limit loads: the game itself saves decks like these.
TEST(DeckFile, AcceptsEveryLimitFromInside) {
    std::vector<uint8_t> top = File(99, 7, 54);
    top[3] = 99;
    top[54] = 99;
    std::vector<uint8_t> bottom = File(1, 3, 3);
    const std::vector<uint8_t>* inside[] = {&top, &bottom};
    for (const auto* bytes : inside) {
        DecodedDeck d = DecodeDeck(bytes->data(), bytes->size());
        ASSERT_EQ(d.result, DecodedDeck::Result::Ok) << d.reason;
        EXPECT_EQ(d.HighCard(), (*bytes)[0]);
        EXPECT_EQ(d.FaceCards(), (*bytes)[1]);
        EXPECT_EQ(d.DeckPos(), (*bytes)[2]);
        EXPECT_TRUE(std::equal(d.bytes.begin() + 3, d.bytes.end(), bytes->begin() + 3));
    }
}

TEST(DeckFile, PuzzleTextFollowsTheRing) {
    uint8_t deck[55] = {};
    deck[10] = 7;
    deck[7] = 10;
    deck[8] = 4;
    deck[9] = 1;
    EXPECT_EQ(PuzzleText(deck, 10, 3), "Solve: 10, 4, 1 => 7");
    for (int p = 3; p < 55; ++p) deck[p] = static_cast<uint8_t>(p);
    EXPECT_EQ(PuzzleText(deck, 4, 5), "Solve: 51, 52, 53, 54, 3 => 4");
}
