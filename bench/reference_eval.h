// A plain evaluator of the game's notation for comparison: recursive descent straight over the
// text with the game's operator order (brackets, x, divide, #, ~, each left to right), no text
// rewriting and no 15-digit rounding between steps. Numbers are runs of digits.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

class ReferenceEval {
public:
    // The value of text, or nothing when text is not an expression of the grammar.
    static std::optional<double> Value(std::u16string_view text, double* largest = nullptr) {
        ReferenceEval e(text);
        double v = e.Sub();
        if (!e.ok_ || e.at_ != text.size()) return std::nullopt;
        if (largest) *largest = e.largest_;
        return v;
    }

private:
    explicit ReferenceEval(std::u16string_view text) : text_(text) {}

    bool Take(char16_t c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    double Note(double v) {
        largest_ = std::max(largest_, std::fabs(v));
        return v;
    }
    double Sub() {
        double v = Add();
        while (ok_ && Take(u'~')) v = Note(v - Add());
        return v;
    }
    double Add() {
        double v = Div();
        while (ok_ && Take(u'#')) v = Note(v + Div());
        return v;
    }
    double Div() {
        double v = Mul();
        while (ok_ && Take(u'\u00F7')) {
            double d = Mul();
            v = Note(v / (d == 0.0 ? 1e-15 : d));
        }
        return v;
    }
    double Mul() {
        double v = Primary();
        while (ok_ && Take(u'x')) v = Note(v * Primary());
        return v;
    }
    double Primary() {
        if (Take(u'(')) {
            double v = Sub();
            if (!Take(u')')) ok_ = false;
            return v;
        }
        std::size_t start = at_;
        double v = 0;
        while (at_ < text_.size() && text_[at_] >= u'0' && text_[at_] <= u'9') v = v * 10 + (text_[at_++] - u'0');
        if (at_ == start) ok_ = false;
        return Note(v);
    }

    std::u16string_view text_;
    std::size_t at_ = 0;
    bool ok_ = true;
    double largest_ = 0;
};
