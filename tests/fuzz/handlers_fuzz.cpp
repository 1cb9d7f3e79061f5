// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the calculation handlers, on the tests' window services
// (jobs run inline): the input gives a, b, the result field, the precision
// field and the command. Afterwards the result field holds one whole result
// written once, from operands that are numbers, or it is unchanged and one
// box says what is wrong; an exception out of a handler stops the run too.
#include "../window/fake_services.h"
#include "fuzz_input.h"

#include "engine/operand_grammar.h"
#include "engine/operations.h"
#include "window/number_field/pasted_text.h"

#include <QRegularExpression>

namespace {

using engine::Text;
using window::Field;

struct Command {
    const char* name;
    void (*run)(window::Services&);
    bool decimals; // its operands may be signed decimals, not only whole numbers
};

// clang-format off
constexpr Command Commands[] = {
    {"a + b", window::addCommand, true},        {"a - b", window::subtractCommand, true},
    {"a * b", window::multiplyCommand, true},   {"a / b", window::divideCommand, true},
    {"power", window::powerCommand, false},     {"factorial", window::factorialCommand, false},
    {"Ackermann", window::ackermannCommand, false}, {"digit-power sum", window::digitPowerSumCommand, false}};
// clang-format on

// Inputs whose reading would ask for millions of digits or a long recursion
// are left to the engine target.
bool tooCostly(const std::string& name, const Text& a, const Text& b, const Text& precision) {
    const std::int32_t exponent = engine::toInt32(b).value_or(0);
    return (name == "a / b" && engine::toInt32(precision).value_or(0) > 2000) ||
           (name == "power" && exponent > 64) || (name == "digit-power sum" && exponent > 100) ||
           (name == "Ackermann" &&
            (a.size() > 7 || b.size() > 5 ||
             (engine::toInt32(a).value_or(0) >= 5 && a.size() + b.size() > 4)));
}

bool isWholeResult(const Command& command, const Text& r, const Text& a, const Text& b) {
    const std::string name = command.name;
    if (r == "Opération interdite" || (name == "factorial" && r == "b est trop grand")) {
        return !command.decimals;
    }
    if (name == "power" && engine::toInt32(b) == 1) {
        return r == a;
    }
    return command.decimals
               ? fuzz::isResult(r, true) || (name == "a / b" && r == "Division impossible")
               : fuzz::isDigits(r);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input(data, size, 4);
    const QString pasted = window::pastedNumber(QString::fromStdString(input.text(0)));
    fuzz::expect(std::none_of(pasted.begin(), pasted.end(), [](QChar c) { return c.isSpace(); }),
                 "pastedNumber left a blank", input.text(0));
    const Command& command =
        Commands[static_cast<std::uint8_t>(input.byte(0)) % std::size(Commands)];
    const Text a = engine::trimmedOperand(input.text(0));
    const Text b = engine::trimmedOperand(input.text(1));
    fuzz::expect(input.text(0).find(a) != Text::npos, "trimmedOperand is no part of its text",
                 input.text(0));
    if (tooCostly(command.name, a, b, input.text(3))) {
        return 0;
    }
    FakeServices window;
    window.fields = {{Field::Text1, input.text(0)},
                     {Field::Text2, input.text(1)},
                     {Field::Text3, input.text(2)}};
    window.writeField(Field::Text4, input.text(3));
    const std::string what = std::string(command.name) + " on a = [" + input.text(0) + "], b = [" +
                             input.text(1) + "], result [" + input.text(2) + "]";
    try {
        command.run(window);
    } catch (...) {
        fuzz::expect(false, "an exception left the handler", what);
    }
    const Text& after = window.fields[Field::Text3];
    const int writes = window.writes[Field::Text3];
    // Boxes other than the factorial's time and the value of A(a, b) say why there is no result.
    const QStringList failures =
        window.messages.filter(QRegularExpression("^(?!Ackerman\\(a, b\\) = |Temps de calcul: )"));
    if (!failures.isEmpty()) {
        fuzz::expect(failures.size() == 1 && writes == 0, "a failure box came with a result", what);
        fuzz::expect(
            failures.front().endsWith(QStringLiteral("Le résultat n'a pas été modifié.")) &&
                !failures.front().contains(QStringLiteral("Le calcul n'a pas pu aboutir")),
            "the box does not say what is wrong", what + "\n" + failures.front().toStdString());
        return 0;
    }
    fuzz::expect(writes == 1 && isWholeResult(command, after, a, b), "no whole result",
                 what + "\ngives " + after);
    const std::string name = command.name;
    const bool numbers =
        name == "digit-power sum" ||
        ((name == "factorial" || fuzz::isNumber(a, command.decimals, command.decimals)) &&
         fuzz::isNumber(b, command.decimals, command.decimals));
    fuzz::expect(after == "Opération interdite" || after == "b est trop grand" || numbers,
                 "a result from operands that are no numbers", what + "\ngives " + after);
    return 0;
}
