// The player's solver: value tables over sub-multisets of the cards, Polya's recurrence for
// sums and products, lookups at the root, and a walk back down for the listed answers.
#include "player/player_solver.h"

#include "player/value_map.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <unordered_set>

namespace {

using Op = Expression::Op;

struct Counts {
    uint64_t sum = 0, product = 0, other = 0;  // by the root: a sum, a product, anything else
    uint64_t Total() const { return sum + product + other; }
    uint64_t NonSum() const { return product + other; }
    uint64_t NonProduct() const { return sum + other; }
};

using Table = ValueMap<Counts>;
using Weights = ValueMap<uint64_t>;

constexpr int SumKind = 1, ProductKind = 2, OtherKind = 4, AnyKind = 7;

// Integer k-th root of a non-negative x, or -1 when x is not a k-th power.
int64_t Root(int64_t x, int k) {
    if (x < 2) return x;
    auto r = static_cast<int64_t>(std::llround(std::pow(static_cast<double>(x), 1.0 / k)));
    for (int64_t c = std::max<int64_t>(r - 1, 0); c <= r + 1; ++c) {
        __int128 p = 1;
        for (int i = 0; i < k && p <= x; ++i) p *= c;
        if (p == x) return c;
    }
    return -1;
}

// Every u with u^k == w.
std::vector<Fraction> Roots(const Fraction& w, int k) {
    if (k == 1) return {w};
    if (w.IsZero()) return {Fraction(0)};
    const bool negative = w.Num() < 0;
    if (negative && k % 2 == 0) return {};
    const int64_t p = Root(negative ? -w.Num() : w.Num(), k), q = Root(w.Den(), k);
    if (p < 0 || q < 0) return {};
    const Fraction u = *Fraction::Make(negative ? -p : p, q);
    if (k % 2 == 1) return {u};
    return {u, Fraction(0).Minus(u).value()};
}

class Solver {
public:
    Solver(const std::vector<int>& cards, std::stop_token stop, PartWay partWay, AllowedOperations ops)
        : stop_(stop), partWay_(partWay), multiply_(AllowsMultiply(ops)), divide_(AllowsDivide(ops)) {
        wholeOnly_ = partWay != PartWay::Any;
        cards_ = cards;
        std::sort(cards_.begin(), cards_.end());
        for (int c : cards_) {
            if (values_.empty() || values_.back() != c) {
                values_.push_back(c);
                most_.push_back(0);
            }
            ++most_.back();
        }
        int stride = 1;
        for (int m : most_) {
            strides_.push_back(stride);
            stride *= m + 1;
        }
        const int subsets = stride;
        size_.resize(subsets);
        for (int s = 0; s < subsets; ++s)
            for (std::size_t g = 0; g < most_.size(); ++g) size_[s] += Count(s, g);
        parts_.resize(subsets);
        for (int s = 0; s < subsets; ++s) {
            for (int a = 1; a < s; ++a)
                if (Within(a, s)) parts_[s].push_back(a);
        }
        full_.assign(subsets, false);
        tables_.resize(subsets);
        thetaSum_.resize(subsets);
        thetaProduct_.resize(subsets);
        all_.resize(subsets);
        memo_.resize(subsets);
        const int n = static_cast<int>(cards_.size());
        // Whole tables up to here; the rest near the root is answered value by value. Measured
        // (bench/player_bench): 5 cards are fastest with whole tables up to 3 cards, 6 and 7 up to 4.
        fullUpTo_ = n <= 4 ? n - 1 : n == 5 ? 3 : 4;
        // Whole numbers only: the value-free counts come from whole tables (an answer with a
        // fraction inside is no answer here), so every proper part of the root's parts gets one.
        if (wholeOnly_) fullUpTo_ = std::max(fullUpTo_, n - 2);
        for (int s = 1; s < subsets; ++s) order_.push_back(s);
        std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) { return size_[a] < size_[b]; });
        for (int s : order_) {
            if (stop_.stop_requested()) return;
            if (size_[s] <= fullUpTo_) EnsureFull(s);
            if (!wholeOnly_) {
                CountAll(s);
            } else if (full_[s]) {
                for (const auto& entry : tables_[s]) {
                    all_[s].sum += entry.second.sum;
                    all_[s].product += entry.second.product;
                    all_[s].other += entry.second.other;
                }
            }
        }
        mask_.resize(std::size_t(1) << n);
        for (uint32_t m = 0; m < mask_.size(); ++m) {
            int s = 0;
            for (int i = 0; i < n; ++i)
                if (m >> i & 1) s += strides_[Group(cards_[i])];
            mask_[m] = s;
        }
    }

    bool Cancelled() const { return stop_.stop_requested(); }
    bool Overflowed() const { return overflow_; }
    int Whole() const { return static_cast<int>(size_.size()) - 1; }

    Counts Query(int s, const Fraction& v) {
        if (!Allowed(v)) return {};
        if (full_[s]) {
            const Counts* c = tables_[s].Find(v);
            return c ? *c : Counts{};
        }
        if (const Counts* c = memo_[s].Find(v)) return *c;
        const Counts c = Compute(s, v);  // asks only smaller sub-multisets, so memo_[s] stays put
        memo_[s][v] = c;
        return c;
    }

    // Up to limit distinct canonical answers over the cards of mask with value v and a root
    // of the given kinds.
    std::vector<Expression> List(uint32_t mask, const Fraction& v, int kinds, std::size_t limit) {
        std::vector<Expression> out;
        std::unordered_set<std::string> seen;
        auto add = [&](Expression e) {
            if (seen.insert(e.text).second) out.push_back(std::move(e));
            return out.size() >= limit;
        };
        const Counts here = Query(mask_[mask], v);
        if (std::popcount(mask) == 1) {
            const int card = cards_[std::countr_zero(mask)];
            if ((kinds & OtherKind) && Fraction(card) == v) add(Expression::Card(card));
            return out;
        }
        // Sums and products first: they make the plainest answers.
        for (Op op : {Op::Add, Op::Multiply}) {
            const int kind = op == Op::Add ? SumKind : ProductKind;
            if (!(kinds & kind) || (op == Op::Add ? here.sum : here.product) == 0 || (op == Op::Multiply && !multiply_)) continue;
            // The part that holds the lowest card, and the rest: each labelled answer once.
            const uint32_t low = mask & (~mask + 1);
            for (uint32_t a = (mask - 1) & mask; a != 0; a = (a - 1) & mask) {
                if (!(a & low)) continue;
                const uint32_t b = mask ^ a;
                bool done = false;
                Pairs(mask_[a], mask_[b], op, v, [&](const Fraction& x, const Fraction& y) {
                    if (done) return;
                    const auto ls = List(a, x, AnyKind & ~kind, limit), rs = List(b, y, AnyKind, limit);
                    for (const Expression& l : ls) {
                        for (const Expression& r : rs) {
                            if (done) return;
                            std::vector<Expression> parts{l};
                            if (r.op == op)
                                parts.insert(parts.end(), r.parts.begin(), r.parts.end());
                            else
                                parts.push_back(r);
                            done = add(Expression::Group(op, std::move(parts)));
                        }
                    }
                });
                if (done) return out;
            }
        }
        if ((kinds & OtherKind) && here.other > 0) {
            for (uint32_t a = (mask - 1) & mask; a != 0; a = (a - 1) & mask) {
                const uint32_t b = mask ^ a;
                for (Op op : {Op::Subtract, Op::Divide}) {
                    if (op == Op::Divide && !divide_) continue;
                    bool done = false;
                    Pairs(mask_[a], mask_[b], op, v, [&](const Fraction& x, const Fraction& y) {
                        if (done) return;
                        const auto ls = List(a, x, AnyKind, limit), rs = List(b, y, AnyKind, limit);
                        for (const Expression& l : ls)
                            for (const Expression& r : rs)
                                if (!done) done = add(Expression::Combine(op, l, r));
                    });
                    if (done) return out;
                }
            }
        }
        return out;
    }

