// Counting by value: tables for parts of three or four cards, windows and exact re-checks above.
#include "solver/attempt_counter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <unordered_map>

#include "expr/eval.h"
#include "solver/bracket_classes.h"

namespace {

// The operators. In the game's order each is a level of its own, lowest reduced last:
// subtract, add, divide, multiply; in the school's, subtract and add share the lower level and
// divide and multiply the higher. A part's "rank" below is the lowest level allowed outside
// its groups; one whose lowest level is past the top must be one card or one bracket group.
constexpr int Sub = 1, Add = 2, Div = 3, Mul = 4;
constexpr double Inf = std::numeric_limits<double>::infinity();

double Apply(int rank, double a, double b) {
    switch (rank) {
    case Mul: return a * b;
    case Div: return a / b;  // callers drop a zero divisor first
    case Add: return a + b;
    default: return a - b;
    }
}


// Window edges: far wider than any rounding in the game (a few parts in 1E15).
double Below(double x) { return std::isinf(x) ? x : x - (std::fabs(x) * 1e-9 + 1e-290); }
double Above(double x) { return std::isinf(x) ? x : x + (std::fabs(x) * 1e-9 + 1e-290); }

struct Range {
    double lo, hi;
};

int Ordered(double a, double b, Range* out) {
    out[0] = {Below(std::min(a, b)), Above(std::max(a, b))};
    return 1;
}

// Every u for which the game's value of "k op u" (knownLeft) or "u op k" can lie in [lo, hi],
// and some more; written to out, the number of ranges returned. Never called with k == 0 where
// the result would not depend on u (multiplying, or dividing zero): the caller counts those.
int Preimage(int rank, double k, bool knownLeft, double lo, double hi, Range* out) {
    const double L = Below(lo), H = Above(hi);
    const double slack = std::fabs(k) * 1e-9;  // cancellation in a sum loses digits of k, not of u
    switch (rank) {
    case Add: out[0] = {Below(L - k) - slack, Above(H - k) + slack}; return 1;
    case Sub:
        out[0] = knownLeft ? Range{Below(k - H) - slack, Above(k - L) + slack}
                           : Range{Below(L + k) - slack, Above(H + k) + slack};
        return 1;
    case Mul: return Ordered(L / k, H / k, out);
    default:
        if (!knownLeft) return k == 0 ? 0 : Ordered(L * k, H * k, out);  // u / k
        // k / u: with k < 0 it is -(|k| / u), so |k| / u must lie in [-H, -L].
        const double m = std::fabs(k);
        const double l = k < 0 ? -H : L, h = k < 0 ? -L : H;
        int count = 0;
        if (h > 0) out[count++] = {Below(m / h), l > 0 ? Above(m / l) : Inf};       // u > 0
        if (l < 0) out[count++] = {h < 0 ? Below(m / h) : -Inf, Above(m / l)};      // u < 0
        return count;
    }
}

struct Entry {
    double value;
    uint64_t count;
};
using Table = std::vector<Entry>;  // sorted by value, each value once

// A part: its bracket groups (bit s * MaxCards + e for cards s..e, counted within the part),
// the lowest operator rank allowed outside them, and its cards as a canonical multiset mask.
struct Part {
    uint64_t groups;
    int cards;
    int rank;
    unsigned mask;
};

constexpr uint64_t Bit(int s, int e) { return uint64_t{1} << (s * MaxCards + e); }

class Counter {
public:
    Counter(std::vector<int> cards, int tableCards, OperatorOrder order) : values_(std::move(cards)), tableCards_(tableCards) {
        if (order == OperatorOrder::Game) {
            levels_ = {{{}, {Sub}, {Add}, {Div}, {Mul}}};
            noOperator_ = 5;
        } else {
            levels_ = {{{}, {Sub, Add}, {Div, Mul}}};
            noOperator_ = 3;
        }
        std::sort(values_.begin(), values_.end());
        const int n = static_cast<int>(values_.size());
        // A multiset is kept as the mask of the first positions of each run of equal cards.
        for (unsigned mask = 0; mask < (1u << n); ++mask) {
            unsigned canonical = 0;
            for (int i = 0; i < n;) {
                int j = i, taken = 0;
                for (; j < n && values_[j] == values_[i]; ++j) taken += (mask >> j) & 1;
                for (int t = 0; t < taken; ++t) canonical |= 1u << (i + t);
                i = j;
            }
            canonical_[mask] = canonical;
            ones_[mask] = std::popcount(mask);
        }
    }

