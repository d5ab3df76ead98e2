// The search step, the ring rule, RandomInt and the idle loop, against a recording window.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <random>

#include "draws.h"
#include "engine/globals.h"
#include "engine/mainloop.h"
#include "engine/search.h"
#include "expr/eval.h"
#include "expr/notation.h"
#include "expr/operations.h"
#include "text_util.h"

namespace {

class RecordingView : public SearchView {
public:
    std::string panel1, panel2, solution, progress;
    std::vector<std::string> attempts;  // every attempt shown in panel 1
    int enabled = 0;
    void SetStatusPanel(int panel, const std::u16string& text) override {
        if (panel == 1) {
            panel1 = U8(text);
            if (panel1 != "Got it, do you give up?") attempts.push_back(panel1);
        } else {
            panel2 = U8(text);
        }
    }
    void EnableAnswer() override { ++enabled; }
    void SetSolutionText(const std::u16string& text) override { solution = U8(text); }
    void SetProgress(const std::u16string& text) override { progress = U8(text); }
};

class Search : public ::testing::Test {
protected:
    RecordingView view;
    void SetUp() override {
        MainForm = &view;
        ScriptRandom({});
        Solving = true;
        StepCount = 0;
    }
    void TearDown() override { MainForm = nullptr; }

    // Puts the face cards just below the answer card at deck position pos.
    static void Puzzle(std::vector<uint8_t> faces, uint8_t answer, int16_t pos = 20) {
        FaceCards = static_cast<int16_t>(faces.size());
        DeckPos = pos;
        Deck[pos] = answer;
        for (int16_t i = 0; i < FaceCards; ++i) Deck[RingPos(pos, FaceCards, i)] = faces[i];
    }
};

std::vector<float> operator+(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Operator draws: positions in the pool "#~÷x#~÷x#~~÷x#~#" (1-based).
std::vector<float> Ops(std::initializer_list<int> positions) {
    std::vector<float> r;
    for (int p : positions) r.push_back(DrawFor(p, 16));
    return r;
}

}  // namespace

TEST(RingRule, WrapsBelowPositionThree) {
    const int16_t wrapped[] = {51, 52, 53, 54, 3};
    for (int16_t i = 0; i < 5; ++i) EXPECT_EQ(RingPos(4, 5, i), wrapped[i]);
    for (int16_t i = 0; i < 7; ++i) EXPECT_EQ(RingPos(54, 7, i), 47 + i);
    for (int16_t i = 0; i < 3; ++i) EXPECT_EQ(RingPos(3, 3, i), 52 + i);
}

TEST(RandomIntTest, CoversTheRangeAndNeverLeavesIt) {
    SeedRandom(12345);
    std::map<int, int> seen;
    for (int i = 0; i < 16000; ++i) ++seen[RandomInt(16, 1)];
    EXPECT_EQ(seen.size(), 16u);
    EXPECT_EQ(seen.begin()->first, 1);
    EXPECT_EQ(seen.rbegin()->first, 16);
    for (const auto& [value, count] : seen) EXPECT_NEAR(count, 1000, 150) << value;

    const float justBelowOne = std::nextafter(1.0f, 0.0f);
    const int16_t highs[] = {2, 5, 12, 16, 25, 50, 99};
    for (int16_t high : highs) {
        ScriptRandom({justBelowOne, 0.0f});
        EXPECT_EQ(RandomInt(high, 1), high);
        EXPECT_EQ(RandomInt(high, 1), 1);
    }
    ScriptRandom({justBelowOne});
    EXPECT_EQ(RandomInt(1, 1), 1);
}

TEST_F(Search, SolvesTheWorkedExample) {
    Puzzle({5, 3, 7, 2}, 24);
    ScriptRandom(KeepOrder(4) + Ops({1, 4, 2, 1}) + std::vector<float>{0.5f, 0.5f});
    SearchStep();
    EXPECT_EQ(ScriptedLeft(), 0u);
    ASSERT_EQ(view.attempts.size(), 1u);
    EXPECT_EQ(view.attempts[0], "05#(03x07)~02 = 24");
    EXPECT_EQ(view.panel1, "Got it, do you give up?");
    EXPECT_EQ(view.panel2, "1");
    EXPECT_EQ(view.enabled, 1);
    EXPECT_EQ(view.solution, "5 + (3 * 7) - 2 = 24\r\nBroken down like this:\r\n3 * 7 = 21\r\n5 + 21 - 2 = 24");
    EXPECT_EQ(U8(SolnText), view.solution);
    EXPECT_EQ(view.progress, "Solution found.");
    EXPECT_FALSE(Solving);
}

TEST_F(Search, MatchesOnlyExactValues) {
    Puzzle({1, 8, 3, 3}, 9);
    ScriptRandom(KeepOrder(4) + Ops({1, 3, 4, 1}) + std::vector<float>{0.5f, 0.5f});
    SearchStep();
    EXPECT_EQ(view.panel1, "01#(08÷03)x03 = 9.00000000000001");
    EXPECT_TRUE(Solving);
    EXPECT_EQ(view.enabled, 0);
    EXPECT_EQ(view.progress, "");
}

// The attempt 01÷(19÷(07~07))#19 comes to exactly 19 through a division by zero: shown, never
// counted.
TEST_F(Search, AnAttemptThatDividesByZeroIsShownButNeverAHit) {
    Puzzle({19, 7, 1, 19, 7}, 19);
    const std::vector<float> order = {DrawFor(3, 5), DrawFor(1, 5), DrawFor(2, 5), DrawFor(5, 5), DrawFor(4, 5)};
    // Brackets over cards 2..4 (r 1, r2 3), then over cards 3..4 (r 2, r2 3).
    const std::vector<float> brackets = {DrawFor(1, 2), DrawFor(2, 2), DrawFor(2, 2), DrawFor(2, 2)};
    ScriptRandom(order + Ops({3, 3, 2, 1, 1}) + brackets);
    SearchStep();
    EXPECT_EQ(ScriptedLeft(), 0u);
    EXPECT_EQ(view.panel1, "01÷(19÷(07~07))#19 = 19");
    EXPECT_TRUE(Solving);
    EXPECT_EQ(view.enabled, 0);
    EXPECT_EQ(view.progress, "");
    EXPECT_EQ(view.solution, "");
}

// Every position of the operator pool, drawn for the first gap: the weights are 5:5:3:3 for
// + - divide x, and the order of the pool fixes which draw gives which.
TEST_F(Search, DrawsOperatorsFromTheWeightedPool) {
    Puzzle({1, 2, 3}, 99);
    const std::string pool[] = {"#", "~", "÷", "x", "#", "~", "÷", "x", "#", "~", "~", "÷", "x", "#", "~", "#"};
    std::map<std::string, int> weight;
    for (int p = 1; p <= 16; ++p) {
        ScriptRandom(KeepOrder(3) + Ops({p, 1, 16}));
        SearchStep();
        const std::string shown = view.panel1;
        EXPECT_EQ(shown.substr(0, 2 + pool[p - 1].size() + 2), "01" + pool[p - 1] + "02") << "draw " << p << ": " << shown;
        EXPECT_EQ(shown.substr(shown.find("02") + 2, 3), "#03") << "draw " << p;
        ++weight[pool[p - 1]];
    }
    EXPECT_EQ(weight, (std::map<std::string, int>{{"#", 5}, {"~", 5}, {"÷", 3}, {"x", 3}}));
}

// With fewer operations the draws span only the allowed ones, each as often as in the pool.
TEST_F(Search, DrawsOnlyTheAllowedOperatorsKeepingTheirWeights) {
    Puzzle({1, 2, 3}, 99);
    const std::map<AllowedOperations, std::map<std::string, int>> weights = {
        {AllowedOperations::AddSubtract, {{"#", 5}, {"~", 5}}},
        {AllowedOperations::AddSubtractMultiply, {{"#", 5}, {"~", 5}, {"x", 3}}},
    };
    for (const auto& [ops, expected] : weights) {
        SearchOperations = ops;
        int span = 0;
        for (const auto& [op, n] : expected) span += n;
        std::map<std::string, int> weight;
        for (int p = 1; p <= span; ++p) {
            ScriptRandom(KeepOrder(3) + std::vector<float>{DrawFor(p, span), DrawFor(1, span), DrawFor(span, span)});
            SearchStep();
            EXPECT_EQ(ScriptedLeft(), 0u);
            const std::string shown = view.panel1;
            ASSERT_EQ(shown.substr(0, 2), "01") << shown;
            const std::size_t two = shown.find("02");
            ++weight[shown.substr(2, two - 2)];
            EXPECT_EQ(shown.substr(two + 2, 3), "#03") << "draw " << p << ": " << shown;
        }
        EXPECT_EQ(weight, expected);
    }
    SearchOperations = AllowedOperations::All;
}

TEST_F(Search, StepCountStopsAtItsLargestValue) {
    Puzzle({1, 1, 1}, 50);
    SeedRandom(9);
    StepCount = std::numeric_limits<int32_t>::max() - 1;
    SearchStep();
    EXPECT_EQ(StepCount, std::numeric_limits<int32_t>::max());
    SearchStep();
    SearchStep();
    EXPECT_EQ(StepCount, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(view.panel2, "2147483647");
}

TEST_F(Search, ReadsFaceCardsAcrossTheWrap) {
    Puzzle({11, 12, 13, 14, 15}, 99, 4);
    ScriptRandom(KeepOrder(5) + Ops({1, 1, 1, 1, 1}) + std::vector<float>{DrawFor(2, 2), DrawFor(2, 2), DrawFor(2, 2), DrawFor(2, 2)});
    SearchStep();
    EXPECT_EQ(view.panel1, "11#12#((13#14))#15 = 65");
    EXPECT_EQ(Deck[51], 11);
    EXPECT_EQ(Deck[3], 15);
}

TEST_F(Search, CountsStepsAndShowsTheInternalNotation) {
    Puzzle({1, 1, 1}, 50);  // unsolvable: at most 3
    SeedRandom(3);
    for (int i = 0; i < 25; ++i) SearchStep();
    EXPECT_EQ(StepCount, 25);
    EXPECT_EQ(view.panel2, "25");
    EXPECT_EQ(view.attempts.back().substr(0, 2), "01");  // codes keep their leading zero
    EXPECT_TRUE(Solving);
}

// Every success the search reports must really evaluate to the answer card, and its text must
// have the shape the solution window shows.
TEST_F(Search, StressEverySolutionIsReal) {
    const uint32_t seed = 20261207;
    std::mt19937 dealer(seed);
    SeedRandom(seed);
    std::map<int, int> solved;
    for (int round = 0; round < 1500; ++round) {
        const int16_t n = static_cast<int16_t>(3 + round % 5);
        FaceCards = n;
        for (int p = DeckFirst; p <= DeckLast; ++p) Deck[p] = static_cast<uint8_t>(1 + dealer() % 50);
        DeckPos = static_cast<int16_t>(DeckFirst + dealer() % DeckCards);
        Deck[DeckPos] = static_cast<uint8_t>(1 + dealer() % 25);
        Solving = true;
        StepCount = 0;
        view = RecordingView{};
        for (int step = 0; step < 1500 && Solving; ++step) SearchStep();
        if (Solving) continue;
        ++solved[n];
        const std::string attempt = view.attempts.back();
        const std::string expr = attempt.substr(0, attempt.find(" = "));
        std::u16string text = U16(expr);
        Breakdown.clear();
        bool zero = false;
        const double value = EvalExpr(text, zero);
        ASSERT_TRUE(IsHit(value, zero, Deck[DeckPos])) << expr << " seed " << seed;
        ASSERT_EQ(StepCount, static_cast<int32_t>(view.attempts.size()));

        std::vector<std::string> lines;
        for (std::size_t at = 0;;) {
            std::size_t next = view.solution.find("\r\n", at);
            lines.push_back(view.solution.substr(at, next - at));
            if (next == std::string::npos) break;
            at = next + 2;
        }
        ASSERT_GE(lines.size(), 3u) << view.solution;
        EXPECT_EQ(lines[0], U8(DisplayForm(U16(attempt)))) << " seed " << seed;
        EXPECT_EQ(lines[1], "Broken down like this:");
        for (std::size_t i = 2; i < lines.size(); ++i) EXPECT_NE(lines[i].find(" = "), std::string::npos) << lines[i];
        EXPECT_EQ(lines.back().substr(lines.back().rfind(" = ") + 3), std::to_string(Deck[DeckPos]));
        EXPECT_EQ(view.solution.find_first_of("#~x"), std::string::npos) << view.solution;
    }
    for (int n = 3; n <= 7; ++n) EXPECT_GT(solved[n], 15) << n << " cards, seed " << seed;
}

namespace {

// Stands for the window system: each pass's event delivery runs a scripted handler.
class ScriptedHost : public LoopHost {
public:
    std::vector<int> sleeps;
    std::vector<std::function<void()>> passes;  // handler run by the n-th event delivery
    int delivered = 0, released = 0, splash = 0;
    void ShowSplash() override { ++splash; }
    void Sleep(int ms) override { sleeps.push_back(ms); }
    void DoEvents() override {
        if (delivered < static_cast<int>(passes.size()) && passes[delivered]) passes[delivered]();
        ++delivered;
        if (delivered > 1000) Running = false;  // a runaway loop fails the test, not the run
    }
    void ReleaseMainForm() override { ++released; }
};

}  // namespace

TEST_F(Search, IdleLoopStepsSleepsAndStopsAtTheStatedPoints) {
    ScriptedHost host;
    Puzzle({1, 1, 1}, 50);  // unsolvable: every step misses
    const std::vector<float> hit = KeepOrder(4) + Ops({1, 4, 2, 1}) + std::vector<float>{0.5f, 0.5f};
    host.passes = {
        [] { Solving = true; },  // a deal during the first, idle pass
        nullptr,
        [&] { Puzzle({5, 3, 7, 2}, 24); ScriptRandom(hit); StepCount = 0; },
        [] { Solving = false; Running = false; },  // the close handler
    };
    Main(host);
    EXPECT_EQ(host.splash, 1);
    // Pass 1 idle (10), pass 2 two steps (1), pass 3 two steps (1), pass 4 hits on its first
    // step, so its second step is skipped; the close then ends the loop after that delivery.
    EXPECT_EQ(host.sleeps, (std::vector<int>{10, 1, 1, 1}));
    EXPECT_EQ(host.delivered, 4);
    EXPECT_EQ(StepCount, 1);
    EXPECT_FALSE(Running);
    EXPECT_EQ(host.released, 1);
    EXPECT_EQ(MainForm, nullptr);
}

// The player's head start holds the search back for exactly the time chosen, counts nothing
// and draws nothing meanwhile, and then the search goes on as it always does.
TEST_F(Search, HeadStartHoldsTheSearchBackForExactlyTheTimeChosen) {
    struct HeadStartView : RecordingView {
        std::vector<bool> waits;
        void SetHeadStart(bool waiting) override { waits.push_back(waiting); }
    } watcher;
    MainForm = &watcher;
    Puzzle({1, 1, 1}, 50);  // never solved: the search runs whenever it may
    SeedRandom(5);
    FixedNowMs = 1000;
    BeginHeadStart(30);
    EXPECT_EQ(watcher.progress, "Your turn: 0:30");
    EXPECT_EQ(watcher.waits, std::vector<bool>{true});
    EXPECT_EQ(watcher.panel1, "Status");  // not the last puzzle's attempt
    EXPECT_EQ(watcher.panel2, "");
    watcher.attempts.clear();
    for (int64_t now : {1000, 1001, 15500, 30999}) {
        FixedNowMs = now;
        SearchStep();
        EXPECT_EQ(StepCount, 0) << now;
        EXPECT_TRUE(watcher.attempts.empty()) << now;
    }
    EXPECT_EQ(watcher.progress, "Your turn: 0:01");
    FixedNowMs = 31000;
    SearchStep();
    EXPECT_EQ(StepCount, 1);
    EXPECT_EQ(watcher.attempts.size(), 1u);
    EXPECT_EQ(watcher.progress, "Looking for a solution...");
    EXPECT_EQ(watcher.waits, (std::vector<bool>{true, false}));
    EXPECT_FALSE(HeadStartRunning());

    BeginHeadStart(60);
    EXPECT_EQ(watcher.progress, "Your turn: 1:00");
    FixedNowMs = 31000 + 50001;
    SearchStep();
    EXPECT_EQ(watcher.progress, "Your turn: 0:10");

    // Only when the player gives up: no time ends it.
    BeginHeadStart(-1);
    EXPECT_EQ(watcher.progress, "Your turn: no time limit");
    FixedNowMs = int64_t{1} << 50;
    SearchStep();
    EXPECT_EQ(StepCount, 1);
    GiveUp();
    EXPECT_EQ(watcher.progress, "Looking for a solution...");
    SearchStep();
    EXPECT_EQ(StepCount, 2);
    FixedNowMs.reset();
    MainForm = &view;
}

// "At once" is the game as it always was: the same attempts, counts and texts, step by step.
TEST_F(Search, NoHeadStartChangesNothing) {
    Puzzle({3, 9, 3, 9}, 17);
    auto run = [&](bool begin) {
        RecordingView seen;
        MainForm = &seen;
        SeedRandom(77);
        StepCount = 0;
        Solving = true;
        if (begin) BeginHeadStart(0);
        for (int i = 0; i < 300; ++i) SearchStep();
        MainForm = &view;
        return std::make_tuple(seen.attempts, seen.panel2, seen.progress, StepCount);
    };
    EXPECT_EQ(run(false), run(true));
    EXPECT_FALSE(HeadStartRunning());
}

// The search reads its attempts in the order in force: every attempt it shows carries the
// value the school order gives it, and some of them differ from the game's.
TEST_F(Search, SearchesInTheOrderInForce) {
    Puzzle({10, 4, 3, 2, 6}, 97);
    SeedRandom(31);
    SearchOrder = OperatorOrder::School;
    for (int i = 0; i < 300; ++i) SearchStep();
    SearchOrder = OperatorOrder::Game;
    ASSERT_EQ(view.attempts.size(), 300u);
    int differ = 0;
    for (const std::string& shown : view.attempts) {
        const std::size_t eq = shown.find(" = ");
        std::u16string school = U16(shown.substr(0, eq)), game = school;
        bool zero = false;
        const double value = EvalQuiet(school, zero, OperatorOrder::School);
        ASSERT_EQ(U8(WriteNumber(value)), shown.substr(eq + 3)) << shown;
        differ += EvalQuiet(game, zero) != value;
    }
    EXPECT_GT(differ, 30);
}
