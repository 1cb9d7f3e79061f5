// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on whole numbers: a to the power b, b !, A(a, b) and the sum of
// the result's digits each raised to the power b. The first three refuse an
// operand with a point or a "-" by writing "Opération interdite".
#include "engine/characters.h"
#include "engine/digits.h"
#include "engine/operand_flaws.h"
#include "engine/operations.h"

#include <initializer_list>

namespace engine::operations {

namespace {

using detail::naturalNumberFlaw;

// A factorial argument written with this many characters or more is refused,
// whatever its value: 9999 is the largest computed.
constexpr std::size_t kFactorialRefusedLength = 5;

// Below this value of a, A(a, b) has a closed form; from it on, the recursion runs.
constexpr std::int32_t kFirstRecursiveA = 5;

// True for an operand that the power, factorial and Ackermann commands refuse:
// one that holds a point, or whose first character other than a blank is "-"
// (" -5" is as negative as "-5").
bool isForbidden(const Text& operand) {
    const auto firstNonBlank = operand.find_first_not_of(" \t");
    return DecimalYN(operand) || (firstNonBlank != Text::npos && operand[firstNonBlank] == '-');
}

// True for a text of digits only, with one "+" before them at most.
bool isNaturalNumber(const Text& text) {
    const std::size_t first = text.starts_with('+') ? 1 : 0;
    return text.size() > first && text.find_first_not_of("0123456789", first) == Text::npos;
}

// The operand as a 32-bit integer; NotANumber when it is not one.
std::int32_t integerOperand(const Text& operand) {
    const auto value = toInt32(operand);
    if (!value) {
        throw NotANumber("an operand is not a 32-bit integer");
    }
    return *value;
}

// Writes "Opération interdite" when one of `operands` is forbidden.
bool refusedAsForbidden(std::initializer_list<const Text*> operands, Outcome& outcome) {
    for (const Text* operand : operands) {
        if (isForbidden(*operand)) {
            outcome.result = ForbiddenOperation;
            outcome.forbidden = true;
            return true;
        }
    }
    return false;
}

// Runs `steps` on the trimmed operands unless one is forbidden; a NotANumber
// comes out naming the flaws of both as natural numbers, b's within 32 bits
// when `bWithin32Bits`.
template <class Steps>
void onNaturalNumbers(const Text& aField, const Text& bField, bool bWithin32Bits, Outcome& outcome,
                      Steps&& steps) {
    const Text a = operandText(aField);
    const Text b = operandText(bField);
    if (refusedAsForbidden({&a, &b}, outcome)) {
        return;
    }
    try {
        outcome.result = steps(a, b);
    } catch (const NotANumber&) {
        detail::refuseOperands({naturalNumberFlaw(aField, Operand::A, false),
                                naturalNumberFlaw(bField, Operand::B, bWithin32Bits)});
    }
}

} // namespace

void power(Text a, Text b, Outcome& outcome) {
    onNaturalNumbers(a, b, true, outcome, [](const Text& x, const Text& y) {
        const std::int32_t exponent = integerOperand(y);
        Text base = x;
        return PuisCalcul(base, exponent);
    });
}

void factorial(const Text& bField, Outcome& outcome) {
    const Text b = operandText(bField);
    if (refusedAsForbidden({&b}, outcome)) {
        return;
    }
    if (utf8CharacterCount(b) >= kFactorialRefusedLength) {
        outcome.result = FactorialTooLarge;
        return;
    }
    const auto n = toInt32(b);
    if (!n) {
        detail::refuseOperands({naturalNumberFlaw(bField, Operand::B, true)});
    }
    outcome.result = engine::factorial(*n);
}

void ackermann(Text a, Text b, Outcome& outcome) {
    onNaturalNumbers(a, b, false, outcome, [&](const Text& x, const Text& y) {
        if (!toInt32(x) && isNaturalNumber(x)) {
            // A(a, b) for an a beyond 32 bits is beyond any memory.
            throw OutOfRange("a is beyond the 32-bit range");
        }
        const bool closedForm = integerOperand(x) < kFirstRecursiveA;
        Text m = x;
        Text n = y;
        Text value = closedForm ? AckerSimple(m, n) : ackerman(m, n);
        outcome.closedForm = closedForm;
        return value;
    });
}

void digitPowerSum(const Text& resultField, const Text& bField, Outcome& outcome) {
    const Text result = operandText(resultField);
    const Text b = operandText(bField);
    // The sum of negative powers of the digits is no whole number.
    if (const auto exponent = toInt32(b); exponent && *exponent < 0) {
        throw NotANumber("b is negative", {{Operand::B, OperandFlaw::Kind::Negative, 0, {}}});
    }
    try {
        outcome.result = sommepuis(result, b);
    } catch (const NotANumber&) {
        detail::refuseOperands(
            {detail::characterFlaw(resultField, detail::NumberForm::Digits, Operand::Result)});
    } catch (const OutOfRange&) {
        // Either b is not an integer, which is said as such, or the power is too large.
        if (!toInt32(b)) {
            detail::refuseOperands({naturalNumberFlaw(bField, Operand::B, true)});
        }
        throw;
    }
}

} // namespace engine::operations
