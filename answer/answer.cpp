// The answer parser (one function per grammar rule), its messages, and the exact check.
#include "answer/answer.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "engine/globals.h"
#include "expr/eval.h"
#include "expr/notation.h"
#include "expr/utf8.h"
#include "lang/translate.h"
#include "player/expression.h"

namespace {

constexpr std::size_t MaxLength = 1000;  // far beyond any sensible answer, short of any harm
constexpr int MaxDepth = 64;             // brackets inside one another; recursion stays shallow

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The game's operator for a character the player may type, or 0.
char16_t Operator(char16_t c) {
    switch (c) {
    case u'+': return u'#';
    case u'-': case u'\u2212': return u'~';
    case u'*': case u'x': case u'X': case u'\u00D7': return u'x';
    case u'/': case u'\u00F7': case u'\u2215': return DivideSign;
    case u':': return DivideSign;  // as German and French pupils write a division
    default: return 0;
    }
}

class Parser {
public:
    Parser(std::u16string_view text, const std::vector<int>& cards, int answerCard, AllowedOperations ops)
        : text_(text), answerCard_(answerCard), ops_(ops) {
        for (int c : cards) ++left_[c];
        table_ = left_;
    }

    ReadAnswer Run() {
        if (text_.size() > MaxLength) return Fail({AnswerError::Kind::TooLong, MaxLength});
        SkipSpaces();
        if (at_ == text_.size()) return Fail({AnswerError::Kind::Empty, 0});
        if (!ParseExpr(0)) return Fail(error_);
        if (at_ < text_.size() && text_[at_] == u'=' && answerCard_ >= 0) {
            if (!Result()) return Fail(error_);
        } else if (at_ < text_.size() && text_[at_] != u')') {
            return Fail(Bad());
        } else if (at_ < text_.size()) {  // only a ")" ends an expression early
            AnswerError e{AnswerError::Kind::StrayClose, at_};
            return Fail(e);
        }
        AnswerError e{AnswerError::Kind::LeftOut, text_.size()};
        for (const auto& [card, count] : left_)
            for (int i = 0; i < count; ++i) e.cards.push_back(card);
        if (!e.cards.empty()) {
            e.card = e.cards.front();
            return Fail(e);
        }
        return {{}, out_};
    }

private:
    // expr := term (operator term)*
    bool ParseExpr(int depth) {
        if (!ParseTerm(depth)) return false;
        for (;;) {
            SkipSpaces();
            if (at_ == text_.size() || text_[at_] == u')') return true;
            const char16_t op = Operator(text_[at_]);
            if (op == 0) {
                if (IsDigit(text_[at_]) || text_[at_] == u'(') return Error({AnswerError::Kind::MissingOperator, at_});
                if (text_[at_] == u'=' && answerCard_ >= 0 && depth == 0) return true;  // the result follows
                return BadHere();
            }
            if (!AllowsOperator(ops_, op)) {
                AnswerError e{AnswerError::Kind::NotAllowed, at_};
                e.character = text_[at_];
                e.allowed = ops_;
                return Error(e);
            }
            out_.push_back(op);
            ++at_;
            if (!ParseTerm(depth)) return false;
        }
    }

    // term := number | "(" expr ")"
    bool ParseTerm(int depth) {
        SkipSpaces();
        if (at_ == text_.size()) return Error({AnswerError::Kind::MissingNumber, at_});
        const char16_t c = text_[at_];
        if (c == u'(') {
            if (depth + 1 > MaxDepth) return Error({AnswerError::Kind::TooDeep, at_});
            const std::size_t open = at_++;
            SkipSpaces();
            if (at_ < text_.size() && text_[at_] == u')') return Error({AnswerError::Kind::EmptyBrackets, open});
            out_.push_back(u'(');
            if (!ParseExpr(depth + 1)) return false;
            if (at_ == text_.size()) return Error({AnswerError::Kind::Unclosed, open});
            out_.push_back(u')');
            ++at_;
            return true;
        }
        if (IsDigit(c)) return Number();
        if (Operator(c) == u'~') return Error({AnswerError::Kind::UnaryMinus, at_});
        if (Operator(c) != 0) return Error({AnswerError::Kind::MissingNumber, at_});
        if (c == u')') return Error({depth > 0 ? AnswerError::Kind::EmptyBrackets : AnswerError::Kind::StrayClose, at_});
        return BadHere();
    }

