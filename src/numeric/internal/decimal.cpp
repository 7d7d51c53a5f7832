#include "numeric/internal/decimal.h"

#include <bit>
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

// 10^(27a) truncated to 128 bits (see gen_pow10_wide_table.py).
struct Wide {
    std::uint64_t hi, lo;
    int exponent;
};
constexpr int kWideMin = -185;
constexpr Wide kWide[] = {
#include "numeric/internal/pow10_wide_table.inc"
};
constexpr int kWideCount = static_cast<int>(sizeof kWide / sizeof kWide[0]);

// floor(m * 2^q * 10^j) from a 128-bit approximation T * 2^t of 10^j with
// 0 <= 10^j / 2^t - T < 3: the product m * T is short of the exact scaled value by less than
// 2^66 units of its last bit, so the floor and the side of one half are certain unless the
// fraction lies within that margin of 0, 1/2 or 1; then (about once in 2^60) it gives up.
bool scaledApprox(std::uint64_t m, int q, int j, Scaled& out)
{
    const int a = (j >= 0 ? j : j - 26) / 27;  // floor(j / 27)
    const int b = j - 27 * a;                  // 0 <= b < 27
    if (a - kWideMin < 0 || a - kWideMin >= kWideCount) {
        return false;
    }
    const Wide& w = kWide[a - kWideMin];
    std::uint64_t thi = w.hi;
    std::uint64_t tlo = w.lo;
    int t = w.exponent;
    if (b > 0) {
        // (hi:lo) * 5^b, a 192-bit product, then its top 128 bits.
        const std::uint64_t f = kPow5[b];
        const u128 low = u128{tlo} * f;
        const u128 high = u128{thi} * f + static_cast<std::uint64_t>(low >> 64);
        const std::uint64_t w0 = static_cast<std::uint64_t>(low);
        const std::uint64_t w1 = static_cast<std::uint64_t>(high);
        const std::uint64_t w2 = static_cast<std::uint64_t>(high >> 64);  // non-zero: >= 2^127 * 5
        const int lz = std::countl_zero(w2);
        thi = lz ? (w2 << lz) | (w1 >> (64 - lz)) : w2;
        tlo = lz ? (w1 << lz) | (w0 >> (64 - lz)) : w1;
        t += b + 64 - lz;
    }
    // P = m * T, 192 bits (p2:p1:p0).
    const u128 low = u128{m} * tlo;
    const u128 high = u128{m} * thi + static_cast<std::uint64_t>(low >> 64);
    const std::uint64_t p1 = static_cast<std::uint64_t>(high);
    const std::uint64_t p2 = static_cast<std::uint64_t>(high >> 64);
    const long sh = -(long{q} + t);  // x * 10^j = P / 2^sh (approximately)
    if (sh < 128 || sh > 191) {
        return false;
    }
    const int r = static_cast<int>(sh - 128);
    const std::uint64_t floor = p2 >> r;
    const std::uint64_t frac = r ? (p2 << (64 - r)) | (p1 >> r) : p1;  // top 64 bits of P mod 2^sh
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    constexpr std::uint64_t kMargin = 8;  // in units of 2^(sh - 64) >= 2^64 > 2^66 / 4
    if (frac <= kHalf - kMargin) {
        out = {floor, Rest::Below, true};
        return true;
    }
    if (frac > kHalf && frac <= ~std::uint64_t{0} - kMargin) {
        out = {floor, Rest::Above, true};
        return true;
    }
    return false;
}

Rest classifyRemainder(BigUInt& twiceRemainder, const BigUInt& divisor)
{
    const int c = BigUInt::compare(twiceRemainder, divisor);
    return c < 0 ? Rest::Below : (c == 0 ? Rest::Half : Rest::Above);
}

// floor(a / d) when the quotient is known to be small: estimated from the top bits, then
// corrected by exact multiplication and subtraction. a is consumed.
Scaled divideToWord(BigUInt& a, const BigUInt& d)
{
    constexpr std::uint64_t kMaxWord = ~std::uint64_t{0};
    Scaled out{0, Rest::Below, false};
    const std::size_t ld = d.bitLength();
    if (a.bitLength() > ld + 64) {
        return out;  // the quotient is 2^64 or more
    }
    std::uint64_t est;
    if (ld <= 64) {
        const u128 num = (u128{a.limb(1)} << 64) | a.limb(0);
        const u128 q = num / d.limb(0);
        if (q > kMaxWord) {
            return out;
        }
        est = static_cast<std::uint64_t>(q);
    } else {
        const std::size_t s = ld - 64;
        const std::uint64_t top = d.bits64(s);  // bit 63 set
        const u128 num = (u128{a.bits64(s + 64)} << 64) | a.bits64(s);
        const u128 q = num / top;
        if (q > kMaxWord) {
            return out;
        }
        est = static_cast<std::uint64_t>(q);
    }
    BigUInt product = d;
    product.mulSmall(est);
    while (BigUInt::compare(product, a) > 0) {
        product.subtract(d);
        --est;
    }
    a.subtract(product);
    while (BigUInt::compare(a, d) >= 0) {
        if (est == kMaxWord) {
            return out;
        }
        a.subtract(d);
        ++est;
    }
    a.shiftLeft(1);
    out.floor = est;
    out.rest = classifyRemainder(a, d);
    out.fits = true;
    return out;
}

// The same with big integers, for every finite m, q, j.
Scaled scaledSlow(std::uint64_t m, int q, int j)
{
    if (j >= 0) {
        // floor(m * 5^j * 2^(j + q))
        Scaled out{0, Rest::Below, true};
        BigUInt b(m);
        b.mulPow5(j);
        const long s = long{j} + q;
        if (s >= 0) {
            b.shiftLeft(static_cast<std::size_t>(s));
            out.fits = b.bitLength() <= 64;
            out.floor = b.limb(0);
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
    // floor(m * 2^q / (5^k * 2^k))
    const int k = -j;
    BigUInt a(m);
    BigUInt d(1);
    d.mulPow5(k);
    const long s = long{q} - k;
    if (s >= 0) {
        a.shiftLeft(static_cast<std::size_t>(s));
    } else {
        d.shiftLeft(static_cast<std::size_t>(-s));
    }
    return divideToWord(a, d);
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
        const bool done = allowFast && ((j >= 0 && j <= 27 && scaledFast(u.m, u.q, j, s)) ||
                                        scaledApprox(u.m, u.q, j, s) ||
                                        scaledFast(u.m, u.q, j, s));
        if (!done) {
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
