#include "engine/calculate.h"

#include <optional>
#include <string_view>

#include "engine/arrangement_search.h"
#include "engine/loads.h"
#include "engine/materials.h"
#include "engine/section_design.h"
#include "numeric/format.h"
#include "numeric/parse.h"
#include "numeric/real48.h"

namespace quendral::engine {

using numeric::Ext;
using numeric::stored;
using sheet::Command;
using sheet::Field;

namespace {

Outcome stopWith(sheet::Sheet& sheet, std::string_view warning, Field focus) {
    sheet.warn(warning);
    sheet.setFocus(focus);
    return Outcome::Stopped;
}

// Designs one section and lists its bar arrangements; false when the section stopped.
bool designAndArrange(sheet::Sheet& sheet, Section section, Ext moment,
                      const SectionMaterials& materials, std::string_view barLetter,
                      char decimalSeparator) {
    const std::optional<Ext> area =
        designSection(sheet, section, moment, materials, decimalSeparator);
    if (!area) return false;
    fillArrangements(sheet, section, *area, barLetter, decimalSeparator);
    return true;
}

}  // namespace

Outcome calculate(sheet::Sheet& sheet, char decimalSeparator) {
    const Inputs in = readInputs(sheet);
    const DesignLoads loads = designLoads(in);
    sheet.setText(Field::Edit11, numeric::fixedTwo(loads.designLoad.value(), decimalSeparator));
    sheet.setText(Field::Edit12, numeric::fixedTwo(loads.landingLoad.value(), decimalSeparator));

    // Materials. A grade without a table row gets no strength: the calculation stops there.
    const std::optional<Ext> fcm =
        concreteStrength(concreteGradeNumber(sheet.text(Field::ComboBox1)));
    if (!fcm) return stopWith(sheet, "混凝土强度等级有错", Field::ComboBox1);
    const std::optional<SteelGrade> steel =
        steelGrade(numeric::strictInteger(sheet.text(Field::ComboBox2)));
    if (!steel) return stopWith(sheet, "钢筋级别有错", Field::ComboBox2);
    const Ext effectiveDepth = stored((in.thickness - in.cover) - steel->barCentreOffset);

    // Both coefficients are read before either moment is computed.
    const Ext midSpanCoefficient =
        momentCoefficient(sheet.text(Field::ComboBox3), Section::MidSpan, decimalSeparator);
    const Ext supportCoefficient =
        momentCoefficient(sheet.text(Field::ComboBox4), Section::Support, decimalSeparator);
    const Ext midSpanMoment = designMoment(midSpanCoefficient, loads.designLoad, in.span);
    const Ext supportMoment = designMoment(supportCoefficient, loads.designLoad, in.span);
    sheet.setText(Field::Edit13, numeric::fixedTwo(midSpanMoment.value(), decimalSeparator));
    sheet.setText(Field::Edit16, numeric::fixedTwo(supportMoment.value(), decimalSeparator));

    // Cover and bar offset deeper than the slab: no section to design.
    if (effectiveDepth < 0.0L) return stopWith(sheet, "梯板有效高度不足", Field::Edit3);
    const SectionMaterials materials{*fcm, steel->strength, steel->compressionLimit, effectiveDepth,
                                     stored(effectiveDepth * 1.5L)};

    if (!designAndArrange(sheet, Section::MidSpan, midSpanMoment, materials, steel->barLetter,
                          decimalSeparator)) {
        return Outcome::Stopped;
    }
    if (!designAndArrange(sheet, Section::Support, supportMoment, materials, steel->barLetter,
                          decimalSeparator)) {
        return Outcome::Stopped;
    }

    sheet.setEnabled(Command::computer, false);
    sheet.setEnabled(Command::Save, true);
    sheet.setEnabled(Command::Ptlpj, true);
    return Outcome::Completed;
}

}  // namespace quendral::engine
