#include "engine/input_change.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/calculate.h"
#include "numeric/error.h"
#include "sheet_fixture.h"

namespace quendral::engine {
namespace {

using sheet::Command;
using sheet::Field;
using sheet::MemorySheet;

// A completed default calculation, so every result is shown and computer is disabled.
MemorySheet calculated() {
    MemorySheet sheet;
    calculate(sheet, '.');
    return sheet;
}

std::set<Field> emptiedResults(const MemorySheet& sheet) {
    std::set<Field> emptied;
    for (const sheet::FieldInfo& row : sheet::fields()) {
        if (row.kind != sheet::Kind::Input && sheet.text(row.field).empty())
            emptied.insert(row.field);
    }
    return emptied;
}

struct ChangeCase {
    Field field;
    std::string text;
    std::set<Field> cleared;  // empty: rejected, nothing enabled or cleared
    std::optional<std::string> warning;
};

TEST(InputChanged, ClearsExactlyTheDependentResults) {
    const std::set<Field> all{Field::Edit11,    Field::Edit12, Field::Edit13, Field::Edit14,
                              Field::ComboBox5, Field::Edit16, Field::Edit17, Field::ComboBox6};
    const std::set<Field> areas{Field::Edit14, Field::ComboBox5, Field::Edit17, Field::ComboBox6};
    const std::vector<ChangeCase> cases{
        {Field::Edit1, "280", all, {}},
        {Field::Edit5, "", all, {}},
        {Field::Edit9, "2.0", all, {}},
        {Field::Edit10, "20", areas, {}},
        {Field::ComboBox1, "C64", areas, {}},
        {Field::ComboBox1, "C100", areas, {}},  // characters 2 and 3 read 10
        {Field::ComboBox1, "C65", {}, "混凝土强度等级有错"},
        {Field::ComboBox1, "C9", {}, "混凝土强度等级有错"},
        {Field::ComboBox2, "3", areas, {}},
        {Field::ComboBox2, "0", {}, "钢筋级别有错"},
        {Field::ComboBox2, "4", {}, "钢筋级别有错"},
        {Field::ComboBox3, "1/8", {Field::Edit13, Field::Edit14, Field::ComboBox5}, {}},
        {Field::ComboBox4, "1/24", {Field::Edit16, Field::Edit17, Field::ComboBox6}, {}},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(std::string(sheet::name(c.field)) + "=" + c.text);
        MemorySheet sheet = calculated();
        sheet.setText(c.field, c.text);
        inputChanged(sheet, c.field);
        EXPECT_EQ(emptiedResults(sheet), c.cleared);
        EXPECT_EQ(sheet.enabled(Command::computer), !c.cleared.empty());
        EXPECT_TRUE(sheet.enabled(Command::Save));
        EXPECT_TRUE(sheet.enabled(Command::Ptlpj));
        if (c.cleared.contains(Field::ComboBox5)) {
            EXPECT_TRUE(sheet.items(Field::ComboBox5).empty());
            EXPECT_EQ(sheet.hint(Field::ComboBox5), " ");
        }
        EXPECT_EQ(sheet.text(Field::KZJ), "561.00");
        EXPECT_EQ(sheet.text(Field::ZZJ), "148.81");
        if (c.warning) {
            EXPECT_EQ(sheet.warnings(), std::vector<std::string>{*c.warning});
            EXPECT_EQ(sheet.focusMoves(), std::vector<Field>{c.field});
        } else {
            EXPECT_TRUE(sheet.warnings().empty());
        }
    }
}

TEST(InputChanged, GradeTextThatIsNoIntegerOnlyRaises) {
    for (const auto& [field, text, message] :
         std::vector<std::tuple<Field, std::string, std::string>>{
             {Field::ComboBox1, "C", "'' is not a valid integer value"},
             {Field::ComboBox1, "C2x", "'2x' is not a valid integer value"},
             // Positions count GBK bytes: 中 takes the first two, so "2" is the third.
             {Field::ComboBox1, "中20", "'中2' is not a valid integer value"},
             {Field::ComboBox2, "", "'' is not a valid integer value"}}) {
        MemorySheet sheet = calculated();
        sheet.setText(field, text);
        try {
            inputChanged(sheet, field);
            ADD_FAILURE() << text << ": no error";
        } catch (const UserError& e) {
            EXPECT_EQ(e.what(), message);
        }
        EXPECT_TRUE(emptiedResults(sheet).empty()) << text;
        EXPECT_FALSE(sheet.enabled(Command::computer)) << text;
        EXPECT_TRUE(sheet.warnings().empty()) << text;
    }
}

TEST(InputChanged, SlabMarkAndResultsHaveNoHandler) {
    MemorySheet sheet = calculated();
    for (Field f : {Field::TBBH, Field::Edit14, Field::KZJ}) inputChanged(sheet, f);
    EXPECT_TRUE(emptiedResults(sheet).empty());
    EXPECT_FALSE(sheet.enabled(Command::computer));
}

TEST(GuardZeroGeometry, DisablesOnlyForAZeroGeometryValue) {
    const std::vector<std::pair<std::string, bool>> spanTexts{
        {"3200", true},   {"3a", true},  {"", false},    {"0", false},
        {"abc", false},   {"-", false},  {".", false},   {"0.0", false},
        {"1e-40", false}, {"0a", false}, {"1e39", true},  // too large to store: not zero, and never
                                                          // an error
    };
    for (const auto& [text, stillEnabled] : spanTexts) {
        MemorySheet sheet;
        sheet.setText(Field::Edit5, text);
        guardZeroGeometry(sheet);
        EXPECT_EQ(sheet.enabled(Command::computer), stillEnabled) << text;
    }
    // A huge value in one field does not hide a zero in a later one.
    MemorySheet sheet;
    sheet.setText(Field::Edit1, "1e39");
    sheet.setText(Field::Edit5, "0");
    guardZeroGeometry(sheet);
    EXPECT_FALSE(sheet.enabled(Command::computer));
}

}  // namespace
}  // namespace quendral::engine
