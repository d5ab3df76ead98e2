// The exact solver against the game's own evaluator, attempt by attempt, and the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <sstream>

#include "answer/answer.h"
#include "cli/command_line.h"
#include "expr/eval.h"
#include "player/player_solver.h"
#include "solver/solver.h"
#include "every_attempt.h"
#include "text_util.h"

TEST(Solver, BracketFormsAreThoseOfTheSearch) {
    const std::size_t counts[] = {1, 1, 9, 85, 889};
    for (int n = 3; n <= 7; ++n) EXPECT_EQ(BracketForms(n).size(), counts[n - 3]) << n;
    const std::vector<std::u16string> five = BracketForms(5);
    const std::set<std::string> expected = {
        "01#(02#(03)#04)#05", "01#((02#03)#04)#05", "01#(02#(03))#04#05", "01#(02#(03#04))#05", "01#02#((03)#04)#05",
        "01#((02#03))#04#05", "01#((02#03#04))#05", "01#02#((03))#04#05", "01#02#((03#04))#05"};
    std::set<std::string> got;
    for (const auto& f : five) got.insert(U8(f));
    EXPECT_EQ(got, expected);
}

// Every attempt of each deal, through EvalExpr's own code: the solver lists exactly the
// attempts that hit, counts them, and knows how many attempts there are.
TEST(Solver, AgreesWithTheGameOnEveryAttempt) {
    struct Deal { std::vector<int> cards; int answer; };
    const Deal deals[] = {
        {{3, 9, 3}, 9}, {{4, 4, 2}, 2}, {{10, 4, 1}, 7}, {{3, 9, 3, 9}, 17}, {{1, 8, 3, 3}, 9}, {{5, 3, 7, 2}, 24},
        {{8, 8, 8, 8}, 1}, {{2, 2, 2, 2}, 0}, {{19, 7, 1, 19, 7}, 19}, {{43, 15, 2, 23, 3}, 20}, {{5, 5, 5, 5, 5}, 5},
        {{12, 24, 13, 18, 11}, 6}, {{1, 2, 3, 4, 5}, 1}, {{9, 3, 3, 7, 1}, 25},
    };
    for (const Deal& d : deals) {
        std::set<std::u16string> hits;
        uint64_t attempts = 0;
        EveryAttempt(d.cards, [&](const std::u16string& text) {
            ++attempts;
            if (GameHits(text, d.answer)) hits.insert(text);
        });
        const SolveVerdict v = Solve(d.cards, d.answer, SolveMode::CountAll, SIZE_MAX);
        std::string name = "cards";
        for (int c : d.cards) name.append(" ").append(std::to_string(c));
        name.append(" => ").append(std::to_string(d.answer));
        EXPECT_TRUE(v.counted) << name;
        EXPECT_EQ(v.status, SolveVerdict::Status::Complete) << name;
        EXPECT_EQ(v.attempts, attempts) << name;
        EXPECT_EQ(v.solutions, hits.size()) << name;
        EXPECT_EQ(std::set<std::u16string>(v.listed.begin(), v.listed.end()), hits) << name;
        EXPECT_EQ(v.listed.size(), hits.size()) << name << ": listed twice";
        EXPECT_EQ(v.NoSolution(), hits.empty()) << name;
    }
}

// Six cards have too many attempts for EvalExpr to try them all in a test: a large
// random sample of each deal's attempts must agree with the solver's full list.
TEST(Solver, AgreesWithTheGameOnSamplesOfSixCardDeals) {
    const uint32_t seed = 7771;
    std::mt19937 gen(seed);
    struct Deal { std::vector<int> cards; int answer; };
    const Deal deals[] = {{{12, 15, 18, 11, 7, 21}, 18}, {{9, 14, 5, 5, 1, 12}, 13}};
    for (const Deal& d : deals) {
        const SolveVerdict v = Solve(d.cards, d.answer, SolveMode::CountAll, SIZE_MAX);
        ASSERT_TRUE(v.counted);
        const std::set<std::u16string> listed(v.listed.begin(), v.listed.end());
        EXPECT_EQ(listed.size(), v.solutions);
        const int n = static_cast<int>(d.cards.size());
        const std::vector<std::u16string> forms = BracketForms(n);
        int agreedHits = 0;
        for (int i = 0; i < 40000; ++i) {
            std::vector<int> order = d.cards;
            std::shuffle(order.begin(), order.end(), gen);
            const std::u16string& form = forms[gen() % forms.size()];
            std::u16string ops;
            for (int gap = 0; gap < n - 1; ++gap) ops += OpChar[gen() % 4];
            const std::u16string text = FillForm(form, order, ops);
            const bool hit = GameHits(text, d.answer);
            ASSERT_EQ(listed.count(text) == 1, hit) << U8(text) << " seed " << seed;
            agreedHits += hit;
        }
        EXPECT_GT(agreedHits + (v.solutions == 0), 0) << "the sample met no solution at all";
    }
}

