#pragma once
// The two-decimal text of an ordinary sheet value without the general digit machinery
// (internal to quendral_numeric).

#include <cstddef>

namespace quendral::numeric::detail {

// Room for the longest text fixedTwoFast writes: "-65536.00".
inline constexpr std::size_t kFixedTwoFastSize = 16;

// Writes the text of fixedTwo(x, decimalSeparator) to out and returns its length when x lies
// where that text follows from |x| * 100 rounded once, half away from zero: 2^-6 <= |x| < 2^16
// and the exact hundredths not within 2^-30 of a half. Returns 0 for every other value (zero,
// tiny and large values, near-ties, infinities, NaNs); the general path then decides.
// x is taken by reference so that it is read where the caller keeps it, without another trip
// through the x87 registers.
//   fixedTwoFast(12.345678L, '.', buf) -> 5, "12.35"
//   fixedTwoFast(-0.5L, ',', buf)      -> 5, "-0,50"
//   fixedTwoFast(0.125L, '.', buf)     -> 0 (an exact tie)
std::size_t fixedTwoFast(const long double& x, char decimalSeparator,
                         char (&out)[kFixedTwoFastSize]);

}  // namespace quendral::numeric::detail
