// n! by a product tree: consecutive factors are packed into one limb, then
// balanced halves are multiplied, so that the long products are few and of
// equal size, where fast multiplication pays.
#include "engine/engine.h"
#include "engine/limbs/magnitude.h"
#include "engine/progress.h"

#include <cmath>
#include <span>
#include <vector>

namespace engine {

namespace {

using limbs::Limb;

using limbs::Magnitude;

// The factors 2, 3, ..., n, as many in each limb as fit.
std::vector<Limb> packedFactors(std::int32_t n) {
    std::vector<Limb> packed;
    std::uint64_t current = 1;
    for (std::int64_t i = 2; i <= n; ++i) {
        if (current * static_cast<std::uint64_t>(i) >= limbs::kLimbBase) {
            packed.push_back(static_cast<Limb>(current));
            current = 1;
        }
        current *= static_cast<std::uint64_t>(i);
    }
    packed.push_back(static_cast<Limb>(current));
    return packed;
}

Magnitude productOf(std::span<const Limb> factors, ProgressSteps& steps) {
    if (factors.size() == 1) {
        steps.advance();
        return Magnitude{factors.front()};
    }
    const std::size_t half = factors.size() / 2;
    const Magnitude low = productOf(factors.first(half), steps);
    const Magnitude high = productOf(factors.subspan(half), steps);
    return limbs::multiply(low, high);
}

} // namespace

Text factorial(std::int32_t n) {
    if (n < 2) {
        return "1";
    }
    const double digits = std::lgamma(static_cast<double>(n) + 1) / std::log(10.0);
    if (digits > static_cast<double>(MaxResultDigits)) {
        throw OutOfRange("factorial too large");
    }
    const std::vector<Limb> factors = packedFactors(n);
    ProgressSteps steps(static_cast<std::int64_t>(factors.size()));
    return limbs::toDigits(productOf(factors, steps));
}

} // namespace engine
