// The rewriting evaluator: bracket groups first, then one pass per operator in fixed order.
#include "expr/eval.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <iterator>
#include <span>
#include <cmath>
#include <cstdint>

#include "engine/globals.h"

namespace {

constexpr std::u16string_view GamePasses[] = {u"x", u"\u00F7", u"#", u"~"};
constexpr std::u16string_view SchoolPasses[] = {u"x\u00F7", u"#~"};

double Evaluate(std::u16string& Expr, bool& dividedByZero, std::u16string* breakdown, OperatorOrder order);

// The first operator of the pass at or after from; a one-operator pass searches for one
// character, as fast as it always was.
std::size_t FindPass(const std::u16string& text, std::u16string_view pass, std::size_t from) {
    return pass.size() == 1 ? text.find(pass[0], from) : text.find_first_of(pass, from);
}

bool IsOp(char16_t c) { return c == u'#' || c == u'x' || c == u'~' || c == DivideSign; }

// 0-based position of the first operator character at or after `from`, or npos.
std::size_t NextOp(std::u16string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (IsOp(text[i])) return i;
    return std::u16string_view::npos;
}

double Apply(char16_t op, double left, double right, bool& dividedByZero) {
    switch (op) {
    case u'x': return left * right;
    case DivideSign:
        if (right == 0.0) {
            dividedByZero = true;
            right = 1e-15;
        }
        return left / right;
    case u'#': return left + right;
    default: return left - right;
    }
}

// Writes value into buf (room for 32 characters) and returns the length.
std::size_t WriteInto(double value, char16_t* buf) {
    char text[40];
    char* end;
    // Whole numbers below 1E15 are by far the most common and print the same either way.
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        end = std::to_chars(text, text + sizeof text, static_cast<int64_t>(value)).ptr;
    } else {
        end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
    }
    std::size_t n = 0;
    for (const char* c = text; c != end; ++c) buf[n++] = *c == 'e' ? u'E' : static_cast<char16_t>(*c);
    return n;
}

}  // namespace

int FindFirstOf(std::u16string_view Text, std::u16string_view CharSet) {
    for (std::size_t i = 0; i < Text.size(); ++i)
        if (CharSet.find(Text[i]) != std::u16string_view::npos) return static_cast<int>(i + 1);
    return 0;
}

int FindLastOfFromEnd(std::u16string_view Text, std::u16string_view CharSet) {
    for (std::size_t i = Text.size(); i > 0; --i)
        if (CharSet.find(Text[i - 1]) != std::u16string_view::npos)
            return static_cast<int>(Text.size() - i + 1);
    return 0;
}

std::u16string WriteNumber(double value) {
    char16_t buf[40];
    return std::u16string(buf, WriteInto(value, buf));
}

