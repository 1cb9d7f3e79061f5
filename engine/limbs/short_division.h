// SPDX-License-Identifier: GPL-3.0-or-later
// Division of a digit text by a divisor of one limb, from the text straight
// to the quotient's text: no limbs in between, one pass over the digits.
#pragma once

#include "engine/limbs/magnitude.h"

#include <cstddef>
#include <string_view>

namespace engine::limbs {

// Where the quotient's digits go. The quotient of a dividend of m digits,
// written with m digits (zeros in front), has its digit at position i (from
// 0, most significant first) written at out[i - skip], or at out[i - skip + 1]
// from position `point` on, which leaves out[point - skip] for the caller's
// point. The digits before `skip` are not written: the caller knows them to
// be zeros. skip <= point <= m.
struct QuotientLayout {
    char* out;
    std::size_t skip;
    std::size_t point;
};

// (dividend * 10^zeros) / divisor for a text of decimal digits `dividend`
// (leading zeros allowed) and 0 < divisor < kLimbBase, written as `layout`
// says; returns the remainder. Nine digits at a time, from the top; the
// zeros after the dividend, where the remainder that starts a piece is a
// power of ten modulo the divisor, are shared out between the pool's
// threads. Checks for cancellation every kLimbsPerCheck limbs and reports
// them as progress.
Limb divideDigitsBySmall(std::string_view dividend, std::size_t zeros, Limb divisor,
                         const QuotientLayout& layout);

} // namespace engine::limbs
