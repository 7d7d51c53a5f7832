#pragma once

#include <QDialog>

#include "ui/content_build.h"

namespace quendral::ui {

// The picture window, opened from the About window: the team's group picture at its natural
// size from the top-left corner, clipped by the window, which the user may resize.
class Tphoto : public QDialog {
    Q_OBJECT
public:
    explicit Tphoto(QWidget* parent = nullptr, ContentBuild build = ContentBuild::Immediate);

    // Builds the child controls now if they are not built yet (see ContentBuild).
    void ensureContent();
    bool hasContent() const { return contentBuilt_; }

    // A showing builds the controls first.
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildContent();

    bool contentBuilt_ = false;
};

}  // namespace quendral::ui
