#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sheet/sheet.h"

namespace quendral::sheet {

// A design sheet in memory that starts with the window's start texts and records everything
// done to it: texts, list items, hints, colours, focus moves, button states and warnings.
class MemorySheet : public Sheet {
public:
    MemorySheet();

    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    void clearItems(Field list) override;
    void addItem(Field list, std::string_view item) override;
    void setHint(Field list, std::string_view hint) override;
    void setColour(Field field, int colour) override;
    void setFocus(Field field) override;
    void setEnabled(Command command, bool enabled) override;
    void warn(std::string_view text) override;

    const std::vector<std::string>& items(Field list) const;
    // nullopt while nothing has set the hint (the arrangement lists start without one).
    std::optional<std::string> hint(Field list) const;
    // nullopt while nothing has set the colour (the window's own default then shows).
    std::optional<int> colour(Field field) const;
    bool enabled(Command command) const;
    // The field that last received the focus; Edit1 at start.
    Field focus() const { return focus_; }
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    std::map<Field, std::string> texts_;
    std::map<Field, std::vector<std::string>> items_;
    std::map<Field, std::string> hints_;
    std::map<Field, int> colours_;
    std::map<Command, bool> enabled_;
    Field focus_ = Field::Edit1;
    std::vector<std::string> warnings_;
};

}  // namespace quendral::sheet