// Divisions by zero at the last operators: 05x(07~07)÷(03~03)#09 comes to 9 exactly, but
// only through 0 divided by zero. Every attempt the solver lists must really hit.
TEST(Solver, ListsOnlyRealHitsWhereZeroDivisionsCancel) {
    const std::vector<int> cards = {5, 7, 7, 3, 3, 9};
    const SolveVerdict v = Solve(cards, 9, SolveMode::CountAll, SIZE_MAX);
    ASSERT_TRUE(v.counted);
    EXPECT_EQ(v.listed.size(), v.solutions);
    for (const std::u16string& attempt : v.listed) ASSERT_TRUE(GameHits(attempt, 9)) << U8(attempt);
    EXPECT_FALSE(GameHits(u"05x(07~07)\u00F7(03~03)#09", 9));
}

// Seven cards: the fast path on each sampled attempt against EvalExpr's own value, which is
// what every verdict rests on.
TEST(Solver, FastPathAgreesWithTheGameOnSevenCardAttempts) {
    const uint32_t seed = 90210;
    std::mt19937 gen(seed);
    const std::vector<std::u16string> forms = BracketForms(7);
    int exact = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::u16string& form = forms[gen() % forms.size()];
        std::vector<int> cards;
        std::u16string ops;
        for (int k = 0; k < 7; ++k) cards.push_back(1 + static_cast<int>(gen() % (i % 2 ? 12 : 50)));
        for (int gap = 0; gap < 6; ++gap) ops += OpChar[gen() % 4];
        const std::u16string text = FillForm(form, cards, ops);
        const FastValue f = FastEvaluate(text);
        ASSERT_TRUE(f.parsed) << U8(text);
        std::u16string copy = text;
        bool zero = false;
        const double value = EvalQuiet(copy, zero);
        if (f.maybeZero) continue;
        ASSERT_EQ(f.zeroDivisor, zero) << U8(text) << " seed " << seed;
        if (zero) continue;
        ASSERT_LE(std::fabs(value - f.value), f.bound) << U8(text) << " seed " << seed;
        if (f.bound == 0) {
            ASSERT_EQ(value, f.value) << U8(text) << " seed " << seed;
            ++exact;
        }
    }
    EXPECT_GT(exact, 10000);
}

// Values the status bar writes as the answer card are no hits: 8.999999999999998 is not 9.
TEST(Solver, KnowsTheNearMissesAndTheDivisionsByZero) {
    const SolveVerdict nine = Solve({1, 8, 3, 3}, 9, SolveMode::CountAll, SIZE_MAX);
    for (const char* miss : {"01#(08÷03)x03", "08#(01÷03)x03"})
        EXPECT_EQ(std::count(nine.listed.begin(), nine.listed.end(), U16(miss)), 0) << miss;
    EXPECT_GT(nine.solutions, 0u);

    const SolveVerdict zero = Solve({19, 7, 1, 19, 7}, 19, SolveMode::CountAll, SIZE_MAX);
    EXPECT_EQ(std::count(zero.listed.begin(), zero.listed.end(), U16("01÷(19÷(07~07))#19")), 0);

    const SolveVerdict none = Solve({3, 9, 3, 9}, 17, SolveMode::CountAll);
    EXPECT_TRUE(none.NoSolution());
    EXPECT_EQ(none.attempts, 6u * 64u);
}

