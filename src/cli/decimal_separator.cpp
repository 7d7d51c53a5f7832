#include "cli/decimal_separator.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <string>

namespace quendral::cli {

char localeDecimalSeparator() {
    // Load the user's numeric locale only long enough to read its separator, then go back:
    // every other number text the program writes stays in the C locale.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string restore = previous != nullptr ? previous : "C";
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* radix = nl_langinfo(RADIXCHAR);
        if (radix != nullptr && std::strlen(radix) == 1) separator = radix[0];
    }
    std::setlocale(LC_NUMERIC, restore.c_str());
    return separator;
}

}  // namespace quendral::cli
