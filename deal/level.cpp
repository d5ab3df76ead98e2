// The level's formula: the easiest answer in whole numbers from 0 up, found by the fewest
// points over every way of working the answer out two numbers at a time, and its reasons.
//
// How: the cards are a multiset; every sub-multiset of up to four cards gets a whole table,
// value -> the fewest points of a way to make it (and that way's last step). Larger ones near
// the root are asked only for the values they are needed at, each by going through the values
// of the smaller side of every split and asking the other side (memoised), as the player's
// solver does. A product with 0 in it is found only where both sides have whole tables: taking
// a large group of cards times 0 is never the easiest way.
#include "deal/level.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>
#include <unordered_map>

#include "player/expression.h"
#include "player/player_solver.h"

namespace {

using Op = Expression::Op;

constexpr double Unreached = std::numeric_limits<double>::infinity();
constexpr int64_t MostValue = 100'000'000'000'000;  // above 99^7: no natural number part-way gets here

// The fewest points of a way to make a value, and its last step (left op right).
struct Way {
    double points = Unreached;
    Op op = Op::Card;
    uint8_t left = 0, right = 0;  // the sub-multisets, as canonical masks
    int64_t x = 0, y = 0;         // their values
};

struct Entry {
    int64_t value;
    Way way;
};

class EasiestWays {
public:
    EasiestWays(const std::vector<int>& cards, const LevelWeights& w, std::stop_token stop, AllowedOperations ops)
        : w_(w), stop_(stop), multiply_(AllowsMultiply(ops)), divide_(AllowsDivide(ops)) {
        cards_ = cards;
        std::sort(cards_.begin(), cards_.end());
        n_ = static_cast<int>(cards_.size());
        const int masks = 1 << n_;
        // Equal cards make equal sub-multisets: each mask stands for the one that takes the
        // lowest places of every run of equal cards.
        canon_.resize(masks);
        for (int m = 0; m < masks; ++m) {
            int c = 0;
            for (int i = 0; i < n_;) {
                int j = i, taken = 0;
                while (j < n_ && cards_[j] == cards_[i]) taken += (m >> j++) & 1;
                for (int k = 0; k < taken; ++k) c |= 1 << (i + k);
                i = j;
            }
            canon_[m] = static_cast<uint8_t>(c);
        }
        tables_.resize(masks);
        full_.assign(masks, false);
        memo_.resize(masks);
        fullUpTo_ = std::min(n_ - 1, 4);
        std::vector<int> order;
        for (int m = 1; m < masks; ++m)
            if (canon_[m] == m && std::popcount(static_cast<unsigned>(m)) <= fullUpTo_) order.push_back(m);
        std::stable_sort(order.begin(), order.end(), [](int a, int b) { return std::popcount(unsigned(a)) < std::popcount(unsigned(b)); });
        for (int m : order) {
            if (stop_.stop_requested()) return;
            Fill(m);
        }
    }

    int Whole() const { return (1 << n_) - 1; }

    // The easiest way to the answer over every card, and the different last steps that reach it.
    Way Root(int64_t answer, int& lastSteps) {
        std::set<std::tuple<Op, int64_t, int64_t>> last;
        const Way way = Compute(Whole(), answer, &last);
        lastSteps = static_cast<int>(last.size());
        // Kept, so that writing the answer out reads it back instead of searching again (a
        // second search could be cut short by a stop and leave no way to follow).
        if (!Cancelled()) memo_[Whole()][answer] = way;
        return way;
    }

    double Size(int64_t v, int mask) const {
        return std::popcount(static_cast<unsigned>(mask)) >= 2 ? w_.size * std::log(static_cast<double>(std::max<int64_t>(v, 1))) : 0;
    }

    double StepPoints(Op op, int64_t x, int64_t y) const {
        switch (op) {
        case Op::Add: return w_.addition;
        case Op::Multiply: return x == 1 || y == 1 ? w_.byOne : 0;
        case Op::Divide: return y == 1 ? w_.byOne : x == y ? 0 : w_.division;
        case Op::Subtract:
        case Op::Card: break;
        }
        return 0;
    }

    Way Get(int mask, int64_t v) {
        mask = canon_[mask];
        if (std::popcount(static_cast<unsigned>(mask)) == 1) {
            Way card;
            if (cards_[std::countr_zero(static_cast<unsigned>(mask))] == v) card.points = 0;
            return card;
        }
        if (full_[mask]) {
            const auto& t = tables_[mask];
            const auto at = std::lower_bound(t.begin(), t.end(), v, [](const Entry& e, int64_t value) { return e.value < value; });
            return at != t.end() && at->value == v ? at->way : Way{};
        }
        auto& memo = memo_[mask];
        if (const auto at = memo.find(v); at != memo.end()) return at->second;
        const Way way = Compute(mask, v, nullptr);
        memo_[mask][v] = way;
        return way;
    }

