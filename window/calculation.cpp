// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculation.h"

#include <new>
#include <optional>
#include <string>

namespace window {

namespace {

using engine::operations::Outcome;

// The operands and the precision, as a command left them for the window.
void writeOperands(Services& window, const Outcome& outcome) {
    if (outcome.a) {
        window.writeField(Field::Text1, *outcome.a);
    }
    if (outcome.b) {
        window.writeField(Field::Text2, *outcome.b);
    }
}

void writePrecision(Services& window, const Outcome& outcome) {
    if (outcome.precision && *outcome.precision != window.precision()) {
        window.setPrecision(*outcome.precision);
        window.writeField(Field::Text4, std::to_string(*outcome.precision));
    }
}

} // namespace

std::optional<Outcome> runOperation(Services& window, Calculation calculation,
                                    const Operation& operation) {
    Outcome outcome;
    std::optional<QString> failure;
    try {
        window.runJob(calculationInProgress(calculation), [&] { operation(outcome); });
    } catch (const engine::Cancelled&) {
        // Stopped by the user, who knows it: nothing to say.
        writeOperands(window, outcome);
        return std::nullopt;
    } catch (const engine::NotANumber& error) {
        failure = error.flaws.empty() ? failureMessage(calculation, Failure::Other)
                                      : refusedOperandsMessage(calculation, error.flaws);
    } catch (const engine::OutOfRange&) {
        failure = failureMessage(calculation, Failure::OutOfRange);
    } catch (const std::bad_alloc&) {
        failure = failureMessage(calculation, Failure::OutOfMemory);
    } catch (const std::length_error&) {
        // A text grew past what a string can hold.
        failure = failureMessage(calculation, Failure::OutOfMemory);
    } catch (const std::exception&) {
        failure = failureMessage(calculation, Failure::Other);
    }
    // What the computation left before it failed shows, as it always did.
    writeOperands(window, outcome);
    writePrecision(window, outcome);
    if (failure) {
        window.showMessage(*failure, Buttons::Ok, window.caption());
        return std::nullopt;
    }
    return outcome;
}

void runCalculation(Services& window, Calculation calculation, const Operation& operation) {
    if (const auto outcome = runOperation(window, calculation, operation)) {
        window.writeField(Field::Text3, outcome->result);
    }
}

std::optional<Outcome> runOnAAndB(Services& window, Calculation calculation,
                                  CommandOnAAndB command) {
    engine::Text a = window.readField(Field::Text1);
    engine::Text b = window.readField(Field::Text2);
    return runOperation(window, calculation,
                        [&](Outcome& outcome) { command(std::move(a), std::move(b), outcome); });
}

void runCalculationOnAAndB(Services& window, Calculation calculation, CommandOnAAndB command) {
    if (const auto outcome = runOnAAndB(window, calculation, command)) {
        window.writeField(Field::Text3, outcome->result);
    }
}

} // namespace window
