#include <gtest/gtest.h>

#include "engine/calculate.h"
#include "report/report.h"
#include "sheet/memory_sheet.h"
#include "text_sheet.h"

namespace quendral::report {
namespace {

// The Save after one Calculate on the start texts, as the window and quendral-calc run it:
// the sheet's own texts must give the worked example byte for byte.
TEST(CalculatedReport, StartSheetAfterCalculateGivesTheWorkedExample) {
    sheet::MemorySheet sheet;
    ASSERT_EQ(engine::calculate(sheet, '.'), engine::Outcome::Completed);

    const std::string report = encodeReport(reportText(sheet, "2001-5-8 14:05:30"));

    const std::vector<std::string> lines = testing::crlfLines(report);
    const std::vector<std::string> expected = testing::crlfLines(testing::workedExample());
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

// Before any calculation the report carries the start texts: a blank for each load, nothing
// for moments and areas, and the hidden fields' own names as provided areas.
TEST(CalculatedReport, StartSheetBeforeCalculate) {
    const sheet::MemorySheet sheet;

    const std::vector<std::string> lines = testing::crlfLines(reportText(sheet, "2001-5-8"));

    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[1], "一、 输入数据(TB-1) :");
    EXPECT_EQ(lines[12], "     跨中配筋面积 :mm^2   跨中选配钢筋 :(As=KZJ)");
    EXPECT_EQ(lines[14], "     支座配筋面积 :mm^2   支座选配钢筋 :(As=ZZJ)");
    EXPECT_EQ(lines[15], "  3. 单位板宽(1m)梯板承受的水平荷载设计值(含梯板自重) : kN/m  ");
    EXPECT_EQ(lines[16], "     梯板传给梯梁线荷载设计值 : kN/m  ");
}

}  // namespace
}  // namespace quendral::report
