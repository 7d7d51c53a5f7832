#include <optional>
#include <vector>

#include "report/report.h"

namespace quendral::report {

namespace {

// What the report keeps of the locale's long time pattern.
struct TimeLayout {
    bool leadingZero = false;  // "HH"/"hh"
    bool twelveHour = false;   // "h" together with a designator
    bool designatorFirst = false;
    QString separator = QStringLiteral(":");
};

struct PatternToken {
    QChar letter;  // the pattern letter; null for literal text
    qsizetype count = 0;
    QString literal;
};

bool isDesignatorStart(QChar c) { return c == u'a' || c == u'A' || c == u'B'; }

// Splits a Qt date/time pattern into runs of one pattern letter and literal text
// ('quoted' text, with '' for a quote, and any character that is no letter).
std::vector<PatternToken> tokens(const QString& pattern) {
    std::vector<PatternToken> out;
    auto literal = [&]() -> QString& {
        if (out.empty() || !out.back().letter.isNull()) out.push_back({});
        return out.back().literal;
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            ++i;
            if (i < pattern.size() && pattern[i] == u'\'') {
                literal() += u'\'';
                ++i;
                continue;
            }
            while (i < pattern.size()) {
                if (pattern[i] == u'\'') {
                    if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                        literal() += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal() += pattern[i++];
            }
        } else if (c.isLetter() && c.unicode() < 0x80) {
            qsizetype end = i + 1;
            if (isDesignatorStart(c) && c != u'B' && end < pattern.size() &&
                (pattern[end] == u'p' || pattern[end] == u'P')) {
                ++end;  // "AP", "ap": one designator
            } else {
                while (end < pattern.size() && pattern[end] == c) ++end;
            }
            out.push_back({isDesignatorStart(c) ? QChar(u'a') : c, end - i, {}});
            i = end;
        } else {
            literal() += c;
            ++i;
        }
    }
    return out;
}

bool separatorUsable(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) return false;
    }
    return true;
}

TimeLayout timeLayout(const QString& pattern) {
    const std::vector<PatternToken> parts = tokens(pattern);
    TimeLayout layout;
    std::optional<std::size_t> hour;
    std::optional<std::size_t> designator;
    bool hourIsTwelve = false;
    bool minuteSeen = false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const QChar letter = parts[i].letter;
        if ((letter == u'h' || letter == u'H') && !hour) {
            hour = i;
            hourIsTwelve = letter == u'h';
            layout.leadingZero = parts[i].count >= 2;
        } else if (letter == u'a' && !designator) {
            designator = i;
        } else if (letter == u'm' && hour && !minuteSeen) {
            minuteSeen = true;
            // Only plain literal text right between hour and minutes is the separator.
            if (i == *hour + 2 && separatorUsable(parts[i - 1].literal)) {
                layout.separator = parts[i - 1].literal;
            }
        }
    }
    layout.twelveHour = hourIsTwelve && designator.has_value();
    layout.designatorFirst = designator && hour && *designator < *hour;
    return layout;
}

QString quotedLiteral(QString text) {
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
}

QString timeText(const QTime& time, const QLocale& locale, const TimeLayout& layout) {
    int hour = time.hour();
    if (layout.twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
    const QString separator = quotedLiteral(layout.separator);
    const QString digitsPattern = QLatin1String(layout.leadingZero ? "HH" : "H") + separator +
                                  QLatin1String("mm") + separator + QLatin1String("ss");
    const QString digits =
        locale.toString(QTime(hour, time.minute(), time.second()), digitsPattern);
    if (!layout.twelveHour) return digits;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    if (designator.isEmpty()) return digits;
    return layout.designatorFirst ? designator + u' ' + digits : digits + u' ' + designator;
}

}  // namespace

std::string writtenAt(const QDateTime& when, const QLocale& locale, const QString& shortDatePattern,
                      const QString& longTimePattern) {
    const QString datePattern =
        shortDatePattern.isEmpty() ? QStringLiteral("M/d/yy") : shortDatePattern;
    QString text = locale.toString(when.date(), datePattern);
    const QTime time = when.time();
    const bool midnight = time.hour() == 0 && time.minute() == 0 && time.second() == 0;
    if (!midnight) text += u' ' + timeText(time, locale, timeLayout(longTimePattern));
    return text.toStdString();
}

std::string writtenAt(const QDateTime& when, const QLocale& locale) {
    return writtenAt(when, locale, locale.dateFormat(QLocale::ShortFormat),
                     locale.timeFormat(QLocale::LongFormat));
}

}  // namespace quendral::report
