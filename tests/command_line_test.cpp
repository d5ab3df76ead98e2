// The command line's table walked: every subcommand's line of usage in --help, every option a
// subcommand names read by it at the ends of its range and refused past them, no name twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "cli/command_line.h"

namespace {

// A line each subcommand reads without a fault, with the place an option goes: after before,
// ahead of after.
struct Example {
    std::vector<std::string> before, after;
};
const std::map<std::string, Example> Examples = {
    {"", {{"deck.pld"}, {}}},
    {"--solve", {{"--solve"}, {"3", "3", "8", "8", "24"}}},
    {"--check", {{"--check"}, {"3", "3", "8", "8", "24", "8 / (3 - 8 / 3)"}}},
    {"--deal", {{"--deal", "3"}, {}}},
    {"--today", {{"--today"}, {}}},
    {"--worksheet", {{"--worksheet"}, {"-o", "sheet.pdf"}}},
    {"--help", {{"--help"}, {}}},
    {"--version", {{"--version"}, {}}},
    {"--", {{"--"}, {"deck.pld"}}},
};

// Values of the options that take a text rather than a number or a word: ends of what they
// take, and values just past them.
struct Texts {
    std::vector<std::string> taken, refused;
};
const std::map<std::string, Texts> TextValues = {
    {"--date", {{"0001-01-01", "9999-12-31", "2028-02-29"}, {"0000-12-31", "2026-02-29", "2026-12-7", "10000-01-01"}}},
    {"--code", {{"KAWVB2436MZ9J", "kawv-b243-6mz9j"}, {}}},
    {"--title", {{"Week 1", ""}, {}}},
    {"-o", {{"week1.pdf", "-"}, {}}},
    {"--ops", {{"all", "ALL", "+-", "-+", "+-*", "+-x", "+ \u2212 \u00D7", "+-*/"}, {"+", "*/", "+-/", "++-", "four", ""}}},
};

const CommandLineOption* Find(const std::vector<CommandLineOption>& options, const std::string& name) {
    const auto at = std::find_if(options.begin(), options.end(), [&](const CommandLineOption& o) { return o.name == name; });
    return at == options.end() ? nullptr : &*at;
}

// The example line of s with the option and value put in, and the example's own use of that
// option (-o of --worksheet) taken out.
std::vector<std::string> With(const CommandLineSubcommand& s, const CommandLineOption& o, const std::vector<std::string>& words) {
    const Example& e = Examples.at(s.name);
    std::vector<std::string> line = e.before;
    line.insert(line.end(), words.begin(), words.end());
    for (std::size_t i = 0; i < e.after.size(); ++i) {
        if (e.after[i] == o.name) {
            i += o.value.empty() ? 0 : 1;
            continue;
        }
        line.push_back(e.after[i]);
    }
    return line;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& w : words) line += (line.empty() ? "" : " ") + w;
    return line;
}

// Runs of spaces and line breaks as one space: a line of usage wrapped over two reads as one.
std::string Squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool space = c == ' ' || c == '\n';
        if (space && (out.empty() || out.back() == ' ')) continue;
        out += space ? ' ' : c;
    }
    return out;
}

}  // namespace

