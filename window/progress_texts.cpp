// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/progress_texts.h"

namespace window {

QString calculationInProgress(Calculation calculation) {
    switch (calculation) {
    case Calculation::Sum:
        return QStringLiteral("Calcul de a + b…");
    case Calculation::Difference:
        return QStringLiteral("Calcul de a - b…");
    case Calculation::Product:
        return QStringLiteral("Calcul de a * b…");
    case Calculation::Quotient:
        return QStringLiteral("Calcul de a / b…");
    case Calculation::Power:
        return QStringLiteral("Calcul de a exposant (b)…");
    case Calculation::Factorial:
        return QStringLiteral("Calcul de b !…");
    case Calculation::Ackermann:
        return QStringLiteral("Calcul de Ackerman(a, b)…");
    case Calculation::DigitPowerSum:
        return QStringLiteral("Calcul de la somme des chiffres du résultat puissance b…");
    }
    return {};
}

QString elapsedTimeText(qint64 seconds) {
    const auto twoDigits = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); };
    QString time;
    if (seconds >= 3600) {
        time = QStringLiteral("%1 h %2 min %3 s")
                   .arg(seconds / 3600)
                   .arg(twoDigits(seconds / 60 % 60), twoDigits(seconds % 60));
    } else if (seconds >= 60) {
        time = QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(twoDigits(seconds % 60));
    } else {
        time = QStringLiteral("%1 s").arg(seconds);
    }
    return QStringLiteral("Temps écoulé : ") + time;
}

QString stopButtonCaption() {
    return QStringLiteral("Annuler");
}

} // namespace window
