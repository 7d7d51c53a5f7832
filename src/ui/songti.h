#pragma once

#include <QFont>
#include <QStringList>

namespace quendral::ui {

// The serif Chinese type of the About and landing-beam windows at a pixel size, falling back
// to the CJK font the program installs where the classic one is missing.
QFont songti(int pixelSize);

}  // namespace quendral::ui
