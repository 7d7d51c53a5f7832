#pragma once

#include <string>

#include "cli/geometry_run.h"

namespace quendral::cli {

// The twelve texts of a conversion for a person, in UTF-8: each field with its role as the
// dialog's formula rows name it, its component name and, where the text holds a number, its
// unit; then the error, if any, and whether the conversion ran to its end.
//   踏步宽度 (Edit1): 300.00 mm
//   踏步总宽度 (Edit2): 3000 mm
//   踏步数-1 (Edit3): 10
//   ...
//   相关系数 (Edit12): 30
//   换算完成
std::string geometryHumanReport(const GeometryRun& run);

// Appends the JSON result of a conversion, on one line without the line end; the fields in
// component-name order, texts written as appendJsonString writes them.
//   {"error":null,"fields":{"Edit1":"300.00","Edit2":"3000",...,"Edit12":"30"}}
//   {"error":"Floating point division by zero.","fields":{...,"Edit3":"0",...}}
void appendGeometryJson(std::string& out, const GeometryRun& run);

}  // namespace quendral::cli
