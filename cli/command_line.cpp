// The command line as one table of subcommands and the options they take: reading a line into a
// request, running its job, and --help made from the table. The game itself is main()'s business.
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
using Kind = CommandLineRequest::Kind;

constexpr int ListedSolutions = 20;
// --help: the widest a line of usage grows before it wraps, and where the list's texts start.
constexpr std::size_t UsageWidth = 95;
constexpr std::size_t TextColumn = 17;

// A whole number low..high and nothing else.
std::optional<long long> Number(const std::string& word, long long low, long long high) {
    long long value = -1;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < low || value > high) return std::nullopt;
    return value;
}

int Card(const std::string& word) { return static_cast<int>(Number(word, 1, 99).value_or(-1)); }

std::string Joined(const std::vector<std::string>& args, std::size_t from) {
    std::string line;
    for (std::size_t i = from; i < args.size(); ++i) line += (i > from ? " " : "") + args[i];
    return line;
}

// Characters, not bytes, of UTF-8 text: what a terminal's columns count.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
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
std::string Nearest(const std::string& word, const std::vector<CommandLineSubcommand>& subcommands) {
    for (const CommandLineSubcommand& s : subcommands)
        if (s.kind != Kind::Game && Distance(word, s.name) <= 2) return s.name;
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

// The option of that name the subcommand takes, or nothing.
const CommandLineOption* Taken(const CommandLineSubcommand& self, const std::vector<CommandLineOption>& options, const std::string& word) {
    const bool takes = std::any_of(self.options.begin(), self.options.end(), [&](const CommandLineSubcommand::Takes& t) { return t.option == word; });
    const auto option = std::find_if(options.begin(), options.end(), [&](const CommandLineOption& o) { return o.name == word; });
    return takes && option != options.end() ? &*option : nullptr;
}

// What an option needs, when its value is missing.
std::string Needs(const CommandLineOption& option) {
    //: "--cards needs the number of face cards, 3 to 7"
    return Args(translate("Cli", "%1 needs %2"), {option.name, option.needs});
}

// Why a value of the option is refused.
std::string Refusal(const CommandLineOption& option, const std::string& value) {
    return option.refusal.empty() ? Needs(option) : Args(option.refusal, {value});
}

std::string GivenTwice(const std::string& name) { return Args(translate("Cli", "%1 is given twice; give it once"), {name}); }

// Puts a value of the option in the request, or says why not.
std::string Judge(const CommandLineOption& option, const std::string& value, CommandLineRequest& r) {
    long long number = 0;
    if (option.low <= option.high) {
        const std::optional<long long> n = Number(value, option.low, option.high);
        if (!n) return Refusal(option, value);
        number = *n;
    } else if (!option.words.empty()) {
        std::string word = value;
        for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));  // School, SCHOOL
        const auto at = std::find(option.words.begin(), option.words.end(), word);
        if (at == option.words.end()) return Refusal(option, value);
        number = at - option.words.begin();
    } else if (option.check && !option.check(value)) {
        return Refusal(option, value);
    }
    option.store(r, value, number);
    return {};
}

// Reads args[from..] as the options the subcommand takes; a word that is no option goes to
// positional (which may refuse it with a message). Returns the first problem, or nothing.
std::string ReadOptions(const std::vector<std::string>& args, std::size_t from, const CommandLineSubcommand& self, CommandLineRequest& r,
                        const std::function<std::string(const std::string&)>& positional) {
    const std::vector<CommandLineOption> options = CommandLineOptions();
    std::vector<std::string> seen;
    std::vector<std::pair<const CommandLineOption*, std::string>> last;  // judged once all are read
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& word = args[i];
        const CommandLineOption* option = Taken(self, options, word);
        if (!option) {
            if (word.size() > 1 && word[0] == '-') return Args(translate("Cli", "unknown option '%1'"), {word});
            if (std::string why = positional(word); !why.empty()) return why;
            continue;
        }
        if (std::find(seen.begin(), seen.end(), word) != seen.end()) return GivenTwice(word);
        seen.push_back(word);
        if (option->value.empty()) {
            option->store(r, {}, 0);
            continue;
        }
        if (i + 1 >= args.size()) return Needs(*option);
        const std::string& value = args[++i];
        if (option->judgedLast) {
            last.emplace_back(option, value);
        } else if (std::string why = Judge(*option, value, r); !why.empty()) {
            return why;
        }
    }
    for (const CommandLineSubcommand::Takes& t : self.options) {  // in the order the subcommand names them
        const auto at = std::find_if(last.begin(), last.end(), [&](const auto& l) { return l.first->name == t.option; });
        if (at == last.end()) continue;
        if (std::string why = Judge(*at->first, at->second, r); !why.empty()) return why;
    }
    return {};
}

