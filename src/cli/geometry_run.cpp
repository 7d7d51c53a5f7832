#include "cli/geometry_run.h"

#include <string_view>

#include "cli/field_lines.h"
#include "cli/input_error.h"
#include "numeric/error.h"

namespace quendral::cli {

namespace {

const engine::GeometryFieldInfo* geometryField(std::string_view name) {
    for (const engine::GeometryFieldInfo& info : engine::geometryFieldTable()) {
        if (name == info.name) return &info;
    }
    return nullptr;
}

}  // namespace

engine::GeometryFields readGeometryFile(std::istream& in) {
    engine::GeometryFields fields = engine::initialGeometryFields();
    for (FieldLine& line : readFieldLines(in)) {
        const engine::GeometryFieldInfo* info = geometryField(line.name);
        if (info == nullptr) {
            throw InputError(onLine(line.lineNumber, "unknown field '" + line.name +
                                                         "' (the dialog has Edit1 .. Edit12)"));
        }
        fields[info->field] = std::move(line.text);
    }
    return fields;
}

GeometryRun runGeometry(engine::GeometryFields fields, char decimalSeparator) {
    GeometryRun run{std::move(fields), std::nullopt};
    try {
        engine::convertGeometry(run.fields, decimalSeparator);
    } catch (const UserError& error) {
        run.error = errorBoxText(error.message());
    }
    return run;
}

}  // namespace quendral::cli
