#include "cli/json_output.h"

#include <array>
#include <cstddef>
#include <optional>

namespace quendral::cli {

using sheet::Command;
using sheet::Field;

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// Bytes of the well-formed UTF-8 sequence at text[at], or 0 when there is none.
std::size_t utf8SequenceSize(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t size = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + size > text.size()) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < size; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
    }
    return size;
}

// Keys are the program's own names (component names, result members): nothing to escape.
void appendKey(std::string& out, std::string_view key) {
    out += '"';
    out += key;
    out += "\":";
}

void appendOptionalString(std::string& out, const std::optional<std::string>& text) {
    if (text) {
        appendJsonString(out, *text);
    } else {
        out += "null";
    }
}

void appendStrings(std::string& out, const std::vector<std::string>& texts) {
    out += '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) out += ',';
        appendJsonString(out, texts[i]);
    }
    out += ']';
}

void appendBool(std::string& out, bool value) { out += value ? "true" : "false"; }

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    // Printable ASCII other than the quote and the backslash is copied as it stands, in runs.
    static constexpr auto kPlain = [] {
        std::array<bool, 256> plain{};
        for (int c = 0x20; c < 0x7F; ++c) plain[c] = c != '"' && c != '\\';
        return plain;
    }();
    out += '"';
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t runStart = at;
        while (at < text.size() && kPlain[static_cast<unsigned char>(text[at])]) ++at;
        out.append(text, runStart, at - runStart);
        if (at == text.size()) break;
        const auto c = static_cast<unsigned char>(text[at]);
        if (c >= 0x80) {
            const std::size_t size = utf8SequenceSize(text, at);
            if (size == 0) {
                out += "\\ufffd";
                ++at;
            } else {
                out.append(text, at, size);
                at += size;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += "\\u00";
                out += kHexDigits[c >> 4];
                out += kHexDigits[c & 0xF];
        }
        ++at;
    }
    out += '"';
}

void appendJson(std::string& out, const SheetRun& run) {
    const sheet::MemorySheet& sheet = run.sheet;
    out += '{';
    appendKey(out, "completed");
    appendBool(out, run.completed);
    out += ',';
    appendKey(out, "error");
    appendOptionalString(out, run.error);
    out += ',';
    appendKey(out, "warnings");
    appendStrings(out, sheet.warnings());
    out += ',';
    appendKey(out, "focus");
    if (sheet.focusMoves().empty()) {
        out += "null";
    } else {
        appendJsonString(out, sheet::name(sheet.focusMoves().back()));
    }

    out += ",\"fields\":{";
    bool first = true;
    for (const sheet::FieldInfo& row : sheet::fields()) {
        if (!first) out += ',';
        first = false;
        appendKey(out, row.name);
        appendJsonString(out, sheet.text(row.field));
    }
    out += "},\"items\":{";
    appendKey(out, "ComboBox5");
    appendStrings(out, sheet.items(Field::ComboBox5));
    out += ',';
    appendKey(out, "ComboBox6");
    appendStrings(out, sheet.items(Field::ComboBox6));
    out += "},\"hints\":{";
    appendKey(out, "ComboBox5");
    appendOptionalString(out, sheet.hint(Field::ComboBox5));
    out += ',';
    appendKey(out, "ComboBox6");
    appendOptionalString(out, sheet.hint(Field::ComboBox6));

    out += "},\"colours\":{";
    constexpr std::array kColoured{Field::Edit14, Field::ComboBox5, Field::Edit17,
                                   Field::ComboBox6};
    first = true;
    for (const Field field : kColoured) {
        if (!first) out += ',';
        first = false;
        appendKey(out, sheet::name(field));
        const std::optional<int> colour = sheet.colour(field);
        out += colour ? std::to_string(*colour) : "null";
    }
    out += "},\"buttons\":{";
    constexpr std::array kCommands{Command::computer, Command::Save, Command::Ptlpj};
    first = true;
    for (const Command command : kCommands) {
        if (!first) out += ',';
        first = false;
        appendKey(out, sheet::commandName(command));
        appendBool(out, sheet.enabled(command));
    }
    out += "}}";
}

}  // namespace quendral::cli
