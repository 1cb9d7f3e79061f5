// SPDX-License-Identifier: GPL-3.0-or-later
// Each command's peak as the larger of its phases: the digit work (the limbs
// of the operands and of the result, and what the kernel holds beside them:
// multiplyBytes and squareBytes of multiply.h count the transforms'
// buffers), and the text work after it (the result's text, and the copy
// that placing a point makes of it). The operands' texts are held
// throughout, as the command took them; the steps read them in place, and
// copy them only to line up fractions or to take a product's points out.
#include "engine/memory_estimate.h"

#include "engine/engine.h"

#include "engine/limbs/divide.h"
#include "engine/limbs/magnitude.h"
#include "engine/limbs/multiply.h"

#include <algorithm>
#include <cmath>

namespace engine::memory {

namespace {

using limbs::kLimbDigits;

// What any computation holds, however short: small vectors and texts, and
// the tables of the transforms' short stages.
constexpr Bytes kSmallWork = Bytes{1} << 20;
// What a computation in one pass over the digits holds beside its texts:
// the pieces that it hands to the threads.
constexpr Bytes kOnePassWork = Bytes{64} << 10;

Bytes limbsOf(std::uint64_t digits) {
    return (digits + kLimbDigits - 1) / kLimbDigits;
}

// The bytes of the limbs of a number of `digits` digits.
Bytes limbBytes(std::uint64_t digits) {
    return sizeof(limbs::Limb) * limbsOf(digits);
}

Bytes callerShare(std::uint64_t resultDigits, double callerBytesPerDigit) {
    return static_cast<Bytes>(std::ceil(callerBytesPerDigit * static_cast<double>(resultDigits)));
}

// A power of `digits` digits by binary powering: its last squaring holds
// the power before it and the square's buffers; then the limbs and the text.
Bytes raisingBytes(std::uint64_t digits) {
    const std::size_t limbs = limbsOf(digits);
    const std::size_t half = limbs / 2 + 1;
    const Bytes squaring = sizeof(limbs::Limb) * 2 * half + limbs::squareBytes(half);
    const Bytes writing = limbBytes(digits) + digits;
    return std::max(squaring, writing);
}

// The lengths of two operands once their fractions are lined up: each takes
// the longer fraction.
struct Aligned {
    std::uint64_t a;
    std::uint64_t b;
};

// Whether the operands are copied to line up their fractions: when one of
// them has a point.
bool linedUp(std::string_view a, std::string_view b) {
    return a.find('.') != std::string_view::npos || b.find('.') != std::string_view::npos;
}

Aligned aligned(std::string_view a, std::string_view b) {
    const auto fraction = [](std::string_view text) {
        const std::size_t point = text.find('.');
        return point == std::string_view::npos ? 0 : text.size() - point - 1;
    };
    const std::uint64_t longer = std::max(fraction(a), fraction(b));
    return {a.size() - fraction(a) + longer, b.size() - fraction(b) + longer};
}

// The working memory of a division of `numeratorDigits` by `divisorDigits`
// digits, the limbs of the numerator, the divisor and the quotient
// included: long division keeps the remainder as 64-bit columns; the
// divide-and-conquer division and Newton's reciprocal hold products of up
// to twice the divisor's length by its length, and a few vectors as long.
Bytes divisionBytes(std::uint64_t numeratorDigits, std::uint64_t divisorDigits) {
    const std::size_t numerator = limbsOf(numeratorDigits);
    const std::size_t divisor = limbsOf(divisorDigits);
    const std::size_t quotient = numerator + 1 - std::min(numerator, divisor);
    const Bytes limbs = sizeof(limbs::Limb) * (numerator + quotient + divisor);
    if (limbs::divisionKernelFor(quotient, divisor) == limbs::DivisionKernel::Schoolbook) {
        return limbs + sizeof(std::int64_t) * numerator + sizeof(limbs::Limb) * quotient;
    }
    return limbs + sizeof(limbs::Limb) * 8 * divisor +
           limbs::multiplyBytes(2 * divisor + 8, divisor + 8);
}

} // namespace

std::uint64_t powerDigits(std::string_view base, std::int64_t exponent) {
    base.remove_prefix(std::min(base.find_first_not_of("+0 "), base.size()));
    const std::size_t digits = std::min(base.find_first_not_of("0123456789"), base.size());
    if (digits == 0 || exponent <= 0) {
        return 1;
    }
    constexpr std::size_t kLeading = 18;
    const std::size_t taken = std::min(digits, kLeading);
    double leading = 0;
    for (std::size_t i = 0; i < taken; ++i) {
        leading = leading * 10 + (base[i] - '0');
    }
    const double log10Base = std::log10(leading) + static_cast<double>(digits - taken);
    return static_cast<std::uint64_t>(std::floor(log10Base * static_cast<double>(exponent))) + 2;
}

Bytes sumBytes(std::string_view a, std::string_view b, double callerBytesPerDigit) {
    const auto [aLength, bLength] = aligned(a, b);
    const std::uint64_t result = std::max(aLength, bLength) + 1;
    const Bytes digitWork = limbBytes(aLength) + limbBytes(bLength) + limbBytes(result);
    // The operands as taken and lined up; the result, and its copy with a point.
    const Bytes texts = linedUp(a, b) ? a.size() + b.size() + aLength + bLength + 2 * result
                                      : a.size() + b.size() + result;
    return texts + digitWork + kSmallWork + callerShare(result, callerBytesPerDigit);
}

Bytes productBytes(std::uint64_t aLength, std::uint64_t bLength, double callerBytesPerDigit) {
    const std::uint64_t result = aLength + bLength;
    const Bytes digitWork = limbBytes(aLength) + limbBytes(bLength) +
                            limbs::multiplyBytes(limbsOf(aLength), limbsOf(bLength));
    const Bytes textWork = 2 * result + limbBytes(result);
    // As taken, and without their points.
    const Bytes operands = 2 * (aLength + bLength);
    return operands + std::max(digitWork, textWork) + kSmallWork +
           callerShare(result, callerBytesPerDigit);
}

Bytes quotientBytes(std::string_view a, std::string_view b, std::int32_t precision,
                    double callerBytesPerDigit) {
    const auto [aLength, bLength] = aligned(a, b);
    const auto places = static_cast<std::uint64_t>(std::max(precision, engine::LeastPrecision));
    const std::uint64_t result = aLength + places + 2;
    // As taken and, when a point is found, lined up.
    const Bytes operands = a.size() + b.size() + (linedUp(a, b) ? aLength + bLength : 0);
    const Bytes callerBytes = callerShare(result, callerBytesPerDigit);
    if (bLength <= kLimbDigits) {
        // The quotient by one limb, written straight into its text.
        return operands + result + kOnePassWork + callerBytes;
    }
    // The raw quotient's text is made once the division has given back its
    // work, and written from the quotient's limbs beside the remainder's.
    const Bytes textWork = result + limbBytes(result) + limbBytes(bLength);
    return operands + std::max(divisionBytes(aLength + places, bLength), textWork) + kSmallWork +
           callerBytes;
}

Bytes powerBytes(std::string_view base, std::int64_t exponent, double callerBytesPerDigit) {
    const std::uint64_t result = powerDigits(base, exponent);
    return 3 * base.size() + raisingBytes(result) + kSmallWork +
           callerShare(result, callerBytesPerDigit);
}

Bytes factorialBytes(std::int32_t n, double callerBytesPerDigit) {
    const double digits = n < 2 ? 1 : std::lgamma(n + 1.0) / std::log(10.0) + 1;
    const auto result = static_cast<std::uint64_t>(digits);
    // The last step squares the product so far, about half the result, and
    // multiplies it by a product of primes in the same transform.
    const std::size_t half = limbsOf(result) / 2 + 1;
    const Bytes squaring = sizeof(limbs::Limb) * 3 * half + limbs::multiplyBytes(half, half);
    return std::max(squaring, limbBytes(result) + result) + kSmallWork +
           callerShare(result, callerBytesPerDigit);
}

Bytes ackermannBytes(std::int32_t a, std::string_view b, double callerBytesPerDigit) {
    switch (a) {
    case 0:
    case 1:
        return sumBytes(b, "1", callerBytesPerDigit);
    case 2:
        return productBytes(b.size(), 1, callerBytesPerDigit) +
               sumBytes(b, "1", callerBytesPerDigit) + b.size() + 1;
    case 3: {
        // 2^(b + 3) - 3: the power, then three taken from its limbs.
        b.remove_prefix(std::min(b.find_first_not_of("+ "), b.size()));
        double value = 0;
        for (std::size_t i = 0; i < b.size() && b[i] >= '0' && b[i] <= '9'; ++i) {
            value = value * 10 + (b[i] - '0');
        }
        const double exponent = value + 3;
        const auto power = static_cast<std::int64_t>(std::min(exponent, 4e9));
        const std::uint64_t result = powerDigits("2", power);
        return powerBytes("2", power, callerBytesPerDigit) + limbBytes(result);
    }
    default:
        // A(4, 2) = 2^65536 - 3 is the longest value of a closed form from 4
        // on that is not refused, and the recursion reaches no other.
        return powerBytes("2", 65536, callerBytesPerDigit) + kSmallWork;
    }
}

Bytes digitPowerSumBytes(std::uint64_t digitsLength, std::int32_t exponent,
                         double callerBytesPerDigit) {
    // The power of 9 is the longest, times a count of up to digitsLength.
    const std::uint64_t power = powerDigits("9", std::max(exponent, 1));
    const std::uint64_t result = power + 21;
    return 2 * digitsLength + raisingBytes(power) + 3 * limbBytes(result) + result + kSmallWork +
           callerShare(result, callerBytesPerDigit);
}

} // namespace engine::memory
