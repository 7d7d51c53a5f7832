// libFuzzer target for the numeric layer.
//
// Input: byte 0 chooses the decimal separator, the rest is the text. The text goes through
// the lenient scan, the strict number parse and the strict integer parse; every value that
// comes out goes through the four formats and the 48-bit store. The first ten bytes of the
// text are also taken as a raw x87 extended bit pattern and formatted. Only UserError may be
// raised; anything else, and any broken invariant, aborts.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "numeric/error.h"
#include "numeric/extended.h"
#include "numeric/format.h"
#include "numeric/internal/decimal.h"
#include "numeric/parse.h"
#include "numeric/real48.h"

namespace n = quendral::numeric;

namespace {

void check(bool ok)
{
    if (!ok) {
        std::abort();
    }
}

template <typename F>
bool allowUserError(F&& f)
{
    try {
        f();
        return true;
    } catch (const quendral::UserError&) {
        return false;
    }
}

void formatAll(long double x, char sep)
{
    const std::string two = n::fixedTwo(x, sep);
    const std::string whole = n::fixedWhole(x, sep);
    const std::string gen = n::general(x, sep);
    const std::string gen7 = n::general(x, 7, sep);
    check(!two.empty() && !whole.empty() && !gen.empty() && !gen7.empty());
    check(two.size() <= 16 && whole.size() <= 16 && gen.size() <= 24);
    (void)allowUserError([&] {
        const n::Real48 r = n::Real48::store(n::Ext(x));
        check(n::Real48::store(r.load()).bytes() == r.bytes());
    });
    if (std::isfinite(x)) {
        // The fast digit generation agrees with the big-integer one.
        const auto fast = n::detail::decimal18(x);
        const auto slow = n::detail::decimal18Slow(x);
        check(fast.digits == slow.digits && fast.exponent == slow.exponent);
        // A general text reads back (strictly) as a value with the same text, unless the
        // separator is one the parse would take for something else.
        const bool plainSeparator = !(sep >= '0' && sep <= '9') && sep != 'E' && sep != 'e' &&
                                    sep != '-' && sep != '+' && sep != ' ';
        if (plainSeparator) {
            const long double back = n::strictNumber(gen, sep);
            check(n::general(back, sep) == gen);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const char sep = static_cast<char>(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    formatAll(n::lenientScan(text), sep);
    formatAll(n::lenientScan(text), '.');

    long double strictValue = 0.0L;
    if (allowUserError([&] { strictValue = n::strictNumber(text, sep); })) {
        check(std::isfinite(strictValue));
        formatAll(strictValue, sep);
    }
    if (allowUserError([&] { strictValue = n::strictNumber(text, '.'); })) {
        check(std::isfinite(strictValue));
    }

    std::int32_t integer = 0;
    if (allowUserError([&] { integer = n::strictInteger(text); })) {
        check(n::strictInteger(n::integerText(integer)) == integer);
    }

    if (text.size() >= 10) {
        long double raw = 0.0L;
        std::memcpy(&raw, text.data(), 10);
        formatAll(raw, sep);
        (void)allowUserError([&] { (void)n::truncate(n::Ext(raw)); });
        (void)allowUserError([&] { (void)(n::Ext(raw) * n::Ext(strictValue)); });
        (void)allowUserError([&] { (void)(n::Ext(strictValue) / n::Ext(raw)); });
        (void)allowUserError([&] { (void)n::sqrt(n::Ext(raw)); });
        (void)allowUserError([&] { (void)n::cos(n::Ext(raw)); });
        (void)allowUserError([&] { (void)n::arctan(n::Ext(raw)); });
    }
    return 0;
}
