// SPDX-License-Identifier: GPL-3.0-or-later
// The Ackermann function A(a, b), and the sum of the result's digits each
// raised to the power b.
#include "window/calculation.h"
#include "window/commands.h"

namespace window {

using engine::Text;

void ackermannCommand(Services& window) {
    Text a = window.readField(Field::Text1);
    Text b = window.readField(Field::Text2);
    const auto outcome = runOperation(window, Calculation::Ackermann, [&] {
        return engine::operations::ackermann(std::move(a), std::move(b));
    });
    if (!outcome) {
        return;
    }
    // A value from a closed form is shown in a box before it is written.
    if (outcome->closedForm) {
        window.showMessage(QStringLiteral("Ackerman(a, b) = ") +
                               QString::fromStdString(resultText(*outcome)),
                           Buttons::Ok, window.caption());
    }
    window.writeField(Field::Text3, resultText(*outcome));
}

void digitPowerSumCommand(Services& window) {
    Text result = window.readField(Field::Text3);
    Text b = window.readField(Field::Text2);
    runCalculation(window, Calculation::DigitPowerSum, [&] {
        return engine::operations::digitPowerSum(std::move(result), std::move(b));
    });
}

} // namespace window
