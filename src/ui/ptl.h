#pragma once

#include <QDialog>

namespace quendral::ui {

// The landing-beam window: takes the landing beam's inputs; it computes nothing yet.
class Tptljs : public QDialog {
    Q_OBJECT
public:
    explicit Tptljs(QWidget* parent = nullptr);
};

}  // namespace quendral::ui
