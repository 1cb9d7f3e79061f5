// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/pasted_text.h"

#include "window/number_field/non_digits.h"

namespace window {

bool isLineContinuation(const QString& text, qsizetype at) {
    if (text[at] != u'\\') {
        return false;
    }
    qsizetype next = at + 1;
    while (next < text.size() && (text[next] == u' ' || text[next] == u'\t')) {
        ++next;
    }
    return next < text.size() && isLineBreak(text[next]);
}

QString pastedNumber(const QString& text) {
    if (!anyNonDigitIn(text, [&text](qsizetype at, char16_t c) {
            return QChar(c).isSpace() || isLineContinuation(text, at);
        })) {
        return text; // one number already, as a copy from a field: shared, not copied
    }
    QString number;
    number.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSpace() && !isLineContinuation(text, i)) {
            number += c;
        }
    }
    return number;
}

QString unwrappedLine(const QString& text) {
    if (!anyNonDigitIn(text, [](qsizetype, char16_t c) { return isLineBreak(c); })) {
        return text; // as every computed result: nothing to leave out
    }
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!isLineBreak(c) && !isLineContinuation(text, i)) {
            line += c;
        }
    }
    return line;
}

} // namespace window
