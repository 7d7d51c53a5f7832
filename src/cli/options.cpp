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

std::string parseReportFile(std::string_view value) {
    if (value.empty()) throw InputError("--report needs a FILE name");
    return std::string(value);
}

ReportTime parseAt(std::string_view value) {
    const std::optional<ReportTime> at = parseReportTime(value);
    if (!at) {
        throw InputError("--at needs YYYY-MM-DDTHH:MM:SS (a real date and time), got '" +
                         std::string(value) + "'");
    }
    return *at;
}

template <typename T>
void setOnce(std::optional<T>& slot, T value, std::string_view option) {
    if (slot) throw InputError(std::string(option) + " given twice");
    slot = std::move(value);
}

// Combinations that have no meaning: a batch has no single sheet to report, and the
// geometry dialog has no arrangement lists and no report.
void checkCombinations(const Options& options) {
    if (options.at && !options.report) throw InputError("--at needs --report FILE");
    if (options.report && options.form == OutputForm::JsonLines) {
        throw InputError("--report writes the report of one sheet and cannot go with --jsonl");
    }
    if (!options.geometry) return;
    if (options.form == OutputForm::JsonLines) {
        throw InputError("--geometry cannot go with --jsonl");
    }
    if (!options.picks.empty()) throw InputError("--geometry cannot go with --pick");
    if (options.report) throw InputError("--geometry cannot go with --report");
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
            } else if (argument == "--report") {
                if (i + 1 == arguments.size()) throw InputError("--report needs a FILE name");
                setOnce(options.report, parseReportFile(arguments[++i]), "--report");
            } else if (argument.starts_with("--report=")) {
                setOnce(options.report, parseReportFile(argument.substr(9)), "--report");
            } else if (argument == "--at") {
                if (i + 1 == arguments.size()) throw InputError("--at needs YYYY-MM-DDTHH:MM:SS");
                setOnce(options.at, parseAt(arguments[++i]), "--at");
            } else if (argument.starts_with("--at=")) {
                setOnce(options.at, parseAt(argument.substr(5)), "--at");
            } else if (argument == "--geometry") {
                options.geometry = true;
            } else {
                throw InputError("unknown option '" + std::string(argument) + "'");
            }
            continue;
        }
        if (options.file) throw InputError("more than one FILE: '" + std::string(argument) + "'");
        options.file = std::string(argument);
    }
    if (!options.help) checkCombinations(options);
    return options;
}

std::string_view usageText() {
    return R"(Usage: quendral-calc [--json | --jsonl] [--pick NAME=TEXT]...
                     [--report FILE [--at TIME]] [FILE]
       quendral-calc --geometry [--json] [FILE]

Runs Calculate over one design sheet of a slab-type stair flight and prints the results;
with --report also writes the calculation report. With --geometry runs the conversion of
the flight geometry dialog instead.

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

The decimal separator of the results, of typed coefficients and arrangements and of the
geometry dialog's numbers is that of the locale (LC_ALL, LC_NUMERIC, LANG), "." when it is
not a single byte.

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
  --report FILE      after Calculate and the picks, write the 18-line calculation report to
                     FILE (GBK, CR LF line ends), replacing it only once the whole report is
                     written. The report holds the sheet's texts as they stand: it is written
                     even when Calculate stopped on a warning or an error, and then shows the
                     results as far as they were written (empty where none was) while the
                     exit status is 1. Not with --jsonl. When the file cannot be written, the
                     error box's text goes to standard error (for example "File access
                     denied." or "Invalid filename." for a missing folder), any existing FILE
                     is left as it was, and the exit status is 1.
  --at TIME          the date and time of writing in the report, YYYY-MM-DDTHH:MM:SS, taken
                     as it stands whatever the time zone; without it, the current local time.
                     Both are written in the locale's short date and long time formats
                     (LC_ALL, LC_TIME, LANG); exactly at midnight, the date alone.
  --geometry         read the fields of the geometry dialog instead of a sheet, press its
                     convert button once and print the twelve texts; with --json one object
                       {"error": text or null, "fields": {"Edit1": text, ..., "Edit12": text}}
                     "error" is the text of the error box, full stop included. Not with
                     --jsonl, --pick, --report or --at.
  -h, --help         print this text.

Without --json the results are printed with their labels and units.

Geometry dialog fields (--geometry), given as NAME=TEXT lines by the same rules, with their
start texts in brackets. Results may be given too: a conversion that stops early leaves the
later ones as they were. The steps run in this order, each reading the texts as they stand:
  Edit3  tread count, result [10]                = Edit6 - 1
  Edit1  tread width, mm, result [300]           = Edit2 / Edit3
  Edit4  riser height, mm, result [150]          = Edit5 / Edit6
  Edit8  total run again, mm, result [3000]      = Edit2
  Edit7  span, mm, result [3200]                 = Edit9 + Edit8
  Edit11 span again, mm, result [3500]           = Edit7
  Edit10 slab thickness, mm, result [120]        = round(Edit11 / (10 * Edit12)) * 10
  Edit2  total run, mm [3000]      Edit5 total rise, mm [1650]     Edit6 step count [11]
  Edit9  landing-beam width, mm [200]            Edit12 span-to-thickness ratio [30]
A step that fails stops the conversion; the fields written before it keep their new texts.

Exit status: 0 only when Calculate completed and no error box came up (Calculate, a pick or
writing the report); with --geometry, 0 when the conversion completed. 1 when Calculate
stopped on a warning or an error, a pick or the report failed, or the conversion stopped on
an error (the output still shows what was written). 2 for a usage or input problem (unknown
option or field, malformed --at, unreadable file, malformed line; the message names the
line); no report is then written.
)";
}

}  // namespace quendral::cli
