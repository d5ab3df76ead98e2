// Deck files on disk: reading one with every check a file must pass, writing one safely, and
// what to tell the player when either fails. No window: the game window shows the result.
#pragma once

#include <QString>

#include "files/deck.h"

struct DeckFileRead {
    enum class Result {
        Read,     // deck holds the file's deck
        Refused,  // no deck, and nothing to say (a missing file, a file of another length)
        Failed    // no deck; message says why
    };
    Result result = Result::Refused;
    DecodedDeck deck;
    QString message;
};
DeckFileRead ReadDeckFile(const QString& path);

// Writes the deck's 55 bytes to path, never half a deck; empty when written, else the message.
QString WriteDeckFile(const QString& path, const DeckBytes& bytes);

// The file named by a whole command line: one pair of quotes round all of it is no part of it.
QString CommandLineFile(const QString& commandLine);
