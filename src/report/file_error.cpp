#include <cerrno>

#include "report/report.h"

namespace quendral::report {

std::string fileErrorText(int errorNumber) {
    switch (errorNumber) {
        case EACCES:
        case EPERM:
        case EISDIR:  // a folder where the report should go cannot be replaced by it
            return "File access denied";
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
            return "Invalid filename";
        case EMFILE:
        case ENFILE:
            return "Too many open files";
        default:
            return "I/O error " + std::to_string(errorNumber);
    }
}

}  // namespace quendral::report
