#include "report/report.h"

namespace quendral::report {

QString proposedFileName(const sheet::Sheet& sheet) {
    // The slab mark is used as it stands, even when empty or unusable as a name: the user
    // sees it in the dialog and may change it there.
    return QString::fromStdString(sheet.text(sheet::Field::TBBH)) + QStringLiteral(".txt");
}

}  // namespace quendral::report
