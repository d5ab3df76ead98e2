// The allowed operations: which operators they take, their signs, and reading a typed choice.
#include "expr/operations.h"

#include "expr/notation.h"

bool AllowsOperator(AllowedOperations ops, char16_t op) {
    switch (op) {
    case u'#': case u'+': case u'~': case u'-': case u'\u2212': return true;
    case u'x': case u'*': case u'\u00D7': return AllowsMultiply(ops);
    case DivideSign: case u'/': return AllowsDivide(ops);
    default: return false;
    }
}

std::string OperationsText(AllowedOperations ops) {
    switch (ops) {
    case AllowedOperations::AddSubtract: return "+ \u2212";
    case AllowedOperations::AddSubtractMultiply: return "+ \u2212 \u00D7";
    case AllowedOperations::All: break;
    }
    return "+ \u2212 \u00D7 \u00F7";
}

std::string OperationsArgument(AllowedOperations ops) {
    switch (ops) {
    case AllowedOperations::AddSubtract: return "+-";
    case AllowedOperations::AddSubtractMultiply: return "+-*";
    case AllowedOperations::All: break;
    }
    return "all";
}

std::optional<AllowedOperations> ParseOperations(std::string_view text) {
    std::string plain;
    for (char c : text)
        if (c != ' ') plain += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (plain == "all") return AllowedOperations::All;
    bool add = false, subtract = false, multiply = false, divide = false;
    auto mark = [](bool& seen) {
        if (seen) return false;  // "++-" is a slip, not a choice
        return seen = true;
    };
    for (std::size_t i = 0; i < plain.size();) {
        const std::string_view rest = std::string_view(plain).substr(i);
        bool ok = false;
        std::size_t length = 1;
        if (rest.starts_with("\u2212")) {
            length = 3, ok = mark(subtract);
        } else if (rest.starts_with("\u00D7")) {
            length = 2, ok = mark(multiply);
        } else if (rest.starts_with("\u00F7")) {
            length = 2, ok = mark(divide);
        } else {
            switch (rest[0]) {
            case '+': ok = mark(add); break;
            case '-': ok = mark(subtract); break;
            case '*': case 'x': ok = mark(multiply); break;
            case '/': case ':': ok = mark(divide); break;
            default: break;
            }
        }
        if (!ok) return std::nullopt;
        i += length;
    }
    if (!add || !subtract) return std::nullopt;
    if (divide) return multiply ? std::optional(AllowedOperations::All) : std::nullopt;
    return multiply ? AllowedOperations::AddSubtractMultiply : AllowedOperations::AddSubtract;
}
