// SPDX-License-Identifier: GPL-3.0-or-later
// Number-theoretic transforms: the limbs of each operand are the coefficients
// of a polynomial; the product's coefficients come from a cyclic convolution
// computed modulo two primes p = c * 2^k + 1 below 2^62, where roots of unity
// of every power-of-two order up to 2^k exist. A coefficient is below
// min(na, nb) * 10^18, far below p1 * p2 (about 10^37), so the Chinese
// remainder theorem recovers it exactly; carries then bring it to limbs. A
// product a little longer than a power of two is computed modulo x^n - 1 for
// the power of two n below its length, and what wrapped around is taken back
// with the product of the top limbs alone (cyclicLengths).
//
// Arithmetic modulo p is Montgomery's with R = 2^64. Data stay in ordinary
// form and the roots in Montgomery form, so that one Montgomery product with
// a root is an ordinary product. The forward transform is Gentleman-Sande
// (natural order in, bit-reversed out) and the inverse Cooley-Tukey
// (bit-reversed in, natural out), so no reordering pass is needed.
#include "engine/limbs/ntt.h"

#include "engine/runtime/job_control.h"

#include <array>
#include <bit>
#include <cassert>
#include <vector>

namespace engine::limbs {

namespace {

using u64 = std::uint64_t;
__extension__ typedef unsigned __int128 u128; // a GCC and Clang extension

class Montgomery {
public:
    explicit Montgomery(u64 p) : p_(p), inverse_(inverseModWord(p)), r2_(rSquared(p)) {}

    u64 modulus() const { return p_; }
    // a * b / 2^64 modulo p, for a * b below p * 2^64; the result is below p.
    u64 multiply(u64 a, u64 b) const { return reduce(u128{a} * b); }
    u64 add(u64 a, u64 b) const {
        const u64 sum = a + b;
        return sum >= p_ ? sum - p_ : sum;
    }
    u64 subtract(u64 a, u64 b) const { return a >= b ? a - b : a + p_ - b; }
    // The butterflies keep their values below 2p, not p, which saves a
    // comparison in each step (Harvey's lazy reduction; 4p fits 64 bits).
    // a * b / 2^64 modulo p, in [0, 2p), for a * b below p * 2^64.
    u64 multiplyLazy(u64 a, u64 b) const {
        const u128 t = u128{a} * b;
        const u64 m = static_cast<u64>(t) * inverse_;
        return static_cast<u64>(t >> 64) + p_ - static_cast<u64>((u128{m} * p_) >> 64);
    }
    // A value below 4p brought below 2p.
    u64 belowTwice(u64 a) const { return a >= 2 * p_ ? a - 2 * p_ : a; }
    // a * 2^64 modulo p: the Montgomery form of a.
    u64 toMontgomery(u64 a) const { return multiply(a, r2_); }
    // base^exponent in Montgomery form, for base in Montgomery form.
    u64 power(u64 base, u64 exponent) const {
        u64 result = toMontgomery(1);
        for (; exponent != 0; exponent >>= 1) {
            if ((exponent & 1) != 0) {
                result = multiply(result, base);
            }
            base = multiply(base, base);
        }
        return result;
    }

private:
    // t / 2^64 modulo p: with m = t * p^-1 modulo 2^64, t - m * p is a
    // multiple of 2^64 whose quotient lies between -p and p.
    u64 reduce(u128 t) const {
        const u64 low = static_cast<u64>(t);
        const u64 high = static_cast<u64>(t >> 64);
        const u64 m = low * inverse_;
        const u64 mpHigh = static_cast<u64>((u128{m} * p_) >> 64);
        return high >= mpHigh ? high - mpHigh : high - mpHigh + p_;
    }
    static u64 inverseModWord(u64 p) {
        u64 inverse = p; // right in the lowest 3 bits; each step doubles them
        for (int i = 0; i < 5; ++i) {
            inverse *= 2 - p * inverse;
        }
        return inverse;
    }
    static u64 rSquared(u64 p) {
        const u128 r = (u128{1} << 64) % p;
        return static_cast<u64>(r * r % p);
    }

