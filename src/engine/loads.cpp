#include "engine/loads.h"

#include <array>
#include <span>

#include "numeric/parse.h"
#include "numeric/real48.h"

namespace quendral::engine {

using numeric::Ext;
using numeric::stored;
using sheet::Field;

namespace {

Ext readInput(const sheet::Sheet& sheet, Field field) {
    return stored(numeric::lenientScan(sheet.text(field)));
}

}  // namespace

Inputs readInputs(const sheet::Sheet& sheet) {
    Inputs in;
    in.treadWidth = readInput(sheet, Field::Edit1);
    in.riserHeight = readInput(sheet, Field::Edit2);
    in.thickness = readInput(sheet, Field::Edit3);
    in.slabWidth = readInput(sheet, Field::Edit4);
    in.span = readInput(sheet, Field::Edit5);
    in.railing = readInput(sheet, Field::Edit6);
    in.finish = readInput(sheet, Field::Edit7);
    in.plaster = readInput(sheet, Field::Edit8);
    in.liveLoad = readInput(sheet, Field::Edit9);
    in.cover = readInput(sheet, Field::Edit10);
    return in;
}

DesignLoads designLoads(const Inputs& in) {
    const Ext b = in.treadWidth;
    const Ext h = in.riserHeight;
    const Ext slope = stored(numeric::arctan(h / b));
    const Ext cosSlope = numeric::cos(slope);
    // Railing spread over the slab width; tread and riser both carry finish; the slab's
    // vertical thickness plus half a riser at 25 kN/m³; plaster given per sloping area.
    const Ext railing = stored(in.railing * 1000.0L / in.slabWidth);
    const Ext finish = stored((h / b + 1.0L) * in.finish);
    const Ext selfWeight = stored((in.thickness / cosSlope + h * 0.5L) * 0.025L);
    const Ext plaster = stored(in.plaster / cosSlope);
    const Ext dead = stored((((railing + finish) + selfWeight) + plaster) * 1.2L);
    const Ext live = stored(in.liveLoad * 1.4L);
    const Ext q = stored(dead + live);
    const Ext landing = stored((q * in.span) * 0.0005L);
    return {q, landing};
}

Ext momentCoefficient(std::string_view text, Section section, char decimalSeparator) {
    struct Listed {
        std::string_view text;
        long double value;
    };
    // The listed fractions carry six decimals (0.083333, not a twelfth), each the nearest
    // 48-bit value of its decimal.
    static constexpr std::array<Listed, 3> kMidSpan{
        {{"1/12", 0xAAAA7DED6C000000P-67L}, {"1/10", 0xCCCCCCCCCD000000P-67L}, {"1/8", 0.125L}}};
    static constexpr std::array<Listed, 4> kSupport{{{"1/24", 0xAAAB042529000000P-68L},
                                                     {"1/12", 0xAAAA7DED6C000000P-67L},
                                                     {"1/10", 0xCCCCCCCCCD000000P-67L},
                                                     {"1/8", 0.125L}}};
    const std::span<const Listed> listed = section == Section::MidSpan
                                               ? std::span<const Listed>(kMidSpan)
                                               : std::span<const Listed>(kSupport);
    for (const Listed& row : listed) {
        if (row.text == text) return row.value;
    }
    return stored(numeric::strictNumber(text, decimalSeparator));
}

Ext designMoment(Ext coefficient, Ext designLoad, Ext span) {
    const Ext metres = span * 0.001L;
    return stored((coefficient * designLoad) * (metres * metres));
}

}  // namespace quendral::engine
