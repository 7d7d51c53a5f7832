#pragma once

#include <QDialog>

#include "ui/content_build.h"

namespace quendral::ui {

// The landing-beam window: the inputs of the landing beam that carries the flight. It
// computes nothing yet; both its buttons close it, and what the user typed stays for the
// next showing. It has no title-bar buttons.
class Tptljs : public QDialog {
    Q_OBJECT
public:
    explicit Tptljs(QWidget* parent = nullptr, ContentBuild build = ContentBuild::Immediate);

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
