#pragma once
// Bit-level access to the x87 80-bit extended format (internal to quendral_numeric).

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

namespace quendral::numeric::detail {

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "quendral_numeric needs the x87 80-bit extended long double");

inline constexpr int kExtBias = 16383;

struct ExtBits {
    std::uint64_t significand;   // explicit integer bit at bit 63
    std::uint16_t signExponent;  // bit 15 sign, bits 14..0 biased exponent
};

// Read where x lies, so pass the caller's own object (a parameter's slot) rather than a copy.
// The sign and exponent are read with a 2-byte load on purpose: an x87 store writes bytes 8
// and 9 apart from the others, and the 8-byte load that compilers otherwise use here (the
// value's slot being 16 bytes) reaches past byte 9, so it cannot take the stored bytes on the
// fly and waits for the store to reach the cache (about 6 ns of a 48-bit store and load).
inline ExtBits bitsOf(const long double& x) {
    ExtBits b;
    std::memcpy(&b.significand, &x, 8);
#if defined(__x86_64__) || defined(__i386__)
    // "m"(x) tells the compiler that the instruction reads x, which must be in memory.
    __asm__("movzwl 8(%1), %k0" : "=r"(b.signExponent) : "r"(&x), "m"(x));
#else
    std::memcpy(&b.signExponent, reinterpret_cast<const unsigned char*>(&x) + 8, 2);
#endif
    return b;
}

inline long double fromBits(std::uint64_t significand, std::uint16_t signExponent) {
    unsigned char raw[sizeof(long double)] = {};
    std::memcpy(raw, &significand, 8);
    std::memcpy(raw + 8, &signExponent, 2);
    long double x;
    std::memcpy(&x, raw, sizeof raw);
    return x;
}

// |x| = m * 2^q with m normalised (bit 63 set); only for finite non-zero x.
struct Unpacked {
    bool negative;
    std::uint64_t m;
    int q;
};

inline Unpacked unpackFinite(const long double& x) {
    const ExtBits b = bitsOf(x);
    const int biased = b.signExponent & 0x7FFF;
    Unpacked u{(b.signExponent & 0x8000) != 0, b.significand,
               (biased == 0 ? 1 : biased) - kExtBias - 63};
    if (u.m != 0 && (u.m >> 63) == 0) {  // denormal (or unnormal): normalise
        const int lz = std::countl_zero(u.m);
        u.m <<= lz;
        u.q -= lz;
    }
    return u;
}

}  // namespace quendral::numeric::detail
