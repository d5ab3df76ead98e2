// Exhaustive solving over bracket classes, a depth-first walk over operators, plain doubles
// with an error bound, and the game's own evaluator for every near hit.
#include "solver/solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>

#include "expr/eval.h"
#include "solver/attempt_counter.h"
#include "solver/bracket_classes.h"

namespace {

// From five cards on the full count is made by value, which is many times faster there; up to
// four the walk is as fast and lists while it counts.
constexpr int CountByValueFrom = 5;
constexpr uint64_t EarlyCardOrders = 8;
constexpr char16_t Ops[] = {u'#', u'~', u'x', DivideSign};
// One double operation is off by at most half an ulp; writing with 15 digits and reading back
// by at most 5E-15 of the value plus half an ulp. Both generously rounded up.
constexpr double Ulp = 2.3e-16;
constexpr double Digits15 = 6e-15;

// A plain value and a bound on how far the game's value can lie from it.
struct Num {
    double v;
    double e;
};

// Higher binds first; operators of one precedence reduce left to right.
int Precedence(char16_t op, OperatorOrder order) {
    const bool school = order == OperatorOrder::School;
    switch (op) {
    case u'x': return school ? 2 : 4;
    case DivideSign: return school ? 2 : 3;
    case u'#': return school ? 1 : 2;
    case u'~': return 1;
    default: return 0;  // an open bracket: nothing reduces past it
    }
}

// What writing into the text and reading back does to the bound: nothing to a whole number
// below 1E15 known exactly, else up to 15-digit rounding.
Num Round(Num x) {
    // (A cast, not std::trunc, which is a library call on plain x86-64; safe below 1E15.)
    if (x.e == 0 && std::fabs(x.v) < 1e15 && x.v == static_cast<double>(static_cast<int64_t>(x.v))) return x;
    return {x.v, x.e + Digits15 * (std::fabs(x.v) + x.e)};
}

// One operation of the game on plain values with their bounds; rounded unless it is the last
// operation of the whole attempt.
Num Combine(Num a, char16_t op, Num b, bool rounded, bool& zero, bool& maybe) {
    Num r;
    switch (op) {
    case u'#':
        r.v = a.v + b.v;
        r.e = a.e + b.e;
        break;
    case u'~':
        r.v = a.v - b.v;
        r.e = a.e + b.e;
        break;
    case u'x':
        r.v = a.v * b.v;
        r.e = std::fabs(a.v) * b.e + std::fabs(b.v) * a.e + a.e * b.e;
        break;
    default:
        if (b.e == 0 && b.v == 0) {
            zero = true;  // the game divides by 1E-15 here; such an attempt never hits
            r = {a.v / 1e-15, a.e / 1e-15};
        } else if (std::fabs(b.v) <= b.e) {
            maybe = true;
            r = {a.v / (b.v == 0 ? 1e-15 : b.v), INFINITY};
        } else {
            r.v = a.v / b.v;
            r.e = (a.e + std::fabs(r.v) * b.e) / (std::fabs(b.v) - b.e);
        }
        break;
    }
    if (r.e > 0) r.e += Ulp * (2 * std::fabs(r.v) + r.e);  // both sides round the operation
    return rounded ? Round(r) : r;
}

// The shunting-yard state of a partly read attempt: values and pending operators (with "("
// markers), every reduction rounded but the last one of the whole attempt.
struct Machine {
    std::array<Num, MaxCards + 1> vals;
    std::array<char16_t, 2 * MaxCards + 2> ops;
    int nv = 0, no = 0;
    bool zero = false;   // a divisor was certainly zero
    bool maybe = false;  // a divisor might have been zero
    OperatorOrder order = OperatorOrder::Game;

    void Operand(double card) { vals[nv++] = {card, 0}; }
    void Open() { ops[no++] = u'('; }
    void Close() {
        while (no > 0 && ops[no - 1] != u'(') Reduce(true);
        if (no > 0) --no;
        vals[nv - 1] = Round(vals[nv - 1]);  // the group's value is written into the text
    }
    void Operator(char16_t op) {
        const int p = Precedence(op, order);
        while (no > 0 && Precedence(ops[no - 1], order) >= p) Reduce(true);
        ops[no++] = op;
    }
    Num Finish() {
        while (no > 1) Reduce(true);
        if (no == 1) Reduce(false);  // the last operation: returned as computed
        return vals[0];
    }

    void Reduce(bool rounded) {
        const char16_t op = ops[--no];
        const Num b = vals[--nv];
        vals[nv - 1] = Combine(vals[nv - 1], op, b, rounded, zero, maybe);
    }
};

class Walker {
public:
    Walker(int n, int answer, SolveMode mode, std::size_t keep, SolveVerdict& out, OperatorOrder order, AllowedOperations allowed)
        : n_(n), answer_(answer), mode_(mode), keep_(keep), out_(out), order_(order), allowed_(allowed) {}

