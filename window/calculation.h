// SPDX-License-Identifier: GPL-3.0-or-later
// The frame shared by the handlers that compute a result.
#pragma once

#include "engine/operations.h"
#include "window/calculation_kind.h"
#include "window/services.h"

#include <functional>
#include <optional>
#include <utility>

namespace window {

// Writes what a command left before its result, in the order the window
// always wrote it: the rewritten operands (a + b, a - b, a * b, a / b), then,
// unless the user stopped the computation, the precision that the division
// used when it changed. Then, for a refusal, shows the box that says why
// (none when the user stopped it: the user knows). True when the outcome
// holds a result for the handler to write.
bool writeOutcome(Services& window, Calculation calculation, engine::operations::Outcome& outcome);

// Runs `job` as the computation of `calculation` (Services::runJob); false
// when the user stopped it.
bool runCommandJob(Services& window, Calculation calculation, const std::function<void()>& job);

// Runs `command`, a command of engine/operations.h with its operands bound,
// as a job of the window (Services::runJob), then writeOutcome. Returns the
// outcome when it holds a result; nothing when a box said why it does not,
// or the user stopped it. The window stays usable either way.
template <class Command>
auto runOperation(Services& window, Calculation calculation, Command&& command)
    -> std::optional<decltype(command())> {
    decltype(command()) outcome;
    if (!runCommandJob(window, calculation, [&] { outcome = command(); })) {
        outcome.result =
            engine::operations::Refusal{engine::operations::Refusal::Kind::Stopped, {}};
    }
    if (!writeOutcome(window, calculation, outcome)) {
        return std::nullopt;
    }
    return outcome;
}

// The result's text of an outcome that holds one.
inline const engine::Text& resultText(const engine::operations::Outcome& outcome) {
    return std::get<engine::Text>(outcome.result);
}

// runOperation, then its result written into the result field (Text3) in one
// write; the result field keeps its text when there is none.
template <class Command>
void runCalculation(Services& window, Calculation calculation, Command&& command) {
    if (const auto outcome = runOperation(window, calculation, std::forward<Command>(command))) {
        window.writeField(Field::Text3, resultText(*outcome));
    }
}

} // namespace window
