#include "numeric/extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/error.h"
#include "test_util.h"

namespace {

using quendral::numeric::Ext;
using quendral::numeric::test::errorOf;
namespace n = quendral::numeric;

constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kInf = std::numeric_limits<long double>::infinity();
const long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TEST(Extended, ArithmeticIsExtendedAndRoundsToEven)
{
    EXPECT_EQ((Ext(1.0L) + Ext(0x1p-64L)).value(), 1.0L);              // tie -> even
    EXPECT_EQ((Ext(1.0L) + Ext(0x1.8p-63L)).value(), 1.0L + 0x1p-62L);  // tie -> even (up)
    EXPECT_EQ((Ext(1.0L) + Ext(0x1p-63L)).value(), 1.0L + 0x1p-63L);     // 64-bit significand
    EXPECT_EQ((Ext(1.0L) / Ext(3.0L)).value(), 1.0L / 3.0L);
    EXPECT_EQ((Ext(7.0L) - Ext(2.5L)).value(), 4.5L);
    EXPECT_EQ((Ext(1.5L) * Ext(-2.0L)).value(), -3.0L);
    EXPECT_EQ((-Ext(2.0L)).value(), -2.0L);
}

TEST(Extended, FaultsRaiseUserErrors)
{
    const std::string inv(quendral::kInvalidOperation);
    const std::string dz(quendral::kDivisionByZero);
    const std::string ov(quendral::kFloatOverflow);
    EXPECT_EQ(errorOf([] { (void)(Ext(0.0L) / Ext(0.0L)); }), inv);
    EXPECT_EQ(errorOf([] { (void)(Ext(1.0L) / Ext(0.0L)); }), dz);
    EXPECT_EQ(errorOf([] { (void)(Ext(-1.0L) / Ext(-0.0L)); }), dz);
    EXPECT_EQ(errorOf([] { (void)(Ext(kMax) * Ext(2.0L)); }), ov);
    EXPECT_EQ(errorOf([] { (void)(Ext(kMax) + Ext(kMax)); }), ov);
    EXPECT_EQ(errorOf([] { (void)(Ext(-kMax) - Ext(kMax)); }), ov);
    EXPECT_EQ(errorOf([] { (void)(Ext(kMax) / Ext(0.5L)); }), ov);
    EXPECT_EQ(errorOf([] { (void)n::sqrt(Ext(-1.0L)); }), inv);
    EXPECT_EQ(errorOf([] { (void)n::sqrt(Ext(-0x1p-16445L)); }), inv);
    EXPECT_EQ(errorOf([] { (void)(Ext(kInf) - Ext(kInf)); }), inv);
    EXPECT_EQ(errorOf([] { (void)(Ext(kInf) * Ext(0.0L)); }), inv);
    EXPECT_EQ(errorOf([] { (void)(Ext(kNaN) + Ext(1.0L)); }), inv);
    EXPECT_EQ(errorOf([] { (void)n::cos(Ext(kInf)); }), inv);
    EXPECT_EQ(errorOf([] { (void)n::arctan(Ext(kNaN)); }), inv);
    EXPECT_EQ(errorOf([] { (void)n::truncate(Ext(kNaN)); }), inv);
}

TEST(Extended, UnderflowDenormalsAndInexactPassSilently)
{
    EXPECT_EQ(errorOf([] { (void)(Ext(0x1p-16000L) * Ext(0x1p-16000L)); }), "<no error>");
    EXPECT_EQ((Ext(0x1p-16000L) * Ext(0x1p-16000L)).value(), 0.0L);
    EXPECT_EQ((Ext(0x1p-16382L) / Ext(4.0L)).value(), 0x1p-16384L);  // denormal result
    EXPECT_EQ((Ext(0x1p-16445L) + Ext(0x1p-16445L)).value(), 0x1p-16444L);
    EXPECT_EQ(errorOf([] { (void)(Ext(1.0L) / Ext(3.0L)); }), "<no error>");
    EXPECT_EQ(n::sqrt(Ext(-0.0L)).value(), 0.0L);
    // An infinity that is already there is no new fault (as on the x87).
    EXPECT_EQ((Ext(kInf) + Ext(1.0L)).value(), kInf);
    EXPECT_EQ((Ext(kInf) / Ext(0.0L)).value(), kInf);
}

TEST(Extended, Functions)
{
    EXPECT_EQ(n::sqrt(Ext(2.25L)).value(), 1.5L);
    EXPECT_EQ(n::sqrt(Ext(2.0L)).value(), std::sqrt(2.0L));
    EXPECT_EQ(n::arctan(Ext(0.0L)).value(), 0.0L);
    EXPECT_NEAR(static_cast<double>(n::arctan(Ext(1.0L)).value()), 0.78539816339744830962, 1e-18);
    EXPECT_NEAR(static_cast<double>(n::arctan(Ext(kInf)).value()), 1.57079632679489661923, 1e-18);
    EXPECT_NEAR(static_cast<double>(n::arctan(Ext(-1e30L)).value()), -1.57079632679489661923, 1e-18);
    EXPECT_EQ(n::cos(Ext(0.0L)).value(), 1.0L);
    EXPECT_NEAR(static_cast<double>(n::cos(Ext(1.0L)).value()), 0.54030230586813971740, 1e-18);
    const long double angle = n::arctan(Ext(150.0L / 280.0L)).value();
    EXPECT_LE(std::fabs(n::cos(Ext(angle)).value() - std::cos(angle)), 0x1p-63L);
    EXPECT_LE(std::fabs(n::arctan(Ext(0.3L)).value() - std::atan(0.3L)), 0x1p-64L);
    EXPECT_NO_THROW((void)n::cos(Ext(1e30L)));  // beyond the instruction's range: library cos
    EXPECT_LE(std::fabs(n::cos(Ext(1e30L)).value()), 1.0L);
}

TEST(Extended, Truncate)
{
    struct Case {
        long double in, out;
    };
    const Case cases[] = {{2.9L, 2.0L},     {-2.9L, -2.0L},  {0.5L, 0.0L},
                          {1e30L, 1e30L},   {-1e-30L, -0.0L}, {123456789.999L, 123456789.0L},
                          {0x1p63L + 1.0L, 0x1p63L + 1.0L}, {0x1p62L + 0.5L, 0x1p62L}};
    for (const Case& c : cases) {
        EXPECT_EQ(n::truncate(Ext(c.in)).value(), c.out);
    }
    EXPECT_TRUE(std::signbit(n::truncate(Ext(-0.3L)).value()));
}

}  // namespace
