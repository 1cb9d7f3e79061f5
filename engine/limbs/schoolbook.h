// SPDX-License-Identifier: GPL-3.0-or-later
// The schoolbook kernels on raw limbs, the leaves of multiply.cpp's
// recursion: rows of products added into 64-bit column sums, which are
// carried into limbs at the end.
#pragma once

#include "engine/limbs/magnitude.h"

namespace engine::limbs {

// r[0, na + nb) = a * b for na, nb >= 1; r must not overlap a or b.
void multiplyBasecase(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb);
// r[0, 2n) = a * a for n >= 1; r must not overlap a.
void squareBasecase(Limb* r, const Limb* a, std::size_t n);

} // namespace engine::limbs
