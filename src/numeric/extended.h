#pragma once

#include <compare>

namespace quendral::numeric {

// An x87 extended value (64-bit significand) whose arithmetic raises the user's errors
// instead of producing infinities or NaNs:
//   invalid operation (0/0, square root of a negative) -> UserError kInvalidOperation
//   a non-zero number divided by zero                 -> UserError kDivisionByZero
//   a result beyond the extended range                -> UserError kFloatOverflow
// Underflow, denormals and inexact results pass silently. Each operation rounds to nearest,
// ties to even, exactly as the hardware does; faults are found by checking results, never
// through signals. A NaN operand counts as an invalid operation; an infinite operand (which
// only an absurd lenientScan text can give) yields an infinity without a fault, as on the x87.
class Ext {
public:
    constexpr Ext() = default;
    constexpr Ext(long double value) : value_(value) {}  // NOLINT: implicit by design

    constexpr long double value() const { return value_; }

    friend Ext operator+(Ext a, Ext b);
    friend Ext operator-(Ext a, Ext b);
    friend Ext operator*(Ext a, Ext b);
    friend Ext operator/(Ext a, Ext b);
    friend Ext operator-(Ext a) { return Ext(-a.value_); }

    friend constexpr bool operator==(Ext a, Ext b) { return a.value_ == b.value_; }
    friend constexpr auto operator<=>(Ext a, Ext b) { return a.value_ <=> b.value_; }

private:
    long double value_ = 0.0L;
};

Ext sqrt(Ext x);    // kInvalidOperation for x < 0 (sqrt(-0) is -0)
Ext arctan(Ext x);  // principal value, radians (the x87 FPATAN instruction)
Ext cos(Ext x);     // the x87 FCOS instruction below 2^63; kInvalidOperation for infinities

// Whole part toward zero, still a real: truncate(2.9) == 2, truncate(-2.9) == -2.
// kInvalidOperation for a NaN.
Ext truncate(Ext x);

}  // namespace quendral::numeric
