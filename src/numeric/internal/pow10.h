#pragma once
// Correctly rounded extended powers of ten (internal to quendral_numeric).

namespace quendral::numeric::detail {

// The largest k for which 10^k is below the extended range limit.
inline constexpr int kMaxPow10 = 4932;

// 10^k rounded to nearest extended (ties to even), 0 <= k <= kMaxPow10; exact up to 10^27.
long double pow10(int k);

// acc * 10^k for acc >= 0 (an accumulated digit string): one multiplication by 10^k, or one
// division by 10^-k when k < 0.  Where 10^-k is beyond the extended range, the division is
// split so that no intermediate result overflows or underflows on the way to the result.
long double scaleByPow10(long double acc, long long k);

}  // namespace quendral::numeric::detail
