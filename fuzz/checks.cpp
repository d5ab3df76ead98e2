// Invariants of the evaluator, the search step and the deck decoder under arbitrary input.
#include "fuzz/checks.h"

#include "bench/reference_eval.h"

#include <algorithm>
#include <map>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "engine/globals.h"
#include "engine/search.h"
#include "expr/eval.h"
#include "expr/utf8.h"
#include "answer/answer.h"
#include "files/deck.h"
#include "player/player_solver.h"
#include "deal/puzzle_text.h"
#include "player/play_log.h"
#include "player/play_record.h"
#include "solver/attempt_counter.h"
#include "solver/solver.h"

std::string CheckEval(const uint8_t* data, std::size_t size) {
    std::u16string text(data, data + size);  // byte 0xF7 is the division sign
    const std::u16string original = text;
    Breakdown.clear();
    const double value = EvalExpr(text);
    if (original.size() > MaxExprLength) return value == 0.0 ? "" : "over-long text was evaluated";
    // Lines can only be told apart when the text itself holds no line breaks.
    if (original.find_first_of(u"\r\n") == std::u16string::npos) {
        for (std::size_t at = 0; (at = Breakdown.find(u"\r\n", at)) != std::u16string::npos; at += 2) {
            const std::size_t next = Breakdown.find(u"\r\n", at + 2);
            if (Breakdown.substr(at, next - at).find(u" = ") == std::u16string::npos) return "breakdown line without ' = '";
        }
    }
    // Without division every step of a well-formed text is a whole number; below 1E15 the
    // rewriting is exact, so the value must equal a plain evaluation with the same order.
    double largest = 0;
    if (original.find(DivideSign) == std::u16string::npos) {
        if (auto expected = ReferenceEval::Value(original, &largest); expected && largest < 1e15 && *expected != value)
            return "value differs from the plain evaluation with the same operator order";
    }
    if (std::isfinite(value)) {
        const std::u16string written = WriteNumber(value);
        if (WriteNumber(ReadNumber(written)) != written) return "written value does not read back";
    }
    // The school order on the same text: it must come to an end with a value of its own, and
    // where the text has one kind of operator only, the two orders agree.
    std::u16string school = original;
    bool zero = false;
    const double schoolValue = EvalQuiet(school, zero, OperatorOrder::School);
    if (original.size() <= MaxExprLength && original.find_first_of(u"#~\u00F7") == std::u16string::npos &&
        !(schoolValue == value || (std::isnan(schoolValue) && std::isnan(value))))
        return "products alone read differently in the two orders";
    return {};
}

namespace {

class CheckingView : public SearchView {
public:
    std::u16string lastAttempt;
    void SetStatusPanel(int panel, const std::u16string& text) override {
        if (panel == 1 && text != u"Got it, do you give up?") lastAttempt = text;
    }
    void EnableAnswer() override {}
    void SetSolutionText(const std::u16string&) override {}
    void SetProgress(const std::u16string&) override {}
};

}  // namespace

std::string CheckSearch(const uint8_t* data, std::size_t size) {
    if (size < DeckFileSize) return {};
    const DecodedDeck deck = DecodeDeck(data, DeckFileSize);
    if (deck.result != DecodedDeck::Result::Ok) return {};
    std::copy(deck.bytes.begin(), deck.bytes.end(), Deck);
    FaceCards = deck.FaceCards();
    HighCard = deck.HighCard();
    DeckPos = deck.DeckPos();
    uint32_t seed = 0;
    for (std::size_t i = DeckFileSize; i < size; ++i) seed = seed * 31 + data[i];
    SeedRandom(seed);
    ScriptRandom({});
    CheckingView view;
    MainForm = &view;
    Solving = true;
    StepCount = 0;
    std::string problem;
    for (int step = 0; step < 40 && Solving && problem.empty(); ++step) {
        SearchStep();
        const std::size_t eq = view.lastAttempt.find(u" = ");
        if (eq == std::u16string::npos) problem = "attempt shown without its value";
        if (!Solving && problem.empty()) {
            std::u16string expr = view.lastAttempt.substr(0, eq);
            bool dividedByZero = false;
            const double value = EvalExpr(expr, dividedByZero);
            if (!IsHit(value, dividedByZero, Deck[DeckPos])) problem = "reported solution is no hit by the game's rule";
            if (SolnText.find(u"Broken down like this:") == std::u16string::npos) problem = "solution text without its breakdown";
        }
    }
    MainForm = nullptr;
    return problem;
}

