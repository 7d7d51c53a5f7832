#pragma once

#include <array>
#include <cstdint>

#include "numeric/extended.h"

namespace quendral::numeric {

// The six-byte real in which every calculation stores its quantities between steps.
//   byte 0: exponent, biased by 129 (0 means the value is zero)
//   bytes 1..5: 39 fraction bits, least significant first; bit 7 of byte 5 is the sign
// Value: (-1)^sign * (1 + fraction / 2^39) * 2^(exponent - 129).
// Range: 2^-128 (about 2.9E-39) to (2 - 2^-39) * 2^126 (about 1.7E38).
//   Real48::store(0.1L).bytes() == {0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}
//   Real48::store(125).bytes()  == {0x87, 0x00, 0x00, 0x00, 0x00, 0x7A}
class Real48 {
public:
    using Bytes = std::array<std::uint8_t, 6>;

    static constexpr int kExponentBias = 129;
    static constexpr int kFractionBits = 39;
    static constexpr std::uint8_t kSignBit = 0x80;  // in byte 5

    constexpr Real48() = default;

    // Rounds the 64-bit significand to 40 bits, halves away from zero (a carry raises the
    // exponent). A result below 2^-128 in magnitude, zero included, becomes plus zero.
    // Throws UserError kFloatOverflow above the range and for infinities and NaNs.
    static Real48 store(Ext x);

    static constexpr Real48 fromBytes(const Bytes& bytes) { return Real48(bytes); }

    // Exact; an exponent byte of 0 gives plus zero.
    Ext load() const;

    constexpr const Bytes& bytes() const { return bytes_; }

private:
    constexpr explicit Real48(const Bytes& bytes) : bytes_(bytes) {}

    Bytes bytes_{};
};

// The value after a round trip through 48-bit storage, as every stored quantity is used.
//   stored(0.1L).value() == 0.10000000000002274...
inline Ext stored(Ext x) { return Real48::store(x).load(); }

}  // namespace quendral::numeric