    bool Number() {
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] == u'0' && at_ + 1 < text_.size() && IsDigit(text_[at_ + 1])) ++at_;
        const std::size_t digits = at_;
        while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
        // Runs too long for any card read as "not on the table" without overflowing.
        const int value = at_ - digits > 4 ? 99999 : std::stoi(std::string(text_.begin() + digits, text_.begin() + at_));
        AnswerError e{AnswerError::Kind::NotOnTable, start};
        e.card = value;
        if (value > 99 || table_.count(value) == 0) return Error(e);
        if (left_[value]-- <= 0) {
            e.kind = AnswerError::Kind::UsedTooOften;
            e.onTable = table_[value];
            e.used = e.onTable - left_[value];
            return Error(e);
        }
        out_.push_back(static_cast<char16_t>(u'0' + value / 10));
        out_.push_back(static_cast<char16_t>(u'0' + value % 10));
        return true;
    }

    // result := "=" number, at the very end: the answer card written after the answer.
    bool Result() {
        const std::size_t equals = at_++;
        SkipSpaces();
        const std::size_t start = at_;
        while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
        const std::size_t digits = at_;
        SkipSpaces();
        if (start == digits || at_ < text_.size()) {
            AnswerError e{AnswerError::Kind::BadCharacter, equals};
            e.character = u'=';
            return Error(e);
        }
        const int value = digits - start > 4 ? 99999 : std::stoi(std::string(text_.begin() + start, text_.begin() + digits));
        if (value == answerCard_) return true;
        AnswerError e{AnswerError::Kind::OtherResult, equals};
        e.card = value;
        e.answerCard = answerCard_;
        return Error(e);
    }

    AnswerError Bad() {
        AnswerError e{AnswerError::Kind::BadCharacter, at_};
        e.character = text_[at_];
        return e;
    }

    bool BadHere() {
        return Error(Bad());
    }
    bool Error(const AnswerError& e) {
        error_ = e;
        return false;
    }
    ReadAnswer Fail(const AnswerError& e) { return {e, {}}; }
    void SkipSpaces() {
        while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
    }

    std::u16string_view text_;
    int answerCard_ = -1;
    AllowedOperations ops_;
    std::size_t at_ = 0;
    std::map<int, int> left_, table_;  // cards still to use; cards on the table
    std::u16string out_;
    AnswerError error_;
};

using lang::Args;
using lang::translate;

// The words a sentence counts in: "uses 3 three times" reads better than "uses 3 3 times".
std::string Count(int n) {
    switch (n) {
    case 0: return translate("AnswerMessage", "none");
    case 1: return translate("AnswerMessage", "one");
    case 2: return translate("AnswerMessage", "two");
    case 3: return translate("AnswerMessage", "three");
    case 4: return translate("AnswerMessage", "four");
    case 5: return translate("AnswerMessage", "five");
    case 6: return translate("AnswerMessage", "six");
    case 7: return translate("AnswerMessage", "seven");
    case 8: return translate("AnswerMessage", "eight");
    case 9: return translate("AnswerMessage", "nine");
    case 10: return translate("AnswerMessage", "ten");
    default: return lang::Number(n);
    }
}

std::string Times(int n) {
    switch (n) {
    case 1: return translate("AnswerMessage", "once");
    case 2: return translate("AnswerMessage", "twice");
    //: "three times": %1 is a number in words (three) or, above ten, in digits
    default: return Args(translate("AnswerMessage", "%1 times"), {Count(n)});
    }
}

std::u16string Ascii(const std::string& s) { return FromUtf8(s); }

}  // namespace

