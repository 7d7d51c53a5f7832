// quendral-calc: the design engine on the command line (see usageText() in options.cpp).

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/decimal_separator.h"
#include "cli/geometry_output.h"
#include "cli/geometry_run.h"
#include "cli/human_output.h"
#include "cli/input_error.h"
#include "cli/json_output.h"
#include "cli/options.h"
#include "cli/report_output.h"
#include "cli/run.h"
#include "cli/sheet_input.h"
#include "numeric/error.h"

namespace {

using namespace quendral::cli;

constexpr int kSucceeded = 0;
constexpr int kStopped = 1;
constexpr int kInputProblem = 2;

void write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// A message for standard error after everything already printed; written whole, NUL bytes
// included.
void complain(std::string_view message) {
    std::fflush(stdout);
    const std::string line = "quendral-calc: " + std::string(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

// Standard input for no FILE or "-", otherwise the named file.
std::unique_ptr<std::istream, void (*)(std::istream*)> openInput(const Options& options) {
    if (!options.file || *options.file == "-") return {&std::cin, [](std::istream*) {}};
    auto file = std::make_unique<std::ifstream>(*options.file, std::ios::binary);
    if (!file->is_open()) throw InputError("cannot open '" + *options.file + "'");
    return {file.release(), [](std::istream* stream) { delete stream; }};
}

int runOne(const Options& options, std::istream& in, char separator) {
    const SheetRun run = runSheet(readSheetFile(in), options.picks, separator);
    if (options.form == OutputForm::Json) {
        std::string out;
        appendJson(out, run);
        out += '\n';
        write(out);
    } else {
        write(humanReport(run));
    }
    int status = run.succeeded() ? kSucceeded : kStopped;
    if (options.report) {
        try {
            writeReport(run.sheet, *options.report, options.at);
        } catch (const quendral::UserError& error) {
            complain(quendral::errorBoxText(error.message()));
            status = kStopped;
        }
    }
    return status;
}

int runGeometryConversion(const Options& options, std::istream& in, char separator) {
    const GeometryRun run = runGeometry(readGeometryFile(in), separator);
    if (options.form == OutputForm::Json) {
        std::string out;
        appendGeometryJson(out, run);
        out += '\n';
        write(out);
    } else {
        write(geometryHumanReport(run));
    }
    return run.error ? kStopped : kSucceeded;
}

// One result line per input line, written as it comes so a long batch streams.
int runBatch(const Options& options, std::istream& in, char separator) {
    int status = kSucceeded;
    std::string line;
    std::string out;
    for (std::size_t lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (line.ends_with('\r')) line.pop_back();
        GivenSheet given;
        try {
            given = parseJsonSheet(line, lineNumber);
        } catch (const InputError&) {
            write(out);  // the sheets before the bad line keep their results
            throw;
        }
        const SheetRun run = runSheet(given, options.picks, separator);
        if (!run.succeeded()) status = kStopped;
        appendJson(out, run);
        out += '\n';
        if (out.size() > (1 << 16)) {
            write(out);
            out.clear();
        }
    }
    write(out);
    if (in.bad()) throw InputError("cannot read the sheets");
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        const Options options = parseOptions(arguments);
        if (options.help) {
            write(usageText());
            return kSucceeded;
        }
        const char separator = localeDecimalSeparator();
        auto in = openInput(options);
        if (options.geometry) return runGeometryConversion(options, *in, separator);
        return options.form == OutputForm::JsonLines ? runBatch(options, *in, separator)
                                                     : runOne(options, *in, separator);
    } catch (const std::exception& error) {
        complain(error.what());
        return kInputProblem;
    }
}
