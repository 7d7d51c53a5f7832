#pragma once

#include <array>
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
    // Every focus move made through setFocus, in order (the start focus on Edit1 is none).
    const std::vector<Field>& focusMoves() const { return focusMoves_; }
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    // Indexed by the field's or command's enum value: a fresh sheet is built for every line of
    // a batch, so it must be cheap to make.
    std::array<std::string, kFieldCount> texts_;
    std::array<std::vector<std::string>, kFieldCount> items_;
    std::array<std::optional<std::string>, kFieldCount> hints_;
    std::array<std::optional<int>, kFieldCount> colours_;
    std::array<bool, 3> enabled_{true, false, false};
    Field focus_ = Field::Edit1;
    std::vector<Field> focusMoves_;
    std::vector<std::string> warnings_;
};

}  // namespace quendral::sheet
