// SPDX-License-Identifier: GPL-3.0-or-later
// Whole powers of number texts by binary powering on limbs, and the sum of
// the digits of a text each raised to a power.
#include "engine/power.h"
#include "engine/digits.h"
#include "engine/engine.h"
#include "engine/limbs/magnitude.h"
#include "engine/operand_grammar.h"
#include "engine/runtime/job_control.h"

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <limits>

namespace engine {

namespace {

using limbs::Limb;

// The number of digits of value^exponent, floor(exponent log10 value) + 1,
// from the top three limbs in long double: they give the logarithm to a part
// in 10^18, so the count is exact unless the power lies within such a part of
// a power of ten, as only powers of ten themselves do in the longest result's
// range (and their logarithm is exact).
std::int64_t powerDigits(const limbs::Magnitude& value, std::int32_t exponent) {
    if (value.empty()) {
        return 1;
    }
    long double leading = 0;
    std::size_t lowerLimbs = value.size();
    for (int taken = 0; taken < 3 && lowerLimbs > 0; ++taken) {
        --lowerLimbs;
        leading = leading * limbs::kLimbBase + value[lowerLimbs];
    }
    const long double log10Value =
        std::log10(leading) + static_cast<long double>(lowerLimbs * limbs::kLimbDigits);
    const long double digits = std::floor(log10Value * exponent) + 1;
    // Beyond any length worth counting: what is above the longest result is refused anyway.
    return digits > 1e18L ? std::numeric_limits<std::int64_t>::max()
                          : static_cast<std::int64_t>(digits);
}

bool powerTooLong(const limbs::Magnitude& value, std::int32_t exponent) {
    return powerDigits(value, exponent) > MaxResultDigits;
}

// base^exponent for exponent >= 1: squares for the bits of the exponent from
// the top, one product by the base for each bit that is set. The power after
// a step is base^(the exponent's bits so far), and each step costs about as
// much as that power is long: the steps count that much towards the progress,
// so that the last squaring, about half of the work, is about half the bar.
limbs::Magnitude raise(const limbs::Magnitude& base, std::uint32_t exponent) {
    const int bits = std::bit_width(exponent);
    std::int64_t work = 0;
    for (int bit = bits - 2; bit >= 0; --bit) {
        work += exponent >> bit;
    }
    ProgressSteps steps(work);
    limbs::Magnitude power = base;
    for (int bit = bits - 2; bit >= 0; --bit) {
        power = limbs::square(power);
        if (((exponent >> bit) & 1U) != 0) {
            power = limbs::multiply(power, base);
        }
        steps.advance(exponent >> bit);
    }
    return power;
}

} // namespace

limbs::Magnitude detail::power(const limbs::Magnitude& base, std::int32_t exponent) {
    assert(exponent >= 2);
    if (powerTooLong(base, exponent)) {
        throw OutOfRange("power too large");
    }
    return raise(base, static_cast<std::uint32_t>(exponent));
}

// The base is a natural number text (an optional "+", digits, a point
// followed only by zeros; NotANumber otherwise). Exponent 1 gives `ent`
// exactly as passed, 0 gives "1", a negative exponent the empty text. From 2
// on, the power without leading zeros, and `ent` is left in the normal form
// that repeated multiplication by it leaves (normalised once for the exponent
// 2, twice from 3 on: "007.0" becomes "007", then "7"). Powers longer than the
// engine's longest result are refused before any work.
Text PuisCalcul(Text& ent, const std::int32_t& lk) {
    Text unsignedBase = ent;
    Text normalBase = Zeronettoyage(unsignedBase);
    requireForm(normalBase, NumberForm::Digits);
    if (lk == 1) {
        return ent;
    }
    if (lk == 0) {
        return "1";
    }
    if (lk < 0) {
        return {};
    }
    Text power = limbs::toDigits(detail::power(limbs::toMagnitude(normalBase), lk));
    ent = lk == 2 ? normalBase : Zeronettoyage(normalBase);
    return power;
}

// d1^e + d2^e + ... for the digits of `ent`, with e converted once from
// `exponent`. "0", "", "-" and "-0" give "0" without converting it. The digits are
// counted, and each of the ten powers is worked out once. A character that is
// not a digit, or a digit whose power would pass the longest result, stops
// the sum where it stands, as raising the characters in turn would.
Text sommepuis(const Text& ent, const Text& exponentText) {
    if (ent.empty() || ent == "0" || ent == "-" || ent == "-0") {
        return "0";
    }
    detail::digitValue(ent.front());
    const auto exponent = toInt32(exponentText);
    if (!exponent) {
        throw OutOfRange("the exponent is not a 32-bit integer");
    }
    std::array<bool, 10> tooLong{};
    for (Limb digit = 2; digit <= 9; ++digit) {
        tooLong[digit] = *exponent >= 2 && powerTooLong({digit}, *exponent);
    }

    constexpr std::size_t kCharactersPerStep = 1 << 16;
    ProgressSteps steps(static_cast<std::int64_t>(ent.size() / kCharactersPerStep + 10));
    std::array<std::uint64_t, 10> counts{};
    for (std::size_t i = 0; i < ent.size(); ++i) {
        const int digit = detail::digitValue(ent[i]);
        if (tooLong[digit]) {
            throw OutOfRange("power too large");
        }
        ++counts[digit];
        if (i % kCharactersPerStep == 0) {
            steps.advance();
        }
    }

    limbs::Magnitude sum;
    for (Limb digit = 0; digit <= 9; ++digit) {
        if (counts[digit] == 0 || *exponent < 0) {
            continue;
        }
        const limbs::Magnitude power =
            *exponent == 0 ? limbs::Magnitude{1} : raise({digit}, *exponent);
        const limbs::Magnitude count = limbs::toMagnitude(std::to_string(counts[digit]));
        sum = limbs::add(sum, limbs::multiply(power, count));
        steps.advance();
    }
    return limbs::toDigits(sum);
}

} // namespace engine
