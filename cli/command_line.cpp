// Parsing and running --solve, --help and --version; the game itself is main()'s business.
#include "cli/command_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>

#include "answer/answer.h"
#include "deal/dealing.h"
#include "deal/today.h"
#include "deal/level.h"
#include "engine/globals.h"
#include "files/deck.h"
#include "expr/eval.h"
#include "expr/notation.h"
#include "expr/utf8.h"
#include "player/player_solver.h"
#include "solver/solver.h"
#include "lang/translate.h"
#include "version.h"

namespace {

using lang::Args;
using lang::translate;

constexpr int ListedSolutions = 20;

// A whole number low..high and nothing else, or -1.
long long Number(const std::string& word, long long low, long long high) {
    long long value = -1;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < low || value > high) return -1;
    return value;
}

int Card(const std::string& word) { return static_cast<int>(Number(word, 1, 99)); }

std::string Joined(const std::vector<std::string>& args, std::size_t from) {
    std::string line;
    for (std::size_t i = from; i < args.size(); ++i) line += (i > from ? " " : "") + args[i];
    return line;
}

// Edits (insert, delete, change, swap two neighbours) from a to b.
std::size_t Distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// The job a mistyped first word most likely meant, or nothing.
std::string Nearest(const std::string& word) {
    for (const char* job : {"--solve", "--check", "--deal", "--today", "--worksheet", "--help", "--version"})
        if (Distance(word, job) <= 2) return job;
    return {};
}

// The options every Qt program takes (QGuiApplication reads them itself): the game passes them on.
bool IsQtOption(const std::string& word) {
    static const char* const options[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
                                          "-qwindowtitle", "-qwindowicon", "-reverse", "-session", "-style", "-stylesheet",
                                          "-widgetcount", "-display", "-geometry", "-title", "-name", "-visual", "-ncols",
                                          "-cmap", "-nograb", "-dograb"};
    return std::find(std::begin(options), std::end(options), word) != std::end(options);
}

// One option of a job: a number in a range, a flag, or a text.
struct Option {
    const char* name;
    std::string what;     // what its value must be, for the message
    int* number = nullptr;
    long long low = 0, high = 0;
    bool* flag = nullptr;
    std::string* text = nullptr;
};

// Reads args[from..] against the job's options; a word that is no option goes to positional
// (which may refuse it with a message). Returns the first problem, or nothing.
std::string ReadOptions(const std::vector<std::string>& args, std::size_t from, const std::vector<Option>& options,
                        const std::function<std::string(const std::string&)>& positional) {
    std::vector<std::string> seen;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& word = args[i];
        const auto option = std::find_if(options.begin(), options.end(), [&](const Option& o) { return word == o.name; });
        if (option == options.end()) {
            if (word.size() > 1 && word[0] == '-') return Args(translate("Cli", "unknown option '%1'"), {word});
            if (std::string why = positional(word); !why.empty()) return why;
            continue;
        }
        if (std::find(seen.begin(), seen.end(), word) != seen.end()) return Args(translate("Cli", "%1 is given twice; give it once"), {word});
        seen.push_back(word);
        if (option->flag) {
            *option->flag = true;
            continue;
        }
        //: "--cards needs the number of face cards, 3 to 7"
        if (i + 1 >= args.size()) return Args(translate("Cli", "%1 needs %2"), {option->name, option->what});
        const std::string& value = args[++i];
        if (option->text) {
            *option->text = value;
        } else {
            const long long n = Number(value, option->low, option->high);
            if (n < 0) return Args(translate("Cli", "%1 needs %2"), {option->name, option->what});
            *option->number = static_cast<int>(n);
        }
    }
    return {};
}

// "game" or "school" into order; false for anything else.
bool ReadOrder(std::string word, OperatorOrder& order) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));  // School, SCHOOL
    if (word == "game" || word == "school") {
        order = word == "game" ? OperatorOrder::Game : OperatorOrder::School;
        return true;
    }
    return false;
}
std::string OrderNeeds() { return translate("Cli", "--order needs game or school"); }

