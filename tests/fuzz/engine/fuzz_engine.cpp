// Random sheets through Calculate, the re-evaluation of both arrangement lists, an input
// change handler and the zero-geometry guard. Only the user's errors may come out.
//
// Input: lines separated by "\n". Line 1 picks the decimal separator (its first byte) and the
// changed field (its second byte); the next 14 lines are the input fields in table order
// (Edit1 .. Edit5, TBBH, Edit6 .. Edit9, ComboBox1, Edit10, ComboBox2 .. ComboBox4); the two
// after them are typed into ComboBox5 and ComboBox6.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/arrangement.h"
#include "engine/calculate.h"
#include "engine/input_change.h"
#include "numeric/error.h"
#include "sheet/memory_sheet.h"

namespace {

using quendral::UserError;
using quendral::sheet::Field;

std::vector<std::string_view> lines(std::string_view data) {
    std::vector<std::string_view> result;
    while (!data.empty() && result.size() < 17) {
        const std::size_t end = data.find('\n');
        result.push_back(data.substr(0, end));
        if (end == std::string_view::npos) break;
        data.remove_prefix(end + 1);
    }
    return result;
}

template <typename Step>
void allowUserError(Step step) {
    try {
        step();
    } catch (const UserError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> parts =
        lines(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string_view control = parts.empty() ? std::string_view() : parts[0];
    constexpr char kSeparators[] = {'.', ',', '?', '\xB7'};
    const char separator = control.empty() ? '.' : kSeparators[control[0] & 3];

    quendral::sheet::MemorySheet sheet;
    const auto table = quendral::sheet::fields();
    for (std::size_t i = 1; i < parts.size() && i <= 14; ++i) {
        sheet.setText(table[i - 1].field, parts[i]);
    }
    allowUserError([&] { quendral::engine::calculate(sheet, separator); });

    if (parts.size() > 15) sheet.setText(Field::ComboBox5, parts[15]);
    if (parts.size() > 16) sheet.setText(Field::ComboBox6, parts[16]);
    allowUserError([&] {
        quendral::engine::reevaluate(sheet, quendral::engine::Section::MidSpan, separator);
    });
    allowUserError([&] {
        quendral::engine::reevaluate(sheet, quendral::engine::Section::Support, separator);
    });

    const auto changed = control.size() > 1
                             ? table[static_cast<unsigned char>(control[1]) % table.size()].field
                             : Field::Edit1;
    allowUserError([&] { quendral::engine::inputChanged(sheet, changed); });
    quendral::engine::guardZeroGeometry(sheet);
    return 0;
}
