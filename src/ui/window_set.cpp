#include "ui/window_set.h"

#include "ui/Lt1.h"
#include "ui/Lt2.h"
#include "ui/prompts.h"
#include "ui/ptl.h"
#include "ui/sjypic.h"
#include "ui/tb.h"

namespace quendral::ui {

WindowSet::WindowSet()
    : mainForm_(std::make_unique<TMainForm>()),
      aboutBox_(std::make_unique<TAboutBox>()),
      geometryDialog_(std::make_unique<TTBHS>()),
      photo_(std::make_unique<Tphoto>()),
      landingBeamWindow_(std::make_unique<Tptljs>()) {
    aboutBox_->setPictureWindow(photo_.get());
    // The secondary windows report their errors in the main window's error box.
    auto errorBox = [form = mainForm_.get()]() -> Prompts& { return form->prompts(); };
    aboutBox_->setPrompts(errorBox);
    geometryDialog_->setPrompts(errorBox);
    mainForm_->attachWindows(*aboutBox_, *geometryDialog_, *landingBeamWindow_);
}

// Members go in reverse order: the secondary windows before the main window that refers to
// them.
WindowSet::~WindowSet() = default;

}  // namespace quendral::ui
