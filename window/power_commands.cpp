// SPDX-License-Identifier: GPL-3.0-or-later
// a to the power b, the factorial of b with its timing, and the date and time.
#include "window/calculation.h"
#include "window/commands.h"
#include "window/duration_text.h"

namespace window {

using engine::Text;
using engine::operations::Outcome;

void powerCommand(Services& window) {
    runCalculationOnAAndB(window, Calculation::Power, &engine::operations::power);
}

void factorialCommand(Services& window) {
    const Text b = window.readField(Field::Text2);
    const QDateTime start = window.now();
    const auto outcome = runOperation(window, Calculation::Factorial, [&](Outcome& outcome) {
        engine::operations::factorial(b, outcome);
    });
    if (!outcome) {
        return; // the failure has been reported instead of a time, or the user stopped it
    }
    window.writeField(Field::Text3, outcome->result);
    if (outcome->forbidden) {
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
