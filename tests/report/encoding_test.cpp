#include <gtest/gtest.h>

#include "report/report.h"
#include "text_sheet.h"

namespace quendral::report {
namespace {

TEST(EncodeReport, GbkWhereItHoldsTheCharacterElseGb18030) {
    const std::pair<std::string, std::string> cases[] = {
        {"TB-1 =^()\r\n", "TB-1 =^()\r\n"},
        {"梯板", "\xCC\xDD\xB0\xE5"},
        {"、", "\xA1\xA2"},
        {"€", "\x80"},                             // GBK's euro sign, as the code page has it
        {"\xF0\xA0\x80\x80", "\x95\x32\x82\x36"},  // U+20000, no GBK
        {"한", "\x83\x36\x84\x33"},                // U+D55C, no GBK
        {"\xF0\x9F\x98\x80", "\x94\x39\xFC\x36"},  // U+1F600
        {"a\xFF"
         "b",
         "a\x84\x31\xA4\x37"
         "b"},  // invalid UTF-8 -> U+FFFD
        {"", ""},
    };
    for (const auto& [utf8, expected] : cases) {
        EXPECT_EQ(encodeReport(utf8), expected) << utf8;
    }
}

// A slab mark with characters outside GBK keeps them; the rest of the report stays GBK.
TEST(EncodeReport, SlabMarkOutsideGbkIsKept) {
    testing::TextSheet sheet = testing::calculatedSheet();
    sheet.setText(sheet::Field::TBBH, "TB-\xF0\xA0\x80\x80한1");

    const std::string report = encodeReport(reportText(sheet, "2001-5-8 14:05:30"));

    const std::vector<std::string> lines = testing::crlfLines(report);
    const std::vector<std::string> expected = testing::crlfLines(testing::workedExample());
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[1],
              "\xD2\xBB\xA1\xA2 \xCA\xE4\xC8\xEB\xCA\xFD\xBE\xDD(TB-\x95\x32\x82\x36"
              "\x83\x36\x84\x33"
              "1) :");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 1) {
            EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
        }
    }
}

}  // namespace
}  // namespace quendral::report
