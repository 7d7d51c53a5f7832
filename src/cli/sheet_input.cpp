#include "cli/sheet_input.h"

#include <nlohmann/json.hpp>

#include "cli/field_lines.h"
#include "cli/input_error.h"

namespace quendral::cli {

sheet::Field inputField(std::string_view name, std::size_t lineNumber) {
    const auto field = sheet::fieldByName(name);
    if (!field) throw InputError(onLine(lineNumber, "unknown field '" + std::string(name) + "'"));
    if (sheet::info(*field).kind != sheet::Kind::Input) {
        throw InputError(
            onLine(lineNumber, "'" + std::string(name) + "' is a result, not an input field"));
    }
    return *field;
}

GivenSheet readSheetFile(std::istream& in) {
    GivenSheet sheet;
    for (FieldLine& line : readFieldLines(in)) {
        sheet.push_back({inputField(line.name, line.lineNumber), std::move(line.text)});
    }
    return sheet;
}

namespace {

// Reads one batch line as it is scanned, without building a document: the batch reads a
// hundred thousand of them.
class JsonSheetReader : public nlohmann::json_sax<nlohmann::json> {
public:
    explicit JsonSheetReader(std::size_t lineNumber) : lineNumber_(lineNumber) {}

    GivenSheet take() { return std::move(sheet_); }

    bool null() override { return notText(); }
    bool boolean(bool) override { return notText(); }
    bool number_integer(number_integer_t) override { return notText(); }
    bool number_unsigned(number_unsigned_t) override { return notText(); }
    bool number_float(number_float_t, const string_t&) override { return notText(); }
    bool binary(binary_t&) override { return notText(); }
    bool start_array(std::size_t) override { return notText(); }
    bool end_array() override { return true; }

    bool string(string_t& text) override {
        if (depth_ != 1) return notText();
        sheet_.push_back({field_, std::move(text)});
        return true;
    }
    bool start_object(std::size_t) override {
        if (depth_ != 0) return notText();
        ++depth_;
        return true;
    }
    bool key(string_t& name) override {
        name_ = name;
        field_ = inputField(name, lineNumber_);
        return true;
    }
    bool end_object() override {
        --depth_;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        throw InputError(onLine(lineNumber_, "malformed JSON"));
    }

private:
    bool notText() {
        if (depth_ == 0)
            throw InputError(onLine(lineNumber_, "expected a JSON object of field texts"));
        throw InputError(onLine(lineNumber_, "the text of '" + name_ + "' is not a string"));
    }

    std::size_t lineNumber_;
    int depth_ = 0;
    std::string name_;
    sheet::Field field_ = sheet::Field::Edit1;
    GivenSheet sheet_;
};

}  // namespace

GivenSheet parseJsonSheet(std::string_view line, std::size_t lineNumber) {
    JsonSheetReader reader(lineNumber);
    nlohmann::json::sax_parse(line, &reader);
    return reader.take();
}

}  // namespace quendral::cli
