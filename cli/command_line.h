// The command line: the jobs that need no display, decided before any window exists.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

struct CommandLineRequest {
    enum class Kind { Game, Solve, Help, Version, Error };
    Kind kind = Kind::Game;
    std::vector<int> cards;  // Solve: the face cards, left to right
    int answer = 0;          // Solve: the answer card
    std::string error;       // Error: one line for the player
};

// args are the words after the program's name. Only a first word the game knows starts a
// job; anything else is the game with a deck file named by the whole line, as always.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& args);

// Runs a job that needs no display and returns its exit status: 0 yes (there are solutions,
// help or version shown), 1 no (no solution), 2 bad usage, with one line on err.
int RunCommandLine(const CommandLineRequest& request, std::ostream& out, std::ostream& err);