// --deal N [--cards C] [--high H] [--answer-only] [--level L] [--order O] [--seed S | DECK-FILE]
CommandLineRequest ParseDeal(const std::vector<std::string>& args) {
    CommandLineRequest r;
    auto fail = [&](const std::string& why) {
        r.kind = CommandLineRequest::Kind::Error;
        r.error = "--deal: " + why;
        return r;
    };
    if (args.size() < 2 || (r.count = static_cast<int>(Number(args[1], 1, 10000))) < 0)
        return fail(translate("Cli", "give how many puzzles to deal, a whole number from 1 to 10000"));
    std::string seed, orderWord;
    const std::vector<Option> options = {
        {"--cards", translate("Cli", "the number of face cards, 3 to 7"), &r.faceCards, 3, 7},
        {"--high", translate("Cli", "the highest card, 1 to 99"), &r.highCard, 1, 99},
        {"--level", translate("Cli", "a difficulty from 1 to 5"), &r.level, 1, 5},
        {"--answer-only", "", nullptr, 0, 0, &r.answerOnly},
        {"--seed", translate("Cli", "a whole number from 0 to 4294967295"), nullptr, 0, 0, nullptr, &seed},
        {"--order", translate("Cli", "game or school"), nullptr, 0, 0, nullptr, &orderWord},
    };
    const std::string why = ReadOptions(args, 2, options, [&](const std::string& word) -> std::string {
        if (!r.deckFile.empty()) return Args(translate("Cli", "give one deck file, not two ('%1' and '%2')"), {r.deckFile, word});
        r.deckFile = word;
        return {};
    });
    if (!why.empty()) return fail(why);
    if (!orderWord.empty() && !ReadOrder(orderWord, r.order)) return fail(OrderNeeds());
    if (!seed.empty()) {
        const long long value = Number(seed, 0, 4294967295LL);
        if (value < 0) return fail(translate("Cli", "--seed needs a whole number from 0 to 4294967295"));
        r.seeded = true;
        r.seed = static_cast<uint32_t>(value);
    }
    if (r.seeded && !r.deckFile.empty()) return fail(translate("Cli", "give --seed or a deck file, not both"));
    r.kind = CommandLineRequest::Kind::Deal;
    return r;
}

// --today [--cards C] [--date YYYY-MM-DD]
CommandLineRequest ParseToday(const std::vector<std::string>& args) {
    CommandLineRequest r;
    const std::vector<Option> options = {
        {"--cards", translate("Cli", "the number of face cards, 3 to 7"), &r.faceCards, 3, 7},
        {"--date", translate("Cli", "a date written YYYY-MM-DD"), nullptr, 0, 0, nullptr, &r.date},
    };
    std::string why = ReadOptions(args, 1, options, [](const std::string& word) {
        return Args(translate("Cli", "'%1' is not an option of --today"), {word});
    });
    int year = 0, month = 0, day = 0;
    if (why.empty() && !r.date.empty() && !ReadIsoDate(r.date, year, month, day))
        why = Args(translate("Cli", "--date needs a date written YYYY-MM-DD, such as 2026-12-07, not '%1'"), {r.date});
    if (!why.empty()) {
        r.kind = CommandLineRequest::Kind::Error;
        r.error = "--today: " + why;
        return r;
    }
    r.kind = CommandLineRequest::Kind::Today;
    return r;
}

// One line per puzzle, as --deal and --today print them.
void PrintPuzzle(std::ostream& out, const std::vector<int>& cards, int answer, int level) {
    for (int c : cards) out << c << ' ';
    //: the end of a line of --deal: "=> 24  level 3" (level - when the puzzle has no answer)
    out << "=> " << answer << "  " << Args(translate("Cli", "level %1"), {level > 0 ? std::to_string(level) : "-"}) << '\n';
}

