#pragma once

#include <QString>
#include <QStringList>

namespace quendral::app {

// Options for the project's own tools; the program itself takes none.
//   --screenshot FILE   calculate the default design, save a picture of the main window
//                       as FILE and quit
//   --startup-probe     quit after the main window's first paint, reporting time and memory
struct HiddenOptions {
    QString screenshotFile;  // empty: no screenshot
    bool startupProbe = false;
};

// Anything it does not know is left alone.
//   {"quendral", "--screenshot", "a.png"} -> screenshotFile "a.png"
HiddenOptions readHiddenOptions(const QStringList& arguments);

}  // namespace quendral::app