    u64 p_;
    u64 inverse_;
    u64 r2_;
};

struct Prime {
    u64 p;
    u64 generator; // generates the multiplicative group modulo p
};

// 29 * 2^57 + 1 and 69 * 2^55 + 1.
constexpr Prime kFirstPrime{4179340454199820289ULL, 3};
constexpr Prime kSecondPrime{2485986994308513793ULL, 5};

// The transforms of length n modulo one prime, with their roots of unity:
// roots[j] is w^j for w of order n, in Montgomery form, j below n / 2. A
// stage of blocks of 2 len takes the roots of order 2 len: every
// (n / 2 len)-th of them for the longest blocks, and for blocks up to n / 8
// a table of their own, levels[len + j] = roots[j n / 2 len], whose roots lie
// side by side: read from the long table, each would take a cache line and,
// far apart, a page of its own. The levels cost n / 8 values more.
class Transform {
public:
    Transform(const Montgomery& field, u64 generator, std::size_t n)
        : field_(field), n_(n), roots_(n / 2), levels_(n / 8) {
        const u64 p = field.modulus();
        assert((p - 1) % n == 0);
        if (roots_.empty()) {
            return;
        }
        const u64 w = field.power(field.toMontgomery(generator), (p - 1) / n);
        roots_[0] = field.toMontgomery(1);
        for (std::size_t j = 1; j < roots_.size(); ++j) {
            roots_[j] = field.multiply(roots_[j - 1], w);
        }
        for (std::size_t len = 1; len < levels_.size(); len *= 2) {
            for (std::size_t j = 0; j < len; ++j) {
                levels_[len + j] = roots_[j * (n / (2 * len))];
            }
        }
    }

    // Values below 2p in, below 2p out. The stages whose blocks fit in the
    // cache run block by block: all of them on one block, then the next.
    void forward(u64* x, ProgressSteps& steps) const {
        std::size_t len = n_ / 2;
        for (; len >= 1 && 2 * len > kCacheBlock; len /= 2) {
            forwardStage(x, n_, len);
            steps.advance();
        }
        const std::size_t block = 2 * len;
        for (std::size_t start = 0; len >= 1 && start < n_; start += block) {
            for (std::size_t inner = len; inner >= 1; inner /= 2) {
                forwardStage(x + start, block, inner);
            }
            checkpoint();
        }
        steps.advance(std::bit_width(len));
    }

    // The inverse transform without its division by n, in the same blocks.
    // Values below 2p in, ordinary residues out.
    void inverse(u64* x, ProgressSteps& steps) const {
        const std::size_t block = std::min(n_, kCacheBlock);
        for (std::size_t start = 0; start < n_; start += block) {
            for (std::size_t len = 1; len < block; len *= 2) {
                inverseStage(x + start, block, len);
            }
            checkpoint();
        }
        steps.advance(std::countr_zero(block));
        for (std::size_t len = block; len < n_; len *= 2) {
            inverseStage(x, n_, len);
            steps.advance();
        }
        const u64 p = field_.modulus();
        for (std::size_t k = 0; k < n_; ++k) {
            x[k] = x[k] >= p ? x[k] - p : x[k];
        }
    }

private:
    // The roots of order 2 len: w[j * step] is the j-th.
    struct Roots {
        const u64* w;
        std::size_t step;
    };
    Roots rootsFor(std::size_t len) const {
        if (len < levels_.size()) {
            return {levels_.data() + len, 1};
        }
        return {roots_.data(), n_ / (2 * len)};
    }

    // One stage of Gentleman-Sande butterflies on x[0, size): blocks of 2 len.
    void forwardStage(u64* x, std::size_t size, std::size_t len) const {
        const u64 twiceP = 2 * field_.modulus();
        const auto [w, step] = rootsFor(len);
        for (std::size_t start = 0; start < size; start += 2 * len) {
            u64* low = x + start;
            u64* high = low + len;
            for (std::size_t j = 0; j < len; ++j) {
                const u64 u = low[j];
                const u64 v = high[j];
                low[j] = field_.belowTwice(u + v);
                high[j] = field_.multiplyLazy(u + twiceP - v, w[j * step]);
            }
        }
    }