TEST(Solver, FastPathBoundHoldsAndExactMeansBitForBit) {
    const char* texts[] = {"(08÷03)x03", "01#(08÷03)x03", "43÷(02÷(03)~15)#23", "01÷(19÷(07~07))#19",
                           "07÷00", "(07~07)÷(05~05)", "05#(03x07)~02", "01÷03÷07÷11÷13÷17÷19", "99x99x99x99x99x99x99"};
    for (const char* t : texts) {
        const FastValue f = FastEvaluate(U16(t));
        ASSERT_TRUE(f.parsed) << t;
        std::u16string text = U16(t);
        bool zero = false;
        const double exact = EvalQuiet(text, zero);
        if (f.maybeZero) continue;
        EXPECT_EQ(f.zeroDivisor, zero) << t;
        if (zero) continue;
        EXPECT_LE(std::fabs(exact - f.value), f.bound) << t;
        if (f.bound == 0) {
            EXPECT_EQ(exact, f.value) << t;
        }
    }
    EXPECT_EQ(FastEvaluate(U16("05#(03x07)~02")).bound, 0);  // whole numbers stay exact
    EXPECT_FALSE(FastEvaluate(U16("05#")).parsed);
    EXPECT_FALSE(FastEvaluate(U16("(05#03")).parsed);
    EXPECT_FALSE(FastEvaluate(U16("5#03")).parsed);
}

TEST(Solver, StopsWhenAskedAndNeverCallsThatNoSolution) {
    std::stop_source stop;
    stop.request_stop();
    const SolveVerdict v = Solve({3, 9, 3, 9}, 17, SolveMode::CountAll, 20, stop.get_token());
    EXPECT_EQ(v.status, SolveVerdict::Status::Cancelled);
    EXPECT_FALSE(v.NoSolution());

    // A long count reports its running total after every card order, never more than at the end.
    std::vector<uint64_t> running;
    const SolveVerdict all = Solve({5, 3, 7, 2}, 24, SolveMode::CountAll, 0, {},
                                   [&](const SolveVerdict& sofar) {
                                       EXPECT_FALSE(sofar.counted);
                                       running.push_back(sofar.solutions);
                                   });
    EXPECT_EQ(running.size(), 24u);  // 4! card orders
    EXPECT_TRUE(std::is_sorted(running.begin(), running.end()));
    EXPECT_EQ(running.back(), all.solutions);

    const SolveVerdict first = Solve({5, 3, 7, 2}, 24, SolveMode::FirstSolution, 20);
    EXPECT_FALSE(first.counted);
    EXPECT_GE(first.solutions, 1u);
    EXPECT_FALSE(first.NoSolution());
}

TEST(CommandLine, ParsesOnlyTheWordsItKnows) {
    using K = CommandLineRequest::Kind;
    struct Case { std::vector<std::string> args; K kind; };
    const Case cases[] = {
        {{}, K::Game}, {{"deck.pld"}, K::Game}, {{"my", "deck.pld"}, K::Game}, {{"--solvex", "1"}, K::Error},
        {{"--help"}, K::Help}, {{"-h"}, K::Help}, {{"--version"}, K::Version},
        {{"--solve", "3", "9", "3", "17"}, K::Solve}, {{"--solve", "1", "2", "3", "4", "5", "6", "7", "99"}, K::Solve},
        {{"--solve", "3", "9", "17"}, K::Error}, {{"--solve", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, K::Error},
        {{"--solve", "3", "9", "3", "100"}, K::Error}, {{"--solve", "0", "9", "3", "17"}, K::Error},
        {{"--solve", "3", "9", "3x", "17"}, K::Error}, {{"--solve", "3", "-9", "3", "17"}, K::Error},
        {{"--check", "5", "3", "7", "2", "24", "5 + 3 * 7 - 2"}, K::Check}, {{"--check", "5", "3", "7", "24", "5+3*7"}, K::Check},
        {{"--check", "5", "3", "7", "2", "24"}, K::Error}, {{"--check", "5", "3", "24", "5 + 3"}, K::Error},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const auto& a : c.args) joined += a + " ";
        EXPECT_EQ(ParseCommandLine(c.args).kind, c.kind) << joined;
    }
    const CommandLineRequest r = ParseCommandLine({"--solve", "1", "2", "3", "4", "5", "6", "7", "99"});
    EXPECT_EQ(r.cards, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(r.answer, 99);
}

TEST(CommandLine, SolvePrintsThePlayersAnswersOrTheComputersAttempts) {
    std::ostringstream out, err;
    // The player's answers: the count, then up to 20 in clean form, simplest first.
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--solve", "3", "9", "3", "9", "17"}), out, err), 0);
    EXPECT_EQ(out.str(), "answers: 3\n9 + 9 - 3 / 3\n9 + (9 - 3 / 3)\n9 - (3 / 3 - 9)\n");
    out.str("");
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--solve", "1", "1", "1", "1", "99"}), out, err), 1);
    EXPECT_EQ(out.str(), "answers: 0\n");
    out.str("");
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--solve", "3", "3", "8", "8", "24"}), out, err), 0);
    EXPECT_EQ(out.str(), "answers: 1\n8 / (3 - 8 / 3)\n");

    // The computer's own attempts, as before.
    out.str("");
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--solve", "--search", "3", "9", "3", "9", "17"}), out, err), 1);
    EXPECT_EQ(out.str(), "solutions: 0\n");
    out.str("");
    EXPECT_EQ(RunCommandLine(ParseCommandLine({"--solve", "--search", "5", "3", "7", "2", "24"}), out, err), 0);
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    const SolveVerdict v = Solve({5, 3, 7, 2}, 24, SolveMode::CountAll, 20);
    EXPECT_EQ(line, "solutions: " + std::to_string(v.solutions));
    int shown = 0;
    while (std::getline(lines, line)) {
        EXPECT_EQ(line.find_first_of("#~x"), std::string::npos) << line;  // display form
        EXPECT_EQ(line.find(" = "), std::string::npos) << line;
        ++shown;
    }
    EXPECT_EQ(shown, static_cast<int>(std::min<uint64_t>(v.solutions, 20)));
    EXPECT_TRUE(err.str().empty());

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--solve", "5", "3", "seven", "24"}, {"--solve", "--search", "5", "3", "seven", "24"}, {"--solve", "--search", "5", "3", "7"}}) {
        out.str("");
        err.str("");
        EXPECT_EQ(RunCommandLine(ParseCommandLine(bad), out, err), 2) << bad.back();
        EXPECT_TRUE(out.str().empty());
        EXPECT_NE(err.str().find("pelorand: --solve: "), std::string::npos) << err.str();
    }
}

