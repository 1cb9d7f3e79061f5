// SPDX-License-Identifier: GPL-3.0-or-later
// The frame shared by the handlers that compute a result.
#pragma once

#include "engine/operations.h"
#include "window/failure_messages.h"
#include "window/services.h"

#include <functional>
#include <optional>

namespace window {

// A command of engine/operations.h with its operands bound: it fills the
// outcome it is given.
using Operation = std::function<void(engine::operations::Outcome& outcome)>;

// Runs `operation` as a job of the window (Services::runJob) and writes what
// it gave, in the order the window always wrote it: the rewritten operands
// (a + b, a - b, a * b, a / b), the precision that the division used when it
// changed, and nothing more; the outcome is returned for the handler to write
// its result. When the computation fails (an operand that is not a number of
// the form taken, a value beyond the engine's limits, memory exhausted), a
// message box says what went wrong in the terms of `calculation` and nothing
// is returned; the window stays usable. When the user stopped it, only the
// operands are written and nothing is shown.
std::optional<engine::operations::Outcome> runOperation(Services& window, Calculation calculation,
                                                        const Operation& operation);

// runOperation, then its result written into the result field (Text3) in one
// write; the result field keeps its text when there is none.
void runCalculation(Services& window, Calculation calculation, const Operation& operation);

// A command of engine/operations.h on a and b.
using CommandOnAAndB = void (*)(engine::Text a, engine::Text b,
                                engine::operations::Outcome& outcome);

// Reads a (Text1) and b (Text2) and runs `command` on them with runOperation.
std::optional<engine::operations::Outcome> runOnAAndB(Services& window, Calculation calculation,
                                                      CommandOnAAndB command);
// The same, then the result written into the result field, as runCalculation.
void runCalculationOnAAndB(Services& window, Calculation calculation, CommandOnAAndB command);

} // namespace window
