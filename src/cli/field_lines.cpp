#include "cli/field_lines.h"

#include "cli/input_error.h"

namespace quendral::cli {

std::string onLine(std::size_t lineNumber, std::string_view message) {
    return "line " + std::to_string(lineNumber) + ": " + std::string(message);
}

std::vector<FieldLine> readFieldLines(std::istream& in) {
    std::vector<FieldLine> lines;
    std::string line;
    for (std::size_t lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (line.ends_with('\r')) line.pop_back();
        if (line.empty() || line.starts_with('#')) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            throw InputError(onLine(lineNumber, "expected NAME=TEXT"));
        }
        lines.push_back({line.substr(0, equals), line.substr(equals + 1), lineNumber});
    }
    if (in.bad()) throw InputError("cannot read the input");
    return lines;
}

}  // namespace quendral::cli
