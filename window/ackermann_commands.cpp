// SPDX-License-Identifier: GPL-3.0-or-later
// The Ackermann function A(a, b), and the sum of the result's digits each
// raised to the power b.
#include "window/calculation.h"
#include "window/commands.h"

namespace window {

using engine::Text;
using engine::operations::Outcome;

void ackermannCommand(Services& window) {
    const auto outcome = runOnAAndB(window, Calculation::Ackermann, &engine::operations::ackermann);
    if (!outcome) {
        return;
    }
    // A value from a closed form is shown in a box before it is written.
    if (outcome->closedForm) {
        window.showMessage(QStringLiteral("Ackerman(a, b) = ") +
                               QString::fromStdString(outcome->result),
                           Buttons::Ok, window.caption());
    }
    window.writeField(Field::Text3, outcome->result);
}

void digitPowerSumCommand(Services& window) {
    const Text result = window.readField(Field::Text3);
    const Text b = window.readField(Field::Text2);
    runCalculation(window, Calculation::DigitPowerSum, [&](Outcome& outcome) {
        engine::operations::digitPowerSum(result, b, outcome);
    });
}

} // namespace window
