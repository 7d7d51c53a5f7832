#include "numeric/internal/pow10.h"

#include <array>
#include <cmath>
#include <limits>

namespace quendral::numeric::detail {

namespace {

using Table = std::array<long double, kMaxPow10 + 1>;

// 10^k rounded once to the nearest extended value; see gen_pow10_table.py.
constexpr Table kTable = {
#include "numeric/internal/pow10_table.inc"
};

constexpr const Table& table()
{
    return kTable;
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
