// a + b, a - b, a * b and a / b.
#include "window/calculation.h"
#include "window/commands.h"

#include <cstdint>
#include <string>
#include <utility>

namespace window {

namespace {

using engine::Field;
using engine::Text;

// Two operands brought to a common number of fractional digits: each is the
// operand times ten to the power `digits`, written as an integer text with its
// sign and any leading zeros. When neither operand has a fractional digit
// other than "0", `digits` is 0 and the operands are the texts as they stand.
struct FixedPoint {
    Text a;
    Text b;
    std::int32_t digits = 0;
};

// The integer part of a copy of `operand`; `count` receives its number of
// fractional digits (0 when they are all zeros).
Text integerPart(const Text& operand, std::int32_t& count) {
    Text copy = operand;
    return engine::Entdecimal(copy, count);
}

// The characters after the first point of the operand in `field`, which
// must be digits: glued to the integer part, anything else could make a
// text that the kernel reads as a number ("5..0" gives "5.0", which is 5;
// "+.-" gives "+-", which is 0).
Text fractionDigits(const Text& operand, Field field) {
    Text copy = operand;
    Text fraction = engine::Partdecimale(copy);
    if (fraction.find_first_not_of("0123456789") != Text::npos) {
        refuseOperand(field, Failure::NotANumber);
    }
    return fraction;
}

FixedPoint alignFractions(const Text& a, const Text& b) {
    std::int32_t la = 0;
    std::int32_t lb = 0;
    const Text integerA = integerPart(a, la);
    const Text integerB = integerPart(b, lb);
    Text fa = la > 0 ? fractionDigits(a, Field::Text1) : Text();
    Text fb = lb > 0 ? fractionDigits(b, Field::Text2) : Text();
    std::int32_t digits = 0;
    if (la < lb) {
        digits = lb;
        fa.append(static_cast<std::size_t>(lb - la), '0');
    } else {
        digits = la;
        fb.append(static_cast<std::size_t>(la - lb), '0');
    }
    if (digits == 0) {
        return {a, b, 0};
    }
    return {integerA + fa, integerB + fb, digits};
}

// Puts the point back into an integer result that stands for the true result
// times ten to the power `digits`: -5 with 2 digits gives "-.05", which Verif
// later shows as "-0.05".
Text placePoint(Text r, std::int32_t digits) {
    const bool negative = !r.empty() && r.front() == '-';
    if (negative) {
        r.erase(0, 1);
    }
    const auto fraction = static_cast<std::size_t>(digits);
    if (r.size() < fraction) {
        r.insert(0, fraction - r.size(), '0');
    }
    const std::size_t integerLength = r.size() - fraction;
    return (negative ? "-" : "") + r.substr(0, integerLength) + "." + r.substr(integerLength);
}

// The operands of a + b, a - b, a * b and a / b, written back into their
// fields as Verifab writes them, but read without the blanks around them, so
// that a field shows the number that was computed (" .5\n" becomes "0.5").
struct Operands {
    Text a;
    Text b;
};

Operands repairedOperands(Services& window) {
    Operands operands;
    for (auto [field, operand] :
         {std::pair{Field::Text1, &operands.a}, std::pair{Field::Text2, &operands.b}}) {
        *operand = engine::Verif(readOperand(window, field));
        window.writeField(field, *operand);
    }
    return operands;
}

using Kernel = Text (*)(Text&, Text&);

// Sum or difference of the two operand fields on the fixed-point frame.
void fixedPointCommand(Services& window, Calculation calculation, Kernel kernel) {
    const Operands repaired = repairedOperands(window);
    const Text& a = repaired.a;
    const Text& b = repaired.b;
    runCalculation(window, calculation, [&](engine::WindowServices&) {
        FixedPoint operands = alignFractions(a, b);
        Text r = kernel(operands.a, operands.b);
        if (operands.digits > 0) {
            r = placePoint(r, operands.digits);
        }
        return engine::Verif(r);
    });
}

} // namespace

void addCommand(Services& window) {
    fixedPointCommand(window, Calculation::Sum, &engine::Plusplus);
}

void subtractCommand(Services& window) {
    fixedPointCommand(window, Calculation::Difference, &engine::Moinsmoins);
}

void multiplyCommand(Services& window) {
    const Operands repaired = repairedOperands(window);
    const Text& a = repaired.a;
    const Text& b = repaired.b;
    runCalculation(window, Calculation::Product, [&](engine::WindowServices&) {
        Text workA = a;
        Text workB = b;
        return engine::Verif(engine::Mulmul(workA, workB));
    });
}

void divideCommand(Services& window) {
    const Operands repaired = repairedOperands(window);
    const Text& a = repaired.a;
    const Text& b = repaired.b;
    runCalculation(window, Calculation::Quotient, [&](engine::WindowServices& fields) {
        FixedPoint operands = alignFractions(a, b);
        Text raw = engine::Divdiv(operands.a, operands.b, fields);
        // A raw quotient can open with a "0" before its first digit (02.50);
        // the normal form keeps it, so drop it here.
        const Text normal = engine::Zeronettoyage(raw);
        return engine::Verif(engine::Paszerodebut(normal));
    });
}

} // namespace window
