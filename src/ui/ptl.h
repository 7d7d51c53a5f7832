#pragma once

#include "ui/secondary_window.h"

namespace quendral::ui {

// The landing-beam window: the inputs of the landing beam that carries the flight. It
// computes nothing yet; both its buttons close it, and what the user typed stays for the
// next showing. It has no title-bar buttons.
class Tptljs : public SecondaryWindow {
    Q_OBJECT
public:
    explicit Tptljs(QWidget* parent = nullptr, ContentBuild build = ContentBuild::Immediate);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildContent() override;
};

}  // namespace quendral::ui
