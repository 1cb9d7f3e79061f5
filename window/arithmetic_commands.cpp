// a + b, a - b, a * b and a / b.
#include "window/calculation.h"
#include "window/commands.h"

namespace window {

namespace {

using engine::Text;
using engine::operations::Outcome;

using ArithmeticOperation = void (*)(const Text&, const Text&, Outcome&);

// Reads a and b, computes, and writes back the operands and then the result.
void arithmeticCommand(Services& window, Calculation calculation,
                       ArithmeticOperation arithmeticOperation) {
    const Text a = window.readField(Field::Text1);
    const Text b = window.readField(Field::Text2);
    runCalculation(window, calculation,
                   [&](Outcome& outcome) { arithmeticOperation(a, b, outcome); });
}

} // namespace

void addCommand(Services& window) {
    arithmeticCommand(window, Calculation::Sum, &engine::operations::sum);
}

void subtractCommand(Services& window) {
    arithmeticCommand(window, Calculation::Difference, &engine::operations::difference);
}

void multiplyCommand(Services& window) {
    arithmeticCommand(window, Calculation::Product, &engine::operations::product);
}

void divideCommand(Services& window) {
    const Text a = window.readField(Field::Text1);
    const Text b = window.readField(Field::Text2);
    const std::int32_t precision = window.precision();
    runCalculation(window, Calculation::Quotient, [&](Outcome& outcome) {
        engine::operations::quotient(a, b, precision, outcome);
    });
}

} // namespace window
