#include "numeric/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "test_util.h"

namespace {

namespace n = quendral::numeric;
using quendral::numeric::test::hexOf;

struct FormatCase {
    long double value;
    const char* text;
};

// Replaces the '.' of an expected text by another separator.
std::string withSeparator(std::string text, char sep)
{
    for (char& c : text) {
        if (c == '.') {
            c = sep;
        }
    }
    return text;
}

constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kMinNormal = std::numeric_limits<long double>::min();
constexpr long double kMinDenormal = std::numeric_limits<long double>::denorm_min();

const FormatCase kFixedTwo[] = {
    // The engineer-facing examples
    {0.0L, "0.00"},
    {10.786578674L, "10.79"},
    {0.125L, "0.13"},
    {-0.125L, "-0.13"},
    {2.5L, "2.50"},
    {123456.789L, "123456.80"},
    {1234567.891L, "1234568.00"},
    {9999999.996L, "1E7"},
    {12345678.0L, "1.234568E7"},
    {0.004L, "0.00"},
    {-0.004L, "-0.00"},
    {-0.0004L, "0.00"},
    {0.005L, "0.01"},
    // more
    {-0.0L, "0.00"},
    {1.0L, "1.00"},
    {-1.0L, "-1.00"},
    {0.1L, "0.10"},
    {0.01L, "0.01"},
    {0.015L, "0.02"},
    {0.045L, "0.05"},
    {-0.005L, "-0.01"},
    {0.0049L, "0.00"},
    {0.05L, "0.05"},
    {0.5L, "0.50"},
    {99.995L, "100.00"},
    {9999999.99L, "9999999.99"},   // 7 significant digits: rounds to 9999999.99 -> 10000000? see below
    {9999999.4L, "9999999.00"},
    {9999999.5L, "1E7"},
    {10000000.0L, "1E7"},
    {-12345678.0L, "-1.234568E7"},
    {123456789012.0L, "1.234568E11"},
    {1e20L, "1E20"},
    {12.345L, "12.35"},            // the 18-digit string of 12.345L is 12.3450000000000000
    {1.005L, "1.01"},
    {0.0001L, "0.00"},
    {-0.00499L, "-0.00"},
    {-0.000999L, "0.00"},
    {-0.0009999999999999999999L, "-0.00"},  // its 18 digits round up to 0.001
    {1e-4000L, "0.00"},
    {-1e-4000L, "0.00"},
    {kMinDenormal, "0.00"},
    {kMax, "1.189731E4932"},
    {-kMax, "-1.189731E4932"},
    {1.15e4932L, "1.15E4932"},
    {2147483647.0L, "2.147484E9"},
    {1000000.004L, "1000000.00"},
    {1000000.005L, "1000000.00"},  // 7 significant digits come first
    {123.454999999999999L, "123.45"},
};

TEST(FixedTwo, Table)
{
    for (const FormatCase& c : kFixedTwo) {
        if (std::string(c.text) == "9999999.99") {
            continue;  // covered separately below
        }
        EXPECT_EQ(n::fixedTwo(c.value, '.'), c.text) << hexOf(c.value);
        EXPECT_EQ(n::fixedTwo(c.value, ','), withSeparator(c.text, ',')) << hexOf(c.value);
        EXPECT_EQ(n::fixedTwo(c.value, '?'), withSeparator(c.text, '?')) << hexOf(c.value);
    }
    // 9999999.99 has 9 significant digits; at 7 it becomes 1E7.
    EXPECT_EQ(n::fixedTwo(9999999.99L, '.'), "1E7");
    EXPECT_EQ(n::fixedTwo(10.786578674L, ','), "10,79");
}

const FormatCase kFixedWhole[] = {
    {12.5L, "13"},   {2.5L, "3"},     {0.5L, "1"},      {0.4L, "0"},      {-0.4L, "-0"},
    {-0.04L, "0"},   {1499.5L, "1500"}, {0.0L, "0"},    {-0.5L, "-1"},    {9999999.4L, "9999999"},
    {9999999.5L, "1E7"}, {12345678.0L, "1.234568E7"},   {123.456L, "123"}, {0.05L, "0"},
    {-0.05L, "0"},   {0.499999L, "0"}, {1.5e-20L, "0"}, {-7.0L, "-7"},
};

TEST(FixedWhole, Table)
{
    for (const FormatCase& c : kFixedWhole) {
        EXPECT_EQ(n::fixedWhole(c.value, '.'), c.text) << hexOf(c.value);
        EXPECT_EQ(n::fixedWhole(c.value, '?'), withSeparator(c.text, '?')) << hexOf(c.value);
    }
}

const FormatCase kGeneral[] = {
    // The engineer-facing examples
    {125.0L, "125"},
    {1880.0L, "1880"},
    {0.5L, "0.5"},
    {1.0L / 3.0L, "0.333333333333333"},
    {123456789012345.0L, "123456789012345"},
    {1e15L, "1E15"},
    {999999999999999.5L, "1E15"},
    {0.0001L, "0.0001"},
    {0.00001L, "1E-5"},
    {-2.5L, "-2.5"},
    // more
    {0.0L, "0"},
    {-0.0L, "0"},
    {2.0L / 3.0L, "0.666666666666667"},
    {-1.0L / 3.0L, "-0.333333333333333"},
    {0.1L, "0.1"},
    {100.0L, "100"},
    {140.0L, "140"},
    {999999999999999.0L, "999999999999999"},
    {999999999999999.4L, "999999999999999"},
    {1234567890123456.0L, "1.23456789012346E15"},
    {-1e15L, "-1E15"},
    {1e16L, "1E16"},
    {1.5e300L, "1.5E300"},
    {0.00012345L, "0.00012345"},
    {0.000099999999999999999L, "0.0001"},
    {0.0000999L, "9.99E-5"},
    {1e-10L, "1E-10"},
    {-1.25e-100L, "-1.25E-100"},
    {kMax, "1.18973149535723E4932"},
    {kMinNormal, "3.36210314311209E-4932"},
    {kMinDenormal, "3.64519953188247E-4951"},
    {-kMinDenormal, "-3.64519953188247E-4951"},
    {0x1p64L, "1.84467440737096E19"},
    {18446744073709551615.0L, "1.84467440737096E19"},
    {1e4932L, "1E4932"},
    {1e-4931L, "1E-4931"},
};

TEST(General, Table)
{
    for (const FormatCase& c : kGeneral) {
        EXPECT_EQ(n::general(c.value, '.'), c.text) << hexOf(c.value);
        EXPECT_EQ(n::general(c.value, ','), withSeparator(c.text, ',')) << hexOf(c.value);
        EXPECT_EQ(n::general(c.value, '?'), withSeparator(c.text, '?')) << hexOf(c.value);
    }
}

TEST(General, ChosenPrecision)
{
    EXPECT_EQ(n::general(12345678.0L, 7, '.'), "1.234568E7");
    EXPECT_EQ(n::general(1234567.0L, 7, '.'), "1234567");
    EXPECT_EQ(n::general(1234567.5L, 7, '.'), "1234568");
    EXPECT_EQ(n::general(0.1L, 18, '.'), "0.1");
    EXPECT_EQ(n::general(0.1L, 19, '.'), "0.1");   // at most 18 digits
    EXPECT_EQ(n::general(2.0L / 3.0L, 18, '.'), "0.666666666666666667");
    EXPECT_EQ(n::general(2.0L / 3.0L, 1, '.'), "0.7");
    EXPECT_EQ(n::general(2.0L / 3.0L, 0, '.'), "0.7");  // at least 1 digit
    EXPECT_EQ(n::general(95.0L, 1, '.'), "1E2");
}

TEST(Digits, EighteenDigitTiesGoToEven)
{
    // 10^18 + 5 and 10^18 + 15 are exact extended values lying on an 18-digit tie.
    EXPECT_EQ(n::general(1000000000000000005.0L, 18, '.'), "1E18");
    EXPECT_EQ(n::general(1000000000000000015.0L, 18, '.'), "1.00000000000000002E18");
    EXPECT_EQ(n::general(1000000000000000025.0L, 18, '.'), "1.00000000000000002E18");
    EXPECT_EQ(n::general(1000000000000000025.5L, 18, '.'), "1.00000000000000003E18");
    // 0.5 + 2^-60 is just above 0.500000000000000000|867..., while 1 + 2^-64 ... : below and
    // above the tie, with the fractions exact.
    EXPECT_EQ(n::general(9999999999999999995.0L, 18, '.'), "1E19");        // tie, ...999|5 -> even (carry)
    EXPECT_EQ(n::general(9999999999999999985.0L, 18, '.'), "9.99999999999999998E18");  // tie -> even
    // 0.125 with 2 decimals: the 18-digit string 125000... rounds half away from zero.
    EXPECT_EQ(n::fixedTwo(0.125L, '.'), "0.13");
    EXPECT_EQ(n::fixedTwo(0.375L, '.'), "0.38");
    EXPECT_EQ(n::fixedTwo(-0.375L, '.'), "-0.38");
    // Double rounding: 0.00499999999999999999996 has the 18-digit string 500000000000000000.
    EXPECT_EQ(n::fixedTwo(0.00499999999999999999996L, '.'), "0.01");
}

TEST(Formats, SpecialValues)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(n::fixedTwo(inf, '.'), "INF");
    EXPECT_EQ(n::fixedTwo(-inf, '.'), "-INF");
    EXPECT_EQ(n::general(inf, '.'), "INF");
    EXPECT_EQ(n::fixedWhole(nan, '.'), "NAN");
    EXPECT_EQ(n::general(nan, '.'), "NAN");
}

TEST(IntegerText, Table)
{
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "0"}, {7, "7"}, {-7, "-7"}, {140, "140"}, {2147483647, "2147483647"},
        {-2147483647 - 1, "-2147483648"}, {1000000, "1000000"},
    };
    for (const auto& [v, t] : cases) {
        EXPECT_EQ(n::integerText(v), t);
    }
}

}  // namespace
