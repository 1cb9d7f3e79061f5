#include "window/failure_messages.h"

namespace window {

namespace {

const QString Unchanged = QStringLiteral("Le résultat n'a pas été modifié.");

// The engine's longest result, "20 millions de chiffres".
QString longestResult() {
    return QStringLiteral("%1 millions de chiffres").arg(engine::MaxResultDigits / 1'000'000);
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// "L'opérande a" or "L'opérande b".
QString operandName(QChar name) {
    return QStringLiteral("L'opérande %1").arg(name);
}

// An operand that must be a natural number: what is wrong with it, in one sentence.
QString naturalNumberFlaw(QChar name, const QString& text) {
    if (text.trimmed().isEmpty()) {
        return operandName(name) + QStringLiteral(" est vide.\n");
    }
    const QString flaw = describeFlaw(text, true);
    return flaw.isEmpty()
               ? QString()
               : operandName(name) + QStringLiteral(" contient ") + flaw + QStringLiteral(".\n");
}

QString notAnIntegerMessage(QChar name, const QString& text) {
    return naturalNumberFlaw(name, text) + operandName(name) +
           QStringLiteral(" doit être un nombre entier de 0 à 2147483647.\n") + Unchanged;
}

QString tooLargeMessage(Calculation calculation) {
    switch (calculation) {
    case Calculation::Power:
    case Calculation::DigitPowerSum:
        return QStringLiteral("Cette puissance aurait plus de %1 : la mémoire n'y suffirait "
                              "pas.\n")
                   .arg(longestResult()) +
               Unchanged;
    case Calculation::Quotient:
        return QStringLiteral("La précision demandée dépasse %1 après le point : la mémoire "
                              "n'y suffirait pas.\n")
                   .arg(longestResult()) +
               Unchanged;
    case Calculation::Ackermann:
        return QStringLiteral("La valeur de Ackerman(a, b) est bien trop grande pour être "
                              "calculée : elle aurait plus de %1.\n")
                   .arg(longestResult()) +
               Unchanged;
    case Calculation::Sum:
    case Calculation::Difference:
    case Calculation::Product:
    case Calculation::Factorial:
        break;
    }
    return QStringLiteral("Ce calcul dépasse les limites du calculateur : un nombre de "
                          "chiffres ou une valeur y dépasse 2147483647.\n") +
           Unchanged;
}

QString nonDigitMessage(Calculation calculation, const FieldTexts& fields) {
    switch (calculation) {
    case Calculation::Power:
        return naturalNumberFlaw(u'a', fields.a) +
               QStringLiteral("La puissance se calcule sur un nombre entier positif écrit en "
                              "chiffres.\n") +
               Unchanged;
    case Calculation::DigitPowerSum:
        return QStringLiteral("Le résultat contient %1.\n"
                              "Seuls les chiffres d'un nombre entier positif peuvent être "
                              "élevés à la puissance b.\n")
                   .arg(describeFlaw(fields.result, true)) +
               Unchanged;
    case Calculation::Sum:
    case Calculation::Difference:
    case Calculation::Product:
    case Calculation::Quotient:
    case Calculation::Factorial:
    case Calculation::Ackermann:
        break;
    }
    return notANumberMessage(fields.a, fields.b);
}

} // namespace

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

QString describeFlaw(const QString& text, bool digitsOnly) {
    bool seenPoint = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool sign = c == u'-' || c == u'+';
        if (isAsciiDigit(c) || (!digitsOnly && ((sign && i == 0) || (c == u'.' && !seenPoint)))) {
            seenPoint = seenPoint || c == u'.';
            continue;
        }
        const QString position = QString::number(i + 1);
        if (c == u'.') {
            return (seenPoint ? QStringLiteral("un deuxième point en position %1")
                              : QStringLiteral("un point en position %1"))
                .arg(position);
        }
        if (sign) {
            return QStringLiteral("un signe « %1 » en position %2, où seul un chiffre peut "
                                  "figurer")
                .arg(c, position);
        }
        if (c == u',') {
            return QStringLiteral("une virgule en position %1 (les décimales se séparent par "
                                  "un point : 12.5)")
                .arg(position);
        }
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator) {
            return QStringLiteral("un saut de ligne en position %1").arg(position);
        }
        if (c.isSpace()) {
            return QStringLiteral("une espace en position %1").arg(position);
        }
        const qsizetype width = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        return QStringLiteral("le caractère « %1 » en position %2, qui n'est pas un chiffre")
            .arg(text.mid(i, width), position);
    }
    return {};
}

QString notANumberMessage(const QString& a, const QString& b) {
    QString lines;
    for (const auto& [name, text] : {std::pair{u'a', &a}, std::pair{u'b', &b}}) {
        const QString flaw = describeFlaw(*text);
        if (!flaw.isEmpty()) {
            lines += operandName(name) + QStringLiteral(" contient %1.\n").arg(flaw);
        }
    }
    if (lines.isEmpty()) {
        lines = QStringLiteral("Le calcul a rencontré un caractère qui n'est pas un chiffre.\n");
    }
    return lines +
           QStringLiteral("Un nombre s'écrit avec des chiffres, un signe - en tête s'il est "
                          "négatif et un point décimal au plus.\n") +
           Unchanged;
}

QString failureMessage(Calculation calculation, Failure failure, const FieldTexts& fields,
                       QChar operand) {
    switch (failure) {
    case Failure::NotANumber:
        return nonDigitMessage(calculation, fields);
    case Failure::NotAnInteger:
        return notAnIntegerMessage(operand, operand == u'a' ? fields.a : fields.b);
    case Failure::OutOfRange:
        return tooLargeMessage(calculation);
    case Failure::OutOfMemory:
        return QStringLiteral("La mémoire ne suffit pas pour ce calcul.\n") + Unchanged;
    case Failure::Other:
        break;
    }
    return QStringLiteral("Le calcul n'a pas pu aboutir.\n") + Unchanged;
}

QString saveFailedMessage(const QString& path, const WriteError& error) {
    QString reason;
    switch (error.kind) {
    case WriteFailure::FolderMissing:
        reason = QStringLiteral("son dossier n'existe pas");
        break;
    case WriteFailure::IsAFolder:
        reason = QStringLiteral("un dossier porte ce nom");
        break;
    case WriteFailure::CannotOpen:
        reason = QStringLiteral("il ne peut pas être ouvert en écriture (accès refusé ou "
                                "disque protégé)");
        break;
    case WriteFailure::CannotWrite:
        reason = QStringLiteral("l'écriture a échoué (disque plein ou taille de fichier "
                                "limitée)");
        break;
    }
    QString message =
        QStringLiteral("Le résultat n'a pas été enregistré dans le fichier « %1 » : %2.")
            .arg(path, reason);
    if (!error.systemText.isEmpty()) {
        message += QStringLiteral("\nMessage du système : %1.").arg(error.systemText);
    }
    return message + QStringLiteral("\nLes lignes déjà enregistrées dans ce fichier n'ont pas "
                                    "été modifiées.");
}

} // namespace window
