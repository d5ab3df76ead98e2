// An exact rational number for the player's rule: 64-bit numerator and denominator, always
// reduced, the sign on the numerator; every operation refuses rather than wraps or divides by 0.
//
// Up to 7 cards of at most 99, every numerator and denominator on the way stays below
// 2^(n-1) * 99^n < 6.1e15, so no answer a player can type ever overflows; the checks are a
// guard that reports, never a limit a player meets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class Fraction {
public:
    constexpr Fraction() = default;
    constexpr Fraction(int64_t whole) : num_(whole) {}  // NOLINT: a whole number is a fraction
    // p/q reduced; nothing for q == 0 or a value that does not fit.
    static std::optional<Fraction> Make(int64_t p, int64_t q);

    int64_t Num() const { return num_; }
    int64_t Den() const { return den_; }
    bool IsWhole() const { return den_ == 1; }
    bool IsZero() const { return num_ == 0; }

    // Nothing on overflow; Divided also on a zero divisor.
    std::optional<Fraction> Plus(const Fraction& b) const;
    std::optional<Fraction> Minus(const Fraction& b) const;
    std::optional<Fraction> Times(const Fraction& b) const;
    std::optional<Fraction> Divided(const Fraction& b) const;
    // The k-th power (k >= 1); nothing on overflow.
    std::optional<Fraction> Power(int k) const;

    // "17", "17/3", "-1/2".
    std::string ToText() const;

    friend bool operator==(const Fraction&, const Fraction&) = default;
    // By value.
    friend bool operator<(const Fraction& a, const Fraction& b);

private:
    friend std::optional<Fraction> ReducedFraction(__int128 p, __int128 q);
    constexpr Fraction(int64_t p, int64_t q) : num_(p), den_(q) {}

    int64_t num_ = 0;
    int64_t den_ = 1;
};
