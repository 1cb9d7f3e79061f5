// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/operand_text.h"

namespace window {

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

QString pastedNumber(const QString& text) {
    QString number;
    number.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            // A backslash before a line break, blanks allowed between them.
            qsizetype next = i + 1;
            while (next < text.size() && (text[next] == u' ' || text[next] == u'\t')) {
                ++next;
            }
            if (next < text.size() && (text[next] == u'\n' || text[next] == u'\r')) {
                i = next;
                continue;
            }
        }
        if (!c.isSpace()) {
            number += c;
        }
    }
    return number;
}

} // namespace window
