#pragma once

#include <QDialog>

namespace quendral::ui {

// The picture window, opened from the About window: the team's group picture at its natural
// size from the top-left corner, clipped by the window, which the user may resize.
class Tphoto : public QDialog {
    Q_OBJECT
public:
    explicit Tphoto(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quendral::ui
