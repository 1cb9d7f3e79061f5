// SPDX-License-Identifier: GPL-3.0-or-later
// a to the power b, the factorial of b with its timing, and the date and time.
#include "window/calculation.h"
#include "window/commands.h"
#include "window/duration_text.h"

namespace window {

using engine::Text;

void powerCommand(Services& window) {
    Text a = window.readField(Field::Text1);
    Text b = window.readField(Field::Text2);
    runCalculation(window, Calculation::Power,
                   [&] { return engine::operations::power(std::move(a), std::move(b)); });
}

void factorialCommand(Services& window) {
    Text b = window.readField(Field::Text2);
    const QDateTime start = window.now();
    const auto outcome = runOperation(window, Calculation::Factorial,
                                      [&] { return engine::operations::factorial(std::move(b)); });
    if (!outcome) {
        return; // the failure has been reported instead of a time, or the user stopped it
    }
    window.writeField(Field::Text3, resultText(*outcome));
    if (resultText(*outcome) == engine::operations::ForbiddenOperation) {
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