int RunToday(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
    int year = 0, month = 0, day = 0;
    if (request.date.empty()) {
        const std::time_t now = std::time(nullptr);
        const std::tm local = *std::localtime(&now);  // one thread here; localtime_r is POSIX only
        year = local.tm_year + 1900;
        month = local.tm_mon + 1;
        day = local.tm_mday;
    } else {
        ReadIsoDate(request.date, year, month, day);
    }
    const std::optional<DayPuzzle> puzzle = PuzzleOfTheDay(year, month, day, request.faceCards ? request.faceCards : 5);
    if (!puzzle) {
        err << translate("Cli", "pelorand: --today: no puzzle with an answer turned up for that day.") << '\n';
        return 1;
    }
    PrintPuzzle(out, puzzle->cards, puzzle->answer, puzzle->level);
    return 0;
}

// --worksheet [--cards C] [--high H] [--level L] [--count N] [--per-page P] [--code CODE]
//             [--title TEXT] [--no-answers] -o FILE.pdf
CommandLineRequest ParseWorksheet(const std::vector<std::string>& args) {
    CommandLineRequest r;
    auto fail = [&](const std::string& why) {
        r.kind = CommandLineRequest::Kind::Error;
        r.error = "--worksheet: " + why;
        return r;
    };
    bool noAnswers = false;
    std::string orderWord;
    r.title = translate("Worksheet", "Pelorand worksheet");
    const std::vector<Option> options = {
        {"--cards", translate("Cli", "the number of face cards, 3 to 7"), &r.faceCards, 3, 7},
        {"--high", translate("Cli", "the highest card, 1 to 99"), &r.highCard, 1, 99},
        {"--level", translate("Cli", "a difficulty from 1 to 5"), &r.level, 1, 5},
        {"--count", translate("Cli", "the number of puzzles, 1 to 60"), &r.count, 1, 60},
        {"--per-page", translate("Cli", "the puzzles on a page: 4, 6, 8 or 12"), &r.perPage, 4, 12},
        {"--code", translate("Cli", "a worksheet code"), nullptr, 0, 0, nullptr, &r.code},
        {"--title", translate("Cli", "the title line"), nullptr, 0, 0, nullptr, &r.title},
        {"--no-answers", "", nullptr, 0, 0, &noAnswers},
        {"-o", translate("Cli", "the name of the PDF file to write"), nullptr, 0, 0, nullptr, &r.outFile},
        {"--order", translate("Cli", "game or school"), nullptr, 0, 0, nullptr, &orderWord},
    };
    const std::string why = ReadOptions(args, 1, options, [](const std::string& word) {
        return Args(translate("Cli", "'%1' is not an option; name the PDF file after -o"), {word});
    });
    if (!why.empty()) return fail(why);
    if (!orderWord.empty() && !ReadOrder(orderWord, r.order)) return fail(OrderNeeds());
    if (r.perPage && r.perPage != 4 && r.perPage != 6 && r.perPage != 8 && r.perPage != 12)
        return fail(translate("Cli", "--per-page needs the puzzles on a page: 4, 6, 8 or 12"));
    if (r.outFile.empty()) return fail(translate("Cli", "name the PDF file to write with -o FILE.pdf"));
    if (!r.code.empty() && (r.faceCards || r.highCard || r.level || r.count))
        return fail(translate("Cli", "a code holds the cards, highest card, level and count: give --code or those, not both"));
    r.answerOnly = !noAnswers;  // here: whether the sheet has its answer page
    r.kind = CommandLineRequest::Kind::Worksheet;
    return r;
}

