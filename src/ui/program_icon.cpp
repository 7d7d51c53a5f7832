#include "ui/program_icon.h"

namespace quendral::ui {

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        icon.addFile(QStringLiteral(":/icons/quendral-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QPixmap programIconPicture() { return QPixmap(QStringLiteral(":/icons/quendral-32.png")); }

}  // namespace quendral::ui