    // One stage of Cooley-Tukey butterflies on x[0, size); w^-j is
    // -w^(len - j) for w of order 2 len.
    void inverseStage(u64* x, std::size_t size, std::size_t len) const {
        const u64 p = field_.modulus();
        const u64 twiceP = 2 * p;
        const auto [w, step] = rootsFor(len);
        for (std::size_t start = 0; start < size; start += 2 * len) {
            u64* low = x + start;
            u64* high = low + len;
            const u64 u0 = low[0];
            const u64 v0 = high[0];
            low[0] = field_.belowTwice(u0 + v0);
            high[0] = field_.belowTwice(u0 + twiceP - v0);
            for (std::size_t j = 1; j < len; ++j) {
                const u64 u = low[j];
                const u64 v = field_.multiplyLazy(high[j], p - w[(len - j) * step]);
                low[j] = field_.belowTwice(u + v);
                high[j] = field_.belowTwice(u + twiceP - v);
            }
        }
    }

    const Montgomery& field_;
    std::size_t n_;
    std::vector<u64> roots_;
    std::vector<u64> levels_;
};

// The limbs of `value` as coefficients of a polynomial modulo x^n - 1: limbs
// from n on wrap around onto the low ones.
std::vector<u64> coefficients(LimbSpan value, std::size_t n) {
    std::vector<u64> x(n, 0);
    for (std::size_t i = 0; i < value.size(); ++i) {
        x[i % n] += value[i];
    }
    return x;
}

// What a convolution multiplies: a by b, a by itself (b empty), or, with
// `squareA`, a by itself and by b.
struct Factors {
    LimbSpan a;
    LimbSpan b;
    bool squareA;
    int count() const { return b.empty() ? 2 : (squareA ? 3 : 2); }
};

// The cyclic convolution of length n of the factors modulo one prime, as
// ordinary residues: their product modulo x^n - 1.
std::vector<u64> cyclicResidues(const Prime& prime, const Factors& factors, std::size_t n,
                                ProgressSteps& steps) {
    const Montgomery field(prime.p);
    const Transform transform(field, prime.generator, n);
    std::vector<u64> x = coefficients(factors.a, n);
    transform.forward(x.data(), steps);
    // Each pointwise product leaves a factor 2^-64, and the inverse transform
    // a factor n: one more product by n^-1 * 2^(64 m), for m factors, takes
    // them all away (m - 1 products between the factors, one by the scale).
    u64 scale = prime.p - (prime.p - 1) / n;
    for (int i = 0; i < factors.count(); ++i) {
        scale = field.toMontgomery(scale);
    }
    if (factors.b.empty()) {
        for (auto& value : x) {
            value = field.multiply(field.multiply(value, value), scale);
        }
    } else {
        std::vector<u64> y = coefficients(factors.b, n);
        transform.forward(y.data(), steps);
        for (std::size_t k = 0; k < n; ++k) {
            const u64 first = factors.squareA ? field.multiply(x[k], x[k]) : x[k];
            x[k] = field.multiply(field.multiply(first, y[k]), scale);
        }
    }
    transform.inverse(x.data(), steps);
    return x;
}

// A product of na + nb - 1 coefficients computed modulo x^n - 1 for n below
// that count: its coefficients c_n, c_(n+1), ... wrap around onto c_0, c_1,
// ... The products a_i b_j that make them all have i from aStart on and j
// from bStart on, so they are the top coefficients of the product of those
// top limbs alone, which is short when the count is just above n.
struct Wraparound {
    std::size_t aStart;
    std::size_t bStart;
};

Wraparound wraparoundAt(std::size_t na, std::size_t nb, std::size_t n) {
    return {n + 1 > nb ? n + 1 - nb : 0, n + 1 > na ? n + 1 - na : 0};
}

// What transforms of these lengths cost, in butterflies: n log2 n each.
double lengthsCost(const std::vector<std::size_t>& lengths) {
    double cost = 0;
    for (const std::size_t n : lengths) {
        cost += static_cast<double>(n) * static_cast<double>(std::bit_width(n));
    }
    return cost;
}

// The cyclic lengths that a product of na by nb limbs is computed with: the
// power of two that holds its na + nb - 1 coefficients; or the power of two
// below, then those of the product that takes back what wrapped around, when
// the transforms of both cost less. The lengths step by powers of two, so a
// product just longer than one would otherwise cost nearly twice as much.
std::vector<std::size_t> cyclicLengths(std::size_t na, std::size_t nb) {
    const std::size_t terms = na + nb - 1;
    const std::size_t whole = std::bit_ceil(terms);
    const std::size_t lower = whole / 2;
    if (terms == whole || lower < kMinimumWrapLength) {
        return {whole};
    }
    const Wraparound top = wraparoundAt(na, nb, lower);
    std::vector<std::size_t> lengths = cyclicLengths(na - top.aStart, nb - top.bStart);
    lengths.insert(lengths.begin(), lower);
    if (lengthsCost(lengths) >= lengthsCost({whole})) {
        return {whole};
    }
    return lengths;
}

// The residues modulo one prime of the na + nb - 1 coefficients of a * b
// (b empty: of a * a).
std::vector<u64> productResidues(const Prime& prime, LimbSpan a, LimbSpan b, ProgressSteps& steps) {
    const bool squaring = b.empty();
    const std::size_t nb = squaring ? a.size() : b.size();
    const std::size_t terms = a.size() + nb - 1;
    const std::size_t n = cyclicLengths(a.size(), nb).front();
    std::vector<u64> residues = cyclicResidues(prime, {a, b, false}, n, steps);
    residues.resize(terms, 0);
    if (n >= terms) {
        return residues;
    }
    const Wraparound top = wraparoundAt(a.size(), nb, n);
    const std::vector<u64> topResidues = productResidues(
        prime, a.subspan(top.aStart), squaring ? LimbSpan{} : b.subspan(top.bStart), steps);
    const Montgomery field(prime.p);
    const std::size_t offset = n - top.aStart - top.bStart; // where c_n is in topResidues
    for (std::size_t k = 0; k + n < terms; ++k) {
        const u64 wrapped = topResidues[offset + k];
        residues[n + k] = wrapped;
        residues[k] = field.subtract(residues[k], wrapped);
    }
    return residues;
}

// value % kLimbBase, leaving value / kLimbBase in value, by long division on
// 32-bit pieces: each step divides 64 bits by a constant, which the compiler
// turns into a multiplication, where one division of 128 bits is a slow call.
Limb takeLimb(u128& value) {
    u64 rest = 0;
    u128 quotient = 0;
    for (int shift = 96; shift >= 0; shift -= 32) {
        const u64 current = (rest << 32) | static_cast<std::uint32_t>(value >> shift);
        quotient = (quotient << 32) | (current / kLimbBase);
        rest = current % kLimbBase;
    }
    value = quotient;
    return static_cast<Limb>(rest);
}

// The limbs of the product from its coefficients modulo both primes. Each
// piece carries from zero; then the carry out of each goes into the next.
Magnitude recombine(const std::vector<u64>& first, const std::vector<u64>& second,
                    std::size_t limbs, ThreadPool& pool) {
    const Montgomery field(kSecondPrime.p);
    const u128 p1 = kFirstPrime.p;
    // p1^-1 modulo p2 (Fermat: p1^(p2 - 2)), in Montgomery form so that one
    // product applies it.
    const u64 p1Inverse =
        field.power(field.toMontgomery(kFirstPrime.p % kSecondPrime.p), kSecondPrime.p - 2);
    Magnitude product(limbs);
    const std::size_t pieces = limbs >= kPiecewiseRecombine ? pool.threads() : 1;
    const std::size_t piece = (limbs + pieces - 1) / pieces;
    std::vector<u128> carries(pieces, 0);
    pool.run(pieces, [&](std::size_t i) {
        u128 carry = 0;
        for (std::size_t k = i * piece; k < std::min(limbs, (i + 1) * piece); ++k) {
            if (k < first.size()) {
                const u64 r1 = first[k];
                const u64 r1ModP2 = r1 >= kSecondPrime.p ? r1 - kSecondPrime.p : r1;
                const u64 t = field.multiply(field.subtract(second[k], r1ModP2), p1Inverse);
                carry += r1 + p1 * t;
            }
            product[k] = takeLimb(carry);
        }
        carries[i] = carry;
    });
    for (std::size_t i = 1; i < pieces; ++i) {
        u128 carry = carries[i - 1];
        for (std::size_t k = i * piece; k < std::min(limbs, (i + 1) * piece) && carry != 0; ++k) {
            carry += product[k];
            product[k] = takeLimb(carry);
        }
        carries[i] += carry;
    }
    assert(carries.back() == 0);
    return product;
}

// The stages of every transform of a product of na by nb limbs, for each prime.
std::int64_t transformStages(std::size_t na, std::size_t nb, bool squaring) {
    std::int64_t stages = 0;
    for (const std::size_t n : cyclicLengths(na, nb)) {
        stages += (squaring ? 2 : 3) * std::countr_zero(n);
    }
    return 2 * stages;
}

// The limbs of a product whose coefficients `residuesModulo(prime)` gives
// modulo each prime, with transforms of length n. The two primes are
// independent: the pool computes their residues at the same time when it has
// two threads and the transforms are long.
template <class Residues>
Magnitude fromResidues(ThreadPool& pool, std::size_t n, std::size_t limbs,
                       const Residues& residuesModulo) {
    std::array<std::vector<u64>, 2> residues;
    const auto modulo = [&](std::size_t i) {
        residues[i] = residuesModulo(i == 0 ? kFirstPrime : kSecondPrime);
    };
    if (n >= kParallelTransformLength) {
        pool.run(2, modulo);
    } else {
        modulo(0);
        modulo(1);
    }
    return recombine(residues[0], residues[1], limbs, pool);
}

Magnitude transformProduct(LimbSpan a, LimbSpan b, ThreadPool& pool) {
    const std::size_t nb = b.empty() ? a.size() : b.size();
    ProgressSteps steps(transformStages(a.size(), nb, b.empty()));
    return fromResidues(pool, cyclicLengths(a.size(), nb).front(), a.size() + nb,
                        [&](const Prime& prime) { return productResidues(prime, a, b, steps); });
}

// r * r * p in one convolution: the transform of p costs less than a
// separate product of the square by p.
Magnitude squareTimesProduct(LimbSpan r, LimbSpan p, ThreadPool& pool) {
    const std::size_t n = std::bit_ceil(2 * r.size() + p.size() - 2);
    ProgressSteps steps(2 * 3 * std::countr_zero(n));
    return fromResidues(pool, n, 2 * r.size() + p.size(), [&](const Prime& prime) {
        return cyclicResidues(prime, {r, p, true}, n, steps);
    });
}

// The limbs of a * b modulo B^n - 1 before the carries out of the top limb
// wrap around: the n limbs of the cyclic convolution and a few above them
// (each coefficient is below 10^37: the carry out of the last takes at most
// five limbs).
Magnitude cyclicProduct(LimbSpan a, LimbSpan b, std::size_t n, ThreadPool& pool) {
    ProgressSteps steps(2 * 3 * std::countr_zero(n));
    return fromResidues(pool, n, n + 5, [&](const Prime& prime) {
        return cyclicResidues(prime, {a, b, false}, n, steps);
    });
}

} // namespace

Magnitude multiplyCyclicByTransform(LimbSpan a, LimbSpan b, std::size_t n, ThreadPool& pool) {
    assert(!a.empty() && !b.empty() && std::has_single_bit(n));
    return reducedModBaseMinusOne(cyclicProduct(a, b, n, pool), n);
}

Magnitude squareTimesByTransform(LimbSpan r, LimbSpan p, ThreadPool& pool) {
    assert(!r.empty() && !p.empty());
    assert(static_cast<double>(r.size()) * static_cast<double>(p.size()) <= kMaxSquareTimesTerms);
    return squareTimesProduct(r, p, pool);
}

Magnitude multiplyByTransform(LimbSpan a, LimbSpan b, ThreadPool& pool) {
    assert(!a.empty() && !b.empty());
    return transformProduct(a, b, pool);
}

Magnitude squareByTransform(LimbSpan a, ThreadPool& pool) {
    assert(!a.empty());
    return transformProduct(a, {}, pool);
}

} // namespace engine::limbs
