#include "ui/songti.h"

namespace quendral::ui {

QFont songti(int pixelSize) {
    QFont font(QStringLiteral("SimSun"));
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace quendral::ui
