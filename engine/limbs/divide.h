// SPDX-License-Identifier: GPL-3.0-or-later
// The three quotient kernels that divide() chooses between, each callable
// alone, and the lengths at which the choice changes: long division, whose
// cost grows with the product of the quotient's and the divisor's lengths;
// divide-and-conquer division, about two products; and Newton's reciprocal,
// a few long products per block.
#pragma once

#include "engine/limbs/magnitude.h"

#include <optional>

namespace engine::limbs {

// Long division takes divisors below kRecursiveDivisorLimbs or quotients below
// kRecursiveQuotientLimbs; the recursion takes the rest, but for divisors of
// kReciprocalDivisorLimbs and more with quotients of kReciprocalQuotientLimbs
// and more, and every divisor of kReciprocalAlwaysLimbs and more, which go to
// Newton's reciprocal. Timed for divisors of 40 to 16,000 limbs and quotients
// of 20 to 16,000: the recursion costs about two products of the divisor's
// length, the reciprocal a few products per block as long as the divisor.
inline constexpr std::size_t kRecursiveDivisorLimbs = 240;
inline constexpr std::size_t kRecursiveQuotientLimbs = 160;
inline constexpr std::size_t kReciprocalDivisorLimbs = 1500;
inline constexpr std::size_t kReciprocalQuotientLimbs = 2048;
inline constexpr std::size_t kReciprocalAlwaysLimbs = 8192;

// The recursion leaves quotients shorter than this to long division (pieces
// of 24 to 120 limbs all timed alike).
inline constexpr std::size_t kRecursiveDivisionLimbs = 40;

// Reciprocals of this many limbs or fewer are found by long division.
inline constexpr std::size_t kExactReciprocalLimbs = 16;

// The reciprocal's estimate of a quotient is off by one or two; more
// corrections than this mean something is wrong.
inline constexpr int kMaxCorrections = 8;

// One-limb divisors check for cancellation every this many limbs.
inline constexpr std::size_t kLimbsPerCheck = 4096;

enum class DivisionKernel { Schoolbook, Recursive, Reciprocal };
// The kernel that divide() takes, by the thresholds above.
DivisionKernel divisionKernelFor(std::size_t quotientLimbs, std::size_t divisorLimbs);

// Long division (one pass for a one-limb divisor); divisor > 0.
Division divideSchoolbook(LimbSpan numerator, LimbSpan divisor);
// Divide-and-conquer division (Burnikel-Ziegler), about two products of the
// divisor's length: the quotient in halves down to pieces shorter than
// kRecursiveDivisionLimbs, which long division finds. No fallback.
Division divideRecursive(LimbSpan numerator, LimbSpan divisor);
// Newton's reciprocal, for a numerator at least as long as the divisor;
// empty when an estimate needed more than kMaxCorrections corrections, which
// divide() then leaves to the recursion.
std::optional<Division> divideByReciprocal(LimbSpan numerator, LimbSpan divisor);

} // namespace engine::limbs