    int Card(int mask) const { return cards_[std::countr_zero(static_cast<unsigned>(mask))]; }
    bool Cancelled() const { return stop_.stop_requested(); }

private:
    // Each split of mask into two sub-multisets once: the part holding the lowest card, the rest.
    template <class F>
    void Splits(int mask, F&& f) const {
        std::set<std::pair<int, int>> seen;
        const int low = mask & -mask;
        for (int a = (mask - 1) & mask; a != 0; a = (a - 1) & mask) {
            if (!(a & low)) continue;
            const int A = canon_[a], B = canon_[mask ^ a];
            if (seen.insert({std::min(A, B), std::max(A, B)}).second) f(A, B);
        }
    }

    void Offer(std::unordered_map<int64_t, Way>& table, int64_t v, double points, Op op, int left, int64_t x, int right, int64_t y) {
        Way& at = table[v];
        if (points < at.points) at = Way{points, op, static_cast<uint8_t>(left), static_cast<uint8_t>(right), x, y};
    }

    void Fill(int mask) {
        std::unordered_map<int64_t, Way> table;
        if (std::popcount(static_cast<unsigned>(mask)) == 1) {
            table[Card(mask)].points = 0;
        } else {
            Splits(mask, [&](int A, int B) {
                for (const Entry& ea : tables_[A]) {
                    const int64_t x = ea.value;
                    const double px = ea.way.points + Size(x, A);
                    for (const Entry& eb : tables_[B]) {
                        const int64_t y = eb.value;
                        const double base = px + eb.way.points + Size(y, B);
                        Offer(table, x + y, base + StepPoints(Op::Add, x, y), Op::Add, A, x, B, y);
                        if (multiply_) Offer(table, x * y, base + StepPoints(Op::Multiply, x, y), Op::Multiply, A, x, B, y);
                        if (x >= y) Offer(table, x - y, base, Op::Subtract, A, x, B, y);
                        if (y > x) Offer(table, y - x, base, Op::Subtract, B, y, A, x);
                        if (!divide_) continue;
                        if (y != 0 && x % y == 0) Offer(table, x / y, base + StepPoints(Op::Divide, x, y), Op::Divide, A, x, B, y);
                        if (x != 0 && y % x == 0) Offer(table, y / x, base + StepPoints(Op::Divide, y, x), Op::Divide, B, y, A, x);
                    }
                }
            });
        }
        auto& out = tables_[mask];
        out.reserve(table.size());
        for (const auto& [v, way] : table) out.push_back({v, way});
        std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.value < b.value; });
        full_[mask] = true;
    }

    // The easiest way to v over mask (no whole table): each split, the values of its smaller
    // side, and the value the other side must make. last: the different last steps, when asked.
    Way Compute(int mask, int64_t v, std::set<std::tuple<Op, int64_t, int64_t>>* last) {
        Way best;
        if (stop_.stop_requested()) return best;
        auto consider = [&](Op op, int left, int64_t x, int right, int64_t y, double known, int other, int64_t o) {
            if (o < 0 || o > MostValue) return;
            const Way part = Get(other, o);
            if (part.points == Unreached) return;
            const double points = known + part.points + Size(o, other) + StepPoints(op, x, y);
            if (last) last->insert({op, op == Op::Add || op == Op::Multiply ? std::min(x, y) : x, op == Op::Add || op == Op::Multiply ? std::max(x, y) : y});
            if (points < best.points) best = Way{points, op, static_cast<uint8_t>(left), static_cast<uint8_t>(right), x, y};
        };
        Splits(mask, [&](int A, int B) {
            // Go through the side with the smaller whole table; it always has one.
            const int cardsA = std::popcount(static_cast<unsigned>(A)), cardsB = std::popcount(static_cast<unsigned>(B));
            bool throughA = cardsA <= cardsB;
            if (full_[A] && full_[B]) throughA = tables_[A].size() <= tables_[B].size();
            const int S = throughA ? A : B, O = throughA ? B : A;
            for (const Entry& e : tables_[S]) {
                const int64_t u = e.value;
                const double known = e.way.points + Size(u, S);
                consider(Op::Add, S, u, O, v - u, known, O, v - u);
                if (multiply_ && u != 0 && v % u == 0) consider(Op::Multiply, S, u, O, v / u, known, O, v / u);
                consider(Op::Subtract, S, u, O, u - v, known, O, u - v);
                if (v <= MostValue - u) consider(Op::Subtract, O, u + v, S, u, known, O, u + v);
                if (!divide_) continue;
                if (v != 0 && u % v == 0 && u / v != 0) consider(Op::Divide, S, u, O, u / v, known, O, u / v);
                int64_t product = 0;
                if (u != 0 && !__builtin_mul_overflow(v, u, &product)) consider(Op::Divide, O, product, S, u, known, O, product);
            }
        });
        return best;
    }

    LevelWeights w_;
    std::stop_token stop_;
    bool multiply_ = true, divide_ = true;  // the operations a way may use besides + and -
    std::vector<int> cards_;  // sorted
    int n_ = 0;
    int fullUpTo_ = 0;
    std::vector<uint8_t> canon_;
    std::vector<std::vector<Entry>> tables_;
    std::vector<bool> full_;
    std::vector<std::unordered_map<int64_t, Way>> memo_;
};

