#pragma once

#include <memory>

#include "ui/content_build.h"

namespace quendral::ui {

class TAboutBox;
class TMainForm;
class Tphoto;
class Tptljs;
class TTBHS;

// The program's five windows, created once in this order and kept until the end: the main
// window, the About window, the geometry conversion dialog, the picture window and the
// landing-beam window. The secondary windows stay hidden until a command shows them.
// With ContentBuild::Deferred (the program's choice, for a faster start) the secondary windows
// build their controls one by one from the event loop once the main window has been painted
// for the first time, or earlier when first needed. Until then the geometry dialog answers
// the main window's first activation with its fields' start texts.
class WindowSet {
public:
    explicit WindowSet(ContentBuild build = ContentBuild::Immediate);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    TMainForm& mainForm() { return *mainForm_; }
    TAboutBox& aboutBox() { return *aboutBox_; }
    TTBHS& geometryDialog() { return *geometryDialog_; }
    Tphoto& photo() { return *photo_; }
    Tptljs& landingBeamWindow() { return *landingBeamWindow_; }

private:
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TTBHS> geometryDialog_;
    std::unique_ptr<Tphoto> photo_;
    std::unique_ptr<Tptljs> landingBeamWindow_;
};

}  // namespace quendral::ui
