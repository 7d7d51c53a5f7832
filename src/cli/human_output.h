#pragma once

#include <string>

#include "cli/run.h"

namespace quendral::cli {

// The results of one sheet for a person, in UTF-8: the slab mark, each result field with its
// label, component name and unit, the arrangement lists, then the warnings and the error in
// the order they came, and whether Calculate ran to its end.
//   梯板 TB-1
//   梯板承受荷载 (Edit11): 10.79 kN/m
//   ...
//   跨中选筋 (ComboBox5): d10@140   可选: d10@140, d12@200
//   跨中实配钢筋面积 (KZJ): 561.00 mm^2/m
//   ...
//   计算完成
std::string humanReport(const SheetRun& run);

}  // namespace quendral::cli
