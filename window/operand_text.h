// How the text of a field becomes an operand: the blanks around a number are
// not part of it.
#pragma once

#include "engine/engine.h"

#include <QString>

namespace window {

// Blanks that may stand around a number: space, tab, line breaks (LF, CR,
// vertical tab, form feed, U+2028, U+2029) and the no-break and thin spaces
// that group digits (U+00A0, U+202F, U+2009).
bool isSurroundingBlank(char32_t c);

// A field's text as every calculation reads it: without the blanks before
// and after it. Blanks inside stay, and are refused where a number is needed.
engine::Text operandText(const engine::Text& fieldText);

} // namespace window