// The deals, as the game puts them on the table: first the puzzle a start shows (a fresh deck's
// first deal under the options, as the game starts; a deck file's own puzzle whatever the
// options, as opening it in the game shows it, so a teacher who saved a deck learns its level),
// then each Deal in turn.
int RunDeal(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
    int16_t faceCards = static_cast<int16_t>(request.faceCards ? request.faceCards : 5);
    int16_t highCard = static_cast<int16_t>(request.highCard ? request.highCard : 25);
    uint8_t deck[55] = {};
    int16_t deckPos = 0;
    DealRule rule;
    rule.answerOnly = request.answerOnly;
    rule.level = request.level;
    int left = request.count;
    if (!request.deckFile.empty()) {
        std::ifstream file(request.deckFile, std::ios::binary);
        std::vector<uint8_t> bytes;
        if (file) bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        const DecodedDeck decoded = DecodeDeck(bytes.data(), bytes.size());
        if (!file || decoded.result != DecodedDeck::Result::Ok) {
            const std::string why = !file ? translate("Cli", "no such file or no permission to read it")
                                    : decoded.result == DecodedDeck::Result::WrongLength ? translate("Cli", "a deck file is exactly 55 bytes")
                                                                                         : decoded.reason;
            err << Args(translate("Cli", "pelorand: --deal: cannot read the deck '%1': %2"), {request.deckFile, why}) << '\n';
            return 2;
        }
        std::copy(decoded.bytes.begin(), decoded.bytes.end(), deck);
        deckPos = decoded.DeckPos();
        if (!request.faceCards) faceCards = decoded.FaceCards();
        if (!request.highCard) highCard = decoded.HighCard();
    } else {
        deckPos = StartGame(faceCards, request.seeded ? std::optional<uint32_t>(request.seed) : std::nullopt);
        ShuffleCards(deck, highCard);
        if (!DealQualifying(deck, deckPos, faceCards, highCard, rule)) {
            err << "pelorand: --deal: " << NothingQualifies(rule) << ".\n";
            return 1;
        }
    }
    for (;;) {
        std::vector<int> cards;
        for (int16_t i = 0; i < faceCards; ++i) cards.push_back(deck[RingPos(deckPos, faceCards, i)]);
        PrintPuzzle(out, cards, deck[deckPos], Level(FactsOf(cards, deck[deckPos])));
        if (--left == 0) return 0;
        if (!DealQualifying(deck, deckPos, faceCards, highCard, rule)) {
            err << "pelorand: --deal: " << NothingQualifies(rule) << ".\n";
            return 1;
        }
    }
}

