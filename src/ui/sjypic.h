#pragma once

#include "ui/secondary_window.h"

namespace quendral::ui {

// The picture window, opened from the About window: the team's group picture at its natural
// size from the top-left corner, clipped by the window, which the user may resize.
class Tphoto : public SecondaryWindow {
    Q_OBJECT
public:
    explicit Tphoto(QWidget* parent = nullptr, ContentBuild build = ContentBuild::Immediate);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildContent() override;
};

}  // namespace quendral::ui