private:
    bool Allowed(const Fraction& v) const {
        switch (partWay_) {
        case PartWay::Any: return true;
        case PartWay::WholeNumbers: return v.IsWhole();
        case PartWay::NaturalNumbers: return v.IsWhole() && v.Num() >= 0;
        }
        return true;
    }

    int Count(int s, std::size_t g) const { return s / strides_[g] % (most_[g] + 1); }
    bool Within(int a, int s) const {
        for (std::size_t g = 0; g < most_.size(); ++g)
            if (Count(a, g) > Count(s, g)) return false;
        return true;
    }
    std::size_t Group(int card) const { return std::lower_bound(values_.begin(), values_.end(), card) - values_.begin(); }
    // s / k when k divides every count of s, else -1.
    int Divide(int s, int k) const {
        for (std::size_t g = 0; g < most_.size(); ++g)
            if (Count(s, g) % k != 0) return -1;
        return s / k;
    }

    std::optional<Fraction> Checked(std::optional<Fraction> f) {
        if (!f) overflow_ = true;
        return f;
    }

    uint64_t ThetaSum(int t, const Fraction& w) {
        if (full_[t]) {
            const uint64_t* weight = thetaSum_[t].Find(w);
            return weight ? *weight : 0;
        }
        uint64_t out = 0;
        for (int k = 1; k <= size_[t]; ++k) {
            const int part = Divide(t, k);
            if (part < 0) continue;
            const auto u = w.Divided(Fraction(k));
            if (u) out += static_cast<uint64_t>(size_[part]) * Query(part, *u).NonSum();
        }
        return out;
    }

    uint64_t ThetaProduct(int t, const Fraction& w) {
        if (!multiply_) return 0;
        if (full_[t]) {
            const uint64_t* weight = thetaProduct_[t].Find(w);
            return weight ? *weight : 0;
        }
        uint64_t out = 0;
        for (int k = 1; k <= size_[t]; ++k) {
            const int part = Divide(t, k);
            if (part < 0) continue;
            for (const Fraction& u : Roots(w, k)) out += static_cast<uint64_t>(size_[part]) * Query(part, u).NonProduct();
        }
        return out;
    }

    // Calls f(x, y) for every x with answers over a and y with answers over b such that
    // x op y == v; iterates whichever side has the smaller table and looks the other up.
    template <class F>
    void Pairs(int a, int b, Op op, const Fraction& v, F&& f) {
        if (!full_[a] && !full_[b]) EnsureFull(size_[a] <= size_[b] ? a : b);
        const bool iterateA = full_[a] && (!full_[b] || tables_[a].size() <= tables_[b].size());
        const Table& side = iterateA ? tables_[a] : tables_[b];
        for (const auto& entry : side) {
            const Fraction& u = entry.first;
            std::optional<Fraction> other;
            if (iterateA) {
                switch (op) {
                case Op::Subtract: other = u.Minus(v); break;
                case Op::Add: other = v.Minus(u); break;
                case Op::Divide:
                    if (v.IsZero()) {
                        if (!u.IsZero()) continue;
                        // 0 / y for every nonzero y over b.
                        ForEachValue(b, [&](const Fraction& z, const Counts& cz) {
                            if (!z.IsZero() && cz.Total() > 0) f(u, z);
                        });
                        continue;
                    }
                    other = u.Divided(v);
                    break;
                case Op::Multiply:
                    if (u.IsZero()) {
                        if (!v.IsZero()) continue;
                        ForEachValue(b, [&](const Fraction& z, const Counts& cz) {
                            if (cz.Total() > 0) f(u, z);
                        });
                        continue;
                    }
                    other = v.Divided(u);
                    break;
                case Op::Card: break;
                }
                if (!other) continue;
                if (Query(b, *other).Total() == 0 || (op == Op::Divide && other->IsZero())) continue;
                f(u, *other);
            } else {
                switch (op) {
                case Op::Subtract: other = v.Plus(u); break;
                case Op::Add: other = v.Minus(u); break;
                case Op::Divide:
                    if (u.IsZero()) continue;
                    other = v.Times(u);
                    break;
                case Op::Multiply:
                    if (u.IsZero()) {
                        if (!v.IsZero()) continue;
                        ForEachValue(a, [&](const Fraction& z, const Counts& cz) {
                            if (cz.Total() > 0) f(z, u);
                        });
                        continue;
                    }
                    other = v.Divided(u);
                    break;
                case Op::Card: break;
                }
                if (!other || Query(a, *other).Total() == 0) continue;
                f(*other, u);
            }
        }
    }

    template <class F>
    void ForEachValue(int s, F&& f) {
        EnsureFull(s);
        for (const auto& [u, c] : tables_[s]) f(u, c);
    }

    // The value-free counts, for the zero cases: how many answers over s there are at all.
    void CountAll(int s) {
        Counts c;
        if (size_[s] == 1) c.other = 1;
        uint64_t sumNum = 0, productNum = 0;
        for (int a : parts_[s]) {
            const int b = s - a;
            const uint64_t all_a = all_[a].Total(), all_b = all_[b].Total();
            c.other += all_a * all_b;                                 // a - b
            if (divide_) c.other += all_a * (all_b - Query(b, Fraction(0)).Total());  // a / b, b not zero
            sumNum += ThetaAll(a, true) * all_b;
            if (multiply_) productNum += ThetaAll(a, false) * all_b;
        }
        for (int k = 2; k <= size_[s]; ++k) {
            const int part = Divide(s, k);
            if (part < 0) continue;
            sumNum += static_cast<uint64_t>(size_[part]) * all_[part].NonSum();
            if (multiply_) productNum += static_cast<uint64_t>(size_[part]) * all_[part].NonProduct();
        }
        c.sum = sumNum / size_[s];
        c.product = productNum / size_[s];
        all_[s] = c;
    }

    uint64_t ThetaAll(int t, bool sum) {
        uint64_t out = 0;
        for (int k = 1; k <= size_[t]; ++k) {
            const int part = Divide(t, k);
            if (part >= 0) out += static_cast<uint64_t>(size_[part]) * (sum ? all_[part].NonSum() : all_[part].NonProduct());
        }
        return out;
    }

    // Counts over s at one value, for a sub-multiset without a whole table.
    Counts Compute(int s, const Fraction& v) {
        Counts c;
        const uint64_t n = static_cast<uint64_t>(size_[s]);
        uint64_t sumNum = 0, productNum = 0;
        for (int a : parts_[s]) {
            const int b = s - a;
            Pairs(a, b, Op::Subtract, v, [&](const Fraction& x, const Fraction& y) {
                c.other += Query(a, x).Total() * Query(b, y).Total();
            });
            if (divide_ && v.IsZero()) {
                c.other += Query(a, v).Total() * (all_[b].Total() - Query(b, v).Total());
            } else if (divide_) {
                Pairs(a, b, Op::Divide, v, [&](const Fraction& x, const Fraction& y) {
                    c.other += Query(a, x).Total() * Query(b, y).Total();
                });
            }
            sumNum += ThetaJoin(a, b, v, true);
            if (multiply_) productNum += ThetaJoin(a, b, v, false);
        }
        for (int k = 2; k <= size_[s]; ++k) {
            const int part = Divide(s, k);
            if (part < 0) continue;
            if (const auto u = v.Divided(Fraction(k))) sumNum += static_cast<uint64_t>(size_[part]) * Query(part, *u).NonSum();
            if (multiply_)
                for (const Fraction& u : Roots(v, k)) productNum += static_cast<uint64_t>(size_[part]) * Query(part, u).NonProduct();
        }
        c.sum = sumNum / n;
        c.product = productNum / n;
        return c;
    }

    // Sum over w of Theta(t, w) * Total(r, v - w), or of products w * x == v.
    uint64_t ThetaJoin(int t, int r, const Fraction& v, bool sum) {
        uint64_t out = 0;
        if (!sum && v.IsZero()) {
            const uint64_t zero = ThetaProduct(t, v), allT = ThetaAll(t, false);
            return zero * all_[r].Total() + (allT - zero) * Query(r, v).Total();
        }
        const Weights& theta = sum ? thetaSum_[t] : thetaProduct_[t];
        const bool iterateT = full_[t] && (!full_[r] || theta.size() <= tables_[r].size());
        if (!iterateT && !full_[r]) EnsureFull(r);
        if (iterateT) {
            for (const auto& [w, weight] : theta) {
                const auto x = sum ? v.Minus(w) : (w.IsZero() ? std::nullopt : v.Divided(w));
                if (x) out += weight * Query(r, *x).Total();
            }
        } else {
            for (const auto& [x, cx] : tables_[r]) {
                const auto w = sum ? v.Minus(x) : (x.IsZero() ? std::nullopt : v.Divided(x));
                if (w) out += (sum ? ThetaSum(t, *w) : ThetaProduct(t, *w)) * cx.Total();
            }
        }
        return out;
    }

    // A whole table for s, and the Theta weights of s; every sub-multiset gets one first.
    void EnsureFull(int s) {
        if (full_[s]) return;
        for (int a : parts_[s]) EnsureFull(a);
        Table table;
        if (size_[s] == 1) {
            for (std::size_t g = 0; g < most_.size(); ++g)
                if (Count(s, g) == 1) table[Fraction(values_[g])].other = 1;
        }
        Weights sumNum, productNum;
        for (int a : parts_[s]) {
            const int b = s - a;
            for (const auto& [x, cx] : tables_[a]) {
                for (const auto& [y, cy] : tables_[b]) {
                    const uint64_t pairs = cx.Total() * cy.Total();
                    if (const auto d = Checked(x.Minus(y)); d && Allowed(*d)) table[*d].other += pairs;
                    if (divide_ && !y.IsZero())
                        if (const auto q = Checked(x.Divided(y)); q && Allowed(*q)) table[*q].other += pairs;
                }
            }
            for (const auto& [w, weight] : thetaSum_[a])
                for (const auto& [x, cx] : tables_[b])
                    if (const auto t = Checked(w.Plus(x))) sumNum[*t] += weight * cx.Total();
            for (const auto& [w, weight] : thetaProduct_[a])  // empty without multiplication
                for (const auto& [x, cx] : tables_[b])
                    if (const auto t = Checked(w.Times(x))) productNum[*t] += weight * cx.Total();
        }
        for (int k = 2; k <= size_[s]; ++k) {
            const int part = Divide(s, k);
            if (part < 0) continue;
            for (const auto& [u, c] : tables_[part]) {
                const uint64_t weight = static_cast<uint64_t>(size_[part]);
                if (const auto t = Checked(u.Times(Fraction(k)))) sumNum[*t] += weight * c.NonSum();
                if (multiply_)
                    if (const auto t = Checked(u.Power(k))) productNum[*t] += weight * c.NonProduct();
            }
        }
        const uint64_t n = static_cast<uint64_t>(size_[s]);
        for (const auto& [v, num] : sumNum)
            if (num / n > 0) table[v].sum += num / n;
        for (const auto& [v, num] : productNum)
            if (num / n > 0) table[v].product += num / n;
        tables_[s] = std::move(table);
        // Theta(s, w) = sum over k of |s|/k * NonSum(s/k, w/k); likewise for products.
        for (int k = 1; k <= size_[s]; ++k) {
            const int part = Divide(s, k);
            if (part < 0) continue;
            const uint64_t weight = static_cast<uint64_t>(size_[part]);
            for (const auto& [u, c] : tables_[part]) {
                if (c.NonSum() > 0)
                    if (const auto t = Checked(u.Times(Fraction(k)))) thetaSum_[s][*t] += weight * c.NonSum();
                if (multiply_ && c.NonProduct() > 0)
                    if (const auto t = Checked(u.Power(k))) thetaProduct_[s][*t] += weight * c.NonProduct();
            }
        }
        full_[s] = true;
    }

    std::stop_token stop_;
    std::vector<int> cards_;              // sorted
    std::vector<int> values_, most_;      // distinct cards and how often each lies on the table
    std::vector<int> strides_;            // a sub-multiset is a mixed-radix number of counts
    std::vector<int> size_;
    std::vector<std::vector<int>> parts_; // nonempty proper sub-multisets of each
    std::vector<int> order_;
    std::vector<bool> full_;
    std::vector<Table> tables_;
    std::vector<Weights> thetaSum_, thetaProduct_;
    std::vector<Counts> all_;
    std::vector<int> mask_;               // positions in cards_ -> sub-multiset
    std::vector<Table> memo_;             // counts at single values, for the rest
    int fullUpTo_ = 0;
    bool overflow_ = false;
    PartWay partWay_ = PartWay::Any;
    bool multiply_ = true, divide_ = true;  // the operations an answer may use besides + and -
    bool wholeOnly_ = false;              // every value part-way a whole number
};

