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
#include <memory>
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

// Transform values: a buffer left unwritten when it is made, since every
// use writes it before reading it (a pass that zeroes hundreds of megabytes
// costs as much as one stage), and kept between uses, so that the two
// primes' transforms take turns in the same memory.
class Values {
public:
    u64* data() { return data_.get(); }
    const u64* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    u64& operator[](std::size_t k) { return data_[k]; }
    const u64& operator[](std::size_t k) const { return data_[k]; }

    // `size` values, room for `capacity`; what they hold is undefined.
    void resize(std::size_t size, std::size_t capacity) {
        if (capacity > capacity_) {
            data_.reset();
            data_ = std::make_unique_for_overwrite<u64[]>(capacity);
            capacity_ = capacity;
        }
        size_ = size;
    }
    void resize(std::size_t size) { resize(size, size); }

private:
    std::unique_ptr<u64[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The transforms of length n modulo one prime, split into `pieces` tasks on
// the pool at every stage (one piece: all on the calling thread). The stages
// whose blocks of 2 len values fit in the cache take the roots of order
// 2 len from one table, levels[len + j] = w^(j n / 2 len) for w of order n
// (Montgomery form), whose roots lie side by side; it holds as many values
// as a cache block. The longer stages, which stream the whole array through
// memory, work out their roots in chunks, each root the product of one of a
// chunk's length of consecutive roots by the root where the chunk starts:
// one product more per butterfly on those stages, where a table of n / 2
// roots would cost half the array's memory and a sequential pass to fill.
class Transform {
public:
    Transform(const Montgomery& field, u64 generator, std::size_t n, ThreadPool& pool,
              std::size_t pieces)
        : field_(field), n_(n), pool_(pool), pieces_(pieces),
          w_(field.power(field.toMontgomery(generator), (field.modulus() - 1) / n)),
          levels_(std::min(n, kCacheBlock)) {
        assert((field.modulus() - 1) % n == 0);
        for (std::size_t len = 1; 2 * len <= levels_.size(); len *= 2) {
            fillRoots(levels_.data() + len, rootOfOrder(2 * len), len);
        }
    }

    // Values below 2p in, below 2p out. The long stages run one after the
    // other over the whole array; then the stages whose blocks fit in the
    // cache run block by block: all of them on one block, then the next.
    void forward(u64* x, ProgressSteps& steps) const {
        std::size_t len = n_ / 2;
        for (; len >= 1 && 2 * len > kCacheBlock; len /= 2) {
            longStage(x, len, false);
            steps.advance();
        }
        if (len >= 1) { // a transform of length 1 changes nothing
            const std::size_t block = 2 * len;
            inBlocks(block, [&](std::size_t start) {
                for (std::size_t inner = len; inner >= 1; inner /= 2) {
                    forwardStage(x + start, block, inner);
                }
            });
        }
        steps.advance(std::bit_width(len));
    }

    // The inverse transform without its division by n, in the same blocks.
    // Values below 2p in, ordinary residues out.
    void inverse(u64* x, ProgressSteps& steps) const {
        const std::size_t block = std::min(n_, kCacheBlock);
        inBlocks(block, [&](std::size_t start) {
            for (std::size_t len = 1; len < block; len *= 2) {
                inverseStage(x + start, block, len);
            }
        });
        steps.advance(std::countr_zero(block));
        for (std::size_t len = block; len < n_; len *= 2) {
            longStage(x, len, true);
            steps.advance();
        }
        const u64 p = field_.modulus();
        inPieces(n_, [&](std::size_t begin, std::size_t end) {
            for (std::size_t k = begin; k < end; ++k) {
                x[k] = x[k] >= p ? x[k] - p : x[k];
            }
        });
    }

    // work(begin, end) over ranges that cover [0, count), one per piece.
    template <class Work> void inPieces(std::size_t count, const Work& work) const {
        pool_.runInPieces(pieces_, count, work);
    }

private:
    // Long stages work out this many roots at a time.
    static constexpr std::size_t kRootChunk = 2048;

    // A root of unity of order `order` (a power of two dividing n).
    u64 rootOfOrder(std::size_t order) const { return field_.power(w_, n_ / order); }

    // roots[j] = root^j for j below count.
    void fillRoots(u64* roots, u64 root, std::size_t count) const {
        u64 power = field_.toMontgomery(1);
        for (std::size_t j = 0; j < count; ++j) {
            roots[j] = power;
            power = field_.multiply(power, root);
        }
    }

    // work(start) for each block of `block` values, the blocks shared out
    // between the pieces.
    template <class Work> void inBlocks(std::size_t block, const Work& work) const {
        pool_.runInPieces(pieces_, n_ / block, [&](std::size_t first, std::size_t last) {
            for (std::size_t b = first; b < last; ++b) {
                work(b * block);
                checkpoint();
            }
        });
    }

    // One stage of blocks of 2 len over the whole array, forward (w the
    // root of order 2 len) or inverse (its inverse), the len butterflies of
    // a block shared out between the pieces in chunks of roots.
    void longStage(u64* x, std::size_t len, bool inverse) const {
        const u64 root = rootOfOrder(2 * len);
        const u64 step = inverse ? field_.power(root, 2 * len - 1) : root;
        const std::size_t chunk = std::min(len, kRootChunk);
        std::vector<u64> firstRoots(chunk);
        fillRoots(firstRoots.data(), step, chunk);
        const u64 chunkStep = field_.power(step, chunk);
        inPieces(len / chunk, [&](std::size_t first, std::size_t last) {
            std::vector<u64> roots(chunk);
            u64 chunkRoot = field_.power(chunkStep, first);
            for (std::size_t c = first; c < last; ++c) {
                for (std::size_t j = 0; j < chunk; ++j) {
                    roots[j] = field_.multiply(chunkRoot, firstRoots[j]);
                }
                chunkRoot = field_.multiply(chunkRoot, chunkStep);
                for (std::size_t start = 0; start < n_; start += 2 * len) {
                    u64* low = x + start + c * chunk;
                    if (inverse) {
                        inverseButterflies(low, low + len, roots.data(), chunk);
                    } else {
                        forwardButterflies(low, low + len, roots.data(), chunk);
                    }
                }
                checkpoint();
            }
        });
    }

    // Gentleman-Sande butterflies: low[j], high[j] become low[j] + high[j]
    // and (low[j] - high[j]) roots[j].
    void forwardButterflies(u64* low, u64* high, const u64* roots, std::size_t count) const {
        const u64 twiceP = 2 * field_.modulus();
        for (std::size_t j = 0; j < count; ++j) {
            const u64 u = low[j];
            const u64 v = high[j];
            low[j] = field_.belowTwice(u + v);
            high[j] = field_.multiplyLazy(u + twiceP - v, roots[j]);
        }
    }

    // Cooley-Tukey butterflies: low[j], high[j] become low[j] + high[j]
    // roots[j] and low[j] - high[j] roots[j].
    void inverseButterflies(u64* low, u64* high, const u64* roots, std::size_t count) const {
        const u64 twiceP = 2 * field_.modulus();
        for (std::size_t j = 0; j < count; ++j) {
            const u64 u = low[j];
            const u64 v = field_.multiplyLazy(high[j], roots[j]);
            low[j] = field_.belowTwice(u + v);
            high[j] = field_.belowTwice(u + twiceP - v);
        }
    }

    // One stage of Gentleman-Sande butterflies on x[0, size): blocks of 2 len.
    void forwardStage(u64* x, std::size_t size, std::size_t len) const {
        const u64* w = levels_.data() + len;
        for (std::size_t start = 0; start < size; start += 2 * len) {
            forwardButterflies(x + start, x + start + len, w, len);
        }
    }

    // One stage of Cooley-Tukey butterflies on x[0, size); w^-j is
    // -w^(len - j) for w of order 2 len.
    void inverseStage(u64* x, std::size_t size, std::size_t len) const {
        const u64 p = field_.modulus();
        const u64 twiceP = 2 * p;
        const u64* w = levels_.data() + len;
        for (std::size_t start = 0; start < size; start += 2 * len) {
            u64* low = x + start;
            u64* high = low + len;
            const u64 u0 = low[0];
            const u64 v0 = high[0];
            low[0] = field_.belowTwice(u0 + v0);
            high[0] = field_.belowTwice(u0 + twiceP - v0);
            for (std::size_t j = 1; j < len; ++j) {
                const u64 u = low[j];
                const u64 v = field_.multiplyLazy(high[j], p - w[len - j]);
                low[j] = field_.belowTwice(u + v);
                high[j] = field_.belowTwice(u + twiceP - v);
            }
        }
    }

    const Montgomery& field_;
    std::size_t n_;
    ThreadPool& pool_;
    std::size_t pieces_;
    u64 w_; // of order n, Montgomery form
    std::vector<u64> levels_;
};

// Into x: the limbs of `value` as coefficients of a polynomial modulo
// x^n - 1, limbs from n on wrapped around onto the low ones; room for
// `capacity` values.
void loadCoefficients(Values& x, LimbSpan value, std::size_t n, std::size_t capacity,
                      const Transform& transform) {
    x.resize(n, std::max(n, capacity));
    transform.inPieces(n, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            u64 sum = 0;
            for (std::size_t k = i; k < value.size(); k += n) {
                sum += value[k];
            }
            x[i] = sum;
        }
    });
}

