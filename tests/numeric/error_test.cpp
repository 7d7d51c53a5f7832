#include "numeric/error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using quendral::errorBoxText;

struct BoxCase {
    std::string message;
    std::string box;
};

TEST(ErrorBoxText, FullStopRule)
{
    const BoxCase cases[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"'' is not a valid floating point value", "'' is not a valid floating point value."},
        {"I/O error 28)", "I/O error 28)"},
        {"", ""},
        {"ends with a stop.", "ends with a stop."},
        {"ends with a blank ", "ends with a blank "},
        {"ends with a slash/", "ends with a slash/."},  // '/' (0x2F) sorts after '.' (0x2E)
        {"ends with a hyphen-", "ends with a hyphen-"},  // '-' (0x2D) does not
        {"9", "9."},
        {std::string("\xD6\xD0", 2), std::string("\xD6\xD0.", 3)},  // a GBK character
        {std::string("\x80", 1), std::string("\x80.", 2)},
        {std::string("a\0", 2), std::string("a\0", 2)},
    };
    for (const BoxCase& c : cases) {
        EXPECT_EQ(errorBoxText(c.message), c.box) << c.message;
    }
}

TEST(UserError, CarriesItsMessage)
{
    const quendral::UserError e("text");
    EXPECT_STREQ(e.what(), "text");
    EXPECT_EQ(quendral::kInvalidOperation, "Invalid floating point operation");
    EXPECT_EQ(quendral::kDivisionByZero, "Floating point division by zero");
    EXPECT_EQ(quendral::kFloatOverflow, "Floating point overflow");
}

}  // namespace
