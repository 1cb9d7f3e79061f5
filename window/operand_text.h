// SPDX-License-Identifier: GPL-3.0-or-later
// How pasted text becomes a number: it loses the blanks and line breaks that
// grouped or wrapped its digits. (The blanks around an operand are trimmed by
// the engine's commands: engine::operations::operandText.)
#pragma once

#include <QString>

namespace window {

// Whether `c` ends a line: LF, CR (CR LF counts as one break where it
// matters), U+2028 or U+2029.
bool isLineBreak(QChar c);

// Pasted text made into one number: every blank, tab, line break, no-break or
// thin space (any Unicode space) is dropped, and so is a backslash that ends a
// line, as bc and dc break long numbers. Other characters stay as they are.
QString pastedNumber(const QString& text);

} // namespace window
