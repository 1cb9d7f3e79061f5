// Whole powers of number texts by repeated multiplication, and the sum of the
// digits of a text each raised to a power.
#include "engine/digits.h"
#include "engine/engine.h"
#include "engine/progress.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace engine {

namespace {

// About how many digits base^exponent has, from the length and the leading
// digits of a digit text without leading zeros.
double estimatedPowerDigits(const Text& digits, std::int32_t exponent) {
    if (digits == "0") {
        return 1.0;
    }
    constexpr std::size_t kLeadingDigits = 15;
    const std::size_t leadingCount = std::min(digits.size(), kLeadingDigits);
    double leading = 0.0;
    for (std::size_t i = 0; i < leadingCount; ++i) {
        leading = leading * 10 + (digits[i] - '0');
    }
    const double log10Base =
        std::log10(leading) + static_cast<double>(digits.size() - leadingCount);
    return log10Base * exponent + 1;
}

} // namespace

// The base is a natural number text (an optional "+", digits; NotANumber
// otherwise). Exponent 1 gives `ent` exactly as passed, 0 gives "1", a negative exponent
// the empty text. From 2 on, lk - 1 multiplications by the base, whose
// variable Mulmul leaves in its normal form. Powers that would pass the
// engine's largest result are refused before any work.
Text PuisCalcul(Text& ent, const std::int32_t& lk) {
    Text unsignedBase = ent;
    const Text normalBase = Zeronettoyage(unsignedBase);
    detail::requireDigits(normalBase);
    if (lk == 1) {
        return ent;
    }
    if (lk == 0) {
        return "1";
    }
    if (lk < 0) {
        return {};
    }
    if (estimatedPowerDigits(normalBase, lk) > static_cast<double>(MaxResultDigits)) {
        throw OutOfRange("power too large");
    }
    if (normalBase == "0" || normalBase == "1") {
        // Every product is the base again: skip the lk - 1 multiplications,
        // leaving the base in the form they would leave it in.
        ent = normalBase;
        return normalBase;
    }
    Text power = ent;
    ProgressSteps steps(lk - 1);
    for (std::int32_t i = 1; i <= lk - 1; ++i) {
        power = Mulmul(power, ent);
        steps.advance();
    }
    return power;
}

// d1^e + d2^e + ... for the digits of `ent`, with e read from the b field for
// every digit. "0", "", "-" and "-0" give "0" without reading it. The powers of
// the ten digits are worked out once per exponent.
Text sommepuis(const Text& ent, WindowServices& window) {
    if (ent.empty() || ent == "0" || ent == "-" || ent == "-0") {
        return "0";
    }
    std::array<std::optional<Text>, 10> powers;
    std::optional<std::int32_t> powersExponent;
    Text sum = "0";
    ProgressSteps steps(static_cast<std::int64_t>(ent.size()));
    for (const char c : ent) {
        steps.advance();
        const int digit = detail::digitValue(c);
        const auto exponent = toInt32(window.readField(Field::Text2));
        if (!exponent) {
            throw OutOfRange("the exponent in the b field is not a 32-bit integer");
        }
        if (powersExponent != exponent) {
            powers.fill(std::nullopt);
            powersExponent = exponent;
        }
        auto& power = powers[static_cast<std::size_t>(digit)];
        if (!power) {
            Text base(1, c);
            power = PuisCalcul(base, *exponent);
        }
        Text term = *power;
        sum = Plusplus(sum, term);
    }
    return sum;
}

Text factorial(std::int32_t n) {
    Text accumulator = "1";
    ProgressSteps steps(n);
    for (std::int32_t i = 2; i <= n; ++i) {
        accumulator = MulCalcul(accumulator, i);
        steps.advance();
    }
    return accumulator;
}

} // namespace engine
