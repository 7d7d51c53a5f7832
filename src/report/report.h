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
// Field texts go in unchanged: an empty field contributes nothing, a blank stays a blank.
//   line 2 with slab mark "TB-1" -> "一、 输入数据(TB-1) :\r\n"
std::string reportText(const sheet::Sheet& sheet, std::string_view writtenAt);

// The name the Save dialog proposes: the slab mark as it stands followed by ".txt".
//   "TB-1" -> "TB-1.txt";  "" -> ".txt"
QString proposedFileName(const sheet::Sheet& sheet);

// The date and time of writing: the locale's short date, then (unless it is exactly
// midnight) a blank and the locale's long time.
//   2001-05-08 14:05:30 in a locale with short date "yyyy-M-d" and time "H:mm:ss"
//     -> "2001-5-8 14:05:30"
std::string writtenAt(const QDateTime& when, const QLocale& locale);

// The same with the short date and long time patterns given (Qt pattern syntax); the
// locale supplies the names of months and the morning and afternoon designators.
//   Date: the pattern as it stands; an empty pattern gives month/day/two-digit year without
//   leading zeros: "5/8/01".
//   Time: hour, minutes and seconds only (zones and milliseconds are dropped). The hour has
//   a leading zero only for "HH"/"hh"; minutes and seconds always have two digits. The
//   separator is the pattern's text between hour and minutes, or ":" when that is empty or
//   holds letters or digits ("H.mm.ss t" -> "14.05.30", "H時mm分ss秒" -> "14:05:30"). A 12-hour
//   clock
//   ("h" with a designator "AP"/"ap"/"a"/"B") puts the locale's designator before or after
//   the time as the pattern does, with one blank: "h:mm:ss AP t" -> "2:05:30 PM".
//   Midnight (00:00:00, milliseconds ignored) gives the date alone.
std::string writtenAt(const QDateTime& when, const QLocale& locale, const QString& shortDatePattern,
                      const QString& longTimePattern);

// The report's bytes: GBK for every character GBK holds (GB18030 for the rest), so no
// character of a field is lost. Invalid UTF-8 becomes U+FFFD.
//   "梯板" -> CC DD B0 E5;  "€" -> 80 (GBK);  U+20000 -> 95 32 82 36 (GB18030)
std::string encodeReport(std::string_view utf8);

// The user's text for a failed file operation with the system's error number.
//   EACCES, EPERM, EISDIR      -> "File access denied"
//   ENOENT, ENOTDIR, ENAMETOOLONG -> "Invalid filename"
//   EMFILE, ENFILE             -> "Too many open files"
//   any other n, e.g. ENOSPC   -> "I/O error 28"
std::string fileErrorText(int errorNumber);

// Replaces the file at path with bytes, only once they are all written and flushed; on any
// failure the old file stays as it was and no temporary file is left. A target that exists
// but is read-only (no write permission for anyone, or none for this user) is refused even
// where the system would let the folder's owner replace it. Throws UserError:
// "File access denied", "Invalid filename" (missing folder), "Too many open files",
// otherwise "I/O error <errno>".
void writeReportFile(const QString& path, std::string_view bytes);

// The whole Save: text, encoding and file. The window passes the current local time.
void saveReport(const sheet::Sheet& sheet, const QString& path, const QLocale& locale,
                const QDateTime& when);

}  // namespace quendral::report
