// Timing of the evaluator and of single search steps for 3, 5 and 7 cards.
#include <benchmark/benchmark.h>

#include "engine/globals.h"
#include "engine/search.h"
#include "expr/eval.h"
#include "bench/reference_eval.h"

namespace {

// Typical attempts as the search writes them, from none to four bracket pairs.
const std::u16string Samples[] = {
    u"13~37#22",
    u"05#(03x07)~02",
    u"(05~09)x(02~07)\u00F703",
    u"29x(38~(45#(04#47)))~03",
    u"50x34~17x((31)#((26)\u00F748))~32",
    u"23\u00F703x((45))x(39)~20#04",
};

void BM_EvalExpr(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        std::u16string text = Samples[i++ % std::size(Samples)];
        Breakdown.clear();
        benchmark::DoNotOptimize(EvalExpr(text));
    }
}
BENCHMARK(BM_EvalExpr);

// The same texts through a plain evaluator that neither rewrites nor rounds: what the game's
// rewriting costs.
void BM_ReferenceEval(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const std::u16string& text = Samples[i++ % std::size(Samples)];
        benchmark::DoNotOptimize(ReferenceEval::Value(text));
    }
}
BENCHMARK(BM_ReferenceEval);

// The window's side of a step is measured by the idle-loop benchmark; here it costs nothing.
class NullView : public SearchView {
public:
    void SetStatusPanel(int, const std::u16string&) override {}
    void EnableAnswer() override {}
    void SetSolutionText(const std::u16string&) override {}
    void SetProgress(const std::u16string&) override {}
};

void BM_SearchStep(benchmark::State& state) {
    NullView view;
    MainForm = &view;
    SeedRandom(42);
    FaceCards = static_cast<int16_t>(state.range(0));
    for (int p = DeckFirst; p <= DeckLast; ++p) Deck[p] = static_cast<uint8_t>(1 + p * 37 % 50);  // fixed cards
    DeckPos = 30;
    Deck[DeckPos] = 255;  // never matched, so every step is a full miss
    for (auto _ : state) {
        Solving = true;
        SearchStep();
    }
    MainForm = nullptr;
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SearchStep)->Arg(3)->Arg(5)->Arg(7);

}  // namespace

BENCHMARK_MAIN();
