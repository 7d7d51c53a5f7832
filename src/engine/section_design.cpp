#include "engine/section_design.h"

#include <string>

#include "engine/section_fields.h"
#include "numeric/format.h"
#include "numeric/real48.h"

namespace quendral::engine {

using numeric::Ext;
using numeric::stored;

std::optional<Ext> designSection(sheet::Sheet& sheet, Section section, Ext moment,
                                 const SectionMaterials& materials, char decimalSeparator) {
    const SectionFields& fields = sectionFields(section);
    const Ext fcm = materials.concreteStrength;
    const Ext h0 = materials.effectiveDepth;

    const Ext momentFactor = stored((moment * 1000.0L) / ((fcm * h0) * h0));
    // Past αs = 0.5 the compression zone would need more than the whole depth: no real ξ.
    const Ext remainder = stored(1.0L - 2.0L * momentFactor);
    if (remainder < 0.0L) {
        sheet.warn("超筋");
        sheet.setFocus(sheet::Field::Edit3);
        return std::nullopt;
    }
    const Ext depthRatio = stored(1.0L - numeric::sqrt(1.0L - 2.0L * momentFactor));

    if (depthRatio > materials.compressionLimit) {
        sheet.warn(fields.overLimitText);
        sheet.setColour(fields.area, sheet::kRed);
        sheet.setColour(fields.list, sheet::kRed);
    } else {
        sheet.setColour(fields.area, sheet::kBlack);
        sheet.setColour(fields.list, sheet::kBlack);
    }

    Ext area = stored((((depthRatio * fcm) * 1000.0L) * h0) / materials.steelStrength);
    if (area < materials.minimumArea) {
        area = materials.minimumArea;
        sheet.setText(fields.area, "#" + numeric::fixedTwo(area.value(), decimalSeparator));
    } else {
        sheet.setText(fields.area, numeric::fixedTwo(area.value(), decimalSeparator));
    }
    return area;
}

}  // namespace quendral::engine
