#include "ui/ptl.h"

namespace quendral::ui {

Tptljs::Tptljs(QWidget* parent) : QDialog(parent) {
    setObjectName("ptljs");
    setWindowTitle(QStringLiteral("平台梁配筋计算"));
    setModal(true);
}

}  // namespace quendral::ui
