#pragma once

#include "sheet/sheet.h"

namespace quendral::engine {

// The change handler of an input field (Edit1 .. Edit10, ComboBox1 .. ComboBox4): clears the
// results that depend on it and enables computer. For the two grade boxes the grade is
// checked first; a rejected grade warns ("混凝土强度等级有错" / "钢筋级别有错"), moves the
// focus back to its box and changes nothing else. A grade text that is no integer throws the
// strict integer parse's UserError before anything changes. KZJ and ZZJ are never cleared.
// Any other field (TBBH, the results) is ignored.
void inputChanged(sheet::Sheet& sheet, sheet::Field field);

// The zero-geometry guard, run every 100 ms: disables computer while any of Edit1 .. Edit5
// reads as zero through the lenient scan and 48-bit storage. Never throws and never enables;
// a text too large for 48-bit storage leaves computer as it is.
void guardZeroGeometry(sheet::Sheet& sheet);

}  // namespace quendral::engine
