// SPDX-License-Identifier: GPL-3.0-or-later
// Durations and timestamps shown by the factorial and date-and-time boxes.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <cstdint>

namespace window {

// French duration text of a count of seconds: days, hours, minutes and seconds,
// each part followed by its unit ("Jour(s)", "Heure(s)", "Minute(s)",
// "Seconde(s)"), the parts separated by one blank. Days, hours and minutes are
// left empty when zero, but their blanks stay. A negative count gives three
// blanks. Leaves in s what remains below one minute.
QString ConvertirSecondes(std::int32_t& s);

// The locale's short date, one blank, and the time to the second.
QString timestampText(const QDateTime& moment, const QLocale& locale = QLocale::system());

// Whole seconds from start to end, counted between the two moments as their
// texts show them (both cut to the second).
std::int32_t elapsedSeconds(const QDateTime& start, const QDateTime& end);

} // namespace window
