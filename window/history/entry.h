// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation of the history: which command, what it read, what it gave,
// when, and how long it took.
#pragma once

#include "engine/engine.h"

#include <QDateTime>
#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>

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

// A calculation, its texts as the fields held them (UTF-8, any bytes, kept
// byte for byte). `a` and `b` are the operands the command read (for the four
// operations, as they were written back into their fields); a command that
// does not read one leaves it empty (the factorial reads b alone). For the
// digit-power sum, `a` is the result field's text whose digits were summed.
// `precision`: the precision a / b used, for a / b only.
struct Entry {
    Command command = Command::Sum;
    std::optional<engine::Text> a;
    std::optional<engine::Text> b;
    std::optional<std::int32_t> precision;
    engine::Text result;
    QDateTime finishedAt = QDateTime::currentDateTime();
    std::chrono::milliseconds duration{0};
};

// The texts of a stored entry, whole, for putting back into the fields or
// copying. `a` is empty for the digit-power sum, whose number was the result
// field's own text and is not put back into a.
struct PutBack {
    std::optional<QString> a;
    std::optional<QString> b;
    std::optional<std::int32_t> precision;
    QString result;
};

} // namespace history
