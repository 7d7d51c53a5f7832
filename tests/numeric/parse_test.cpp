#include "numeric/parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <algorithm>
#include <limits>
#include <random>
#include <string>

#include "numeric/error.h"
#include "numeric/internal/pow10.h"
#include "test_util.h"

namespace {

namespace n = quendral::numeric;
using quendral::numeric::test::errorOf;
using quendral::numeric::test::hexOf;
using namespace std::string_literals;

constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kMinDenormal = std::numeric_limits<long double>::denorm_min();

// The arithmetic the scans are specified with: value * 10 + digit in extended precision for
// every digit, then one multiplication or division by 10^k, here taken from glibc's correctly
// rounded strtold.
long double model(const std::string& digits, long long k)
{
    long double acc = 0.0L;
    for (const char c : digits) {
        acc = acc * 10.0L;
        acc = acc + static_cast<long double>(c - '0');
    }
    const std::string power = "1e" + std::to_string(k < 0 ? -k : k);
    const long double p = std::strtold(power.c_str(), nullptr);
    return k < 0 ? acc / p : acc * p;
}

TEST(PowersOfTen, AreCorrectlyRoundedExtendedValues)
{
    for (int k = 0; k <= quendral::numeric::detail::kMaxPow10; ++k) {
        const std::string text = "1e" + std::to_string(k);
        ASSERT_EQ(quendral::numeric::detail::pow10(k), std::strtold(text.c_str(), nullptr)) << k;
    }
    EXPECT_EQ(quendral::numeric::detail::pow10(27), 1e27L);
    EXPECT_EQ(quendral::numeric::detail::pow10(27) / 1e13L, 1e14L);  // exact up to 10^27
}

struct ScanCase {
    std::string text;
    long double value;
};

TEST(LenientScan, Table)
{
    const ScanCase cases[] = {
        // The documented examples
        {"300", 300.0L},
        {" 0.4", 0.4L},
        {"1e2", 100.0L},
        {".5", 0.5L},
        {"1.5 ", 15.0L},
        {"-2x", 2.0L},
        {"12a", 12.0L},
        {"1.2.3", 12.0L},
        {"1e5x", 1.0L},
        {"abc", 0.0L},
        {"-", 0.0L},
        {"", 0.0L},
        {"0.4", 0.4L},
        {"1,5", 1.0L},
        // more
        {"  -12.25", -12.25L},
        {"+7", 7.0L},
        {"1E-2", 0.01L},
        {"1e+3", 1000.0L},
        {"2.5e-1", 0.25L},
        {"1E", 1.0L},
        {"1e+", 1.0L},
        {"12E-", 12.0L},
        {"-3e", 3.0L},
        {"3.", 3.0L},
        {"-3.", -3.0L},
        {".", 0.0L},
        {"\t1", 0.0L},
        {"1\t", 1.0L},
        {"3a", 3.0L},
        {"0a", 0.0L},
        {"0.0", 0.0L},
        {"1e-40", 1e-40L},
        {"3200", 3200.0L},
        {"1 ", 1.0L},
        {" ", 0.0L},
        {"--1", 0.0L},
        {"1e2.5", 1.0L},
        {"12\0"s "3", 12.0L},
        {"\xff" "1", 0.0L},
        {"1\xff", 1.0L},
        {"4.\xe4\xb8\xad", 4.0L},
        {"0.1", 0.1L},
        {"123456789012345678901234567890", model("123456789012345678901234567890", 0)},
        {"1234567890123456789.01234567890", model("123456789012345678901234567890", -11)},
        {"1e4932", 1e4932L},
        {"1.18973149535723176502e4932", model("118973149535723176502", 4912)},
        {"1.1897314953572317650e4932", kMax},
        {"1.1897314953572317651e4932", kInf},
        {"1e4933", kInf},
        {"1e-4950", 1e-4950L},
        {"1e-4940", 1e-4940L},
        {"2.5e-4945", 2.5e-4945L},
        {"1e-4952", 0.0L},  // below half the smallest denormal
        {"3.6451995318824746025e-4951", kMinDenormal},
        {"1e99999999999999999999999", kInf},
        {"1e-99999999999999999999999", 0.0L},
        {"0e99999", 0.0L},
        {"-0", -0.0L},
    };
    for (const ScanCase& c : cases) {
        const long double v = n::lenientScan(c.text);
        EXPECT_EQ(v, c.value) << '"' << c.text << "\" gave " << hexOf(v);
    }
}

TEST(LenientScan, AccumulatesInExtendedPrecision)
{
    // 20 digits: the last step rounds value * 10 + digit like the x87 does.
    long double acc = 0.0L;
    for (const char c : std::string("98765432109876543219")) {
        acc = acc * 10.0L;
        acc = acc + static_cast<long double>(c - '0');
    }
    EXPECT_EQ(n::lenientScan("98765432109876543219"), acc);
    EXPECT_EQ(n::lenientScan("9876543210987654321.9"), acc / 10.0L);
    EXPECT_EQ(n::lenientScan("9876543210987654321.9x"), acc);
}

// Random texts against the model: digits before and after the point, an exponent, and
// separators; both scans must give exactly the model's value.
TEST(LenientScan, RandomTextsMatchTheModel)
{
    std::mt19937_64 rng(1303);
    for (int i = 0; i < 3000; ++i) {
        const int intDigits = static_cast<int>(rng() % (i % 10 == 0 ? 400 : 25));
        const int fracDigits = static_cast<int>(rng() % (i % 7 == 0 ? 300 : 12));
        std::string digits;
        for (int k = 0; k < intDigits + fracDigits; ++k) {
            digits += static_cast<char>('0' + rng() % 10);
        }
        if (digits.empty()) {
            digits = "7";
        }
        const int split = std::min<int>(intDigits, static_cast<int>(digits.size()));
        const long long exponent = static_cast<long long>(rng() % 9000) - 4500;
        const long long k = exponent - (static_cast<long long>(digits.size()) - split);
        if (k < -4932 || k > 4932) {
            continue;
        }
        const std::string text = digits.substr(0, static_cast<std::size_t>(split)) + "." +
                                 digits.substr(static_cast<std::size_t>(split)) + "e" + std::to_string(exponent);
        const long double expected = model(digits, k);
        EXPECT_EQ(n::lenientScan(text), expected) << text;
        if (std::isfinite(expected)) {
            std::string strictText = text;
            strictText[static_cast<std::size_t>(split)] = ',';
            EXPECT_EQ(n::strictNumber(" -" + strictText + " ", ','), -expected) << text;
        }
    }
}

TEST(LenientScan, LongTexts)
{
    const std::string ones(1'000'000, '1');
    EXPECT_EQ(n::lenientScan(ones), kInf);
    EXPECT_EQ(n::lenientScan("0." + std::string(1'000'000, '0') + "1"), 0.0L);
    EXPECT_EQ(n::lenientScan(std::string(1'000'000, '0') + "7"), 7.0L);
    EXPECT_EQ(n::lenientScan("1e" + std::string(1'000'000, '0') + "3"), 1000.0L);
    EXPECT_EQ(n::lenientScan(std::string(1'000'000, ' ') + "5"), 5.0L);
    // The digits alone overflow, whatever the exponent.
    EXPECT_EQ(n::lenientScan("1" + std::string(1'000'000, '0') + "e-1000000"), kInf);
}

TEST(StrictNumber, Table)
{
    const ScanCase cases[] = {
        // The documented examples
        {" 1.5 ", 1.5L},
        {"+.5", 0.5L},
        {".", 0.0L},
        {"1E", 1.0L},
        {"1e3", 1000.0L},
        // more
        {"1.5", 1.5L},
        {"-1.5", -1.5L},
        {"  -0.25  ", -0.25L},
        {"0.1", 0.1L},
        {"1.", 1.0L},
        {"-.", -0.0L},
        {".e5", 0.0L},
        {".E", 0.0L},
        {"+.E-", 0.0L},
        {"1E+", 1.0L},
        {"1E-", 1.0L},
        {"1e-2", 0.01L},
        {"1E+2  ", 100.0L},
        {"12.5e1", 125.0L},
        {"1E500", 1e500L},
        {"1E499", 1e499L},
        {"1E0000000000000000000000000000003", 1000.0L},
        {"1E-4999", 0.0L},
        {"1E4932", 1e4932L},
        {"1.18973149535723176502E4932", model("118973149535723176502", 4912)},
        {"1.1897314953572317650E4932", kMax},
        {"-1.1897314953572317650E4932", -kMax},
        {"1.9E-4951", kMinDenormal},
        {"1.8E-4951", 0.0L},
        {"5.5E-4951", 2 * kMinDenormal},
        {"5.4E-4951", kMinDenormal},
        {"-2.7E-4951", -kMinDenormal},
        {"3.36210314311209350626E-4932", std::numeric_limits<long double>::min()},
        {"3.6451995318824746025E-4951", kMinDenormal},
        {"1E-4950", 1e-4950L},
        {"1E-4940", 1e-4940L},
        {"123456789E-4949", 123456789e-4949L},
        {"1E-4952", 0.0L},
        {"0E4999", 0.0L},
        {"0." + std::string(100000, '0') + "1", 0.0L},
        {std::string(100000, '0') + "7.25", 7.25L},
        {"1" + std::string(4000, '0') + "E-4000", model("1" + std::string(4000, '0'), -4000)},
        {"1" + std::string(4931, '0') + "E-4932", model("1" + std::string(4931, '0'), -4932)},
    };
    for (const ScanCase& c : cases) {
        long double v = -99.0L;
        EXPECT_NO_THROW(v = n::strictNumber(c.text, '.')) << c.text;
        EXPECT_EQ(v, c.value) << '"' << c.text << "\" gave " << hexOf(v);
        EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << c.text;
    }
}

TEST(StrictNumber, Failures)
{
    const std::string cases[] = {
        // The documented examples
        "E5", "1/10", "1.5.3", "1 5", "",
        // more
        " ", "+", "-", "- 1", "+-1", "1x", "x1", "1E5x", "1e 5", "1.5\t", "\t1.5", "1,5",
        "1E5000", "1E-5000", "1E5001", "1E4933", "1.2E4932", "1.1897314953572317651E4932", "1E99999",
        "-1E4933", "e", "E", ".E1x", "..", "-E1",
        "1" + std::string(5000, '0'),  // the digits alone are beyond the range
        "1\0"s, "\0"s "1", "\xff", "1\xff", "\xe4\xb8\xad", "$1A", "1.5 x", "1E500 0", "١",
    };
    for (const std::string& text : cases) {
        EXPECT_EQ(errorOf([&] { (void)n::strictNumber(text, '.'); }),
                  "'" + text + "' is not a valid floating point value")
            << '"' << text << '"';
    }
    EXPECT_EQ(errorOf([] { (void)n::strictNumber("", '.'); }), "'' is not a valid floating point value");
}

TEST(StrictNumber, Separator)
{
    EXPECT_EQ(n::strictNumber("1,5", ','), 1.5L);
    EXPECT_EQ(n::strictNumber(" -1,25E1 ", ','), -12.5L);
    EXPECT_EQ(n::strictNumber(",", ','), 0.0L);
    EXPECT_EQ(errorOf([] { (void)n::strictNumber("1.5", ','); }),
              "'1.5' is not a valid floating point value");
    EXPECT_EQ(n::strictNumber("1?5", '?'), 1.5L);
    EXPECT_EQ(n::strictNumber("?25", '?'), 0.25L);
    EXPECT_EQ(errorOf([] { (void)n::strictNumber("1.5", '?'); }),
              "'1.5' is not a valid floating point value");
    EXPECT_EQ(errorOf([] { (void)n::strictNumber("1,5", '?'); }),
              "'1,5' is not a valid floating point value");
    // The lenient scan keeps the full stop whatever the locale.
    EXPECT_EQ(n::lenientScan("0.4"), 0.4L);
    EXPECT_EQ(n::lenientScan("1,5"), 1.0L);
}

TEST(StrictNumber, MessageKeepsTheWholeText)
{
    const std::string text = "  1\0x\xff "s;
    EXPECT_EQ(errorOf([&] { (void)n::strictNumber(text, '.'); }),
              "'" + text + "' is not a valid floating point value");
    const std::string longText(1'000'000, '7');
    EXPECT_EQ(errorOf([&] { (void)n::strictNumber(longText + "x", '.'); }),
              "'" + longText + "x' is not a valid floating point value");
    EXPECT_EQ(errorOf([&] { (void)n::strictNumber(longText, '.'); }),
              "'" + longText + "' is not a valid floating point value");
}

struct IntCase {
    std::string text;
    std::int32_t value;
};

TEST(StrictInteger, Table)
{
    const IntCase cases[] = {
        // The documented examples
        {"20", 20},
        {" -7", -7},
        {"$1A", 26},
        {"-2147483648", -2147483647 - 1},
        // more
        {"2147483647", 2147483647},
        {"+5", 5},
        {"-0", 0},
        {"0", 0},
        {"007", 7},
        {"   30", 30},
        {"$FFFFFFFF", -1},
        {"$ffffffff", -1},
        {"$80000000", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {" $1a", 26},
        {"$0", 0},
        {"$00000000000000000001", 1},
        {std::string(100000, '0') + "42", 42},
    };
    for (const IntCase& c : cases) {
        std::int32_t v = -99;
        EXPECT_NO_THROW(v = n::strictInteger(c.text)) << c.text;
        EXPECT_EQ(v, c.value) << '"' << c.text << '"';
    }
}

TEST(StrictInteger, Failures)
{
    const std::string cases[] = {
        // The documented examples
        "2147483648", "20 ", "-$1A", "1.0", "",
        // more
        "-2147483649", "99999999999999999999", " ", "+", "-", "$", "$G", "$ 1", "+$1",
        "$100000000", "$1 ", "0x1A", "1e3", "\t1", "1\0"s, "\xff", "1\xff", "--1", "+-1",
        "4294967296", "20\t", std::string(100000, '9'),
    };
    for (const std::string& text : cases) {
        EXPECT_EQ(errorOf([&] { (void)n::strictInteger(text); }),
                  "'" + text + "' is not a valid integer value")
            << '"' << text << '"';
    }
}

}  // namespace