// The easiest way as an answer tree, and what its points are made of.
Expression Rebuild(EasiestWays& ways, int mask, int64_t v, LevelFacts& f, bool root) {
    if (std::popcount(static_cast<unsigned>(mask)) == 1) return Expression::Card(ways.Card(mask));
    const Way way = ways.Get(mask, v);
    if (way.points == Unreached) return Expression::Card(0);  // stopped part-way: the caller drops it
    if (!root) {
        f.sizes += std::log(static_cast<double>(std::max<int64_t>(v, 1)));
        f.largest = std::max(f.largest, v);
    }
    ++f.steps;
    if (way.op == Op::Add) ++f.additions;
    if ((way.op == Op::Multiply && (way.x == 1 || way.y == 1)) || (way.op == Op::Divide && way.y == 1))
        ++f.byOne;
    else if (way.op == Op::Divide && way.x != way.y)
        ++f.divisions;
    Expression left = Rebuild(ways, way.left, way.x, f, false);
    Expression right = Rebuild(ways, way.right, way.y, f, false);
    return Expression::Combine(way.op, std::move(left), std::move(right));
}

}  // namespace

LevelFacts FactsOf(const std::vector<int>& cards, int answer, std::stop_token stop, const LevelWeights& weights, AllowedOperations ops) {
    LevelFacts f;
    f.cards = static_cast<int>(cards.size());
    f.answer = answer;
    if (cards.empty()) return f;
    f.cardValues = static_cast<int>(std::set<int>(cards.begin(), cards.end()).size());
    EasiestWays ways(cards, weights, stop, ops);
    if (ways.Cancelled()) return f;
    const Way easiest = ways.Root(answer, f.lastSteps);
    if (ways.Cancelled()) return f;
    f.natural = easiest.points != Unreached;
    if (f.natural) {
        f.answered = true;
        f.easiest = Canonical(Rebuild(ways, ways.Whole(), answer, f, true)).text;
        if (ways.Cancelled()) {
            LevelFacts none;
            none.cards = f.cards;
            none.answer = f.answer;
            return none;
        }
        f.points = easiest.points + weights.cardValue * f.cardValues - weights.lastSteps * std::log(1.0 + f.lastSteps) +
                   weights.cardAllowance[std::clamp(f.cards, 3, 7) - 3];
        return f;
    }
    // No plain answer: the level is 5 if there is any (it needs a fraction part-way).
    f.answered = SolveForPlayer(cards, answer, 0, stop, PartWay::Any, ops).answers > 0;
    return f;
}

int Level(const LevelFacts& f, const LevelWeights& w) {
    if (!f.answered) return 0;
    if (!f.natural) return 5;
    int level = 1;
    for (double most : w.bounds)
        if (f.points > most) ++level;
    return level;
}

LevelReason ReasonOf(const LevelFacts& f, const LevelWeights& w) {
    using Kind = LevelReason::Kind;
    const int level = Level(f, w);
    if (level == 0) return {Kind::NoAnswer, 0};
    if (!f.natural) return {Kind::NeedsFraction, 0};
    // What makes it hard, in the order the points weigh most on the hands people played.
    auto hard = [&]() -> LevelReason {
        if (f.divisions > 0) return {Kind::Division, f.divisions};
        if (f.largest > f.answer) return {Kind::LargeNumber, f.largest};
        if (f.lastSteps <= 3) return {Kind::FewWays, f.lastSteps};
        return {Kind::CardValues, f.cardValues};
    };
    // What makes it easy.
    auto easy = [&]() -> LevelReason {
        if (f.byOne > 0) return {Kind::ByOne, f.byOne};
        if (f.additions == f.steps) return {Kind::Additions, f.additions};
        if (f.cardValues < f.cards) return {Kind::RepeatedCards, f.cardValues};
        if (f.lastSteps >= 4) return {Kind::ManyWays, f.lastSteps};
        return {Kind::SmallNumbers, f.largest};
    };
    return level >= 3 ? hard() : easy();
}
