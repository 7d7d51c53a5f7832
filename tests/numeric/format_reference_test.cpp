// The formats against a slow, independent reference: the exact decimal expansion that glibc's
// printf gives for a long double (it prints every digit exactly), rounded and laid out with
// plain string operations following the formatting rules step by step.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "numeric/format.h"
#include "numeric/internal/decimal.h"
#include "numeric/real48.h"
#include "test_util.h"

namespace {

namespace n = quendral::numeric;
using quendral::numeric::test::hexOf;

struct RefDigits {
    std::string digits;  // 18 digits, or empty for zero
    int exponent;        // E
    bool negative;
};

// Exact digits of |x| by printf, rounded to 18 with ties to even.
RefDigits exactDigits18(long double x) {
    if (x == 0.0L) {
        return {"", 0, false};
    }
    int e2;
    (void)std::frexp(x, &e2);
    // Enough digits for the whole exact expansion: about 0.7 per negative binary exponent.
    const int precision = 40 + (e2 < 0 ? (-e2) * 7 / 10 + 30 : e2 * 31 / 100 + 30);
    std::vector<char> buf(static_cast<std::size_t>(precision) + 64);
    std::snprintf(buf.data(), buf.size(), "%.*Le", precision, std::fabs(x));
    const std::string s(buf.data());
    const std::size_t ePos = s.find('e');
    std::string all = s.substr(0, 1) + s.substr(2, ePos - 2);
    int exp10 = std::stoi(s.substr(ePos + 1));
    // The expansion must be exact: the padding ends in zeros.
    EXPECT_EQ(all.back(), '0') << hexOf(x);
    std::string d = all.substr(0, 18);
    const std::string rest = all.substr(18);
    bool up = false;
    if (rest[0] > '5') {
        up = true;
    } else if (rest[0] == '5') {
        const bool moreThanHalf = rest.find_first_not_of('0', 1) != std::string::npos;
        up = moreThanHalf || ((d.back() - '0') % 2 == 1);
    }
    if (up) {
        int i = 17;
        while (i >= 0 && d[static_cast<std::size_t>(i)] == '9') {
            d[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d = "1" + std::string(17, '0');
            ++exp10;
        } else {
            ++d[static_cast<std::size_t>(i)];
        }
    }
    return {d, exp10 + 1, std::signbit(x)};
}

// Steps 3 to 5 of "Decimal digits of a value".
RefDigits roundRef(RefDigits r, int p, long d) {
    if (r.digits.empty()) {
        return r;
    }
    const long n0 = r.exponent + d;
    if (n0 < 0) {
        return {"", 0, false};
    }
    const int nDigits = static_cast<int>(n0 > p ? p : n0);
    if (nDigits < 18) {
        const char next = r.digits[static_cast<std::size_t>(nDigits)];
        std::string kept = r.digits.substr(0, static_cast<std::size_t>(nDigits));
        if (next >= '5') {
            int i = nDigits - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0) {
                kept = "1";
                ++r.exponent;
            } else {
                ++kept[static_cast<std::size_t>(i)];
            }
        }
        r.digits = kept;
    }
    while (!r.digits.empty() && r.digits.back() == '0') {
        r.digits.pop_back();
    }
    return r;
}

std::string generalRef(const RefDigits& exact, int p, char sep) {
    const RefDigits r = roundRef(exact, p, 1L << 30);
    std::string out = r.negative ? "-" : "";
    const int e = r.exponent;
    const std::string& dg = r.digits;
    if (dg.empty()) {
        return out + "0";
    }
    if (e > p || e < -3) {
        out += dg[0];
        if (dg.size() > 1) {
            out += sep;
            out += dg.substr(1);
        }
        out += 'E';
        out += std::to_string(e - 1);
        return out;
    }
    if (e > 0) {
        std::string intPart =
            dg.substr(0, std::min<std::size_t>(dg.size(), static_cast<std::size_t>(e)));
        intPart.resize(static_cast<std::size_t>(e), '0');
        out += intPart;
        if (dg.size() > static_cast<std::size_t>(e)) {
            out += sep;
            out += dg.substr(static_cast<std::size_t>(e));
        }
        return out;
    }
    return out + "0" + sep + std::string(static_cast<std::size_t>(-e), '0') + dg;
}

std::string fixedRef(const RefDigits& exact, int d, char sep) {
    const RefDigits r = roundRef(exact, 7, d);
    if (r.exponent > 7) {
        return generalRef(exact, 7, sep);
    }
    std::string out = r.negative ? "-" : "";
    const int e = r.exponent;
    std::string dg = r.digits;
    if (e <= 0) {
        out += "0";
    } else {
        std::string intPart =
            dg.substr(0, std::min<std::size_t>(dg.size(), static_cast<std::size_t>(e)));
        intPart.resize(static_cast<std::size_t>(e), '0');
        out += intPart;
    }
    if (d > 0) {
        std::string decimals;
        if (e < 0) {
            decimals = std::string(static_cast<std::size_t>(std::min(-e, d)), '0') + dg;
        } else if (dg.size() > static_cast<std::size_t>(e)) {
            decimals = dg.substr(static_cast<std::size_t>(e));
        }
        decimals.resize(static_cast<std::size_t>(d), '0');
        out += sep;
        out += decimals;
    }
    return out;
}

void checkValue(long double x) {
    const RefDigits exact = exactDigits18(x);
    const quendral::numeric::detail::Digits18 fast = quendral::numeric::detail::decimal18(x);
    const quendral::numeric::detail::Digits18 slow = quendral::numeric::detail::decimal18Slow(x);
    const std::string fastDigits = fast.digits == 0 ? "" : std::to_string(fast.digits);
    ASSERT_EQ(fastDigits, exact.digits) << hexOf(x);
    ASSERT_EQ(fast.exponent, exact.exponent) << hexOf(x);
    ASSERT_EQ(fast.negative, exact.negative) << hexOf(x);
    ASSERT_EQ(slow.digits, fast.digits) << hexOf(x);
    ASSERT_EQ(slow.exponent, fast.exponent) << hexOf(x);
    ASSERT_EQ(n::fixedTwo(x, '.'), fixedRef(exact, 2, '.')) << hexOf(x);
    ASSERT_EQ(n::fixedTwo(x, '?'), fixedRef(exact, 2, '?')) << hexOf(x);
    ASSERT_EQ(n::fixedWhole(x, '.'), fixedRef(exact, 0, '.')) << hexOf(x);
    ASSERT_EQ(n::general(x, ','), generalRef(exact, 15, ',')) << hexOf(x);
    ASSERT_EQ(n::general(x, 7, '.'), generalRef(exact, 7, '.')) << hexOf(x);
    ASSERT_EQ(n::general(x, 18, '.'), generalRef(exact, 18, '.')) << hexOf(x);
}

long double randomBits(std::mt19937_64& rng, int minExp, int maxExp) {
    const std::uint64_t m = rng() | (std::uint64_t{1} << 63);
    const int e =
        minExp + static_cast<int>(rng() % static_cast<std::uint64_t>(maxExp - minExp + 1));
    const long double x = std::ldexp(static_cast<long double>(m), e - 63);
    return (rng() & 1) ? -x : x;
}

TEST(FormatReference, ModerateValues) {
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 20000; ++i) {
        checkValue(randomBits(rng, -45, 90));  // about 1e-14 to 1e27: the fast paths
    }
}

