// Number-theoretic transforms: the limbs of each operand are the coefficients
// of a polynomial; the product's coefficients come from a cyclic convolution
// computed modulo two primes p = c * 2^k + 1 below 2^62, where roots of unity
// of every power-of-two order up to 2^k exist. A coefficient is below
// min(na, nb) * 10^18, far below p1 * p2 (about 10^37), so the Chinese
// remainder theorem recovers it exactly; carries then bring it to limbs.
//
// Arithmetic modulo p is Montgomery's with R = 2^64. Data stay in ordinary
// form and the roots in Montgomery form, so that one Montgomery product with
// a root is an ordinary product. The forward transform is Gentleman-Sande
// (natural order in, bit-reversed out) and the inverse Cooley-Tukey
// (bit-reversed in, natural out), so no reordering pass is needed.
#include "engine/limbs/ntt.h"

#include "engine/progress.h"

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
// roots[len + j] is w^j for w of order 2 * len, in Montgomery form.
class Transform {
public:
    Transform(const Montgomery& field, u64 generator, std::size_t n)
        : field_(field), n_(n), roots_(n) {
        const u64 p = field.modulus();
        assert((p - 1) % n == 0);
        const std::size_t top = n / 2;
        if (top == 0) {
            return;
        }
        const u64 w = field.power(field.toMontgomery(generator), (p - 1) / n);
        roots_[top] = field.toMontgomery(1);
        for (std::size_t j = 1; j < top; ++j) {
            roots_[top + j] = field.multiply(roots_[top + j - 1], w);
        }
        for (std::size_t len = top / 2; len >= 1; len /= 2) {
            for (std::size_t j = 0; j < len; ++j) {
                roots_[len + j] = roots_[2 * (len + j)];
            }
        }
    }

    void forward(u64* x, ProgressSteps& steps) const {
        for (std::size_t len = n_ / 2; len >= 1; len /= 2) {
            for (std::size_t start = 0; start < n_; start += 2 * len) {
                u64* low = x + start;
                u64* high = low + len;
                const u64* w = roots_.data() + len;
                for (std::size_t j = 0; j < len; ++j) {
                    const u64 u = low[j];
                    const u64 v = high[j];
                    low[j] = field_.add(u, v);
                    high[j] = field_.multiply(field_.subtract(u, v), w[j]);
                }
            }
            steps.advance();
        }
    }

    // The inverse transform without its division by n; w^-j is -w^(len - j).
    void inverse(u64* x, ProgressSteps& steps) const {
        const u64 p = field_.modulus();
        for (std::size_t len = 1; len < n_; len *= 2) {
            const u64* w = roots_.data() + len;
            for (std::size_t start = 0; start < n_; start += 2 * len) {
                u64* low = x + start;
                u64* high = low + len;
                const u64 u0 = low[0];
                low[0] = field_.add(u0, high[0]);
                high[0] = field_.subtract(u0, high[0]);
                for (std::size_t j = 1; j < len; ++j) {
                    const u64 u = low[j];
                    const u64 v = field_.multiply(high[j], p - w[len - j]);
                    low[j] = field_.add(u, v);
                    high[j] = field_.subtract(u, v);
                }
            }
            steps.advance();
        }
    }

private:
    const Montgomery& field_;
    std::size_t n_;
    std::vector<u64> roots_;
};

std::vector<u64> coefficients(LimbSpan value, std::size_t n) {
    std::vector<u64> x(n, 0);
    std::copy(value.begin(), value.end(), x.begin());
    return x;
}

// The cyclic convolution of a and b (b empty: of a with itself) modulo one
// prime, as ordinary residues.
std::vector<u64> convolve(const Prime& prime, LimbSpan a, LimbSpan b, std::size_t n,
                          ProgressSteps& steps) {
    const Montgomery field(prime.p);
    const Transform transform(field, prime.generator, n);
    std::vector<u64> x = coefficients(a, n);
    transform.forward(x.data(), steps);
    // Each pointwise product leaves a factor 2^-64, and the inverse transform
    // a factor n: one more product by n^-1 * 2^128 (twice in Montgomery form)
    // takes both away.
    const u64 nInverse = prime.p - (prime.p - 1) / n;
    const u64 scale = field.toMontgomery(field.toMontgomery(nInverse));
    if (b.empty()) {
        for (auto& value : x) {
            value = field.multiply(field.multiply(value, value), scale);
        }
    } else {
        std::vector<u64> y = coefficients(b, n);
        transform.forward(y.data(), steps);
        for (std::size_t k = 0; k < n; ++k) {
            x[k] = field.multiply(field.multiply(x[k], y[k]), scale);
        }
    }
    transform.inverse(x.data(), steps);
    return x;
}

// The limbs of the product from its coefficients modulo both primes.
Magnitude recombine(const std::vector<u64>& first, const std::vector<u64>& second,
                    std::size_t limbs) {
    const Montgomery field(kSecondPrime.p);
    const u128 p1 = kFirstPrime.p;
    // p1^-1 modulo p2 (Fermat: p1^(p2 - 2)), in Montgomery form so that one
    // product applies it.
    const u64 p1Inverse =
        field.power(field.toMontgomery(kFirstPrime.p % kSecondPrime.p), kSecondPrime.p - 2);
    Magnitude product(limbs);
    u128 carry = 0;
    for (std::size_t k = 0; k < limbs; ++k) {
        u128 value = carry;
        if (k < first.size()) {
            const u64 r1 = first[k];
            const u64 r1ModP2 = r1 >= kSecondPrime.p ? r1 - kSecondPrime.p : r1;
            const u64 t = field.multiply(field.subtract(second[k], r1ModP2), p1Inverse);
            value += r1 + p1 * t;
        }
        const u128 quotient = value / kLimbBase;
        product[k] = static_cast<Limb>(value - quotient * kLimbBase);
        carry = quotient;
    }
    assert(carry == 0);
    return product;
}

std::size_t transformLength(std::size_t productLimbs) {
    return std::bit_ceil(productLimbs);
}

Magnitude transformProduct(LimbSpan a, LimbSpan b, std::size_t productLimbs) {
    const std::size_t n = transformLength(productLimbs);
    const auto stages = static_cast<std::int64_t>(std::countr_zero(n));
    const std::int64_t transforms = b.empty() ? 2 : 3;
    ProgressSteps steps(2 * transforms * stages);
    const std::vector<u64> first = convolve(kFirstPrime, a, b, n, steps);
    const std::vector<u64> second = convolve(kSecondPrime, a, b, n, steps);
    return recombine(first, second, productLimbs);
}

} // namespace

Magnitude multiplyByTransform(LimbSpan a, LimbSpan b) {
    assert(!a.empty() && !b.empty());
    return transformProduct(a, b, a.size() + b.size());
}

Magnitude squareByTransform(LimbSpan a) {
    assert(!a.empty());
    return transformProduct(a, {}, 2 * a.size());
}

} // namespace engine::limbs