TEST(CommandLineTable, NoTwoOptionsOrSubcommandsShareANameAndEveryNamedOptionIsThere) {
    const std::vector<CommandLineOption> options = CommandLineOptions();
    const std::vector<CommandLineSubcommand> subcommands = CommandLineSubcommands();
    std::set<std::string> names;
    for (const CommandLineOption& o : options) EXPECT_TRUE(names.insert(o.name).second) << o.name << " declared twice";
    std::set<std::string> taken, words;
    for (const CommandLineSubcommand& s : subcommands) {
        EXPECT_TRUE(words.insert(s.name).second) << "two subcommands called '" << s.name << "'";
        if (!s.alias.empty()) {
            EXPECT_TRUE(words.insert(s.alias).second) << s.alias;
        }
        std::set<std::string> named;
        for (const CommandLineSubcommand::Takes& t : s.options) {
            EXPECT_TRUE(named.insert(t.option).second) << s.name << " names " << t.option << " twice";
            EXPECT_NE(Find(options, t.option), nullptr) << s.name << " names " << t.option << ", which the table lacks";
            taken.insert(t.option);
        }
    }
    for (const std::string& w : words) EXPECT_EQ(names.count(w), 0u) << w << " is both a subcommand and an option";
    EXPECT_EQ(taken, names) << "an option no subcommand takes";
    EXPECT_EQ(std::count_if(subcommands.begin(), subcommands.end(), [](const CommandLineSubcommand& s) { return s.name.empty(); }), 1)
        << "one entry, the game itself, takes what no name matches";
}

