#include "cli/run.h"

#include "engine/calculate.h"
#include "engine/section_fields.h"
#include "numeric/error.h"

namespace quendral::cli {

SheetRun runSheet(const GivenSheet& given, std::span<const Pick> picks, char decimalSeparator) {
    SheetRun run;
    for (const GivenText& text : given) run.sheet.setText(text.field, text.text);
    try {
        run.completed =
            engine::calculate(run.sheet, decimalSeparator) == engine::Outcome::Completed;
    } catch (const UserError& error) {
        run.error = errorBoxText(error.message());
    }
    for (const Pick& pick : picks) {
        run.sheet.setText(engine::sectionFields(pick.section).list, pick.text);
        try {
            engine::reevaluate(run.sheet, pick.section, decimalSeparator);
        } catch (const UserError& error) {
            run.error = errorBoxText(error.message());
        }
    }
    return run;
}

}  // namespace quendral::cli
