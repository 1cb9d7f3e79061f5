// The French texts of the calculations: what the progress window says while
// one runs, why one gave no result, and why the result could not be saved.
// They all live here.
#pragma once

#include "window/services.h"

#include <QString>

namespace window {

enum class Failure {
    NotANumber,   // a digit loop met a character that is not a digit
    NotAnInteger, // an operand that must be a 32-bit integer is not one
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

// What to tell the user when `calculation` stopped with `failure`. For
// NotAnInteger, `operand` names the field at fault ('a' or 'b').
QString failureMessage(Calculation calculation, Failure failure, const FieldTexts& fields,
                       QChar operand = {});

// Says which operand holds a character that has no place in a number, which
// character and where; `a` and `b` are the operand texts.
QString notANumberMessage(const QString& a, const QString& b);

// Where in `text` the first character stands that a number text cannot hold
// (1-based position), and how to name it; empty when there is none. A number
// text is an optional leading sign, digits and at most one point; with
// `digitsOnly`, nothing but digits is allowed.
QString describeFlaw(const QString& text, bool digitsOnly = false);

// Why the result could not be appended to the file at `path`.
QString saveFailedMessage(const QString& path, const WriteError& error);

} // namespace window
