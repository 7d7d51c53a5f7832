#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

#include "sheet/sheet.h"

namespace quendral::report {

// The 18 lines of the calculation report from the sheet's texts as they stand, each line
// followed by CR LF, in UTF-8. writtenAt is the date and time piece of the last line.
std::string reportText(const sheet::Sheet& sheet, std::string_view writtenAt);

// The date and time of writing: the locale's short date, then (unless it is exactly
// midnight) a blank and the locale's long time.
//   2001-05-08 14:05:30 in a locale with short date "yyyy-M-d" and time "H:mm:ss"
//     -> "2001-5-8 14:05:30"
std::string writtenAt(const QDateTime& when, const QLocale& locale);

// The report's bytes: GBK for every character GBK holds (GB18030 for the rest).
std::string encodeReport(std::string_view utf8);

// Replaces the file at path with bytes, only once they are all written and flushed; on any
// failure the old file stays as it was and no temporary file is left. Throws UserError:
// "File access denied", "Invalid filename" (missing folder), "Too many open files",
// otherwise "I/O error <errno>".
void writeReportFile(const QString& path, std::string_view bytes);

// The whole Save: text, encoding and file. The window passes the current local time.
void saveReport(const sheet::Sheet& sheet, const QString& path, const QLocale& locale,
                const QDateTime& when);

}  // namespace quendral::report
