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

// The quotient of dividend * 10^precision by the divisor, written as
// `layout` says (see short_division.h); true when it is exact. A one-limb
// divisor divides the text itself in one pass; a longer one takes the limb
// division, whose quotient is then written out.
bool quotientDigits(const Text& dividend, const Text& divisor, std::size_t precision,
                    const limbs::QuotientLayout& layout) {
    if (divisor.size() <= limbs::kLimbDigits) {
        const auto small = static_cast<limbs::Limb>(std::stoul(divisor));
        return limbs::divideDigitsBySmall(dividend, precision, small, layout) == 0;
    }
    limbs::Division division;
    {
        const limbs::Magnitude scaled =
            limbs::shiftDecimal(limbs::toMagnitude(dividend), precision);
        division = limbs::divide(scaled, limbs::toMagnitude(divisor));
    }
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
// straight into the text it is returned in.
Text longDivision(const Text& dividend, const Text& divisor, std::int32_t& precisionUsed) {
    if (dividend == "0") {
        // A dividend of zeros that stood behind a "-" ends at once, before the
        // precision is looked at: the first partial dividend is already zero.
        return dividend.size() < divisor.size()
                   ? "0." + Text(divisor.size() - dividend.size() - 1, '0') + "0"
                   : Text("0");
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
    Text text(integerLength + 1 + fractionLength, '0');
    const limbs::QuotientLayout layout =
        shorter ? limbs::QuotientLayout{text.data() + 2, dividend.size(),
                                        dividend.size() + fractionLength}
                : limbs::QuotientLayout{text.data(), divisor.size() - 1, dividend.size()};
    const bool exact = quotientDigits(dividend, divisor, fractionLength, layout);
    text[integerLength] = '.';
    if (exact) {
        // Long division stops at the first digit that leaves no remainder
        // and writes one surplus "0" after it, or nothing more when that
        // digit ends the integer part.
        const std::size_t last = text.find_last_not_of('0');
        if (!shorter && last == integerLength && text[integerLength - 1] == '0') {
            text.resize(integerLength);
        } else {
            text.resize(last + 1);
            text += '0';
        }
    }
    return text;
}

} // namespace

// The steps of Divdiv on its own two variables (see Divdiv).
Text detail::divdivSteps(Text& ent, Text& ent2, std::int32_t& precision) {
    const bool negative = detail::normaliseAndTakeSigns(ent, ent2);
    requireForm(ent, NumberForm::Digits);
    requireForm(ent2, NumberForm::Digits);

    const bool dividendZero = detail::isZeroForm(ent);
    if (!dividendZero && !detail::isZeroForm(ent2)) {
        ent2 = Zeronettoyage(ent2);
        ent = Zeronettoyage(ent);
    }
    // A divisor of zero is refused whatever the dividend, also when its zeros
    // stood behind a "-" ("-00").
    Text divisorValue = ent2;
    if (detail::isZeroForm(Zeronettoyage(divisorValue))) {
        return kDivisionImpossible;
    }

    Text quotient = "0";
    if (!dividendZero) {
        quotient = longDivision(ent, ent2, precision);
    }
    if (negative) {
        quotient.insert(0, 1, '-');
    }
    return quotient;
}

// The raw quotient of two signed integer texts (see longDivision for its
// form), "-" first when exactly one operand is negative, or "Division
// impossible" for a zero divisor. Both arguments are left normalised and
// without "-". A precision below 50 is raised to 50 in `precision` itself.
Text Divdiv(Text& ent, Text& ent2, std::int32_t& precision) {
    return detail::onCopies(ent, ent2, [&](Text& dividend, Text& divisor) {
        return detail::divdivSteps(dividend, divisor, precision);
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
