// Random input through the command line's readers and its JSON writer: a sheet file, a batch
// line, and the result of the sheet written back as JSON, which must always parse. Only the
// input problems of the command line may come out of the readers.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/input_error.h"
#include "cli/json_output.h"
#include "cli/run.h"
#include "cli/sheet_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        quendral::cli::parseJsonSheet(text, 1);
    } catch (const quendral::cli::InputError&) {
    }

    std::istringstream in(text);
    quendral::cli::GivenSheet given;
    try {
        given = quendral::cli::readSheetFile(in);
    } catch (const quendral::cli::InputError&) {
        return 0;
    }
    const quendral::cli::Pick picks[] = {{quendral::engine::Section::MidSpan, text.substr(0, 12)}};
    const quendral::cli::SheetRun run = quendral::cli::runSheet(given, picks, ',');
    std::string out;
    quendral::cli::appendJson(out, run);
    if (!nlohmann::json::accept(out)) std::abort();  // the result must be valid JSON
    return 0;
}
