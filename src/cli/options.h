#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
    std::optional<std::string> file;  // nullopt or "-": standard input
    bool help = false;
};

// Reads the arguments after the program name.
//   {"--json", "--pick", "ComboBox5=d12@200", "sheet.txt"}
//     -> {Json, {{MidSpan, "d12@200"}}, "sheet.txt"}
//   "--pick=ComboBox6=d6@190" is the same as "--pick" "ComboBox6=d6@190".
// Throws InputError for an unknown option, a missing or malformed --pick value, a --pick of
// any field but ComboBox5 or ComboBox6, and a second FILE.
Options parseOptions(std::span<const std::string_view> arguments);

// The text that --help prints.
std::string_view usageText();

}  // namespace quendral::cli
