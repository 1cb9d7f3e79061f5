// SPDX-License-Identifier: GPL-3.0-or-later
// The calculations that the window runs, as its texts name them.
#pragma once

namespace window {

// The calculations of the computing buttons: the same failure, or the same
// progress, is said differently for each.
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

} // namespace window