    // The texts of the whole attempt, with groups, whose last operation makes answer exactly.
    uint64_t Hits(uint64_t groups, int n, int answer) {
        const double target = answer;
        uint64_t total = 0;
        Splits({groups, n, Sub, canonical_[(1u << n) - 1]}, 0, [&](int rank, const Part& left, const Part& right) {
            Join(rank, left, right, target, target, [&](double a, double b, uint64_t count) {
                if (Apply(rank, a, b) == target) total += count;
            });
        });
        return total;
    }

private:
    static bool IsGroup(const Part& p) { return p.cards > 1 && (p.groups & Bit(0, p.cards - 1)); }
    static Part Inside(const Part& p) { return {p.groups & ~Bit(0, p.cards - 1), p.cards, Sub, p.mask}; }

    // Every way the part splits at its last operation: f(operator, left, right); with
    // onlyLevel, only the splits at an operator of that level.
    template <class F>
    void Splits(const Part& p, int onlyLevel, F&& f) {
        const std::vector<Gap>& gaps = GapsOf(p.groups, p.cards);
        for (int level = onlyLevel ? onlyLevel : p.rank; level < (onlyLevel ? onlyLevel + 1 : noOperator_); ++level) {
            for (int op : levels_[level]) {
                if (op == 0) break;
                for (const Gap& gap : gaps) {
                    for (const auto& [sub, rest] : Halves(p.mask, gap.leftCards))
                        f(op, Part{gap.left, gap.leftCards, level, sub}, Part{gap.right, p.cards - gap.leftCards, level + 1, rest});
                }
            }
        }
    }

    // An operator outside every group, and the groups on either side of it.
    struct Gap {
        int leftCards;
        uint64_t left, right;
    };
    const std::vector<Gap>& GapsOf(uint64_t groups, int cards) {
        auto [it, fresh] = gaps_.try_emplace(groups | uint64_t(cards) << 60);
        if (!fresh) return it->second;
        for (int g = 0; g + 1 < cards; ++g) {  // the operator after card g
            Gap gap{g + 1, 0, 0};
            bool outside = true;
            for (int s = 0; s < cards; ++s)
                for (int e = s + 1; e < cards; ++e) {
                    if (!(groups & Bit(s, e))) continue;
                    if (e <= g) gap.left |= Bit(s, e);
                    else if (s > g) gap.right |= Bit(s - g - 1, e - g - 1);
                    else outside = false;
                }
            if (outside) it->second.push_back(gap);
        }
        return it->second;
    }

    // The ways to take a multiset of size from mask: each (part, the rest), both canonical.
    const std::vector<std::pair<unsigned, unsigned>>& Halves(unsigned mask, int size) {
        auto& halves = halves_[mask][size];
        if (!halves.empty() || size > ones_[mask]) return halves;
        for (unsigned sub = mask;; sub = (sub - 1) & mask) {
            if (ones_[sub] == size && canonical_[sub] == sub) halves.emplace_back(sub, canonical_[mask & ~sub]);
            if (sub == 0) break;
        }
        return halves;
    }

