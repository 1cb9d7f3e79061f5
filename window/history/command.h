// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that write the result field, as the history stores them and
// as the window names them (window::Calculation is this enum).
#pragma once

#include <QString>

#include <cstdint>

namespace history {

// The commands that write the result field. The numbers are what the file
// stores: never change or reuse one.
enum class Command : std::int8_t {
    Sum = 1,           // a + b
    Difference = 2,    // a - b
    Product = 3,       // a * b
    Quotient = 4,      // a / b
    Power = 5,         // a exposant (b)
    Factorial = 6,     // b !
    Ackermann = 7,     // Ackerman(a,b)
    DigitPowerSum = 8, // the digits of the result, each to the power b, summed
};
inline constexpr int FirstCommand = 1;
inline constexpr int LastCommand = 8;

// The command's name as the window's button gives it ("a exposant (b)").
QString commandName(Command command);

} // namespace history
