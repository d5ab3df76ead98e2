// The command line: the jobs that need no display, decided before any window exists, as one table.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "expr/eval.h"
#include "expr/operations.h"

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
    bool answerOnly = false;  // Deal: only puzzles with an answer
    bool noAnswers = false;   // Worksheet: no answer page
    int perPage = 0;          // Worksheet: 0 for the default
    std::string code, title, outFile;  // Worksheet
    int level = 0;            // 1..5, 0 any
    std::optional<uint32_t> seed;  // Deal: the fresh deck's shuffle; none: the clock's
    std::string deckFile;     // Game: the deck to open (empty: none); Deal: the deck to deal from
    std::string date;         // Today: YYYY-MM-DD, empty for today's date here
    OperatorOrder order = OperatorOrder::Game;  // --order: how answers and attempts are read and written
    // --ops: the operations answers may use; none given: all four (a worksheet code's own).
    std::optional<AllowedOperations> operations;
    std::string error;       // Error: one line for the player
    bool operator==(const CommandLineRequest&) const = default;
};

// One option, declared once and named by every subcommand that takes it. Its value is a whole
// number in low..high, one of words (in any case), or a text (that check accepts, if given).
struct CommandLineOption {
    std::string name{};   // "--cards"
    std::string value{};  // what stands for its value in a line of usage, "C"; empty: a flag, which takes none
    std::string needs{};  // what its value must be, as a refusal says it: "--cards needs the number of face cards, 3 to 7"
    long long low = 0, high = -1;    // a whole number when low <= high
    std::vector<std::string> words{};  // else one of these
    bool (*check)(const std::string& value) = nullptr;
    // The refusal of a value when not "NAME needs NEEDS" (%1: the value).
    std::string refusal{};
    // Judged once every word of the line is read, not as it comes: a line with two faults names
    // the one it always named.
    bool judgedLast = false;
    // Puts the value in the request: the text, and the whole number or the place among words.
    void (*store)(CommandLineRequest& request, const std::string& text, long long number) = nullptr;
    std::string help{};   // its own paragraph in --help, if any (line breaks included)
};

// One subcommand: the first word of the line that names it, what it takes, how its words are
// read, what it does, and how --help shows it.
struct CommandLineSubcommand {
    std::string name{};   // "--solve"; empty for the game itself (a deck file, or nothing)
    std::string alias{};  // another name, "-h"
    CommandLineRequest::Kind kind = CommandLineRequest::Kind::Game;
    // The options it takes, by name, in the order its line of usage shows them; shown: how it
    // shows one when not "[--name VALUE]".
    struct Takes {
        std::string option{}, shown{};
    };
    std::vector<Takes> options{};
    std::string before{}, after{};  // its own words in its line of usage, before and after its options
    enum class Line { Own, Shared, None };  // its line of usage: its own, one with the others Shared, none
    Line line = Line::Own;
    std::string term{};  // what --help's list calls it, when not by its names
    std::string help{};  // its paragraph in --help (line breaks included)
    // Reads the whole line (args[0] is its name) into request; returns what is wrong, or nothing.
    std::string (*parse)(const std::vector<std::string>& args, const CommandLineSubcommand& self, CommandLineRequest& request) = nullptr;
    // Does the job and returns its exit status; none where main() runs it with Qt (the game, the worksheet).
    int (*run)(const CommandLineRequest& request, std::ostream& out, std::ostream& err) = nullptr;
};

// The tables, in the reader's language: every option once, every subcommand in --help's order.
std::vector<CommandLineOption> CommandLineOptions();
std::vector<CommandLineSubcommand> CommandLineSubcommands();

// What --help prints, made from the tables.
std::string CommandLineHelp();

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
