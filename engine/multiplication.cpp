// SPDX-License-Identifier: GPL-3.0-or-later
// Multiplication of number texts: MulCalcul multiplies a digit string by a
// machine integer in one pass from the units; Mulmul multiplies two signed
// decimal texts on limbs and places sign and point.
#include "engine/digits.h"
#include "engine/engine.h"
#include "engine/limbs/magnitude.h"
#include "engine/operand_grammar.h"
#include "engine/procedure_steps.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace engine {

namespace {

// The product of two digit texts (leading zeros allowed), without leading
// zeros: "0" for a zero product; "-" first when `negative`. Equal operands
// are squared. The operands' limbs are given up before the text is written.
Text productOfDigits(std::string_view a, std::string_view b, bool negative) {
    limbs::Magnitude product;
    {
        const limbs::Magnitude x = limbs::toMagnitude(a);
        const limbs::Magnitude y = limbs::toMagnitude(b);
        product = x == y ? limbs::square(x) : limbs::multiply(x, y);
    }
    return detail::signedDigits(negative, product);
}

} // namespace

// The steps of Mulmul (see Mulmul).
Text detail::mulmulSteps(WorkOperands& operands) {
    std::string_view& ent = operands.first;
    std::string_view& ent2 = operands.second;
    const bool negative = detail::normaliseAndTakeSigns(ent, ent2);
    requireForm(ent, NumberForm::UnsignedDecimal);
    requireForm(ent2, NumberForm::UnsignedDecimal);
    if (detail::isZeroForm(ent) || detail::isZeroForm(ent2)) {
        return negative ? "-0" : "0";
    }
    std::int32_t firstDecimals = 0;
    std::int32_t secondDecimals = 0;
    detail::integerPart(ent, firstDecimals);
    detail::integerPart(ent2, secondDecimals);
    const std::int32_t total = detail::checkedAdd(firstDecimals, secondDecimals);
    if (total == 0) {
        // The usual product, of two integers: its text made once, sign and all.
        return productOfDigits(ent, ent2, negative);
    }
    ent = detail::withoutPoints(ent, operands.made[0]);
    ent2 = detail::withoutPoints(ent2, operands.made[1]);
    Text product = detail::withPoint(productOfDigits(ent, ent2, false),
                                     static_cast<std::size_t>(total), negative);
    // A fraction of zeros goes with its point.
    std::string_view whole = product;
    std::int32_t fraction = 0;
    detail::integerPart(whole, fraction);
    product.resize(whole.size());
    return product;
}

Text ResuPartiel(const Text& ires, Text& iret) {
    iret = ires.size() >= 2 ? ires.substr(0, ires.size() - 1) : Text();
    return ires.empty() ? Text() : ires.substr(ires.size() - 1);
}

// One pass from the units: each digit times the multiplier's magnitude plus
// the carry gives a digit and the next carry. Every position of `ent` is kept
// (leading zeros stay; a zero multiplier gives as many "0" as there are
// digits). The sign is "-" when exactly one of ent and lk is negative and the
// result is not "0". A "-" before a zero multiplier is dropped too.
Text MulCalcul(Text& ent, const std::int32_t& lk) {
    std::string_view digits = ent;
    const bool entNegative = digits.starts_with('-');
    if (entNegative) {
        digits.remove_prefix(1);
    }
    if (lk == std::numeric_limits<std::int32_t>::min()) {
        throw OutOfRange("multiplier beyond the 32-bit range once made positive");
    }
    const std::int64_t k = lk < 0 ? -std::int64_t{lk} : lk;
    const bool negative = (entNegative && lk > 0) || (!entNegative && lk < 0);

    // The carry always stays below k, so a step reaches at most 10k - 1.
    constexpr std::int64_t kStepLimit = std::numeric_limits<std::int32_t>::max();
    Text result(digits.size(), '0');
    std::int64_t carry = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
        const std::int64_t step = detail::digitValue(digits[i]) * k + carry;
        if (step > kStepLimit) {
            throw OutOfRange("a digit step leaves the 32-bit range");
        }
        result[i] = static_cast<char>('0' + step % 10);
        carry = step / 10;
    }
    if (carry > 0) {
        result.insert(0, std::to_string(carry));
    }
    if (negative && !result.empty() && result != "0") {
        result.insert(0, 1, '-');
    }
    return result;
}

// The product of two signed decimal texts. The integer part has no leading
// zeros; a value below 1 starts with "0."; the fraction keeps its trailing
// zeros unless all of its digits are zeros, and then it goes with the point.
// A zero product is "0", or "-0" when exactly one operand was negative.
// Both arguments are left in their normal form without "-" and, when the
// product was not zero and had decimals, without their point.
Text Mulmul(Text& ent, Text& ent2) {
    return detail::onArguments(ent, ent2, detail::mulmulSteps);
}

} // namespace engine
