#pragma once

#include "sheet/sheet.h"

namespace quendral::engine {

enum class Section { MidSpan, Support };

// The change handler of an arrangement list (ComboBox5 for MidSpan, ComboBox6 for Support):
// reads the bar diameter and spacing from the displayed text and writes the provided area
// into the list's hint and into KZJ or ZZJ. The text and the items are left alone.
//   "d12@200" at mid-span -> hint "   梯板跨中实配钢筋面积As= 565.49(mm^2/m)", KZJ "565.49"
// A text of 6 or 7 GBK bytes (d6@190, d10@140) has its diameter at byte 2 (2..3) and its
// spacing at bytes 4..6 (5..7); letter and "@" are not examined. Throws UserError for such a
// piece the strict number parse rejects and for a zero spacing; the hint and the hidden field
// then keep their texts.
// Any other length is read as one character, digits, one character, digits:
//   "Φ10@150" -> KZJ "523.60"
// Without that form, or with a zero piece or an area out of range, the hint becomes " " and
// the hidden field empty, without an error: no area stands beside an arrangement not its own.
void reevaluate(sheet::Sheet& sheet, Section section, char decimalSeparator);

}  // namespace quendral::engine
