#pragma once
// A small unsigned big integer (64-bit limbs, least significant first) for the exact slow
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
            limbs_.push_back(v);
        }
    }

    bool isZero() const { return limbs_.empty(); }

    void mulSmall(std::uint64_t f)
    {
        __extension__ typedef unsigned __int128 u128;
        std::uint64_t carry = 0;
        for (std::uint64_t& limb : limbs_) {
            const u128 t = static_cast<u128>(limb) * f + carry;
            limb = static_cast<std::uint64_t>(t);
            carry = static_cast<std::uint64_t>(t >> 64);
        }
        if (carry) {
            limbs_.push_back(carry);
        }
        trim();
    }

    // this *= 5^k
    void mulPow5(int k)
    {
        constexpr std::uint64_t kFive27 = 7450580596923828125ULL;
        for (; k >= 27; k -= 27) {
            mulSmall(kFive27);
        }
        std::uint64_t f = 1;
        for (; k > 0; --k) {
            f *= 5;
        }
        mulSmall(f);
    }

    void shiftLeft(std::size_t bits)
    {
        if (limbs_.empty() || bits == 0) {
            return;
        }
        const std::size_t words = bits / 64;
        const unsigned rest = static_cast<unsigned>(bits % 64);
        if (rest) {
            std::uint64_t carry = 0;
            for (std::uint64_t& limb : limbs_) {
                const std::uint64_t v = limb;
                limb = (v << rest) | carry;
                carry = v >> (64 - rest);
            }
            if (carry) {
                limbs_.push_back(carry);
            }
        }
        limbs_.insert(limbs_.begin(), words, 0u);
    }

    std::size_t bitLength() const
    {
        if (limbs_.empty()) {
            return 0;
        }
        return 64 * (limbs_.size() - 1) +
               (64 - static_cast<std::size_t>(std::countl_zero(limbs_.back())));
    }

    bool bit(std::size_t i) const
    {
        const std::size_t w = i / 64;
        return w < limbs_.size() && ((limbs_[w] >> (i % 64)) & 1u);
    }

    // Bits [from, from + 64) as a number.
    std::uint64_t bits64(std::size_t from) const
    {
        const std::size_t w = from / 64;
        const unsigned r = static_cast<unsigned>(from % 64);
        const std::uint64_t lo = limb(w);
        if (r == 0) {
            return lo;
        }
        return (lo >> r) | (limb(w + 1) << (64 - r));
    }

    // Whether any of the bits [0, n) is set.
    bool anyBitBelow(std::size_t n) const
    {
        const std::size_t words = n / 64;
        for (std::size_t w = 0; w < words && w < limbs_.size(); ++w) {
            if (limbs_[w]) {
                return true;
            }
        }
        const unsigned rest = static_cast<unsigned>(n % 64);
        return rest && words < limbs_.size() && (limbs_[words] & ((std::uint64_t{1} << rest) - 1));
    }

    // -1, 0, 1 as a <, ==, > b.
    static int compare(const BigUInt& a, const BigUInt& b)
    {
        if (a.limbs_.size() != b.limbs_.size()) {
            return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        }
        for (std::size_t i = a.limbs_.size(); i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i]) {
                return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
            }
        }
        return 0;
    }

    // this -= b; requires this >= b.
    void subtract(const BigUInt& b)
    {
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint64_t bi = i < b.limbs_.size() ? b.limbs_[i] : 0;
            const std::uint64_t d = limbs_[i] - bi;
            const std::uint64_t d2 = d - borrow;
            borrow = (limbs_[i] < bi || d < borrow) ? 1 : 0;
            limbs_[i] = d2;
        }
        trim();
    }

    std::uint64_t limb(std::size_t i) const { return i < limbs_.size() ? limbs_[i] : 0; }

private:
    void trim()
    {
        while (!limbs_.empty() && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }

    std::vector<std::uint64_t> limbs_;
};

}  // namespace quendral::numeric::detail
