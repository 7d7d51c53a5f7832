#include "engine/geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "numeric/error.h"
#include "sheet/fields.h"

namespace {

using quendral::UserError;
using quendral::engine::convertGeometry;
using quendral::engine::GeometryField;
using quendral::engine::GeometryFields;
using quendral::engine::initialGeometryFields;
using G = GeometryField;
namespace sheet = quendral::sheet;

using Texts = std::vector<std::pair<GeometryField, std::string>>;

// One press of the convert button: the dialog starts from its start texts with `typed`
// entered; afterwards exactly the fields in `written` have new texts (every other field
// keeps its text) and the error box shows `error` (empty: no error).
struct ConversionCase {
    const char* name;
    char separator;
    Texts typed;
    Texts written;
    const char* error;
};

const Texts kStartResults = {
    {G::TreadCount, "10"},     {G::TreadWidth, "300.00"},     {G::RiserHeight, "150.00"},
    {G::Span, "3200.00"},      {G::TotalRunRepeated, "3000"}, {G::SpanRepeated, "3200.00"},
    {G::SlabThickness, "110"},
};

const ConversionCase kConversions[] = {
    {"start texts", '.', {}, kStartResults, ""},
    {"comma separator",
     ',',
     {},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "300,00"},
      {G::RiserHeight, "150,00"},
      {G::TotalRunRepeated, "3000"},
      {G::Span, "3200,00"},
      {G::SpanRepeated, "3200,00"},
      {G::SlabThickness, "110"}},
     ""},
    {"odd separator is read back from the span text",
     '?',
     {{G::TotalRun, "3000?5"}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "300?05"},
      {G::RiserHeight, "150?00"},
      {G::TotalRunRepeated, "3000?5"},
      {G::Span, "3200?50"},
      {G::SpanRepeated, "3200?50"},
      {G::SlabThickness, "110"}},
     ""},
    {"longer run rounds the thickness up to 120",
     '.',
     {{G::TotalRun, "3300"}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "330.00"},
      {G::RiserHeight, "150.00"},
      {G::TotalRunRepeated, "3300"},
      {G::Span, "3500.00"},
      {G::SpanRepeated, "3500.00"},
      {G::SlabThickness, "120"}},
     ""},
    {"a half centimetre of thickness rounds away from zero",
     '.',
     {{G::TotalRun, "2950"}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "295.00"},
      {G::RiserHeight, "150.00"},
      {G::TotalRunRepeated, "2950"},
      {G::Span, "3150.00"},
      {G::SpanRepeated, "3150.00"},
      {G::SlabThickness, "110"}},
     ""},
    {"treads and risers that do not divide evenly",
     '.',
     {{G::StepCount, "8"}},
     {{G::TreadCount, "7"},
      {G::TreadWidth, "428.57"},
      {G::RiserHeight, "206.25"},
      {G::TotalRunRepeated, "3000"},
      {G::Span, "3200.00"},
      {G::SpanRepeated, "3200.00"},
      {G::SlabThickness, "110"}},
     ""},
    {"a large ratio gives a thickness of 0",
     '.',
     {{G::SpanRatio, "1000"}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "300.00"},
      {G::RiserHeight, "150.00"},
      {G::TotalRunRepeated, "3000"},
      {G::Span, "3200.00"},
      {G::SpanRepeated, "3200.00"},
      {G::SlabThickness, "0"}},
     ""},
    {"negative rise passes through",
     '.',
     {{G::TotalRise, "-1650"}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "300.00"},
      {G::RiserHeight, "-150.00"},
      {G::TotalRunRepeated, "3000"},
      {G::Span, "3200.00"},
      {G::SpanRepeated, "3200.00"},
      {G::SlabThickness, "110"}},
     ""},
    {"lowest 32-bit step count does not wrap round",
     '.',
     {{G::StepCount, "-2147483648"}},
     {{G::TreadCount, "-2147483649"},
      {G::TreadWidth, "0.00"},
      {G::RiserHeight, "0.00"},
      {G::TotalRunRepeated, "3000"},
      {G::Span, "3200.00"},
      {G::SpanRepeated, "3200.00"},
      {G::SlabThickness, "110"}},
     ""},
};