// --solve and --check: their options first (one with a value as the first or second word, as
// it always could stand; then the flags), then the cards and the answer card, then for --check
// the answer in quotes.
std::string ParseCards(const std::vector<std::string>& args, const CommandLineSubcommand& self, CommandLineRequest& r) {
    const bool check = self.kind == Kind::Check;
    const std::vector<CommandLineOption> options = CommandLineOptions();
    std::vector<std::string> rest = args;
    for (bool found = true; found;) {
        found = false;
        for (std::size_t i = 1; i < rest.size() && i <= 2 && !found; ++i) {
            const CommandLineOption* option = Taken(self, options, rest[i]);
            if (!option || option->value.empty()) continue;
            if (i + 1 >= rest.size()) return Needs(*option);
            if (std::string why = Judge(*option, rest[i + 1], r); !why.empty()) return why;
            rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i), rest.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            if (std::find(rest.begin(), rest.end(), option->name) != rest.end()) return GivenTwice(option->name);
            found = true;
        }
    }
    std::size_t skip = 0;  // the flags, each once
    std::vector<std::string> flags;
    while (skip + 1 < rest.size()) {
        const CommandLineOption* option = Taken(self, options, rest[skip + 1]);
        if (!option || !option->value.empty() || std::find(flags.begin(), flags.end(), option->name) != flags.end()) break;
        option->store(r, {}, 0);
        flags.push_back(option->name);
        ++skip;
    }
    const std::size_t numbers = rest.size() - 1 - skip - (check ? 1 : 0);
    if (rest.size() < (check ? 6u : 5u) + skip || numbers < 4 || numbers > 8)
        return check ? translate("Cli", "give 3 to 7 face cards and then the answer card, then the answer in quotes")
                     : translate("Cli", "give 3 to 7 face cards and then the answer card");
    for (std::size_t i = 1; i <= numbers; ++i) {
        const std::string& word = rest[i + skip];
        const int value = Card(word);
        if (value < 0) {
            const bool answerTooEarly = check && !word.empty() && (word.find_first_of("+-*/:()x ") != std::string::npos);
            return answerTooEarly ? translate("Cli", "the answer in quotes comes last, once, after the answer card")
                                  : Args(translate("Cli", "'%1' is not a card: each card and the answer must be a whole number from 1 to 99"), {word});
        }
        (i < numbers ? r.cards.push_back(value) : void(r.answer = value));
    }
    if (check && Card(rest.back()) >= 0)  // a bare number: the quoted answer is missing
        return translate("Cli", "give the answer in quotes after the answer card");
    if (check) r.expression = rest.back();
    return {};
}

// --deal N, then its options and a deck file.
std::string ParseDeal(const std::vector<std::string>& args, const CommandLineSubcommand& self, CommandLineRequest& r) {
    const std::optional<long long> count = args.size() < 2 ? std::nullopt : Number(args[1], 1, 10000);
    if (!count) return translate("Cli", "give how many puzzles to deal, a whole number from 1 to 10000");
    r.count = static_cast<int>(*count);
    const std::string why = ReadOptions(args, 2, self, r, [&](const std::string& word) -> std::string {
        if (!r.deckFile.empty()) return Args(translate("Cli", "give one deck file, not two ('%1' and '%2')"), {r.deckFile, word});
        r.deckFile = word;
        return {};
    });
    if (!why.empty()) return why;
    if (r.seed && !r.deckFile.empty()) return translate("Cli", "give --seed or a deck file, not both");
    return {};
}

