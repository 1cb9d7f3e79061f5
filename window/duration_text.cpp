// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/duration_text.h"

#include <algorithm>
#include <limits>

namespace window {

namespace {

// Takes as many whole units as fit out of s, leaving the rest in s, and returns
// them with their unit name; returns an empty part when not one unit fits.
QString takeUnits(std::int32_t& s, std::int32_t unitSeconds, const char* unitName) {
    if (s < unitSeconds) {
        return {};
    }
    const std::int32_t count = s / unitSeconds;
    s -= count * unitSeconds;
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(unitName);
}

// The locale's short time format when it shows seconds; otherwise its long
// format, which does, without the time zone.
QString timeFormatWithSeconds(const QLocale& locale) {
    const QString shortFormat = locale.timeFormat(QLocale::ShortFormat);
    if (shortFormat.contains(QLatin1Char('s'))) {
        return shortFormat;
    }
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (const QChar c : longFormat) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (quoted || c != QLatin1Char('t')) {
            format += c;
        }
    }
    return format.simplified();
}

} // namespace

QString ConvertirSecondes(std::int32_t& s) {
    const QString days = takeUnits(s, 86400, "Jour(s)");
    const QString hours = takeUnits(s, 3600, "Heure(s)");
    const QString minutes = takeUnits(s, 60, "Minute(s)");
    const QString seconds = s >= 0 ? QString::number(s) + QLatin1String(" Seconde(s)") : QString();
    return days + QLatin1Char(' ') + hours + QLatin1Char(' ') + minutes + QLatin1Char(' ') +
           seconds;
}

QString timestampText(const QDateTime& moment, const QLocale& locale) {
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), timeFormatWithSeconds(locale));
}

std::int32_t elapsedSeconds(const QDateTime& start, const QDateTime& end) {
    // Counted on UTC seconds, so a change to or from summer time in between does
    // not add or remove an hour.
    const qint64 seconds = start.toSecsSinceEpoch();
    const qint64 elapsed = end.toSecsSinceEpoch() - seconds;
    return static_cast<std::int32_t>(std::clamp<qint64>(elapsed,
                                                        std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max()));
}

} // namespace window
