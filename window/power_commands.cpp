// SPDX-License-Identifier: GPL-3.0-or-later
// a to the power b, the factorial of b with its timing, and the date and time.
#include "window/calculation.h"
#include "window/commands.h"
#include "window/duration_text.h"

namespace window {

void powerCommand(Services& window) {
    Operands read{window.readField(Field::Text1), window.readField(Field::Text2)};
    const auto resources = resourcesOf(window);
    runCalculation(window, Calculation::Power, read,
                   [&] { return engine::operations::power(*read.a, *read.b, resources); });
}

void factorialCommand(Services& window) {
    Operands read{std::nullopt, window.readField(Field::Text2)};
    const QDateTime start = window.now();
    const auto resources = resourcesOf(window);
    auto calculated = runOperation(window, Calculation::Factorial, [&] {
        return engine::operations::factorial(*read.b, resources);
    });
    if (!calculated) {
        return; // the failure has been reported instead of a time, or the user stopped it
    }
    window.writeField(Field::Text3, calculated->result());
    const bool forbidden = calculated->result() == engine::operations::ForbiddenOperation;
    recordCalculation(window, Calculation::Factorial, std::move(read),
                      std::move(calculated->outcome), calculated->took);
    if (forbidden) {
        return;
    }
    // Read after the result has been written into the field: its display counts.
    std::int32_t elapsed = elapsedSeconds(start, window.now());
    window.showMessage(QStringLiteral("Temps de calcul: ") + ConvertirSecondes(elapsed),
                       Buttons::Ok, QStringLiteral("Début du calcul: ") + timestampText(start));
}

void dateAndTimeCommand(Services& window) {
    window.showMessage(timestampText(window.now()), Buttons::Ok, window.caption());
}

} // namespace window