std::string ParseToday(const std::vector<std::string>& args, const CommandLineSubcommand& self, CommandLineRequest& r) {
    return ReadOptions(args, 1, self, r, [](const std::string& word) { return Args(translate("Cli", "'%1' is not an option of --today"), {word}); });
}

std::string ParseWorksheet(const std::vector<std::string>& args, const CommandLineSubcommand& self, CommandLineRequest& r) {
    r.title = translate("Worksheet", "Pelorand worksheet");
    const std::string why = ReadOptions(args, 1, self, r, [](const std::string& word) {
        return Args(translate("Cli", "'%1' is not an option; name the PDF file after -o"), {word});
    });
    if (!why.empty()) return why;
    if (r.perPage && r.perPage != 4 && r.perPage != 6 && r.perPage != 8 && r.perPage != 12) {  // between the ends, only these
        const std::vector<CommandLineOption> options = CommandLineOptions();
        return Refusal(*Taken(self, options, "--per-page"), std::to_string(r.perPage));
    }
    if (r.outFile.empty()) return translate("Cli", "name the PDF file to write with -o FILE.pdf");
    if (!r.code.empty() && (r.faceCards || r.highCard || r.level || r.count || r.operations))
        return translate("Cli", "a code holds the cards, highest card, level, count and operations: give --code or those, not both");
    return {};
}

std::string ParseDeckFile(const std::vector<std::string>& args, const CommandLineSubcommand& self, CommandLineRequest& r) {
    r.deckFile = Joined(args, self.name.empty() ? 0 : 1);  // the whole line is one deck file name, spaces and all
    return {};
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
    const std::optional<DayPuzzle> puzzle =
        PuzzleOfTheDay(year, month, day, request.faceCards ? request.faceCards : 5, request.operations.value_or(AllowedOperations::All));
    if (!puzzle) {
        err << translate("Cli", "pelorand: --today: no puzzle with an answer turned up for that day.") << '\n';
        return 1;
    }
    PrintPuzzle(out, puzzle->cards, puzzle->answer, puzzle->level);
    return 0;
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
    rule.operations = request.operations.value_or(AllowedOperations::All);
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
        deckPos = StartGame(faceCards, request.seed);
        ShuffleCards(deck, highCard);
        if (!DealQualifying(deck, deckPos, faceCards, highCard, rule)) {
            err << "pelorand: --deal: " << NothingQualifies(rule) << ".\n";
            return 1;
        }
    }
    for (;;) {
        std::vector<int> cards;
        for (int16_t i = 0; i < faceCards; ++i) cards.push_back(deck[RingPos(deckPos, faceCards, i)]);
        PrintPuzzle(out, cards, deck[deckPos], Level(FactsOf(cards, deck[deckPos], {}, FittedWeights, rule.operations)));
        if (--left == 0) return 0;
        if (!DealQualifying(deck, deckPos, faceCards, highCard, rule)) {
            err << "pelorand: --deal: " << NothingQualifies(rule) << ".\n";
            return 1;
        }
    }
}

