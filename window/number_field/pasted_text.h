// SPDX-License-Identifier: GPL-3.0-or-later
// How pasted text becomes a number: it loses the blanks and line breaks that
// grouped or wrapped its digits, and the backslash with which bc and dc end
// the lines of a long number. (The blanks around an operand are trimmed by
// the engine's commands: engine/operand_grammar.h.)
#pragma once

#include "engine/characters.h"

#include <QString>

namespace window {

// Whether `c` ends a line (engine::isLineBreak).
inline bool isLineBreak(QChar c) {
    return engine::isLineBreak(c.unicode());
}

// Whether the character at `at` is a backslash that continues a number on
// the next line, as bc and dc write long numbers: a backslash followed by a
// line break, spaces or tabs allowed between them.
bool isLineContinuation(const QString& text, qsizetype at);

// Pasted text made into one number: every blank, tab, line break and any
// other Unicode space is dropped, and so is a backslash that continues a
// line. Other characters stay as they are. A paste drops more blanks than an
// operand's grammar trims around a number (engine::isBlank): whatever a page
// or a terminal put between the digits, the user meant one number.
QString pastedNumber(const QString& text);

// The text with its line breaks dropped, and each backslash that continued a
// line with them: a number that was wrapped, on one line.
QString unwrappedLine(const QString& text);

} // namespace window
