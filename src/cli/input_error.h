#pragma once

#include <stdexcept>

namespace quendral::cli {

// A problem with how the command was called or with its input file: unknown option or field
// name, unreadable file, malformed line. Ends the program with status 2; what() is the
// message for standard error, naming the line where there is one.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quendral::cli
