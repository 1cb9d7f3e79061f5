// SPDX-License-Identifier: GPL-3.0-or-later
// How much memory each command's computation needs at its peak, worked out
// from its operands' lengths before any work, so that a job the system
// cannot hold is refused before it starts. Each figure is an upper bound, in
// bytes, of what the engine holds at once: the operands' texts as the
// command takes them, its work copies, the limbs, the transforms' buffers
// and the result's text; within twice what it really holds for the long
// operands where the question arises (tests/engine/memory_test.cpp measures
// both).
//
// The caller adds what it holds itself for each digit of the result, as
// `callerBytesPerDigit`: the window, for one, keeps the result as a QString
// (2 bytes a character) beside the engine's UTF-8 text while it takes it
// over. Lengths are those of the fields' texts, in bytes, blanks included;
// the texts need not be numbers.
#pragma once

#include <cstdint>
#include <string_view>

namespace engine::memory {

using Bytes = std::uint64_t;

// a + b and a - b, for the operands' texts: their lengths count, and where
// their points stand, since the fractions are lined up.
Bytes sumBytes(std::string_view a, std::string_view b, double callerBytesPerDigit);
// a * b.
Bytes productBytes(std::uint64_t aLength, std::uint64_t bLength, double callerBytesPerDigit);
// a / b at `precision` digits after the point (raised to the division's least
// precision when below it), for the operands' texts, as for the sum.
Bytes quotientBytes(std::string_view a, std::string_view b, std::int32_t precision,
                    double callerBytesPerDigit);
// An upper bound of the digits of base^exponent, for a natural number's text
// (its first digits and its length count): one more than floor(exponent
// log10 base), for safety.
std::uint64_t powerDigits(std::string_view base, std::int64_t exponent);

// a to the power b, for the base's digits (a natural number's text; its first
// digits and its length count) and the exponent b.
Bytes powerBytes(std::string_view base, std::int64_t exponent, double callerBytesPerDigit);
// b !.
Bytes factorialBytes(std::int32_t n, double callerBytesPerDigit);
// A(a, b) for b's text: the closed forms for a from 0 to 4 (A(3, b) is
// 2^(b + 3) - 3); from 5 on the recursion, whose values the closed forms
// bound.
Bytes ackermannBytes(std::int32_t a, std::string_view b, double callerBytesPerDigit);
// The sum of the digits of a text of `digitsLength` bytes, each raised to
// the power `exponent`.
Bytes digitPowerSumBytes(std::uint64_t digitsLength, std::int32_t exponent,
                         double callerBytesPerDigit);

} // namespace engine::memory
