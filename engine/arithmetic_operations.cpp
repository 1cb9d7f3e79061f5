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

using engine::detail::WorkOperands;

// The number of fractional digits of an operand that are lined up: 0 when
// they are all zeros.
std::int32_t fractionDigits(std::string_view operand) {
    std::int32_t count = 0;
    engine::detail::integerPart(operand, count);
    return count;
}

// The operand times ten to the power `digits`, at least its number of
// fractional digits: an integer text with its sign and any leading zeros,
// made at its length at once.
Text linedUp(std::string_view operand, std::int32_t digits) {
    std::int32_t count = 0;
    const std::string_view integer = engine::detail::integerPart(operand, count);
    const std::size_t fraction = static_cast<std::size_t>(count);
    Text text;
    text.reserve(integer.size() + static_cast<std::size_t>(digits));
    text += integer;
    text += operand.substr(operand.size() - fraction);
    text.append(static_cast<std::size_t>(digits - count), '0');
    return text;
}

// Runs `steps` on the operands brought to a common number of fractional
// digits, `digits`: each is then the operand times ten to that power. When
// neither operand has a fractional digit other than "0", `digits` is 0 and
// the steps read the operands as they stand, without a copy. The operands
// must be signed decimal numbers: what follows a point is digits.
template <class Steps> Text onFixedPoint(const Text& a, const Text& b, Steps&& steps) {
    const std::int32_t digits = std::max(fractionDigits(a), fractionDigits(b));
    if (digits == 0) {
        WorkOperands operands(a, b);
        return steps(operands, digits);
    }
    const Text alignedA = linedUp(a, digits);
    const Text alignedB = linedUp(b, digits);
    WorkOperands operands(alignedA, alignedB);
    return steps(operands, digits);
}

// The characters of a number text from its first significant digit, its
// point not counted: the length of the value that a number text writes.
std::size_t significantDigits(std::string_view number) {
    const auto first = number.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    return number.size() - first - (number.find('.', first) == std::string_view::npos ? 0 : 1);
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

using Kernel = Text (*)(WorkOperands&);

// The sum or difference of the two operands on the fixed-point frame, with
// the steps of Plusplus or Moinsmoins. It has at most one digit more than
// the longer operand, or than its fraction.
Outcome fixedPointOperation(Text a, Text b, Kernel kernel, const Resources& resources) {
    return onSignedNumbers(std::move(a), std::move(b), [&](const Text& x, const Text& y, Outcome&) {
        return onFixedPoint(x, y, [&](WorkOperands& operands, std::int32_t digits) {
            requireShortEnough(
                std::max({significantDigits(operands.first), significantDigits(operands.second),
                          static_cast<std::size_t>(digits)}) +
                1);
            detail::requireMemory(memory::sumBytes(x, y, resources.callerBytesPerDigit), resources);
            Text r = kernel(operands);
            if (digits > 0) {
                std::string_view magnitude = r;
                const bool negative = engine::detail::takeMinus(magnitude);
                r = engine::detail::withPoint(magnitude, static_cast<std::size_t>(digits),
                                              negative);
            }
            return engine::detail::verified(std::move(r));
        });
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
        WorkOperands operands(x, y);
        return engine::detail::verified(engine::detail::mulmulSteps(operands));
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
            return onFixedPoint(x, y, [&](WorkOperands& operands, std::int32_t) {
                outcome.precision = precision;
                Text quotient = engine::detail::divdivSteps(operands, *outcome.precision);
                // A raw quotient can open with a "0" before its first digit
                // (02.50); the normal form keeps it, so drop it here.
                std::string_view normal = quotient;
                engine::detail::keepOnly(quotient, engine::detail::withoutZeroBeforeDigit(
                                                       engine::detail::normalForm(normal)));
                return engine::detail::verified(std::move(quotient));
            });
        });
}

} // namespace engine::operations
