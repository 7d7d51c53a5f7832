#pragma once

#include "sheet/sheet.h"

namespace quendral::engine {

enum class Section { MidSpan, Support };

// The change handler of an arrangement list (ComboBox5 for MidSpan, ComboBox6 for Support):
// reads the bar diameter and spacing from the displayed text and writes the provided area
// into the list's hint and into KZJ or ZZJ. The text and the items are left alone.
//   "d12@200" at mid-span -> hint "   梯板跨中实配钢筋面积As= 565.49(mm^2/m)", KZJ "565.49"
// Throws UserError for a diameter or spacing piece the strict number parse rejects and for
// a zero spacing; the hint and the hidden field then keep their texts.
void reevaluate(sheet::Sheet& sheet, Section section, char decimalSeparator);

}  // namespace quendral::engine
