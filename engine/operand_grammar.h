// SPDX-License-Identifier: GPL-3.0-or-later
// The grammar of number texts, in one place: which forms of number the
// commands and the procedures take, the blanks that may stand around a
// number in a field, and what keeps a text from being a number of a form,
// said as the user counts characters in the field. The commands check their
// operands with it before any work; the procedures check the texts they are
// given with it too; the window's boxes word the flaws it names.
#pragma once

#include "engine/engine.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace engine {

// The forms of number that the calculator reads.
enum class NumberForm {
    // An optional sign, then digits with at most one point among or around
    // them: the operands of a + b, a - b, a * b and a / b. It may hold no
    // digit at all ("", "-", "."), which those operations read as zero.
    Signed,
    // An optional "+", then at least one digit: the whole numbers of the
    // power, the factorial, Ackermann's function and b of the digit-power sum.
    Natural,
    // Digits only, possibly none.
    Digits,
    // An optional "-", then digits: the integer texts of Plusplus, Moinsmoins
    // and Divdiv once normalised.
    SignedDigits,
    // Digits with at most one point: Mulmul's operands once their sign is taken.
    UnsignedDecimal,
};

// The byte index of the first character of `text` that a number of `form`
// cannot hold at its place, or npos. Blanks are characters like others here.
// An empty text, or a sign alone, has none (see operandFlaw for Natural).
std::size_t firstFlawAt(std::string_view text, NumberForm form);

// The procedures' check of a text they are given: NotANumber, without flaws,
// unless `text` is of `form`.
void requireForm(std::string_view text, NumberForm form);

// The number that a field's text holds: the text without the blanks around
// it (isBlank: spaces, tabs, line breaks, no-break and thin spaces). Blanks
// inside stay, and are flaws wherever a number is read.
Text trimmedOperand(Text fieldText);

// What keeps a field's text from being a number of `form`, for `operand`:
// its first character that cannot stand there, with its position among the
// field's characters (the blanks before the number count); for Natural also
// a text without a digit (Empty, NoDigit); nothing when it is a number.
std::optional<OperandFlaw> operandFlaw(std::string_view fieldText, NumberForm form,
                                       Operand operand);

// The same for Natural, then, with `within32Bits`, a value above 2147483647.
std::optional<OperandFlaw> naturalOperandFlaw(std::string_view fieldText, Operand operand,
                                              bool within32Bits);

// toInt32 (engine/engine.h) for a computation: NotANumber when the text is
// not a whole number at all, OutOfRange when it is one beyond 32 bits.
std::int32_t toInt32OrThrow(const Text& text, const char* what);

// A trimmed operand that the power, the factorial and Ackermann's function
// answer with "Opération interdite": one that holds a point or opens with "-".
bool isForbiddenOperand(std::string_view operand);

} // namespace engine