const ConversionCase kFailures[] = {
    {"step count with decimals",
     '.',
     {{G::StepCount, "11.5"}},
     {},
     "'11.5' is not a valid integer value"},
    {"empty step count", '.', {{G::StepCount, ""}}, {}, "'' is not a valid integer value"},
    {"step count 1 divides by a tread count of 0",
     '.',
     {{G::StepCount, "1"}, {G::TreadCount, "5"}},
     {{G::TreadCount, "0"}},
     "Floating point division by zero"},
    {"step count 1 with no run is 0/0",
     '.',
     {{G::StepCount, "1"}, {G::TotalRun, "0"}},
     {{G::TreadCount, "0"}},
     "Invalid floating point operation"},
    {"step count 0 reaches the riser step",
     '.',
     {{G::StepCount, "0"}},
     {{G::TreadCount, "-1"}, {G::TreadWidth, "-3000.00"}},
     "Floating point division by zero"},
    {"bad total run stops at the tread width",
     '.',
     {{G::StepCount, "21"}, {G::TotalRun, "3 000"}},
     {{G::TreadCount, "20"}},
     "'3 000' is not a valid floating point value"},
    {"hexadecimal step count is no number for the riser step",
     '.',
     {{G::StepCount, "$B"}, {G::TotalRun, "3300"}},
     {{G::TreadCount, "10"}, {G::TreadWidth, "330.00"}},
     "'$B' is not a valid floating point value"},
    {"bad total rise",
     '.',
     {{G::TotalRun, "3300"}, {G::TotalRise, "1650mm"}},
     {{G::TreadCount, "10"}, {G::TreadWidth, "330.00"}},
     "'1650mm' is not a valid floating point value"},
    {"empty landing-beam width leaves the repeated run updated",
     '.',
     {{G::TotalRun, "3300"}, {G::LandingBeamWidth, ""}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "330.00"},
      {G::RiserHeight, "150.00"},
      {G::TotalRunRepeated, "3300"}},
     "'' is not a valid floating point value"},
    {"point in a comma locale",
     ',',
     {{G::TotalRun, "3000.5"}},
     {{G::TreadCount, "10"}},
     "'3000.5' is not a valid floating point value"},
    {"ratio 0 updates all but the thickness",
     '.',
     {{G::SpanRatio, "0"}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "300.00"},
      {G::RiserHeight, "150.00"},
      {G::TotalRunRepeated, "3000"},
      {G::Span, "3200.00"},
      {G::SpanRepeated, "3200.00"}},
     "Floating point division by zero"},
    {"bad ratio",
     '.',
     {{G::SpanRatio, "1/30"}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "300.00"},
      {G::RiserHeight, "150.00"},
      {G::TotalRunRepeated, "3000"},
      {G::Span, "3200.00"},
      {G::SpanRepeated, "3200.00"}},
     "'1/30' is not a valid floating point value"},
    {"ratio beyond the extended range once multiplied by 10",
     '.',
     {{G::SpanRatio, "1.1e4932"}},
     {{G::TreadCount, "10"},
      {G::TreadWidth, "300.00"},
      {G::RiserHeight, "150.00"},
      {G::TotalRunRepeated, "3000"},
      {G::Span, "3200.00"},
      {G::SpanRepeated, "3200.00"}},
     "Floating point overflow"},
};

GeometryFields withTexts(GeometryFields fields, const Texts& texts) {
    for (const auto& [field, text] : texts) fields[field] = text;
    return fields;
}

void expectConversion(const ConversionCase& c) {
    SCOPED_TRACE(c.name);
    const GeometryFields before = withTexts(initialGeometryFields(), c.typed);
    const GeometryFields expected = withTexts(before, c.written);
    GeometryFields fields = before;
    std::string error;
    try {
        convertGeometry(fields, c.separator);
    } catch (const UserError& e) {
        error = e.message();
    }
    EXPECT_EQ(error, c.error);
    for (std::size_t i = 0; i < fields.texts.size(); ++i) {
        EXPECT_EQ(fields.texts[i], expected.texts[i]) << "Edit" << i + 1;
    }
}

TEST(ConvertGeometry, WritesEachStepFromTheTextsBefore) {
    for (const ConversionCase& c : kConversions) expectConversion(c);
}

TEST(ConvertGeometry, StopsAtTheFirstFailingStepKeepingEarlierTexts) {
    for (const ConversionCase& c : kFailures) expectConversion(c);
}

TEST(ConvertGeometry, SecondPressChangesNothing) {
    GeometryFields fields = initialGeometryFields();
    convertGeometry(fields, '.');
    const GeometryFields once = fields;
    convertGeometry(fields, '.');
    EXPECT_EQ(fields.texts, once.texts);
}

// The first hand-back, at start-up, must leave the design sheet as it is.
TEST(GeometryFieldTable, StartResultsAreTheSheetDefaults) {
    const GeometryFields start = initialGeometryFields();
    EXPECT_EQ(start[G::TreadWidth], sheet::info(sheet::Field::Edit1).startText);
    EXPECT_EQ(start[G::RiserHeight], sheet::info(sheet::Field::Edit2).startText);
    EXPECT_EQ(start[G::SlabThickness], sheet::info(sheet::Field::Edit3).startText);
    EXPECT_EQ(start[G::Span], sheet::info(sheet::Field::Edit5).startText);
}

}  // namespace
