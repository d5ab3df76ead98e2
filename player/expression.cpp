// Answer trees: reading the game's notation, exact values, canonical order and the clean form.
#include "player/expression.h"

#include <algorithm>

#include "expr/eval.h"
#include "lang/translate.h"

namespace {

using Op = Expression::Op;

// How tightly an operator binds in the game's order; a card binds tightest of all.
int Binding(Op op) {
    switch (op) {
    case Op::Card: return 5;
    case Op::Multiply: return 4;
    case Op::Divide: return 3;
    case Op::Add: return 2;
    case Op::Subtract: return 1;
    }
    return 0;
}

const char* Sign(Op op) {
    switch (op) {
    case Op::Add: return " + ";
    case Op::Subtract: return " - ";
    case Op::Multiply: return " * ";
    case Op::Divide: return " / ";
    case Op::Card: break;
    }
    return "";
}

std::string Bracketed(const Expression& part, bool brackets) { return brackets ? "(" + part.text + ")" : part.text; }

std::optional<Fraction> Apply(Op op, const Fraction& a, const Fraction& b) {
    switch (op) {
    case Op::Add: return a.Plus(b);
    case Op::Subtract: return a.Minus(b);
    case Op::Multiply: return a.Times(b);
    case Op::Divide: return a.Divided(b);
    case Op::Card: break;
    }
    return std::nullopt;
}

// Larger value first, then by text: a total order on canonical trees.
bool PartBefore(const Expression& a, const Expression& b) {
    if (a.value == b.value) return a.text < b.text;
    return b.value < a.value;
}

// How tightly an operator binds in an order; equal bindings read left to right.
int Binding(Op op, OperatorOrder order) {
    if (order == OperatorOrder::Game || op == Op::Card) return Binding(op);
    return op == Op::Multiply || op == Op::Divide ? 2 : 1;
}

// Whether a part of an operation must be bracketed to be read as one part in an order. Left
// to right at one binding: the first part only when it binds less, every later one also when
// it binds as much (it would be read into the left side).
bool NeedsBrackets(Op op, Op part, bool first, OperatorOrder order) {
    const int outer = Binding(op, order), inner = Binding(part, order);
    return first ? inner < outer : inner <= outer;
}

// The level each operator reads at (~, #, divide, x), and the primary's, one past the last.
struct Levels {
    int of[4];
    int primary;
};
// The game's order: expr := level1; level k := level k+1 (op_k level k+1)*, op_1 = ~, op_2 = #,
// op_3 = divide, op_4 = x. The school's: level 1 takes ~ and #, level 2 divide and x, and
// level 3 is the primary. Each half of the school's on its own: one of its pairs together,
// the other as the game reads it. primary := card | "(" level1 ")"
constexpr Levels GameLevels{{1, 2, 3, 4}, 5};
constexpr Levels SchoolLevels{{1, 1, 2, 2}, 3};
constexpr Levels AddAndSubtractTogether{{1, 1, 2, 3}, 4};
constexpr Levels MultiplyAndDivideTogether{{1, 2, 3, 3}, 4};

class NotationReader {
public:
    NotationReader(std::u16string_view text, const Levels& levels) : text_(text), levels_(levels) {}

    std::optional<Expression> Run() {
        auto e = Level(1);
        if (!e || at_ != text_.size()) return std::nullopt;
        return e;
    }

private:
    static constexpr int MaxDepth = 200;

    std::optional<Expression> Level(int level) {
        if (level == levels_.primary) return Primary();
        auto left = Level(level + 1);
        Op kind;
        while (left && at_ < text_.size() && OfLevel(text_[at_], level, kind)) {
            ++at_;
            auto right = Level(level + 1);
            if (!right) return std::nullopt;
            left = Expression::Combine(kind, std::move(*left), std::move(*right));
        }
        return left;
    }

    // Whether c is an operator of level; kind says which.
    bool OfLevel(char16_t c, int level, Op& kind) const {
        static constexpr char16_t ops[] = {u'~', u'#', DivideSign, u'x'};
        static constexpr Op kinds[] = {Op::Subtract, Op::Add, Op::Divide, Op::Multiply};
        for (int i = 0; i < 4; ++i) {
            if (c == ops[i] && levels_.of[i] == level) {
                kind = kinds[i];
                return true;
            }
        }
        return false;
    }

    std::optional<Expression> Primary() {
        if (at_ < text_.size() && text_[at_] == u'(') {
            if (++depth_ > MaxDepth) return std::nullopt;
            ++at_;
            auto inner = Level(1);
            if (!inner || at_ >= text_.size() || text_[at_] != u')') return std::nullopt;
            ++at_;
            --depth_;
            return inner;
        }
        if (at_ + 2 > text_.size()) return std::nullopt;
        const char16_t a = text_[at_], b = text_[at_ + 1];
        if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return std::nullopt;
        at_ += 2;
        return Expression::Card((a - u'0') * 10 + (b - u'0'));
    }

