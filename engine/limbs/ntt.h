// Products of long magnitudes by number-theoretic transforms.
#pragma once

#include "engine/limbs/magnitude.h"
#include "engine/thread_pool.h"

namespace engine::limbs {

// a * b (and a * a) through cyclic convolutions modulo two primes of 62 bits,
// recombined by the Chinese remainder theorem: exact for any length, about
// n log n operations. The product may carry zero limbs at the top. The
// transforms modulo the two primes run at the same time on `pool`.
Magnitude multiplyByTransform(LimbSpan a, LimbSpan b, ThreadPool& pool = workerPool());
Magnitude squareByTransform(LimbSpan a, ThreadPool& pool = workerPool());

} // namespace engine::limbs
