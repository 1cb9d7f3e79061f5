// SPDX-License-Identifier: GPL-3.0-or-later
// Finding what is wrong with an operand of a command, for the window's boxes:
// which character, where, or what else keeps it from being a number of the
// form the command takes.
#pragma once

#include "engine/engine.h"

#include <optional>
#include <vector>

namespace engine::detail {

// The forms of number that the commands take.
enum class NumberForm {
    Signed,  // an optional leading sign, digits and at most one point
    Natural, // an optional leading "+" and digits
    Digits,  // digits only
};

// The first character of `fieldText` that a number of `form` cannot hold,
// the blanks around the number not counted; nothing when there is none.
std::optional<OperandFlaw> characterFlaw(const Text& fieldText, NumberForm form, Operand operand);

// What keeps `fieldText` from being a natural number: a character, or being
// empty, or a "+" alone, or (with `within32Bits`) a value above 2147483647.
std::optional<OperandFlaw> naturalNumberFlaw(const Text& fieldText, Operand operand,
                                             bool within32Bits);

// NotANumber naming `flaws`, those that were found; a failure without any is
// no fault of the operands and is thrown as a plain Error.
[[noreturn]] void refuseOperands(const std::vector<std::optional<OperandFlaw>>& flaws);

} // namespace engine::detail
