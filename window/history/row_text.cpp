// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/row_text.h"

namespace history {

namespace {

// Texts up to this many characters show whole; longer ones as their first
// and last few with their length.
constexpr std::int64_t ShownWhole = 20;
constexpr qsizetype EndCharacters = 3;

const QString Separator = QStringLiteral(" · ");

// Line breaks and other control characters would cut the row: each shows
// as a space.
QString oneLine(QString text) {
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            c = QLatin1Char(' ');
        }
    }
    return text;
}

QString shown(const TextPreview& text) {
    if (text.characters <= ShownWhole) {
        return oneLine(text.head);
    }
    const QString ends = oneLine(text.head.left(EndCharacters)) + QChar(0x2026) +
                         oneLine(text.tail.right(EndCharacters));
    if (text.digits) {
        return ends + QStringLiteral(" (%1 chiffres)").arg(groupedCount(*text.digits));
    }
    return ends + QStringLiteral(" (%1 caractères)").arg(groupedCount(text.characters));
}

QString shown(const std::optional<TextPreview>& text) {
    return text ? shown(*text) : QString();
}

QString calculation(const RowPreview& row) {
    const QString a = shown(row.a);
    const QString b = shown(row.b);
    switch (row.command) {
    case Command::Factorial:
        return b + QStringLiteral(" !");
    case Command::Ackermann:
        return QStringLiteral("Ackerman(%1, %2)").arg(a, b);
    case Command::DigitPowerSum:
        return QStringLiteral("somme des chiffres de %1 puissance %2").arg(a, b);
    default:
        return a + QLatin1Char(' ') + commandSymbol(row.command) + QLatin1Char(' ') + b;
    }
}

} // namespace

QString commandName(Command command) {
    switch (command) {
    case Command::Sum:
        return QStringLiteral("a + b");
    case Command::Difference:
        return QStringLiteral("a - b");
    case Command::Product:
        return QStringLiteral("a * b");
    case Command::Quotient:
        return QStringLiteral("a / b");
    case Command::Power:
        return QStringLiteral("a exposant (b)");
    case Command::Factorial:
        return QStringLiteral("b !");
    case Command::Ackermann:
        return QStringLiteral("Ackerman(a,b)");
    case Command::DigitPowerSum:
        return QStringLiteral("Somme des chiffres du résultat puissance b");
    }
    return {};
}

QString commandSymbol(Command command) {
    switch (command) {
    case Command::Sum:
        return QStringLiteral("+");
    case Command::Difference:
        return QStringLiteral("-");
    case Command::Product:
        return QStringLiteral("*");
    case Command::Quotient:
        return QStringLiteral("/");
    case Command::Power:
        return QStringLiteral("^");
    case Command::Factorial:
        return QStringLiteral("!");
    case Command::Ackermann:
        return QStringLiteral("Ackerman");
    case Command::DigitPowerSum:
        return QStringLiteral("somme des chiffres");
    }
    return {};
}

QString rowText(const RowPreview& row) {
    QString text = calculation(row) + QStringLiteral(" = ") + shown(row.result);
    if (row.precision) {
        text += Separator + QStringLiteral("précision %1").arg(*row.precision);
    }
    return text + Separator +
           row.finishedAt.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")) + Separator +
           durationText(row.duration);
}

QString groupedCount(std::int64_t count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0 && digits[at - 1].isDigit(); at -= 3) {
        digits.insert(at, QLatin1Char(' '));
    }
    return digits;
}

QString durationText(std::chrono::milliseconds duration) {
    const std::int64_t milliseconds = duration.count();
    // Tenths, rounded, with the French decimal comma.
    const std::int64_t tenths = (milliseconds + 50) / 100;
    if (tenths < 600) {
        return QStringLiteral("%1,%2 s").arg(tenths / 10).arg(tenths % 10);
    }
    const std::int64_t seconds = milliseconds / 1000;
    if (seconds < 3600) {
        return QStringLiteral("%1 min %2 s")
            .arg(seconds / 60)
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("%1 h %2 min")
        .arg(seconds / 3600)
        .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'));
}

} // namespace history
