#include "cli/sheet_input.h"

#include <nlohmann/json.hpp>

#include "cli/input_error.h"

namespace quendral::cli {

namespace {

std::string onLine(std::size_t lineNumber, std::string_view message) {
    return "line " + std::to_string(lineNumber) + ": " + std::string(message);
}

}  // namespace

sheet::Field inputField(std::string_view name, std::size_t lineNumber) {
    const auto field = sheet::fieldByName(name);
    if (!field) throw InputError(onLine(lineNumber, "unknown field '" + std::string(name) + "'"));
    if (sheet::info(*field).kind != sheet::Kind::Input) {
        throw InputError(
            onLine(lineNumber, "'" + std::string(name) + "' is a result, not an input field"));
    }
    return *field;
}

GivenSheet readSheetFile(std::istream& in) {
    GivenSheet sheet;
    std::string line;
    for (std::size_t lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (line.ends_with('\r')) line.pop_back();
        if (line.empty() || line.starts_with('#')) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            throw InputError(onLine(lineNumber, "expected NAME=TEXT"));
        }
        const sheet::Field field = inputField(std::string_view(line).substr(0, equals), lineNumber);
        sheet.push_back({field, line.substr(equals + 1)});
    }
    if (in.bad()) throw InputError("cannot read the sheet");
    return sheet;
}

GivenSheet parseJsonSheet(std::string_view line, std::size_t lineNumber) {
    const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
    if (object.is_discarded()) throw InputError(onLine(lineNumber, "malformed JSON"));
    if (!object.is_object()) {
        throw InputError(onLine(lineNumber, "expected a JSON object of field texts"));
    }
    GivenSheet sheet;
    sheet.reserve(object.size());
    for (const auto& [name, value] : object.items()) {
        const sheet::Field field = inputField(name, lineNumber);
        if (!value.is_string()) {
            throw InputError(onLine(lineNumber, "the text of '" + name + "' is not a string"));
        }
        sheet.push_back({field, value.get<std::string>()});
    }
    return sheet;
}

}  // namespace quendral::cli
