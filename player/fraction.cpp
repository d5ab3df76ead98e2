// Exact rational arithmetic with 128-bit intermediates, reduced after every operation.
#include "player/fraction.h"

#include <limits>
#include <numeric>

namespace {

using Wide = __int128;

constexpr Wide Max = std::numeric_limits<int64_t>::max();

Wide Gcd(Wide a, Wide b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    if (a <= Max && b <= Max) return std::gcd(static_cast<uint64_t>(a), static_cast<uint64_t>(b));  // the common case, far quicker
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

}  // namespace

// p/q from wide parts: reduced, the sign on p; nothing when q is 0 or a part does not fit.
std::optional<Fraction> ReducedFraction(Wide p, Wide q) {
    if (q == 0) return std::nullopt;
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const Wide g = Gcd(p, q);
    if (g > 1) {
        p /= g;
        q /= g;
    }
    // -Max keeps negation safe everywhere; the lowest int64 is never needed.
    if (p > Max || p < -Max || q > Max) return std::nullopt;
    return Fraction(static_cast<int64_t>(p), static_cast<int64_t>(q));
}

std::optional<Fraction> Fraction::Make(int64_t p, int64_t q) {
    if (q == 0 || p == std::numeric_limits<int64_t>::min() || q == std::numeric_limits<int64_t>::min()) return std::nullopt;
    if (q < 0) {
        p = -p;
        q = -q;
    }
    return ReducedFraction(p, q);
}

std::optional<Fraction> Fraction::Plus(const Fraction& b) const {
    if (den_ == 1 && b.den_ == 1) return ReducedFraction(Wide(num_) + b.num_, 1);
    return ReducedFraction(Wide(num_) * b.den_ + Wide(b.num_) * den_, Wide(den_) * b.den_);
}

std::optional<Fraction> Fraction::Minus(const Fraction& b) const {
    if (den_ == 1 && b.den_ == 1) return ReducedFraction(Wide(num_) - b.num_, 1);
    return ReducedFraction(Wide(num_) * b.den_ - Wide(b.num_) * den_, Wide(den_) * b.den_);
}

std::optional<Fraction> Fraction::Times(const Fraction& b) const {
    return ReducedFraction(Wide(num_) * b.num_, Wide(den_) * b.den_);
}

std::optional<Fraction> Fraction::Divided(const Fraction& b) const {
    if (b.num_ == 0) return std::nullopt;
    return ReducedFraction(Wide(num_) * b.den_, Wide(den_) * b.num_);
}

std::optional<Fraction> Fraction::Power(int k) const {
    std::optional<Fraction> out = *this;
    for (int i = 1; i < k && out; ++i) out = out->Times(*this);
    return out;
}

std::string Fraction::ToText() const {
    return den_ == 1 ? std::to_string(num_) : std::to_string(num_) + "/" + std::to_string(den_);
}

bool operator<(const Fraction& a, const Fraction& b) {
    return Wide(a.num_) * b.den_ < Wide(b.num_) * a.den_;
}
