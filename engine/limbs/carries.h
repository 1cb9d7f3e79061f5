// SPDX-License-Identifier: GPL-3.0-or-later
// Limbs from sums that may pass the base, with carries that do not wait on
// each other: the linear steps of the products (Karatsuba's middle term and
// differences, the schoolbook's last columns).
#pragma once

#include "engine/limbs/magnitude.h"
#include "engine/limbs/wide_vectors.h"

#include <cassert>

namespace engine::limbs {

// r[0, n) = the limbs of terms t(0), ..., t(n - 1) below (kMaxCarry + 1) B
// and 2^32, t(i) of weight B^i, plus carryIn (at most 3) at the bottom;
// returns what is carried out of the top. Each term's carry is taken from the
// term itself, not from a limb that waits for the carry from below, so that
// no limb waits for another and the loop vectorises. Only a limb of B - 1
// under a carry (rare but for runs of 999999999) reaches the base; a second
// pass from the bottom settles those. r may not overlap what t reads.
template <Limb kMaxCarry, class Term>
CALC_INLINED Limb storeTerms(Limb* r, std::size_t n, Limb carryIn, const Term& t) {
    static_assert(kMaxCarry <= 4, "the bases below a term must fit 32 bits");
    assert(n >= 1);
    const auto carryOf = [](Limb term) {
        Limb carry = 0;
        for (Limb k = 1; k <= kMaxCarry; ++k) {
            carry += term >= k * kLimbBase ? 1 : 0;
        }
        return carry;
    };
    const auto limbOf = [&](Limb term) { return term - carryOf(term) * kLimbBase; };
    r[0] = limbOf(t(0)) + carryIn;
    Limb reached = r[0] >= kLimbBase ? 1 : 0;
    for (std::size_t i = 1; i < n; ++i) {
        const Limb limb = limbOf(t(i)) + carryOf(t(i - 1));
        r[i] = limb;
        reached |= limb >= kLimbBase ? 1 : 0;
    }
    Limb carry = 0;
    for (std::size_t i = 0; reached != 0 && i < n; ++i) {
        const Limb limb = r[i] + carry;
        carry = limb >= kLimbBase ? 1 : 0;
        r[i] = limb - carry * kLimbBase;
    }
    return carryOf(t(n - 1)) + carry;
}

} // namespace engine::limbs
