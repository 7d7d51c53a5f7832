#pragma once

#include <QDialog>

namespace quendral::ui {

// The picture window, opened from the About window.
class Tphoto : public QDialog {
    Q_OBJECT
public:
    explicit Tphoto(QWidget* parent = nullptr);
};

}  // namespace quendral::ui
