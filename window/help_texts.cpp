// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/help_texts.h"

#include "engine/operations.h"

#include <QStringList>

namespace window {

namespace {

constexpr QLatin1String lineBreak("\r\n");

} // namespace

QString informationText() {
    return QStringList{
        QStringLiteral(
            "L'addition, la soustraction, la multiplication, la division et la puissance "
            "concernent deux entiers (de signe quelconque) de taille quelconque; pour la "
            "factorielle de b (entier positif!), on ne pourra dépasser b = %1, et il faudra "
            "beaucoup de patience pour des b plus grands que 3000!...de 30 secondes à 20 "
            "minutes.")
            .arg(engine::operations::LargestFactorialArgument),
        QStringLiteral("La précision par défaut pour la division est de %1 chiffres; elle peut "
                       "être augmentée à volonté.")
            .arg(engine::LeastPrecision),
        QStringLiteral("Tous les calculs proposés, sauf l'exponentielle et la factorielle, sont "
                       "aussi possibles avec des nombres décimaux de signe quelconque; pour la "
                       "division, la précision étant de %1 chiffres par défaut et pouvant être "
                       "augmentée à volonté.")
            .arg(engine::LeastPrecision),
        QStringLiteral("On pourra comparer avec le calculateur en PHP sur les grands entiers "
                       "proposé sur le site Tormel."),
        QStringLiteral("Les boutons jaunes font des calculs, les boutons mauves renvoient vers "
                       "une page web."),
        QStringLiteral("Version TALVERO qui permet en outre de vérifier la notion de nombre "
                       "r-narcissique parfait (bouton 'Somme des chiffres du résultat puissance "
                       "b')."),
    }
        .join(lineBreak);
}

QString ackermannDefinitionText() {
    return QStringList{
        QStringLiteral("La fonction d'Akerman est une fonction récursive non primitive définie "
                       "sur N x N de la manière suivante:"),
        QStringLiteral("A(0, b) = b + 1"),
        QStringLiteral("A(a, 0) = A(a-1, 1)"),
        QStringLiteral("A(a, b) = A(a-1, A(a, b-1)) pour a et b non nuls."),
        QStringLiteral(
            "Cette fonction croît extrêmement rapidement; ainsi a --> A(a, a) croît plus "
            "rapidement que n'importe quelle fonction polynôme ou même exponentielle. Par "
            "exemple on vérifiera que A(6, 11) est un nombre à 11565 chiffres, A(4, 2) un "
            "nombre de 19729 chiffres et le calcul de A(4, 4) donne un nombre plus grand que "
            "10 à la puissance 80 ... Aussi on se limitera à a=6 et on sera relativement "
            "prudent avec des b trop grands ...sinon vous aurez très vite le message de pile "
            "insuffisante."),
    }
        .join(lineBreak);
}

QString versionNotesText() {
    // The box opens with an empty line; one empty line separates the two paragraphs.
    QString text = lineBreak;
    text += QStringLiteral(
        "La version initiale 1.0 permettait seulement d'afficher au maximum 65535 chiffres; "
        "cette version 1.1 peut largement dépasser cette valeur, mais attention aux temps de "
        "calcul que peuvent demander des opérations sur de tels nombres ou si vous voulez "
        "effectuer des divisions et obtenir une précision de 100000 chiffres ou plus....il "
        "faudra être patient voire très patient!");
    text += lineBreak;
    text += lineBreak;
    text += QStringLiteral("En vue d'éventuels calculs sur de très grands nombres, les trois "
                           "fenêtres d'édition principales sont assorties d'un bouton 'C' "
                           "d'initialisation à '0'.");
    return text;
}

} // namespace window
