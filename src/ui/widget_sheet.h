#pragma once

#include <QString>
#include <array>
#include <functional>

#include "sheet/sheet.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quendral::ui {

class Prompts;

// The design sheet over the main window's controls.
// - setText on an input field that changes its text runs the field's change handler, as a
//   user's edit would; the same text is no change. Result fields have no handler.
// - setText, clearItems and addItem on the arrangement lists never run their re-evaluation:
//   that answers only to the user's pick or typing.
// - A hint is the control's status tip; hintChanged() is called after each new one, so the
//   status panel can show it at once when the pointer rests on that list.
class WidgetSheet : public sheet::Sheet {
public:
    struct Controls {
        std::array<QWidget*, sheet::kFieldCount> fields{};  // QLineEdit or QComboBox
        QPushButton* computer = nullptr;
        QPushButton* save = nullptr;
        QPushButton* landingBeam = nullptr;
    };

    WidgetSheet(Controls controls, std::function<Prompts&()> prompts,
                std::function<void()> hintChanged);

    std::string text(sheet::Field field) const override;
    void setText(sheet::Field field, std::string_view text) override;
    void clearItems(sheet::Field list) override;
    void addItem(sheet::Field list, std::string_view item) override;
    void setHint(sheet::Field list, std::string_view hint) override;
    void setColour(sheet::Field field, int colour) override;
    void setFocus(sheet::Field field) override;
    void setEnabled(sheet::Command command, bool enabled) override;
    void warn(std::string_view text) override;

    QWidget* widget(sheet::Field field) const;
    QLineEdit* edit(sheet::Field field) const;   // nullptr for a combo box
    QComboBox* combo(sheet::Field field) const;  // nullptr for an edit box
    QPushButton* button(sheet::Command command) const;

private:
    Controls controls_;
    std::function<Prompts&()> prompts_;
    std::function<void()> hintChanged_;
};

}  // namespace quendral::ui