int Depth(const Expression& e) {
    int deepest = 0;
    for (const Expression& p : e.parts) deepest = std::max(deepest, Depth(p));
    return e.parts.empty() ? 0 : deepest + 1;
}

// Simplest first: no fraction part-way, then no negative number part-way, then fewer levels
// of operations, then fewer characters, then by text.
bool Simpler(const Expression& a, const Expression& b) {
    const bool fa = NeedsFractionPartWay(a), fb = NeedsFractionPartWay(b);
    if (fa != fb) return !fa;
    const bool na = NeedsNegativePartWay(a), nb = NeedsNegativePartWay(b);
    if (na != nb) return !na;
    const int da = Depth(a), db = Depth(b);
    if (da != db) return da < db;
    if (a.text.size() != b.text.size()) return a.text.size() < b.text.size();
    return a.text < b.text;
}

}  // namespace

PlayerVerdict SolveForPlayer(const std::vector<int>& cards, int answer, std::size_t keep, std::stop_token stop, PartWay partWay,
                             AllowedOperations ops) {
    PlayerVerdict out;
    out.cards = cards;
    out.answer = answer;
    if (cards.empty()) return out;
    Solver solver(cards, stop, partWay, ops);
    if (solver.Cancelled()) {
        out.status = PlayerVerdict::Status::Cancelled;
        return out;
    }
    const Fraction target(answer);
    out.answers = solver.Query(solver.Whole(), target).Total();
    const uint32_t all = (uint32_t(1) << cards.size()) - 1;
    // A limit per sub-answer of `keep` finds `keep` distinct answers unless equal cards make
    // many of them coincide; then a larger limit is tried.
    // Four times as many as wanted (at least 40) are gathered, so the simplest come first
    // among more.
    const std::size_t want = keep == 0 ? 0 : std::min<uint64_t>(std::max<std::size_t>(keep * 4, 40), out.answers);
    for (std::size_t limit = want; want > 0; limit *= 4) {
        if (solver.Cancelled()) {
            out.status = PlayerVerdict::Status::Cancelled;
            return out;
        }
        out.listed = solver.List(all, target, AnyKind, limit);
        if (out.listed.size() >= want || limit > 4096) break;
    }
    std::sort(out.listed.begin(), out.listed.end(), Simpler);
    if (out.listed.size() > keep) out.listed.resize(keep);
    out.overflow = solver.Overflowed();
    return out;
}


bool PlayerCanSolve(const std::vector<int>& cards, int answer, AllowedOperations operations) {
    return SolveForPlayer(cards, answer, 0, {}, PartWay::Any, operations).answers > 0;
}