// What a convolution multiplies: a by b, a by itself (b empty), or, with
// `squareA`, a by itself and by b.
struct Factors {
    LimbSpan a;
    LimbSpan b;
    bool squareA;
    int count() const { return b.empty() ? 2 : (squareA ? 3 : 2); }
};

// How the transforms of one prime run: split into `pieces` on the pool, and
// with `spare`, a buffer for the second factor's transform that the other
// prime's turn may use again.
struct Turn {
    ThreadPool& pool;
    std::size_t pieces;
    Values& spare;
};

// The cyclic convolution of length n of the factors modulo one prime, as
// ordinary residues: their product modulo x^n - 1, in a buffer with room
// for `capacity` values.
Values cyclicResidues(const Prime& prime, const Factors& factors, std::size_t n,
                      std::size_t capacity, const Turn& turn, ProgressSteps& steps) {
    const Montgomery field(prime.p);
    const Transform transform(field, prime.generator, n, turn.pool, turn.pieces);
    Values x;
    loadCoefficients(x, factors.a, n, capacity, transform);
    transform.forward(x.data(), steps);
    // Each pointwise product leaves a factor 2^-64, and the inverse transform
    // a factor n: one more product by n^-1 * 2^(64 m), for m factors, takes
    // them all away (m - 1 products between the factors, one by the scale).
    u64 scale = prime.p - (prime.p - 1) / n;
    for (int i = 0; i < factors.count(); ++i) {
        scale = field.toMontgomery(scale);
    }
    if (factors.b.empty()) {
        transform.inPieces(n, [&](std::size_t begin, std::size_t end) {
            for (std::size_t k = begin; k < end; ++k) {
                x[k] = field.multiply(field.multiply(x[k], x[k]), scale);
            }
        });
    } else {
        Values& y = turn.spare;
        loadCoefficients(y, factors.b, n, n, transform);
        transform.forward(y.data(), steps);
        transform.inPieces(n, [&](std::size_t begin, std::size_t end) {
            for (std::size_t k = begin; k < end; ++k) {
                const u64 first = factors.squareA ? field.multiply(x[k], x[k]) : x[k];
                x[k] = field.multiply(field.multiply(first, y[k]), scale);
            }
        });
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
// (b empty: of a * a); past them, when the transform is longer, zeros.
Values productResidues(const Prime& prime, LimbSpan a, LimbSpan b, const Turn& turn,
                       ProgressSteps& steps) {
    const bool squaring = b.empty();
    const std::size_t nb = squaring ? a.size() : b.size();
    const std::size_t terms = a.size() + nb - 1;
    const std::size_t n = cyclicLengths(a.size(), nb).front();
    Values residues = cyclicResidues(prime, {a, b, false}, n, terms, turn, steps);
    if (n >= terms) {
        return residues;
    }
    residues.resize(terms);
    const Wraparound top = wraparoundAt(a.size(), nb, n);
    const Values topResidues = productResidues(
        prime, a.subspan(top.aStart), squaring ? LimbSpan{} : b.subspan(top.bStart), turn, steps);
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
Magnitude recombine(const Values& first, const Values& second, std::size_t limbs,
                    ThreadPool& pool) {
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

// True when the two primes' transforms of length n run at the same time.
bool primesTogether(std::size_t n, std::size_t threads) {
    return threads >= 2 && n >= kParallelTransformLength && n < kPrimesInTurnLength;
}

// The limbs of a product whose coefficients `residuesModulo(prime, turn)`
// gives modulo each prime, with transforms of length n. The two primes are
// independent. Long transforms take turns, each shared out between the
// pool's threads stage by stage, and the second prime's uses the first's
// buffer again: at the same time, the two would hold twice the memory for
// no more speed. Shorter ones run at the same time on two threads, where
// sharing out each stage would cost more than it gains; the shortest, and
// all on one thread, take turns on the calling thread.
template <class Residues>
Magnitude fromResidues(ThreadPool& pool, std::size_t n, std::size_t limbs,
                       const Residues& residuesModulo) {
    std::array<Values, 2> residues;
    if (primesTogether(n, pool.threads())) {
        std::array<Values, 2> spares;
        pool.run(2, [&](std::size_t i) {
            residues[i] =
                residuesModulo(i == 0 ? kFirstPrime : kSecondPrime, Turn{pool, 1, spares[i]});
        });
    } else {
        Values spare;
        const Turn turn{pool, n >= kPrimesInTurnLength ? pool.threads() : 1, spare};
        residues[0] = residuesModulo(kFirstPrime, turn);
        residues[1] = residuesModulo(kSecondPrime, turn);
    }
    return recombine(residues[0], residues[1], limbs, pool);
}

Magnitude transformProduct(LimbSpan a, LimbSpan b, ThreadPool& pool) {
    const std::size_t nb = b.empty() ? a.size() : b.size();
    ProgressSteps steps(transformStages(a.size(), nb, b.empty()));
    return fromResidues(pool, cyclicLengths(a.size(), nb).front(), a.size() + nb,
                        [&](const Prime& prime, const Turn& turn) {
                            return productResidues(prime, a, b, turn, steps);
                        });
}

// r * r * p in one convolution: the transform of p costs less than a
// separate product of the square by p.
Magnitude squareTimesProduct(LimbSpan r, LimbSpan p, ThreadPool& pool) {
    const std::size_t n = std::bit_ceil(2 * r.size() + p.size() - 2);
    ProgressSteps steps(2 * 3 * std::countr_zero(n));
    return fromResidues(pool, n, 2 * r.size() + p.size(),
                        [&](const Prime& prime, const Turn& turn) {
                            return cyclicResidues(prime, {r, p, true}, n, n, turn, steps);
                        });
}

// The limbs of a * b modulo B^n - 1 before the carries out of the top limb
// wrap around: the n limbs of the cyclic convolution and a few above them
// (each coefficient is below 10^37: the carry out of the last takes at most
// five limbs).
Magnitude cyclicProduct(LimbSpan a, LimbSpan b, std::size_t n, ThreadPool& pool) {
    ProgressSteps steps(2 * 3 * std::countr_zero(n));
    return fromResidues(pool, n, n + 5, [&](const Prime& prime, const Turn& turn) {
        return cyclicResidues(prime, {a, b, false}, n, n, turn, steps);
    });
}

// The bytes of transform values that productResidues holds at once for one
// prime, the buffer of the second factor aside: its residues, and the top
// product's while both are held.
std::size_t residuesBytes(std::size_t na, std::size_t nb) {
    const std::size_t terms = na + nb - 1;
    const std::size_t n = cyclicLengths(na, nb).front();
    std::size_t bytes = sizeof(u64) * std::max(n, terms);
    if (n < terms) {
        const Wraparound top = wraparoundAt(na, nb, n);
        bytes += residuesBytes(na - top.aStart, nb - top.bStart);
    }
    return bytes;
}

} // namespace

std::size_t transformProductBytes(std::size_t na, std::size_t nb, std::size_t threads) {
    const bool squaring = nb == 0;
    nb = squaring ? na : nb;
    const std::size_t terms = na + nb - 1;
    const std::size_t n = cyclicLengths(na, nb).front();
    // The chunks of roots of each piece and the table of the short stages.
    const std::size_t tables = sizeof(u64) * (kCacheBlock + 4096 * (threads + 1));
    const std::size_t spare = squaring ? 0 : sizeof(u64) * n;
    const std::size_t oneTurn = residuesBytes(na, nb) + spare + tables;
    const std::size_t turns =
        primesTogether(n, threads) ? 2 * oneTurn : sizeof(u64) * std::max(n, terms) + oneTurn;
    const std::size_t recombining =
        2 * sizeof(u64) * std::max(n, terms) + sizeof(Limb) * (na + nb) + 64 * threads;
    return std::max(turns, recombining);
}

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
