// The next step on the board: along the simplest answer, or found from the tiles.
#include "player/board_hint.h"

#include <algorithm>
#include <unordered_set>

namespace {

using Op = Expression::Op;

BoardOp BoardOpOf(Op op) {
    switch (op) {
    case Op::Subtract: return BoardOp::Subtract;
    case Op::Multiply: return BoardOp::Multiply;
    case Op::Divide: return BoardOp::Divide;
    default: return BoardOp::Add;
    }
}

bool Plain(const Fraction& v) { return v.IsWhole() && v.Num() >= 0; }

// The simplest answer as a tree of two-part steps, in the order ExactSteps works it out:
// the parts first, then a sum or product from left to right.
struct Plan {
    struct Node {
        std::string key;          // canonical text: equal keys, equal answers
        uint32_t leaves = 0;      // which leaf nodes lie under it (bit per leaf, in plan order)
        int left = -1, right = -1;
        BoardOp op = BoardOp::Add;
        bool plain = true;        // its value is a whole number from 0 up
    };
    std::vector<Node> nodes;
    std::vector<int> steps;  // nodes made by a step, in order
    int leafCount = 0;

    int Add(const Expression& made, int left = -1, int right = -1, BoardOp op = BoardOp::Add) {
        Node n{Canonical(made).text, 0, left, right, op, Plain(made.value)};
        if (left < 0) n.leaves = 1u << leafCount++;
        else n.leaves = nodes[left].leaves | nodes[right].leaves;
        nodes.push_back(std::move(n));
        const int at = static_cast<int>(nodes.size()) - 1;
        if (left >= 0) steps.push_back(at);
        return at;
    }

    // Returns the node of e and the tree it makes, built of two-part steps.
    std::pair<int, Expression> Fold(const Expression& e) {
        if (e.op == Op::Card) return {Add(e), e};
        std::vector<std::pair<int, Expression>> parts;
        for (const Expression& p : e.parts) parts.push_back(Fold(p));
        auto acc = std::move(parts[0]);
        for (std::size_t i = 1; i < parts.size(); ++i) {
            Expression made = Expression::Combine(e.op, acc.second, parts[i].second);
            const int at = Add(made, acc.first, parts[i].first, BoardOpOf(e.op));
            acc = {at, std::move(made)};
        }
        return acc;
    }
};

// Each tile matched to a node of the plan, the nodes covering the leaves once: largest tiles
// first, so that equal parts find room. -1 for every tile when the board has left the plan.
std::vector<int> Match(const Plan& plan, const std::vector<Tile>& tiles) {
    std::vector<int> order(tiles.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::vector<std::string> keys;
    for (const Tile& t : tiles) keys.push_back(Canonical(t.made).text);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return __builtin_popcount(tiles[a].cards) > __builtin_popcount(tiles[b].cards);
    });
    std::vector<int> node(tiles.size(), -1);
    uint32_t covered = 0;
    for (int t : order) {
        for (std::size_t n = 0; n < plan.nodes.size(); ++n) {
            if (plan.nodes[n].key == keys[t] && !(plan.nodes[n].leaves & covered)) {
                node[t] = static_cast<int>(n);
                covered |= plan.nodes[n].leaves;
                break;
            }
        }
        if (node[t] < 0) return std::vector<int>(tiles.size(), -1);
    }
    return node;
}

// The candidate steps from a pair of values, preferred first: plain results, then + x - /.
struct Candidate {
    int first, second;
    BoardOp op;
    Fraction result;
};

std::optional<Fraction> Apply(BoardOp op, const Fraction& a, const Fraction& b) {
    switch (op) {
    case BoardOp::Add: return a.Plus(b);
    case BoardOp::Subtract: return a.Minus(b);
    case BoardOp::Multiply: return a.Times(b);
    case BoardOp::Divide: return b.IsZero() ? std::nullopt : a.Divided(b);
    }
    return std::nullopt;
}

std::vector<Candidate> Candidates(const std::vector<Fraction>& v, bool plainOnly, AllowedOperations ops) {
    std::vector<Candidate> out;
    for (BoardOp op : {BoardOp::Add, BoardOp::Multiply, BoardOp::Subtract, BoardOp::Divide}) {
        if (!Allows(ops, op)) continue;
        const bool commutes = op == BoardOp::Add || op == BoardOp::Multiply;
        for (int i = 0; i < static_cast<int>(v.size()); ++i)
            for (int j = commutes ? i + 1 : 0; j < static_cast<int>(v.size()); ++j) {
                if (i == j) continue;
                const auto r = Apply(op, v[i], v[j]);
                if (r && (!plainOnly || Plain(*r))) out.push_back({i, j, op, *r});
            }
    }
    std::stable_sort(out.begin(), out.end(), [](const Candidate& a, const Candidate& b) { return Plain(a.result) > Plain(b.result); });
    return out;
}

