// Products of long magnitudes by number-theoretic transforms.
#pragma once

#include "engine/limbs/magnitude.h"
#include "engine/thread_pool.h"

namespace engine::limbs {

// Transforms of at least this length run the two primes on two threads when
// the pool has them; shorter ones take less time than handing work over and
// than starting the pool's threads.
inline constexpr std::size_t kParallelTransformLength = std::size_t{1} << 13;

// a * b (and a * a) through cyclic convolutions modulo two primes of 62 bits,
// recombined by the Chinese remainder theorem: exact for any length, about
// n log n operations. The product may carry zero limbs at the top. The
// transforms modulo the two primes run at the same time on `pool`.
Magnitude multiplyByTransform(LimbSpan a, LimbSpan b, ThreadPool& pool = workerPool());
Magnitude squareByTransform(LimbSpan a, ThreadPool& pool = workerPool());

// a * b modulo B^n - 1 (B = kLimbBase) for n a power of two, as
// reducedModBaseMinusOne gives it: one cyclic convolution of length n, which
// costs less than the whole product when n is below its length.
Magnitude multiplyCyclicByTransform(LimbSpan a, LimbSpan b, std::size_t n,
                                    ThreadPool& pool = workerPool());

// r * r * p in one convolution, which costs one transform more than a
// square. A coefficient is a sum of at most |r| |p| products of three limbs,
// below p1 * p2 while |r| |p| stays at most kMaxSquareTimesTerms.
inline constexpr double kMaxSquareTimesTerms = 1e10;
Magnitude squareTimesByTransform(LimbSpan r, LimbSpan p, ThreadPool& pool = workerPool());

} // namespace engine::limbs
