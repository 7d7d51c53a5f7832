#include "numeric/real48.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <string>
#include <type_traits>

#include "numeric/error.h"
#include "numeric/internal/x87.h"

namespace quendral::numeric {

Real48 Real48::store(Ext x) {
    // The bits are read from x's own slot (where the caller has just stored it), not from a
    // copy: Ext is a standard-layout wrapper of its long double.
    static_assert(std::is_standard_layout_v<Ext> && sizeof(Ext) == sizeof(long double));
    const detail::ExtBits bits = detail::bitsOf(*reinterpret_cast<const long double*>(&x));
    const int biased = bits.signExponent & 0x7FFF;
    if (biased == 0x7FFF) {  // infinity or NaN
        throw UserError(std::string(kFloatOverflow));
    }
    std::uint64_t m = bits.significand;
    if (biased == 0 || (m >> 63) == 0) {
        // Zero, an extended denormal (far below 2^-128) or an unnormal encoding: plus zero.
        return Real48();
    }
    // Step 1: keep the top 40 bits, add the 41st; a carry out raises the exponent.
    std::uint64_t top = m >> 24;
    top += (m >> 23) & 1;
    int unbiased = biased - detail::kExtBias;
    if (top >> 40) {
        top >>= 1;
        ++unbiased;
    }
    // Step 2: below the range (zero included) gives six zero bytes.
    const int e = unbiased + kExponentBias;
    if (e <= 0) {
        return Real48();
    }
    // Step 3.
    if (e > 255) {
        throw UserError(std::string(kFloatOverflow));
    }
    const std::uint64_t fraction = top & ((std::uint64_t{1} << kFractionBits) - 1);
    // Byte 0 the exponent, bytes 1..5 the fraction, least significant first, and the sign.
    const std::uint64_t packed = static_cast<std::uint64_t>(e) | (fraction << 8) |
                                 (static_cast<std::uint64_t>(bits.signExponent >> 15) << 47);
    static_assert(std::endian::native == std::endian::little);
    Bytes b;
    std::memcpy(b.data(), &packed, b.size());
    return Real48(b);
}

Ext Real48::load() const {
    const int e = bytes_[0];
    if (e == 0) {
        return Ext(0.0L);
    }
    std::uint64_t fraction = bytes_[5] & 0x7F;
    for (int i = 3; i >= 0; --i) {
        fraction = (fraction << 8) | bytes_[1 + i];
    }
    const std::uint64_t significand = (std::uint64_t{1} << 63) | (fraction << 24);
    const int biased = e - kExponentBias + detail::kExtBias;
    const std::uint16_t signExponent =
        static_cast<std::uint16_t>(biased | ((bytes_[5] & kSignBit) ? 0x8000 : 0));
    return Ext(detail::fromBits(significand, signExponent));
}

}  // namespace quendral::numeric
