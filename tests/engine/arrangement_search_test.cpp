#include "engine/arrangement_search.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "numeric/error.h"
#include "numeric/real48.h"
#include "sheet/memory_sheet.h"

namespace quendral::engine {
namespace {

using numeric::Ext;
using sheet::Field;
using sheet::MemorySheet;

struct SearchCase {
    long double requiredArea;      // stored as a 48-bit real before the search
    std::vector<long double> raw;  // raw spacings for d = 6, 8, .. up to the first arrangement
    std::string text;
    std::string provided;
    std::vector<std::string> items;
};

TEST(ArrangementSearch, RequiredAreasGiveTheirArrangements) {
    const std::vector<SearchCase> cases{
        {150, {188}, "d6@190", "148.81", {"d6@190"}},
        {620, {45, 81, 126}, "d10@125", "628.32", {"d10@125", "d12@180"}},
        {1000, {28, 50, 78, 113}, "d12@110", "1028.16", {"d12@110", "d14@150", "d16@200"}},
        {2000,
         {14, 25, 39, 56, 76, 100},
         "d16@100",
         "2010.62",
         {"d16@100", "d18@125", "d20@160", "d22@190"}},
        // 785.4 is held 3.7e-10 above itself: the 10 mm quotient falls just short of 100.
        {785.4L, {35, 63, 99, 143}, "d12@140", "807.84", {"d12@140", "d14@190"}},
        {135, {209}, "d6@210", "134.64", {}},
        {15, {1884}, "d6@1880", "15.04", {}},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.text);
        const Ext area = numeric::stored(c.requiredArea);
        std::vector<long double> raw;
        for (std::int32_t d = 6; raw.size() < c.raw.size(); d += 2) {
            raw.push_back(rawSpacing(d, area).value());
        }
        EXPECT_EQ(raw, c.raw);

        MemorySheet sheet;
        fillArrangements(sheet, Section::MidSpan, area, "d", '.');
        EXPECT_EQ(sheet.text(Field::ComboBox5), c.text);
        EXPECT_EQ(sheet.text(Field::KZJ), c.provided);
        EXPECT_EQ(sheet.hint(Field::ComboBox5),
                  "   梯板跨中实配钢筋面积As= " + c.provided + "(mm^2/m)");
        EXPECT_EQ(sheet.items(Field::ComboBox5), c.items);
    }
}

// 420 mm² is exact, and 10 mm bars give exactly 187 mm in exact arithmetic; 3141.6 held
// just below itself makes the quotient fall short, to 186, which lays out at 180 not 190.
TEST(ArrangementSearch, SpacingFactorIsHeldBelow3141point6) {
    const Ext area = numeric::stored(420.0L);
    EXPECT_EQ(rawSpacing(10, area).value(), 186.0L);
    MemorySheet sheet;
    fillArrangements(sheet, Section::MidSpan, area, "d", '.');
    EXPECT_EQ(sheet.text(Field::ComboBox5), "d8@120");
    EXPECT_EQ(sheet.text(Field::KZJ), "418.88");
    EXPECT_EQ(sheet.items(Field::ComboBox5), (std::vector<std::string>{"d8@120", "d10@180"}));
}

TEST(ArrangementSearch, SpacingRoundsToTensWith125Band) {
    const std::vector<std::pair<long double, long double>> rows{
        {100, 100}, {106, 100}, {107, 110}, {116, 110},  {117, 120}, {122, 120},
        {123, 125}, {127, 125}, {128, 130}, {136, 130},  {137, 140}, {196, 190},
        {197, 200}, {206, 200}, {207, 210}, {1884, 1880}};
    for (const auto& [raw, rounded] : rows) {
        EXPECT_EQ(roundedSpacing(raw).value(), rounded) << raw;
    }
}

TEST(ArrangementSearch, SupportWritesItsOwnListAndHiddenField) {
    MemorySheet sheet;
    fillArrangements(sheet, Section::Support, numeric::stored(150.0L), "s", '.');
    EXPECT_EQ(sheet.text(Field::ComboBox6), "s6@190");
    EXPECT_EQ(sheet.hint(Field::ComboBox6), "   梯板支座实配钢筋面积As= 148.81(mm^2/m)");
    EXPECT_EQ(sheet.text(Field::ZZJ), "148.81");
    EXPECT_EQ(sheet.text(Field::KZJ), "KZJ");
}

// The halving search must land on the diameter that stepping by 2 mm would reach.
TEST(ArrangementSearch, FirstDiameterMatchesStepping) {
    for (const long double area : {1e5L, 3.3e6L, 7.77e8L, 1.2345e11L, 2e14L}) {
        const Ext stored = numeric::stored(area);
        const FirstDiameter found = firstDiameter(stored);
        EXPECT_EQ(found.rawSpacing.value(), rawSpacing(found.diameter, stored).value()) << area;
        EXPECT_GE(found.rawSpacing.value(), 100.0L) << area;
        EXPECT_LT(rawSpacing(found.diameter - 2, stored).value(), 100.0L) << area;
    }
}

TEST(ArrangementSearch, AlwaysEnds) {
    // A required area so large that no 32-bit diameter reaches 100 mm.
    MemorySheet huge;
    huge.setText(Field::ComboBox5, "d10@140");
    try {
        fillArrangements(huge, Section::MidSpan, numeric::stored(1e30L), "d", '.');
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "Integer overflow");
    }
    EXPECT_EQ(huge.text(Field::ComboBox5), "");
    EXPECT_EQ(huge.hint(Field::ComboBox5), " ");

    // The first diameter just below the 32-bit limit: the list runs into the limit.
    MemorySheet edge;
    EXPECT_THROW(
        fillArrangements(edge, Section::MidSpan,
                         numeric::stored(7.854L * 2147483600.0L * 2147483600.0L), "d", '.'),
        UserError);
    ASSERT_FALSE(edge.items(Field::ComboBox5).empty());
    EXPECT_TRUE(edge.items(Field::ComboBox5).back().starts_with("d2147483646@"));

    // Diameters of metres: the list is long but bounded.
    MemorySheet large;
    fillArrangements(large, Section::MidSpan, numeric::stored(1e12L), "d", '.');
    EXPECT_EQ(large.items(Field::ComboBox5).size(),
              static_cast<std::size_t>(kMaxListedArrangements));

    // A zero area divides by zero in the first spacing; the list stays emptied.
    MemorySheet zero;
    EXPECT_THROW(fillArrangements(zero, Section::MidSpan, Ext(0.0L), "d", '.'), UserError);
    EXPECT_EQ(zero.hint(Field::ComboBox5), " ");
}

}  // namespace
}  // namespace quendral::engine
