// SPDX-License-Identifier: GPL-3.0-or-later
// Products of magnitudes: schoolbook (schoolbook.cpp) below
// kKaratsubaThreshold limbs, Karatsuba above it, slices of the longer operand
// for lopsided products, and number-theoretic transforms (ntt.cpp) for long
// operands where they pay.
// Squares take their own path all the way down: each cross product once.
#include "engine/limbs/multiply.h"

#include "engine/limbs/carries.h"
#include "engine/limbs/ntt.h"
#include "engine/limbs/schoolbook.h"
#include "engine/limbs/wide_vectors.h"
#include "engine/runtime/job_control.h"
#include "engine/runtime/thread_pool.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <vector>

namespace engine::limbs {

namespace {

// The transform's cost steps with its power-of-two length, Karatsuba's grows
// smoothly, so the choice compares two wall-time models: Karatsuba, sliced
// for lopsided operands, about 0.00131 us * na * nb^0.585 with the schoolbook
// rows built for AVX2 and 0.00195 us with the baseline's (products and
// squares of 700 to 4,000 limbs, best of 15); the transforms about 0.0068 us
// * L * log2(L) for L = bit_ceil(na + nb) (products of 512 to 6,000 limbs on
// one thread, best of 30, once their butterflies kept values below 2p and
// their short stages got roots side by side). On one thread they cross near
// 4,000 limbs. With two threads or more the two primes' transforms run at
// the same time, which measured 1.7 to 1.9 times faster on two cores, or in
// turn with each stage shared out, as fast.
double karatsubaCost(std::size_t na, std::size_t nb) {
    const auto longer = static_cast<double>(std::max(na, nb));
    const auto shorter = static_cast<double>(std::min(na, nb));
    const double perTerm = hasWideVectors() ? 0.00131 : 0.00195;
    return perTerm * longer * std::pow(shorter, 0.585);
}

double transformCost(std::size_t productLimbs) {
    const auto length = static_cast<double>(std::bit_ceil(productLimbs));
    const bool parallel =
        workerPool().threads() >= 2 && length >= static_cast<double>(kParallelTransformLength);
    const double speedUp = parallel ? 1.7 : 1.0;
    return 0.0068 * length * std::log2(length) / speedUp;
}

// r * r * p in one convolution costs three transforms of the length of the
// whole; apart, the square costs two of its own length, and the product by p
// what multiply() would pay for it.
bool squareTimesPays(std::size_t nr, std::size_t np) {
    const double square =
        transformPays(nr, nr) ? transformCost(2 * nr) * 2 / 3 : karatsubaCost(nr, nr);
    const double product =
        transformPays(2 * nr, np) ? transformCost(2 * nr + np) : karatsubaCost(2 * nr, np);
    return nr >= kTransformMinimum &&
           static_cast<double>(nr) * static_cast<double>(np) <= kMaxSquareTimesTerms &&
           transformCost(2 * nr + np) < square + product;
}

// A bump allocator over one block of limbs, handed down the recursion by
// value so that what a call takes is free again when it returns.
class Scratch {
public:
    Scratch(Limb* data, std::size_t size) : data_(data), size_(size) {}
    Limb* take(std::size_t n) {
        assert(n <= size_ && "scratch too small");
        Limb* taken = data_;
        data_ += n;
        size_ -= n;
        return taken;
    }

private:
    Limb* data_;
    std::size_t size_;
};

// Enough scratch for any product whose longer operand has n limbs: each
// Karatsuba level takes 6h limbs with h about n / 2.
std::size_t scratchLimbs(std::size_t n) {
    return 8 * n + 64;
}

// d[0, n) = |x[0, n) - y[0, ny)| with ny <= n; true when x < y. A difference
// is the sum of x and y's complement B^m - 1 - y, plus one, less B^m.
bool absoluteDifference(Limb* d, const Limb* x, std::size_t n, const Limb* y, std::size_t ny) {
    const bool below = compare(LimbSpan(x, n), LimbSpan(y, ny)) < 0;
    const Limb* larger = below ? y : x;
    const Limb* smaller = below ? x : y;
    const Limb carry = storeTerms<1>(
        d, ny, 1, [&](std::size_t i) { return larger[i] + (kLimbBase - 1 - smaller[i]); });
    if (below) {
        std::fill(d + ny, d + n, 0);
    } else {
        std::copy(x + ny, x + n, d + ny);
        borrowFrom(d + ny, n - ny, 1 - carry);
    }
    return below;
}

void multiplyInto(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb,
                  Scratch scratch);

// Adds middle[0, m) into r[0, n) (m <= n), carrying through the rest of r.
void accumulate(Limb* r, std::size_t n, const Limb* middle, std::size_t m) {
    const Limb carry = addInPlace(r, middle, m);
    [[maybe_unused]] const Limb left = carryInto(r + m, n - m, carry);
    assert(left == 0);
}

// Karatsuba's middle term, z0 + z2 -+ dm, added into r[h, n) where r holds
// z0 = r[0, 2h) and z2 = r[2h, n) with n - 2h between h and 2h, and dm the
// product of the halves' differences, 2h limbs. Each limb of the middle and
// the limb of r that it lands on make one term below 4 B: r[h + i] + z0[i] +
// z2[i] + dm[i], or with B - 1 - dm[i] instead of dm[i] when dm is taken
// away, which adds B^2h - 1 - dm: one more at the bottom and one less at r[3h]
// make up the difference.
void addMiddle(Limb* r, std::size_t n, std::size_t h, const Limb* dm, bool productNegative,
               Scratch scratch) {
    const std::size_t n2 = n - 2 * h;
    assert(n2 >= h && n2 <= 2 * h);
    Limb* terms = scratch.take(2 * h);
    const Limb flip = productNegative ? 0 : kLimbBase - 1;
    const Limb sign = productNegative ? 1 : static_cast<Limb>(-1);
    for (std::size_t i = 0; i < n2; ++i) {
        terms[i] = r[i] + r[h + i] + r[2 * h + i] + (flip + sign * dm[i]);
    }
    for (std::size_t i = n2; i < 2 * h; ++i) {
        terms[i] = r[i] + r[h + i] + (flip + sign * dm[i]);
    }
    const Limb carry = storeTerms<3>(r + h, 2 * h, productNegative ? 0 : 1,
                                     [terms](std::size_t i) { return terms[i]; });
    [[maybe_unused]] Limb left = 0;
    if (productNegative || carry > 0) {
        left = carryInto(r + 3 * h, n - 3 * h, carry - (productNegative ? 0 : 1));
    } else {
        left = borrowFrom(r + 3 * h, n - 3 * h, 1);
    }
    assert(left == 0);
}

// Karatsuba for h < nb <= na with h = ceil(na / 2): the low halves have h
// limbs, the high ones na - h and nb - h.
void multiplyKaratsuba(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb,
                       Scratch scratch) {
    checkpoint();
    const std::size_t h = (na + 1) / 2;
    const std::size_t ha = na - h;
    const std::size_t hb = nb - h;
    multiplyInto(r, a, h, b, h, scratch);
    multiplyInto(r + 2 * h, a + h, ha, b + h, hb, scratch);

    Limb* da = scratch.take(h);
    Limb* db = scratch.take(h);
    Limb* dm = scratch.take(2 * h);
    const bool productNegative =
        absoluteDifference(da, a, h, a + h, ha) != absoluteDifference(db, b, h, b + h, hb);
    multiplyInto(dm, da, h, db, h, scratch);
    addMiddle(r, na + nb, h, dm, productNegative, scratch);
}

// A product whose shorter operand is at most half the longer: the longer is
// cut into slices as long as the shorter, each multiplied and added in place.
void multiplyLopsided(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb,
                      Scratch scratch) {
    std::fill(r, r + na + nb, 0);
    Limb* slice = scratch.take(2 * nb);
    ProgressSteps steps(static_cast<std::int64_t>((na + nb - 1) / nb));
    for (std::size_t start = 0; start < na; start += nb) {
        const std::size_t length = std::min(nb, na - start);
        multiplyInto(slice, b, nb, a + start, length, scratch);
        accumulate(r + start, na + nb - start, slice, nb + length);
        steps.advance();
    }
}

// r[0, na + nb) = a * b; r must not overlap a, b or the scratch.
void multiplyInto(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb,
                  Scratch scratch) {
    if (na < nb) {
        std::swap(a, b);
        std::swap(na, nb);
    }
    if (nb < kKaratsubaThreshold) {
        multiplyBasecase(r, a, na, b, nb);
    } else if (nb <= (na + 1) / 2) {
        multiplyLopsided(r, a, na, b, nb, scratch);
    } else {
        multiplyKaratsuba(r, a, na, b, nb, scratch);
    }
}

void squareKaratsuba(Limb* r, const Limb* a, std::size_t n, Scratch scratch);

// r[0, 2n) = a * a; r must not overlap a or the scratch.
void squareInto(Limb* r, const Limb* a, std::size_t n, Scratch scratch) {
    if (n < kKaratsubaSquareThreshold) {
        squareBasecase(r, a, n);
    } else {
        squareKaratsuba(r, a, n, scratch);
    }
}

// Karatsuba on squares for n >= 2: z0 = x0^2, z2 = x1^2 and the middle term
// from (x0 - x1)^2, which is never negative.
void squareKaratsuba(Limb* r, const Limb* a, std::size_t n, Scratch scratch) {
    checkpoint();
    const std::size_t h = (n + 1) / 2;
    const std::size_t high = n - h;
    squareInto(r, a, h, scratch);
    squareInto(r + 2 * h, a + h, high, scratch);
    Limb* d = scratch.take(h);
    Limb* dm = scratch.take(2 * h);
    absoluteDifference(d, a, h, a + h, high);
    squareInto(dm, d, h, scratch);
    addMiddle(r, 2 * n, h, dm, false, scratch);
}

Magnitude finished(Magnitude product) {
    trim(product);
    return product;
}

// The na + nb limbs that `kernel` writes, given where and scratch enough for
// operands of those lengths, without their zero limbs at the top.
template <class Kernel>
Magnitude productOfLengths(std::size_t na, std::size_t nb, const Kernel& kernel) {
    Magnitude product(na + nb);
    std::vector<Limb> scratch(scratchLimbs(std::max(na, nb)));
    kernel(product.data(), Scratch(scratch.data(), scratch.size()));
    return finished(std::move(product));
}

} // namespace

bool transformPays(std::size_t na, std::size_t nb) {
    return std::min(na, nb) >= kTransformMinimum && transformCost(na + nb) < karatsubaCost(na, nb);
}

std::size_t multiplyBytes(std::size_t na, std::size_t nb) {
    if (na == 0 || nb == 0) {
        return 0;
    }
    if (transformPays(na, nb)) {
        return transformProductBytes(na, nb, workerPool().threads());
    }
    const std::size_t scratch = std::min(na, nb) > 1 ? scratchLimbs(std::max(na, nb)) : 0;
    return sizeof(Limb) * (na + nb + 1 + scratch);
}

std::size_t squareBytes(std::size_t n) {
    if (transformPays(n, n)) {
        return transformProductBytes(n, 0, workerPool().threads());
    }
    return multiplyBytes(n, n);
}

Magnitude multiply(LimbSpan a, LimbSpan b) {
    a = trimmed(a);
    b = trimmed(b);
    if (a.empty() || b.empty()) {
        return {};
    }
    if (transformPays(a.size(), b.size())) {
        return finished(multiplyByTransform(a, b));
    }
    if (b.size() == 1) {
        return multiplyBySmall(a, b[0]);
    }
    if (a.size() == 1) {
        return multiplyBySmall(b, a[0]);
    }
    return productOfLengths(a.size(), b.size(), [&](Limb* r, Scratch scratch) {
        multiplyInto(r, a.data(), a.size(), b.data(), b.size(), scratch);
    });
}

Magnitude square(LimbSpan a) {
    a = trimmed(a);
    if (a.empty()) {
        return {};
    }
    if (transformPays(a.size(), a.size())) {
        return finished(squareByTransform(a));
    }
    return productOfLengths(a.size(), a.size(), [&](Limb* r, Scratch scratch) {
        squareInto(r, a.data(), a.size(), scratch);
    });
}

Magnitude multiplySchoolbook(LimbSpan a, LimbSpan b) {
    return productOfLengths(a.size(), b.size(), [&](Limb* r, Scratch) {
        multiplyBasecase(r, a.data(), a.size(), b.data(), b.size());
    });
}

Magnitude squareSchoolbook(LimbSpan a) {
    assert(!a.empty());
    return productOfLengths(a.size(), a.size(),
                            [&](Limb* r, Scratch) { squareBasecase(r, a.data(), a.size()); });
}

Magnitude multiplyByKaratsuba(LimbSpan a, LimbSpan b) {
    if (a.size() < b.size()) {
        std::swap(a, b);
    }
    assert(b.size() > (a.size() + 1) / 2);
    return productOfLengths(a.size(), b.size(), [&](Limb* r, Scratch scratch) {
        multiplyKaratsuba(r, a.data(), a.size(), b.data(), b.size(), scratch);
    });
}

Magnitude squareByKaratsuba(LimbSpan a) {
    assert(a.size() >= 2);
    return productOfLengths(a.size(), a.size(), [&](Limb* r, Scratch scratch) {
        squareKaratsuba(r, a.data(), a.size(), scratch);
    });
}

Magnitude multiplyBySlices(LimbSpan a, LimbSpan b) {
    if (a.size() < b.size()) {
        std::swap(a, b);
    }
    assert(!b.empty() && b.size() <= (a.size() + 1) / 2);
    return productOfLengths(a.size(), b.size(), [&](Limb* r, Scratch scratch) {
        multiplyLopsided(r, a.data(), a.size(), b.data(), b.size(), scratch);
    });
}

Magnitude squareTimes(LimbSpan r, LimbSpan p) {
    r = trimmed(r);
    p = trimmed(p);
    if (r.empty() || p.empty()) {
        return {};
    }
    if (squareTimesPays(r.size(), p.size())) {
        return finished(squareTimesByTransform(r, p));
    }
    return multiply(square(r), p);
}

Magnitude multiplyModBaseMinusOne(LimbSpan a, LimbSpan b, std::size_t n) {
    assert(std::has_single_bit(n));
    a = trimmed(a);
    b = trimmed(b);
    if (a.empty() || b.empty()) {
        return {};
    }
    if (a.size() + b.size() > n && std::min(a.size(), b.size()) >= kTransformMinimum &&
        transformCost(n) < karatsubaCost(a.size(), b.size())) {
        return multiplyCyclicByTransform(a, b, n);
    }
    return reducedModBaseMinusOne(multiply(a, b), n);
}

} // namespace engine::limbs
