// Deck-file decoding with its refusals, encoding, and the clipboard's puzzle text.
#include "files/deck.h"

#include <algorithm>

#include "engine/globals.h"
#include "lang/translate.h"

DecodedDeck DecodeDeck(const uint8_t* data, std::size_t size) {
    DecodedDeck out;
    if (size != DeckFileSize) return out;
    std::copy(data, data + DeckFileSize, out.bytes.begin());
    out.result = DecodedDeck::Result::Unusable;
    using lang::Args;
    using lang::Number;
    using lang::translate;
    if (out.FaceCards() < 3 || out.FaceCards() > 7) {
        out.reason = Args(translate("Deck", "The file is not a valid puzzle deck: it has %1 face cards, where 3 to 7 are possible."),
                          {Number(out.FaceCards())});
    } else if (out.DeckPos() > DeckLast) {
        out.reason = Args(translate("Deck", "The file is not a valid puzzle deck: its answer card position %1 lies beyond the deck."),
                          {Number(out.DeckPos())});
    } else if (out.HighCard() < 1 || out.HighCard() > 99) {
        out.reason = Args(translate("Deck", "The file is not a valid puzzle deck: its highest card %1 is outside 1 to 99."),
                          {Number(out.HighCard())});
    } else if (auto card = std::find_if(out.bytes.begin() + DeckFirst, out.bytes.end(), [](uint8_t v) { return v > 99; });
               card != out.bytes.end()) {
        out.reason = Args(translate("Deck", "The file is not a valid puzzle deck: it holds a card of %1, above 99."), {Number(*card)});
    } else {
        if (out.bytes[2] < DeckFirst) out.bytes[2] = DeckLast;
        out.result = DecodedDeck::Result::Ok;
    }
    return out;
}

DeckBytes EncodeDeck(const uint8_t (&deck)[55], int16_t highCard, int16_t faceCards, int16_t deckPos) {
    DeckBytes out;
    std::copy(std::begin(deck), std::end(deck), out.begin());
    out[0] = static_cast<uint8_t>(highCard);
    out[1] = static_cast<uint8_t>(faceCards);
    out[2] = static_cast<uint8_t>(deckPos);
    return out;
}

std::string PuzzleText(const uint8_t* deck, int16_t deckPos, int16_t faceCards) {
    std::string text = "Solve: ";
    for (int16_t i = 0; i < faceCards; ++i) {
        if (i > 0) text += ", ";
        text += std::to_string(deck[RingPos(deckPos, faceCards, i)]);
    }
    return text + " => " + std::to_string(deck[deckPos]);
}