TEST(CommandLineTable, EveryOptionIsReadByEverySubcommandThatNamesIt) {
    const std::vector<CommandLineOption> options = CommandLineOptions();
    for (const CommandLineSubcommand& s : CommandLineSubcommands()) {
        ASSERT_TRUE(Examples.count(s.name)) << "no example line for '" << s.name << "': add one above";
        const CommandLineRequest plain = ParseCommandLine(With(s, CommandLineOption{}, {}));
        ASSERT_EQ(plain.kind, s.kind) << "the example of " << s.name << ": " << plain.error;
        for (const CommandLineSubcommand::Takes& t : s.options) {
            const CommandLineOption* o = Find(options, t.option);
            ASSERT_NE(o, nullptr) << t.option;
            const std::string where = s.name + " " + o->name;
            const std::string needs = s.name + ": " + o->name + " needs " + o->needs;
            // The values it takes, and those it refuses with the words it refuses them in.
            std::vector<std::string> taken, refused;
            if (o->value.empty()) {
                taken = {""};
            } else if (o->low <= o->high) {
                taken = {std::to_string(o->low), std::to_string(o->high)};
                refused = {std::to_string(o->low - 1), std::to_string(o->high + 1), "x"};
            } else if (!o->words.empty()) {
                taken = o->words;
                for (std::string w : o->words) {
                    std::transform(w.begin(), w.end(), w.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
                    taken.push_back(w);
                }
                refused = {"maths", ""};
            } else {
                ASSERT_TRUE(TextValues.count(o->name)) << "no values to try for " << o->name << ": add them above";
                taken = TextValues.at(o->name).taken;
                refused = TextValues.at(o->name).refused;
            }
            // Each taken, and not all read as if the option were not there (the default's own
            // value may be); the two ends of a range read apart.
            std::vector<CommandLineRequest> read;
            for (const std::string& v : taken) {
                const std::vector<std::string> line = With(s, *o, o->value.empty() ? std::vector<std::string>{o->name} : std::vector<std::string>{o->name, v});
                read.push_back(ParseCommandLine(line));
                EXPECT_EQ(read.back().kind, s.kind) << Joined(line) << ": " << read.back().error;
            }
            EXPECT_TRUE(std::any_of(read.begin(), read.end(), [&](const CommandLineRequest& r) { return !(r == plain); })) << where << ": the value went nowhere";
            if (o->low <= o->high) {
                EXPECT_FALSE(read[0] == read[1]) << where << ": both ends read alike";
            }
            for (const std::string& v : refused) {
                const std::vector<std::string> line = With(s, *o, {o->name, v});
                const CommandLineRequest r = ParseCommandLine(line);
                EXPECT_EQ(r.kind, CommandLineRequest::Kind::Error) << Joined(line);
                const std::string said = o->refusal.empty() ? needs : s.name + ": " + o->refusal.substr(0, o->refusal.find("%1")) + v;
                EXPECT_EQ(r.error.substr(0, said.size()), said) << Joined(line);
            }
            if (o->value.empty()) continue;
            // Its value left out (the option last), and the option given twice.
            std::vector<std::string> last = Examples.at(s.name).before;
            last.push_back(o->name);
            EXPECT_EQ(ParseCommandLine(last).error, needs) << where << " with no value";
            const std::vector<std::string> twice = With(s, *o, {o->name, taken.front(), o->name, taken.back()});
            EXPECT_EQ(ParseCommandLine(twice).error, s.name + ": " + o->name + " is given twice; give it once") << Joined(twice);
        }
    }
}

TEST(CommandLineTable, HelpShowsEverySubcommandsLineOfUsageAndEveryParagraphInTheTablesOrder) {
    const std::vector<CommandLineOption> options = CommandLineOptions();
    const std::vector<CommandLineSubcommand> subcommands = CommandLineSubcommands();
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(ParseCommandLine({"--help"}), out, err), 0);
    const std::string help = out.str();
    EXPECT_EQ(help, CommandLineHelp());
    const std::string usage = help.substr(0, help.find("\n\n") + 1);
    // The lines of usage as they always read: a long one wraps under its first option.
    EXPECT_EQ(usage,
              "Usage: pelorand [DECK-FILE]\n"
              "       pelorand --solve [--search] [--order O] [--ops OPS] C1 C2 C3 [C4 ... C7] ANSWER\n"
              "       pelorand --check [--order O] [--ops OPS] C1 C2 C3 [C4 ... C7] ANSWER \"EXPRESSION\"\n"
              "       pelorand --deal N [--cards C] [--high H] [--answer-only] [--level L] [--order O]\n"
              "                         [--ops OPS] [--seed S | DECK-FILE]\n"
              "       pelorand --today [--cards C] [--date YYYY-MM-DD] [--ops OPS]\n"
              "       pelorand --worksheet [--cards C] [--high H] [--level L] [--count N] [--per-page P]\n"
              "                            [--code CODE] [--title TEXT] [--no-answers] [--order O] [--ops OPS]\n"
              "                            -o FILE.pdf\n"
              "       pelorand --help | --version\n");
    // Each subcommand's line, made of its words and each option it takes.
    const std::string squeezed = Squeezed(usage);
    std::string shared = "pelorand";
    for (const CommandLineSubcommand& s : subcommands) {
        if (s.line == CommandLineSubcommand::Line::Shared) shared += (shared == "pelorand" ? " " : " | ") + s.name;
        if (s.line != CommandLineSubcommand::Line::Own) continue;
        std::string line = "pelorand" + (s.name.empty() ? "" : " " + s.name) + (s.before.empty() ? "" : " " + s.before);
        for (const CommandLineSubcommand::Takes& t : s.options) {
            const CommandLineOption* o = Find(options, t.option);
            ASSERT_NE(o, nullptr) << t.option;
            line += " " + (!t.shown.empty() ? t.shown : "[" + o->name + (o->value.empty() ? "" : " " + o->value) + "]");
        }
        line += s.after.empty() ? "" : " " + s.after;
        EXPECT_NE(squeezed.find(line + " pelorand"), std::string::npos) << line;
    }
    EXPECT_NE(squeezed.find(shared + " "), std::string::npos) << shared;
    // The list: each subcommand's paragraph, then those of the options it is the last to take,
    // each line from the seventeenth column, in the table's order.
    std::size_t at = help.find("\n\n  ");
    auto next = [&](const std::string& term, const std::string& text) {
        std::string body;
        for (std::size_t from = 0; from <= text.size();) {
            const std::size_t end = std::min(text.find('\n', from), text.size());
            body += (from ? "\n" + std::string(17, ' ') : "") + text.substr(from, end - from);
            from = end + 1;
        }
        const std::size_t found = help.find("\n  " + term, at);
        ASSERT_NE(found, std::string::npos) << term;
        const std::size_t textAt = help.find(body + "\n", found);
        ASSERT_NE(textAt, std::string::npos) << term;
        const std::size_t lineStart = help.rfind('\n', textAt - 1) + 1;
        EXPECT_EQ(textAt - lineStart, 17u) << term;
        const std::string termLine = help.substr(found + 1, help.find('\n', found + 1) - found - 1);
        if (lineStart == found + 1) {  // the text beside the term, two spaces apart at least
            ASSERT_LE(term.size(), 13u) << term;
            EXPECT_EQ(termLine.substr(0, 17), "  " + term + std::string(15 - term.size(), ' ')) << term;
        } else {
            EXPECT_EQ(termLine, "  " + term);
        }
        at = textAt;
    };
    for (const CommandLineSubcommand& s : subcommands) {
        const std::string term = !s.term.empty() ? s.term : s.alias.empty() ? s.name : s.alias + ", " + s.name;
        next(term, s.help);
        for (const CommandLineOption& o : options) {
            std::vector<std::string> takers;
            for (const CommandLineSubcommand& t : subcommands)
                for (const CommandLineSubcommand::Takes& k : t.options)
                    if (k.option == o.name) takers.push_back(t.name);
            if (o.help.empty() || takers.empty() || takers.back() != s.name) continue;
            next((takers.size() == 1 ? s.name + " " : "") + o.name + (o.value.empty() ? "" : " " + o.value), o.help);
        }
    }
    EXPECT_EQ(help.substr(help.rfind("\n\n")), "\n\nResults go to standard output; every error and message goes to standard error.\n");
}

