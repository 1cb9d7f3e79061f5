// SPDX-License-Identifier: GPL-3.0-or-later
// Exact values from GMP and operands drawn to provoke carries and borrows,
// shared by the engine tests.
#pragma once

#include "engine/engine.h"

#include <gmpxx.h>

#include <cstdint>
#include <random>
#include <string>

namespace oracle {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
inline constexpr bool kSanitized = true; // some ten times slower: fewer of the long cases
#else
inline constexpr bool kSanitized = false;
#endif

// The exact value of a number text: optional "+" or "-", digits, at most one
// point. The empty text and a lone sign are zero.
mpq_class decimalValue(const std::string& text);

// Random operands of one test: seeded from CALC_TEST_SEED when it is set,
// otherwise from a seed drawn and printed so that a failure can be replayed.
class Operands {
public:
    Operands();
    std::size_t below(std::size_t n);
    // `length` digits: random, or long runs of 9s or of 0s, never starting with 0.
    std::string digits(std::size_t length);
    // A signed number text of up to `maxDigits` digits, lengths spread over
    // every scale, which may have leading zeros or a "+", or be "", "0" or
    // "-0"; with `decimals` it may hold a point.
    std::string number(std::size_t maxDigits, bool decimals);

private:
    std::mt19937_64 random_;
};

// 10^n - 1 (n nines) and 10^n + 1, the operands that carry and borrow the most.
std::string nines(std::size_t n);
std::string tenToThePlusOne(std::size_t n);

} // namespace oracle
