#include "cli/options.h"

#include "cli/input_error.h"

namespace quendral::cli {

namespace {

Pick parsePick(std::string_view value) {
    const std::size_t equals = value.find('=');
    if (equals == std::string_view::npos) {
        throw InputError("--pick needs NAME=TEXT, got '" + std::string(value) + "'");
    }
    const std::string_view name = value.substr(0, equals);
    const std::string text(value.substr(equals + 1));
    if (name == "ComboBox5") return {engine::Section::MidSpan, text};
    if (name == "ComboBox6") return {engine::Section::Support, text};
    throw InputError("--pick takes ComboBox5 or ComboBox6, not '" + std::string(name) + "'");
}

}  // namespace

Options parseOptions(std::span<const std::string_view> arguments) {
    Options options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!optionsEnded && argument.starts_with("-") && argument != "-") {
            if (argument == "--") {
                optionsEnded = true;
            } else if (argument == "--help" || argument == "-h") {
                options.help = true;
            } else if (argument == "--json") {
                if (options.form == OutputForm::Human) options.form = OutputForm::Json;
            } else if (argument == "--jsonl") {
                options.form = OutputForm::JsonLines;
            } else if (argument == "--pick") {
                if (i + 1 == arguments.size()) throw InputError("--pick needs NAME=TEXT");
                options.picks.push_back(parsePick(arguments[++i]));
            } else if (argument.starts_with("--pick=")) {
                options.picks.push_back(parsePick(argument.substr(7)));
            } else {
                throw InputError("unknown option '" + std::string(argument) + "'");
            }
            continue;
        }
        if (options.file) throw InputError("more than one FILE: '" + std::string(argument) + "'");
        options.file = std::string(argument);
    }
    return options;
}

std::string_view usageText() {
    return R"(Usage: quendral-calc [--json | --jsonl] [--pick NAME=TEXT]... [FILE]

Runs Calculate over one design sheet of a slab-type stair flight and prints the results.

The sheet is read from FILE, or from standard input when FILE is absent or "-", in UTF-8,
one field a line as NAME=TEXT. NAME is the component name of an input field:
  Edit1 tread width (mm)        Edit6  railing weight (kN/m)     ComboBox1 concrete grade (C20)
  Edit2 riser height (mm)       Edit7  finish weight (kN/m^2)    ComboBox2 steel grade (1, 2, 3)
  Edit3 slab thickness (mm)     Edit8  plaster weight (kN/m^2)   ComboBox3 mid-span coefficient
  Edit4 slab width (mm)         Edit9  live load (kN/m^2)        ComboBox4 support coefficient
  Edit5 span (mm)               Edit10 cover (mm)                TBBH      slab mark
TEXT is everything after the first "=" to the end of the line (a trailing CR is dropped),
blanks kept. Empty lines and lines starting with "#" are ignored. Fields not given keep their
start texts (300, 150, 120, 1600, 3200, TB-1, 0.1, 1.0, 0.4, 1.5, C20, 15, 1, 1/10, 0).

The decimal separator of the results and of typed coefficients and arrangements is that of
the locale (LC_ALL, LC_NUMERIC, LANG), "." when it is not a single byte.

Options:
  --json             print one JSON object:
                       {"completed": bool, "error": text or null, "warnings": [texts],
                        "focus": component name or null,
                        "fields": {every field by component name: its text},
                        "items": {"ComboBox5": [...], "ComboBox6": [...]},
                        "hints": {"ComboBox5": text or null, "ComboBox6": text or null},
                        "colours": {"Edit14": n, "ComboBox5": n, "Edit17": n,
                                    "ComboBox6": n}  (255 red, 0 black, null never set),
                        "buttons": {"computer": bool, "Save": bool, "Ptlpj": bool}}
                     "completed" says whether Calculate ran to its end; "error" is the text
                     of the last error box (Calculate or a pick), full stop included.
  --jsonl            batch: every input line is one sheet as a JSON object
                     {"NAME": "TEXT", ...}; every output line is its JSON result, in order.
  --pick NAME=TEXT   after Calculate, set ComboBox5 (mid-span) or ComboBox6 (support) to
                     TEXT as the user's choice and recompute its provided area; repeatable,
                     applied in order.
  -h, --help         print this text.

Without --json the results are printed with their labels and units.

Exit status: 0 when Calculate completed without an error, 1 when it stopped on a warning or
an error (the output still shows what was written), 2 for a usage or input problem (unknown
option or field, unreadable file, malformed line; the message names the line).
)";
}

}  // namespace quendral::cli
