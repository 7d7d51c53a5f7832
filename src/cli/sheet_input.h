#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/fields.h"

namespace quendral::cli {

// One input text of a sheet as given on the command line's input.
struct GivenText {
    sheet::Field field;
    std::string text;
};
using GivenSheet = std::vector<GivenText>;

// The input field named `name`: Edit1 .. Edit10, TBBH, ComboBox1 .. ComboBox4.
// Throws InputError "line <n>: ..." for a result field or an unknown name.
sheet::Field inputField(std::string_view name, std::size_t lineNumber);

// A sheet file: one NAME=TEXT a line, TEXT everything after the first "=" (a trailing CR
// dropped, blanks kept); empty lines and lines starting with "#" ignored; a UTF-8 byte-order
// mark before the first line is skipped.
//   "Edit5=3600\n# note\nComboBox3= 1/10\r\n" -> {{Edit5, "3600"}, {ComboBox3, " 1/10"}}
// Throws InputError naming the line for a line without "=" and for a name inputField rejects.
GivenSheet readSheetFile(std::istream& in);

// One line of a batch: a JSON object whose members are input fields with string values.
//   R"({"Edit3": "64", "ComboBox1": "C25"})" -> {{Edit3, "64"}, {ComboBox1, "C25"}}
// Throws InputError naming the line for malformed JSON, anything but an object of strings,
// and a name inputField rejects.
GivenSheet parseJsonSheet(std::string_view line, std::size_t lineNumber);

}  // namespace quendral::cli
