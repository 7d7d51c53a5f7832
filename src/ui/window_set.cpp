#include "ui/window_set.h"

#include <QTimer>

#include "ui/Lt1.h"
#include "ui/Lt2.h"
#include "ui/after_first_paint.h"
#include "ui/prompts.h"
#include "ui/ptl.h"
#include "ui/sjypic.h"
#include "ui/tb.h"

namespace quendral::ui {

namespace {

// Builds the deferred windows' controls one window per turn of the event loop, so that a
// click arriving meanwhile waits for one window's build at most.
template <typename Window, typename... Later>
void buildOneByOne(QObject& context, Window* window, Later*... later) {
    window->ensureContent();
    if constexpr (sizeof...(later) > 0) {
        QTimer::singleShot(0, &context, [&context, later...] { buildOneByOne(context, later...); });
    }
}

}  // namespace

WindowSet::WindowSet(ContentBuild build)
    : mainForm_(std::make_unique<TMainForm>()),
      aboutBox_(std::make_unique<TAboutBox>(nullptr, build)),
      geometryDialog_(std::make_unique<TTBHS>(nullptr, build)),
      photo_(std::make_unique<Tphoto>(nullptr, build)),
      landingBeamWindow_(std::make_unique<Tptljs>(nullptr, build)) {
    aboutBox_->setPictureWindow(photo_.get());
    // The secondary windows report their errors in the main window's error box.
    auto errorBox = [form = mainForm_.get()]() -> Prompts& { return form->prompts(); };
    aboutBox_->setPrompts(errorBox);
    geometryDialog_->setPrompts(errorBox);
    mainForm_->attachWindows(*aboutBox_, *geometryDialog_, *landingBeamWindow_);
    if (build == ContentBuild::Deferred) {
        // The pending builds belong to the main window: the set destroys it last, with no
        // event loop turning after the secondary windows are gone, so none reaches a window
        // that no longer exists.
        runAfterFirstPaint(*mainForm_, [this] {
            buildOneByOne(*mainForm_, aboutBox_.get(), geometryDialog_.get(), photo_.get(),
                          landingBeamWindow_.get());
        });
    }
}

// Members go in reverse order: the secondary windows before the main window that refers to
// them.
WindowSet::~WindowSet() = default;

}  // namespace quendral::ui
