#pragma once

namespace quendral::ui {

// The program's title: the main window's caption, the taskbar entry and the caption of
// every error box.
inline constexpr char kApplicationTitle[] = "Quendral计算程序";

}  // namespace quendral::ui
