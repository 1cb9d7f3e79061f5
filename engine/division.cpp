// SPDX-License-Identifier: GPL-3.0-or-later
// Division of signed integer texts. Divdiv writes the raw quotient of long
// division, truncated after the precision's digits after the point,
// never rounded; the quotient itself comes from one division on limbs.
// Quotient1chif and Quotient2chif find one quotient digit by trying the
// multiples 9, 8, ..., 1 of the divisor.
#include "engine/digits.h"
#include "engine/engine.h"
#include "engine/limbs/magnitude.h"
#include "engine/limbs/short_division.h"
#include "engine/operand_grammar.h"
#include "engine/procedure_steps.h"

#include <cstring>
#include <string>

namespace engine {

namespace {

const Text kDivisionImpossible = "Division impossible";

// ent - p for two digit texts with ent >= p; neither argument changes.
Text remainderAfter(const Text& ent, const Text& p) {
    Text minuend = ent;
    Text subtrahend = p;
    return Moinsmoins(minuend, subtrahend);
}

// The largest k whose multiple has as many digits as `ent` and does not
// exceed it, with `reste` = ent - k times the divisor; 0 when none fits.
template <class MultipleOf>
std::int16_t largestMultipleOfSameLength(const Text& ent, Text& reste, MultipleOf& multiple) {
    for (std::int16_t k = 9; k >= 1; --k) {
        const Text& p = multiple(k);
        if (p.size() == ent.size() && Compnb(ent, p)) {
            reste = remainderAfter(ent, p);
            return k;
        }
    }
    return 0;
}

// Quotient digit of a partial dividend as long as the divisor. `multiple(k)`
// gives k times the divisor. A smaller leading digit settles a quotient of 0
// at once, and the remainder is then the partial dividend itself.
template <class MultipleOf>
std::int16_t digitForEqualLength(const Text& ent, const Text& Div, Text& reste,
                                 MultipleOf&& multiple) {
    if (ent == "0") {
        return 0;
    }
    if (static_cast<unsigned char>(detail::firstChar(ent)) <
        static_cast<unsigned char>(detail::firstChar(Div))) {
        reste = ent;
        return 0;
    }
    return largestMultipleOfSameLength(ent, reste, multiple);
}

// Quotient digit of a partial dividend one digit longer than the divisor: a
// multiple of the same length when one fits, or else the largest multiple one
// digit shorter, which is always smaller.
template <class MultipleOf>
std::int16_t digitForLongerDividend(const Text& ent, Text& reste, MultipleOf&& multiple) {
    if (ent == "0") {
        return 0;
    }
    if (const std::int16_t digit = largestMultipleOfSameLength(ent, reste, multiple)) {
        return digit;
    }
    for (std::int16_t k = 9; k >= 1; --k) {
        const Text& p = multiple(k);
        if (p.size() + 1 == ent.size()) {
            reste = remainderAfter(ent, p);
            return k;
        }
    }
    return 0;
}

// Raises the precision to its floor before the first digit.
std::int32_t precisionForDigits(std::int32_t& precision) {
    if (precision < LeastPrecision) {
        precision = LeastPrecision;
    }
    return precision;
}

// The quotient of dividend * 10^precision by the divisor, written where
// `makeText()` says (see short_division.h's layout); true when it is exact.
// `makeText` makes the text that the quotient goes into: a one-limb divisor
// divides the dividend's text in one pass straight into it; a longer one
// takes the limb division first, so that the text is made only once that
// has given back its memory, and then written out.
template <class MakeText>
bool quotientDigits(std::string_view dividend, std::string_view divisor, std::size_t precision,
                    MakeText&& makeText) {
    if (divisor.size() <= limbs::kLimbDigits) {
        const limbs::Magnitude small = limbs::toMagnitude(divisor);
        return limbs::divideDigitsBySmall(dividend, precision, small.front(), makeText()) == 0;
    }
    limbs::Division division;
    {
        const limbs::Magnitude scaled =
            limbs::shiftDecimal(limbs::toMagnitude(dividend), precision);
        division = limbs::divide(scaled, limbs::toMagnitude(divisor));
    }
    const limbs::QuotientLayout layout = makeText();
    // The quotient has at most as many digits as the dividend's positions
    // from the layout's skip on; its point goes in afterwards.
    const std::size_t digits = dividend.size() + precision - layout.skip;
    const std::size_t integerDigits = layout.point - layout.skip;
    limbs::writeDigits(division.quotient, layout.out, layout.out + digits);
    if (integerDigits < digits) {
        std::memmove(layout.out + integerDigits + 1, layout.out + integerDigits,
                     digits - integerDigits);
    }
    return division.remainder.empty();
}

// Long division of two nonzero magnitudes without leading zeros, giving the
// same raw quotient as bringing the dividend's digits down one at a time:
// with n = LA - LB + 1 digits before the point (LA, LB the two lengths), the
// integer part padded to n digits (10 / 4 gives "02.50"); when the dividend
// is shorter, "0." and the LB - LA - 1 zeros that start its fraction; one
// surplus "0" when the division ends exactly (6 / 3 gives "2.0"), and no point
// at all when it already ends with the dividend's last digit (60 / 3 gives
// "20"). The fraction stops after the precision's digits, cut, not rounded.
// All of it is the quotient of dividend * 10^P by the divisor, written
// straight into the text it is returned in, after a "-" when `negative`.
Text longDivision(std::string_view dividend, std::string_view divisor, std::int32_t& precisionUsed,
                  bool negative) {
    const std::size_t sign = negative ? 1 : 0;
    if (dividend == "0") {
        // A dividend of zeros that stood behind a "-" ends at once, before the
        // precision is looked at: the first partial dividend is already zero.
        Text zero(sign, '-');
        if (dividend.size() < divisor.size()) {
            zero += "0.";
            zero.append(divisor.size() - dividend.size() - 1, '0');
        }
        return zero + "0";
    }
    const std::int32_t precision = precisionForDigits(precisionUsed);
    if (precision > MaxResultDigits) {
        throw OutOfRange("precision beyond the longest result");
    }
    const auto fractionLength = static_cast<std::size_t>(precision);
    // The quotient has a digit for each position of dividend * 10^P; those
    // before the integer part's are zeros.
    const bool shorter = dividend.size() < divisor.size();
    const std::size_t integerLength = shorter ? 1 : dividend.size() - divisor.size() + 1;
    Text text;
    const bool exact = quotientDigits(dividend, divisor, fractionLength, [&] {
        text.assign(sign + integerLength + 1 + fractionLength, '0');
        if (negative) {
            text.front() = '-';
        }
        char* const digits = text.data() + sign;
        return shorter ? limbs::QuotientLayout{digits + 2, dividend.size(),
                                               dividend.size() + fractionLength}
                       : limbs::QuotientLayout{digits, divisor.size() - 1, dividend.size()};
    });
    const std::size_t point = sign + integerLength;
    text[point] = '.';
    if (exact) {
        // Long division stops at the first digit that leaves no remainder
        // and writes one surplus "0" after it, or nothing more when that
        // digit ends the integer part.
        const std::size_t last = text.find_last_not_of('0');
        if (!shorter && last == point && text[point - 1] == '0') {
            text.resize(point);
        } else {
            text.resize(last + 1);
            text += '0';
        }
    }
    return text;
}

} // namespace

// The steps of Divdiv (see Divdiv).
Text detail::divdivSteps(WorkOperands& operands, std::int32_t& precision) {
    std::string_view& ent = operands.first;
    std::string_view& ent2 = operands.second;
    const bool negative = detail::normaliseAndTakeSigns(ent, ent2);
    requireForm(ent, NumberForm::Digits);
    requireForm(ent2, NumberForm::Digits);

    const bool dividendZero = detail::isZeroForm(ent);
    if (!dividendZero && !detail::isZeroForm(ent2)) {
        ent2 = detail::normalForm(ent2);
        ent = detail::normalForm(ent);
    }
    // A divisor of zero is refused whatever the dividend, also when its zeros
    // stood behind a "-" ("-00").
    std::string_view divisorValue = ent2;
    if (detail::isZeroForm(detail::normalForm(divisorValue))) {
        return kDivisionImpossible;
    }

    if (dividendZero) {
        return negative ? "-0" : "0";
    }
    return longDivision(ent, ent2, precision, negative);
}

// The raw quotient of two signed integer texts (see longDivision for its
// form), "-" first when exactly one operand is negative, or "Division
// impossible" for a zero divisor. Both arguments are left normalised and
// without "-". A precision below 50 is raised to 50 in `precision` itself.
Text Divdiv(Text& ent, Text& ent2, std::int32_t& precision) {
    return detail::onArguments(ent, ent2, [&](detail::WorkOperands& operands) {
        return detail::divdivSteps(operands, precision);
    });
}

std::int16_t Quotient1chif(const Text& ent, Text& Div, Text& reste) {
    Text product;
    return digitForEqualLength(ent, Div, reste, [&](std::int16_t k) -> const Text& {
        Text factor = std::to_string(k);
        product = Mulmul(Div, factor);
        return product;
    });
}

std::int16_t Quotient2chif(const Text& ent, Text& Div, Text& reste) {
    Text product;
    return digitForLongerDividend(ent, reste, [&](std::int16_t k) -> const Text& {
        Text factor = std::to_string(k);
        product = Mulmul(Div, factor);
        return product;
    });
}

std::int32_t Analysesort(const Text& sort) {
    const auto point = sort.find('.');
    return point == Text::npos ? 0 : detail::length32(sort.size() - point - 1);
}

} // namespace engine
