// SPDX-License-Identifier: GPL-3.0-or-later
// The frame that every command of engine/operations.h runs its steps in:
// what the steps return is the result, what they throw becomes the outcome's
// refusal, so that no exception leaves a command.
#pragma once

#include "engine/operations.h"

#include <exception>
#include <initializer_list>
#include <optional>

namespace engine::operations::detail {

// Thrown before any work by requireMemory, and turned into the OutOfMemory
// refusal that carries both figures.
struct NotEnoughMemory {
    std::uint64_t needed = 0;
    std::uint64_t available = 0;
};

// Throws NotEnoughMemory when `needed` bytes are more than `resources` has.
void requireMemory(std::uint64_t needed, const Resources& resources);

// The refusal that stands for the exception being handled.
Refusal refusalForCurrentException();

// The refusal of operands that are no numbers, naming the flaws found; none
// when every operand is a number.
std::optional<Refusal> refusalOfFlaws(std::initializer_list<std::optional<OperandFlaw>> flaws);

// Runs `steps`, which return the result's text, and records that text or the
// refusal that a failure stands for.
template <class Steps> void settle(Outcome& outcome, Steps&& steps) {
    try {
        outcome.result = steps();
    } catch (...) {
        outcome.result = refusalForCurrentException();
    }
}

} // namespace engine::operations::detail