std::string CheckDeckFile(const uint8_t* data, std::size_t size) {
    const DecodedDeck deck = DecodeDeck(data, size);
    if (size != DeckFileSize) return deck.result == DecodedDeck::Result::WrongLength ? "" : "wrong length accepted";
    // Decided here from the bytes alone, so a reader that refuses too much fails as surely as
    // one that accepts too much.
    bool usable = data[1] >= 3 && data[1] <= 7 && data[2] <= DeckLast && data[0] >= 1 && data[0] <= 99;
    for (std::size_t p = DeckFirst; p < DeckFileSize; ++p) usable = usable && data[p] <= 99;
    if (!usable) {
        if (deck.result != DecodedDeck::Result::Unusable) return "unusable deck accepted";
        return deck.reason.empty() ? "refusal without a reason" : "";
    }
    if (deck.result != DecodedDeck::Result::Ok) return "usable deck refused: " + deck.reason;
    if (deck.DeckPos() != (data[2] < DeckFirst ? DeckLast : data[2])) return "answer position not taken over";
    if (!std::equal(deck.bytes.begin() + 3, deck.bytes.end(), data + 3)) return "cards not taken over";
    uint8_t copy[55];
    std::copy(deck.bytes.begin(), deck.bytes.end(), copy);
    const DeckBytes again = EncodeDeck(copy, deck.HighCard(), deck.FaceCards(), deck.DeckPos());
    if (DecodeDeck(again.data(), again.size()).bytes != deck.bytes) return "deck does not survive a save";
    if (PuzzleText(copy, deck.DeckPos(), deck.FaceCards()).rfind("Solve: ", 0) != 0) return "puzzle text malformed";
    return {};
}

// An attempt as the search writes it, built from the bytes: card count, cards, operators and
// a bracket form. The solver's plain value must lie within its bound of EvalExpr's, a bound of
// 0 must mean the very same double, and a zero divisor must be known for what it is.
std::string CheckSolverFast(const uint8_t* data, std::size_t size) {
    if (size < 2) return {};
    const int n = 3 + data[0] % 5;
    static std::vector<std::u16string> forms[8];
    if (forms[n].empty()) forms[n] = BracketForms(n);
    const std::u16string& form = forms[n][(data[1] | (size > 2 ? data[2] << 8 : 0)) % forms[n].size()];
    std::size_t at = 3;
    auto next = [&] { return at < size ? data[at++] : 0; };
    const char16_t choices[] = {u'#', u'~', u'x', DivideSign};
    std::vector<int> cards;
    std::u16string ops;
    for (int k = 0; k < n; ++k) cards.push_back(next() % 100);
    for (int gap = 0; gap + 1 < n; ++gap) ops += choices[next() % 4];
    const std::u16string text = FillForm(form, cards, ops);
    const FastValue fast = FastEvaluate(text);
    if (!fast.parsed) return "an attempt of the search's shape was not read";
    std::u16string copy = text;
    bool zero = false;
    const double value = EvalQuiet(copy, zero);
    if (fast.maybeZero) return {};
    if (fast.zeroDivisor != zero) return "zero divisor judged differently from EvalExpr";
    if (zero) return {};
    if (!(std::fabs(value - fast.value) <= fast.bound)) return "EvalExpr's value lies outside the solver's bound";
    if (fast.bound == 0 && value != fast.value) return "exact fast value differs from EvalExpr's";
    return {};
}

