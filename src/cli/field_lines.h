#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace quendral::cli {

// One NAME=TEXT line of an input file, with its line number for messages.
struct FieldLine {
    std::string name;
    std::string text;
    std::size_t lineNumber = 0;
};

// The NAME=TEXT lines of a design sheet or of the geometry dialog: TEXT is everything after
// the first "=" (a trailing CR dropped, blanks kept); empty lines and lines starting with "#"
// are ignored; a UTF-8 byte-order mark before the first line is skipped. Names are not
// checked here.
//   "Edit5=3600\n# note\n\nComboBox3= 1/10\r\n"
//     -> {{"Edit5", "3600", 1}, {"ComboBox3", " 1/10", 4}}
// Throws InputError "line <n>: expected NAME=TEXT" for a line without "=", and
// "cannot read the input" when the stream fails.
std::vector<FieldLine> readFieldLines(std::istream& in);

// A message about one input line.
//   onLine(3, "malformed JSON") -> "line 3: malformed JSON"
std::string onLine(std::size_t lineNumber, std::string_view message);

}  // namespace quendral::cli
