#include "ui/dialog_keys.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace quendral::ui {

bool handleDialogKey(QDialog& dialog, QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Escape:
            key.accept();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The buttons are no auto-default buttons, so an Enter reaches the window even
            // while one of them has the focus; only that one may answer it.
            if (auto* button = qobject_cast<QPushButton*>(dialog.focusWidget())) {
                if (button->isEnabled() && button->isVisible()) button->click();
            }
            key.accept();
            return true;
        default:
            return false;
    }
}

}  // namespace quendral::ui
