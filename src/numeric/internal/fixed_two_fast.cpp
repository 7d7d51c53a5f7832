#include "numeric/internal/fixed_two_fast.h"

#include <cstdint>
#include <cstring>

#include "numeric/internal/x87.h"

namespace quendral::numeric::detail {

namespace {

__extension__ typedef unsigned __int128 u128;

// Binary exponents p (2^p <= |x| < 2^(p+1)) that the fast path takes. From 2^-6 (above
// 0.01) the decimal exponent is at least -1, so the sign always shows and the value is never
// dropped to "0.00"; below 2^16 (under 10^5) the two decimals stay within the seven
// significant digits, even after the 18-digit rounding.
constexpr int kLowestExponent = -6;
constexpr int kHighestExponent = 15;

// The general path rounds the exact value to 18 significant digits before rounding to two
// decimals. Below 10^5 that first rounding moves the value by at most 0.5 * 10^-13, i.e.
// 0.5 * 10^-11 hundredths: it can only matter when the hundredths lie that close to a half.
// 2^-30 (about 9.3 * 10^-10) hundredths keeps well clear of it.
constexpr int kMarginBits = 30;

}  // namespace

std::size_t fixedTwoFast(const long double& x, char decimalSeparator,
                         char (&out)[kFixedTwoFastSize]) {
    const ExtBits bits = bitsOf(x);
    const int p = (bits.signExponent & 0x7FFF) - kExtBias;
    if (p < kLowestExponent || p > kHighestExponent || (bits.significand >> 63) == 0) {
        return 0;  // zero, denormal, unnormal, infinity, NaN, or out of the range
    }
    // |x| * 100 = significand * 100 / 2^shift exactly, with 48 <= shift <= 69.
    const int shift = 63 - p;
    const u128 hundredths = u128{bits.significand} * 100;  // below 2^71
    const u128 one = u128{1} << shift;
    const u128 half = one >> 1;
    const u128 rest = hundredths & (one - 1);
    const u128 margin = u128{1} << (shift - kMarginBits);
    if (rest + margin >= half && rest <= half + margin) {
        return 0;  // near a tie: only the 18-digit rounding can say which way it goes
    }
    const std::uint32_t rounded = static_cast<std::uint32_t>(hundredths >> shift) +
                                  (rest > half ? 1u : 0u);  // at most 6553600

    // Sign, whole part, separator, two decimals, written backwards from the end.
    char buf[kFixedTwoFastSize];
    char* const end = buf + sizeof buf;
    char* o = end;
    const std::uint32_t whole = rounded / 100;
    const std::uint32_t cents = rounded % 100;
    *--o = static_cast<char>('0' + cents % 10);
    *--o = static_cast<char>('0' + cents / 10);
    *--o = decimalSeparator;
    std::uint32_t w = whole;
    do {
        *--o = static_cast<char>('0' + w % 10);
        w /= 10;
    } while (w != 0);
    if (bits.signExponent & 0x8000) {
        *--o = '-';
    }
    const auto length = static_cast<std::size_t>(end - o);
    std::memcpy(out, o, length);
    return length;
}

}  // namespace quendral::numeric::detail