// --solve writes each answer so that it reads the same in the school order: brackets where
// school would read it otherwise, and the same answers counted and listed in the same order.
TEST(CommandLine, SolveWritesAnswersThatReadTheSameAtSchool) {
    struct Case { std::vector<int> cards; int answer; const char* printed; };
    const Case cases[] = {
        {{3, 9, 3, 9}, 17, "answers: 3\n9 + 9 - 3 / 3\n9 + (9 - 3 / 3)\n9 - (3 / 3 - 9)\n"},
        {{10, 4, 3}, 3, "answers: 3\n10 - 3 - 4\n10 - (4 + 3)\n10 - 4 - 3\n"},
        {{8, 2, 2}, 2, "answers: 4\n8 / (2 * 2)\n8 / 2 - 2\n8 / 2 / 2\n8 / (2 + 2)\n"},
        {{11, 1, 4, 3}, 5, nullptr}, {{12, 5, 9, 3}, 4, nullptr}, {{6, 4, 2, 3}, 4, nullptr}, {{24, 7, 7, 4, 1}, 4, nullptr},
    };
    int bracketed = 0;
    for (const Case& c : cases) {
        std::vector<std::string> args{"--solve"};
        for (int card : c.cards) args.push_back(std::to_string(card));
        args.push_back(std::to_string(c.answer));
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(ParseCommandLine(args), out, err), 0);
        if (c.printed) {
            EXPECT_EQ(out.str(), c.printed);
        }
        // The count, and the answers one by one in the solver's own order.
        const PlayerVerdict v = SolveForPlayer(c.cards, c.answer, 20);
        std::istringstream lines(out.str());
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, "answers: " + std::to_string(v.answers));
        std::size_t at = 0;
        for (; std::getline(lines, line); ++at) {
            ASSERT_LT(at, v.listed.size()) << line;
            for (OperatorOrder order : {OperatorOrder::Game, OperatorOrder::School}) {
                const AnswerCheck read = CheckAnswer(U16(line), c.cards, c.answer, order);
                EXPECT_TRUE(read.solves) << line;
                EXPECT_EQ(read.clean, CleanText(v.listed[at], order)) << line;  // the same answer
            }
            bracketed += line != v.listed[at].text;
        }
        EXPECT_EQ(at, v.listed.size());
    }
    EXPECT_GT(bracketed, 4);
}

