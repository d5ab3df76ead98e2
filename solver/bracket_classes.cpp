// Bracket forms by the rules of PlaceBrackets, grouped by the spans that change a value.
#include "solver/bracket_classes.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>

std::vector<Form> MakeForms(int n) {
    const int pairs = n - 3;
    // Each pass brackets cards r+1..r2+1 (1-based), 1 <= r <= pairs, max(r, 2) <= r2 <= pairs+1.
    std::vector<std::pair<int, int>> spans;
    for (int r = 1; r <= pairs; ++r)
        for (int r2 = std::max(r, 2); r2 <= pairs + 1; ++r2) spans.emplace_back(r, r2);
    std::set<Form> forms;
    std::function<void(int, std::size_t, Form&)> pick = [&](int left, std::size_t from, Form& f) {
        if (left == 0) {
            forms.insert(f);
            return;
        }
        for (std::size_t i = from; i < spans.size(); ++i) {  // a multiset: order of passes is lost
            ++f.open[spans[i].first];
            ++f.close[spans[i].second];
            pick(left - 1, i, f);
            --f.open[spans[i].first];
            --f.close[spans[i].second];
        }
    };
    Form empty;
    pick(std::max(pairs, 0), 0, empty);
    return {forms.begin(), forms.end()};
}

std::u16string FormText(const Form& f, int n, const int* cards, const char16_t* ops) {
    std::u16string text;
    for (int k = 0; k < n; ++k) {
        text.append(f.open[k], u'(');
        text.push_back(static_cast<char16_t>(u'0' + cards[k] / 10 % 10));
        text.push_back(static_cast<char16_t>(u'0' + cards[k] % 10));
        text.append(f.close[k], u')');
        if (k + 1 < n) text.push_back(ops[k]);
    }
    return text;
}

std::vector<BracketClass> MakeClasses(int n) {
    std::map<std::set<std::pair<int, int>>, std::vector<Form>> byGroups;
    for (const Form& f : MakeForms(n)) {
        std::set<std::pair<int, int>> groups;
        std::vector<int> starts;
        for (int k = 0; k < n; ++k) {
            for (int i = 0; i < f.open[k]; ++i) starts.push_back(k);
            for (int i = 0; i < f.close[k]; ++i) {
                if (starts.back() < k) groups.emplace(starts.back(), k);
                starts.pop_back();
            }
        }
        byGroups[groups].push_back(f);
    }
    std::vector<BracketClass> classes;
    for (auto& [groups, forms] : byGroups) {
        BracketClass c;
        // Laminar spans: at one card the wider group opens first and the narrower closes
        // first, which counts alone decide, since the machine's markers are anonymous.
        for (const auto& [s, e] : groups) {
            ++c.shape.open[s];
            ++c.shape.close[e];
        }
        c.groups.assign(groups.begin(), groups.end());
        c.forms = forms;
        classes.push_back(std::move(c));
    }
    // Stable listing order: classes in the order of their first form.
    std::sort(classes.begin(), classes.end(),
              [](const BracketClass& a, const BracketClass& b) { return a.forms.front() < b.forms.front(); });
    return classes;
}