    // All classes and operators for one card order; false once the first hit ends the search.
    bool Order(const int* cards, const std::vector<BracketClass>& classes) {
        cards_ = cards;
        for (const BracketClass& c : classes) {
            class_ = &c;
            Machine m;
            m.order = order_;
            m.Operand(cards[0]);  // the first card is never bracketed
            if (!Walk(0, m)) return false;
        }
        return true;
    }

private:
    // Chooses the operator after card gap (0-based), then reads on to the next card.
    bool Walk(int gap, const Machine& from) {
        if (gap + 2 == n_) return LastGap(from);
        const Form& shape = class_->shape;
        for (int o = 0; o < 4; ++o) {
            if (!AllowsOperator(allowed_, Ops[o])) continue;
            Machine m = from;
            m.Operator(Ops[o]);
            for (int i = 0; i < shape.open[gap + 1]; ++i) m.Open();
            m.Operand(cards_[gap + 1]);
            for (int i = 0; i < shape.close[gap + 1]; ++i) m.Close();
            if (m.zero) continue;  // every attempt below divides by zero
            ops_[gap] = Ops[o];
            if (!Walk(gap + 1, m)) return false;
        }
        return true;
    }

    // The last gap, where most of the work is: the last card is never in brackets, so the
    // stack holds operators of strictly rising precedence and no "(". The top of it is reduced
    // once, level by level; each of the four last operators then takes the level it needs.
    bool LastGap(const Machine& from) {
        const int k = from.no;
        Num top[MaxCards + 1];
        bool zero[MaxCards + 1] = {}, maybe[MaxCards + 1] = {};
        top[k] = from.vals[k];
        for (int j = k - 1; j >= 0; --j) {
            zero[j] = zero[j + 1];
            maybe[j] = maybe[j + 1];
            top[j] = Combine(from.vals[j], from.ops[j], top[j + 1], true, zero[j], maybe[j]);
        }
        int precedence[MaxCards];
        for (int j = 0; j < k; ++j) precedence[j] = Precedence(from.ops[j], order_);
        const Num last{static_cast<double>(cards_[n_ - 1]), 0};
        for (int o = 0; o < 4; ++o) {
            if (!AllowsOperator(allowed_, Ops[o])) continue;
            const int p = Precedence(Ops[o], order_);
            int below = 0;  // operators that stay below the new one
            while (below < k && precedence[below] < p) ++below;
            bool z = zero[below], mb = from.maybe || maybe[below];
            Num v = Combine(top[below], Ops[o], last, below > 0, z, mb);
            for (int j = below - 1; j >= 0; --j) v = Combine(from.vals[j], from.ops[j], v, j > 0, z, mb);
            if (z) continue;
            ops_[n_ - 2] = Ops[o];
            if (!Leaf(v, mb)) return false;
        }
        return true;
    }

    bool Leaf(Num v, bool maybeZero) {
        bool hit;
        if (maybeZero || (v.e != 0 && !(std::fabs(v.v - answer_) > v.e))) {  // a NaN bound goes exact too
            std::u16string text = FormText(class_->forms.front(), n_, cards_, ops_);
            bool zero = false;
            const double exact = EvalQuiet(text, zero, order_);
            hit = IsHit(exact, zero, answer_);
        } else {
            hit = v.e == 0 && v.v == answer_;
        }
        if (!hit) return true;
        out_.solutions += class_->forms.size();
        for (const Form& f : class_->forms) {
            if (out_.listed.size() >= keep_) break;
            out_.listed.push_back(FormText(f, n_, cards_, ops_));
        }
        return mode_ != SolveMode::FirstSolution && out_.listed.size() < listUntil_;
    }

public:
    // A walk that only lists stops once it holds this many attempts.
    std::size_t listUntil_ = SIZE_MAX;

private:

    int n_, answer_;
    SolveMode mode_;
    std::size_t keep_;
    SolveVerdict& out_;
    const int* cards_ = nullptr;
    const BracketClass* class_ = nullptr;
    OperatorOrder order_;
    AllowedOperations allowed_;
    char16_t ops_[MaxCards] = {};
};

}  // namespace

std::vector<std::u16string> BracketForms(int n) {
    std::vector<std::u16string> out;
    if (n < 3 || n > MaxCards) return out;
    int cards[MaxCards];
    char16_t ops[MaxCards];
    for (int k = 0; k < n; ++k) {
        cards[k] = k + 1;
        ops[k] = u'#';
    }
    for (const Form& f : MakeForms(n)) out.push_back(FormText(f, n, cards, ops));
    return out;
}