// --help; its translation keeps the option names and the layout of the columns.
std::string UsageText() {
    return translate("Cli",
        "Usage: pelorand [DECK-FILE]\n"
        "       pelorand --solve [--search] [--order O] C1 C2 C3 [C4 ... C7] ANSWER\n"
        "       pelorand --check [--order O] C1 C2 C3 [C4 ... C7] ANSWER \"EXPRESSION\"\n"
        "       pelorand --deal N [--cards C] [--high H] [--answer-only] [--level L] [--order O]\n"
        "                         [--seed S | DECK-FILE]\n"
        "       pelorand --today [--cards C] [--date YYYY-MM-DD]\n"
        "       pelorand --worksheet [--cards C] [--high H] [--level L] [--count N] [--per-page P]\n"
        "                            [--code CODE] [--title TEXT] [--no-answers] [--order O] -o FILE.pdf\n"
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
        "  --deal         print N puzzles (1 to 10000) as the game puts them on the table, one a line:\n"
        "                 C1 ... Cn => A  level K (level - when it has no answer). From a fresh deck\n"
        "                 shuffled from seed S (or from the clock), with C face cards (3 to 7, default\n"
        "                 5) and highest card H (1 to 99, default 25): the game's first deal, then\n"
        "                 each Deal. From a saved deck, with its own cards and highest card unless\n"
        "                 given: first the deck's own puzzle, as opening the deck shows it, then each\n"
        "                 Deal after it. --answer-only deals only puzzles with an answer, --level L\n"
        "                 only puzzles of difficulty L (1 easy to 5 hard); the deck's own puzzle is\n"
        "                 printed whatever they say. Exit 0; 1 when no puzzle qualifies; 2 for bad\n"
        "                 arguments\n"
        "  --today        print today's puzzle as --deal prints a puzzle: fixed by the date alone, the\n"
        "                 same on every machine that day, with an answer, of middle difficulty; with\n"
        "                 C face cards (3 to 7, default 5), for the date given by --date if any.\n"
        "                 Exit status 0; 1 when no puzzle turns up; 2 for bad arguments\n"
        "  --worksheet    write a worksheet for a class as a PDF file, without a display: N puzzles\n"
        "                 (1 to 60, default 20) with an answer, of C cards (default 4) up to H\n"
        "                 (default 12), of difficulty L when given, P to a page (4, 6, 8 or 12,\n"
        "                 default 8), then a page of answers (unless --no-answers). Prints the\n"
        "                 sheet's code; --code CODE makes the same sheet again. Exit status 0;\n"
        "                 1 when no puzzle fits or the file cannot be written; 2 for bad arguments\n"
        "  --order O      the order of operations to read and write in: game (the default: brackets,\n"
        "                 then every *, then every /, then every +, then every -) or school\n"
        "                 (brackets, then * and / left to right, then + and - left to right)\n"
        "  -h, --help     show this text\n"
        "  --version      show the version\n"
        "  --             what follows is a deck file name, even one that starts with '-'\n"
        "\n"
        "Results go to standard output; every error and message goes to standard error.\n");
}

}  // namespace

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineRequest r;
    if (args.empty()) return r;
    const std::string& first = args[0];
    if (first == "--help" || first == "-h") {
        r.kind = CommandLineRequest::Kind::Help;
    } else if (first == "--version") {
        r.kind = CommandLineRequest::Kind::Version;
    } else if (first == "--deal") {
        return ParseDeal(args);
    } else if (first == "--worksheet") {
        return ParseWorksheet(args);
    } else if (first == "--today") {
        return ParseToday(args);
    } else if (first == "--solve" || first == "--check") {
        const bool check = first == "--check";
        // --order stands right after the job (and after --search); the rest reads as ever.
        std::vector<std::string> rest = args;
        for (std::size_t i = 1; i < rest.size() && i <= 2; ++i) {
            if (rest[i] != "--order") continue;
            if (i + 1 >= rest.size() || !ReadOrder(rest[i + 1], r.order)) {
                r.kind = CommandLineRequest::Kind::Error;
                r.error = first + ": " + OrderNeeds();
                return r;
            }
            rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i), rest.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            if (std::find(rest.begin(), rest.end(), "--order") != rest.end()) {
                r.kind = CommandLineRequest::Kind::Error;
                r.error = first + ": " + Args(translate("Cli", "%1 is given twice; give it once"), {"--order"});
                return r;
            }
            break;
        }
        const std::vector<std::string>& args = rest;
        r.search = !check && args.size() > 1 && args[1] == "--search";
        const std::size_t skip = r.search ? 1 : 0;  // --search stands right after --solve
        const std::size_t numbers = args.size() - 1 - skip - (check ? 1 : 0);
        r.kind = CommandLineRequest::Kind::Error;
        if (args.size() < (check ? 6u : 5u) + skip || numbers < 4 || numbers > 8) {
            r.error = first + ": " + (check ? translate("Cli", "give 3 to 7 face cards and then the answer card, then the answer in quotes")
                                            : translate("Cli", "give 3 to 7 face cards and then the answer card"));
            return r;
        }
        for (std::size_t i = 1; i <= numbers; ++i) {
            const std::string& word = args[i + skip];
            const int value = Card(word);
            if (value < 0) {
                const bool answerTooEarly = check && !word.empty() && (word.find_first_of("+-*/:()x ") != std::string::npos);
                r.error = answerTooEarly ? "--check: " + translate("Cli", "the answer in quotes comes last, once, after the answer card")
                                         : first + ": " + Args(translate("Cli", "'%1' is not a card: each card and the answer must be a whole number from 1 to 99"), {word});
                return r;
            }
            (i < numbers ? r.cards.push_back(value) : void(r.answer = value));
        }
        if (check && Card(args.back()) >= 0) {  // a bare number: the quoted answer is missing
            r.error = "--check: " + translate("Cli", "give the answer in quotes after the answer card");
            return r;
        }
        if (check) r.expression = args.back();
        r.kind = check ? CommandLineRequest::Kind::Check : CommandLineRequest::Kind::Solve;
    } else if (first == "--") {  // what follows is a deck file name, even one that starts with "-"
        r.deckFile = Joined(args, 1);
    } else if (first.size() > 1 && first[0] == '-' && !IsQtOption(first)) {
        r.kind = CommandLineRequest::Kind::Error;
        const std::string near = Nearest(first);
        r.error = near.empty() ? Args(translate("Cli", "unknown option '%1' (a deck file whose name starts with '-' opens as ./%1 or after --)"), {first})
                               : Args(translate("Cli", "unknown option '%1'; did you mean %2? (a deck file whose name starts with '-' opens as ./%1 or after --)"), {first, near});
    } else {
        r.deckFile = Joined(args, 0);  // the whole line is one deck file name, spaces and all
    }
    return r;
}

