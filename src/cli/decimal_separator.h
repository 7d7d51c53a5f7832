#pragma once

namespace quendral::cli {

// The decimal separator of the user's locale (LC_ALL, then LC_NUMERIC, then LANG), as the
// window uses it; "." when that setting is not a single byte or the locale cannot be loaded.
//   LC_ALL=de_DE.UTF-8 -> ','   LC_ALL=C -> '.'
char localeDecimalSeparator();

}  // namespace quendral::cli
