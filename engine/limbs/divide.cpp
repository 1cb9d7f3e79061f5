// Quotient and remainder of magnitudes: one pass for a one-limb divisor,
// otherwise Knuth's Algorithm D on limbs of 10^9 (The Art of Computer
// Programming, vol. 2, 4.3.1): both operands are scaled so that the divisor's
// top limb is at least half the base; each quotient limb is then estimated
// from the top two limbs of the remainder and the top limb of the divisor,
// corrected at most twice with the second limb, and, rarely, once more after
// the multiply-and-subtract step.
#include "engine/limbs/divide.h"

#include "engine/progress.h"

#include <cassert>
#include <cstdint>

namespace engine::limbs {

namespace {

// value / divisor for a one-limb divisor; the remainder is returned.
Limb divideBySmall(LimbSpan value, Limb divisor, Magnitude& quotient) {
    assert(divisor != 0);
    quotient.assign(value.size(), 0);
    ProgressSteps steps(static_cast<std::int64_t>(value.size() / kLimbsPerCheck + 1));
    std::uint64_t remainder = 0;
    for (std::size_t i = value.size(); i-- > 0;) {
        const std::uint64_t current = remainder * kLimbBase + value[i];
        quotient[i] = static_cast<Limb>(current / divisor);
        remainder = current % divisor;
        if (i % kLimbsPerCheck == 0) {
            steps.advance();
        }
    }
    trim(quotient);
    return static_cast<Limb>(remainder);
}

// u[j, j + n] -= q * v[0, n); true when the result went below zero, in which
// case u[j, j + n] holds it plus base^(n + 1).
bool multiplyAndSubtract(Limb* u, const Limb* v, std::size_t n, std::uint64_t q) {
    std::uint64_t carry = 0;
    Limb borrow = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t product = q * v[i] + carry;
        carry = product / kLimbBase;
        const Limb taken = static_cast<Limb>(product % kLimbBase) + borrow;
        borrow = u[i] < taken ? 1 : 0;
        u[i] = u[i] + borrow * kLimbBase - taken;
    }
    const std::uint64_t taken = carry + borrow;
    const bool negative = u[n] < taken;
    u[n] = static_cast<Limb>(negative ? u[n] + kLimbBase - taken : u[n] - taken);
    return negative;
}

Division divideLong(LimbSpan u, LimbSpan v) {
    const std::size_t n = v.size();
    const std::size_t m = u.size() - n;
    const Limb scale = static_cast<Limb>(kLimbBase / (std::uint64_t{v[n - 1]} + 1));
    Magnitude vn = multiplyBySmall(v, scale);
    Magnitude un = multiplyBySmall(u, scale);
    un.resize(u.size() + 1, 0);
    vn.resize(n, 0);
    assert(vn[n - 1] >= kLimbBase / 2);

    const std::uint64_t top = vn[n - 1];
    const std::uint64_t second = vn[n - 2];
    Division result;
    result.quotient.assign(m + 1, 0);
    ProgressSteps steps(static_cast<std::int64_t>(m + 1));
    for (std::size_t j = m + 1; j-- > 0;) {
        const std::uint64_t numerator = std::uint64_t{un[j + n]} * kLimbBase + un[j + n - 1];
        std::uint64_t estimate = numerator / top;
        std::uint64_t rest = numerator % top;
        while (estimate >= kLimbBase || estimate * second > rest * kLimbBase + un[j + n - 2]) {
            --estimate;
            rest += top;
            if (rest >= kLimbBase) {
                break;
            }
        }
        if (multiplyAndSubtract(un.data() + j, vn.data(), n, estimate)) {
            --estimate;
            const Limb carry = addInPlace(un.data() + j, vn.data(), n);
            un[j + n] = static_cast<Limb>((un[j + n] + carry) % kLimbBase);
        }
        result.quotient[j] = static_cast<Limb>(estimate);
        steps.advance();
    }
    trim(result.quotient);
    un.resize(n);
    trim(un);
    divideBySmall(un, scale, result.remainder);
    return result;
}

} // namespace

Division divideSchoolbook(LimbSpan numerator, LimbSpan divisor) {
    numerator = trimmed(numerator);
    divisor = trimmed(divisor);
    assert(!divisor.empty());
    if (compare(numerator, divisor) < 0) {
        return {{}, Magnitude(numerator.begin(), numerator.end())};
    }
    if (divisor.size() == 1) {
        Division result;
        const Limb remainder = divideBySmall(numerator, divisor[0], result.quotient);
        if (remainder != 0) {
            result.remainder.push_back(remainder);
        }
        return result;
    }
    return divideLong(numerator, divisor);
}

Division divide(LimbSpan numerator, LimbSpan divisor) {
    numerator = trimmed(numerator);
    divisor = trimmed(divisor);
    if (reciprocalPays(numerator.size(), divisor.size())) {
        if (auto quotient = divideByReciprocal(numerator, divisor)) {
            return std::move(*quotient);
        }
    }
    return divideSchoolbook(numerator, divisor);
}

} // namespace engine::limbs