double ReadNumber(std::u16string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') ++i;
    if (i < text.size() && text[i] == u'.') ++i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') ++i;
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) ++j;
        if (j < text.size() && text[j] >= u'0' && text[j] <= u'9') {
            while (j < text.size() && text[j] >= u'0' && text[j] <= u'9') ++j;
            i = j;
        }
    }
    // Card codes and whole intermediate values: no fraction, no exponent, exact in a double.
    std::size_t digitsFrom = i > 0 && (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    if (i > digitsFrom && i - digitsFrom <= 15) {
        int64_t whole = 0;
        std::size_t k = digitsFrom;
        while (k < i && text[k] >= u'0' && text[k] <= u'9') whole = whole * 10 + (text[k++] - u'0');
        if (k == i) return text[0] == u'-' ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
    // Only ASCII is left. Written numbers fit the stack buffer; a longer run (leading zeros,
    // say) must still be read whole, never cut.
    char small[64];
    std::string large;
    char* buf = small;
    if (i > sizeof small) {
        large.resize(i);
        buf = large.data();
    }
    for (std::size_t k = 0; k < i; ++k) buf[k] = static_cast<char>(text[k]);
    const char* first = buf;
    if (i > 0 && buf[0] == '+') ++first;
    double value = 0.0;
    if (std::from_chars(first, buf + i, value).ec != std::errc{}) return 0.0;
    return value;
}

bool IsHit(double value, bool dividedByZero, int answerCard) {
    return !dividedByZero && value == static_cast<double>(answerCard);
}

double EvalExpr(std::u16string& Expr) {
    bool dividedByZero = false;
    return EvalExpr(Expr, dividedByZero);
}

double EvalExpr(std::u16string& Expr, bool& DividedByZero) { return EvalExpr(Expr, DividedByZero, OperatorOrder::Game); }

double EvalExpr(std::u16string& Expr, bool& DividedByZero, OperatorOrder order) {
    DividedByZero = false;
    return Evaluate(Expr, DividedByZero, &Breakdown, order);
}

double EvalQuiet(std::u16string& Expr, bool& DividedByZero, OperatorOrder order) {
    DividedByZero = false;
    return Evaluate(Expr, DividedByZero, nullptr, order);
}

double Rounded(double value) {
    // The text's 15 significant digits are round(|value| x 10^k) for the k that puts them in
    // [1E14, 1E15), and reading them back is one correctly rounded division by the exact
    // power 10^k, which is what reading the digits does. The product is rounded once, and a
    // half is exact at that size, so it can land on the half but never cross it; a product at
    // or near a half (a margin to spare) goes to the text, which alone knows the tie.
    static constexpr double Pow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const double a = std::fabs(value);
    if (a < 1e15 && a == std::trunc(a)) return value + 0.0;  // whole: written as it is; "0" reads as +0
    if (a > 1e-8 && a < 1e14) {  // so that k stays within the table
        // 10^(14-k) <= a: the first power from the top that a reaches; an estimate, checked below.
        static constexpr double Floors[] = {1e14, 1e13, 1e12, 1e11, 1e10, 1e9,  1e8,  1e7,  1e6,  1e5,  1e4, 1e3,
                                            1e2,  1e1,  1e0,  1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8};
        const int k = static_cast<int>(std::upper_bound(std::begin(Floors), std::end(Floors), a, std::greater<>()) -
                                       std::begin(Floors));
        const double p = a * Pow10[k];
        const double whole = std::floor(p);
        if (k < 22 && p >= 1e14 + 1 && p < 1e15 - 1 && std::fabs(p - whole - 0.5) > 0.1) {
            const double digits = p - whole > 0.5 ? whole + 1 : whole;
            return std::copysign(digits / Pow10[k], value);
        }
    }
    char16_t written[40];
    return ReadNumber(std::u16string_view(written, WriteInto(value, written)));
}

namespace {

// EvalExpr's work; dividedByZero is only ever set, so one flag serves every bracket group.
// The lines go to breakdown when there is one.
double Evaluate(std::u16string& Expr, bool& dividedByZero, std::u16string* breakdown, OperatorOrder order) {
    if (Expr.size() > MaxExprLength) return 0.0;

    // Innermost groups, the one that closes first each time.
    // Nothing before a replaced group can close a later one, so each search starts there.
    for (std::size_t from = 0;;) {
        std::size_t q = Expr.find(u')', from);
        std::size_t p;
        if (q == std::u16string::npos) {
            p = Expr.rfind(u'(');
            if (p == std::u16string::npos) break;  // no brackets left
            q = Expr.size();                       // "(" never closed: runs to the end
        } else {
            p = q == 0 ? std::u16string::npos : Expr.rfind(u'(', q - 1);
            if (p == std::u16string::npos) {
                Expr.erase(q, 1);  // ")" with nothing open before it: dropped
                from = q;
                continue;
            }
        }
        std::u16string inner = Expr.substr(p + 1, q - p - 1);
        double v = Evaluate(inner, dividedByZero, breakdown, order);
        char16_t written[40];
        Expr.replace(p, (q < Expr.size() ? q + 1 : q) - p, written, WriteInto(v, written));
        from = p;
    }

    if (NextOp(Expr, 0) == std::u16string::npos) return ReadNumber(Expr);
    // The line shows the text with its groups replaced, then the result once it is known.
    if (breakdown) breakdown->append(u"\r\n").append(Expr);

    double result = 0.0;
    const auto passes = order == OperatorOrder::Game ? std::span<const std::u16string_view>(GamePasses)
                                                     : std::span<const std::u16string_view>(SchoolPasses);
    for (std::u16string_view pass : passes) {
        // k is the pass's first operator, so none stands in front of it: the next search starts there.
        for (std::size_t k = FindPass(Expr, pass, 0); k != std::u16string::npos;) {
            const char16_t P = Expr[k];
            std::u16string_view text = Expr;
            std::size_t front = k;  // characters kept in front of the left operand
            while (front > 0 && !IsOp(text[front - 1])) --front;
            double left = ReadNumber(text.substr(front, k - front));
            double right = ReadNumber(text.substr(k + 1));
            result = Apply(P, left, right, dividedByZero);
            std::size_t rest = NextOp(text, k + 1);
            if (rest == std::u16string::npos) rest = Expr.size();
            char16_t written[40];
            Expr.replace(front, rest - front, written, WriteInto(result, written));
            k = FindPass(Expr, pass, front);
        }
    }

    if (breakdown) breakdown->append(u" = ").append(Expr);
    return result;
}

}  // namespace
