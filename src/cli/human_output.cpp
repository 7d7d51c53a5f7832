#include "cli/human_output.h"

#include <array>
#include <string_view>

namespace quendral::cli {

using sheet::Field;

namespace {

struct Line {
    Field field;
    std::string_view label;
};

// Only a number gets a unit: not the blank start texts of the loads, nor "KZJ" and "ZZJ".
bool hasNumber(std::string_view text) { return text.find_first_of("0123456789") != text.npos; }

}  // namespace

std::string humanReport(const SheetRun& run) {
    static constexpr std::array<Line, 10> kLines{{
        {Field::Edit11, "梯板承受荷载"},
        {Field::Edit12, "梯板传给梯梁线荷载"},
        {Field::Edit13, "跨中弯矩"},
        {Field::Edit14, "跨中配筋"},
        {Field::ComboBox5, "跨中选筋"},
        {Field::KZJ, "跨中实配钢筋面积"},
        {Field::Edit16, "支座弯矩"},
        {Field::Edit17, "支座配筋"},
        {Field::ComboBox6, "支座选筋"},
        {Field::ZZJ, "支座实配钢筋面积"},
    }};
    const sheet::MemorySheet& sheet = run.sheet;
    std::string out = "梯板 " + sheet.text(Field::TBBH) + "\n";
    for (const Line& line : kLines) {
        const std::string text = sheet.text(line.field);
        out += std::string(line.label) + " (" + std::string(sheet::name(line.field)) + "): " + text;
        const std::string_view unit = sheet::info(line.field).unit;
        if (!unit.empty() && hasNumber(text)) out += " " + std::string(unit);
        if (line.field == Field::ComboBox5 || line.field == Field::ComboBox6) {
            const auto& items = sheet.items(line.field);
            if (!items.empty()) {
                out += "   可选: ";
                for (std::size_t i = 0; i < items.size(); ++i) {
                    if (i > 0) out += ", ";
                    out += items[i];
                }
            }
        }
        out += '\n';
    }
    for (const std::string& warning : sheet.warnings()) out += "警告: " + warning + "\n";
    if (run.error) out += "错误: " + *run.error + "\n";
    out += run.completed ? "计算完成\n" : "计算未完成\n";
    return out;
}

}  // namespace quendral::cli
