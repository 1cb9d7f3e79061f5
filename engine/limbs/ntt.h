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

// r * r * p in one convolution, which costs one transform more than a
// square. A coefficient is a sum of at most |r| |p| products of three limbs,
// below p1 * p2 while |r| |p| stays at most kMaxSquareTimesTerms.
inline constexpr double kMaxSquareTimesTerms = 1e10;
Magnitude squareTimesByTransform(LimbSpan r, LimbSpan p, ThreadPool& pool = workerPool());

} // namespace engine::limbs
