#include "cli/geometry_output.h"

#include <array>
#include <string_view>

#include "cli/json_output.h"

namespace quendral::cli {

namespace {

struct Role {
    std::string_view label;
    std::string_view unit;
};

// By GeometryField. The labels are the words of the dialog's formula rows, so the total run
// and the span each appear twice, once as the operand they repeat.
constexpr std::array<Role, engine::kGeometryFieldCount> kRoles{{
    {"踏步宽度", "mm"},
    {"踏步总宽度", "mm"},
    {"踏步数-1", ""},
    {"踏步高度", "mm"},
    {"踏步总高度", "mm"},
    {"踏步数", ""},
    {"楼梯跨度", "mm"},
    {"踏步总宽度", "mm"},
    {"平台梁宽", "mm"},
    {"梯板厚度", "mm"},
    {"楼梯跨度", "mm"},
    {"相关系数", ""},
}};

// Only a number gets a unit, not an empty text or one the user typed in words.
bool hasNumber(std::string_view text) { return text.find_first_of("0123456789") != text.npos; }

}  // namespace

std::string geometryHumanReport(const GeometryRun& run) {
    std::string out;
    for (const engine::GeometryFieldInfo& info : engine::geometryFieldTable()) {
        const Role& role = kRoles[static_cast<std::size_t>(info.field)];
        const std::string& text = run.fields[info.field];
        out += std::string(role.label) + " (" + info.name + "): " + text;
        if (!role.unit.empty() && hasNumber(text)) out += " " + std::string(role.unit);
        out += '\n';
    }
    if (run.error) out += "错误: " + *run.error + "\n";
    out += run.error ? "换算未完成\n" : "换算完成\n";
    return out;
}

void appendGeometryJson(std::string& out, const GeometryRun& run) {
    out += "{\"error\":";
    if (run.error) {
        appendJsonString(out, *run.error);
    } else {
        out += "null";
    }
    out += ",\"fields\":{";
    bool first = true;
    for (const engine::GeometryFieldInfo& info : engine::geometryFieldTable()) {
        if (!first) out += ',';
        first = false;
        out += '"';
        out += info.name;
        out += "\":";
        appendJsonString(out, run.fields[info.field]);
    }
    out += "}}";
}

}  // namespace quendral::cli
