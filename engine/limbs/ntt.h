// Products of long magnitudes by number-theoretic transforms.
#pragma once

#include "engine/limbs/magnitude.h"

namespace engine::limbs {

// a * b (and a * a) through cyclic convolutions modulo two primes of 62 bits,
// recombined by the Chinese remainder theorem: exact for any length, about
// n log n operations. The product may carry zero limbs at the top.
Magnitude multiplyByTransform(LimbSpan a, LimbSpan b);
Magnitude squareByTransform(LimbSpan a);

} // namespace engine::limbs
