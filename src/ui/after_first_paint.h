#pragma once

#include <functional>

class QWidget;

namespace quendral::ui {

// Runs work once from the event loop, right after window's first paint has been handled:
// for work the user need not wait for before seeing the window. Nothing runs if window goes
// before it is painted.
void runAfterFirstPaint(QWidget& window, std::function<void()> work);

}  // namespace quendral::ui