// The player's answer parser on any text: a message that points inside the text, or an answer
// that, written out as the game shows it, reads back to the same attempt and verdict, and whose
// clean form in the game's order is the same answer read by the school order too.
std::string CheckAnswerText(const uint8_t* data, std::size_t size) {
    if (size < 2) return {};
    const int n = 3 + data[0] % 5;
    std::vector<int> cards;
    for (int i = 0; i < n; ++i) cards.push_back(1 + (data[1] * (i + 7) + i * 13) % 12);
    const int answer = 1 + data[1] % 30;
    std::u16string text;
    for (std::size_t i = 2; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    for (OperatorOrder order : {OperatorOrder::Game, OperatorOrder::School}) {
        const AnswerCheck first = CheckAnswer(text, cards, answer, order);
        if (first.error.kind != AnswerError::Kind::None) {
            if (first.error.offset > text.size()) return "error points past the text";
            return AnswerMessage(first.error).empty() ? "error without a message" : "";
        }
        const AnswerCheck again = CheckAnswer(first.shown, cards, answer, order);
        if (again.error.kind != AnswerError::Kind::None) return "the game's reading does not read back";
        if (again.solves != first.solves || again.dividedByZero != first.dividedByZero || !(again.value == first.value))
            return "the game's reading re-checks to another verdict";
        const AnswerCheck clean = CheckAnswer(FromUtf8(first.clean), cards, answer, order);
        if (clean.error.kind != AnswerError::Kind::None || clean.clean != first.clean || clean.solves != first.solves)
            return order == OperatorOrder::Game ? "the clean form does not read back to the same answer"
                                                : "the school clean form does not read back to the same answer";
        if (order == OperatorOrder::Game) {
            // Read by the school order, the game's clean form is the same answer: the same tree,
            // so the school's own clean form of it.
            const std::optional<Expression> tree = ReadNotation(ParseAnswer(text, cards, answer).notation);
            if (!tree) return "an answer that checks does not read";
            const AnswerCheck school = CheckAnswer(FromUtf8(first.clean), cards, answer, OperatorOrder::School);
            if (school.error.kind != AnswerError::Kind::None || school.clean != CleanText(Canonical(*tree), OperatorOrder::School) ||
                school.solves != first.solves || school.dividedByZero != first.dividedByZero || !(school.value == first.value))
                return "the clean form reads as another answer in the school order: " + first.clean;
        }
    }
    return {};
}

// The player's solver on cards and an answer card from the bytes: every listed answer is
// distinct, solves when typed in, and reads back as itself; the count covers the list.
std::string CheckPlayerSolver(const uint8_t* data, std::size_t size) {
    if (size < 4) return {};
    const int n = 3 + data[0] % 3;  // 3 to 5 cards: quick enough for many runs a second
    if (size < static_cast<std::size_t>(n) + 2) return {};
    std::vector<int> cards;
    for (int i = 0; i < n; ++i) cards.push_back(1 + data[1 + i] % 99);
    const int answer = 1 + data[1 + n] % 99;
    // The operations allowed from the same first byte: every choice, on every kind of deal.
    const AllowedOperations ops = EveryAllowedOperations[(data[0] / 3) % 3];
    const PlayerVerdict v = SolveForPlayer(cards, answer, 20, {}, PartWay::Any, ops);
    if (v.overflow) return "an exact value overflowed";
    if (ops != AllowedOperations::All && v.answers > SolveForPlayer(cards, answer, 0).answers) return "fewer operations give more answers";
    if (v.listed.size() != std::min<uint64_t>(20, v.answers)) return "the list is not as long as the count allows";
    std::set<std::string> seen;
    for (const Expression& e : v.listed) {
        if (!seen.insert(e.text).second) return "an answer is listed twice";
        // As the game writes it out: it solves, and reads as itself, in the game's order and at school.
        const std::string written = CleanText(e, OperatorOrder::Game);
        const std::string school = CleanText(e, OperatorOrder::School);
        for (const char op : written)
            if (std::string("+-*/").find(op) != std::string::npos && !AllowsOperator(ops, static_cast<char16_t>(op)))
                return "a listed answer uses an operation not allowed: " + written;
        const AnswerCheck c = CheckAnswer(FromUtf8(written), cards, answer, OperatorOrder::Game, ops);
        if (c.error.kind != AnswerError::Kind::None || !c.solves) return "a listed answer does not solve: " + written;
        if (c.clean != written) return "a listed answer reads back as another: " + written;
        const AnswerCheck atSchool = CheckAnswer(FromUtf8(written), cards, answer, OperatorOrder::School);
        if (atSchool.error.kind != AnswerError::Kind::None || !atSchool.solves || atSchool.clean != school)
            return "a listed answer reads as another in the school order: " + written;
        const AnswerCheck s = CheckAnswer(FromUtf8(school), cards, answer, OperatorOrder::School);
        if (s.error.kind != AnswerError::Kind::None || !s.solves || s.clean != school)
            return "a listed answer in the school order does not solve as written: " + school;
    }
    return {};
}

// The count by value against the walk over every attempt, on small deals from the bytes:
// cards 0 to 99 (zeros and equal cards come often from few bytes), any answer card.
std::string CheckCounter(const uint8_t* data, std::size_t size) {
    if (size < 5) return {};
    const int n = 3 + data[0] % 3;  // 3 to 5 cards: the walk stays quick
    if (size < static_cast<std::size_t>(n) + 2) return {};
    std::vector<int> cards;
    for (int i = 0; i < n; ++i) cards.push_back(data[1 + i] % 100);
    const int answer = data[1 + n] % 100;
    const std::optional<uint64_t> counted = CountHits(cards, answer);
    if (!counted) return "a deal was refused";
    const SolveVerdict walked = Solve(cards, answer, SolveMode::CountAll, 0);
    if (*counted != walked.solutions) return "the count by value differs from the walk";
    return {};
}

// A puzzle typed or pasted as text: either a puzzle the game can play, which its plain form
// reads back as, or a whole sentence saying why not.
std::string CheckPuzzleText(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PuzzleRead read = ReadPuzzleText(text);
    if (!read.Ok()) {
        if (!read.cards.empty()) return "a refused text left cards behind";
        return read.error.back() == '.' ? "" : "the reason is no whole sentence";
    }
    if (read.cards.size() < 3 || read.cards.size() > 7) return "a puzzle of the wrong size was accepted";
    for (int c : read.cards)
        if (c < 1 || c > 99) return "a card out of range was accepted";
    if (read.answer < 1 || read.answer > 99) return "an answer card out of range was accepted";
    const PuzzleRead again = ReadPuzzleText(PlainPuzzleText(read.cards, read.answer));
    if (!again.Ok() || again.cards != read.cards || again.answer != read.answer) return "the plain form reads back as another puzzle";
    return {};
}

// The record of play from a hand-edited settings file: lines "key=value" from the bytes. What
// loads must save and load again unchanged.
std::string CheckPlayRecord(const uint8_t* data, std::size_t size) {
    std::map<std::string, std::string> saved;
    std::string text(reinterpret_cast<const char*>(data), size), line;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        line = text.substr(from, end - from);
        if (const std::size_t eq = line.find('='); eq != std::string::npos) saved[line.substr(0, eq)] = line.substr(eq + 1);
        from = end + 1;
    }
    PlayRecord record;
    record.Load(saved);
    for (const auto* rows : {&record.Rows(), &record.FirstRatingRows()})
        for (const auto& [key, row] : *rows)
            if (row.times.size() > PlayRecord::KeptTimes) return "more times kept than allowed";
    PlayRecord again;
    again.Load(record.Save());
    if (again.Rows() != record.Rows() || again.FirstRatingRows() != record.FirstRatingRows())
        return "the record does not survive its own stored text";
    (void)record.Csv();
    return {};
}

