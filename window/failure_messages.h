// SPDX-License-Identifier: GPL-3.0-or-later
// The French texts of the window: what the progress window says while a
// calculation runs, why one gave no result, why the result could not be
// saved or where it went, why a page did not open, and which precision is in
// use. They all live here.
#pragma once

#include "window/services.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace window {

enum class Failure {
    OutOfRange,  // a value or a length went past the engine's limits
    OutOfMemory, // the texts did not fit in memory
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

// What the progress window says is being computed ("Calcul de a + b…").
QString calculationInProgress(Calculation calculation);
// How long the computation has run so far, in whole seconds.
QString elapsedTimeText(qint64 seconds);
// The caption of the progress window's button that stops the computation.
QString stopButtonCaption();

// What to tell the user when `calculation` stopped with `failure`.
QString failureMessage(Calculation calculation, Failure failure);

// What to tell the user when `calculation` refused its operands for `flaws`
// (engine::NotANumber): what is wrong with which operand, where, and what the
// command accepts.
QString refusedOperandsMessage(Calculation calculation,
                               const std::vector<engine::OperandFlaw>& flaws);

// Why the result could not be appended to the file at `path`.
QString saveFailedMessage(const QString& path, const WriteError& error);
// That the result was appended to the file at `path`, outside the program's folder.
QString savedElsewhereMessage(const QString& path);

// Why the page at `url` did not open, with its address to copy.
QString browserFailedMessage(const QString& url);

// The tooltip of a precision field whose text gives no precision.
QString precisionInUseText(std::int32_t precision);

} // namespace window
