#pragma once

#include <cstdint>
#include <string>

namespace quendral::numeric {

// Number texts. Digits are judged on the exact binary value: its 18 most significant decimal
// digits (rounded to nearest) are rounded again to the digits shown, halves away from zero.
// No grouping separator is ever written; decimalSeparator is one byte, "." in most locales.
// An exact tie at the 18th digit goes to the even digit. Infinities and NaNs, which the
// checked arithmetic never produces, are written "INF", "-INF" and "NAN".

// Fixed with two decimals (7 significant digits at most); 10^7 and more in magnitude (after
// rounding) falls back to the general form with 7 digits. A negative value keeps its sign,
// even when it shows as "-0.00", unless it lies below 10^-3 in magnitude (E + 2 < 0, judged
// on its 18-digit rounding), which gives "0.00".
//   fixedTwo(0.125)        -> "0.13"      fixedTwo(-0.004)      -> "-0.00"
//   fixedTwo(-0.0004)      -> "0.00"      fixedTwo(123456.789)  -> "123456.80"
//   fixedTwo(9999999.996)  -> "1E7"       fixedTwo(12345678)    -> "1.234568E7"
std::string fixedTwo(long double x, char decimalSeparator);

// Fixed with no decimals (7 significant digits at most); the sign is dropped below 10^-1.
//   fixedWhole(2.5) -> "3"   fixedWhole(-0.4) -> "-0"   fixedWhole(-0.04) -> "0"
std::string fixedWhole(long double x, char decimalSeparator);

// General form, 15 significant digits; exponent form when the decimal exponent E
// (10^(E-1) <= |x| < 10^E) is above 15 or below -3.
//   general(1880) -> "1880"   general(1.0L/3) -> "0.333333333333333"
//   general(1e15) -> "1E15"   general(0.00001) -> "1E-5"   general(-2.5) -> "-2.5"
std::string general(long double x, char decimalSeparator);

// general() with a chosen number of significant digits (fixedTwo's fallback uses 7), taken
// as 1 below 1 and as 18 above 18; the exponent form starts above that many digits.
std::string general(long double x, int significantDigits, char decimalSeparator);

// Decimal digits, "-" when negative, no grouping: integerText(-2147483647 - 1) -> "-2147483648".
std::string integerText(std::int32_t n);

}  // namespace quendral::numeric