TEST(CommandLine, CheckPrintsTheReadingTheValueAndTheVerdict) {
    struct Case { std::vector<std::string> args; int status; const char* out; const char* err = ""; };
    const Case cases[] = {
        {{"--check", "5", "3", "7", "2", "24", "5+(3x7)-2"}, 0, "5 + (3 * 7) - 2\nvalue: 24\nsolves\n"},
        {{"--check", "5", "3", "7", "2", "24", "5+(3x7)-2 = 24"}, 0, "5 + (3 * 7) - 2\nvalue: 24\nsolves\n"},
        {{"--check", "8", "2", "2", "8", "8 / 2 * 2"}, 1,
         "8 / 2 * 2\nvalue: 2\ndoes not solve\n"
         "At school this would make 8, but the game multiplies before it divides; you can choose the school order in Options > Rules.\n"},
        {{"--check", "24", "7", "7", "4", "1", "4", "24 + 7 - 7 * 4 + 1"}, 1,
         "24 + 7 - 7 * 4 + 1\nvalue: 2\ndoes not solve\n"
         "At school this would make 4, but the game adds before it subtracts; you can choose the school order in Options > Rules.\n"},
        {{"--check", "--order", "school", "24", "7", "7", "4", "1", "4", "24 + 7 - 7 * 4 + 1"}, 0, "24 + 7 - 7 * 4 + 1\nvalue: 4\nsolves\n"},
        // A colon divides; a word with one among the cards is the answer put too early.
        {{"--check", "3", "3", "8", "8", "24", "8 : (3 - 8 : 3)"}, 0, "8 / (3 - 8 / 3)\nvalue: 24\nsolves\n"},
        {{"--check", "3", "3", "8", "8", "8:3", "24"}, 2, "",
         "pelorand: --check: the answer in quotes comes last, once, after the answer card\nTry 'pelorand --help' for more information.\n"},
        {{"--check", "1", "8", "3", "3", "9", "8 + (1 / 3) * 3"}, 0, "8 + (1 / 3) * 3\nvalue: 9\nsolves\n"},  // exactly 9
        {{"--check", "3", "3", "8", "8", "24", "8 / (3 - 8 / 3)"}, 0, "8 / (3 - 8 / 3)\nvalue: 24\nsolves\n"},
        {{"--check", "1", "2", "3", "9", "1 - 2 / 3"}, 1, "1 - 2 / 3\nvalue: 1/3\ndoes not solve\n"},
        {{"--check", "1", "2", "3", "9", "1 - 2 * 3"}, 1, "1 - 2 * 3\nvalue: -5\ndoes not solve\n"},
        {{"--check", "7", "7", "1", "9", "1 / (7 - 7)"}, 1, "1 / (7 - 7)\nvalue: none (divides by zero)\ndoes not solve\n"},
        // Errors go to standard error, results to standard output.
        {{"--check", "5", "3", "7", "2", "24", "5 + 3 * 7"}, 2, "", "error: column 10: Your answer leaves out 2: every face card is used once.\n"},
        {{"--check", "5", "3", "7", "2", "24", "5 + 3 \xc3\x97 7 \xe2\x88\x92 2"}, 0, "5 + 3 * 7 - 2\nvalue: 24\nsolves\n"},
        {{"--check", "5", "3", "7", "2", "24", "5 + 3 \xff 7 - 2"}, 2, "", "error: column 7: '\xef\xbf\xbd' is not a number, an operator or a bracket.\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(ParseCommandLine(c.args), out, err), c.status) << c.args.back();
        EXPECT_EQ(out.str(), c.out) << c.args.back();
        EXPECT_EQ(err.str(), c.err) << c.args.back();
    }
}

// A mistyped option is an error, not a deck file; a deck file may still start with "-".
TEST(CommandLine, UnknownOptionsAreRefusedAndDeckNamesPassThrough) {
    CommandLineRequest r = ParseCommandLine({"--slove", "1", "2", "3", "4"});
    EXPECT_EQ(r.kind, CommandLineRequest::Kind::Error);
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(r, out, err), 2);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(err.str(), "pelorand: unknown option '--slove'; did you mean --solve? (a deck file whose name starts with '-' opens as ./--slove or after --)\n"
                         "Try 'pelorand --help' for more information.\n");
    EXPECT_EQ(ParseCommandLine({"--chekc"}).error.find("did you mean --check?") != std::string::npos, true);
    EXPECT_EQ(ParseCommandLine({"--frobnicate"}).error.find("did you mean"), std::string::npos);
    EXPECT_EQ(ParseCommandLine({"--check", "3", "3", "8", "8", "24", "8 / (3 - 8 / 3)", "extra"}).error,
              "--check: the answer in quotes comes last, once, after the answer card");
    EXPECT_EQ(ParseCommandLine({"--worksheet", "-o", "a.pdf", "-o", "b.pdf"}).error, "--worksheet: -o is given twice; give it once");
    EXPECT_EQ(ParseCommandLine({"-x"}).kind, CommandLineRequest::Kind::Error);
    r = ParseCommandLine({"--", "-odd", "name.pld"});
    EXPECT_EQ(r.kind, CommandLineRequest::Kind::Game);
    EXPECT_EQ(r.deckFile, "-odd name.pld");
    r = ParseCommandLine({"my", "deck.pld"});
    EXPECT_EQ(r.kind, CommandLineRequest::Kind::Game);
    EXPECT_EQ(r.deckFile, "my deck.pld");
    EXPECT_EQ(ParseCommandLine({"./-odd.pld"}).kind, CommandLineRequest::Kind::Game);
    EXPECT_EQ(ParseCommandLine({"-platform", "offscreen"}).kind, CommandLineRequest::Kind::Game);  // Qt's own
    EXPECT_EQ(ParseCommandLine({}).kind, CommandLineRequest::Kind::Game);
}

