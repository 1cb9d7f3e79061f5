// Long division of signed integer texts: the dividend's digits are brought
// down one at a time, each quotient digit is found by trying the multiples
// 9, 8, ..., 1 of the divisor, and the quotient goes on past the point until
// the division ends or holds the window's precision in digits after the point.
// The quotient is truncated there, never rounded.
#include "engine/digits.h"
#include "engine/engine.h"
#include "engine/progress.h"

#include <array>

namespace engine {

namespace {

constexpr std::int32_t kMinimumPrecision = 50;
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

// k times the divisor for k = 1 to 9, computed once per division: every
// quotient digit tries the same multiples.
class DivisorMultiples {
public:
    explicit DivisorMultiples(const Text& divisor) {
        for (std::int16_t k = 1; k <= 9; ++k) {
            Text operand = divisor;
            Text factor = std::to_string(k);
            multiples_[static_cast<std::size_t>(k)] = Mulmul(operand, factor);
        }
    }
    const Text& operator()(std::int16_t k) const { return multiples_[static_cast<std::size_t>(k)]; }

private:
    std::array<Text, 10> multiples_;
};

// Raises the precision to its floor before a digit, as the field shows it.
std::int32_t precisionForNextDigit(WindowServices& window) {
    if (window.precision() < kMinimumPrecision) {
        window.setPrecision(kMinimumPrecision);
        window.writeField(Field::Text4, std::to_string(kMinimumPrecision));
    }
    return window.precision();
}

// Long division of two nonzero magnitudes without leading zeros. The raw
// quotient opens with "0" when the first chunk is smaller than the divisor
// (10 / 4 gives "02.50"), with "0." and zeros when the dividend is shorter,
// and carries one surplus "0" when the division ends exactly.
Text longDivision(const Text& dividend, const Text& divisor, WindowServices& window) {
    const std::size_t dividendLength = dividend.size();
    const std::size_t divisorLength = divisor.size();

    Text quotient;
    Text partial = dividend;
    bool pointWritten = false;
    std::size_t digitsAfterPoint = 0;
    if (dividendLength < divisorLength) {
        digitsAfterPoint = divisorLength - dividendLength - 1;
        quotient = "0." + Text(digitsAfterPoint, '0');
        partial += Text(divisorLength - dividendLength, '0');
        pointWritten = true;
    }
    const Text prepared = partial;
    if (precisionForNextDigit(window) > MaxResultDigits) {
        throw OutOfRange("precision beyond the longest result");
    }
    const DivisorMultiples multiples(divisor);

    for (std::size_t pass = 1;; ++pass) {
        checkpoint();
        const bool digitsRemain = prepared.size() - divisorLength > pass - 1;
        const char nextDigit = digitsRemain ? prepared[divisorLength + pass - 1] : '\0';
        partial = Zeronettoyage(partial);
        if (!digitsRemain && partial == "0") {
            quotient += '0';
            break;
        }
        const auto precision = static_cast<std::size_t>(precisionForNextDigit(window));
        if (digitsAfterPoint > 0 && digitsAfterPoint >= precision) {
            // Only the zeros of a much longer divisor can pass the precision:
            // the quotient is then its value truncated, "0." and zeros.
            quotient.resize(quotient.size() - (digitsAfterPoint - precision));
            break;
        }

        const Text chunk = pass == 1 ? partial.substr(0, divisorLength) : partial;
        Text remainder;
        std::int16_t digit = 0;
        if (chunk.size() == divisorLength) {
            digit = digitForEqualLength(chunk, divisor, remainder, multiples);
        } else if (chunk.size() == divisorLength + 1) {
            digit = digitForLongerDividend(chunk, remainder, multiples);
        }
        if (digit == 0) {
            remainder = chunk;
        }

        quotient += static_cast<char>('0' + digit);
        if (pointWritten) {
            ++digitsAfterPoint;
        }
        if (digitsRemain) {
            partial = remainder + nextDigit;
        } else {
            if (!pointWritten) {
                quotient += '.';
                pointWritten = true;
            }
            partial = remainder + '0';
        }
    }
    return quotient;
}

// The steps of Divdiv on its own two variables (see Divdiv).
Text divdivSteps(Text& ent, Text& ent2, WindowServices& window) {
    const bool negative = detail::normaliseAndTakeSigns(ent, ent2);
    detail::requireDigits(ent);
    detail::requireDigits(ent2);

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
        quotient = longDivision(ent, ent2, window);
    }
    return negative ? "-" + quotient : quotient;
}

} // namespace

// The raw quotient of two signed integer texts (see longDivision for its
// form), "-" first when exactly one operand is negative, or "Division
// impossible" for a zero divisor. Both arguments are left normalised and
// without "-". A precision below 50 is raised to 50, and the field shows it.
Text Divdiv(Text& ent, Text& ent2, WindowServices& window) {
    return detail::onCopies(ent, ent2, [&](Text& dividend, Text& divisor) {
        return divdivSteps(dividend, divisor, window);
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
