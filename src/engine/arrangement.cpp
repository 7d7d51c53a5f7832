#include "engine/arrangement.h"

#include <string>

#include "engine/arrangement_search.h"
#include "engine/arrangement_text.h"
#include "engine/gbk_text.h"
#include "engine/section_fields.h"
#include "numeric/error.h"
#include "numeric/parse.h"
#include "numeric/real48.h"

namespace quendral::engine {

using numeric::Ext;
using numeric::stored;

namespace {

Ext areaOf(Ext diameter, Ext spacing) {
    return stored(((diameter * kAreaFactor) * diameter) / spacing);
}

// An arrangement typed in some other form has no area of its own: the hint and the hidden
// field are blanked rather than left showing the area of an earlier arrangement.
void reevaluateLoose(sheet::Sheet& sheet, Section section, const std::string& text,
                     char decimalSeparator) {
    if (const auto pieces = loosePieces(text)) {
        try {
            const Ext diameter = stored(numeric::strictNumber(pieces->diameter, decimalSeparator));
            const Ext spacing = stored(numeric::strictNumber(pieces->spacing, decimalSeparator));
            if (diameter != 0.0L && spacing != 0.0L) {
                showProvidedArea(sheet, section, areaOf(diameter, spacing), decimalSeparator);
                return;
            }
        } catch (const UserError&) {
            // Too many digits to read or an area beyond the range: no area to show.
        }
    }
    const SectionFields& fields = sectionFields(section);
    sheet.setHint(fields.list, " ");
    sheet.setText(fields.hidden, "");
}

}  // namespace

void reevaluate(sheet::Sheet& sheet, Section section, char decimalSeparator) {
    const std::string text = sheet.text(sectionFields(section).list);
    const std::size_t length = gbkLength(text);
    if (length != 6 && length != 7) {
        reevaluateLoose(sheet, section, text, decimalSeparator);
        return;
    }
    // d6@190: diameter at 2, spacing at 4..6; d10@140: diameter at 2..3, spacing at 5..7.
    const std::size_t diameterWidth = length - 5;
    const Ext diameter =
        stored(numeric::strictNumber(gbkPiece(text, 2, diameterWidth), decimalSeparator));
    const Ext spacing =
        stored(numeric::strictNumber(gbkPiece(text, diameterWidth + 3, 3), decimalSeparator));
    showProvidedArea(sheet, section, areaOf(diameter, spacing), decimalSeparator);
}

}  // namespace quendral::engine
