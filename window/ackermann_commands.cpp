// The Ackermann function A(a, b), and the sum of the result's digits each
// raised to the power b.
#include "window/calculation.h"
#include "window/commands.h"

namespace window {

namespace {

using engine::Field;
using engine::Text;

// Below this value of a, A(a, b) has a closed form and is shown in a box
// before it is written; from it on, the recursion runs and nothing is shown.
constexpr std::int32_t FirstRecursiveA = 5;

} // namespace

void ackermannCommand(Services& window) {
    const Text a = window.readField(Field::Text1);
    const Text b = window.readField(Field::Text2);
    if (isForbiddenOperand(a) || isForbiddenOperand(b)) {
        window.writeField(Field::Text3, ForbiddenOperation);
        return;
    }
    bool closedForm = false;
    const auto value = computeResult(window, Calculation::Ackermann, [&](engine::WindowServices&) {
        Text m = a;
        Text n = b;
        closedForm = integerOperand(a, Field::Text1) < FirstRecursiveA;
        return closedForm ? engine::AckerSimple(m, n) : engine::ackerman(m, n);
    });
    if (!value) {
        return;
    }
    if (closedForm) {
        window.showMessage(QStringLiteral("Ackerman(a, b) = ") + QString::fromStdString(*value),
                           Buttons::Ok, window.caption());
    }
    window.writeField(Field::Text3, *value);
}

void digitPowerSumCommand(Services& window) {
    const Text result = window.readField(Field::Text3);
    runCalculation(window, Calculation::DigitPowerSum, [&](engine::WindowServices& fields) {
        try {
            return engine::sommepuis(result, fields);
        } catch (const engine::OutOfRange&) {
            // Either b is not an integer, which is said as such, or the power is too large.
            integerOperand(fields.readField(Field::Text2), Field::Text2);
            throw;
        }
    });
}

} // namespace window
