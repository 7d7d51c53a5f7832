#pragma once
// Exact decimal digits of an extended value (internal to quendral_numeric).

#include <cstdint>

namespace quendral::numeric::detail {

inline constexpr std::uint64_t kTen17 = 100000000000000000ULL;
inline constexpr std::uint64_t kTen18 = 1000000000000000000ULL;

// The 18 most significant decimal digits of |x|, rounded to nearest on the exact binary
// value (an exact tie goes to the even digit string), and the decimal exponent E with
// 10^(E-1) <= rounded |x| < 10^E.  For zero: digits 0, exponent 0, not negative.
struct Digits18 {
    std::uint64_t digits;  // 10^17 <= digits < 10^18, or 0 for zero
    int exponent;
    bool negative;
};

// x must be finite.
Digits18 decimal18(long double x);

// The same, computed only with big integers (the reference for the tests).
Digits18 decimal18Slow(long double x);

}  // namespace quendral::numeric::detail
