#include "window/failure_messages.h"

#include "window/operand_text.h"

#include <utility>

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

// What is wrong with an operand that must be a natural number, in one line,
// or nothing. `within32Bits`: it must also be at most 2147483647.
QString naturalNumberFlaw(QChar name, const QString& text, bool within32Bits) {
    const QString flaw = describeFlaw(text, NumberForm::Natural);
    if (!flaw.isEmpty()) {
        return operandName(name) + QStringLiteral(" contient ") + flaw + QStringLiteral(".\n");
    }
    const std::string operand = operandText(text.toStdString());
    if (operand.empty()) {
        return operandName(name) + QStringLiteral(" est vide.\n");
    }
    if (operand == "+") {
        return operandName(name) + QStringLiteral(" ne contient aucun chiffre.\n");
    }
    if (within32Bits && !engine::toInt32(operand)) {
        return operandName(name) + QStringLiteral(" dépasse 2147483647.\n");
    }
    return {};
}

// What the command accepts, in one sentence.
QString accepted(Calculation calculation) {
    switch (calculation) {
    case Calculation::Power:
        return QStringLiteral("a exposant (b) se calcule sur deux nombres entiers de 0 ou plus, "
                              "écrits en chiffres, b valant au plus 2147483647.\n");
    case Calculation::Factorial:
        return QStringLiteral("b ! se calcule pour un nombre entier b de 0 à 9999.\n");
    case Calculation::Ackermann:
        return QStringLiteral("Ackerman(a, b) se calcule sur deux nombres entiers de 0 ou plus, "
                              "écrits en chiffres.\n");
    case Calculation::DigitPowerSum:
        return QStringLiteral("La somme des chiffres du résultat puissance b se calcule pour un "
                              "nombre entier b de 0 à 2147483647.\n");
    case Calculation::Sum:
    case Calculation::Difference:
    case Calculation::Product:
    case Calculation::Quotient:
        break;
    }
    return QStringLiteral("Un nombre s'écrit avec des chiffres, un signe - en tête s'il est "
                          "négatif et un point décimal au plus.\n");
}

const QString NoFlawFound =
    QStringLiteral("Le calcul a rencontré un caractère qui n'est pas un chiffre.\n");

// The lines that say what is wrong with the operands of `calculation`.
QString operandFlaws(Calculation calculation, Failure failure, const FieldTexts& fields,
                     QChar operand) {
    if (failure == Failure::Negative) {
        return operandName(operand) + QStringLiteral(" est négatif.\n");
    }
    QString lines;
    switch (calculation) {
    case Calculation::Power:
        return naturalNumberFlaw(u'a', fields.a, false) + naturalNumberFlaw(u'b', fields.b, true);
    case Calculation::Ackermann:
        return naturalNumberFlaw(u'a', fields.a, false) + naturalNumberFlaw(u'b', fields.b, false);
    case Calculation::Factorial:
        return naturalNumberFlaw(u'b', fields.b, true);
    case Calculation::DigitPowerSum:
        if (failure == Failure::NotANumber) {
            return QStringLiteral("Le résultat contient %1.\n"
                                  "Seuls les chiffres d'un nombre entier positif peuvent être "
                                  "élevés à la puissance b.\n")
                .arg(describeFlaw(fields.result, NumberForm::Digits));
        }
        return naturalNumberFlaw(u'b', fields.b, true);
    case Calculation::Sum:
    case Calculation::Difference:
    case Calculation::Product:
    case Calculation::Quotient:
        for (const auto& [name, text] : {std::pair{u'a', &fields.a}, std::pair{u'b', &fields.b}}) {
            const QString flaw = describeFlaw(*text);
            if (!flaw.isEmpty()) {
                lines += operandName(name) + QStringLiteral(" contient %1.\n").arg(flaw);
            }
        }
        break;
    }
    return lines;
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

// The first and one past the last character of the number in `text`,
// without the blanks around it.
std::pair<qsizetype, qsizetype> numberBounds(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isSurroundingBlank(text[first].unicode())) {
        ++first;
    }
    while (end > first && isSurroundingBlank(text[end - 1].unicode())) {
        --end;
    }
    return {first, end};
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

QString describeFlaw(const QString& text, NumberForm form) {
    const auto [first, end] = numberBounds(text);
    bool seenPoint = false;
    for (qsizetype i = first; i < end; ++i) {
        const QChar c = text[i];
        const bool sign = c == u'-' || c == u'+';
        const bool signAllowed = i == first && (form == NumberForm::Signed ||
                                                (form == NumberForm::Natural && c == u'+'));
        const bool pointAllowed = form == NumberForm::Signed && c == u'.' && !seenPoint;
        if (isAsciiDigit(c) || (sign && signAllowed) || pointAllowed) {
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
            // Only a number with decimals can have its point in the comma's place.
            return form == NumberForm::Signed
                       ? QStringLiteral("une virgule en position %1 (les décimales se séparent "
                                        "par un point : 12.5)")
                             .arg(position)
                       : QStringLiteral("une virgule en position %1").arg(position);
        }
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator ||
            c == QChar::LineSeparator) {
            return QStringLiteral("un saut de ligne en position %1").arg(position);
        }
        if (c == u'\t') {
            return QStringLiteral("une tabulation en position %1").arg(position);
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

QString failureMessage(Calculation calculation, Failure failure, const FieldTexts& fields,
                       QChar operand) {
    switch (failure) {
    case Failure::NotANumber:
    case Failure::NotAnInteger:
    case Failure::Negative: {
        const QString flaws = operandFlaws(calculation, failure, fields, operand);
        return (flaws.isEmpty() ? NoFlawFound : flaws) + accepted(calculation) + Unchanged;
    }
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

QString savedElsewhereMessage(const QString& path) {
    return QStringLiteral("Le résultat a été ajouté à %1.").arg(path);
}

QString browserFailedMessage(const QString& url) {
    return QStringLiteral("Le navigateur n'a pas pu être lancé pour ouvrir cette page.\n"
                          "Son adresse, à copier dans un navigateur :\n\n%1")
        .arg(url);
}

QString precisionInUseText(std::int32_t precision) {
    return QStringLiteral("Précision utilisée : %1").arg(precision);
}

} // namespace window
