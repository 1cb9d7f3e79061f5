// SPDX-License-Identifier: GPL-3.0-or-later
// a + b, a - b, a * b and a / b on signed decimal texts. The sum, the
// difference and the quotient line up the two fractions, work on the integers
// that this gives, and put the point back; the product places its own point.
#include "engine/command_frame.h"
#include "engine/digits.h"
#include "engine/memory_estimate.h"
#include "engine/operand_grammar.h"
#include "engine/procedure_steps.h"

#include <algorithm>

namespace engine::operations {

namespace {

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

// The digits after the point of a copy of `operand` (Partdecimale).
Text digitsAfterPoint(const Text& operand) {
    Text copy = operand;
    return Partdecimale(copy);
}

// The operands must be signed decimal numbers: what follows a point is digits.
FixedPoint alignFractions(const Text& a, const Text& b) {
    if (!DecimalYN(a) && !DecimalYN(b)) {
        return {a, b, 0};
    }
    std::int32_t la = 0;
    std::int32_t lb = 0;
    const Text integerA = integerPart(a, la);
    const Text integerB = integerPart(b, lb);
    Text fa = la > 0 ? digitsAfterPoint(a) : Text();
    Text fb = lb > 0 ? digitsAfterPoint(b) : Text();
    const std::int32_t digits = std::max(la, lb);
    fa.append(static_cast<std::size_t>(digits - la), '0');
    fb.append(static_cast<std::size_t>(digits - lb), '0');
    if (digits == 0) {
        return {a, b, 0};
    }
    return {integerA + fa, integerB + fb, digits};
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

// Refuses, before any digit work, a result that could be longer than the
// engine's longest.
void requireShortEnough(std::size_t longestResult) {
    if (longestResult > static_cast<std::size_t>(MaxResultDigits)) {
        throw OutOfRange("the result could be longer than the longest result");
    }
}

// Writes the operands as the window writes them back, then, when both are
// signed decimal numbers, runs `steps` on them for the result.
template <class Steps> Outcome onSignedNumbers(Text a, Text b, Steps&& steps) {
    Outcome outcome;
    outcome.a = engine::detail::verified(trimmedOperand(std::move(a)));
    outcome.b = engine::detail::verified(trimmedOperand(std::move(b)));
    // Flaws are placed in the operands as written back, which the fields
    // show by the time the box says where they are.
    const auto flaws =
        detail::refusalOfFlaws({operandFlaw(*outcome.a, NumberForm::Signed, Operand::A),
                                operandFlaw(*outcome.b, NumberForm::Signed, Operand::B)});
    if (flaws) {
        outcome.result = *flaws;
        return outcome;
    }
    detail::settle(outcome, [&] { return steps(*outcome.a, *outcome.b, outcome); });
    return outcome;
}

using Kernel = Text (*)(Text&, Text&);

// The sum or difference of the two operands on the fixed-point frame, with
// the steps of Plusplus or Moinsmoins on the aligned texts, which nothing
// reads afterwards. It has at most one digit more than the longer operand,
// or than its fraction.
Outcome fixedPointOperation(Text a, Text b, Kernel kernel, const Resources& resources) {
    return onSignedNumbers(std::move(a), std::move(b), [&](const Text& x, const Text& y, Outcome&) {
        FixedPoint operands = alignFractions(x, y);
        requireShortEnough(std::max({significantDigits(operands.a), significantDigits(operands.b),
                                     static_cast<std::size_t>(operands.digits)}) +
                           1);
        detail::requireMemory(memory::sumBytes(x, y, resources.callerBytesPerDigit), resources);
        Text r = kernel(operands.a, operands.b);
        if (operands.digits > 0) {
            const bool negative = engine::detail::takeMinus(r);
            r = engine::detail::withPoint(r, static_cast<std::size_t>(operands.digits));
            if (negative) {
                r.insert(0, 1, '-');
            }
        }
        return engine::detail::verified(std::move(r));
    });
}

} // namespace

Outcome sum(Text a, Text b, const Resources& resources) {
    return fixedPointOperation(std::move(a), std::move(b), &engine::detail::plusplusSteps,
                               resources);
}

Outcome difference(Text a, Text b, const Resources& resources) {
    return fixedPointOperation(std::move(a), std::move(b), &engine::detail::moinsmoinsSteps,
                               resources);
}

// A product has at most as many digits as its operands together, or one more
// than its fraction ("0." and the fraction).
Outcome product(Text a, Text b, const Resources& resources) {
    return onSignedNumbers(std::move(a), std::move(b), [&](const Text& x, const Text& y, Outcome&) {
        const auto fractions =
            static_cast<std::size_t>(Analysesort(x)) + static_cast<std::size_t>(Analysesort(y));
        requireShortEnough(std::max(significantDigits(x) + significantDigits(y), fractions + 1));
        detail::requireMemory(
            memory::productBytes(x.size(), y.size(), resources.callerBytesPerDigit), resources);
        Text workA = x;
        Text workB = y;
        return engine::detail::verified(engine::detail::mulmulSteps(workA, workB));
    });
}

Outcome quotient(Text a, Text b, std::int32_t precision, const Resources& resources) {
    return onSignedNumbers(
        std::move(a), std::move(b), [&](const Text& x, const Text& y, Outcome& outcome) {
            // A precision beyond the longest result is refused as such, below.
            if (precision <= MaxResultDigits) {
                detail::requireMemory(
                    memory::quotientBytes(x, y, precision, resources.callerBytesPerDigit),
                    resources);
            }
            FixedPoint operands = alignFractions(x, y);
            outcome.precision = precision;
            Text raw = engine::detail::divdivSteps(operands.a, operands.b, *outcome.precision);
            // A raw quotient can open with a "0" before its first digit (02.50);
            // the normal form keeps it, so drop it here.
            return engine::detail::verified(Paszerodebut(Zeronettoyage(raw)));
        });
}

} // namespace engine::operations
