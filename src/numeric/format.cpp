#include "numeric/format.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "numeric/internal/decimal.h"
#include "numeric/internal/fixed_two_fast.h"

namespace quendral::numeric {

namespace {

constexpr std::uint64_t kPow10[19] = {1ULL,
                                      10ULL,
                                      100ULL,
                                      1000ULL,
                                      10000ULL,
                                      100000ULL,
                                      1000000ULL,
                                      10000000ULL,
                                      100000000ULL,
                                      1000000000ULL,
                                      10000000000ULL,
                                      100000000000ULL,
                                      1000000000000ULL,
                                      10000000000000ULL,
                                      100000000000000ULL,
                                      1000000000000000ULL,
                                      10000000000000000ULL,
                                      100000000000000000ULL,
                                      1000000000000000000ULL};

constexpr int kUnlimited = INT_MAX / 2;

// The digit string of a value after the rounding of the formats (steps 1 to 5 of "Decimal
// digits of a value"): at most 18 digits, no trailing zeros.
struct Rounded {
    char digits[18];
    int count;
    int exponent;
    bool negative;
};

Rounded roundDigits(long double x, int precision, int decimals) {
    Rounded r{};
    const detail::Digits18 d = detail::decimal18(x);
    if (d.digits == 0) {
        return r;  // zero: no digits, exponent 0, not negative
    }
    const long n0 = static_cast<long>(d.exponent) + decimals;
    if (n0 < 0) {
        return r;  // rounds to zero; the sign is dropped
    }
    const int n = n0 > precision ? precision : static_cast<int>(n0);
    r.exponent = d.exponent;
    r.negative = d.negative;
    std::uint64_t kept = d.digits;
    int count = 18;
    if (n < 18) {
        kept = d.digits / kPow10[18 - n];
        const std::uint64_t next = (d.digits / kPow10[17 - n]) % 10;
        count = n;
        if (next >= 5) {
            ++kept;
            if (kept == kPow10[n]) {  // carry out of all nines (or out of no digit at all)
                kept = 1;
                count = 1;
                ++r.exponent;
            }
        }
    }
    while (count > 0 && kept % 10 == 0) {
        kept /= 10;
        --count;
    }
    for (int i = count - 1; i >= 0; --i) {
        r.digits[i] = static_cast<char>('0' + kept % 10);
        kept /= 10;
    }
    r.count = count;
    return r;
}

// The texts of the run-time library for the values that have no digits.
bool special(long double x, std::string& out) {
    if (std::isnan(x)) {
        out = "NAN";
        return true;
    }
    if (std::isinf(x)) {
        out = x < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

std::string generalText(const Rounded& r, int precision, char sep) {
    char buf[40];
    char* o = buf;
    if (r.negative) {
        *o++ = '-';
    }
    const int e = r.exponent;
    if (r.count == 0) {
        *o++ = '0';
    } else if (e > precision || e < -3) {
        *o++ = r.digits[0];
        if (r.count > 1) {
            *o++ = sep;
            for (int i = 1; i < r.count; ++i) {
                *o++ = r.digits[i];
            }
        }
        *o++ = 'E';
        int x = e - 1;
        if (x < 0) {
            *o++ = '-';
            x = -x;
        }
        o = std::to_chars(o, buf + sizeof buf, x).ptr;
    } else if (e > 0) {
        for (int i = 0; i < e; ++i) {
            *o++ = i < r.count ? r.digits[i] : '0';
        }
        if (r.count > e) {
            *o++ = sep;
            for (int i = e; i < r.count; ++i) {
                *o++ = r.digits[i];
            }
        }
    } else {
        *o++ = '0';
        *o++ = sep;
        for (int i = 0; i < -e; ++i) {
            *o++ = '0';
        }
        for (int i = 0; i < r.count; ++i) {
            *o++ = r.digits[i];
        }
    }
    return std::string(buf, o);
}

std::string fixedText(long double x, int decimals, char sep) {
    std::string special_;
    if (special(x, special_)) {
        return special_;
    }
    constexpr int kPrecision = 7;
    const Rounded r = roundDigits(x, kPrecision, decimals);
    if (r.exponent > kPrecision) {
        return generalText(roundDigits(x, kPrecision, kUnlimited), kPrecision, sep);
    }
    char buf[24];
    char* o = buf;
    if (r.negative) {
        *o++ = '-';
    }
    const int e = r.exponent;
    if (e <= 0) {
        *o++ = '0';
    } else {
        for (int i = 0; i < e; ++i) {
            *o++ = i < r.count ? r.digits[i] : '0';
        }
    }
    if (decimals > 0) {
        *o++ = sep;
        int written = 0;
        int next = e;  // index of the digit after the integer part
        if (e < 0) {
            for (; written < decimals && written < -e; ++written) {
                *o++ = '0';
            }
            next = 0;
        }
        for (; written < decimals; ++written, ++next) {
            *o++ = next < r.count ? r.digits[next] : '0';
        }
    }
    return std::string(buf, o);
}

}  // namespace

std::string fixedTwo(long double x, char decimalSeparator) {
    // Loads, moments and areas nearly always take the short way.
    char text[detail::kFixedTwoFastSize];
    if (const std::size_t length = detail::fixedTwoFast(x, decimalSeparator, text)) {
        return std::string(text, length);
    }
    return fixedText(x, 2, decimalSeparator);
}

std::string fixedWhole(long double x, char decimalSeparator) {
    return fixedText(x, 0, decimalSeparator);
}

std::string general(long double x, char decimalSeparator) {
    return general(x, 15, decimalSeparator);
}

std::string general(long double x, int significantDigits, char decimalSeparator) {
    std::string special_;
    if (special(x, special_)) {
        return special_;
    }
    const int p = significantDigits < 1 ? 1 : (significantDigits > 18 ? 18 : significantDigits);
    return generalText(roundDigits(x, p, kUnlimited), p, decimalSeparator);
}

std::string integerText(std::int32_t n) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    return std::string(buf, res.ptr);
}

}  // namespace quendral::numeric
