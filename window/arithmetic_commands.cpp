// SPDX-License-Identifier: GPL-3.0-or-later
// a + b, a - b, a * b and a / b.
#include "window/calculation.h"
#include "window/commands.h"

namespace window {

namespace {

using engine::Text;
using engine::operations::Outcome;

// a (Text1) and b (Text2), which the four operations take whole.
Operands readAAndB(Services& window) {
    return {window.readField(Field::Text1), window.readField(Field::Text2)};
}

// Runs `command` on a and b as runCalculation.
void runOnAAndB(Services& window, Calculation calculation,
                Outcome (*command)(Text, Text, const engine::operations::Resources&)) {
    Operands read = readAAndB(window);
    const auto resources = resourcesOf(window);
    runCalculation(window, calculation, read,
                   [&] { return command(std::move(*read.a), std::move(*read.b), resources); });
}

} // namespace

void addCommand(Services& window) {
    runOnAAndB(window, Calculation::Sum, &engine::operations::sum);
}

void subtractCommand(Services& window) {
    runOnAAndB(window, Calculation::Difference, &engine::operations::difference);
}

void multiplyCommand(Services& window) {
    runOnAAndB(window, Calculation::Product, &engine::operations::product);
}

void divideCommand(Services& window) {
    Operands read = readAAndB(window);
    const std::int32_t precision = window.precision();
    const auto resources = resourcesOf(window);
    runCalculation(window, Calculation::Quotient, read, [&] {
        return engine::operations::quotient(std::move(*read.a), std::move(*read.b), precision,
                                            resources);
    });
}

} // namespace window
