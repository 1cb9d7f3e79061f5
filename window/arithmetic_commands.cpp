// SPDX-License-Identifier: GPL-3.0-or-later
// a + b, a - b, a * b and a / b.
#include "window/calculation.h"
#include "window/commands.h"

namespace window {

void addCommand(Services& window) {
    runCalculationOnAAndB(window, Calculation::Sum, &engine::operations::sum);
}

void subtractCommand(Services& window) {
    runCalculationOnAAndB(window, Calculation::Difference, &engine::operations::difference);
}

void multiplyCommand(Services& window) {
    runCalculationOnAAndB(window, Calculation::Product, &engine::operations::product);
}

void divideCommand(Services& window) {
    engine::Text a = window.readField(Field::Text1);
    engine::Text b = window.readField(Field::Text2);
    const std::int32_t precision = window.precision();
    runCalculation(window, Calculation::Quotient, [&](engine::operations::Outcome& outcome) {
        engine::operations::quotient(std::move(a), std::move(b), precision, outcome);
    });
}

} // namespace window