// A line with two faults names the one it always named: values judged at the end stay judged
// there, in the order the subcommand names them, and an unknown word is never taken for a job.
TEST(CommandLineTable, ALineWithTwoFaultsNamesTheFaultItAlwaysNamed) {
    struct Case { std::vector<std::string> args; const char* error; };
    const Case cases[] = {
        {{"--deal", "3", "--seed", "x", "--bogus"}, "--deal: unknown option '--bogus'"},
        {{"--deal", "3", "--seed", "x", "--order", "bad"}, "--deal: --order needs game or school"},
        {{"--deal", "3", "--order", "maths", "--seed", "4294967296"}, "--deal: --order needs game or school"},
        {{"--deal", "3", "--seed", "x", "a.pld", "b.pld"}, "--deal: give one deck file, not two ('a.pld' and 'b.pld')"},
        {{"--worksheet", "--per-page", "5", "--order", "bogus", "-o", "x.pdf"}, "--worksheet: --order needs game or school"},
        {{"--worksheet", "--per-page", "5", "--bogus"}, "--worksheet: unknown option '--bogus'"},
        {{"--worksheet", "--per-page", "5"}, "--worksheet: --per-page needs the puzzles on a page: 4, 6, 8 or 12"},
        {{"--today", "--date", "x", "--cards", "9"}, "--today: --cards needs the number of face cards, 3 to 7"},
        {{"--solve", "--search", "--search", "3", "9", "3", "17"},
         "--solve: '--search' is not a card: each card and the answer must be a whole number from 1 to 99"},
        {{"--solve", "--order", "school", "3", "3", "8", "8", "--order", "24"}, "--solve: --order is given twice; give it once"},
        {{"-x"}, "unknown option '-x' (a deck file whose name starts with '-' opens as ./-x or after --)"},
        {{"---"}, "unknown option '---' (a deck file whose name starts with '-' opens as ./--- or after --)"},
        {{"--dael", "3"}, "unknown option '--dael'; did you mean --deal? (a deck file whose name starts with '-' opens as ./--dael or after --)"},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCommandLine(c.args).error, c.error) << Joined(c.args);
    // --order may stand second, after a card, as it always could.
    const CommandLineRequest r = ParseCommandLine({"--solve", "3", "--order", "school", "3", "8", "8", "24"});
    EXPECT_EQ(r.kind, CommandLineRequest::Kind::Solve);
    EXPECT_EQ(r.order, OperatorOrder::School);
    EXPECT_EQ(r.cards, (std::vector<int>{3, 3, 8, 8}));
}
