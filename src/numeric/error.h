#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quendral {

// Every failure that reaches the user: a parse that rejects a text, an arithmetic fault,
// a file that cannot be written. what() is the message as the error box shows it before
// errorBoxText() adds its full stop.
//
// The message may hold any bytes, NUL included (a parse puts the whole rejected text in it):
// message() gives all of it, while what() stops at the first NUL byte.
class UserError : public std::runtime_error {
public:
    explicit UserError(const std::string& message)
        : std::runtime_error(message), message_(std::make_shared<const std::string>(message))
    {
    }
    explicit UserError(const char* message) : UserError(std::string(message)) {}

    const std::string& message() const noexcept { return *message_; }

private:
    std::shared_ptr<const std::string> message_;  // shared: copying an exception never throws
};

// Messages of the arithmetic faults.
inline constexpr std::string_view kInvalidOperation = "Invalid floating point operation";
inline constexpr std::string_view kDivisionByZero = "Floating point division by zero";
inline constexpr std::string_view kFloatOverflow = "Floating point overflow";

// The text of the error box for a message: a full stop is appended when the message is not
// empty and its last byte sorts after "." (so any multi-byte character gets one, while a
// message ending in ".", a blank or ")" does not).
//   errorBoxText("Floating point overflow") -> "Floating point overflow."
//   errorBoxText("I/O error 28)")           -> "I/O error 28)"
//   errorBoxText("")                        -> ""
std::string errorBoxText(std::string_view message);

}  // namespace quendral
