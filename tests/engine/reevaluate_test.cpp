#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/arrangement.h"
#include "engine/calculate.h"
#include "numeric/error.h"
#include "sheet/memory_sheet.h"

namespace quendral::engine {
namespace {

using sheet::Field;
using sheet::MemorySheet;

const std::string kMidSpanPrefix = "   梯板跨中实配钢筋面积As= ";

// After the default calculation (hint and KZJ show 561.00), the user puts `text` into the
// mid-span list.
struct PickCase {
    std::string text;
    std::optional<std::string> provided;  // KZJ afterwards; "" when blanked
    std::optional<std::string> error;     // the error's message
};

TEST(Reevaluate, ChosenArrangementsGiveTheirProvidedArea) {
    const std::vector<PickCase> cases{
        {"d12@200", "565.49", {}},
        {"d10@140", "561.00", {}},
        {"d6@190", "148.81", {}},
        {"x8/150", "335.10", {}},  // letter and separator are not examined
        {"d8@150", "335.10", {}},
        {"d0@150", "0.00", {}},
        // Six or seven GBK bytes: the pieces sit at fixed places and are parsed strictly.
        {"d6@1880", std::nullopt, "'6@' is not a valid floating point value"},
        {"d8@000", std::nullopt, "Floating point division by zero"},
        {"dx@150", std::nullopt, "'x' is not a valid floating point value"},
        {"中8@15", std::nullopt, "'中' is not a valid floating point value"},
        // Any other length: letter, digits, one character, digits; otherwise blanked.
        {"Φ10@150", "523.60", {}},
        {"d100@150", "52360.00", {}},
        {"d10@1500", "52.36", {}},
        {"d", "", {}},
        {"", "", {}},
        {"d10@", "", {}},
        {"d10@15x0", "", {}},
        {"d00@1500", "", {}},
        {"d10@0000", "", {}},
        {"d9999999999999999999999@1", "", {}},  // the area leaves the 48-bit range
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.text);
        MemorySheet sheet;
        ASSERT_EQ(calculate(sheet, '.'), Outcome::Completed);
        sheet.setText(Field::ComboBox5, c.text);
        std::optional<std::string> error;
        try {
            reevaluate(sheet, Section::MidSpan, '.');
        } catch (const UserError& e) {
            error = e.what();
        }
        EXPECT_EQ(error, c.error);
        const std::string kzj = c.provided.value_or("561.00");
        EXPECT_EQ(sheet.text(Field::KZJ), kzj);
        EXPECT_EQ(sheet.hint(Field::ComboBox5),
                  kzj.empty() ? " " : kMidSpanPrefix + kzj + "(mm^2/m)");
        EXPECT_EQ(sheet.text(Field::ComboBox5), c.text);
        EXPECT_EQ(sheet.items(Field::ComboBox5), (std::vector<std::string>{"d10@140", "d12@200"}));
        EXPECT_EQ(sheet.text(Field::ZZJ), "148.81");
    }
}

TEST(Reevaluate, SupportWritesZzjWithTheLocaleSeparator) {
    MemorySheet sheet;
    sheet.setText(Field::ComboBox6, "d8@1?5");
    reevaluate(sheet, Section::Support, '?');
    EXPECT_EQ(sheet.text(Field::ZZJ), "33510?40");
    EXPECT_EQ(sheet.hint(Field::ComboBox6), "   梯板支座实配钢筋面积As= 33510?40(mm^2/m)");
    EXPECT_EQ(sheet.text(Field::KZJ), "KZJ");
}

}  // namespace
}  // namespace quendral::engine
