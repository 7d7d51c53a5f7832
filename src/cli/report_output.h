#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sheet/sheet.h"

namespace quendral::cli {

// A date and time of writing as the user gave it with --at: a calendar date and a wall-clock
// time, in no time zone.
struct ReportTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Reads YYYY-MM-DDTHH:MM:SS, exactly: four-digit year, two digits for every other part, a
// real calendar date (year 1 onwards) and a time from 00:00:00 to 23:59:59.
//   "2001-05-08T14:05:30" -> {2001, 5, 8, 14, 5, 30}
//   "2001-5-8T14:05:30", "2001-02-29T00:00:00", "2001-05-08 14:05:30",
//   "2001-05-08T24:00:00", "2001-05-08T14:05" -> nullopt
std::optional<ReportTime> parseReportTime(std::string_view text);

// Writes the calculation report of `sheet` to `path` (a file name as the command line gives
// it, in UTF-8) with the date and time of writing in the user's locale (LC_ALL, LC_TIME,
// LANG): `at` when given, else the current local time. `at` is written as given, whatever
// the time zone, so a report is reproducible even at an hour a clock change skips.
// Throws UserError as report::writeReportFile does; an existing file is then left as it was.
void writeReport(const sheet::Sheet& sheet, const std::string& path,
                 const std::optional<ReportTime>& at);

}  // namespace quendral::cli
