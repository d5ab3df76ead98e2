// The statistics of how hard people find the four-card hands of 24 (tests/data), and the
// figures a rating is judged by: Spearman's correlation with the mean time and with the
// failure rate, and each level's share and median time. Used by the level's test and by
// bench/level_fit.
#pragma once

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

struct HumanHand {
    std::vector<int> cards;
    double meanSeconds = 0;  // amt_s
    double failure = 0;      // 100 - solved_pct
};

// The hands of the file, in its order; empty when it cannot be read.
inline std::vector<HumanHand> ReadHumanHands(const std::string& path) {
    std::vector<HumanHand> hands;
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line)) return hands;  // the header
    while (std::getline(in, line)) {
        std::stringstream row(line);
        std::string rank, cards, amt, solved;
        if (!std::getline(row, rank, ',') || !std::getline(row, cards, ',') || !std::getline(row, amt, ',') ||
            !std::getline(row, solved, ','))
            continue;
        HumanHand h;
        std::stringstream values(cards);
        for (int c; values >> c;) h.cards.push_back(c);
        h.meanSeconds = std::stod(amt);
        h.failure = 100 - std::stod(solved);
        hands.push_back(std::move(h));
    }
    return hands;
}

// Ranks from 1, ties sharing the mean of their places.
inline std::vector<double> Ranks(const std::vector<double>& x) {
    std::vector<std::size_t> order(x.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return x[a] < x[b]; });
    std::vector<double> r(x.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i;
        while (j + 1 < order.size() && x[order[j + 1]] == x[order[i]]) ++j;
        for (std::size_t k = i; k <= j; ++k) r[order[k]] = (i + j) / 2.0 + 1;
        i = j + 1;
    }
    return r;
}

inline double Spearman(const std::vector<double>& a, const std::vector<double>& b) {
    const std::vector<double> ra = Ranks(a), rb = Ranks(b);
    const double n = static_cast<double>(a.size());
    const double ma = std::accumulate(ra.begin(), ra.end(), 0.0) / n, mb = std::accumulate(rb.begin(), rb.end(), 0.0) / n;
    double sab = 0, saa = 0, sbb = 0;
    for (std::size_t i = 0; i < ra.size(); ++i) {
        sab += (ra[i] - ma) * (rb[i] - mb);
        saa += (ra[i] - ma) * (ra[i] - ma);
        sbb += (rb[i] - mb) * (rb[i] - mb);
    }
    return saa > 0 && sbb > 0 ? sab / std::sqrt(saa * sbb) : 0;
}

inline double Median(std::vector<double> x) {
    if (x.empty()) return 0;
    std::sort(x.begin(), x.end());
    const std::size_t m = x.size() / 2;
    return x.size() % 2 ? x[m] : (x[m - 1] + x[m]) / 2;
}

// How a rating (a number per hand, the higher the harder) agrees with people over some hands.
struct HumanFigures {
    double withTime = 0, withFailure = 0;   // Spearman
    double share[6] = {};                   // of the hands, by level 1..5 (levels only)
    double medianSeconds[6] = {};
};

inline HumanFigures FiguresOf(const std::vector<HumanHand>& hands, const std::vector<double>& rating, bool levels) {
    HumanFigures f;
    std::vector<double> time, failure;
    for (const HumanHand& h : hands) {
        time.push_back(h.meanSeconds);
        failure.push_back(h.failure);
    }
    f.withTime = Spearman(rating, time);
    f.withFailure = Spearman(rating, failure);
    if (levels) {
        for (int l = 1; l <= 5; ++l) {
            std::vector<double> at;
            for (std::size_t i = 0; i < hands.size(); ++i)
                if (rating[i] == l) at.push_back(hands[i].meanSeconds);
            f.share[l] = hands.empty() ? 0 : 100.0 * at.size() / hands.size();
            f.medianSeconds[l] = Median(at);
        }
    }
    return f;
}