std::string AnswerMessage(const AnswerError& e) {
    using K = AnswerError::Kind;
    const std::string card = e.card > 99 ? translate("AnswerMessage", "a number") : std::to_string(e.card);
    switch (e.kind) {
    case K::None: return {};
    case K::Empty: return translate("AnswerMessage", "Type an answer that uses every face card once.");
    case K::TooLong:
        return Args(translate("AnswerMessage", "The answer is longer than %1 characters, more than the game reads."),
                    {lang::Number(static_cast<int64_t>(MaxLength))});
    case K::BadCharacter:
        if (e.character < 0x20 || (e.character >= 0xD800 && e.character < 0xE000))
            return translate("AnswerMessage", "The answer holds a character that is not a number, an operator or a bracket.");
        if (e.character == u'=') return translate("AnswerMessage", "Only the answer card may follow '=', at the very end.");
        return Args(translate("AnswerMessage", "'%1' is not a number, an operator or a bracket."),
                    {ToUtf8(std::u16string_view(&e.character, 1))});
    case K::NotOnTable: return Args(translate("AnswerMessage", "Your answer uses %1, which is not on the table."), {card});
    case K::UsedTooOften:
        //: "Your answer uses 3 three times, but the table has two."
        return Args(translate("AnswerMessage", "Your answer uses %1 %2, but the table has %3."), {card, Times(e.used), Count(e.onTable)});
    case K::LeftOut: {
        std::string list;
        for (std::size_t i = 0; i < e.cards.size(); ++i) {
            if (i == 0) list = std::to_string(e.cards[i]);
            //: a list of cards: "3, 4 and 5"
            else if (i + 1 == e.cards.size()) list = Args(translate("AnswerMessage", "%1 and %2"), {list, std::to_string(e.cards[i])});
            else list += ", " + std::to_string(e.cards[i]);
        }
        return Args(translate("AnswerMessage", "Your answer leaves out %1: every face card is used once."), {list.empty() ? card : list});
    }
    case K::UnaryMinus: return translate("AnswerMessage", "A minus sign must stand between two numbers.");
    case K::MissingNumber: return translate("AnswerMessage", "An operator must stand between two numbers.");
    case K::MissingOperator: return translate("AnswerMessage", "An operator is missing between two numbers.");
    case K::EmptyBrackets: return translate("AnswerMessage", "A pair of brackets holds nothing.");
    case K::Unclosed: return translate("AnswerMessage", "A bracket is not closed.");
    case K::StrayClose: return translate("AnswerMessage", "A closing bracket has no opening bracket.");
    case K::TooDeep: return translate("AnswerMessage", "There are too many brackets inside one another.");
    case K::OtherResult:
        return Args(translate("AnswerMessage", "Your answer ends with = %1, but the answer card is %2."), {card, std::to_string(e.answerCard)});
    case K::NotAllowed:
        //: %1: the operations allowed, as signs ("+ −"); %2: the sign typed, as × or ÷
        return Args(translate("AnswerMessage", "Only %1 may be used now, not %2."),
                    {OperationsText(e.allowed), Operator(e.character) == u'x' ? "\u00D7" : "\u00F7"});
    }
    return {};
}

ReadAnswer ParseAnswer(std::u16string_view text, const std::vector<int>& cards, int answerCard, AllowedOperations ops) {
    return Parser(text, cards, answerCard, ops).Run();
}
std::vector<std::u16string> BreakdownSteps() {
    std::vector<std::u16string> steps;
    for (std::size_t at = 0; (at = Breakdown.find(u"\r\n", at)) != std::u16string::npos; at += 2) {
        const std::size_t next = Breakdown.find(u"\r\n", at + 2);
        steps.push_back(DisplayForm(Breakdown.substr(at + 2, next == std::u16string::npos ? next : next - at - 2)));
    }
    return steps;
}

std::u16string FullDigits(double value) {
    char buf[40];
    const char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 17).ptr;
    std::u16string out;
    for (const char* c = buf; c != end; ++c) out.push_back(*c == 'e' ? u'E' : static_cast<char16_t>(*c));
    return out;
}

