#pragma once

#include <QTest>
#include <memory>

#include "recording_prompts.h"
#include "ui/Lt1.h"
#include "ui/window_set.h"

namespace quendral::ui::test {

// The whole program: the main window with its four secondary windows, as the program starts
// them, with its message boxes recorded instead of shown. The main window is shown.
struct Program {
    WindowSet windows;
    RecordingPrompts* prompts = nullptr;

    Program() {
        auto recorder = std::make_unique<RecordingPrompts>();
        prompts = recorder.get();
        form().setPrompts(std::move(recorder));
        form().show();
    }
    TMainForm& form() { return windows.mainForm(); }

    // Once a secondary window has closed, the main window becomes active again; its
    // activation runs the hand-back.
    bool returnToMainWindow() { return QTest::qWaitForWindowActive(&form()); }
    QString text(sheet::Field field) {
        return QString::fromStdString(form().designSheet().text(field));
    }
};

}  // namespace quendral::ui::test
