// How the text of a field becomes an operand: the blanks around a number are
// not part of it, and a pasted number loses the blanks and line breaks that
// grouped or wrapped its digits.
#pragma once

#include "engine/engine.h"

#include <QString>

namespace window {

// Blanks that may stand around a number: space, tab, line breaks (LF, CR,
// vertical tab, form feed, U+2028, U+2029) and the no-break and thin spaces
// that group digits (U+00A0, U+202F, U+2009).
bool isSurroundingBlank(char32_t c);

// Whether `c` ends a line: LF, CR (CR LF counts as one break where it
// matters), U+2028 or U+2029.
bool isLineBreak(QChar c);

// A field's text as every calculation reads it: without the blanks before
// and after it. Blanks inside stay, and are refused where a number is needed.
engine::Text operandText(const engine::Text& fieldText);

// Pasted text made into one number: every blank, tab, line break, no-break or
// thin space (any Unicode space) is dropped, and so is a backslash that ends a
// line, as bc and dc break long numbers. Other characters stay as they are.
QString pastedNumber(const QString& text);

} // namespace window