    // Every pair of values of left and right whose combination may lie in [lo, hi]; f(a, b,
    // number of texts) sees each, never with a zero divisor. The smaller side is read whole
    // from its table; the other side is gathered through windows.
    template <class F>
    void Join(int rank, const Part& left, const Part& right, double lo, double hi, F&& f) {
        const bool leftSmall = left.cards <= right.cards;
        const Part& small = leftSmall ? left : right;
        const Part& other = leftSmall ? right : left;
        const Table& known = TableOf(small);
        if (known.empty()) return;
        std::vector<Entry> found;
        const Table* table = other.cards <= tableCards_ ? &TableOf(other) : nullptr;
        if (table && table->empty()) return;
        std::size_t hint[2] = {0, 0};
        for (const Entry& x : known) {
            const double k = x.value;
            // Where u does not matter: 0 times anything, 0 divided by anything but 0.
            if (k == 0 && (rank == Mul || (rank == Div && leftSmall))) {
                const uint64_t count = rank == Mul ? Total(other) : Total(other) - Zeros(other);
                if (count > 0) f(0.0, 0.0 + (rank == Div), x.count * count);  // 0 x 0, or 0 / 1
                continue;
            }
            Range windows[2];
            const int n = Preimage(rank, k, leftSmall, lo, hi, windows);
            for (int w = 0; w < n; ++w) {
                auto each = [&](const Entry& y) {
                    const double a = leftSmall ? k : y.value, b = leftSmall ? y.value : k;
                    if (rank == Div && b == 0) return;
                    f(a, b, x.count * y.count);
                };
                if (table) {  // the windows of neighbouring values lie close: search from the last
                    hint[w] = Seek(*table, windows[w].lo, hint[w]);
                    for (std::size_t i = hint[w]; i < table->size() && (*table)[i].value <= windows[w].hi; ++i)
                        each((*table)[i]);
                } else {
                    found.clear();
                    Gather(other, windows[w].lo, windows[w].hi, found);
                    for (const Entry& y : found) each(y);
                }
            }
        }
    }

    // The first position in t whose value is lo or more, galloping out from hint.
    static std::size_t Seek(const Table& t, double lo, std::size_t hint) {
        const auto below = [](const Entry& e, double v) { return e.value < v; };
        std::size_t from = 0, to = t.size();
        if (hint < t.size() && t[hint].value < lo) {
            std::size_t step = 1;
            while (hint + step < t.size() && t[hint + step].value < lo) step *= 2;
            from = hint + step / 2 + 1;
            to = std::min(hint + step, t.size());
        } else {
            std::size_t step = 1;
            hint = std::min(hint, t.size());
            while (step <= hint && t[hint - step].value >= lo) step *= 2;
            from = step <= hint ? hint - step + 1 : 0;
            to = hint - step / 2;
        }
        return std::lower_bound(t.begin() + from, t.begin() + to, lo, below) - t.begin();
    }

    // Appends the part's values in [lo, hi] with their numbers of texts (a value may repeat).
    void Gather(const Part& p, double lo, double hi, std::vector<Entry>& out) {
        if (p.cards <= tableCards_) {
            const Table& t = TableOf(p);
            auto it = std::lower_bound(t.begin(), t.end(), lo, [](const Entry& e, double v) { return e.value < v; });
            for (; it != t.end() && it->value <= hi; ++it) out.push_back(*it);
            return;
        }
        if (IsGroup(p)) return Gather(Inside(p), lo, hi, out);
        Splits(p, 0, [&](int rank, const Part& left, const Part& right) {
            Join(rank, left, right, lo, hi, [&](double a, double b, uint64_t count) {
                const double v = Rounded(Apply(rank, a, b));
                if (v >= lo && v <= hi) out.push_back({v, count});
            });
        });
    }

    // The number of the part's texts that never divide by zero.
    uint64_t Total(const Part& p) {
        if (p.cards <= tableCards_) {
            uint64_t sum = 0;
            for (const Entry& e : TableOf(p)) sum += e.count;
            return sum;
        }
        auto [it, fresh] = totals_.try_emplace(Key(p), 0);
        if (!fresh) return it->second;
        uint64_t sum = 0;
        if (IsGroup(p)) {
            sum = Total(Inside(p));
        } else {
            Splits(p, 0, [&](int rank, const Part& left, const Part& right) {
                sum += Total(left) * (Total(right) - (rank == Div ? Zeros(right) : 0));
            });
        }
        totals_[Key(p)] = sum;  // the reference may have moved while the parts below were counted
        return sum;
    }

    uint64_t Zeros(const Part& p) {
        std::vector<Entry> zero;
        Gather(p, 0.0, 0.0, zero);
        uint64_t sum = 0;
        for (const Entry& e : zero) sum += e.count;
        return sum;
    }

    static uint64_t Key(const Part& p) {
        return p.groups | uint64_t(p.rank) << 49 | uint64_t(p.mask) << 52 | uint64_t(p.cards) << 60;
    }

