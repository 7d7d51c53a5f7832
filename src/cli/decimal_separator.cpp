#include "cli/decimal_separator.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>

namespace quendral::cli {

char localeDecimalSeparator() {
    // A locale object of its own: the process's C locale, and with it every other number
    // text the program writes, stays as it is.
    const locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, locale);
    const char separator = (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '.';
    freelocale(locale);
    return separator;
}

}  // namespace quendral::cli
