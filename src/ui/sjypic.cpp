#include "ui/sjypic.h"

namespace quendral::ui {

Tphoto::Tphoto(QWidget* parent) : QDialog(parent) {
    setObjectName("photo");
    setWindowTitle(QStringLiteral("设计院集体照"));
    setModal(true);
}

}  // namespace quendral::ui
