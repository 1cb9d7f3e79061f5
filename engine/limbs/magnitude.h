// SPDX-License-Identifier: GPL-3.0-or-later
// Natural numbers held as limbs of nine decimal digits, and the kernels that
// do the engine's digit work on them. Because the radix is a power of ten, a
// digit text becomes limbs and limbs become a digit text in one linear pass.
//
// A Magnitude holds its limbs least significant first, each below kLimbBase,
// without zero limbs at the top: zero is the empty vector. Kernels take spans
// of limbs that may carry zero limbs at the top; they state what they expect
// with assertions and never throw, except std::bad_alloc and Cancelled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine::limbs {

using Limb = std::uint32_t;
using Magnitude = std::vector<Limb>;
using LimbSpan = std::span<const Limb>;

inline constexpr Limb kLimbBase = 1'000'000'000;
inline constexpr std::size_t kLimbDigits = 9;

// --- Text and limbs -----------------------------------------------------------

// Texts of at least this many limbs are converted in pieces, one per thread of
// the engine's pool: a piece costs far more than handing it over.
inline constexpr std::size_t kPiecewiseConversion = 1 << 13;

// The value of a text of decimal digits (leading zeros allowed, "" is zero).
Magnitude toMagnitude(std::string_view digits);
// The digits of `value`, with zeros in front up to `minDigits` characters:
// minDigits 1 gives "0" for zero, minDigits 0 the empty text.
std::string toDigits(LimbSpan value, std::size_t minDigits = 1);
// The number of digits of `value` (0 for zero).
std::size_t digitCount(LimbSpan value);
// Writes the digits of `value` into [first, last), which must hold them,
// with zeros in front.
void writeDigits(LimbSpan value, char* first, char* last);

// Removes zero limbs from the top.
void trim(Magnitude& value);
// The span without its zero limbs at the top.
LimbSpan trimmed(LimbSpan value);

// --- Linear kernels -------------------------------------------------------------

// -1, 0 or 1 as a is below, equal to or above b (zero limbs at the top allowed).
int compare(LimbSpan a, LimbSpan b);
Magnitude add(LimbSpan a, LimbSpan b);
// larger - smaller; larger must not be below smaller.
Magnitude subtract(LimbSpan larger, LimbSpan smaller);
// The same, worked out in the limbs of `a` or `larger`, which the caller
// gives up: no second vector as long (a sum longer than `a` takes one limb
// more, and a shorter `a` a new vector).
Magnitude add(Magnitude&& a, LimbSpan b);
Magnitude subtract(Magnitude&& larger, LimbSpan smaller);
// value * factor, factor below kLimbBase.
Magnitude multiplyBySmall(LimbSpan value, Limb factor);
// value * 10^digits.
Magnitude shiftDecimal(LimbSpan value, std::size_t digits);
// value modulo B^n - 1 (B = kLimbBase, n >= 1), in [0, B^n - 1): the pieces
// of n limbs added, the carry out of the top limb brought back to the bottom.
Magnitude reducedModBaseMinusOne(LimbSpan value, std::size_t n);

// In place on raw limbs: r[0, n) += a[0, n) with the carry out returned, and
// r[0, n) -= a[0, n) with the borrow out returned.
Limb addInPlace(Limb* r, const Limb* a, std::size_t n);
Limb subtractInPlace(Limb* r, const Limb* a, std::size_t n);
// Adds `carry` at r[0] and carries on through r[0, n); returns what is left over.
Limb carryInto(Limb* r, std::size_t n, Limb carry);
// Takes `borrow` from r[0] and borrows on through r[0, n); returns what is left over.
Limb borrowFrom(Limb* r, std::size_t n, Limb borrow);

// --- Products and quotients -------------------------------------------------------

// a * b; schoolbook, Karatsuba or a number-theoretic transform by size.
Magnitude multiply(LimbSpan a, LimbSpan b);
// a * a, cheaper than multiply(a, a).
Magnitude square(LimbSpan a);
// r * r * p; long ones in one transform, cheaper than a square and a product.
Magnitude squareTimes(LimbSpan r, LimbSpan p);
// a * b modulo B^n - 1 (see reducedModBaseMinusOne), n a power of two: one
// cyclic convolution of length n where that costs less than the whole
// product. Long division's remainders and Newton's steps need no more, since
// they know their result to be short.
Magnitude multiplyModBaseMinusOne(LimbSpan a, LimbSpan b, std::size_t n);

// quotient = numerator / divisor truncated, remainder = the rest; divisor > 0.
struct Division {
    Magnitude quotient;
    Magnitude remainder;
};
// Long division, divide-and-conquer division or Newton's reciprocal, by the
// lengths of the quotient and the divisor (divide.h).
Division divide(LimbSpan numerator, LimbSpan divisor);

} // namespace engine::limbs
