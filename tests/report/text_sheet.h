#pragma once

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "sheet/sheet.h"

namespace quendral::report::testing {

// A design sheet that only holds texts: what the report reads.
class TextSheet : public sheet::Sheet {
public:
    using Texts = std::map<sheet::Field, std::string>;
    explicit TextSheet(Texts texts) : texts_(std::move(texts)) {}

    std::string text(sheet::Field field) const override {
        const auto found = texts_.find(field);
        return found == texts_.end() ? std::string() : found->second;
    }
    void setText(sheet::Field field, std::string_view text) override {
        texts_[field] = std::string(text);
    }
    void clearItems(sheet::Field) override {}
    void addItem(sheet::Field, std::string_view) override {}
    void setHint(sheet::Field, std::string_view) override {}
    void setColour(sheet::Field, int) override {}
    void setFocus(sheet::Field) override {}
    void setEnabled(sheet::Command, bool) override {}
    void warn(std::string_view) override {}

private:
    Texts texts_;
};

// The sheet at its start texts after one completed calculation.
inline TextSheet calculatedSheet() {
    using sheet::Field;
    return TextSheet(
        {{Field::Edit1, "300"},      {Field::Edit2, "150"},         {Field::Edit3, "120"},
         {Field::Edit4, "1600"},     {Field::Edit5, "3200"},        {Field::TBBH, "TB-1"},
         {Field::Edit6, "0.1"},      {Field::Edit7, "1.0"},         {Field::Edit8, "0.4"},
         {Field::Edit9, "1.5"},      {Field::ComboBox1, "C20"},     {Field::Edit10, "15"},
         {Field::ComboBox2, "1"},    {Field::ComboBox3, "1/10"},    {Field::ComboBox4, "0"},
         {Field::Edit11, "10.79"},   {Field::Edit12, "17.26"},      {Field::Edit13, "11.05"},
         {Field::Edit14, "555.42"},  {Field::ComboBox5, "d10@140"}, {Field::Edit16, "0.00"},
         {Field::Edit17, "#150.00"}, {Field::ComboBox6, "d6@190"},  {Field::KZJ, "561.00"},
         {Field::ZZJ, "148.81"}});
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The worked example in GBK, written independently of the report code.
inline std::string workedExample() {
    return readBytes(QUENDRAL_REPORT_TEST_DATA "/worked_example.txt");
}

// The lines of a report without their CR LF; a last piece without CR LF is kept as a line
// of its own so that a missing line end shows.
inline std::vector<std::string> crlfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

}  // namespace quendral::report::testing
