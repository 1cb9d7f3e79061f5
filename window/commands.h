// The handlers of the main window's controls. Each takes the window services
// it works through, runs to its end and returns nothing.
#pragma once

#include "window/services.h"

namespace window {

// --- The window's own tools ----------------------------------------------

// a = "3", b = "212", result "0", precision 50 (written into Text4).
void startUp(Services& window);
// Stores Text4's text as the precision when it is a 32-bit integer; any other
// text (empty while retyped, letters, too large) keeps the last precision.
void precisionChanged(Services& window);
// Writes "0" into the field (the "C" buttons).
void resetField(Services& window, engine::Field field);
// Copies the result field, unchanged, into a.
void copyResultIntoA(Services& window);
// Shows how many characters the result field holds.
void countResultCharacters(Services& window);
void quit(Services& window);

// --- Arithmetic on the two operands --------------------------------------

// a + b and a - b on decimal texts: both operands are brought to the same
// number of fractional digits, added or subtracted as integers, and the point
// is put back.
void addCommand(Services& window);
void subtractCommand(Services& window);
// a * b.
void multiplyCommand(Services& window);
// a / b, truncated after the precision's digits, or "Division impossible".
void divideCommand(Services& window);

} // namespace window
