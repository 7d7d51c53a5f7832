#pragma once

#include <QDialog>

#include "ui/content_build.h"

namespace quendral::ui {

// A secondary window of the program: a modal dialog whose child controls may be built after
// its frame (see ContentBuild). A derived window builds its controls in buildContent() and,
// at the end of its constructor, calls ensureContent() when it was asked to build at once.
class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    // Builds the child controls now if they are not built yet.
    void ensureContent();
    bool hasContent() const { return contentBuilt_; }

    // A showing builds the controls first.
    void setVisible(bool visible) override;

protected:
    SecondaryWindow(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

    virtual void buildContent() = 0;

private:
    bool contentBuilt_ = false;
};

}  // namespace quendral::ui
