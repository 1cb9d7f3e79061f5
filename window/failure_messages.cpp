#include "window/failure_messages.h"

namespace window {

namespace {

const QString Unchanged = QStringLiteral("Le résultat n'a pas été modifié.");

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

QString describeFlaw(const QString& text) {
    bool seenPoint = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool sign = c == u'-' || c == u'+';
        if (isAsciiDigit(c) || (sign && i == 0) || (c == u'.' && !seenPoint)) {
            seenPoint = seenPoint || c == u'.';
            continue;
        }
        const QString position = QString::number(i + 1);
        if (c == u'.') {
            return QStringLiteral("un deuxième point en position %1").arg(position);
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
            lines += QStringLiteral("L'opérande %1 contient %2.\n").arg(QChar(name), flaw);
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

QString failureMessage(Failure failure) {
    switch (failure) {
    case Failure::NotANumber:
        return notANumberMessage({}, {});
    case Failure::OutOfRange:
        return QStringLiteral("Ce calcul dépasse les limites du calculateur : un nombre de "
                              "chiffres ou une valeur y dépasse 2147483647.\n") +
               Unchanged;
    case Failure::OutOfMemory:
        return QStringLiteral("La mémoire ne suffit pas pour ce calcul.\n") + Unchanged;
    case Failure::Cancelled:
        return QStringLiteral("Le calcul a été interrompu.\n") + Unchanged;
    case Failure::Other:
        break;
    }
    return QStringLiteral("Le calcul n'a pas pu aboutir.\n") + Unchanged;
}

} // namespace window
