#pragma once

#include <string_view>

#include "engine/arrangement.h"
#include "sheet/fields.h"

namespace quendral::engine {

// The fields and texts that belong to one design section of the flight.
//   sectionFields(Section::MidSpan).list == Field::ComboBox5, .hidden == Field::KZJ
struct SectionFields {
    sheet::Field moment;             // Edit13 / Edit16
    sheet::Field area;               // Edit14 / Edit17, the required area
    sheet::Field list;               // ComboBox5 / ComboBox6, the bar arrangements
    sheet::Field hidden;             // KZJ / ZZJ, the provided area for the report
    std::string_view hintPrefix;     // put before the provided area in the list's hint
    std::string_view overLimitText;  // warning when the compression depth passes its limit
};

inline const SectionFields& sectionFields(Section section) {
    static const SectionFields kMidSpan{sheet::Field::Edit13,          sheet::Field::Edit14,
                                        sheet::Field::ComboBox5,       sheet::Field::KZJ,
                                        "   梯板跨中实配钢筋面积As= ", "跨中超筋"};
    static const SectionFields kSupport{sheet::Field::Edit16,          sheet::Field::Edit17,
                                        sheet::Field::ComboBox6,       sheet::Field::ZZJ,
                                        "   梯板支座实配钢筋面积As= ", "支座超筋"};
    return section == Section::MidSpan ? kMidSpan : kSupport;
}

}  // namespace quendral::engine
