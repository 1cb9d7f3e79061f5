// The two quotient kernels that divide() chooses between, each callable
// alone, and the lengths at which the choice changes: Knuth's long division,
// whose cost grows with the product of the quotient's and the divisor's
// lengths, and Newton's reciprocal, which costs a few long products.
#pragma once

#include "engine/limbs/magnitude.h"

#include <optional>

namespace engine::limbs {

// The divisor and the quotient need this many limbs before the reciprocal
// beats long division. Timed (best of 5) for divisors of 40 to 8,000 limbs
// and quotients of a quarter to 8 times as long: long division costs about
// nQ nB, the reciprocal a few products per block of nB quotient limbs; the
// reciprocal wins from about 120 divisor limbs and 40 quotient limbs on, by
// 2 to 8 times from 1,000 limbs on.
inline constexpr std::size_t kReciprocalDivisorLimbs = 160;
inline constexpr std::size_t kReciprocalQuotientLimbs = 40;

// Reciprocals of this many limbs or fewer are found by long division.
inline constexpr std::size_t kExactReciprocalLimbs = 16;

// The reciprocal's estimate of a quotient is off by one or two; more
// corrections than this mean something is wrong.
inline constexpr int kMaxCorrections = 8;

// One-limb divisors check for cancellation every this many limbs.
inline constexpr std::size_t kLimbsPerCheck = 4096;

bool reciprocalPays(std::size_t numeratorLimbs, std::size_t divisorLimbs);

// Knuth's long division (one pass for a one-limb divisor); divisor > 0.
Division divideSchoolbook(LimbSpan numerator, LimbSpan divisor);
// Newton's reciprocal, for a numerator at least as long as the divisor;
// empty when an estimate needed more than kMaxCorrections corrections, which
// divide() then leaves to long division.
std::optional<Division> divideByReciprocal(LimbSpan numerator, LimbSpan divisor);

} // namespace engine::limbs
