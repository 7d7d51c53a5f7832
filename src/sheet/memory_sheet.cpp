#include "sheet/memory_sheet.h"

#include <cstddef>

namespace quendral::sheet {

namespace {

std::size_t at(Field field) { return static_cast<std::size_t>(field); }
std::size_t at(Command command) { return static_cast<std::size_t>(command); }

}  // namespace

MemorySheet::MemorySheet() {
    for (const FieldInfo& row : fields()) texts_[at(row.field)].assign(row.startText);
}

std::string MemorySheet::text(Field field) const { return texts_[at(field)]; }

void MemorySheet::setText(Field field, std::string_view text) { texts_[at(field)] = text; }

void MemorySheet::clearItems(Field list) { items_[at(list)].clear(); }

void MemorySheet::addItem(Field list, std::string_view item) {
    // Room for a typical list at the first item, rather than growing it item by item on
    // every fresh sheet of a batch.
    std::vector<std::string>& items = items_[at(list)];
    if (items.capacity() == 0) items.reserve(8);
    items.emplace_back(item);
}

void MemorySheet::setHint(Field list, std::string_view hint) {
    // Assigning into the hint already there reuses its buffer: Calculate sets each list's hint
    // twice, and the provided-area hint is too long for the short-string buffer.
    std::optional<std::string>& slot = hints_[at(list)];
    if (slot) {
        slot->assign(hint);
    } else {
        slot.emplace(hint);
    }
}

void MemorySheet::setColour(Field field, int colour) { colours_[at(field)] = colour; }

void MemorySheet::setFocus(Field field) {
    focus_ = field;
    focusMoves_.push_back(field);
}

void MemorySheet::setEnabled(Command command, bool enabled) { enabled_[at(command)] = enabled; }

void MemorySheet::warn(std::string_view text) { warnings_.emplace_back(text); }

const std::vector<std::string>& MemorySheet::items(Field list) const { return items_[at(list)]; }

std::optional<std::string> MemorySheet::hint(Field list) const { return hints_[at(list)]; }

std::optional<int> MemorySheet::colour(Field field) const { return colours_[at(field)]; }

bool MemorySheet::enabled(Command command) const { return enabled_[at(command)]; }

}  // namespace quendral::sheet
