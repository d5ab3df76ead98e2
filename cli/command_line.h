// The command line: the jobs that need no display, decided before any window exists.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "expr/eval.h"

struct CommandLineRequest {
    enum class Kind { Game, Solve, Check, Deal, Today, Worksheet, Help, Version, Error };
    Kind kind = Kind::Game;
    std::vector<int> cards;  // Solve, Check: the face cards, left to right
    int answer = 0;          // Solve, Check: the answer card
    std::string expression;  // Check: the player's answer, UTF-8
    bool search = false;     // Solve: the computer's own attempts rather than the player's answers
    // Deal and Worksheet: how many puzzles, from a fresh deck (seed, cards, highest card) or a deck file.
    int count = 0;
    int faceCards = 0;        // 0: 5 for a fresh deck, the file's own for a deck file
    int highCard = 0;         // 0: 25 for a fresh deck, the file's own for a deck file
    bool answerOnly = false;  // Worksheet: the answer page
    int perPage = 0;          // Worksheet: 0 for the default
    std::string code, title, outFile;  // Worksheet
    int level = 0;            // 1..5, 0 any
    bool seeded = false;
    uint32_t seed = 0;        // seeded: the fresh deck's shuffle; else the clock's
    std::string deckFile;     // Game: the deck to open (empty: none); Deal: the deck to deal from
    std::string date;         // Today: YYYY-MM-DD, empty for today's date here
    OperatorOrder order = OperatorOrder::Game;  // --order: how answers and attempts are read and written
    std::string error;       // Error: one line for the player
};

// args are the words after the program's name. Only a first word the game knows starts a
// job; another first word starting with "-" is an unknown option (Qt's own options aside);
// anything else is the game with a deck file named by the whole line, as always ("--" first:
// by the rest of it).
CommandLineRequest ParseCommandLine(const std::vector<std::string>& args);

// Runs a job that needs no display and returns its exit status: 0 yes (there are solutions,
// the answer solves, help or version shown), 1 no, 2 bad usage (one line on err) or an
// answer that cannot be read (one line "error: column N: ..." on err). Results go to out,
// every error and message to err.
int RunCommandLine(const CommandLineRequest& request, std::ostream& out, std::ostream& err);
