#include "cli/report_output.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QTimeZone>
#include <chrono>
#include <cstddef>

#include "report/report.h"

namespace quendral::cli {

namespace {

// The number in text[from, from + count) when every character is an ASCII digit.
std::optional<int> digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::optional<ReportTime> parseReportTime(std::string_view text) {
    constexpr std::string_view kShape = "YYYY-MM-DDTHH:MM:SS";
    if (text.size() != kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool separator = kShape[i] == '-' || kShape[i] == 'T' || kShape[i] == ':';
        if (separator && text[i] != kShape[i]) return std::nullopt;
    }
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2);
    const auto minute = digits(text, 14, 2);
    const auto second = digits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (*year < 1 || !date.ok() || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
    return ReportTime{*year, *month, *day, *hour, *minute, *second};
}

void writeReport(const sheet::Sheet& sheet, const std::string& path,
                 const std::optional<ReportTime>& at) {
    // A given time is kept as UTC so that no local clock change can move or invalidate it:
    // only its date and its time of day reach the report.
    const QDateTime when = at ? QDateTime(QDate(at->year, at->month, at->day),
                                          QTime(at->hour, at->minute, at->second), QTimeZone::utc())
                              : QDateTime::currentDateTime();
    report::saveReport(sheet, QFile::decodeName(QByteArray::fromStdString(path)), QLocale::system(),
                       when);
}

}  // namespace quendral::cli
