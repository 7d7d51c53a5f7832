#include <gtest/gtest.h>

#include "report/report.h"
#include "text_sheet.h"

namespace quendral::report {
namespace {

using sheet::Field;
using testing::calculatedSheet;
using testing::crlfLines;

TEST(ReportText, WorkedExampleByteForByte) {
    const std::string expected = testing::workedExample();
    ASSERT_EQ(expected.size(), 843u) << "test data damaged";

    const std::string report = encodeReport(reportText(calculatedSheet(), "2001-5-8 14:05:30"));

    const std::vector<std::string> lines = crlfLines(report);
    const std::vector<std::string> expectedLines = crlfLines(expected);
    ASSERT_EQ(lines.size(), 18u);
    // Lengths in bytes without CR LF, trailing blanks included.
    const std::vector<std::size_t> lengths = {65, 21, 15, 59, 43, 27, 48, 48, 15,
                                              62, 15, 47, 64, 43, 64, 66, 42, 63};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        EXPECT_EQ(lines[i], expectedLines[i]);
        EXPECT_EQ(lines[i].size(), lengths[i]);
    }
    EXPECT_EQ(report, expected);  // also: no byte-order mark, CR LF after the last line
}

// Each field text goes in as it stands: typed forms, a lone blank, an empty text.
TEST(ReportText, FieldTextsGoInAsTheyStand) {
    struct Case {
        Field field;
        std::string text;
        std::size_t line;
        std::string expected;
    };
    const Case cases[] = {
        {Field::Edit3, "120.0", 4, "     踏步宽度 :300mm   踏步高度 :150mm    梯板厚度 :120.0mm  "},
        {Field::TBBH, "", 2, "一、 输入数据() :"},
        {Field::Edit11, " ", 16, "  3. 单位板宽(1m)梯板承受的水平荷载设计值(含梯板自重) : kN/m  "},
        {Field::ComboBox1, "c 20", 10,
         "     混凝土强度等级 :c 20   梯板保护层厚度 :15mm    钢筋级别 :1"},
        {Field::KZJ, "KZJ", 13, "     跨中配筋面积 :555.42mm^2   跨中选配钢筋 :d10@140(As=KZJ)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("field text \"" + c.text + "\"");
        testing::TextSheet sheet = calculatedSheet();
        sheet.setText(c.field, c.text);
        const std::vector<std::string> lines = crlfLines(reportText(sheet, "x"));
        ASSERT_EQ(lines.size(), 18u);
        EXPECT_EQ(lines[c.line - 1], c.expected);
    }
}

// After an input edit the results are cleared but the hidden provided areas keep the last
// calculation's texts, and the report shows exactly that.
TEST(ReportText, AfterInputsWereEdited) {
    testing::TextSheet sheet = calculatedSheet();
    sheet.setText(Field::Edit5, "3600");
    for (Field result : {Field::Edit11, Field::Edit12, Field::Edit13, Field::Edit14,
                         Field::ComboBox5, Field::Edit16, Field::Edit17, Field::ComboBox6}) {
        sheet.setText(result, "");
    }

    const std::vector<std::string> lines = crlfLines(reportText(sheet, "2001-5-8"));

    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[4], "     梯板宽度 :1600mm    楼梯跨度 :3600mm  ");
    EXPECT_EQ(lines[11], "  1. 跨中弯矩系数 :1/10   跨中弯矩 :kN-m  ");
    EXPECT_EQ(lines[12], "     跨中配筋面积 :mm^2   跨中选配钢筋 :(As=561.00)");
    EXPECT_EQ(lines[13], "  2. 支座弯矩系数 :0   支座弯矩 :kN-m  ");
    EXPECT_EQ(lines[14], "     支座配筋面积 :mm^2   支座选配钢筋 :(As=148.81)");
    EXPECT_EQ(lines[15], "  3. 单位板宽(1m)梯板承受的水平荷载设计值(含梯板自重) :kN/m  ");
    EXPECT_EQ(lines[16], "     梯板传给梯梁线荷载设计值 :kN/m  ");
    EXPECT_EQ(lines[17], "===================== 2001-5-8 =======================");
}

TEST(ReportText, ProposedFileNameIsSlabMarkPlusTxt) {
    const std::pair<std::string, QString> cases[] = {
        {"TB-1", "TB-1.txt"},
        {"", ".txt"},
        {"梯板 2.a", "梯板 2.a.txt"},
    };
    for (const auto& [mark, expected] : cases) {
        testing::TextSheet sheet({{Field::TBBH, mark}});
        EXPECT_EQ(proposedFileName(sheet), expected) << mark;
    }
}

}  // namespace
}  // namespace quendral::report
