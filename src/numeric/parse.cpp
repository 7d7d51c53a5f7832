#include "numeric/parse.h"

#include <cmath>
#include <string>

#include "numeric/error.h"
#include "numeric/internal/pow10.h"

namespace quendral::numeric {

namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// value * 10 + digit in extended precision, for every digit. While the value stays below
// 2^64 each step is exact, so a 64-bit integer gives the same value faster.
class Accumulator {
public:
    void push(unsigned digit) {
        if (!big_) {
            if (small_ <= (kMax - digit) / 10) {
                small_ = small_ * 10 + digit;
                return;
            }
            value_ = static_cast<long double>(small_);
            big_ = true;
        }
        value_ = value_ * 10.0L;
        // From 2^65 on, value * 10 is 2^68 or more, with an ulp of 32 or more: adding a
        // digit (below half an ulp) gives value * 10 again, so the addition is left out.
        if (value_ < 0x1p68L) {
            value_ = value_ + static_cast<long double>(digit);
        }
    }

    long double value() const { return big_ ? value_ : static_cast<long double>(small_); }

private:
    static constexpr std::uint64_t kMax = ~std::uint64_t{0};
    std::uint64_t small_ = 0;
    long double value_ = 0.0L;
    bool big_ = false;
};

// The digits times 10^k. A text without a point or an exponent (k = 0, the common case) is
// its digits as they are: multiplying by 10^0 would give the same value, so it is skipped.
long double scaled(const Accumulator& acc, long long k) {
    return k == 0 ? acc.value() : detail::scaleByPow10(acc.value(), k);
}

// The part both real readers share: leading blanks, a sign, digits, a point and more
// digits. The scan stops at the first character that does not fit and says how far it read.
struct Mantissa {
    Accumulator digits;      // all digits, before and after the point, run together
    long long decimals = 0;  // digits after the point
    bool anyDigit = false;
    bool sawPoint = false;
    bool negative = false;
    std::size_t end = 0;  // index of the first character not read
};

Mantissa scanMantissa(std::string_view text, char point) {
    const std::size_t n = text.size();
    Mantissa m;
    std::size_t i = 0;
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        m.negative = text[i] == '-';
        ++i;
    }
    while (i < n && isDigit(text[i])) {
        m.digits.push(static_cast<unsigned>(text[i] - '0'));
        m.anyDigit = true;
        ++i;
    }
    if (i < n && text[i] == point) {
        m.sawPoint = true;
        ++i;
        while (i < n && isDigit(text[i])) {
            m.digits.push(static_cast<unsigned>(text[i] - '0'));
            m.anyDigit = true;
            ++m.decimals;
            ++i;
        }
    }
    m.end = i;
    return m;
}

// Exponents are kept far beyond any that matters, without overflowing.
constexpr long long kExponentCap = 1000000000000000LL;

[[noreturn]] void notAFloat(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 40);
    message += '\'';
    message += text;
    message += "' is not a valid floating point value";
    throw UserError(message);
}

[[noreturn]] void notAnInteger(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 32);
    message += '\'';
    message += text;
    message += "' is not a valid integer value";
    throw UserError(message);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

long double lenientScan(std::string_view text) {
    const std::size_t n = text.size();
    const Mantissa m = scanMantissa(text, '.');
    std::size_t i = m.end;
    bool wellFormed = m.anyDigit;
    long long exponent = 0;
    if (wellFormed && i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i < n && isDigit(text[i])) {
            while (i < n && isDigit(text[i])) {
                exponent = exponent * 10 + (text[i] - '0');
                if (exponent > kExponentCap) {
                    exponent = kExponentCap;
                }
                ++i;
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
        } else {
            wellFormed = false;
        }
    }
    if (!wellFormed || i != n) {
        return m.digits.value();  // the digits read so far, as a whole number
    }
    const long double r = scaled(m.digits, exponent - m.decimals);
    return m.negative ? -r : r;
}

long double strictNumber(std::string_view text, char decimalSeparator) {
    const std::size_t n = text.size();
    const Mantissa m = scanMantissa(text, decimalSeparator);
    std::size_t i = m.end;
    // One digit, or the separator alone (which reads as 0).
    const bool readSomething = m.anyDigit || m.sawPoint;
    if (!readSomething) {
        notAFloat(text);
    }
    long long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        // Exponent digits are read only until their value reaches 500.
        while (i < n && isDigit(text[i]) && exponent < 500) {
            exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i != n) {
        notAFloat(text);
    }
    const long double r = scaled(m.digits, exponent - m.decimals);
    if (!std::isfinite(r)) {
        notAFloat(text);  // beyond the extended range (also when the digits alone are)
    }
    return m.negative ? -r : r;
}

std::int32_t strictInteger(std::string_view text) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i < n && text[i] == '$') {
        ++i;
        if (i == n) {
            notAnInteger(text);
        }
        std::uint64_t value = 0;
        for (; i < n; ++i) {
            const int h = hexValue(text[i]);
            if (h < 0) {
                notAnInteger(text);
            }
            value = value * 16 + static_cast<unsigned>(h);
            if (value > 0xFFFFFFFFu) {
                notAnInteger(text);
            }
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == n) {
        notAnInteger(text);
    }
    std::uint64_t value = 0;
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    for (; i < n; ++i) {
        if (!isDigit(text[i])) {
            notAnInteger(text);
        }
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > limit) {
            notAnInteger(text);
        }
    }
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value))
                    : static_cast<std::int32_t>(value);
}

}  // namespace quendral::numeric