struct ValuesHash {
    std::size_t operator()(const std::vector<Fraction>& v) const {
        std::size_t h = v.size();
        for (const Fraction& f : v) h = h * 1000003u ^ (static_cast<std::size_t>(f.Num()) * 31u + static_cast<std::size_t>(f.Den()));
        return h;
    }
};

// Depth-first over the values, each multiset of values that fails remembered; gives up
// (as if nothing were found) after a budget of visits, which no board of a few tiles meets.
class Search {
public:
    Search(Fraction target, bool plainOnly, AllowedOperations ops) : target_(target), plainOnly_(plainOnly), ops_(ops) {}

    bool CanMake(std::vector<Fraction> v) {
        if (v.size() == 1) return v[0] == target_;
        if (v.size() == 2) {  // the last step: no need to remember anything
            for (BoardOp op : {BoardOp::Add, BoardOp::Multiply, BoardOp::Subtract, BoardOp::Divide})
                for (int i = 0; i < 2 && Allows(ops_, op); ++i) {
                    const auto r = Apply(op, v[i], v[1 - i]);
                    if (r && *r == target_ && (!plainOnly_ || Plain(*r))) return true;
                }
            return false;
        }
        if (++visits_ > Budget) return false;
        std::sort(v.begin(), v.end());
        if (failed_.count(v)) return false;
        for (const Candidate& c : Candidates(v, plainOnly_, ops_))
            if (CanMake(After(v, c))) return true;
        failed_.insert(std::move(v));
        return false;
    }

    static std::vector<Fraction> After(const std::vector<Fraction>& v, const Candidate& c) {
        std::vector<Fraction> w;
        for (int k = 0; k < static_cast<int>(v.size()); ++k)
            if (k != c.first && k != c.second) w.push_back(v[k]);
        w.push_back(c.result);
        return w;
    }

private:
    static constexpr long Budget = 3'000'000;
    Fraction target_;
    bool plainOnly_;
    AllowedOperations ops_;
    long visits_ = 0;
    std::unordered_set<std::vector<Fraction>, ValuesHash> failed_;
};

}  // namespace

std::optional<BoardHint> NextStep(const Board& board, const Expression& simplest) {
    const std::vector<Tile>& tiles = board.Tiles();
    if (tiles.size() < 2) return std::nullopt;

    Plan plan;
    plan.Fold(simplest);
    const bool planFits = plan.leafCount == static_cast<int>(board.Cards().size()) &&
                          (!board.WholeNumbersOnly() ||
                           std::all_of(plan.nodes.begin(), plan.nodes.end(), [](const Plan::Node& n) { return n.plain; })) &&
                          std::all_of(plan.steps.begin(), plan.steps.end(), [&](int s) { return Allows(board.Operations(), plan.nodes[s].op); });
    if (planFits) {
        const std::vector<int> node = Match(plan, tiles);
        if (node[0] >= 0) {
            for (std::size_t s = 0; s < plan.steps.size(); ++s) {
                const Plan::Node& n = plan.nodes[plan.steps[s]];
                const auto l = std::find(node.begin(), node.end(), n.left), r = std::find(node.begin(), node.end(), n.right);
                if (l != node.end() && r != node.end())
                    return BoardHint{static_cast<int>(l - node.begin()), static_cast<int>(r - node.begin()), n.op, true,
                                     static_cast<int>(s) + 1, static_cast<int>(plan.steps.size())};
            }
        }
    }

    std::vector<Fraction> values;
    for (const Tile& t : tiles) values.push_back(t.Value());
    Search search(Fraction(board.Answer()), board.WholeNumbersOnly(), board.Operations());
    for (const Candidate& c : Candidates(values, board.WholeNumbersOnly(), board.Operations()))
        if (search.CanMake(Search::After(values, c))) return BoardHint{c.first, c.second, c.op, false, 0, 0};
    return std::nullopt;
}

BoardStep HintStep(const Board& board, const BoardHint& hint) {
    BoardStep step;
    step.left = board.Tiles().at(hint.first).Value();
    step.right = board.Tiles().at(hint.second).Value();
    step.op = hint.op;
    // NextStep names only steps that can be made: a divisor of 0 never comes.
    step.result = Apply(hint.op, step.left, step.right).value_or(Fraction());
    return step;
}