TEST(CommandLine, OrderSchoolReadsAndWritesInTheSchoolOrder) {
    auto run = [](std::vector<std::string> args, std::string& printed) {
        std::ostringstream out, err;
        const int status = RunCommandLine(ParseCommandLine(args), out, err);
        printed = out.str() + err.str();
        return status;
    };
    std::string game, school;
    EXPECT_EQ(run({"--solve", "10", "4", "3", "9"}, game), 0);
    EXPECT_EQ(run({"--solve", "--order", "school", "10", "4", "3", "9"}, school), 0);
    EXPECT_NE(game.find("\n(10 - 4) + 3\n"), std::string::npos) << game;
    EXPECT_NE(school.find("\n10 - 4 + 3\n"), std::string::npos) << school;
    EXPECT_EQ(game.substr(0, game.find('\n')), school.substr(0, school.find('\n')));  // the same answers, counted once

    EXPECT_EQ(run({"--check", "--order", "school", "10", "4", "3", "9", "10 - 4 + 3"}, school), 0);
    EXPECT_EQ(school, "10 - 4 + 3\nvalue: 9\nsolves\n");
    EXPECT_EQ(run({"--check", "--order", "game", "10", "4", "3", "9", "10 - 4 + 3"}, game), 1);
    EXPECT_NE(game.find("value: 3"), std::string::npos);

    EXPECT_EQ(run({"--solve", "--search", "--order", "school", "8", "2", "2", "8"}, school), 0);
    const SolveVerdict v = Solve({8, 2, 2}, 8, SolveMode::CountAll, 20, {}, {}, OperatorOrder::School);
    EXPECT_EQ(school.substr(0, school.find('\n')), "solutions: " + std::to_string(v.solutions));

    EXPECT_EQ(run({"--deal", "3", "--seed", "5", "--order", "school"}, school), 0);
    EXPECT_EQ(run({"--deal", "3", "--seed", "5"}, game), 0);
    EXPECT_EQ(school, game);  // the deals and their levels do not depend on the order

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--solve", "--order", "maths", "1", "2", "3", "4"}, {"--check", "--order"},
             {"--deal", "2", "--order", "maths"}, {"--worksheet", "--order", "x", "-o", "a.pdf"}}) {
        std::string said;
        EXPECT_EQ(run(bad, said), 2) << bad[0];
        EXPECT_NE(said.find("--order needs game or school"), std::string::npos) << said;
    }
    std::string said;
    EXPECT_EQ(run({"--solve", "--order", "school", "--order", "game", "1", "2", "3", "4"}, said), 2);
    EXPECT_NE(said.find("--order is given twice"), std::string::npos) << said;
    EXPECT_EQ(run({"--check", "--order", "SCHOOL", "10", "4", "3", "9", "10 - 4 + 3"}, said), 0);  // any case
}
