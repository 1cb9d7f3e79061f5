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

// True for a text of digits only, with one "+" before them at most.
bool isNaturalNumber(const Text& text) {
    const std::size_t first = text.starts_with('+') ? 1 : 0;
    return text.size() > first && text.find_first_not_of("0123456789", first) == Text::npos;
}

} // namespace

void ackermannCommand(Services& window) {
    const Text a = readOperand(window, Field::Text1);
    const Text b = readOperand(window, Field::Text2);
    if (isForbiddenOperand(a) || isForbiddenOperand(b)) {
        window.writeField(Field::Text3, ForbiddenOperation);
        return;
    }
    bool closedForm = false;
    const auto value = computeResult(window, Calculation::Ackermann, [&](engine::WindowServices&) {
        Text m = a;
        Text n = b;
        if (!engine::toInt32(a) && isNaturalNumber(a)) {
            // A(a, b) for an a beyond 32 bits is beyond any memory.
            throw engine::OutOfRange("a is beyond the 32-bit range");
        }
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
    const Text result = readOperand(window, Field::Text3);
    runCalculation(window, Calculation::DigitPowerSum, [&](engine::WindowServices& fields) {
        // The sum of negative powers of the digits is no whole number.
        if (const auto exponent = engine::toInt32(fields.readField(Field::Text2));
            exponent && *exponent < 0) {
            refuseOperand(Field::Text2, Failure::Negative);
        }
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
