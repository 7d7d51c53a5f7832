#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sheet/memory_sheet.h"

namespace quendral::engine::testing {

// Owning texts: tables of cases keep them beyond the expression that built them.
using FieldTexts = std::vector<std::pair<sheet::Field, std::string>>;

// The start sheet with some inputs replaced, as a user would have typed them.
inline sheet::MemorySheet sheetWith(const FieldTexts& texts) {
    sheet::MemorySheet sheet;
    for (const auto& [field, text] : texts) sheet.setText(field, text);
    return sheet;
}

// Marks every result field with a text no calculation writes, so that afterwards the fields
// whose text changed are exactly the fields the calculation wrote.
inline void markResults(sheet::MemorySheet& sheet) {
    for (const sheet::FieldInfo& row : sheet::fields()) {
        if (row.kind != sheet::Kind::Input)
            sheet.setText(row.field, "old " + std::string(row.name));
    }
}

inline std::set<sheet::Field> changedResults(const sheet::MemorySheet& sheet) {
    std::set<sheet::Field> changed;
    for (const sheet::FieldInfo& row : sheet::fields()) {
        if (row.kind != sheet::Kind::Input &&
            sheet.text(row.field) != "old " + std::string(row.name)) {
            changed.insert(row.field);
        }
    }
    return changed;
}

}  // namespace quendral::engine::testing
