#pragma once

#include <span>

class QWidget;

namespace quendral::ui {

// The control that Enter moves the focus to: the next one after current in tabOrder that is
// visible, enabled and reached by Tab, wrapping from the last to the first. current may be a
// part of a listed control (the text box inside a combo box). nullptr when none qualifies.
//   order Edit5, Option, TBBH, Ptlpj, Edit6 with Ptlpj disabled: from TBBH -> Edit6
QWidget* nextOnEnter(std::span<QWidget* const> tabOrder, const QWidget* current);

}  // namespace quendral::ui
