#pragma once

#include <cstdint>
#include <string_view>

namespace quendral::numeric {

// Reads the numeric inputs of the design sheet. Never fails; whatever does not fit ends the
// scan. A well-formed text ([blanks][sign]digits[.digits][(E|e)[sign]digits], nothing after;
// at least one digit before or after the point) gives its value; anything else gives the
// digits read before the first misfit run together as a whole number, without sign, point
// or exponent. The point is always ".".
// Each digit is accumulated as value * 10 + digit in extended precision; the result is that
// value times 10^k (k = exponent - digits after the point), by one multiplication by the
// correctly rounded extended 10^k, or one division by 10^-k when k < 0. Only when 10^-k is
// beyond the extended range is the division done in steps (to reach denormal results).
//   lenientScan("300") -> 300      lenientScan(" 0.4") -> 0.4   lenientScan("1e2") -> 100
//   lenientScan("1.5 ") -> 15      lenientScan("-2x")  -> 2     lenientScan("1e5x") -> 1
//   lenientScan("abc") -> 0        lenientScan("")     -> 0
// The result may be an infinity for absurdly long texts; storing it then overflows.
long double lenientScan(std::string_view text);

// Strict reading of a real: [blanks][sign](digits[sep digits] | sep digits | sep)
// [(E|e)[sign][digits]][blanks]. Exponent digits are read only until their value reaches 500.
// The digits are accumulated and scaled as in lenientScan (with decimalSeparator for the
// point). Throws UserError "'<text>' is not a valid floating point value" with the whole
// text, and for a value beyond the extended range (also when the digits alone, before the
// scaling, are beyond it); one too small for it becomes 0 (denormals stay denormals).
// Exponent digits not read (from the one that brings the value to 500 on) make the text
// fail: "1E500" reads, "1E5000" and "1E-5000" fail, "1E-4999" gives 0.
//   strictNumber(" 1.5 ", '.') -> 1.5   strictNumber("+.5", '.') -> 0.5
//   strictNumber(".", '.') -> 0         strictNumber("1E", '.') -> 1
//   strictNumber("1/10", '.') throws    strictNumber("1.5", ',') throws
long double strictNumber(std::string_view text, char decimalSeparator);

// Strict reading of a 32-bit integer: [blanks][sign]digits, or [blanks]$hexdigits taken as a
// 32-bit pattern. Nothing may follow, not even a blank.
// Throws UserError "'<text>' is not a valid integer value" with the whole text.
//   strictInteger(" -7") -> -7   strictInteger("$1A") -> 26   strictInteger("$FFFFFFFF") -> -1
//   strictInteger("2147483648") throws   strictInteger("20 ") throws
std::int32_t strictInteger(std::string_view text);

}  // namespace quendral::numeric
