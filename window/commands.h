// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers of the main window's controls. Each takes the window services
// it works through, runs to its end and returns nothing.
#pragma once

#include "links/web_pages.h"
#include "window/help_texts.h"
#include "window/services.h"

class QWidget;

namespace window {

// --- The window's own tools ----------------------------------------------

// a = "3", b = "212", result "0", precision 50 (written into Text4).
void startUp(Services& window);
// Stores Text4's text as the precision when it is a 32-bit integer; any other
// text (empty while retyped, letters, too large) keeps the last precision.
void precisionChanged(Services& window);
// Writes Verif of Text1 back into Text1, then the same for Text2.
void Verifab(Services& window);
// Writes "0" into the field (the "C" buttons).
void resetField(Services& window, Field field);
// Copies the result field, unchanged, into a.
void copyResultIntoA(Services& window);
// Shows how many characters the result field holds.
void countResultCharacters(Services& window);
void quit(Services& window);

// --- Arithmetic on the two operands --------------------------------------

// The four operations on signed decimal texts (engine/operations.h): both
// operands are written back without the blanks around them, then the result.
void addCommand(Services& window);
void subtractCommand(Services& window);
// a * b.
void multiplyCommand(Services& window);
// a / b, truncated after the precision's digits, or "Division impossible".
void divideCommand(Services& window);

// --- Powers, factorial, clock ----------------------------------------------

// a to the power b; "Opération interdite" for a negative or decimal operand.
void powerCommand(Services& window);
// The factorial of b, then a box with the start time and the time it took;
// "b est trop grand" for a b written with 5 characters or more.
void factorialCommand(Services& window);
// A box with the current date and time.
void dateAndTimeCommand(Services& window);

// --- Ackermann function and digit-power sum ---------------------------------

// A(a, b); for a below 5 the value is shown in a box before it is written.
void ackermannCommand(Services& window);
// Replaces the result by the sum of its digits each raised to the power b.
void digitPowerSumCommand(Services& window);

// --- Saving -------------------------------------------------------------

// After a Yes, appends the result as one line to resultat.txt in the program
// folder or, when the file cannot be opened there, in the user's documents
// folder; an empty or "0" result is not saved.
void saveResultCommand(Services& window);

// --- Help and web pages -----------------------------------------------------

// A help text in a box titled with the window's current caption.
void showHelpText(Services& window, const QString& text);
void openPage(Services& window, links::WebPage page);
// The About box, modal over `parent`, with the calculator's texts.
void showAbout(Services& window, QWidget* parent);

} // namespace window
