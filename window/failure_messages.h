// The French texts that tell the user why a calculation gave no result. They
// all live here.
#pragma once

#include <QString>

namespace window {

enum class Failure {
    NotANumber,  // a digit loop met a character that is not a digit
    OutOfRange,  // a value or a length went past the 32-bit range
    OutOfMemory, // the texts did not fit in memory
    Cancelled,   // the user stopped the calculation
    Other,
};

// Says which operand holds a character that has no place in a number, which
// character and where; `a` and `b` are the operand texts.
QString notANumberMessage(const QString& a, const QString& b);

// The message for every other failure.
QString failureMessage(Failure failure);

// Where in `text` the first character stands that a number text cannot hold
// (1-based position), and how to name it; empty when there is none. A number
// text is an optional leading sign, digits and at most one point.
QString describeFlaw(const QString& text);

} // namespace window
