// SPDX-License-Identifier: GPL-3.0-or-later
// Divide-and-conquer division (Burnikel and Ziegler, "Fast Recursive
// Division", 1998) for quotients and divisors of medium length. A quotient
// as long as the divisor is found in two halves; each half comes from the
// divisor's top limbs, by the same method, and is corrected with its product
// by the divisor's other limbs. With Karatsuba's products the whole costs
// about two products of the divisor's length, against their product's
// length for long division.
#include "engine/limbs/divide.h"
#include "engine/runtime/job_control.h"

#include <algorithm>
#include <cassert>

namespace engine::limbs {

namespace {

// x modulo B^count and x / B^count.
LimbSpan lowLimbs(LimbSpan x, std::size_t count) {
    return trimmed(x.first(std::min(count, x.size())));
}
LimbSpan highLimbs(LimbSpan x, std::size_t count) {
    return count >= x.size() ? LimbSpan{} : x.subspan(count);
}

// high B^count + low, for low below B^count.
Magnitude joined(LimbSpan high, LimbSpan low, std::size_t count) {
    Magnitude value(low.begin(), low.end());
    value.resize(count, 0);
    value.insert(value.end(), high.begin(), high.end());
    trim(value);
    return value;
}

Division divideInHalves(LimbSpan a, LimbSpan b, std::size_t k, ProgressSteps& steps);

// a / b for a quotient below B^k with k below b's length. The quotient of a's
// top limbs by b's top k limbs is never too small, and with b's top limb at
// least B / 2 at most two too large; the product of it by b's other limbs
// tells by how much.
Division divideByTopLimbs(LimbSpan a, LimbSpan b, std::size_t k, ProgressSteps& steps) {
    const std::size_t lowCount = b.size() - k;
    const LimbSpan top = b.subspan(lowCount);
    const LimbSpan topOfA = highLimbs(a, lowCount);
    Division estimate;
    if (compare(highLimbs(topOfA, k), top) >= 0) {
        // The top quotient would not fit in k limbs: B^k - 1 is the most it can be.
        estimate.quotient.assign(k, kLimbBase - 1);
        estimate.remainder = subtract(add(topOfA, top), joined(top, {}, k));
        steps.advance(static_cast<std::int64_t>(k));
    } else {
        estimate = divideInHalves(topOfA, top, k, steps);
    }
    Magnitude held = joined(estimate.remainder, lowLimbs(a, lowCount), lowCount);
    const Magnitude taken = multiply(estimate.quotient, b.first(lowCount));
    const Magnitude one{1};
    while (compare(held, taken) < 0) {
        estimate.quotient = subtract(estimate.quotient, one);
        held = add(held, b);
    }
    estimate.remainder = subtract(held, taken);
    return estimate;
}

// a / b for a quotient below B^k with k at most b's length, b's top limb at
// least B / 2: long division for short quotients, otherwise the top half of
// the quotient, then the bottom half from what the top half leaves.
Division divideInHalves(LimbSpan a, LimbSpan b, std::size_t k, ProgressSteps& steps) {
    if (k < kRecursiveDivisionLimbs) {
        Division leaf = divideSchoolbook(a, b);
        steps.advance(static_cast<std::int64_t>(k));
        return leaf;
    }
    if (k < b.size()) {
        return divideByTopLimbs(a, b, k, steps);
    }
    const std::size_t low = k / 2;
    const Division high = divideInHalves(highLimbs(a, low), b, k - low, steps);
    Division result = divideInHalves(joined(high.remainder, lowLimbs(a, low), low), b, low, steps);
    result.quotient = joined(high.quotient, result.quotient, low);
    return result;
}

} // namespace

// Both operands are scaled so that the divisor's top limb is at least B / 2;
// a quotient longer than the divisor is found in blocks as long as the
// divisor, from the top, the remainder of each block heading the next.
Division divideRecursive(LimbSpan numerator, LimbSpan divisor) {
    numerator = trimmed(numerator);
    divisor = trimmed(divisor);
    assert(!divisor.empty());
    if (compare(numerator, divisor) < 0) {
        return {{}, Magnitude(numerator.begin(), numerator.end())};
    }
    const Limb scale = kLimbBase / (divisor.back() + 1);
    const Magnitude b = multiplyBySmall(divisor, scale);
    const Magnitude a = multiplyBySmall(numerator, scale);
    assert(b.size() == divisor.size() && b.back() >= kLimbBase / 2);

    const std::size_t n = b.size();
    const std::size_t quotientLimbs = a.size() - n + 1;
    const std::size_t blocks = (quotientLimbs + n - 1) / n;
    ProgressSteps steps(static_cast<std::int64_t>(quotientLimbs));
    Division result;
    result.quotient.assign(quotientLimbs, 0);
    std::size_t low = quotientLimbs; // limbs of a not yet brought in, from the bottom
    const LimbSpan top = highLimbs(a, low);
    Magnitude remainder(top.begin(), top.end());
    std::size_t take = quotientLimbs - (blocks - 1) * n; // the top block takes what is left over
    for (std::size_t block = 0; block < blocks; ++block) {
        low -= take;
        const Magnitude chunk = joined(remainder, lowLimbs(highLimbs(a, low), take), take);
        Division part = divideInHalves(chunk, b, take, steps);
        std::copy(part.quotient.begin(), part.quotient.end(),
                  result.quotient.begin() + static_cast<std::ptrdiff_t>(low));
        remainder = std::move(part.remainder);
        take = n;
    }
    trim(result.quotient);
    result.remainder = divide(remainder, Magnitude{scale}).quotient;
    return result;
}

} // namespace engine::limbs
