#pragma once

#include <string>
#include <string_view>

#include "cli/run.h"

namespace quendral::cli {

// Appends the JSON result of one sheet, on one line without the line end:
//   {"completed":true,"error":null,"warnings":[],"focus":null,
//    "fields":{"Edit1":"300",...,"ZZJ":"148.81"},"items":{"ComboBox5":[...],"ComboBox6":[...]},
//    "hints":{"ComboBox5":"...","ComboBox6":"..."},
//    "colours":{"Edit14":0,"ComboBox5":0,"Edit17":0,"ComboBox6":0},
//    "buttons":{"computer":false,"Save":true,"Ptlpj":true}}
// Fields follow the sheet's table order. A hint or colour never set is null, and so is the
// focus when nothing moved it. Texts are written as UTF-8; a byte that is not well-formed
// UTF-8 becomes U+FFFD, so the output is always valid JSON.
void appendJson(std::string& out, const SheetRun& run);

// Appends text as a JSON string, quotes included.
//   "a\"b" -> "\"a\\\"b\""   "\x01" -> "\"\\u0001\""   "\xFF" -> "\"\\ufffd\""
void appendJsonString(std::string& out, std::string_view text);

}  // namespace quendral::cli
