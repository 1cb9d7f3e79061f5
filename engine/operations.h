// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's commands that compute (a + b, a - b, a * b, a / b, the
// power, the factorial, Ackermann's function and the digit-power sum), each
// from the texts of the fields it reads to every text the window writes back
// and every value its boxes show. The window's handlers and the benchmarks
// call these, so both run the same steps.
//
// A command takes the fields' texts as they stand (blanks around a number are
// trimmed here), by value: a caller that keeps its own passes a copy, one that
// does not moves them in, and an operand of millions of digits is not held
// twice. It fills an Outcome. It refuses operands with NotANumber,
// whose flaws name each operand at fault: a character that cannot stand in a
// number of the form the command takes (signed decimal for the four
// operations, natural number for the power, the factorial, Ackermann and b,
// digits for the result whose digits are raised to a power), an operand that
// is empty, a "+" alone, above 2147483647 or negative. Results longer than
// MaxResultDigits are refused with OutOfRange before any work.
#pragma once

#include "engine/engine.h"

#include <cstdint>
#include <optional>

namespace engine::operations {

// What a command leaves in the window. A command fills it in the order the
// window writes it: the operands first, then the precision, then the result.
// When the command throws, what it filled before stays, and the window writes
// that part all the same.
struct Outcome {
    // a + b, a - b, a * b, a / b: the operands as written back into their
    // fields, without the blanks around them and with "0" before a leading
    // point (Verif).
    std::optional<Text> a;
    std::optional<Text> b;
    // a / b: the precision used. The division raises one below 50 to 50, and
    // the window then writes it into its precision field.
    std::optional<std::int32_t> precision;
    // The result field's new text.
    Text result;
    // Power, factorial, Ackermann: an operand with a point or a "-" gives
    // "Opération interdite" and nothing else is shown.
    bool forbidden = false;
    // Ackermann: the value came from a closed form (a below 5), and the window
    // shows it in a box before writing it.
    bool closedForm = false;
};

// The text that "Opération interdite" and "b est trop grand" are written as.
inline constexpr char ForbiddenOperation[] = "Opération interdite";
inline constexpr char FactorialTooLarge[] = "b est trop grand";

// A field's text as every command reads an operand: without the blanks, tabs,
// line breaks and no-break or thin spaces (U+00A0, U+2009, U+202F) around it.
// Blanks inside stay, and are refused where a number is needed.
Text operandText(Text fieldText);

void sum(Text a, Text b, Outcome& outcome);
void difference(Text a, Text b, Outcome& outcome);
void product(Text a, Text b, Outcome& outcome);
// `precision`: the window's precision (see Divdiv).
void quotient(Text a, Text b, std::int32_t precision, Outcome& outcome);
// a to the power b.
void power(Text a, Text b, Outcome& outcome);
// b !, or "b est trop grand" for a b written with 5 characters or more.
void factorial(const Text& b, Outcome& outcome);
// A(a, b): by the closed forms for a below 5, by the recursion from 5 on.
void ackermann(Text a, Text b, Outcome& outcome);
// The sum of the digits of `result` (the result field's text), each raised
// to the power b.
void digitPowerSum(const Text& result, const Text& b, Outcome& outcome);

} // namespace engine::operations
