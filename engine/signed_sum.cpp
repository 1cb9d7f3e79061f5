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

// The digits of x + y for two digit texts, as long as the longer of them
// (one more for a final carry): leading zeros of the operands stay ("007" +
// "3" gives "010").
Text sumOfDigits(const Text& x, const Text& y) {
    const limbs::Magnitude sum = limbs::add(limbs::toMagnitude(x), limbs::toMagnitude(y));
    return limbs::toDigits(sum, std::max(x.size(), y.size()));
}

// x + y for two natural texts, each normalised in place first; a zero x
// gives y as it stands.
Text addNaturals(Text& x, Text& y) {
    x = Zeronettoyage(x);
    y = Zeronettoyage(y);
    if (isZeroForm(x)) {
        return y;
    }
    return sumOfDigits(x, y);
}

// x - y for two natural texts, each normalised in place first: a zero y gives
// x, a zero x gives -y; otherwise one comparison of the magnitudes, and the
// difference without leading zeros ("0" for equal ones, never "-0").
Text subtractNaturals(Text& x, Text& y) {
    x = Zeronettoyage(x);
    y = Zeronettoyage(y);
    if (isZeroForm(y)) {
        return x;
    }
    if (isZeroForm(x)) {
        return "-" + y;
    }
    const limbs::Magnitude first = limbs::toMagnitude(x);
    const limbs::Magnitude second = limbs::toMagnitude(y);
    if (limbs::compare(first, second) < 0) {
        return "-" + limbs::toDigits(limbs::subtract(second, first));
    }
    return limbs::toDigits(limbs::subtract(first, second));
}

enum class Operation { Add, Subtract };

// The steps of Plusplus and Moinsmoins on their own two variables. Both are
// normalised in place and must then be signed integer texts (NotANumber
// otherwise). The sign table leaves in each variable the magnitude it
// contributed; "-007" + "-3" keeps the zeros of its operand ("-010").
Text signedSum(Text& ent, Text& ent2, Operation operation) {
    ent = detail::normalisedOperand(ent);
    ent2 = detail::normalisedOperand(ent2);
    requireForm(ent, NumberForm::SignedDigits);
    requireForm(ent2, NumberForm::SignedDigits);
    if (operation == Operation::Add && isZeroForm(ent)) {
        return ent2;
    }
    if (operation == Operation::Subtract && isZeroForm(ent2)) {
        return ent;
    }
    if (operation == Operation::Subtract && isZeroForm(ent)) {
        return startsWithMinus(ent2) ? ent2.substr(1) : "-" + ent2;
    }
    const bool firstNegative = detail::takeMinus(ent);
    const bool secondNegative = detail::takeMinus(ent2);
    if (operation == Operation::Add) {
        if (firstNegative == secondNegative) {
            const Text sum = sumOfDigits(ent, ent2);
            return firstNegative ? "-" + sum : sum;
        }
        return firstNegative ? subtractNaturals(ent2, ent) : subtractNaturals(ent, ent2);
    }
    if (firstNegative == secondNegative) {
        // -a - -b is b - a: the variables swap their magnitudes.
        if (firstNegative) {
            std::swap(ent, ent2);
        }
        return subtractNaturals(ent, ent2);
    }
    return firstNegative ? "-" + addNaturals(ent, ent2) : addNaturals(ent2, ent);
}

} // namespace

Text detail::plusplusSteps(Text& ent, Text& ent2) {
    Text sum = signedSum(ent, ent2, Operation::Add);
    makeZeroIfBare(sum);
    return sum;
}

Text detail::moinsmoinsSteps(Text& ent, Text& ent2) {
    Text difference = signedSum(ent, ent2, Operation::Subtract);
    makeZeroIfBare(difference);
    return difference;
}

Text Plusplus(Text& ent, Text& ent2) {
    return detail::onCopies(ent, ent2, detail::plusplusSteps);
}

Text Moinsmoins(Text& ent, Text& ent2) {
    return detail::onCopies(ent, ent2, detail::moinsmoinsSteps);
}

} // namespace engine
