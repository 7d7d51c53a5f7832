#pragma once

#include <vector>

#include "ui/widget_sheet.h"

class QLabel;
class QPushButton;
class QWidget;

namespace quendral::ui {

// The controls of the main window, built from the design sheet's field table: four framed
// groups, the button row and the status panel, each control named by its component name.
struct MainFormControls {
    WidgetSheet::Controls sheet;  // the 25 fields and the three guarded buttons
    QPushButton* help = nullptr;
    QPushButton* about = nullptr;
    QPushButton* exit = nullptr;
    QPushButton* option = nullptr;
    QLabel* zdl = nullptr;
    // Edit1 .. Edit5, Option, TBBH, Ptlpj, Edit6 .. Edit9, ComboBox1, Edit10, ComboBox2,
    // ComboBox3 .. ComboBox6, computer, Save, help, about, exit.
    std::vector<QWidget*> tabOrder;
};

// Lays the controls out on form with their start texts, typing limits, hints and fonts.
// No handler is connected yet.
MainFormControls buildMainFormControls(QWidget& form);

}  // namespace quendral::ui
