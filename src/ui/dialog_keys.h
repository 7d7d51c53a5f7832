#pragma once

class QDialog;
class QKeyEvent;

namespace quendral::ui {

// The keyboard of the program's secondary windows, which have neither a default nor a cancel
// button: Enter presses a button only while that button has the focus, and Esc does nothing.
// Call it first in the window's keyPressEvent; true means the key has been dealt with.
//   Enter, focus on the convert button -> the button is clicked, true
//   Enter, focus in a field             -> nothing happens, true
//   Esc                                 -> nothing happens, true
//   any other key                       -> false: the window handles it as usual
bool handleDialogKey(QDialog& dialog, QKeyEvent& key);

}  // namespace quendral::ui
