// SPDX-License-Identifier: GPL-3.0-or-later
// Products of long magnitudes by number-theoretic transforms.
#pragma once

#include "engine/limbs/magnitude.h"
#include "engine/runtime/thread_pool.h"

namespace engine::limbs {

// Transforms of at least this length run the two primes on two threads when
// the pool has them; shorter ones take less time than handing work over and
// than starting the pool's threads.
inline constexpr std::size_t kParallelTransformLength = std::size_t{1} << 13;

// The stages of a transform whose blocks hold at most this many values
// (128 KiB) run block by block, in the second-level cache.
inline constexpr std::size_t kCacheBlock = std::size_t{1} << 14;

// Cyclic lengths below this are always the power of two that holds the whole
// product: what wrapping saves there is not worth a second convolution.
inline constexpr std::size_t kMinimumWrapLength = 1024;

// Products of at least this many limbs recombine in pieces on the pool's
// threads: a piece costs far more than handing it over.
inline constexpr std::size_t kPiecewiseRecombine = 1 << 14;

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