// A player's log file as anything may have left it: every row read must write back to the same
// line and read again as itself, and its CSV must quote every cell so that a spreadsheet finds
// one row per puzzle and no cell it would run as a formula.
std::string CheckPlayLog(const uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const std::vector<LogRow> rows = ReadLog(in);
    for (const LogRow& row : rows) {
        const std::string line = LogLine(row);
        if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos) return "a row writes a line break into its line";
        if (ParseLogLine(line) != row) return "a row does not read back as itself";
    }
    for (const CsvStyle style : {CsvStyleFor('.'), CsvStyleFor(',')}) {
        const std::string csv = LogCsv(rows, style);
        if (csv.rfind("\xEF\xBB\xBF", 0) != 0) return "the CSV has no byte-order mark";
        // Read back as RFC 4180 says: records end with CRLF outside quotes; "" inside quotes is one ".
        std::size_t records = 0, i = 3;
        while (i < csv.size()) {
            std::string cell;
            if (csv[i] == '"') {
                for (++i;; ++i) {
                    if (i >= csv.size()) return "the CSV ends inside quotes";
                    if (csv[i] == '"' && i + 1 < csv.size() && csv[i + 1] == '"') cell += csv[++i];
                    else if (csv[i] == '"') break;
                    else cell += csv[i];
                }
                ++i;
            } else {
                while (i < csv.size() && csv[i] != style.separator && csv[i] != '\r') {
                    if (csv[i] == '"' || csv[i] == '\n') return "an unquoted cell holds a quote or a line break";
                    cell += csv[i++];
                }
            }
            if (!cell.empty() && std::string("=+-@").find(cell[0]) != std::string::npos) return "a cell begins like a formula";
            if (i < csv.size() && csv[i] == style.separator) {
                ++i;
            } else if (csv.compare(i, 2, "\r\n") == 0) {
                i += 2;
                ++records;
            } else {
                return "a cell is not followed by a separator or a line end";
            }
        }
        if (records != rows.size() + 1) return "the CSV does not have a header and one record per row";
    }
    return {};
}

