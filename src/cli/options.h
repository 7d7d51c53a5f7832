#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/report_output.h"
#include "engine/arrangement.h"

namespace quendral::cli {

// An arrangement the user chooses after Calculate: the list's text becomes `text` and its
// change handler runs.
struct Pick {
    engine::Section section;
    std::string text;
};

enum class OutputForm { Human, Json, JsonLines };

struct Options {
    OutputForm form = OutputForm::Human;
    std::vector<Pick> picks;
    std::optional<std::string> report;  // the report file to write after the picks
    std::optional<ReportTime> at;       // its date and time of writing; nullopt: now
    bool geometry = false;              // the geometry dialog's conversion, not the sheet
    std::optional<std::string> file;    // nullopt or "-": standard input
    bool help = false;
};

// Reads the arguments after the program name.
//   {"--json", "--pick", "ComboBox5=d12@200", "sheet.txt"}
//     -> {Json, {{MidSpan, "d12@200"}}, "sheet.txt"}
//   {"--report", "TB-1.txt", "--at", "2001-05-08T14:05:30"}
//     -> report "TB-1.txt", at {2001, 5, 8, 14, 5, 30}
//   {"--geometry", "--json", "dialog.txt"} -> geometry, Json, "dialog.txt"
//   "--pick=ComboBox6=d6@190" is the same as "--pick" "ComboBox6=d6@190"; likewise
//   "--report=FILE" and "--at=TIME".
// Throws InputError for an unknown option, a missing or malformed --pick value, a --pick of
// any field but ComboBox5 or ComboBox6, a missing or empty --report FILE, a --report or --at
// given twice, an --at that parseReportTime rejects or that comes without --report, --report
// with --jsonl, --geometry with --jsonl, --pick, --report or --at, and a second FILE.
Options parseOptions(std::span<const std::string_view> arguments);

// The text that --help prints.
std::string_view usageText();

}  // namespace quendral::cli
