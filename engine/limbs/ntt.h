// SPDX-License-Identifier: GPL-3.0-or-later
// Products of long magnitudes by number-theoretic transforms.
#pragma once

#include "engine/limbs/magnitude.h"
#include "engine/runtime/thread_pool.h"

namespace engine::limbs {

// Transforms of at least this length (and below kPrimesInTurnLength) run the
// two primes on two threads when the pool has them; shorter ones take less
// time than handing work over and than starting the pool's threads.
inline constexpr std::size_t kParallelTransformLength = std::size_t{1} << 13;

// Transforms of at least this length take turns, one prime after the
// other, each shared out between the pool's threads stage by stage: at the
// same time they would hold twice the memory. Below it, where the arrays
// take at most 2 MB, the primes at the same time were 4 to 7% faster for
// quotients of 1,000,000 by 500,000 digits (whole process, median of 7).
inline constexpr std::size_t kPrimesInTurnLength = std::size_t{1} << 18;

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
// transforms modulo the two primes run at the same time on `pool`, or in
// turn, each on all of its threads (kPrimesInTurnLength).
Magnitude multiplyByTransform(LimbSpan a, LimbSpan b, ThreadPool& pool = workerPool());
Magnitude squareByTransform(LimbSpan a, ThreadPool& pool = workerPool());

// a * b modulo B^n - 1 (B = kLimbBase) for n a power of two, as
// reducedModBaseMinusOne gives it: one cyclic convolution of length n, which
// costs less than the whole product when n is below its length.
Magnitude multiplyCyclicByTransform(LimbSpan a, LimbSpan b, std::size_t n,
                                    ThreadPool& pool = workerPool());

// The most memory, in bytes, that multiplyByTransform of na by nb limbs
// holds at once, its product included and its operands not (nb = 0: of
// squareByTransform), on a pool of `threads` threads.
std::size_t transformProductBytes(std::size_t na, std::size_t nb, std::size_t threads);

// r * r * p in one convolution, which costs one transform more than a
// square. A coefficient is a sum of at most |r| |p| products of three limbs,
// below p1 * p2 while |r| |p| stays at most kMaxSquareTimesTerms.
inline constexpr double kMaxSquareTimesTerms = 1e10;
Magnitude squareTimesByTransform(LimbSpan r, LimbSpan p, ThreadPool& pool = workerPool());

} // namespace engine::limbs
