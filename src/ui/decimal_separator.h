#pragma once

class QLocale;

namespace quendral::ui {

// The decimal separator the numbers of the sheet are written and read with: the locale's
// decimal point when it is one ASCII character, otherwise ".".
//   German -> ',';  English -> '.';  a locale whose point is U+066B -> '.'
char decimalSeparatorOf(const QLocale& locale);

}  // namespace quendral::ui
