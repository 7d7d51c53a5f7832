#pragma once

#include <string>
#include <string_view>

#include "sheet/fields.h"

namespace quendral::sheet {

// What the engine may do to the design sheet, and nothing more. The main window implements
// it over its controls; MemorySheet implements it for the command line and the tests.
class Sheet {
public:
    virtual ~Sheet() = default;

    virtual std::string text(Field field) const = 0;
    // Replaces the whole text, beyond any typing limit. For ComboBox5/ComboBox6 this sets the
    // displayed text without re-evaluating the arrangement.
    virtual void setText(Field field, std::string_view text) = 0;

    // The two arrangement lists, ComboBox5 and ComboBox6.
    virtual void clearItems(Field list) = 0;
    virtual void addItem(Field list, std::string_view item) = 0;
    virtual void setHint(Field list, std::string_view hint) = 0;

    // Edit14, Edit17, ComboBox5, ComboBox6: kRed or kBlack.
    virtual void setColour(Field field, int colour) = 0;

    virtual void setFocus(Field field) = 0;
    virtual void setEnabled(Command command, bool enabled) = 0;

    // A modal warning box with caption "警告", one OK button and the exclamation icon;
    // returns when the user has closed it.
    virtual void warn(std::string_view text) = 0;
};

}  // namespace quendral::sheet
