#pragma once

#include <optional>
#include <string_view>

#include "engine/arrangement.h"
#include "numeric/extended.h"
#include "sheet/sheet.h"

namespace quendral::engine {

// What the materials give a section design.
struct SectionMaterials {
    numeric::Ext concreteStrength;  // fcm, N/mm²
    numeric::Ext steelStrength;     // fy, N/mm²
    numeric::Ext compressionLimit;  // ξb
    numeric::Ext effectiveDepth;    // h0 = t − c − a, mm
    numeric::Ext minimumArea;       // As,min = 1.5·h0, mm² per metre width
};

// Designs one section, one metre wide and singly reinforced, for the moment M (kN·m):
//   αs = (M·1000) ÷ (fcm·h0·h0); 1 − 2αs < 0 warns "超筋", moves the focus to Edit3 and
//   gives nullopt with nothing else written. Otherwise ξ = 1 − √(1 − 2αs); ξ > ξb warns
//   "跨中超筋" / "支座超筋" and colours the area field and the arrangement list red, else
//   black; As = ((ξ·fcm)·1000·h0) ÷ fy. Below As,min the area becomes As,min and the area
//   field shows it behind the marker "#". Returns As as stored.
//   default sheet, mid-span M ≈ 11.045457 -> Edit14 "555.42" black, As ≈ 555.42115
//   default sheet, support M = 0          -> Edit17 "#150.00" black, As = 150
// Throws UserError for h0 = 0 (division by zero, or invalid operation when M is 0 too).
std::optional<numeric::Ext> designSection(sheet::Sheet& sheet, Section section, numeric::Ext moment,
                                          const SectionMaterials& materials, char decimalSeparator);

}  // namespace quendral::engine
