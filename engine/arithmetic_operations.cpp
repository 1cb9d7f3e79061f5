// SPDX-License-Identifier: GPL-3.0-or-later
// a + b, a - b, a * b and a / b on signed decimal texts. The sum, the
// difference and the quotient line up the two fractions, work on the integers
// that this gives, and put the point back; the product places its own point.
#include "engine/digits.h"
#include "engine/operand_flaws.h"
#include "engine/operations.h"
#include "engine/procedure_steps.h"

#include <algorithm>

namespace engine::operations {

namespace {

using detail::NumberForm;

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
    return Entdecimal(copy, count);
}

// The characters after the first point of `operand`, which must be digits:
// glued to the integer part, anything else could make a text that the kernel
// reads as a number ("5..0" gives "5.0", which is 5; "+.-" gives "+-", which
// is 0).
Text fractionDigits(const Text& operand) {
    Text copy = operand;
    Text fraction = Partdecimale(copy);
    if (fraction.find_first_not_of("0123456789") != Text::npos) {
        throw NotANumber("a fraction that is not made of digits");
    }
    return fraction;
}

FixedPoint alignFractions(const Text& a, const Text& b) {
    if (!DecimalYN(a) && !DecimalYN(b)) {
        return {a, b, 0};
    }
    std::int32_t la = 0;
    std::int32_t lb = 0;
    const Text integerA = integerPart(a, la);
    const Text integerB = integerPart(b, lb);
    Text fa = la > 0 ? fractionDigits(a) : Text();
    Text fb = lb > 0 ? fractionDigits(b) : Text();
    const std::int32_t digits = std::max(la, lb);
    fa.append(static_cast<std::size_t>(digits - la), '0');
    fb.append(static_cast<std::size_t>(digits - lb), '0');
    if (digits == 0) {
        return {a, b, 0};
    }
    return {integerA + fa, integerB + fb, digits};
}

// Puts the point back into an integer result that stands for the true result
// times ten to the power `digits`: -5 with 2 digits gives "-.05", which Verif
// later shows as "-0.05".
Text placePoint(Text r, std::int32_t digits) {
    const bool negative = detail::takeMinus(r);
    const auto fraction = static_cast<std::size_t>(digits);
    if (r.size() < fraction) {
        r.insert(0, fraction - r.size(), '0');
    }
    const std::size_t integerLength = r.size() - fraction;
    return (negative ? "-" : "") + r.substr(0, integerLength) + "." + r.substr(integerLength);
}

// The characters of a number text from its first significant digit, its
// point not counted: the length of the value that a number text writes.
std::size_t significantDigits(const Text& number) {
    const auto first = number.find_first_of("123456789");
    if (first == Text::npos) {
        return 0;
    }
    return number.size() - first - (number.find('.', first) == Text::npos ? 0 : 1);
}

// Throws NotANumber naming the flaws of both operands in their signed form.
[[noreturn]] void refuseSignedOperands(const Outcome& outcome) {
    detail::refuseOperands({detail::characterFlaw(*outcome.a, NumberForm::Signed, Operand::A),
                            detail::characterFlaw(*outcome.b, NumberForm::Signed, Operand::B)});
}

// Refuses, before any digit work, a result that could be longer than the
// engine's longest: operands that are no numbers are refused as such first.
void requireShortEnough(std::size_t longestResult, const Outcome& outcome) {
    if (longestResult <= static_cast<std::size_t>(MaxResultDigits)) {
        return;
    }
    if (detail::characterFlaw(*outcome.a, NumberForm::Signed, Operand::A) ||
        detail::characterFlaw(*outcome.b, NumberForm::Signed, Operand::B)) {
        refuseSignedOperands(outcome);
    }
    throw OutOfRange("the result could be longer than the longest result");
}

// Fills the operands as the window writes them back, then runs `steps` on
// them; a NotANumber comes out naming the flaws of the operands.
template <class Steps> void onOperands(Text a, Text b, Outcome& outcome, Steps&& steps) {
    outcome.a = detail::verified(operandText(std::move(a)));
    outcome.b = detail::verified(operandText(std::move(b)));
    try {
        outcome.result = steps(*outcome.a, *outcome.b);
    } catch (const NotANumber&) {
        refuseSignedOperands(outcome);
    }
}

using Kernel = Text (*)(Text&, Text&);

// The sum or difference of the two operands on the fixed-point frame, with
// the steps of Plusplus or Moinsmoins on the aligned texts, which nothing
// reads afterwards. It has at most one digit more than the longer operand,
// or than its fraction.
void fixedPointOperation(Text a, Text b, Outcome& outcome, Kernel kernel) {
    onOperands(std::move(a), std::move(b), outcome, [&](const Text& x, const Text& y) {
        FixedPoint operands = alignFractions(x, y);
        requireShortEnough(std::max({significantDigits(operands.a), significantDigits(operands.b),
                                     static_cast<std::size_t>(operands.digits)}) +
                               1,
                           outcome);
        Text r = kernel(operands.a, operands.b);
        if (operands.digits > 0) {
            r = placePoint(r, operands.digits);
        }
        return detail::verified(std::move(r));
    });
}

} // namespace

void sum(Text a, Text b, Outcome& outcome) {
    fixedPointOperation(std::move(a), std::move(b), outcome, &detail::plusplusSteps);
}

void difference(Text a, Text b, Outcome& outcome) {
    fixedPointOperation(std::move(a), std::move(b), outcome, &detail::moinsmoinsSteps);
}

// A product has at most as many digits as its operands together, or one more
// than its fraction ("0." and the fraction).
void product(Text a, Text b, Outcome& outcome) {
    onOperands(std::move(a), std::move(b), outcome, [&](const Text& x, const Text& y) {
        const auto fractions =
            static_cast<std::size_t>(Analysesort(x)) + static_cast<std::size_t>(Analysesort(y));
        requireShortEnough(std::max(significantDigits(x) + significantDigits(y), fractions + 1),
                           outcome);
        Text workA = x;
        Text workB = y;
        return detail::verified(detail::mulmulSteps(workA, workB));
    });
}

void quotient(Text a, Text b, std::int32_t precision, Outcome& outcome) {
    onOperands(std::move(a), std::move(b), outcome, [&](const Text& x, const Text& y) {
        FixedPoint operands = alignFractions(x, y);
        outcome.precision = precision;
        Text raw = detail::divdivSteps(operands.a, operands.b, *outcome.precision);
        // A raw quotient can open with a "0" before its first digit (02.50);
        // the normal form keeps it, so drop it here.
        return detail::verified(Paszerodebut(Zeronettoyage(raw)));
    });
}

} // namespace engine::operations
