#include "ui/secondary_window.h"

namespace quendral::ui {

void SecondaryWindow::ensureContent() {
    if (contentBuilt_) return;
    contentBuilt_ = true;
    buildContent();
}

void SecondaryWindow::setVisible(bool visible) {
    if (visible) ensureContent();
    QDialog::setVisible(visible);
}

}  // namespace quendral::ui