TEST(FormatReference, WholeRange) {
    std::mt19937_64 rng(4932);
    for (int i = 0; i < 300; ++i) {
        checkValue(randomBits(rng, -16445, 16383));  // denormals included
    }
    const long double edges[] = {
        std::numeric_limits<long double>::max(),
        std::numeric_limits<long double>::min(),
        std::numeric_limits<long double>::denorm_min(),
        0x1p-16400L,
        0x1.8p-16440L,
        0x1p127L,
        0x1p128L,
        0x1p-128L,
        1e38L,
        1e-39L,
        1e18L,
        1e19L,
        1e17L,
        1e-9L,
        1e-10L,
        0x1p63L,
        0x1p64L,
        0x1p65L,
        0x1p-64L,
        1e-4931L,
        1e4931L,
    };
    for (const long double x : edges) {
        checkValue(x);
        checkValue(-x);
        checkValue(std::nextafter(x, 0.0L));
        if (x != std::numeric_limits<long double>::max()) {
            checkValue(std::nextafter(x, std::numeric_limits<long double>::infinity()));
        }
    }
}

// The fast digit generation (128-bit approximations with a certain error bound) against the
// big-integer one, over the whole range, on values that lie close to decimal boundaries.
TEST(FormatReference, FastDigitsAgreeWithBigIntegers) {
    std::mt19937_64 rng(1848);
    for (int i = 0; i < 10000; ++i) {
        long double x;
        char text[64];
        switch (i % 3) {
            case 0:
                x = randomBits(rng, -16445, 16383);
                break;
            case 1:  // a short decimal times a power of ten: fractions close to 0
                std::snprintf(text, sizeof text, "%llue%d",
                              static_cast<unsigned long long>(rng() % 1000000000000000000ULL),
                              static_cast<int>(rng() % 9800) - 4900);
                x = std::strtold(text, nullptr);
                break;
            default:  // 18 digits and a 5: fractions close to one half
                std::snprintf(text, sizeof text, "%llu5e%d",
                              static_cast<unsigned long long>(rng() % 1000000000000000000ULL),
                              static_cast<int>(rng() % 9800) - 4900);
                x = std::strtold(text, nullptr);
                if (rng() & 1) {
                    x = std::nextafter(x, 0.0L);
                }
                break;
        }
        if (x == 0.0L || !std::isfinite(x)) {
            continue;
        }
        const auto fast = quendral::numeric::detail::decimal18(x);
        const auto slow = quendral::numeric::detail::decimal18Slow(x);
        ASSERT_EQ(fast.digits, slow.digits) << hexOf(x);
        ASSERT_EQ(fast.exponent, slow.exponent) << hexOf(x);
        ASSERT_EQ(fast.negative, slow.negative) << hexOf(x);
    }
}

