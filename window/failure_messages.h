// The French texts of the window: what the progress window says while a
// calculation runs, why one gave no result, why the result could not be
// saved or where it went, why a page did not open, and which precision is in
// use. They all live here.
#pragma once

#include "window/services.h"

#include <QString>

#include <cstdint>

namespace window {

enum class Failure {
    NotANumber,   // a digit loop met a character that is not a digit
    NotAnInteger, // an operand that must be a 32-bit integer is not one
    Negative,     // an operand that must be 0 or more is below 0
    OutOfRange,   // a value or a length went past the engine's limits
    OutOfMemory,  // the texts did not fit in memory
    Other,
};

// The calculation that failed: the same failure means different things in each.
enum class Calculation {
    Sum,           // a + b
    Difference,    // a - b
    Product,       // a * b
    Quotient,      // a / b
    Power,         // a to the power b
    Factorial,     // b !
    Ackermann,     // A(a, b)
    DigitPowerSum, // the digits of the result, each to the power b
};

// The texts of the three number fields when the calculation failed.
struct FieldTexts {
    QString a;
    QString b;
    QString result;
};

// What the progress window says is being computed ("Calcul de a + b…").
QString calculationInProgress(Calculation calculation);
// How long the computation has run so far, in whole seconds.
QString elapsedTimeText(qint64 seconds);
// The caption of the progress window's button that stops the computation.
QString stopButtonCaption();

// What to tell the user when `calculation` stopped with `failure`: what is
// wrong with which operand, where, and what the command accepts. For
// NotAnInteger and Negative, `operand` names the field at fault ('a' or 'b').
QString failureMessage(Calculation calculation, Failure failure, const FieldTexts& fields,
                       QChar operand = {});

// The forms of number that the commands take.
enum class NumberForm {
    Signed,  // an optional leading sign, digits and at most one point
    Natural, // an optional leading "+" and digits
    Digits,  // digits only
};

// Where in `text` the first character stands that a number of `form` cannot
// hold (1-based position in the whole text), and how to name it; empty when
// there is none. Blanks before and after the number are not part of it.
QString describeFlaw(const QString& text, NumberForm form = NumberForm::Signed);

// Why the result could not be appended to the file at `path`.
QString saveFailedMessage(const QString& path, const WriteError& error);
// That the result was appended to the file at `path`, outside the program's folder.
QString savedElsewhereMessage(const QString& path);

// Why the page at `url` did not open, with its address to copy.
QString browserFailedMessage(const QString& url);

// The tooltip of a precision field whose text gives no precision.
QString precisionInUseText(std::int32_t precision);

} // namespace window
