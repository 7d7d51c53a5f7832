#include "numeric/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "numeric/error.h"
#include "numeric/format.h"
#include "numeric/parse.h"
#include "test_util.h"

namespace {

using quendral::numeric::Ext;
using quendral::numeric::Real48;
using quendral::numeric::test::errorOf;
using quendral::numeric::test::hexOf;
using Bytes = Real48::Bytes;

constexpr long double kLargest = (2.0L - 0x1p-39L) * 0x1p126L;
constexpr long double kSmallest = 0x1p-128L;

struct StoreCase {
    const char* name;
    long double value;
    Bytes bytes;
};

TEST(Real48, StoreGivesTheBytes)
{
    const StoreCase cases[] = {
        {"0.1", 0.1L, {0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}},
        {"125", 125.0L, {0x87, 0x00, 0x00, 0x00, 0x00, 0x7A}},
        {"-125", -125.0L, {0x87, 0x00, 0x00, 0x00, 0x00, 0xFA}},
        {"1", 1.0L, {0x81, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"-1", -1.0L, {0x81, 0x00, 0x00, 0x00, 0x00, 0x80}},
        {"0.5", 0.5L, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"zero", 0.0L, {0, 0, 0, 0, 0, 0}},
        {"minus zero", -0.0L, {0, 0, 0, 0, 0, 0}},
        {"largest", kLargest, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
        {"-largest", -kLargest, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        // just below the rounding tie above the largest value: rounds down to it
        {"below tie at top", (2.0L - 0x1p-40L - 0x1p-63L) * 0x1p126L, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
        {"smallest", kSmallest, {0x01, 0, 0, 0, 0, 0}},
        {"-smallest", -kSmallest, {0x01, 0, 0, 0, 0, 0x80}},
        // (1 - 2^-41) * 2^-128 rounds up into the range (tie, away from zero)
        {"tie below smallest", (1.0L - 0x1p-41L) * 0x1p-128L, {0x01, 0, 0, 0, 0, 0}},
        {"-tie below smallest", -(1.0L - 0x1p-41L) * 0x1p-128L, {0x01, 0, 0, 0, 0, 0x80}},
        {"below the tie below smallest", (1.0L - 0x1p-41L - 0x1p-64L) * 0x1p-128L, {0, 0, 0, 0, 0, 0}},
        {"half smallest", 0x1p-129L, {0, 0, 0, 0, 0, 0}},
        {"1E-39", 1e-39L, {0, 0, 0, 0, 0, 0}},
        {"-1E-40", -1e-40L, {0, 0, 0, 0, 0, 0}},
        {"extended denormal", 0x1p-16445L, {0, 0, 0, 0, 0, 0}},
        {"extended smallest normal", 0x1p-16382L, {0, 0, 0, 0, 0, 0}},
        // ties at the 41st bit go away from zero, even when the 40th bit is even
        {"1 + 2^-40 (tie)", 1.0L + 0x1p-40L, {0x81, 0x01, 0, 0, 0, 0}},
        {"-(1 + 2^-40) (tie)", -(1.0L + 0x1p-40L), {0x81, 0x01, 0, 0, 0, 0x80}},
        {"1 + 3*2^-40 (tie)", 1.0L + 0x3p-40L, {0x81, 0x02, 0, 0, 0, 0}},
        {"just below tie", 1.0L + 0x1p-40L - 0x1p-63L, {0x81, 0x00, 0, 0, 0, 0}},
        {"just above tie", 1.0L + 0x1p-40L + 0x1p-63L, {0x81, 0x01, 0, 0, 0, 0}},
        // a carry out of the 40 bits raises the exponent
        {"carry", 2.0L - 0x1p-40L, {0x82, 0, 0, 0, 0, 0}},
        {"carry 0.1 range", 0.125L - 0x1p-44L, {0x7E, 0, 0, 0, 0, 0}},
        {"fraction bits", 1.0L + 0x1p-1L + 0x1p-39L, {0x81, 0x01, 0, 0, 0, 0x40}},
    };
    for (const StoreCase& c : cases) {
        EXPECT_EQ(Real48::store(Ext(c.value)).bytes(), c.bytes) << c.name;
    }
}

TEST(Real48, OverflowRaises)
{
    const std::string ov(quendral::kFloatOverflow);
    const long double cases[] = {
        1e39L,
        -1e39L,
        0x1p127L,
        -0x1p127L,
        (2.0L - 0x1p-40L) * 0x1p126L,  // the tie above the largest value rounds up out of range
        -(2.0L - 0x1p-40L) * 0x1p126L,
        std::numeric_limits<long double>::max(),
        std::numeric_limits<long double>::infinity(),
        -std::numeric_limits<long double>::infinity(),
        std::numeric_limits<long double>::quiet_NaN(),
        -std::numeric_limits<long double>::quiet_NaN(),
    };
    for (const long double v : cases) {
        EXPECT_EQ(errorOf([v] { (void)Real48::store(Ext(v)); }), ov) << hexOf(v);
    }
}

// The zero-geometry guard: a geometry text read by the lenient scan and stored.
TEST(Real48, GeometryTextsThroughTheLenientScan)
{
    const std::pair<const char*, bool> cases[] = {
        {"3a", false}, {"3200", false}, {"abc", true}, {"-", true}, {".", true}, {"0.0", true},
        {"1e-40", true}, {"0a", true}, {"", true}, {"1e-38", false}, {"-1e-40", true},
    };
    for (const auto& [text, zero] : cases) {
        const long double v = quendral::numeric::stored(quendral::numeric::lenientScan(text)).value();
        EXPECT_EQ(v == 0.0L, zero) << text;
    }
    EXPECT_EQ(quendral::numeric::stored(quendral::numeric::lenientScan("3a")).value(), 3.0L);
    EXPECT_EQ(errorOf([] { (void)Real48::store(quendral::numeric::lenientScan(std::string(5000, '9'))); }),
              "Floating point overflow");
}

TEST(Real48, LoadIsExact)
{
    EXPECT_EQ(Real48::fromBytes({0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}).load().value(),
              0x1.999999999ap-4L);
    EXPECT_EQ(Real48::fromBytes({0x87, 0, 0, 0, 0, 0x7A}).load().value(), 125.0L);
    EXPECT_EQ(Real48::fromBytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}).load().value(), kLargest);
    EXPECT_EQ(Real48::fromBytes({0x01, 0, 0, 0, 0, 0x80}).load().value(), -kSmallest);
    // An exponent byte of 0 gives plus zero whatever the other bytes hold.
    const long double z = Real48::fromBytes({0x00, 0x12, 0x34, 0x56, 0x78, 0x9A}).load().value();
    EXPECT_EQ(z, 0.0L);
    EXPECT_FALSE(std::signbit(z));
    EXPECT_EQ(Real48().load().value(), 0.0L);
}

TEST(Real48, StoredValueShowsItsRepresentationError)
{
    using quendral::numeric::stored;
    EXPECT_EQ(quendral::numeric::general(stored(0.1L).value(), '.'), "0.100000000000023");
    EXPECT_EQ(quendral::numeric::general(stored(0.1L).value(), 17, '.'), "0.10000000000002274");
}

TEST(Real48, RoundTripOfEveryPattern)
{
    std::mt19937_64 rng(48);
    for (int i = 0; i < 20000; ++i) {
        Bytes b;
        const std::uint64_t r = rng();
        for (int k = 0; k < 6; ++k) {
            b[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(r >> (8 * k));
        }
        if (b[0] == 0) {
            b = Bytes{};
        }
        const Real48 back = Real48::store(Real48::fromBytes(b).load());
        ASSERT_EQ(back.bytes(), b);
    }
}

TEST(Real48, StoreRoundsLikeAnExactReference)
{
    // Reference: round |x| to 40 significant bits by scaling with powers of two.
    std::mt19937_64 rng(4848);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t m = rng() | (std::uint64_t{1} << 63);
        const int e = static_cast<int>(rng() % 270) - 140;
        const long double x = std::ldexp(static_cast<long double>(m), e - 63) * ((rng() & 1) ? -1 : 1);
        const long double ax = std::fabs(x);
        int ex;
        (void)std::frexp(ax, &ex);  // ax = f * 2^ex, 0.5 <= f < 1
        const long double scaled = std::ldexp(ax, 40 - ex);       // 2^39 <= scaled < 2^40
        long double rounded = std::floor(scaled);
        if (scaled - rounded >= 0.5L) {
            rounded += 1.0L;
        }
        const long double ref = std::ldexp(rounded, ex - 40);
        if (ref < 0x1p-128L) {
            EXPECT_EQ(Real48::store(Ext(x)).bytes(), Bytes{}) << hexOf(x);
        } else if (ref >= 0x1p127L) {
            EXPECT_EQ(errorOf([x] { (void)Real48::store(Ext(x)); }), "Floating point overflow");
        } else {
            EXPECT_EQ(Real48::store(Ext(x)).load().value(), std::copysign(ref, x)) << hexOf(x);
        }
    }
}

}  // namespace
