#include "numeric/extended.h"

#include <cmath>
#include <string>

#include "numeric/error.h"

namespace quendral::numeric {

namespace {

[[noreturn]] void raise(std::string_view message)
{
    throw UserError(std::string(message));
}

// Faults are found by looking at operands and result: a NaN result is an invalid operation
// (the operands being NaN included), an infinite result from finite operands is an overflow.
// An infinite operand gives an infinite result without a fault, as on the x87.
Ext checked(long double r, long double a, long double b)
{
    if (std::isnan(r)) {
        raise(kInvalidOperation);
    }
    if (std::isinf(r) && std::isfinite(a) && std::isfinite(b)) {
        raise(kFloatOverflow);
    }
    return Ext(r);
}

Ext checkedUnary(long double r, long double a)
{
    return checked(r, a, 0.0L);
}

#if defined(__x86_64__) || defined(__i386__)
// The x87 instructions themselves, so that arctangent and cosine round as the hardware does.
long double x87Fpatan(long double y, long double x)  // atan(y / x)
{
    long double r;
    __asm__("fpatan" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
    return r;
}

long double x87Fcos(long double x)  // only for |x| < 2^63
{
    long double r;
    __asm__("fcos" : "=t"(r) : "0"(x));
    return r;
}
#endif

}  // namespace

Ext operator+(Ext a, Ext b)
{
    const long double r = a.value() + b.value();
    return checked(r, a.value(), b.value());
}

Ext operator-(Ext a, Ext b)
{
    const long double r = a.value() - b.value();
    return checked(r, a.value(), b.value());
}

Ext operator*(Ext a, Ext b)
{
    const long double r = a.value() * b.value();
    return checked(r, a.value(), b.value());
}

Ext operator/(Ext a, Ext b)
{
    const long double x = a.value();
    const long double y = b.value();
    if (y == 0.0L) {
        if (x == 0.0L || std::isnan(x)) {
            raise(kInvalidOperation);
        }
        if (std::isfinite(x)) {
            raise(kDivisionByZero);
        }
        // An infinity divided by zero is an infinity, without a fault.
    }
    const long double r = x / y;
    return checked(r, x, y);
}

Ext sqrt(Ext x)
{
    const long double v = x.value();
    if (std::isnan(v) || v < 0.0L) {
        raise(kInvalidOperation);
    }
    return Ext(std::sqrt(v));  // sqrt(-0) is -0
}

Ext arctan(Ext x)
{
    const long double v = x.value();
    if (std::isnan(v)) {
        raise(kInvalidOperation);
    }
#if defined(__x86_64__) || defined(__i386__)
    return Ext(x87Fpatan(v, 1.0L));
#else
    return Ext(std::atan(v));
#endif
}

Ext cos(Ext x)
{
    const long double v = x.value();
    if (!std::isfinite(v)) {
        raise(kInvalidOperation);
    }
#if defined(__x86_64__) || defined(__i386__)
    if (std::fabs(v) < 0x1p63L) {
        return checkedUnary(x87Fcos(v), v);
    }
#endif
    return checkedUnary(std::cos(v), v);
}

Ext truncate(Ext x)
{
    const long double v = x.value();
    if (std::isnan(v)) {
        raise(kInvalidOperation);
    }
    return Ext(std::trunc(v));
}

}  // namespace quendral::numeric
