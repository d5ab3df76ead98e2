// Parsing and running --solve, --help and --version; the game itself is main()'s business.
#include "cli/command_line.h"

#include <charconv>
#include <ostream>

#include "answer/answer.h"
#include "engine/search.h"
#include "expr/eval.h"
#include "expr/utf8.h"
#include "player/player_solver.h"
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

const char* const Usage =
    "Usage: pelorand [DECK-FILE]\n"
    "       pelorand --solve [--search] C1 C2 C3 [C4 ... C7] ANSWER\n"
    "       pelorand --check C1 C2 C3 [C4 ... C7] ANSWER \"EXPRESSION\"\n"
    "       pelorand --help | --version\n"
    "\n"
    "Pelorand is an arithmetic card puzzle: make the answer card from all the face cards,\n"
    "each used once, with + - * / and brackets, in the game's own order of operations\n"
    "(brackets, then multiplication, division, addition and subtraction, each left to right).\n"
    "\n"
    "Two rules. Your answers are worked out exactly, in whole numbers and fractions: an answer\n"
    "solves when it makes exactly the answer card and never divides by zero. The computer's own\n"
    "search works every step to 15 digits and counts only an exact hit, so it can miss answers\n"
    "that you can find.\n"
    "\n"
    "  DECK-FILE      start the game with a saved deck (.pld)\n"
    "  --solve        count every distinct answer that solves the puzzle and show up to 20, simplest\n"
    "                 first; answers that differ only in the order or grouping of things added or\n"
    "                 multiplied count once. 3 to 7 face cards and the answer card, each 1 to 99.\n"
    "                 Exit status 0 when it has an answer, 1 when it has none, 2 for bad arguments\n"
    "  --solve --search\n"
    "                 the same for the computer's own attempts: how many of the texts its search\n"
    "                 can write solve by its 15-digit arithmetic, and up to 20 of them\n"
    "  --check        check your own answer, such as \"5 + 3 * 7 - 2\", exactly; prints it as the\n"
    "                 game read it, its exact value (a whole number or a fraction such as 17/3)\n"
    "                 and whether it solves. Exit status 0 when it solves, 1 when it does not,\n"
    "                 2 when it cannot be read or the arguments are wrong\n"
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
    } else if (first == "--solve" || first == "--check") {
        const bool check = first == "--check";
        r.search = !check && args.size() > 1 && args[1] == "--search";
        const std::size_t skip = r.search ? 1 : 0;  // --search stands right after --solve
        const std::size_t numbers = args.size() - 1 - skip - (check ? 1 : 0);
        r.kind = CommandLineRequest::Kind::Error;
        if (args.size() < (check ? 6u : 5u) + skip || numbers < 4 || numbers > 8) {
            r.error = first + ": give 3 to 7 face cards and then the answer card" + (check ? ", then the answer in quotes" : "");
            return r;
        }
        for (std::size_t i = 1; i <= numbers; ++i) {
            const std::string& word = args[i + skip];
            const int value = Card(word);
            if (value < 0) {
                r.error = first + ": '" + word + "' is not a card: each card and the answer must be a whole number from 1 to 99";
                return r;
            }
            (i < numbers ? r.cards.push_back(value) : void(r.answer = value));
        }
        if (check && Card(args.back()) >= 0) {  // a bare number: the quoted answer is missing
            r.error = "--check: give the answer in quotes after the answer card";
            return r;
        }
        if (check) r.expression = args.back();
        r.kind = check ? CommandLineRequest::Kind::Check : CommandLineRequest::Kind::Solve;
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
        if (!request.search) {
            const PlayerVerdict v = SolveForPlayer(request.cards, request.answer, ListedSolutions);
            out << "answers: " << v.answers << '\n';
            for (const Expression& e : v.listed) out << e.text << '\n';
            return v.answers > 0 ? 0 : 1;
        }
        const SolveVerdict v = Solve(request.cards, request.answer, SolveMode::CountAll, ListedSolutions);
        out << "solutions: " << v.solutions << '\n';
        for (const std::u16string& attempt : v.listed) out << ToUtf8(DisplayForm(attempt)) << '\n';
        return v.solutions > 0 ? 0 : 1;
    }
    case CommandLineRequest::Kind::Check: {
        const AnswerCheck c = CheckAnswer(FromUtf8(request.expression), request.cards, request.answer);
        if (c.error.kind != AnswerError::Kind::None) {
            out << "error: column " << c.error.offset + 1 << ": " << AnswerMessage(c.error) << '\n';
            return 2;
        }
        out << ToUtf8(c.shown) << '\n' << "value: " << (c.dividedByZero ? "none (divides by zero)" : c.value.ToText()) << '\n'
            << (c.solves ? "solves" : "does not solve") << '\n';
        return c.solves ? 0 : 1;
    }
    case CommandLineRequest::Kind::Game:
        break;
    }
    return 2;
}
