#include "engine/geometry.h"

#include <cstdint>
#include <string>

#include "numeric/extended.h"
#include "numeric/format.h"
#include "numeric/parse.h"

namespace quendral::engine {

namespace {

using numeric::Ext;
using G = GeometryField;

Ext numberIn(const GeometryFields& fields, GeometryField field, char decimalSeparator) {
    return Ext(numeric::strictNumber(fields[field], decimalSeparator));
}

// The step count less one, in 64 bits: the lowest 32-bit step count must give the count
// one below it, not wrap round to the highest.
std::string treadCountText(std::int32_t stepCount) {
    return std::to_string(static_cast<std::int64_t>(stepCount) - 1);
}

}  // namespace

const std::array<GeometryFieldInfo, kGeometryFieldCount>& geometryFieldTable() {
    static const std::array<GeometryFieldInfo, kGeometryFieldCount> table{{
        {G::TreadWidth, "Edit1", false, "300"},
        {G::TotalRun, "Edit2", true, "3000"},
        {G::TreadCount, "Edit3", false, "10"},
        {G::RiserHeight, "Edit4", false, "150"},
        {G::TotalRise, "Edit5", true, "1650"},
        {G::StepCount, "Edit6", true, "11"},
        {G::Span, "Edit7", false, "3200"},
        {G::TotalRunRepeated, "Edit8", false, "3000"},
        {G::LandingBeamWidth, "Edit9", true, "200"},
        {G::SlabThickness, "Edit10", false, "120"},
        {G::SpanRepeated, "Edit11", false, "3500"},
        {G::SpanRatio, "Edit12", true, "30"},
    }};
    return table;
}

GeometryFields initialGeometryFields() {
    GeometryFields fields;
    for (const GeometryFieldInfo& info : geometryFieldTable())
        fields[info.field] = info.initialText;
    return fields;
}

void convertGeometry(GeometryFields& f, char sep) {
    // Each step takes its operands from the texts as they stand, so a later step sees the
    // rounded text an earlier one wrote, never the unrounded value behind it.
    f[G::TreadCount] = treadCountText(numeric::strictInteger(f[G::StepCount]));

    f[G::TreadWidth] = numeric::fixedTwo(
        (numberIn(f, G::TotalRun, sep) / numberIn(f, G::TreadCount, sep)).value(), sep);

    f[G::RiserHeight] = numeric::fixedTwo(
        (numberIn(f, G::TotalRise, sep) / numberIn(f, G::StepCount, sep)).value(), sep);

    f[G::TotalRunRepeated] = f[G::TotalRun];

    f[G::Span] = numeric::fixedTwo(
        (numberIn(f, G::LandingBeamWidth, sep) + numberIn(f, G::TotalRunRepeated, sep)).value(),
        sep);

    f[G::SpanRepeated] = f[G::Span];

    // The thickness is rounded to whole centimetres: span / (ratio * 10) in cm, then back to mm.
    const Ext span = numberIn(f, G::SpanRepeated, sep);
    const Ext ratio = numberIn(f, G::SpanRatio, sep);
    f[G::SlabThickness] = numeric::fixedWhole((span / (ratio * Ext(10.0L))).value(), sep);

    f[G::SlabThickness] =
        numeric::general((numberIn(f, G::SlabThickness, sep) * Ext(10.0L)).value(), sep);
}

}  // namespace quendral::engine