int RunSolve(const CommandLineRequest& request, std::ostream& out, std::ostream&) {
    if (!request.search) {
        const PlayerVerdict v = SolveForPlayer(request.cards, request.answer, ListedSolutions, {}, PartWay::Any,
                                               request.operations.value_or(AllowedOperations::All));
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

int RunCheck(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
    const AnswerCheck c =
        CheckAnswer(FromUtf8(request.expression), request.cards, request.answer, request.order, request.operations.value_or(AllowedOperations::All));
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

int RunHelp(const CommandLineRequest&, std::ostream& out, std::ostream&) {
    out << CommandLineHelp();
    return 0;
}

int RunVersion(const CommandLineRequest&, std::ostream& out, std::ostream&) {
    out << "pelorand " << PELORAND_VERSION_MAJOR << '.' << PELORAND_VERSION_MINOR << '.' << PELORAND_VERSION_PATCH << '\n';
    return 0;
}

bool IsDate(const std::string& text) {
    int year = 0, month = 0, day = 0;
    return ReadIsoDate(text, year, month, day);
}

// "--cards 3" and the like: the name, then what stands for its value.
std::string Named(const CommandLineOption& option) { return option.value.empty() ? option.name : option.name + " " + option.value; }

// How a line of usage shows an option a subcommand takes: "[--cards C]", unless it says otherwise.
std::string Shown(const CommandLineSubcommand::Takes& takes, const std::vector<CommandLineOption>& options) {
    if (!takes.shown.empty()) return takes.shown;
    const auto option = std::find_if(options.begin(), options.end(), [&](const CommandLineOption& o) { return o.name == takes.option; });
    std::string shown = "[";
    shown += option != options.end() ? Named(*option) : takes.option;
    return shown + "]";
}

// One entry of --help's list: the term, then its text from the column on (below the term when
// the term reaches the column), each line of the text indented to the column.
std::string Entry(const std::string& term, const std::string& text) {
    std::string out = "  " + term;
    const std::size_t at = 2 + Width(term);
    out += at + 2 <= TextColumn ? std::string(TextColumn - at, ' ') : "\n" + std::string(TextColumn, ' ');
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        if (from > 0) out += std::string(TextColumn, ' ');
        out += text.substr(from, end - from) + '\n';
        from = end + 1;
    }
    return out;
}

}  // namespace

// Every option once, shared or not: a subcommand takes one by naming it.
std::vector<CommandLineOption> CommandLineOptions() {
    using R = CommandLineRequest;
    return {
        {.name = "--search", .store = [](R& r, const std::string&, long long) { r.search = true; },
         //: --help's paragraph on --solve --search; keep the line breaks (lines of about 78 characters)
         .help = translate("Cli", "the same for the computer's own attempts: how many of the texts its search\n"
                                  "can write solve by its 15-digit arithmetic, and up to 20 of them")},
        {.name = "--order", .value = "O", .needs = translate("Cli", "game or school"), .words = {"game", "school"}, .judgedLast = true,
         .store = [](R& r, const std::string&, long long n) { r.order = n == 0 ? OperatorOrder::Game : OperatorOrder::School; },
         //: --help's paragraph on --order; keep the line breaks (lines of about 78 characters), and game and school as they are
         .help = translate("Cli", "the order of operations to read and write in: game (the default: brackets,\n"
                                  "then every *, then every /, then every +, then every -) or school\n"
                                  "(brackets, then * and / left to right, then + and - left to right)")},
        {.name = "--ops", .value = "OPS", .needs = translate("Cli", "the operations allowed: all, +- or +-*"),
         .check = [](const std::string& value) { return ParseOperations(value).has_value(); },
         //: %1: what was typed after --ops; keep all, +- and +-* as they are
         .refusal = translate("Cli", "--ops needs the operations allowed: all (the default), +- for + and - only, or +-* for +, - and *, not '%1'"),
         .judgedLast = true, .store = [](R& r, const std::string& text, long long) { r.operations = ParseOperations(text); },
         //: --help's paragraph on --ops; keep the line breaks (lines of about 78 characters), and all, +- and +-* as they are
         .help = translate("Cli", "the operations answers may use: all (the default), +- for + and - only, or\n"
                                  "+-* for +, - and *; answers, levels and deals count only answers that keep\n"
                                  "to them")},
        {.name = "--cards", .value = "C", .needs = translate("Cli", "the number of face cards, 3 to 7"), .low = 3, .high = 7,
         .store = [](R& r, const std::string&, long long n) { r.faceCards = static_cast<int>(n); }},
        {.name = "--high", .value = "H", .needs = translate("Cli", "the highest card, 1 to 99"), .low = 1, .high = 99,
         .store = [](R& r, const std::string&, long long n) { r.highCard = static_cast<int>(n); }},
        {.name = "--level", .value = "L", .needs = translate("Cli", "a difficulty from 1 to 5"), .low = 1, .high = 5,
         .store = [](R& r, const std::string&, long long n) { r.level = static_cast<int>(n); }},
        {.name = "--answer-only", .store = [](R& r, const std::string&, long long) { r.answerOnly = true; }},
        {.name = "--seed", .value = "S", .needs = translate("Cli", "a whole number from 0 to 4294967295"), .low = 0, .high = 4294967295LL,
         .judgedLast = true, .store = [](R& r, const std::string&, long long n) { r.seed = static_cast<uint32_t>(n); }},
        {.name = "--date", .value = "YYYY-MM-DD", .needs = translate("Cli", "a date written YYYY-MM-DD"), .check = IsDate,
         .refusal = translate("Cli", "--date needs a date written YYYY-MM-DD, such as 2026-12-07, not '%1'"), .judgedLast = true,
         .store = [](R& r, const std::string& text, long long) { r.date = text; }},
        {.name = "--count", .value = "N", .needs = translate("Cli", "the number of puzzles, 1 to 60"), .low = 1, .high = 60,
         .store = [](R& r, const std::string&, long long n) { r.count = static_cast<int>(n); }},
        {.name = "--per-page", .value = "P", .needs = translate("Cli", "the puzzles on a page: 4, 6, 8 or 12"), .low = 4, .high = 12,
         .store = [](R& r, const std::string&, long long n) { r.perPage = static_cast<int>(n); }},
        {.name = "--code", .value = "CODE", .needs = translate("Cli", "a worksheet code"),
         .store = [](R& r, const std::string& text, long long) { r.code = text; }},
        {.name = "--title", .value = "TEXT", .needs = translate("Cli", "the title line"),
         .store = [](R& r, const std::string& text, long long) { r.title = text; }},
        {.name = "--no-answers", .store = [](R& r, const std::string&, long long) { r.noAnswers = true; }},
        {.name = "-o", .value = "FILE.pdf", .needs = translate("Cli", "the name of the PDF file to write"),
         .store = [](R& r, const std::string& text, long long) { r.outFile = text; }},
    };
}

// Every subcommand, in the order --help lists them; the first, without a name, is the game.
std::vector<CommandLineSubcommand> CommandLineSubcommands() {
    using S = CommandLineSubcommand;
    return {
        {.kind = Kind::Game, .after = "[DECK-FILE]", .term = "DECK-FILE",
         //: --help's line on DECK-FILE
         .help = translate("Cli", "start the game with a saved deck (.pld)"), .parse = ParseDeckFile},
        {.name = "--solve", .kind = Kind::Solve, .options = {{"--search"}, {"--order"}, {"--ops"}}, .after = "C1 C2 C3 [C4 ... C7] ANSWER",
         //: --help's paragraph on --solve; keep the line breaks (lines of about 78 characters)
         .help = translate("Cli", "count every distinct answer that solves the puzzle and show up to 20, simplest\n"
                                  "first; answers that differ only in the order or grouping of things added or\n"
                                  "multiplied count once. 3 to 7 face cards and the answer card, each 1 to 99.\n"
                                  "Exit status 0 when it has an answer, 1 when it has none, 2 for bad arguments"),
         .parse = ParseCards, .run = RunSolve},
        {.name = "--check", .kind = Kind::Check, .options = {{"--order"}, {"--ops"}}, .after = "C1 C2 C3 [C4 ... C7] ANSWER \"EXPRESSION\"",
         //: --help's paragraph on --check; keep the line breaks (lines of about 78 characters)
         .help = translate("Cli", "check your own answer, such as \"5 + 3 * 7 - 2\", exactly; prints it as the\n"
                                  "game read it, its exact value (a whole number or a fraction such as 17/3)\n"
                                  "and whether it solves. Exit status 0 when it solves, 1 when it does not,\n"
                                  "2 when it cannot be read or the arguments are wrong"),
         .parse = ParseCards, .run = RunCheck},
        {.name = "--deal", .kind = Kind::Deal,
         .options = {{"--cards"}, {"--high"}, {"--answer-only"}, {"--level"}, {"--order"}, {"--ops"}, {"--seed", "[--seed S | DECK-FILE]"}}, .before = "N",
         //: --help's paragraph on --deal; keep the line breaks (lines of about 78 characters)
         .help = translate("Cli", "print N puzzles (1 to 10000) as the game puts them on the table, one a line:\n"
                                  "C1 ... Cn => A  level K (level - when it has no answer). From a fresh deck\n"
                                  "shuffled from seed S (or from the clock), with C face cards (3 to 7, default\n"
                                  "5) and highest card H (1 to 99, default 25): the game's first deal, then\n"
                                  "each Deal. From a saved deck, with its own cards and highest card unless\n"
                                  "given: first the deck's own puzzle, as opening the deck shows it, then each\n"
                                  "Deal after it. --answer-only deals only puzzles with an answer, --level L\n"
                                  "only puzzles of difficulty L (1 easy to 5 hard); the deck's own puzzle is\n"
                                  "printed whatever they say. Exit 0; 1 when no puzzle qualifies; 2 for bad\n"
                                  "arguments"),
         .parse = ParseDeal, .run = RunDeal},
        {.name = "--today", .kind = Kind::Today, .options = {{"--cards"}, {"--date"}, {"--ops"}},
         //: --help's paragraph on --today; keep the line breaks (lines of about 78 characters)
         .help = translate("Cli", "print today's puzzle as --deal prints a puzzle: fixed by the date alone, the\n"
                                  "same on every machine that day, with an answer, of middle difficulty; with\n"
                                  "C face cards (3 to 7, default 5), for the date given by --date if any.\n"
                                  "Exit status 0; 1 when no puzzle turns up; 2 for bad arguments"),
         .parse = ParseToday, .run = RunToday},
        {.name = "--worksheet", .kind = Kind::Worksheet,
         .options = {{"--cards"}, {"--high"}, {"--level"}, {"--count"}, {"--per-page"}, {"--code"}, {"--title"}, {"--no-answers"}, {"--order"},
                     {"--ops"}, {"-o", "-o FILE.pdf"}},
         //: --help's paragraph on --worksheet; keep the line breaks (lines of about 78 characters)
         .help = translate("Cli", "write a worksheet for a class as a PDF file, without a display: N puzzles\n"
                                  "(1 to 60, default 20) with an answer, of C cards (default 4) up to H\n"
                                  "(default 12), of difficulty L when given, P to a page (4, 6, 8 or 12,\n"
                                  "default 8), then a page of answers (unless --no-answers). Prints the\n"
                                  "sheet's code; --code CODE makes the same sheet again. Exit status 0;\n"
                                  "1 when no puzzle fits or the file cannot be written; 2 for bad arguments"),
         .parse = ParseWorksheet},  // needs a painter: main() runs it with Qt
        {.name = "--help", .alias = "-h", .kind = Kind::Help, .line = S::Line::Shared,
         //: --help's line on --help
         .help = translate("Cli", "show this text"), .run = RunHelp},
        {.name = "--version", .kind = Kind::Version, .line = S::Line::Shared,
         //: --help's line on --version
         .help = translate("Cli", "show the version"), .run = RunVersion},
        {.name = "--", .kind = Kind::Game, .line = S::Line::None,
         //: --help's line on --
         .help = translate("Cli", "what follows is a deck file name, even one that starts with '-'"), .parse = ParseDeckFile},
    };
}

std::string CommandLineHelp() {
    const std::vector<CommandLineOption> options = CommandLineOptions();
    const std::vector<CommandLineSubcommand> subcommands = CommandLineSubcommands();
    //: --help's first line; %1 is "pelorand [DECK-FILE]", and the lines of usage below it start under the p
    const std::string usage = translate("Cli", "Usage: %1");
    const std::string margin(Width(usage.substr(0, usage.find("%1"))), ' ');
    std::vector<std::string> lines;
    std::string shared;
    for (const CommandLineSubcommand& s : subcommands) {
        if (s.line == CommandLineSubcommand::Line::None) continue;
        const std::string head = "pelorand" + (s.name.empty() ? "" : " " + s.name);
        if (s.line == CommandLineSubcommand::Line::Shared) {
            if (shared.empty()) lines.emplace_back();  // its place: where the first of them stands
            shared += (shared.empty() ? "" : " | ") + s.name;
            continue;
        }
        std::vector<std::string> parts;
        if (!s.before.empty()) parts.push_back(s.before);
        for (const CommandLineSubcommand::Takes& t : s.options) parts.push_back(Shown(t, options));
        if (!s.after.empty()) parts.push_back(s.after);
        // Wrapped under its first option (after the words before its options).
        const std::string under(Width(head) + 1 + (s.before.empty() ? 0 : Width(s.before) + 1), ' ');
        std::string line = head;
        for (const std::string& part : parts) {
            if (line != head && Width(margin + line + " " + part) > UsageWidth) {
                lines.push_back(line);
                line = under + part;
            } else {
                line += " " + part;
            }
        }
        lines.push_back(line);
    }
    std::string out;
    for (const std::string& line : lines) {
        const std::string text = line.empty() ? "pelorand " + shared : line;
        out += (out.empty() ? Args(usage, {text}) : margin + text) + '\n';
    }
    out += '\n' +
           translate("Cli",
                     "Pelorand is an arithmetic card puzzle: make the answer card from all the face cards,\n"
                     "each used once, with + - * / and brackets, in the game's own order of operations\n"
                     "(brackets, then multiplication, division, addition and subtraction, each left to right).\n"
                     "\n"
                     "Two rules. Your answers are worked out exactly, in whole numbers and fractions: an answer\n"
                     "solves when it makes exactly the answer card and never divides by zero. The computer's own\n"
                     "search works every step to 15 digits and counts only an exact hit, so it can miss answers\n"
                     "that you can find.") +
           "\n\n";
    // Each subcommand, then each option whose last taker it is: one a single subcommand takes is
    // called by both names ("--solve --search"), a shared one by its own.
    for (std::size_t i = 0; i < subcommands.size(); ++i) {
        const CommandLineSubcommand& s = subcommands[i];
        out += Entry(!s.term.empty() ? s.term : s.alias.empty() ? s.name : s.alias + ", " + s.name, s.help);
        for (const CommandLineOption& o : options) {
            std::vector<std::string> takers;
            for (const CommandLineSubcommand& t : subcommands)
                if (std::any_of(t.options.begin(), t.options.end(), [&](const CommandLineSubcommand::Takes& k) { return k.option == o.name; }))
                    takers.push_back(t.name);
            if (o.help.empty() || takers.empty() || takers.back() != s.name) continue;
            out += Entry(takers.size() == 1 ? s.name + " " + Named(o) : Named(o), o.help);
        }
    }
    return out + '\n' + translate("Cli", "Results go to standard output; every error and message goes to standard error.") + '\n';
}

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineRequest r;
    if (args.empty()) return r;
    const std::vector<CommandLineSubcommand> subcommands = CommandLineSubcommands();
    const std::string& first = args[0];
    auto named = std::find_if(subcommands.begin(), subcommands.end(), [&](const CommandLineSubcommand& s) {
        return !s.name.empty() && (first == s.name || (!s.alias.empty() && first == s.alias));
    });
    if (named == subcommands.end()) {
        if (first.size() > 1 && first[0] == '-' && !IsQtOption(first)) {
            r.kind = Kind::Error;
            const std::string near = Nearest(first, subcommands);
            r.error = near.empty() ? Args(translate("Cli", "unknown option '%1' (a deck file whose name starts with '-' opens as ./%1 or after --)"), {first})
                                   : Args(translate("Cli", "unknown option '%1'; did you mean %2? (a deck file whose name starts with '-' opens as ./%1 or after --)"), {first, near});
            return r;
        }
        named = std::find_if(subcommands.begin(), subcommands.end(), [](const CommandLineSubcommand& s) { return s.name.empty(); });
    }
    r.kind = named->kind;
    if (named->parse) {
        if (std::string why = named->parse(args, *named, r); !why.empty()) {
            r.kind = Kind::Error;
            r.error = named->name + ": " + why;
        }
    }
    return r;
}

int RunCommandLine(const CommandLineRequest& request, std::ostream& out, std::ostream& err) {
    if (request.kind == Kind::Error) {
        err << "pelorand: " << request.error << '\n' << translate("Cli", "Try 'pelorand --help' for more information.") << '\n';
        return 2;
    }
    for (const CommandLineSubcommand& s : CommandLineSubcommands())
        if (s.kind == request.kind && s.run) return s.run(request, out, err);
    return 2;  // the game and the worksheet are main()'s to run
}