    // The part's table. Texts whose lowest operator outside brackets has rank r are made
    // once, in a table of their own, and the tables for "rank r or higher" merge those.
    const Table& TableOf(const Part& p, bool exactRank = false) {
        const uint64_t key = Key(p) | uint64_t{exactRank} << 63;
        // A small direct-mapped cache in front of the map: joins ask for the same few tables
        // again and again, and the map's lookups were a fifth of all the time.
        Recent& recent = recent_[(key * 0x9E3779B97F4A7C15ull) >> (64 - RecentBits)];
        if (recent.table && recent.key == key) return *recent.table;
        if (auto it = tables_.find(key); it != tables_.end()) {
            recent = {key, it->second.get()};
            return *it->second;
        }
        auto table = std::make_unique<Table>();
        if (p.cards == 1) {
            table->push_back({static_cast<double>(values_[std::countr_zero(p.mask)]), 1});
        } else if (IsGroup(p)) {
            *table = TableOf(Inside(p));
        } else if (exactRank) {
            Table raw;
            Splits(p, p.rank, [&](int rank, const Part& left, const Part& right) {
                const Table& a = TableOf(left);
                const Table& b = TableOf(right);
                for (const Entry& x : a)
                    for (const Entry& y : b) {
                        if (rank == Div && y.value == 0) continue;
                        raw.push_back({Rounded(Apply(rank, x.value, y.value)), x.count * y.count});
                    }
            });
            std::sort(raw.begin(), raw.end(), [](const Entry& x, const Entry& y) { return x.value < y.value; });
            Merge(raw, {}, *table);
        } else if (p.rank < noOperator_) {
            Part higher = p;
            ++higher.rank;
            Merge(TableOf(p, true), TableOf(higher), *table);
        }
        const Table* made = tables_.emplace(key, std::move(table)).first->second.get();
        recent_[(key * 0x9E3779B97F4A7C15ull) >> (64 - RecentBits)] = {key, made};
        return *made;
    }

    // Two sorted tables as one, equal values summed.
    static void Merge(const Table& a, const Table& b, Table& out) {
        out.reserve(a.size() + b.size());
        auto add = [&](const Entry& e) {
            if (!out.empty() && out.back().value == e.value) out.back().count += e.count;
            else out.push_back(e);
        };
        std::size_t i = 0, j = 0;
        while (i < a.size() || j < b.size()) {
            if (j == b.size() || (i < a.size() && a[i].value <= b[j].value)) add(a[i++]);
            else add(b[j++]);
        }
    }

    std::vector<int> values_;
    int tableCards_;  // parts of up to this many cards are tabulated
    std::array<std::array<int, 2>, 5> levels_{};  // the operators of each level, 0 for none
    int noOperator_ = 5;                          // one past the top level
    std::array<unsigned, 1u << MaxCards> canonical_{};
    std::array<int, 1u << MaxCards> ones_{};  // a table: popcount is a library call on plain x86-64
    std::unordered_map<uint64_t, std::unique_ptr<Table>> tables_;
    std::unordered_map<uint64_t, uint64_t> totals_;
    struct Recent {
        uint64_t key = 0;
        const Table* table = nullptr;
    };
    static constexpr int RecentBits = 12;
    std::vector<Recent> recent_ = std::vector<Recent>(std::size_t{1} << RecentBits);
    std::unordered_map<uint64_t, std::vector<Gap>> gaps_;
    std::array<std::array<std::vector<std::pair<unsigned, unsigned>>, MaxCards + 1>, 1u << MaxCards> halves_;
};

}  // namespace

std::optional<uint64_t> CountHits(const std::vector<int>& cards, int answer, std::stop_token stop, OperatorOrder order) {
    const int n = static_cast<int>(cards.size());
    if (n < 3 || n > MaxCards) return std::nullopt;
    for (int c : cards)
        if (c < 0 || c > 99) return std::nullopt;
    // Tables of four-card parts pay for themselves at seven cards; below, three are quicker.
    Counter counter(cards, n >= 7 ? 4 : 3, order);
    uint64_t hits = 0;
    for (const BracketClass& c : MakeClasses(n)) {
        if (stop.stop_requested()) return std::nullopt;
        uint64_t groups = 0;
        for (const auto& [s, e] : c.groups) groups |= Bit(s, e);
        hits += counter.Hits(groups, n, answer) * c.forms.size();
    }
    return hits;
}
