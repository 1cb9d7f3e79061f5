// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on whole numbers: a to the power b, b !, A(a, b) and the sum of
// the result's digits each raised to the power b. The first three answer an
// operand with a point or a "-" with "Opération interdite".
#include "engine/characters.h"
#include "engine/command_frame.h"
#include "engine/digits.h"
#include "engine/memory_estimate.h"
#include "engine/operand_grammar.h"

#include <initializer_list>

namespace engine::operations {

namespace {

// Whether a power of `base` to `exponent` is short enough to be computed;
// a longer one is refused as such by the procedures, not for its memory.
bool powerWithinLongest(std::string_view base, std::int64_t exponent) {
    return memory::powerDigits(base, exponent) - 1 <= static_cast<std::uint64_t>(MaxResultDigits);
}

// "Opération interdite" when one of `operands` (trimmed) is forbidden.
bool answeredAsForbidden(std::initializer_list<const Text*> operands, Outcome& outcome) {
    for (const Text* operand : operands) {
        if (isForbiddenOperand(*operand)) {
            outcome.result = ForbiddenOperation;
            return true;
        }
    }
    return false;
}

} // namespace

Outcome power(Text a, Text b, const Resources& resources) {
    Outcome outcome;
    Text base = trimmedOperand(a);
    const Text exponent = trimmedOperand(b);
    if (answeredAsForbidden({&base, &exponent}, outcome)) {
        return outcome;
    }
    if (auto flaws = detail::refusalOfFlaws(
            {naturalOperandFlaw(a, Operand::A, false), naturalOperandFlaw(b, Operand::B, true)})) {
        outcome.result = *flaws;
        return outcome;
    }
    detail::settle(outcome, [&] {
        const std::int32_t e = *toInt32(exponent);
        if (powerWithinLongest(base, e)) {
            detail::requireMemory(memory::powerBytes(base, e, resources.callerBytesPerDigit),
                                  resources);
        }
        return PuisCalcul(base, e);
    });
    return outcome;
}

Outcome factorial(Text bField, const Resources& resources) {
    Outcome outcome;
    const Text b = trimmedOperand(bField);
    if (answeredAsForbidden({&b}, outcome)) {
        return outcome;
    }
    if (utf8CharacterCount(b) >= FactorialRefusedLength) {
        outcome.result = FactorialTooLarge;
        return outcome;
    }
    if (auto flaws = detail::refusalOfFlaws({naturalOperandFlaw(bField, Operand::B, true)})) {
        outcome.result = *flaws;
        return outcome;
    }
    detail::settle(outcome, [&] {
        const std::int32_t n = *toInt32(b);
        detail::requireMemory(memory::factorialBytes(n, resources.callerBytesPerDigit), resources);
        return engine::factorial(n);
    });
    return outcome;
}

AckermannOutcome ackermann(Text aField, Text bField, const Resources& resources) {
    AckermannOutcome outcome;
    Text a = trimmedOperand(aField);
    Text b = trimmedOperand(bField);
    if (answeredAsForbidden({&a, &b}, outcome)) {
        return outcome;
    }
    const auto aFlaw = naturalOperandFlaw(aField, Operand::A, false);
    const auto value = toInt32(a);
    if (!aFlaw && !value) {
        // A(a, b) for an a beyond 32 bits is beyond any memory.
        outcome.result = Refusal{Refusal::Kind::OutOfRange, {}};
        return outcome;
    }
    if (auto flaws =
            detail::refusalOfFlaws({aFlaw, naturalOperandFlaw(bField, Operand::B, false)})) {
        outcome.result = *flaws;
        return outcome;
    }
    outcome.closedForm = *value < FirstRecursiveAckermannA;
    detail::settle(outcome, [&] {
        // A(3, b) and A(4, b) too long are refused as such by the closed forms.
        const auto exponent = toInt32(b);
        const bool withinLongest =
            (*value != 3 || (exponent && powerWithinLongest("2", std::int64_t{*exponent} + 3))) &&
            (*value != 4 || (exponent && *exponent <= 2));
        if (withinLongest) {
            detail::requireMemory(memory::ackermannBytes(*value, b, resources.callerBytesPerDigit),
                                  resources);
        }
        return outcome.closedForm ? AckerSimple(a, b) : ackerman(a, b);
    });
    return outcome;
}

Outcome digitPowerSum(Text resultField, Text bField, const Resources& resources) {
    Outcome outcome;
    const Text b = trimmedOperand(bField);
    // The sum of negative powers of the digits is no whole number.
    if (const auto exponent = toInt32(b); exponent && *exponent < 0) {
        outcome.result =
            Refusal{Refusal::Kind::NotANumber, {{Operand::B, OperandFlaw::Kind::Negative, 0, {}}}};
        return outcome;
    }
    const Text result = trimmedOperand(resultField);
    // The zero forms sum to "0" whatever b holds.
    if (result.empty() || result == "0" || result == "-" || result == "-0") {
        outcome.result = Text("0");
        return outcome;
    }
    // Read as the sum reads them: the result's first character, then b,
    // then the rest of the result; the box names the first that fails.
    const auto resultFlaw = operandFlaw(resultField, NumberForm::Digits, Operand::Result);
    const auto bFlaw = naturalOperandFlaw(bField, Operand::B, true);
    const bool opensWithDigit = engine::detail::isDigit(result.front());
    if (auto flaws = detail::refusalOfFlaws({opensWithDigit ? bFlaw : resultFlaw})) {
        outcome.result = *flaws;
        return outcome;
    }
    if (auto flaws = detail::refusalOfFlaws({resultFlaw})) {
        outcome.result = *flaws;
        return outcome;
    }
    detail::settle(outcome, [&] {
        // A digit whose power is too long is refused as such by the sum.
        const std::int32_t exponent = *toInt32(b);
        if (powerWithinLongest("9", exponent)) {
            detail::requireMemory(
                memory::digitPowerSumBytes(result.size(), exponent, resources.callerBytesPerDigit),
                resources);
        }
        return sommepuis(result, b);
    });
    return outcome;
}

} // namespace engine::operations
