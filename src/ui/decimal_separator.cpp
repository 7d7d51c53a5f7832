#include "ui/decimal_separator.h"

#include <QLocale>

namespace quendral::ui {

char decimalSeparatorOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || point.at(0).unicode() > 0x7F) return '.';
    return static_cast<char>(point.at(0).unicode());
}

}  // namespace quendral::ui
