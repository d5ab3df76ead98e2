// Parsing and running --solve, --help and --version; the game itself is main()'s business.
#include "cli/command_line.h"

#include <charconv>
#include <ostream>

#include "engine/search.h"
#include "solver/solver.h"
#include "version.h"

namespace {

constexpr int ListedSolutions = 20;

// A whole number 1..99 and nothing else, or -1.
int Card(const std::string& word) {
    int value = -1;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < 1 || value > 99) return -1;
    return value;
}

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

const char* const Usage =
    "Usage: pelorand [DECK-FILE]\n"
    "       pelorand --solve C1 C2 C3 [C4 ... C7] ANSWER\n"
    "       pelorand --help | --version\n"
    "\n"
    "Pelorand is an arithmetic card puzzle: make the answer card from all the face cards,\n"
    "each used once, with + - * / and brackets, in the game's own order of operations\n"
    "(brackets, then multiplication, division, addition and subtraction, each left to right).\n"
    "\n"
    "  DECK-FILE      start the game with a saved deck (.pld)\n"
    "  --solve        say how many of the game's attempts solve the puzzle, and show up to 20;\n"
    "                 3 to 7 face cards and the answer card, each 1 to 99. Exit status 0 when\n"
    "                 it has a solution, 1 when it has none, 2 for bad arguments\n"
    "  -h, --help     show this text\n"
    "  --version      show the version\n";

}  // namespace

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineRequest r;
    if (args.empty()) return r;
    const std::string& first = args[0];
    if (first == "--help" || first == "-h") {
        r.kind = CommandLineRequest::Kind::Help;
    } else if (first == "--version") {
        r.kind = CommandLineRequest::Kind::Version;
    } else if (first == "--solve") {
        r.kind = CommandLineRequest::Kind::Error;
        if (args.size() < 5 || args.size() > 9) {
            r.error = "--solve: give 3 to 7 face cards and then the answer card";
            return r;
        }
        for (std::size_t i = 1; i < args.size(); ++i) {
            const int value = Card(args[i]);
            if (value < 0) {
                r.error = "--solve: '" + args[i] + "' is not a card: each card and the answer must be a whole number from 1 to 99";
                return r;
            }
            (i + 1 < args.size() ? r.cards.push_back(value) : void(r.answer = value));
        }
        r.kind = CommandLineRequest::Kind::Solve;
    }
    return r;
}

int RunCommandLine(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
    switch (request.kind) {
    case CommandLineRequest::Kind::Help:
        out << Usage;
        return 0;
    case CommandLineRequest::Kind::Version:
        out << "pelorand " << PELORAND_VERSION_MAJOR << '.' << PELORAND_VERSION_MINOR << '.' << PELORAND_VERSION_PATCH << '\n';
        return 0;
    case CommandLineRequest::Kind::Error:
        err << "pelorand: " << request.error << "\nTry 'pelorand --help' for more information.\n";
        return 2;
    case CommandLineRequest::Kind::Solve: {
        const SolveVerdict v = Solve(request.cards, request.answer, SolveMode::CountAll, ListedSolutions);
        out << "solutions: " << v.solutions << '\n';
        for (const std::u16string& attempt : v.listed) out << Utf8(DisplayForm(attempt)) << '\n';
        return v.solutions > 0 ? 0 : 1;
    }
    case CommandLineRequest::Kind::Game:
        break;
    }
    return 2;
}