AnswerCheck CheckAnswer(std::u16string_view text, const std::vector<int>& cards, int answer, OperatorOrder order, AllowedOperations ops) {
    AnswerCheck out;
    const ReadAnswer read = ParseAnswer(text, cards, answer, ops);
    out.error = read.error;
    if (read.error.kind != AnswerError::Kind::None) {
        out.verdict = Ascii(AnswerMessage(read.error));
        return out;
    }
    out.shown = DisplayForm(read.notation);
    const std::optional<Expression> tree = ReadNotation(read.notation, order);
    if (!tree) {  // the parser wrote it, so it always reads; refuse rather than guess
        out.error = {AnswerError::Kind::BadCharacter, 0};
        out.verdict = FromUtf8(translate("AnswerCheck", "the answer could not be read"));
        return out;
    }
    out.clean = CleanText(Canonical(*tree), order);
    out.steps = ExactSteps(*tree);
    out.dividedByZero = !tree->valid;
    if (tree->valid) out.value = tree->value;
    out.solves = tree->valid && out.value == Fraction(answer);

    std::u16string computer = read.notation;
    bool computerByZero = false;
    out.computerValue = EvalQuiet(computer, computerByZero, order);
    out.computerHit = IsHit(out.computerValue, computerByZero, answer);

    const std::string target = std::to_string(answer);
    auto say = [](const std::string& text, std::initializer_list<std::string> args = {}) { return FromUtf8(Args(text, args)); };
    // A second sentence, when there is one, after a space.
    auto more = [&out](const std::u16string& sentence) {
        out.verdict += u' ';
        out.verdict += sentence;
    };
    if (out.dividedByZero) {
        out.verdict = say(translate("AnswerCheck", "That divides by zero, and an answer that divides by zero never counts."));
    } else if (out.solves) {
        out.verdict = say(translate("AnswerCheck", "Right!"));
        if (computerByZero)
            more(say(translate("AnswerCheck", "The computer's own 15-digit arithmetic meets a division by zero on the way, so the computer could never find this answer.")));
        else if (!out.computerHit)
            more(say(translate("AnswerCheck", "The computer's own 15-digit arithmetic makes it %1, so the computer could never find this answer."),
                     {ToUtf8(FullDigits(out.computerValue))}));
    } else {
        out.verdict = say(translate("AnswerCheck", "That makes %1, not %2."), {out.value.ToText(), target});
        if (out.computerHit)
            more(say(translate("AnswerCheck", "The computer's own 15-digit arithmetic would round it to %1 and count it, but exactly it is not %1."), {target}));
    }
    if (order == OperatorOrder::Game && !out.solves) {
        const auto makesAnswer = [answer](const std::optional<Expression>& t) { return t && t->valid && t->value == Fraction(answer); };
        if (makesAnswer(ReadNotation(read.notation, OperatorOrder::School))) {
            // Which of the game's two ways made the difference: the pair whose school reading
            // alone makes the answer card; both when neither alone does, or either does.
            const bool adding = makesAnswer(ReadNotationWithSchoolPair(read.notation, SchoolPair::AddAndSubtract));
            const bool multiplying = makesAnswer(ReadNotationWithSchoolPair(read.notation, SchoolPair::MultiplyAndDivide));
            //: %1 is the answer card; "Options > Rules" names the Options window and its Rules page
            if (adding && !multiplying)
                out.rightAtSchool = say(translate("AnswerCheck", "At school this would make %1, but the game adds before it subtracts; you can choose the school order in Options > Rules."), {target});
            else if (multiplying && !adding)
                out.rightAtSchool = say(translate("AnswerCheck", "At school this would make %1, but the game multiplies before it divides; you can choose the school order in Options > Rules."), {target});
            else
                out.rightAtSchool = say(translate("AnswerCheck", "At school this would make %1, but the game multiplies before it divides and adds before it subtracts; you can choose the school order in Options > Rules."), {target});
            more(out.rightAtSchool);
        }
    }
    return out;
}
