#pragma once
// A small unsigned big integer (32-bit limbs, least significant first) for the exact slow
// paths of the number texts and for building the table of powers of ten.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quendral::numeric::detail {

class BigUInt {
public:
    BigUInt() = default;
    explicit BigUInt(std::uint64_t v)
    {
        if (v != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(v));
            if (v >> 32) {
                limbs_.push_back(static_cast<std::uint32_t>(v >> 32));
            }
        }
    }

    bool isZero() const { return limbs_.empty(); }

    void mulSmall(std::uint32_t f)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t t = std::uint64_t{limb} * f + carry;
            limb = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry) {
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        }
        trim();
    }

    // this = floor(this / d); returns the remainder. d > 0.
    std::uint32_t divSmall(std::uint32_t d)
    {
        std::uint64_t rem = 0;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            const std::uint64_t cur = (rem << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(cur / d);
            rem = cur % d;
        }
        trim();
        return static_cast<std::uint32_t>(rem);
    }

    void shiftLeft(std::size_t bits)
    {
        if (limbs_.empty() || bits == 0) {
            return;
        }
        const std::size_t words = bits / 32;
        const unsigned rest = static_cast<unsigned>(bits % 32);
        limbs_.insert(limbs_.begin(), words, 0u);
        if (rest) {
            std::uint32_t carry = 0;
            for (std::size_t i = words; i < limbs_.size(); ++i) {
                const std::uint32_t v = limbs_[i];
                limbs_[i] = (v << rest) | carry;
                carry = v >> (32 - rest);
            }
            if (carry) {
                limbs_.push_back(carry);
            }
        }
    }

    std::size_t bitLength() const
    {
        if (limbs_.empty()) {
            return 0;
        }
        return 32 * (limbs_.size() - 1) + (32 - static_cast<std::size_t>(std::countl_zero(limbs_.back())));
    }

    bool bit(std::size_t i) const
    {
        const std::size_t w = i / 32;
        return w < limbs_.size() && ((limbs_[w] >> (i % 32)) & 1u);
    }

    // Bits [from, from + 64) as a number.
    std::uint64_t bits64(std::size_t from) const
    {
        std::uint64_t r = 0;
        for (int k = 63; k >= 0; --k) {
            r = (r << 1) | (bit(from + static_cast<std::size_t>(k)) ? 1u : 0u);
        }
        return r;
    }

    // Whether any of the bits [0, n) is set.
    bool anyBitBelow(std::size_t n) const
    {
        const std::size_t words = n / 32;
        for (std::size_t w = 0; w < words && w < limbs_.size(); ++w) {
            if (limbs_[w]) {
                return true;
            }
        }
        const unsigned rest = static_cast<unsigned>(n % 32);
        return rest && words < limbs_.size() && (limbs_[words] & ((1u << rest) - 1u));
    }

    // Only for values below 2^64.
    std::uint64_t low64() const
    {
        std::uint64_t r = 0;
        if (limbs_.size() > 0) r |= limbs_[0];
        if (limbs_.size() > 1) r |= std::uint64_t{limbs_[1]} << 32;
        return r;
    }

    std::size_t limbCount() const { return limbs_.size(); }

private:
    void trim()
    {
        while (!limbs_.empty() && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }

    std::vector<std::uint32_t> limbs_;
};

}  // namespace quendral::numeric::detail
