// SPDX-License-Identifier: GPL-3.0-or-later
// Division by Newton's reciprocal, for long quotients by long divisors. With
// B the base (10^9 per limb) and B_h the top h limbs of the divisor, R_h
// approximates B^(2h) / B_h; one Newton step R + R (1 - B_H R / B^(2H))
// doubles the limbs that are right, costing two products. The quotient's
// estimate from R is then corrected with the exact remainder, so it is
// always right; a poor estimate would only cost more corrections, and past a
// few of them the division gives up (divide() then uses the recursion).
#include "engine/limbs/divide.h"

#include "engine/runtime/job_control.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <optional>
#include <vector>

namespace engine::limbs {

namespace {

Magnitude lowLimbsDropped(LimbSpan value, std::size_t count) {
    if (count >= value.size()) {
        return {};
    }
    return Magnitude(value.begin() + static_cast<std::ptrdiff_t>(count), value.end());
}

Magnitude shiftedUp(LimbSpan value, std::size_t count) {
    Magnitude shifted(count, 0);
    shifted.insert(shifted.end(), value.begin(), value.end());
    trim(shifted);
    return shifted;
}

// The top h limbs of `divisor`, padded with zero limbs below when it is shorter.
Magnitude topLimbs(LimbSpan divisor, std::size_t h) {
    if (divisor.size() >= h) {
        return Magnitude(divisor.end() - static_cast<std::ptrdiff_t>(h), divisor.end());
    }
    return shiftedUp(divisor, h - divisor.size());
}

Magnitude powerOfBase(std::size_t exponent) {
    Magnitude power(exponent + 1, 0);
    power.back() = 1;
    return power;
}

// B^n - 1: n limbs of B - 1.
Magnitude baseMinusOne(std::size_t n) {
    return Magnitude(n, kLimbBase - 1);
}

// A value v known to be small in size, from v modulo B^n - 1 given as
// `residue` in [0, B^n - 1): the residues of the upper half stand for
// negative values. Sets `negative` and returns |v|.
Magnitude signedFromResidue(const Magnitude& residue, std::size_t n, bool& negative) {
    negative = residue.size() == n && residue.back() >= kLimbBase / 2;
    return negative ? subtract(baseMinusOne(n), residue) : residue;
}

// (x - y) modulo B^n - 1, for x and y in [0, B^n - 1).
Magnitude differenceModBaseMinusOne(const Magnitude& x, const Magnitude& y, std::size_t n) {
    if (compare(x, y) >= 0) {
        return subtract(x, y);
    }
    return subtract(add(x, baseMinusOne(n)), y);
}

// The modulus for a product whose difference from a known value takes at
// most `limbs` limbs, either sign: a power of two of limbs with room for the sign.
std::size_t modulusFor(std::size_t limbs) {
    return std::bit_ceil(limbs + 2);
}

// From R_h to R_H (h < H <= 2h - 2): R_H = R_h B^(H - h) + R_h D / B^(2h)
// with D = B^(H + h) - B_H R_h, whose limbs below the last h - 1 do not
// count. B_h cut from the divisor and the cuts here leave R_h some units of
// its second limb off; two limbs short of doubling keep that from growing.
// |D| takes at most H + 1 limbs, so B_H R_h is needed only modulo B^n - 1
// for n above that, a cyclic product shorter than the whole one.
Magnitude refined(const Magnitude& reciprocal, std::size_t h, LimbSpan divisor, std::size_t H) {
    const std::size_t n = modulusFor(H + 1);
    const Magnitude product = multiplyModBaseMinusOne(topLimbs(divisor, H), reciprocal, n);
    const Magnitude power = reducedModBaseMinusOne(powerOfBase(H + h), n);
    bool over = false;
    const Magnitude difference =
        signedFromResidue(differenceModBaseMinusOne(power, product, n), n, over);
    const Magnitude correction =
        lowLimbsDropped(multiply(reciprocal, lowLimbsDropped(difference, h - 1)), h + 1);
    const Magnitude scaled = shiftedUp(reciprocal, H - h);
    if (over) {
        return compare(scaled, correction) > 0 ? subtract(scaled, correction) : scaled;
    }
    return add(scaled, correction);
}

// About B^(2p) / B_p, to nearly p limbs.
Magnitude reciprocalOf(LimbSpan divisor, std::size_t p, ProgressSteps& steps) {
    std::vector<std::size_t> precisions{p};
    while (precisions.back() > kExactReciprocalLimbs) {
        precisions.push_back((precisions.back() + 3) / 2);
    }
    std::size_t h = precisions.back();
    Magnitude reciprocal = divideSchoolbook(powerOfBase(2 * h), topLimbs(divisor, h)).quotient;
    for (auto next = precisions.rbegin() + 1; next != precisions.rend(); ++next) {
        reciprocal = refined(reciprocal, h, divisor, *next);
        h = *next;
        steps.advance();
    }
    return reciprocal;
}

// A / B for A below B B^k, with R about B^(2p) / B_p for some p >= k + 3:
// the estimate from the top k + 3 limbs of R is at most a unit or two off,
// and the exact remainder corrects it. The remainder is below a few B, so
// the product of the estimate by B is needed only modulo B^n - 1 for n above
// B's length. Empty when more corrections would be needed.
std::optional<Division> divideChunk(LimbSpan numerator, LimbSpan divisor, LimbSpan reciprocal,
                                    std::size_t p, std::size_t k) {
    numerator = trimmed(numerator);
    // R_p / B^(p - u) is about R_u, for the u = k + 3 limbs that count.
    const std::size_t used = std::min(p, k + 3);
    const LimbSpan top = reciprocal.subspan(std::min(reciprocal.size(), p - used));
    // The quotient is about A R_u / B^(u + nB): only the top u + 1 limbs of A count.
    const std::size_t dropped = numerator.size() > used + 1 ? numerator.size() - (used + 1) : 0;
    const std::size_t shift = used + divisor.size() - dropped;
    Division result;
    result.quotient = lowLimbsDropped(multiply(numerator.subspan(dropped), top), shift);

    const std::size_t n = modulusFor(divisor.size() + 1);
    const Magnitude product = multiplyModBaseMinusOne(result.quotient, divisor, n);
    bool negative = false;
    result.remainder = signedFromResidue(
        differenceModBaseMinusOne(reducedModBaseMinusOne(numerator, n), product, n), n, negative);
    const Magnitude one{1};
    int corrections = 0;
    for (; negative; ++corrections) {
        if (corrections == kMaxCorrections) {
            return std::nullopt;
        }
        result.quotient = subtract(result.quotient, one);
        if (compare(result.remainder, divisor) <= 0) {
            result.remainder = subtract(divisor, result.remainder);
            negative = false;
        } else {
            result.remainder = subtract(result.remainder, divisor);
        }
    }
    for (; compare(result.remainder, divisor) >= 0; ++corrections) {
        if (corrections == kMaxCorrections) {
            return std::nullopt;
        }
        result.quotient = add(result.quotient, one);
        result.remainder = subtract(result.remainder, divisor);
    }
    return result;
}

} // namespace

// A quotient longer than the divisor is found in blocks as long as the
// divisor, from the top, each with the same reciprocal: the remainder of one
// block, followed by the next limbs of the numerator, is the next chunk.
std::optional<Division> divideByReciprocal(LimbSpan numerator, LimbSpan divisor) {
    numerator = trimmed(numerator);
    divisor = trimmed(divisor);
    assert(!divisor.empty() && numerator.size() >= divisor.size());
    const std::size_t quotientLimbs = numerator.size() - divisor.size() + 1;
    const std::size_t block = std::min(quotientLimbs, divisor.size());
    const std::size_t blocks = (quotientLimbs + block - 1) / block;
    const std::size_t p = block + 3;
    ProgressSteps steps(static_cast<std::int64_t>(std::bit_width(p) + blocks));
    const Magnitude reciprocal = reciprocalOf(divisor, p, steps);

    Division result;
    result.quotient.assign(blocks == 1 ? 0 : quotientLimbs, 0);
    std::size_t low = quotientLimbs; // numerator limbs not yet brought in, from the bottom
    Magnitude remainder;
    // The top chunk takes what is left over above whole blocks; it is the
    // numerator's top limbs as they stand, the next ones a copy of limbs of
    // the numerator under the remainder so far.
    std::size_t take = quotientLimbs - (blocks - 1) * block;
    for (std::size_t b = 0; b < blocks; ++b) {
        low -= take;
        Magnitude chunk;
        if (b > 0) {
            chunk.assign(numerator.begin() + static_cast<std::ptrdiff_t>(low),
                         numerator.begin() + static_cast<std::ptrdiff_t>(low + take));
            chunk.insert(chunk.end(), remainder.begin(), remainder.end());
        }
        auto part = divideChunk(b > 0 ? LimbSpan(chunk) : numerator.subspan(low), divisor,
                                reciprocal, p, take);
        if (!part) {
            return std::nullopt;
        }
        if (blocks == 1) {
            result.quotient = std::move(part->quotient);
        } else {
            std::copy(part->quotient.begin(), part->quotient.end(),
                      result.quotient.begin() + static_cast<std::ptrdiff_t>(low));
        }
        remainder = std::move(part->remainder);
        take = block;
        steps.advance();
    }
    trim(result.quotient);
    result.remainder = std::move(remainder);
    return result;
}

} // namespace engine::limbs
