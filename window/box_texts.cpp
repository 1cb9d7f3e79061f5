// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/box_texts.h"

#include "window/french_figures.h"
#include "window/number_field/pasted_text.h"

namespace window {

namespace {

const QString Unchanged = QStringLiteral("Le résultat n'a pas été modifié.");

// The engine's longest result, "20 millions de chiffres".
QString longestResult() {
    return QStringLiteral("%1 millions de chiffres").arg(engine::MaxResultDigits / 1'000'000);
}

// "L'opérande a" or "L'opérande b".
QString operandName(engine::Operand operand) {
    return QStringLiteral("L'opérande %1").arg(QChar(operand == engine::Operand::A ? u'a' : u'b'));
}

bool takesSignedNumbers(Calculation calculation) {
    switch (calculation) {
    case Calculation::Sum:
    case Calculation::Difference:
    case Calculation::Product:
    case Calculation::Quotient:
        return true;
    case Calculation::Power:
    case Calculation::Factorial:
    case Calculation::Ackermann:
    case Calculation::DigitPowerSum:
        break;
    }
    return false;
}

// The character `text` (one character) found at `position`, named: a point
// in a signed number is always a second one, and only a number with decimals
// can have its point in a comma's place.
QString characterAt(const QString& text, std::int64_t position, bool signedNumber) {
    const QChar c = text.isEmpty() ? QChar() : text.front();
    const QString where = QString::number(position);
    if (c == u'.') {
        return (signedNumber ? QStringLiteral("un deuxième point en position %1")
                             : QStringLiteral("un point en position %1"))
            .arg(where);
    }
    if (c == u'-' || c == u'+') {
        return QStringLiteral("un signe « %1 » en position %2, où seul un chiffre peut figurer")
            .arg(c, where);
    }
    if (c == u',') {
        return signedNumber ? QStringLiteral("une virgule en position %1 (les décimales se "
                                             "séparent par un point : 12.5)")
                                  .arg(where)
                            : QStringLiteral("une virgule en position %1").arg(where);
    }
    if (isLineBreak(c)) {
        return QStringLiteral("un saut de ligne en position %1").arg(where);
    }
    if (c == u'\t') {
        return QStringLiteral("une tabulation en position %1").arg(where);
    }
    if (c.isSpace()) {
        return QStringLiteral("une espace en position %1").arg(where);
    }
    return QStringLiteral("le caractère « %1 » en position %2, qui n'est pas un chiffre")
        .arg(text, where);
}

// One line that says what is wrong with one operand.
QString flawLine(Calculation calculation, const engine::OperandFlaw& flaw) {
    using Kind = engine::OperandFlaw::Kind;
    const QString character = characterAt(QString::fromStdString(flaw.character), flaw.position,
                                          takesSignedNumbers(calculation));
    if (flaw.operand == engine::Operand::Result) {
        return QStringLiteral("Le résultat contient %1.\n"
                              "Seuls les chiffres d'un nombre entier positif peuvent être "
                              "élevés à la puissance b.\n")
            .arg(character);
    }
    switch (flaw.kind) {
    case Kind::Character:
        return operandName(flaw.operand) + QStringLiteral(" contient ") + character +
               QStringLiteral(".\n");
    case Kind::Empty:
        return operandName(flaw.operand) + QStringLiteral(" est vide.\n");
    case Kind::NoDigit:
        return operandName(flaw.operand) + QStringLiteral(" ne contient aucun chiffre.\n");
    case Kind::Beyond32Bits:
        return operandName(flaw.operand) + QStringLiteral(" dépasse 2147483647.\n");
    case Kind::Negative:
        return operandName(flaw.operand) + QStringLiteral(" est négatif.\n");
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
        return QStringLiteral("b ! se calcule pour un nombre entier b de 0 à %1.\n")
            .arg(engine::operations::LargestFactorialArgument);
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

// "Cette puissance aurait plus de 20 millions de chiffres ...", for `result`.
QString wouldBeTooLong(const QString& result) {
    return QStringLiteral("%1 aurait plus de %2 : la mémoire n'y suffirait pas.\n")
               .arg(result, longestResult()) +
           Unchanged;
}

QString tooLargeMessage(Calculation calculation) {
    switch (calculation) {
    case Calculation::Power:
    case Calculation::DigitPowerSum:
        return wouldBeTooLong(QStringLiteral("Cette puissance"));
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
        return wouldBeTooLong(QStringLiteral("Cette somme"));
    case Calculation::Difference:
        return wouldBeTooLong(QStringLiteral("Cette différence"));
    case Calculation::Product:
        return wouldBeTooLong(QStringLiteral("Ce produit"));
    case Calculation::Factorial:
        break;
    }
    return QStringLiteral("Ce calcul dépasse les limites du calculateur : un nombre de "
                          "chiffres ou une valeur y dépasse 2147483647.\n") +
           Unchanged;
}

// What is wrong with each operand of `flaws`, and what the command accepts.
QString refusedOperandsMessage(Calculation calculation,
                               const std::vector<engine::OperandFlaw>& flaws) {
    QString lines;
    for (const engine::OperandFlaw& flaw : flaws) {
        lines += flawLine(calculation, flaw);
    }
    return lines + accepted(calculation) + Unchanged;
}

} // namespace

QString refusalMessage(Calculation calculation, const engine::operations::Refusal& refusal) {
    using Kind = engine::operations::Refusal::Kind;
    switch (refusal.kind) {
    case Kind::NotANumber:
        if (!refusal.flaws.empty()) {
            return refusedOperandsMessage(calculation, refusal.flaws);
        }
        break;
    case Kind::OutOfRange:
        return tooLargeMessage(calculation);
    case Kind::OutOfMemory:
        if (refusal.neededBytes > 0) {
            return QStringLiteral("Ce calcul demanderait environ %1 de mémoire ; le système en a "
                                  "%2 de libre.\n")
                       .arg(memoryText(refusal.neededBytes),
                            memoryText(refusal.availableBytes, true)) +
                   Unchanged;
        }
        return QStringLiteral("La mémoire ne suffit pas pour ce calcul.\n") + Unchanged;
    case Kind::Stopped:
    case Kind::Failed:
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

} // namespace window
