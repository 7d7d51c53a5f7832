#include <gtest/gtest.h>

#include "report/report.h"

namespace quendral::report {
namespace {

QDateTime at(int hour, int minute, int second, int millisecond = 0) {
    return QDateTime(QDate(2001, 5, 8), QTime(hour, minute, second, millisecond));
}

TEST(WrittenAt, FromPatterns) {
    struct Case {
        const char* locale;
        QString date;
        QString time;
        QDateTime when;
        std::string expected;
    };
    const QString hms = QStringLiteral("H:mm:ss");
    const Case cases[] = {
        // The worked example's locale.
        {"C", "yyyy-M-d", hms, at(14, 5, 30), "2001-5-8 14:05:30"},
        {"C", "yyyy-M-d", hms, at(9, 0, 5), "2001-5-8 9:00:05"},
        // Exactly midnight gives the date alone, whatever the milliseconds.
        {"C", "yyyy-M-d", hms, at(0, 0, 0), "2001-5-8"},
        {"C", "yyyy-M-d", hms, at(0, 0, 0, 999), "2001-5-8"},
        {"C", "yyyy-M-d", hms, at(0, 0, 1), "2001-5-8 0:00:01"},
        // No patterns at all.
        {"C", "", "", at(14, 5, 30), "5/8/01 14:05:30"},
        // Leading zero on the hour only where asked; zones and milliseconds dropped.
        {"C", "dd.MM.yy", "HH:mm:ss.zzz t", at(9, 5, 30), "08.05.01 09:05:30"},
        {"C", "yyyy/M/d", "t HH:mm:ss", at(9, 5, 30), "2001/5/8 09:05:30"},
        // The locale's separator; ":" where the pattern has letters or nothing there.
        {"C", "d.M.yyyy", "H.mm.ss t", at(14, 5, 30), "8.5.2001 14.05.30"},
        {"C", "yyyy/MM/dd", "H時mm分ss秒 t", at(14, 5, 30), "2001/05/08 14:05:30"},
        {"C", "yyyy-M-d", "Hmmss", at(14, 5, 30), "2001-5-8 14:05:30"},
        // 12-hour clocks: designator after or before, with one blank.
        {"en_US", "M/d/yy", "h:mm:ss AP t", at(14, 5, 30), "5/8/01 2:05:30 PM"},
        {"en_US", "M/d/yy", "h:mm:ss AP t", at(0, 30, 0), "5/8/01 12:30:00 AM"},
        {"en_US", "M/d/yy", "h:mm:ss AP t", at(12, 0, 0), "5/8/01 12:00:00 PM"},
        {"en_US", "M/d/yy", "hh:mm:ss AP", at(9, 5, 30), "5/8/01 09:05:30 AM"},
        {"zh_CN", "yyyy/M/d", "APh:mm:ss", at(14, 5, 30), "2001/5/8 下午 2:05:30"},
        {"ko_KR", "yy. M. d.", "AP h시 m분 s초 t", at(9, 5, 30), "01. 5. 8. 오전 9:05:30"},
        // "h" without a designator is a 24-hour clock, as is "H" with one.
        {"en_US", "M/d/yy", "h:mm:ss", at(14, 5, 30), "5/8/01 14:05:30"},
        {"en_US", "M/d/yy", "H:mm:ss AP", at(14, 5, 30), "5/8/01 14:05:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale + (" \"" + c.date + "\" \"" + c.time + "\"").toStdString());
        EXPECT_EQ(writtenAt(c.when, QLocale(QString::fromLatin1(c.locale)), c.date, c.time),
                  c.expected);
    }
}

// The locale's own patterns, as the Save command uses them.
TEST(WrittenAt, FromLocale) {
    EXPECT_EQ(writtenAt(at(14, 5, 30), QLocale(QLocale::English, QLocale::UnitedStates)),
              "5/8/01 2:05:30 PM");
    EXPECT_EQ(writtenAt(at(0, 0, 0), QLocale(QLocale::English, QLocale::UnitedStates)), "5/8/01");
    EXPECT_EQ(writtenAt(at(14, 5, 30), QLocale(QLocale::Chinese, QLocale::China)),
              "2001/5/8 14:05:30");
}

}  // namespace
}  // namespace quendral::report