namespace {

// An answer built from the bytes over the cards, each used once: its fully bracketed text in
// the player's spelling and its exact value, worked out here apart from the reader.
struct BuiltAnswer {
    std::string text;
    std::optional<Fraction> value;  // nothing: it divides by zero or overflows somewhere
};

BuiltAnswer BuildAnswer(const std::vector<int>& cards, const uint8_t*& at, const uint8_t* end) {
    auto next = [&] { return at < end ? *at++ : 0; };
    std::vector<BuiltAnswer> stack;
    std::size_t used = 0;
    static const char* const spelled[] = {" + ", " - ", " * ", " / "};
    while (used < cards.size() || stack.size() > 1) {
        const uint8_t b = next();
        if (used < cards.size() && (stack.size() < 2 || b % 3 == 0)) {
            stack.push_back({std::to_string(cards[used]), Fraction(cards[used])});
            ++used;
            continue;
        }
        BuiltAnswer right = std::move(stack.back());
        stack.pop_back();
        BuiltAnswer& left = stack.back();
        const int op = (b >> 2) % 4;
        std::optional<Fraction> value;
        if (left.value && right.value) {
            if (op == 0) value = left.value->Plus(*right.value);
            if (op == 1) value = left.value->Minus(*right.value);
            if (op == 2) value = left.value->Times(*right.value);
            if (op == 3) value = left.value->Divided(*right.value);
        }
        left = {"(" + left.text + spelled[op] + right.text + ")", value};
    }
    return stack.back();
}

}  // namespace

// The answer reader and the exact value alone: an answer built from the bytes (3 to 7 cards,
// each once, fully bracketed) reads without an error, in both orders, to the value worked out
// here, and solves exactly when that value is the answer card. For 3 and 4 cards the player's
// solver lists every answer, and one that solves must be among them.
std::string CheckAnswerValue(const uint8_t* data, std::size_t size) {
    if (size < 3) return {};
    const uint8_t* at = data;
    const uint8_t* const end = data + size;
    const int n = 3 + *at++ % 5;
    const bool aimed = *at & 1;  // aim the answer card at the value half the time, so it solves
    int answer = 1 + *at++ % 99;
    std::vector<int> cards;
    for (int i = 0; i < n; ++i) cards.push_back(1 + (at < end ? *at++ : i * 7) % 99);
    const BuiltAnswer built = BuildAnswer(cards, at, end);
    if (!built.value) return {};  // a division by zero somewhere: the reader's own concern
    const Fraction value = *built.value;
    if (aimed && value.IsWhole() && value.Num() >= 1 && value.Num() <= 99) answer = static_cast<int>(value.Num());
    AnswerCheck first;
    for (OperatorOrder order : {OperatorOrder::Game, OperatorOrder::School}) {
        const AnswerCheck c = CheckAnswer(FromUtf8(built.text), cards, answer, order);
        if (c.error.kind != AnswerError::Kind::None) return "a well-formed answer was refused: " + built.text;
        if (c.dividedByZero || !(c.value == value)) return "the reader's exact value is not the answer's: " + built.text;
        if (c.solves != (value == Fraction(answer))) return "solves is not the exact value against the answer card: " + built.text;
        if (order == OperatorOrder::Game) first = c;
    }
    if (!first.solves || n > 3) return {};
    const PlayerVerdict all = SolveForPlayer(cards, answer, std::numeric_limits<std::size_t>::max());
    if (all.listed.size() != all.answers) return "the full listing is not as long as the count";
    for (const Expression& e : all.listed)
        if (CleanText(e, OperatorOrder::Game) == first.clean) return {};
    return "a solving answer is missing from the solver's listing: " + first.clean;
}

// The count by value against the walk over every attempt, on 3 and 4 cards only, where the
// walk is quick: the same cards and answers as the counter target, many times as often.
std::string CheckCounterSmall(const uint8_t* data, std::size_t size) {
    if (size < 5) return {};
    const int n = 3 + (data[0] % 4 == 0);  // a four-card deal one time in four
    if (size < static_cast<std::size_t>(n) + 2) return {};
    std::vector<int> cards;
    for (int i = 0; i < n; ++i) cards.push_back(data[1 + i] % 100);
    const int answer = data[1 + n] % 100;
    const std::optional<uint64_t> counted = CountHits(cards, answer);
    if (!counted) return "a deal was refused";
    const SolveVerdict walked = Solve(cards, answer, SolveMode::CountAll, 0);
    if (*counted != walked.solutions) return "the count by value differs from the walk";
    return {};
}
