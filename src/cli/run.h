#pragma once

#include <optional>
#include <span>
#include <string>

#include "cli/options.h"
#include "cli/sheet_input.h"
#include "sheet/memory_sheet.h"

namespace quendral::cli {

// What one sheet came to: the sheet after the command with everything done to it, whether
// Calculate ran to its end, and the error box of the run, if any.
struct SheetRun {
    sheet::MemorySheet sheet;
    bool completed = false;
    // The text of the last error box (Calculate or a pick), full stop rule applied.
    std::optional<std::string> error;

    // Calculate completed and nothing raised an error.
    bool succeeded() const { return completed && !error; }
};

// A fresh sheet with the given texts in place of the start texts (no change handlers run),
// then Calculate, then each pick in order: the list's text is set and its change handler
// runs. An error ends the step it happens in, as in the window; the picks still follow.
//   {} -> completed, Edit14 "555.42", ComboBox5 "d10@140"
//   {} with pick ComboBox5=d12@200 -> KZJ "565.49"
SheetRun runSheet(const GivenSheet& given, std::span<const Pick> picks, char decimalSeparator);

}  // namespace quendral::cli