    std::u16string_view text_;
    Levels levels_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

void Steps(const Expression& e, std::vector<std::string>& out, bool& stopped) {
    if (e.op == Op::Card || stopped) return;
    for (const Expression& p : e.parts) {
        Steps(p, out, stopped);
        if (stopped) return;
    }
    Fraction sofar = e.parts[0].value;
    for (std::size_t i = 1; i < e.parts.size(); ++i) {
        const Fraction& next = e.parts[i].value;
        std::string step = Operand(sofar) + Sign(e.op) + Operand(next);
        const auto result = Apply(e.op, sofar, next);
        if (!result) {
            //: a step that cannot be worked out: "8 / 0: a division by zero"
            out.push_back(lang::Args(next.IsZero() && e.op == Op::Divide ? lang::translate("ExactSteps", "%1: a division by zero")
                                                                          : lang::translate("ExactSteps", "%1: too large to work out"),
                                     {step}));
            stopped = true;
            return;
        }
        sofar = *result;
        out.push_back(step + " = " + sofar.ToText());
    }
}

// Whether any value inside e (e's own aside) fails the test.
template <class Test>
bool AnyInside(const Expression& e, Test fails) {
    for (const Expression& p : e.parts)
        if (fails(p.value) || AnyInside(p, fails)) return true;
    return false;
}

}  // namespace

Expression Expression::Card(int card) {
    Expression e;
    e.card = card;
    e.value = card;
    e.text = std::to_string(card);
    return e;
}

Expression Expression::Combine(Op op, Expression a, Expression b) {
    Expression e;
    e.op = op;
    const int binding = Binding(op);
    e.text = Bracketed(a, Binding(a.op) < binding) + Sign(op) + Bracketed(b, Binding(b.op) <= binding);
    e.valid = a.valid && b.valid;
    if (e.valid) {
        const auto v = Apply(op, a.value, b.value);
        e.valid = v.has_value();
        if (v) e.value = *v;
    }
    e.parts.push_back(std::move(a));
    e.parts.push_back(std::move(b));
    return e;
}

Expression Expression::Group(Op op, std::vector<Expression> parts) {
    std::sort(parts.begin(), parts.end(), PartBefore);
    Expression e;
    e.op = op;
    const int binding = Binding(op);
    e.value = parts[0].value;
    e.valid = true;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            e.text += Sign(op);
            const auto v = e.valid ? Apply(op, e.value, parts[i].value) : std::nullopt;
            e.valid = v.has_value();
            if (v) e.value = *v;
        }
        e.text += Bracketed(parts[i], Binding(parts[i].op) < binding);
        e.valid = e.valid && parts[i].valid;
    }
    e.parts = std::move(parts);
    return e;
}

std::optional<Expression> ReadNotation(std::u16string_view notation, OperatorOrder order) {
    return NotationReader(notation, order == OperatorOrder::School ? SchoolLevels : GameLevels).Run();
}

std::optional<Expression> ReadNotationWithSchoolPair(std::u16string_view notation, SchoolPair pair) {
    return NotationReader(notation, pair == SchoolPair::AddAndSubtract ? AddAndSubtractTogether : MultiplyAndDivideTogether).Run();
}

std::string CleanText(const Expression& e, OperatorOrder order) {
    if (e.op == Op::Card) return e.text;
    std::string text;
    for (std::size_t i = 0; i < e.parts.size(); ++i) {
        const Expression& part = e.parts[i];
        // In the game's order a part also takes the brackets school would need, so that a
        // pupil reading it by the school order reads the same answer.
        const bool brackets = NeedsBrackets(e.op, part.op, i == 0, OperatorOrder::School) ||
                              (order == OperatorOrder::Game && NeedsBrackets(e.op, part.op, i == 0, OperatorOrder::Game));
        if (i > 0) text += Sign(e.op);
        const std::string inner = CleanText(part, order);
        if (brackets) text.append("(").append(inner).append(")");
        else text.append(inner);
    }
    return text;
}

Expression Canonical(const Expression& e) {
    switch (e.op) {
    case Op::Card: return Expression::Card(e.card);
    case Op::Subtract:
    case Op::Divide: return Expression::Combine(e.op, Canonical(e.parts[0]), Canonical(e.parts[1]));
    case Op::Add:
    case Op::Multiply: break;
    }
    std::vector<Expression> parts;
    for (const Expression& p : e.parts) {
        Expression c = Canonical(p);
        if (c.op == e.op) {
            for (Expression& inner : c.parts) parts.push_back(std::move(inner));
        } else {
            parts.push_back(std::move(c));
        }
    }
    return Expression::Group(e.op, std::move(parts));
}

std::vector<std::string> ExactSteps(const Expression& e) {
    std::vector<std::string> out;
    bool stopped = false;
    Steps(e, out, stopped);
    return out;
}

std::string Operand(const Fraction& f) {
    if (f.IsWhole() && f.Num() >= 0) return f.ToText();
    return std::string("(").append(f.ToText()).append(")");
}

bool NeedsFractionPartWay(const Expression& e) {
    return AnyInside(e, [](const Fraction& v) { return !v.IsWhole(); });
}

bool NeedsNegativePartWay(const Expression& e) {
    return AnyInside(e, [](const Fraction& v) { return v.Num() < 0; });
}
