#include "report/report.h"

namespace quendral::report {

void saveReport(const sheet::Sheet& sheet, const QString& path, const QLocale& locale,
                const QDateTime& when) {
    writeReportFile(path, encodeReport(reportText(sheet, writtenAt(when, locale))));
}

}  // namespace quendral::report
