#pragma once

#include <memory>

namespace quendral::ui {

class TAboutBox;
class TMainForm;
class Tphoto;
class Tptljs;
class TTBHS;

// The program's five windows, created once in this order and kept until the end: the main
// window, the About window, the geometry conversion dialog, the picture window and the
// landing-beam window. The secondary windows stay hidden until a command shows them.
class WindowSet {
public:
    WindowSet();
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