SolveVerdict Solve(const std::vector<int>& cards, int answer, SolveMode mode, std::size_t keep, std::stop_token stop,
                   const std::function<void(const SolveVerdict&)>& progress, OperatorOrder operators, AllowedOperations allowed) {
    SolveVerdict out;
    out.cards = cards;
    out.answer = answer;
    const int n = static_cast<int>(cards.size());
    if (n < 3 || n > MaxCards) return out;
    for (int c : cards)
        if (c < 0 || c > 99) return out;

    const std::vector<BracketClass> classes = MakeClasses(n);
    uint64_t forms = 0;
    for (const BracketClass& c : classes) forms += c.forms.size();
    std::vector<int> order = cards;
    std::sort(order.begin(), order.end());
    uint64_t orders = 0;
    do ++orders;
    while (std::next_permutation(order.begin(), order.end()));
    const uint64_t operatorChoices = AllowsDivide(allowed) ? 4 : AllowsMultiply(allowed) ? 3 : 2;
    uint64_t gaps = 1;
    for (int g = 0; g < n - 1; ++g) gaps *= operatorChoices;
    out.attempts = orders * forms * gaps;

    Walker walker(n, answer, mode, keep, out, operators, allowed);
    // Walks card orders from where the last call left off; false once the first hit (or the
    // listing) ends it, or stop does.
    bool more = true;
    auto walk = [&](uint64_t limit) {
        for (uint64_t walked = 0; more && walked < limit; ++walked) {
            if (stop.stop_requested()) {
                out.status = SolveVerdict::Status::Cancelled;
                return false;
            }
            if (!walker.Order(order.data(), classes)) return false;
            if (progress) progress(out);
            more = std::next_permutation(order.begin(), order.end());
        }
        return true;
    };

    // The count by value knows all four operators only.
    if (n < CountByValueFrom || mode == SolveMode::WalkAll || allowed != AllowedOperations::All) {
        if (walk(UINT64_MAX)) out.counted = true;
        return out;
    }

    // Five cards and more are counted by value. A first hit usually comes within the first few
    // card orders, so a verdict walks those first; it counts only when they hold none.
    if (mode == SolveMode::FirstSolution && (!walk(EarlyCardOrders) || !more)) {
        if (!more && out.status == SolveVerdict::Status::Complete && out.solutions == 0) out.counted = true;
        return out;
    }
    const std::optional<uint64_t> hits = CountHits(cards, answer, stop, operators);
    if (!hits) {
        out.status = SolveVerdict::Status::Cancelled;
        return out;
    }
    if (*hits > 0 && keep > 0) {
        if (mode == SolveMode::CountAll) {
            std::sort(order.begin(), order.end());
            more = true;
            walker.listUntil_ = std::min<uint64_t>(keep, *hits);
        }
        walk(UINT64_MAX);  // lists the first hits, in the walk's order
        if (out.status == SolveVerdict::Status::Cancelled) return out;
    }
    out.solutions = *hits;
    out.counted = true;
    return out;
}

std::u16string FillForm(std::u16string_view form, const std::vector<int>& cards, std::u16string_view ops) {
    std::u16string text;
    std::size_t card = 0, gap = 0;
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (form[i] >= u'0' && form[i] <= u'9') {  // a two-digit card code
            const int value = card < cards.size() ? cards[card++] : 0;
            text += static_cast<char16_t>(u'0' + value / 10 % 10);
            text += static_cast<char16_t>(u'0' + value % 10);
            ++i;
        } else if (form[i] == u'#') {
            text += gap < ops.size() ? ops[gap++] : u'#';
        } else {
            text += form[i];
        }
    }
    return text;
}

FastValue FastEvaluate(std::u16string_view text, OperatorOrder order) {
    FastValue out;
    Machine m;
    m.order = order;
    bool wantOperand = true;
    int depth = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char16_t c = text[i];
        if (wantOperand && c == u'(' && depth < MaxCards && m.no < static_cast<int>(m.ops.size())) {
            m.Open();
            ++depth;
            ++i;
        } else if (wantOperand && i + 1 < text.size() && c >= u'0' && c <= u'9' && text[i + 1] >= u'0' &&
                   text[i + 1] <= u'9' && m.nv < static_cast<int>(m.vals.size())) {
            m.Operand((c - u'0') * 10 + (text[i + 1] - u'0'));
            wantOperand = false;
            i += 2;
        } else if (!wantOperand && c == u')' && depth > 0) {
            m.Close();
            --depth;
            ++i;
        } else if (!wantOperand && Precedence(c, order) > 0 && m.no < static_cast<int>(m.ops.size())) {
            m.Operator(c);
            wantOperand = true;
            ++i;
        } else {
            return out;  // not an attempt of the search's shape
        }
    }
    if (wantOperand || depth != 0) return out;
    const Num v = m.Finish();
    out = {v.v, v.e, m.zero, m.maybe, true};
    return out;
}
