#include "numeric/internal/pow10.h"

#include <array>
#include <cmath>
#include <limits>

#include "numeric/internal/bignum.h"
#include "numeric/internal/x87.h"

namespace quendral::numeric::detail {

namespace {

using Table = std::array<long double, kMaxPow10 + 1>;

// 5^k is carried exactly; 10^k = 5^k * 2^k is rounded once to 64 significant bits.
Table buildTable()
{
    Table t{};
    BigUInt five(1);
    for (int k = 0; k <= kMaxPow10; ++k) {
        const std::size_t len = five.bitLength();
        std::uint64_t top;
        long exp2;  // unbiased exponent of the leading bit of 10^k
        if (len <= 64) {
            top = five.low64() << (64 - len);
        } else {
            top = five.bits64(len - 64);
            const bool round = five.bit(len - 65);
            const bool sticky = five.anyBitBelow(len - 65);
            if (round && (sticky || (top & 1))) {
                ++top;
            }
        }
        exp2 = static_cast<long>(len) - 1 + k;
        if (top == 0) {  // carry out of 64 bits
            top = std::uint64_t{1} << 63;
            ++exp2;
        }
        t[static_cast<std::size_t>(k)] =
            fromBits(top, static_cast<std::uint16_t>(exp2 + kExtBias));
        five.mulSmall(5);
    }
    return t;
}

const Table& table()
{
    static const Table t = buildTable();
    return t;
}

}  // namespace

long double pow10(int k)
{
    return table()[static_cast<std::size_t>(k)];
}

long double scaleByPow10(long double acc, long long k)
{
    if (acc == 0.0L || std::isnan(acc)) {
        return acc;
    }
    const Table& p = table();
    if (k >= 0) {
        if (k <= kMaxPow10) {
            return acc * p[static_cast<std::size_t>(k)];
        }
        return std::numeric_limits<long double>::infinity();  // acc >= 1
    }
    if (k >= -kMaxPow10) {
        return acc / p[static_cast<std::size_t>(-k)];
    }
    if (std::isinf(acc)) {
        return acc;
    }
    // 10^-k is beyond the range. acc <= 1.19e4932, so a quotient by 10^9890 or more is below
    // half the smallest denormal (3.6e-4951) and rounds to zero.
    const long long big = -k;
    if (big >= 9890) {
        return 0.0L;
    }
    // Divide in steps so that every quotient before the last stays a normal number whenever
    // the result is not negligible: the last division rounds into the result.
    long long rest = big;
    long double r = acc;
    while (rest > kMaxPow10) {
        const long long step = rest - kMaxPow10 < kMaxPow10 ? rest - kMaxPow10 : kMaxPow10;
        r = r / p[static_cast<std::size_t>(step)];
        rest -= step;
    }
    return r / p[static_cast<std::size_t>(rest)];
}

}  // namespace quendral::numeric::detail
