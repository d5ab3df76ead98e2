// Scripted random values that make RandomInt and the card shuffle return chosen results.
#pragma once

#include <vector>

// r for which RandomInt(span, 1) yields value, and the card shuffle (span = N) picks value - 1.
inline float DrawFor(int value, int span) { return (static_cast<float>(value) - 0.5f) / static_cast<float>(span); }

// r values that keep N cards in table order.
inline std::vector<float> KeepOrder(int n) {
    std::vector<float> r;
    for (int j = 1; j <= n; ++j) r.push_back(DrawFor(j, n));
    return r;
}