TEST(FormatReference, DecimalValuesAndTies) {
    std::mt19937_64 rng(125);
    for (int i = 0; i < 10000; ++i) {
        // k / 10^d, k / 10^d + 1/2 unit, and their neighbours: the fixed formats' ties.
        const long double k = static_cast<long double>(rng() % 100000000);
        const int d = static_cast<int>(rng() % 8);
        long double x =
            (k + ((rng() & 1) ? 0.5L : 0.0L)) / static_cast<long double>(std::pow(10.0L, d));
        const int step = static_cast<int>(rng() % 3) - 1;
        if (step < 0) {
            x = std::nextafter(x, 0.0L);
        } else if (step > 0) {
            x = std::nextafter(x, 1e30L);
        }
        checkValue(x);
        checkValue(-x);
    }
}

TEST(FormatReference, Stored48BitValues) {
    std::mt19937_64 rng(48);
    for (int i = 0; i < 10000; ++i) {
        const long double x = static_cast<long double>(rng() % 10000000) / 1000.0L;
        checkValue(n::stored(x).value());
    }
    for (int i = 0; i < 2000; ++i) {
        checkValue(n::stored(randomBits(rng, -128, 126)).value());
    }
}

// Ordinary sheet magnitudes (0.01 to 65536) on and just off a tie of the second decimal, from
// the nearest neighbours out to well beyond 10^-9 hundredths: where fixedTwo's short way hands
// the value over to the 18-digit rounding, and just outside that margin.
TEST(FormatReference, TwoDecimalsNearTiesOfOrdinaryValues) {
    std::mt19937_64 rng(230);
    for (int i = 0; i < 2000; ++i) {
        const long double tie = (static_cast<long double>(1 + rng() % 6553500) + 0.5L) / 100.0L;
        // Relative offsets of 2^-20 to 2^-59: about 10^-6 down to below one unit in the last place.
        const long double offset = std::ldexp(tie, -static_cast<int>(20 + rng() % 40));
        const long double values[] = {tie, std::nextafter(tie, 0.0L), std::nextafter(tie, 1e30L),
                                      tie + offset, tie - offset};
        for (const long double x : values) {
            checkValue(x);
            checkValue(-x);
        }
    }
}

TEST(FormatReference, IntegersWithEighteenDigitTies) {
    std::mt19937_64 rng(18);
    for (int i = 0; i < 5000; ++i) {
        // 19- and 20-digit integers ending in 5 lie on an 18-digit tie (or, for 20 digits,
        // on one of the neighbouring values); all are exact below 2^64.
        const std::uint64_t base = rng() % 1000000000000000000ULL;
        const std::uint64_t v = 1000000000000000000ULL + base / 10 * 10 + 5;
        checkValue(static_cast<long double>(v));
        const std::uint64_t w = (rng() | (1ULL << 63)) / 100 * 100 + 50;
        checkValue(static_cast<long double>(w));
    }
}

}  // namespace
