// SPDX-License-Identifier: GPL-3.0-or-later
// The product kernels that multiply() and square() choose between, each
// callable alone, and the lengths at which the choice changes. Called alone,
// a kernel gives its own answer: no other kernel can stand in for it.
#pragma once

#include "engine/limbs/magnitude.h"

namespace engine::limbs {

// Operands shorter than this many limbs (on the shorter side) are multiplied
// by schoolbook; from it on Karatsuba splits them. Timed (best of 25, both
// builds of the schoolbook kernels, wide_vectors.h) as a schoolbook product or
// square against one Karatsuba split over schoolbook halves, at 64 to 448
// limbs: products cross at about 128 limbs with the baseline's kernels and
// 220 with AVX2's, squares, whose schoolbook takes each cross product once,
// at about 300 and 384; between its own crossover and these, either build
// loses at most 5%.
inline constexpr std::size_t kKaratsubaThreshold = 144;
inline constexpr std::size_t kKaratsubaSquareThreshold = 352;

// Schoolbook's 64-bit column sums take at most this many products of two
// limbs (each below 10^18) on top of what a carry pass leaves in a column;
// the product adds kRowsAtOnce rows at a time, of which this is a multiple.
inline constexpr std::size_t kRowsPerCarry = 16;
inline constexpr std::size_t kRowsAtOnce = 4;

// Below this many limbs on the shorter side the transform never pays; from it
// on a cost model decides (transformPays).
inline constexpr std::size_t kTransformMinimum = 512;

// True when multiply() gives a product of na by nb limbs to the transforms.
bool transformPays(std::size_t na, std::size_t nb);

// The most memory, in bytes, that multiply() of na by nb limbs holds at
// once, its product included and its operands not; and square() of n limbs.
std::size_t multiplyBytes(std::size_t na, std::size_t nb);
std::size_t squareBytes(std::size_t n);

// a * b and a * a by schoolbook, for any lengths (a not empty for the square).
Magnitude multiplySchoolbook(LimbSpan a, LimbSpan b);
Magnitude squareSchoolbook(LimbSpan a);
// One Karatsuba split of a * b, for operands whose shorter one is longer than
// half the longer (rounded up), and of a * a for at least two limbs; the
// halves are multiplied as multiply() would below the transforms.
Magnitude multiplyByKaratsuba(LimbSpan a, LimbSpan b);
Magnitude squareByKaratsuba(LimbSpan a);
// a * b for a shorter operand of at most half the longer (rounded up), not
// empty: the longer cut into slices as long as the shorter.
Magnitude multiplyBySlices(LimbSpan a, LimbSpan b);

} // namespace engine::limbs
