// The four arithmetic commands on thousands of random signed decimal operands,
// run through their handlers without a widget, against GMP's exact rationals:
// the value of each result and the form the command gives it.
#include "../engine/oracle.h"
#include "fake_services.h"
#include "window/commands.h"

#include <QtTest>

namespace {

using engine::Field;
using engine::Text;

// Digits after the point that count: none when they are all zeros.
std::size_t fractionDigits(const Text& operand) {
    const auto point = operand.find('.');
    if (point == Text::npos || operand.find_first_not_of('0', point + 1) == Text::npos) {
        return 0;
    }
    return operand.size() - point - 1;
}

std::size_t digitsAfterPoint(const Text& result) {
    const auto point = result.find('.');
    return point == Text::npos ? 0 : result.size() - point - 1;
}

// A signed decimal text with its point anywhere (first or last included),
// leading and trailing zeros, or one of the zero forms.
Text randomDecimal(oracle::Operands& operands) {
    switch (operands.below(30)) {
    case 0:
        return "";
    case 1:
        return "-0";
    case 2:
        return "0.000";
    default:
        break;
    }
    Text digits = Text(operands.below(3), '0') + operands.digits(1 + operands.below(40)) +
                  Text(operands.below(3), '0');
    if (operands.below(3) != 0) {
        digits.insert(operands.below(digits.size() + 1), 1, '.');
    }
    return (operands.below(3) == 0 ? "-" : "") + digits;
}

// The result field after one command on a and b; `messages` gets its boxes.
Text resultOf(void (*command)(window::Services&), const Text& a, const Text& b,
              QStringList& messages) {
    FakeServices services;
    services.fields = {{Field::Text1, a}, {Field::Text2, b}, {Field::Text3, "x"}};
    command(services);
    messages += services.messages;
    return services.fields[Field::Text3];
}

} // namespace

class ArithmeticRationalsTest : public QObject {
    Q_OBJECT

private slots:
    void resultsAreExactInTheirForms() {
        oracle::Operands operands;
        for (int i = 0; i < 3000; ++i) {
            const Text a = randomDecimal(operands);
            const Text b = randomDecimal(operands);
            const mpq_class x = oracle::decimalValue(a);
            const mpq_class y = oracle::decimalValue(b);
            const std::size_t scale = std::max(fractionDigits(a), fractionDigits(b));
            QStringList messages;
            const auto run = [&](void (*command)(window::Services&)) {
                return resultOf(command, a, b, messages);
            };
            const QByteArray operandsText = QByteArray::fromStdString("a = " + a + ", b = " + b);

            for (const auto& [command, sign] :
                 {std::pair{&window::addCommand, 1}, std::pair{&window::subtractCommand, -1}}) {
                const Text result = run(command);
                QVERIFY2(oracle::decimalValue(result) == x + sign * y,
                         operandsText + " gave " + result.c_str());
                QVERIFY2(digitsAfterPoint(result) == scale &&
                             (scale > 0) == (result.find('.') != Text::npos),
                         operandsText + " gave " + result.c_str());
            }
            const Text product = run(&window::multiplyCommand);
            QVERIFY2(oracle::decimalValue(product) == x * y,
                     operandsText + " gave " + product.c_str());

            const Text quotient = run(&window::divideCommand);
            QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
            if (y == 0) {
                QCOMPARE(quotient, Text("Division impossible"));
                continue;
            }
            const mpq_class exact = x / y;
            const mpq_class value = oracle::decimalValue(quotient);
            mpz_class cut = exact.get_num() * mpz_class("1" + Text(50, '0')) / exact.get_den();
            mpq_class truncated(cut, mpz_class("1" + Text(50, '0')));
            truncated.canonicalize();
            if (value == exact) {
                // An exact quotient shows one "0" after its last significant digit.
                QVERIFY2(digitsAfterPoint(quotient) == 0 || quotient.back() == '0',
                         operandsText + " gave " + quotient.c_str());
            } else {
                QVERIFY2(value == truncated && digitsAfterPoint(quotient) == 50,
                         operandsText + " gave " + quotient.c_str());
            }
        }
    }
};

QTEST_APPLESS_MAIN(ArithmeticRationalsTest)
#include "arithmetic_rationals_test.moc"
