#include "engine/calculate.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "numeric/error.h"
#include "sheet_fixture.h"

namespace quendral::engine {
namespace {

using sheet::Command;
using sheet::Field;
using sheet::kBlack;
using sheet::kRed;
using sheet::MemorySheet;
using testing::sheetWith;

TEST(Calculate, DefaultSheetGivesTheWholeDesign) {
    MemorySheet sheet;
    ASSERT_EQ(calculate(sheet, '.'), Outcome::Completed);

    EXPECT_EQ(sheet.text(Field::Edit11), "10.79");
    EXPECT_EQ(sheet.text(Field::Edit12), "17.26");
    EXPECT_EQ(sheet.text(Field::Edit13), "11.05");
    EXPECT_EQ(sheet.text(Field::Edit16), "0.00");
    EXPECT_EQ(sheet.text(Field::Edit14), "555.42");
    EXPECT_EQ(sheet.text(Field::Edit17), "#150.00");
    EXPECT_EQ(sheet.text(Field::ComboBox5), "d10@140");
    EXPECT_EQ(sheet.items(Field::ComboBox5), (std::vector<std::string>{"d10@140", "d12@200"}));
    EXPECT_EQ(sheet.hint(Field::ComboBox5), "   梯板跨中实配钢筋面积As= 561.00(mm^2/m)");
    EXPECT_EQ(sheet.text(Field::KZJ), "561.00");
    EXPECT_EQ(sheet.text(Field::ComboBox6), "d6@190");
    EXPECT_EQ(sheet.items(Field::ComboBox6), (std::vector<std::string>{"d6@190"}));
    EXPECT_EQ(sheet.hint(Field::ComboBox6), "   梯板支座实配钢筋面积As= 148.81(mm^2/m)");
    EXPECT_EQ(sheet.text(Field::ZZJ), "148.81");
    for (Field f : {Field::Edit14, Field::ComboBox5, Field::Edit17, Field::ComboBox6}) {
        EXPECT_EQ(sheet.colour(f), kBlack) << sheet::name(f);
    }
    EXPECT_TRUE(sheet.warnings().empty());
    EXPECT_TRUE(sheet.focusMoves().empty());
    EXPECT_FALSE(sheet.enabled(Command::computer));
    EXPECT_TRUE(sheet.enabled(Command::Save));
    EXPECT_TRUE(sheet.enabled(Command::Ptlpj));
}

// A separator no locale uses, so that a hard-wired "." cannot pass.
TEST(Calculate, WritesAndReadsWithTheLocaleSeparator) {
    MemorySheet sheet = sheetWith({{Field::ComboBox4, "0?05"}, {Field::Edit6, "0.1"}});
    ASSERT_EQ(calculate(sheet, '?'), Outcome::Completed);
    EXPECT_EQ(sheet.text(Field::Edit11), "10?79");
    EXPECT_EQ(sheet.text(Field::Edit14), "555?42");
    EXPECT_EQ(sheet.text(Field::Edit16), "5?52");
    EXPECT_EQ(sheet.text(Field::KZJ), "561?00");

    MemorySheet dotted = sheetWith({{Field::ComboBox4, "0.05"}});
    EXPECT_THROW(calculate(dotted, '?'), UserError);
}

struct DesignCase {
    const char* name;
    testing::FieldTexts inputs;
    const char* midMoment;
    const char* midArea;
    const char* midList;
    const char* supportMoment;
    const char* supportArea;
    const char* supportList;
    std::vector<std::string> warnings;
    int midColour;
};

TEST(Calculate, CompletedDesigns) {
    // clang-format off
    const std::vector<DesignCase> cases{
        {"compression depth past its limit", {{Field::Edit3, "64"}},
         "9.12", "1432.28", "d14@110", "0.00", "#66.00", "d6@430", {"跨中超筋"}, kRed},
        {"just within the limit", {{Field::Edit3, "65"}},
         "9.16", "1363.01", "d14@110", "0.00", "#67.50", "d6@420", {}, kBlack},
        {"typed mid-span coefficient", {{Field::ComboBox3, "0.125"}},
         "13.81", "704.90", "d10@110", "0.00", "#150.00", "d6@190", {}, kBlack},
        {"negative moment takes the minimum", {{Field::ComboBox3, "-0.1"}},
         "-11.05", "#150.00", "d6@190", "0.00", "#150.00", "d6@190", {}, kBlack},
        {"steel grade 2 sits 5 mm higher", {{Field::ComboBox2, "2"}},
         "11.05", "398.63", "D8@125", "0.00", "#142.50", "D6@200", {}, kBlack},
        {"only characters 2 and 3 of the grade count", {{Field::ComboBox1, "X25"}},
         "11.05", "549.46", "d10@140", "0.00", "#150.00", "d6@190", {}, kBlack},
        {"grade C100 reads as C10", {{Field::ComboBox1, "C100"}},
         "11.05", "593.14", "d10@130", "0.00", "#150.00", "d6@190", {}, kBlack},
        {"listed fractions with six decimals", {{Field::ComboBox3, "1/12"}, {Field::ComboBox4, "1/24"}},
         "9.20", "458.36", "d8@110", "4.60", "223.94", "d6@125", {}, kBlack},
        // M = 55 exactly on a 1 m span: αs is exactly 0.5, so no "超筋", and ξ = 1 > ξb.
        {"moment factor exactly one half",
         {{Field::Edit5, "1000"}, {Field::ComboBox3, "5.09892911012191806614"}},
         "55.00", "5238.10", "d26@100", "0.00", "#150.00", "d6@190", {"跨中超筋"}, kRed},
    };
    // clang-format on
    for (const DesignCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySheet sheet = sheetWith(c.inputs);
        ASSERT_EQ(calculate(sheet, '.'), Outcome::Completed);
        EXPECT_EQ(sheet.text(Field::Edit13), c.midMoment);
        EXPECT_EQ(sheet.text(Field::Edit14), c.midArea);
        EXPECT_EQ(sheet.text(Field::ComboBox5), c.midList);
        EXPECT_EQ(sheet.text(Field::Edit16), c.supportMoment);
        EXPECT_EQ(sheet.text(Field::Edit17), c.supportArea);
        EXPECT_EQ(sheet.text(Field::ComboBox6), c.supportList);
        EXPECT_EQ(sheet.warnings(), c.warnings);
        EXPECT_EQ(sheet.colour(Field::Edit14), c.midColour);
        EXPECT_EQ(sheet.colour(Field::ComboBox5), c.midColour);
        EXPECT_EQ(sheet.colour(Field::Edit17), kBlack);
    }
}

TEST(Calculate, SameMomentFromTypedAndListedCoefficient) {
    MemorySheet typed = sheetWith({{Field::ComboBox3, "0.125"}});
    MemorySheet listed = sheetWith({{Field::ComboBox3, "1/8"}});
    calculate(typed, '.');
    calculate(listed, '.');
    EXPECT_EQ(typed.text(Field::Edit13), listed.text(Field::Edit13));
    EXPECT_EQ(typed.text(Field::Edit14), listed.text(Field::Edit14));
}

// Calculations that end early: the error (or warning and focus) and exactly the fields
// written before the end. Nothing completes, so the commands keep their states.
struct StopCase {
    const char* name;
    testing::FieldTexts inputs;
    std::optional<std::string> error;  // the error box text
    std::vector<std::string> warnings;
    std::optional<Field> focus;
    std::set<Field> written;
};

TEST(Calculate, StopsLeaveExactlyTheFieldsWrittenBefore) {
    const std::set<Field> loads{Field::Edit11, Field::Edit12};
    const std::set<Field> moments{Field::Edit11, Field::Edit12, Field::Edit13, Field::Edit16};
    const std::set<Field> midSpan{Field::Edit11, Field::Edit12,    Field::Edit13, Field::Edit16,
                                  Field::Edit14, Field::ComboBox5, Field::KZJ};
    // clang-format off
    const std::vector<StopCase> cases{
        {"zero tread width", {{Field::Edit1, "0"}},
         "Floating point division by zero.", {}, {}, {}},
        {"zero tread and riser", {{Field::Edit1, ""}, {Field::Edit2, "abc"}},
         "Invalid floating point operation.", {}, {}, {}},
        {"zero slab width", {{Field::Edit4, "0"}},
         "Floating point division by zero.", {}, {}, {}},
        {"input beyond the 48-bit range", {{Field::Edit9, "1e39"}},
         "Floating point overflow.", {}, {}, {}},
        {"grade text with no number", {{Field::ComboBox1, "C"}},
         "'' is not a valid integer value.", {}, {}, loads},
        {"steel grade no integer", {{Field::ComboBox2, "1.0"}},
         "'1.0' is not a valid integer value.", {}, {}, loads},
        {"concrete grade without a table row", {{Field::ComboBox1, "C12"}},
         {}, {"混凝土强度等级有错"}, Field::ComboBox1, loads},
        {"concrete grade checked before steel", {{Field::ComboBox1, "C65"}, {Field::ComboBox2, "7"}},
         {}, {"混凝土强度等级有错"}, Field::ComboBox1, loads},
        {"steel grade outside 1 to 3", {{Field::ComboBox2, "4"}},
         {}, {"钢筋级别有错"}, Field::ComboBox2, loads},
        {"blank before a listed coefficient", {{Field::ComboBox3, " 1/10"}},
         "' 1/10' is not a valid floating point value.", {}, {}, loads},
        {"fraction in neither list", {{Field::ComboBox4, "1/9"}},
         "'1/9' is not a valid floating point value.", {}, {}, loads},
        {"1/24 is no mid-span item", {{Field::ComboBox3, "1/24"}},
         "'1/24' is not a valid floating point value.", {}, {}, loads},
        {"mid-span over-reinforced", {{Field::Edit3, "60"}},
         {}, {"超筋"}, Field::Edit3, moments},
        {"negative effective depth", {{Field::Edit3, "19"}},
         {}, {"梯板有效高度不足"}, Field::Edit3, moments},
        {"zero effective depth", {{Field::Edit3, "20"}},
         "Floating point division by zero.", {}, {}, moments},
        {"zero effective depth and moment", {{Field::Edit3, "20"}, {Field::ComboBox3, "0"}},
         "Invalid floating point operation.", {}, {}, moments},
        {"support over-reinforced", {{Field::ComboBox3, "0"}, {Field::ComboBox4, "1"}},
         {}, {"超筋"}, Field::Edit3, midSpan},
        {"diameter past the 32-bit range", {{Field::Edit3, "1E20"}},
         "Integer overflow.", {}, {},
         {Field::Edit11, Field::Edit12, Field::Edit13, Field::Edit16, Field::Edit14, Field::ComboBox5}},
    };
    // clang-format on
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySheet sheet = sheetWith(c.inputs);
        testing::markResults(sheet);
        std::optional<std::string> error;
        try {
            EXPECT_EQ(calculate(sheet, '.'), Outcome::Stopped);
        } catch (const UserError& e) {
            error = errorBoxText(e.what());
        }
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(sheet.warnings(), c.warnings);
        EXPECT_EQ(sheet.focusMoves().empty() ? std::nullopt : std::optional(sheet.focus()),
                  c.focus);
        EXPECT_EQ(testing::changedResults(sheet), c.written);
        EXPECT_TRUE(sheet.enabled(Command::computer));
        EXPECT_FALSE(sheet.enabled(Command::Save));
    }
}

TEST(Calculate, SupportStopKeepsTheMidSpanResultsAndItsColours) {
    MemorySheet sheet = sheetWith({{Field::ComboBox3, "0"}, {Field::ComboBox4, "1"}});
    ASSERT_EQ(calculate(sheet, '.'), Outcome::Stopped);
    EXPECT_EQ(sheet.text(Field::Edit14), "#150.00");
    EXPECT_EQ(sheet.text(Field::ComboBox5), "d6@190");
    EXPECT_EQ(sheet.text(Field::KZJ), "148.81");
    EXPECT_EQ(sheet.colour(Field::Edit14), kBlack);
    EXPECT_EQ(sheet.colour(Field::Edit17), std::nullopt);
}

TEST(Calculate, MidSpanStopLeavesAllColoursAlone) {
    MemorySheet sheet = sheetWith({{Field::Edit3, "60"}});
    calculate(sheet, '.');
    EXPECT_EQ(sheet.text(Field::Edit13), "8.98");
    EXPECT_EQ(sheet.text(Field::Edit16), "0.00");
    for (Field f : {Field::Edit14, Field::ComboBox5, Field::Edit17, Field::ComboBox6}) {
        EXPECT_EQ(sheet.colour(f), std::nullopt) << sheet::name(f);
    }
}

}  // namespace
}  // namespace quendral::engine
