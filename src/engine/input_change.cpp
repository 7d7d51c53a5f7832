#include "engine/input_change.h"

#include <array>
#include <cstdint>
#include <span>

#include "engine/materials.h"
#include "numeric/error.h"
#include "numeric/parse.h"
#include "numeric/real48.h"

namespace quendral::engine {

using sheet::Command;
using sheet::Field;

namespace {

constexpr std::array kAllResults{Field::Edit11,    Field::Edit12, Field::Edit13, Field::Edit14,
                                 Field::ComboBox5, Field::Edit16, Field::Edit17, Field::ComboBox6};
constexpr std::array kSectionResults{Field::Edit14, Field::ComboBox5, Field::Edit17,
                                     Field::ComboBox6};
constexpr std::array kMidSpanResults{Field::Edit13, Field::Edit14, Field::ComboBox5};
constexpr std::array kSupportResults{Field::Edit16, Field::Edit17, Field::ComboBox6};

// A cleared arrangement list also loses its hint, so the status panel stops showing the
// provided area of an arrangement that is gone.
void clear(sheet::Sheet& sheet, Field field) {
    if (field == Field::ComboBox5 || field == Field::ComboBox6) {
        sheet.clearItems(field);
        sheet.setText(field, "");
        sheet.setHint(field, " ");
    } else {
        sheet.setText(field, "");
    }
}

void accept(sheet::Sheet& sheet, std::span<const Field> results) {
    sheet.setEnabled(Command::computer, true);
    for (const Field field : results) clear(sheet, field);
}

void reject(sheet::Sheet& sheet, std::string_view warning, Field box) {
    sheet.warn(warning);
    sheet.setFocus(box);
}

}  // namespace

void inputChanged(sheet::Sheet& sheet, Field field) {
    switch (field) {
        case Field::Edit1:
        case Field::Edit2:
        case Field::Edit3:
        case Field::Edit4:
        case Field::Edit5:
        case Field::Edit6:
        case Field::Edit7:
        case Field::Edit8:
        case Field::Edit9:
            accept(sheet, kAllResults);
            return;
        case Field::Edit10:
            accept(sheet, kSectionResults);
            return;
        case Field::ComboBox1: {
            // The list offers C10 .. C60; any grade number from 10 to 64 passes the check.
            const std::int32_t quotient = concreteGradeNumber(sheet.text(field)) / 5;
            if (quotient >= 2 && quotient <= 12) {
                accept(sheet, kSectionResults);
            } else {
                reject(sheet, "混凝土强度等级有错", field);
            }
            return;
        }
        case Field::ComboBox2: {
            const std::int32_t grade = numeric::strictInteger(sheet.text(field));
            if (grade >= 1 && grade <= 3) {
                accept(sheet, kSectionResults);
            } else {
                reject(sheet, "钢筋级别有错", field);
            }
            return;
        }
        case Field::ComboBox3:
            accept(sheet, kMidSpanResults);
            return;
        case Field::ComboBox4:
            accept(sheet, kSupportResults);
            return;
        default:
            return;
    }
}

void guardZeroGeometry(sheet::Sheet& sheet) {
    constexpr std::array kGeometry{Field::Edit1, Field::Edit2, Field::Edit3, Field::Edit4,
                                   Field::Edit5};
    for (const Field field : kGeometry) {
        try {
            if (numeric::stored(numeric::lenientScan(sheet.text(field))) == 0.0L) {
                sheet.setEnabled(Command::computer, false);
                return;
            }
        } catch (const UserError&) {
            // A length too large to store is certainly not zero; the others still count.
        }
    }
}

}  // namespace quendral::engine
