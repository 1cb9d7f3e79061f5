// SPDX-License-Identifier: GPL-3.0-or-later
// The frame shared by the handlers that compute a result.
#pragma once

#include "engine/operations.h"
#include "window/calculation_kind.h"
#include "window/services.h"

#include <chrono>
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

// The resources of the window's computations: the memory the system has
// available, and what the window holds of a result beside the engine's text
// (its field's UTF-16 text, and the UTF-8 it converts from).
engine::operations::Resources resourcesOf(const Services& window);

// A command's outcome that holds a result, and how long its job took.
template <class OutcomeType> struct Calculated {
    OutcomeType outcome;
    std::chrono::milliseconds took{0};

    const engine::Text& result() const { return std::get<engine::Text>(outcome.result); }
};

// Runs `command`, a command of engine/operations.h with its operands bound,
// as a job of the window (Services::runJob), then writeOutcome. Returns the
// outcome when it holds a result; nothing when a box said why it does not,
// or the user stopped it. The window stays usable either way.
template <class Command>
auto runOperation(Services& window, Calculation calculation, Command&& command)
    -> std::optional<Calculated<decltype(command())>> {
    Calculated<decltype(command())> calculated;
    const auto start = std::chrono::steady_clock::now();
    if (!runCommandJob(window, calculation, [&] { calculated.outcome = command(); })) {
        calculated.outcome.result =
            engine::operations::Refusal{engine::operations::Refusal::Kind::Stopped, {}};
    }
    calculated.took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    if (!writeOutcome(window, calculation, calculated.outcome)) {
        return std::nullopt;
    }
    return calculated;
}

// The texts of a and b that a handler read from the fields (or of the result
// and b, for the digit-power sum): its command takes them, and the history
// keeps them. A command that keeps them for the history takes copies, which
// its job makes; the four operations take them whole and give back the
// operands they wrote into the fields, which the history keeps instead.
struct Operands {
    std::optional<engine::Text> a;
    std::optional<engine::Text> b;
};

// Keeps a calculation that wrote the result field in the window's history
// (Services::recordCalculation): the operands written back when the outcome
// holds them, else those `read`; the precision a / b used; the result; how
// long it took. The texts are moved, not copied: a result of millions of
// digits costs the window's thread nothing here.
void recordCalculation(Services& window, Calculation calculation, Operands&& read,
                       engine::operations::Outcome&& outcome, std::chrono::milliseconds took);

// runOperation, then its result written into the result field (Text3) in one
// write and the calculation kept in the history; the result field keeps its
// text when there is none.
template <class Command>
void runCalculation(Services& window, Calculation calculation, Operands& read, Command&& command) {
    if (auto calculated = runOperation(window, calculation, std::forward<Command>(command))) {
        window.writeField(Field::Text3, calculated->result());
        recordCalculation(window, calculation, std::move(read), std::move(calculated->outcome),
                          calculated->took);
    }
}

} // namespace window
