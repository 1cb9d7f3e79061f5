// SPDX-License-Identifier: GPL-3.0-or-later
// Signed integer addition and subtraction. Both procedures normalise their
// operands, take the zero forms, and then decide from the two signs, in the
// one table below, whether the magnitudes are added or the smaller is taken
// from the larger; the digit work is done on limbs by the magnitude kernels.
#include "engine/digits.h"
#include "engine/engine.h"
#include "engine/limbs/magnitude.h"
#include "engine/operand_grammar.h"
#include "engine/procedure_steps.h"

#include <algorithm>

namespace engine {

namespace {

using detail::isZeroForm;
using detail::startsWithMinus;
using View = std::string_view;

// The digits of x + y for two digit texts, as long as the longer of them
// (one more for a final carry), "-" first when `negative`: leading zeros of
// the operands stay ("007" + "3" gives "010").
Text sumOfDigits(View x, View y, bool negative) {
    limbs::Magnitude first = limbs::toMagnitude(x);
    limbs::Magnitude second = limbs::toMagnitude(y);
    if (first.size() < second.size()) {
        std::swap(first, second);
    }
    const limbs::Magnitude sum = limbs::add(std::move(first), second);
    return detail::signedDigits(negative, sum, std::max(x.size(), y.size()));
}

// x + y for two natural texts, each normalised first, "-" first when
// `negative`; a zero x gives y as it stands.
Text addNaturals(View& x, View& y, bool negative) {
    x = detail::normalForm(x);
    y = detail::normalForm(y);
    if (isZeroForm(x)) {
        return detail::withSign(negative, y);
    }
    return sumOfDigits(x, y, negative);
}

// x - y for two natural texts, each normalised first: a zero y gives x, a
// zero x gives -y; otherwise one comparison of the magnitudes, and the
// difference without leading zeros ("0" for equal ones, never "-0").
Text subtractNaturals(View& x, View& y) {
    x = detail::normalForm(x);
    y = detail::normalForm(y);
    if (isZeroForm(y)) {
        return Text(x);
    }
    if (isZeroForm(x)) {
        return detail::withSign(true, y);
    }
    limbs::Magnitude first = limbs::toMagnitude(x);
    limbs::Magnitude second = limbs::toMagnitude(y);
    const bool negative = limbs::compare(first, second) < 0;
    if (negative) {
        std::swap(first, second);
    }
    const limbs::Magnitude difference = limbs::subtract(std::move(first), second);
    return detail::signedDigits(negative, difference);
}

enum class Operation { Add, Subtract };

// The steps of Plusplus and Moinsmoins. Both operands are normalised and
// must then be signed integer texts (NotANumber otherwise). The sign table
// leaves in each view the magnitude it contributed; "-007" + "-3" keeps the
// zeros of its operand ("-010").
Text signedSum(View& ent, View& ent2, Operation operation) {
    ent = detail::normalisedOperand(ent);
    ent2 = detail::normalisedOperand(ent2);
    requireForm(ent, NumberForm::SignedDigits);
    requireForm(ent2, NumberForm::SignedDigits);
    if (operation == Operation::Add && isZeroForm(ent)) {
        return Text(ent2);
    }
    if (operation == Operation::Subtract && isZeroForm(ent2)) {
        return Text(ent);
    }
    if (operation == Operation::Subtract && isZeroForm(ent)) {
        return startsWithMinus(ent2) ? Text(ent2.substr(1)) : detail::withSign(true, ent2);
    }
    const bool firstNegative = detail::takeMinus(ent);
    const bool secondNegative = detail::takeMinus(ent2);
    if (operation == Operation::Add) {
        if (firstNegative == secondNegative) {
            return sumOfDigits(ent, ent2, firstNegative);
        }
        return firstNegative ? subtractNaturals(ent2, ent) : subtractNaturals(ent, ent2);
    }
    if (firstNegative == secondNegative) {
        // -a - -b is b - a: the operands swap their magnitudes.
        if (firstNegative) {
            std::swap(ent, ent2);
        }
        return subtractNaturals(ent, ent2);
    }
    return firstNegative ? addNaturals(ent, ent2, true) : addNaturals(ent2, ent, false);
}

} // namespace

Text detail::plusplusSteps(WorkOperands& operands) {
    Text sum = signedSum(operands.first, operands.second, Operation::Add);
    makeZeroIfBare(sum);
    return sum;
}

Text detail::moinsmoinsSteps(WorkOperands& operands) {
    Text difference = signedSum(operands.first, operands.second, Operation::Subtract);
    makeZeroIfBare(difference);
    return difference;
}

Text Plusplus(Text& ent, Text& ent2) {
    return detail::onArguments(ent, ent2, detail::plusplusSteps);
}

Text Moinsmoins(Text& ent, Text& ent2) {
    return detail::onArguments(ent, ent2, detail::moinsmoinsSteps);
}

} // namespace engine
