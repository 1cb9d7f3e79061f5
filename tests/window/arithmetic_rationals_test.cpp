// SPDX-License-Identifier: GPL-3.0-or-later
// The four arithmetic commands on thousands of random signed decimal operands,
// run through their handlers without a widget, against GMP's exact rationals:
// the value of each result and the form the command gives it.
#include "../engine/oracle.h"
#include "fake_services.h"
#include "window/commands.h"

#include <QtTest>

#include <array>
#include <tuple>

namespace {

using engine::Text;
using window::Field;

// The digits after the point; with `counting`, none when they are all zeros.
std::size_t digitsAfterPoint(const Text& text, bool counting = false) {
    const auto point = text.find('.');
    const bool none =
        point == Text::npos || (counting && text.find_first_not_of('0', point + 1) == Text::npos);
    return none ? 0 : text.size() - point - 1;
}

// A signed decimal text with its point anywhere (first or last included),
// leading and trailing zeros, or one of the zero forms.
Text randomDecimal(oracle::Operands& operands) {
    if (const std::size_t zero = operands.below(30); zero < 3) {
        return std::array<Text, 3>{"", "-0", "0.000"}[zero];
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
    // A sum, difference or product that could pass the longest result is
    // refused before any digit work; one that cannot is computed.
    void longestResult() {
        const Text half(50'000'000, '7');
        const QString tooLong =
            " aurait plus de 100 millions de chiffres : la mémoire n'y suffirait "
            "pas.\nLe résultat n'a pas été modifié.";
        const std::tuple<void (*)(window::Services&), Text, Text, QString> rows[] = {
            {&window::multiplyCommand, half + "7", half, "Ce produit" + tooLong},
            {&window::addCommand, half + half, "0.1", "Cette somme" + tooLong},
            {&window::subtractCommand, "-" + half + half, "1", "Cette différence" + tooLong},
            {&window::addCommand, half + half.substr(1), "1", ""}};
        for (const auto& [command, a, b, box] : rows) {
            QStringList messages;
            const Text result = resultOf(command, a, b, messages);
            QCOMPARE(messages.join(""), box);
            QCOMPARE(result.size(), box.isEmpty() ? a.size() : 1);
        }
    }

    // The forms that values do not pin: decimals kept to the longer fraction,
    // "-0", the quotient's "0" left behind a "-", the refusal of a zero divisor.
    void specialForms() {
        // a, b, then a + b, a - b, a * b, a / b
        // clang-format off
        const std::array<Text, 6> rows[] = {
            {"1.5", "1.5", "3.0", "0.0", "2.25", "1"},  {"2.0", "1.0", "3", "1", "2", "2"},
            {"", "", "0", "0", "0", "Division impossible"}, {"-", "5", "5", "-5", "-0", "-0"},
            {"0", "-0", "-0", "0", "-0", "Division impossible"}, {"-20", "4", "-16", "-24", "-80", "-05"},
            {"-10", "4", "-6", "-14", "-40", "-02.50"}, {"1.25", "2", "3.25", "-0.75", "2.50", "0.6250"},
            {".5", "0.00", "0.5", "0.5", "0", "Division impossible"}};
        // clang-format on
        const auto commands = {&window::addCommand, &window::subtractCommand,
                               &window::multiplyCommand, &window::divideCommand};
        for (const auto& row : rows) {
            QStringList messages;
            for (std::size_t i = 0; i < 4; ++i) {
                QCOMPARE(resultOf(std::data(commands)[i], row[0], row[1], messages), row[2 + i]);
            }
            QVERIFY(messages.isEmpty());
        }
        // A point that opens an operand is repaired in its field too.
        FakeServices services;
        services.fields = {{Field::Text1, ".5"}, {Field::Text2, "-.25"}};
        window::divideCommand(services);
        QCOMPARE(services.fields[Field::Text1] + " " + services.fields[Field::Text2],
                 Text("0.5 -0.25"));
    }

    void resultsAreExactInTheirForms() {
        oracle::Operands operands;
        for (int i = 0; i < 3000; ++i) {
            const Text a = randomDecimal(operands);
            const Text b = randomDecimal(operands);
            const mpq_class x = oracle::decimalValue(a);
            const mpq_class y = oracle::decimalValue(b);
            const std::size_t scale =
                std::max(digitsAfterPoint(a, true), digitsAfterPoint(b, true));
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
            const mpz_class scale50("1" + Text(50, '0'));
            const mpq_class truncated =
                mpq_class(mpz_class(exact.get_num() * scale50 / exact.get_den())) / scale50;
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