int RunCommandLine(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
    switch (request.kind) {
    case CommandLineRequest::Kind::Help:
        out << UsageText();
        return 0;
    case CommandLineRequest::Kind::Version:
        out << "pelorand " << PELORAND_VERSION_MAJOR << '.' << PELORAND_VERSION_MINOR << '.' << PELORAND_VERSION_PATCH << '\n';
        return 0;
    case CommandLineRequest::Kind::Error:
        err << "pelorand: " << request.error << '\n' << translate("Cli", "Try 'pelorand --help' for more information.") << '\n';
        return 2;
    case CommandLineRequest::Kind::Deal:
        return RunDeal(request, out, err);
    case CommandLineRequest::Kind::Today:
        return RunToday(request, out, err);
    case CommandLineRequest::Kind::Worksheet:  // needs a painter: main() runs it with Qt
        break;
    case CommandLineRequest::Kind::Solve: {
        if (!request.search) {
            const PlayerVerdict v = SolveForPlayer(request.cards, request.answer, ListedSolutions);
            //: --solve's first line: how many answers solve, "answers: 3"
            out << Args(translate("Cli", "answers: %1"), {lang::Number(static_cast<int64_t>(v.answers))}) << '\n';
            for (const Expression& e : v.listed) out << CleanText(e, request.order) << '\n';
            return v.answers > 0 ? 0 : 1;
        }
        const SolveVerdict v = Solve(request.cards, request.answer, SolveMode::CountAll, ListedSolutions, {}, {}, request.order);
        out << Args(translate("Cli", "solutions: %1"), {lang::Number(static_cast<int64_t>(v.solutions))}) << '\n';
        for (const std::u16string& attempt : v.listed) out << ToUtf8(DisplayForm(attempt)) << '\n';
        return v.solutions > 0 ? 0 : 1;
    }
    case CommandLineRequest::Kind::Check: {
        const AnswerCheck c = CheckAnswer(FromUtf8(request.expression), request.cards, request.answer, request.order);
        if (c.error.kind != AnswerError::Kind::None) {
            err << Args(translate("Cli", "error: column %1: %2"), {std::to_string(c.error.offset + 1), AnswerMessage(c.error)}) << '\n';
            return 2;
        }
        out << ToUtf8(c.shown) << '\n'
            << Args(translate("Cli", "value: %1"), {c.dividedByZero ? translate("Cli", "none (divides by zero)") : c.value.ToText()}) << '\n'
            << (c.solves ? translate("Cli", "solves") : translate("Cli", "does not solve")) << '\n';
        if (!c.rightAtSchool.empty()) out << ToUtf8(c.rightAtSchool) << '\n';
        return c.solves ? 0 : 1;
    }
    case CommandLineRequest::Kind::Game:
        break;
    }
    return 2;
}
