#include "numeric/internal/decimal.h"

#include <cmath>

#include "numeric/internal/bignum.h"
#include "numeric/internal/x87.h"

namespace quendral::numeric::detail {

namespace {

__extension__ typedef unsigned __int128 u128;

// What lies below the floor of a scaled value, compared with one half.
enum class Rest { Below, Half, Above };

struct Scaled {
    std::uint64_t floor;  // floor(|x| * 10^j), valid only when fits
    Rest rest;
    bool fits;            // floor < 2^64
};

constexpr std::uint64_t kPow5[28] = {
    1ULL, 5ULL, 25ULL, 125ULL, 625ULL, 3125ULL, 15625ULL, 78125ULL, 390625ULL, 1953125ULL,
    9765625ULL, 48828125ULL, 244140625ULL, 1220703125ULL, 6103515625ULL, 30517578125ULL,
    152587890625ULL, 762939453125ULL, 3814697265625ULL, 19073486328125ULL,
    95367431640625ULL, 476837158203125ULL, 2384185791015625ULL, 11920928955078125ULL,
    59604644775390625ULL, 298023223876953125ULL, 1490116119384765625ULL,
    7450580596923828125ULL};

constexpr u128 pow10u128(int k)
{
    u128 r = 1;
    for (int i = 0; i < k; ++i) {
        r *= 10;
    }
    return r;
}

Rest classify(u128 rem, u128 half)
{
    return rem < half ? Rest::Below : (rem == half ? Rest::Half : Rest::Above);
}

// floor(m * 2^q * 10^j) with 128-bit integers where they suffice.
bool scaledFast(std::uint64_t m, int q, int j, Scaled& out)
{
    constexpr u128 kLow64 = ~std::uint64_t{0};
    if (j >= 0) {
        if (j > 27) {
            return false;
        }
        const u128 p = u128{m} * kPow5[j];  // < 2^127
        const int s = j + q;
        if (s >= 0) {
            if (s >= 64 || (p >> (64 - s)) != 0) {  // p << s must stay below 2^64
                return false;
            }
            out = {static_cast<std::uint64_t>(p << s), Rest::Below, true};
            return true;
        }
        const int sh = -s;
        if (sh >= 128) {
            return false;
        }
        const u128 f = p >> sh;
        const u128 rem = p & ((u128{1} << sh) - 1);
        out = {static_cast<std::uint64_t>(f), classify(rem, u128{1} << (sh - 1)), f <= kLow64};
        return true;
    }
    const int k = -j;
    if (k > 37) {
        return false;
    }
    u128 num;
    u128 den = pow10u128(k);  // < 2^123
    if (q >= 0) {
        if (q > 63) {
            return false;
        }
        num = u128{m} << q;
    } else {
        const int sh = -q;
        if (sh > 3) {
            return false;
        }
        num = m;
        den <<= sh;  // < 2^126
    }
    const u128 f = num / den;
    const u128 rem = num % den;
    out = {static_cast<std::uint64_t>(f), classify(rem, den / 2), f <= kLow64};  // den is even
    return true;
}

// The same with big integers, for every finite m, q, j.
Scaled scaledSlow(std::uint64_t m, int q, int j)
{
    BigUInt b(m);
    Scaled out{0, Rest::Below, true};
    if (j >= 0) {
        // m * 5^j * 2^(j + q)
        int left = j;
        while (left >= 13) {
            b.mulSmall(1220703125u);
            left -= 13;
        }
        b.mulSmall(static_cast<std::uint32_t>(kPow5[left]));
        const long s = long{j} + q;
        if (s >= 0) {
            b.shiftLeft(static_cast<std::size_t>(s));
            out.fits = b.bitLength() <= 64;
            out.floor = b.low64();
            return out;
        }
        const std::size_t sh = static_cast<std::size_t>(-s);
        out.fits = b.bitLength() <= sh + 64;
        out.floor = b.bits64(sh);
        const bool half = b.bit(sh - 1);
        const bool sticky = b.anyBitBelow(sh - 1);
        out.rest = !half ? Rest::Below : (sticky ? Rest::Above : Rest::Half);
        return out;
    }
    // floor(m * 2^q / 10^k): divide by 10^k (all but the last division tracked as sticky),
    // then by the last, even divisor (10, or 2^-q when q < 0), which decides the comparison
    // with one half.
    int k = -j;
    if (q > 0) {
        b.shiftLeft(static_cast<std::size_t>(q));
    }
    bool sticky = false;
    const bool lastIsTen = q >= 0;
    int divideFirst = lastIsTen ? k - 1 : k;
    while (divideFirst >= 9) {
        sticky |= b.divSmall(1000000000u) != 0;
        divideFirst -= 9;
    }
    if (divideFirst > 0) {
        sticky |= b.divSmall(static_cast<std::uint32_t>(kPow5[divideFirst] << divideFirst)) != 0;
    }
    if (lastIsTen) {
        const std::uint32_t r = b.divSmall(10);
        out.rest = r < 5 ? Rest::Below : (r > 5 || sticky ? Rest::Above : Rest::Half);
        if (r == 0 && !sticky) {
            out.rest = Rest::Below;
        }
        out.fits = b.bitLength() <= 64;
        out.floor = b.low64();
        return out;
    }
    const std::size_t sh = static_cast<std::size_t>(-q);
    out.fits = b.bitLength() <= sh + 64;
    out.floor = b.bits64(sh);
    const bool half = b.bit(sh - 1);
    const bool low = b.anyBitBelow(sh - 1) || sticky;
    out.rest = !half ? Rest::Below : (low ? Rest::Above : Rest::Half);
    return out;
}

Digits18 decimal18Impl(long double x, bool allowFast)
{
    if (x == 0.0L) {
        return {0, 0, false};
    }
    const Unpacked u = unpackFinite(x);
    const int p = u.q + 63;  // 2^p <= |x| < 2^(p+1)
    int e = static_cast<int>(std::floor(p * 0.30102999566398119521)) + 1;  // E or E - 1
    Scaled s{};
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int j = 18 - e;
        if (!allowFast || !scaledFast(u.m, u.q, j, s)) {
            s = scaledSlow(u.m, u.q, j);
        }
        if (!s.fits || s.floor >= kTen18) {
            ++e;
            continue;
        }
        if (s.floor < kTen17) {
            --e;
            continue;
        }
        break;
    }
    std::uint64_t d = s.floor;
    if (s.rest == Rest::Above || (s.rest == Rest::Half && (d & 1))) {
        ++d;
        if (d == kTen18) {
            d = kTen17;
            ++e;
        }
    }
    return {d, e, u.negative};
}

}  // namespace

Digits18 decimal18(long double x)
{
    return decimal18Impl(x, true);
}

Digits18 decimal18Slow(long double x)
{
    return decimal18Impl(x, false);
}

}  // namespace quendral::numeric::detail
