// a to the power b, the factorial of b with its timing, and the date and time.
#include "window/calculation.h"
#include "window/commands.h"
#include "window/duration_text.h"

namespace window {

namespace {

using engine::Field;
using engine::Text;

// A factorial argument written with this many characters or more is refused,
// whatever its value: 9999 is the largest computed.
constexpr qsizetype FactorialRefusedLength = 5;
constexpr char FactorialTooLarge[] = "b est trop grand";

// Characters, not bytes: the field's text is UTF-8.
qsizetype characterCount(const Text& text) {
    return QString::fromStdString(text).toUcs4().size();
}

} // namespace

void powerCommand(Services& window) {
    const Text a = readOperand(window, Field::Text1);
    const Text b = readOperand(window, Field::Text2);
    if (isForbiddenOperand(a) || isForbiddenOperand(b)) {
        window.writeField(Field::Text3, ForbiddenOperation);
        return;
    }
    runCalculation(window, Calculation::Power, [&](engine::WindowServices&) {
        const std::int32_t exponent = integerOperand(b, Field::Text2);
        Text base = a;
        return engine::PuisCalcul(base, exponent);
    });
}

void factorialCommand(Services& window) {
    const Text b = readOperand(window, Field::Text2);
    if (isForbiddenOperand(b)) {
        window.writeField(Field::Text3, ForbiddenOperation);
        return;
    }
    const QDateTime start = window.now();
    const auto result = computeResult(window, Calculation::Factorial, [&](engine::WindowServices&) {
        return characterCount(b) >= FactorialRefusedLength
                   ? Text(FactorialTooLarge)
                   : engine::factorial(integerOperand(b, Field::Text2));
    });
    if (!result) {
        return; // the failure has been reported instead of a time, or the user stopped it
    }
    window.writeField(Field::Text3, *result);
    // Read after the result has been written into the field: its display counts.
    std::int32_t elapsed = elapsedSeconds(start, window.now());
    window.showMessage(QStringLiteral("Temps de calcul: ") + ConvertirSecondes(elapsed),
                       Buttons::Ok, QStringLiteral("Début du calcul: ") + timestampText(start));
}

void dateAndTimeCommand(Services& window) {
    window.showMessage(timestampText(window.now()), Buttons::Ok, window.caption());
}

} // namespace window
