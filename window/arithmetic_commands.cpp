// SPDX-License-Identifier: GPL-3.0-or-later
// a + b, a - b, a * b and a / b.
#include "window/calculation.h"
#include "window/commands.h"

namespace window {

namespace {

using engine::Text;
using engine::operations::Outcome;

// Reads a (Text1) and b (Text2) and runs `command` on them as runCalculation.
void runOnAAndB(Services& window, Calculation calculation, Outcome (*command)(Text, Text)) {
    Text a = window.readField(Field::Text1);
    Text b = window.readField(Field::Text2);
    runCalculation(window, calculation, [&] { return command(std::move(a), std::move(b)); });
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
    Text a = window.readField(Field::Text1);
    Text b = window.readField(Field::Text2);
    const std::int32_t precision = window.precision();
    runCalculation(window, Calculation::Quotient, [&] {
        return engine::operations::quotient(std::move(a), std::move(b), precision);
    });
}

} // namespace window
