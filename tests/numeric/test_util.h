#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "numeric/error.h"

namespace quendral::numeric::test {

// The message of the UserError that f raises, or "<no error>".
inline std::string errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const UserError& e) {
        return e.message();
    }
    return "<no error>";
}

inline std::string hexOf(long double x)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%La", x);
    return buf;
}

}  // namespace quendral::numeric::test
