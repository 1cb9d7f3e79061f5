// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/french_figures.h"

#include "window/number_field/number_magnitude.h"

namespace window {

namespace {

// Digits with a blank before each group of three, counted from the left
// when `fromLeft` (decimals), else from the right.
QString grouped(const QString& digits, bool fromLeft) {
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const qsizetype counted = fromLeft ? i : digits.size() - i;
        if (i > 0 && counted % 3 == 0) {
            text += u' ';
        }
        text += digits[i];
    }
    return text;
}

} // namespace

QString withThousands(qint64 value) {
    const QString digits = QString::number(value < 0 ? -value : value);
    return (value < 0 ? QStringLiteral("-") : QString()) + grouped(digits, false);
}

QString digitCountText(qint64 digits) {
    return withThousands(digits) +
           (digits < 2 ? QStringLiteral(" chiffre") : QStringLiteral(" chiffres"));
}

QString ordinalText(qint64 number) {
    return withThousands(number) + (number == 1 ? QStringLiteral("re") : QStringLiteral("e"));
}

QString magnitudeText(const Magnitude& magnitude) {
    return QStringLiteral("≈ %1%2,%3 × 10^%4")
        .arg(magnitude.negative ? QStringLiteral("-") : QString(), magnitude.digits.left(1),
             grouped(magnitude.digits.mid(1), true), withThousands(magnitude.exponent));
}

QString memoryText(quint64 bytes, bool roundDown) {
    constexpr quint64 Mega = quint64{1} << 20;
    constexpr quint64 TenthOfGiga = (quint64{1} << 30) / 10;
    const auto inUnits = [&](quint64 unit) {
        return roundDown ? bytes / unit : (bytes + unit - 1) / unit;
    };
    const quint64 tenths = inUnits(TenthOfGiga);
    if (tenths >= 10) {
        return QStringLiteral("%1,%2 Go").arg(withThousands(qint64(tenths / 10))).arg(tenths % 10);
    }
    return QStringLiteral("%1 Mo").arg(inUnits(Mega));
}

} // namespace window
