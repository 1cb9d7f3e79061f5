// SPDX-License-Identifier: GPL-3.0-or-later
// The Ackermann function A(a, b), and the sum of the result's digits each
// raised to the power b.
#include "window/calculation.h"
#include "window/commands.h"

namespace window {

void ackermannCommand(Services& window) {
    Operands read{window.readField(Field::Text1), window.readField(Field::Text2)};
    const auto resources = resourcesOf(window);
    auto calculated = runOperation(window, Calculation::Ackermann, [&] {
        return engine::operations::ackermann(*read.a, *read.b, resources);
    });
    if (!calculated) {
        return;
    }
    // A value from a closed form is shown in a box before it is written.
    if (calculated->outcome.closedForm) {
        window.showMessage(QStringLiteral("Ackerman(a, b) = ") +
                               QString::fromStdString(calculated->result()),
                           Buttons::Ok, window.caption());
    }
    window.writeField(Field::Text3, calculated->result());
    recordCalculation(window, Calculation::Ackermann, std::move(read),
                      std::move(calculated->outcome), calculated->took);
}

// The history keeps the number whose digits were raised as the entry's a.
void digitPowerSumCommand(Services& window) {
    Operands read{window.readField(Field::Text3), window.readField(Field::Text2)};
    const auto resources = resourcesOf(window);
    runCalculation(window, Calculation::DigitPowerSum, read,
                   [&] { return engine::operations::digitPowerSum(*read.a, *read.b, resources); });
}

} // namespace window
