// SPDX-License-Identifier: GPL-3.0-or-later
// Each kernel of the limb layer called alone, as GMP's tests/mpn check each
// mpn_ function against a plain reference: here GMP's value of the same limbs,
// on random limbs and on those that carry and borrow the most, at lengths
// either side of each threshold of the kernels' headers. Called alone, a fast
// kernel cannot hand its work to a slower one; and the dispatchers are seen
// to reach the kernel that their thresholds name.
#include "engine/limbs/divide.h"
#include "engine/limbs/multiply.h"
#include "engine/limbs/ntt.h"
#include "engine/limbs/short_division.h"
#include "engine/runtime/job_control.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

namespace limbs = engine::limbs;
using limbs::Limb;
using limbs::LimbSpan;
using limbs::Magnitude;

constexpr Limb kMaxLimb = limbs::kLimbBase - 1;
using Lengths = std::initializer_list<std::size_t>;

// Limb i of n for each kind of operand: random; every limb 999999999; a top
// limb of 1 over zeros; runs of zero and of 999999999 limbs inside; zero
// limbs at the top (the kernels take such spans as they come).
using LimbRule = Limb (*)(std::size_t i, std::size_t n, Limb random);
constexpr LimbRule kKinds[] = {
    [](std::size_t, std::size_t, Limb random) { return random; },
    [](std::size_t, std::size_t, Limb) { return kMaxLimb; },
    [](std::size_t i, std::size_t n, Limb) { return Limb{i + 1 == n}; },
    [](std::size_t i, std::size_t, Limb random) {
        return i % 16 < 5 ? 0 : i % 16 < 9 ? kMaxLimb : random;
    },
    [](std::size_t i, std::size_t n, Limb random) { return 4 * i < 3 * n ? random : 0; }};
constexpr std::size_t kKindCount = std::size(kKinds);

// GMP's value of limbs, read from their nine-digit groups without our kernels.
mpz_class value(LimbSpan x) {
    std::string digits = "0";
    for (std::size_t i = x.size(); i-- > 0;) {
        char group[16];
        std::snprintf(group, sizeof group, "%09u", x[i]);
        digits += group;
    }
    return mpz_class(digits, 10);
}

using Product = std::function<Magnitude(LimbSpan, LimbSpan)>;

// A square kernel as a product whose second operand is the first.
Product squareOf(const std::function<Magnitude(LimbSpan)>& square) {
    return [square](LimbSpan a, LimbSpan) { return square(a); };
}

class LimbsTest : public ::testing::Test {
protected:
    oracle::Operands draw;

    Magnitude limbsOf(std::size_t n, std::size_t kind) {
        Magnitude x(n);
        for (std::size_t i = 0; i < n; ++i) {
            x[i] = kKinds[kind](i, n, static_cast<Limb>(draw.below(limbs::kLimbBase)));
        }
        return x;
    }

    // `product` against GMP on operands of na and nb limbs: a of each kind
    // (of `kind` alone when given), b of a random kind; a square's b is a.
    void expectProducts(const char* kernel, const Product& product, std::size_t na, std::size_t nb,
                        bool square = false, std::optional<std::size_t> kind = {}) {
        for (std::size_t k = kind.value_or(0); k < kind.value_or(kKindCount - 1) + 1; ++k) {
            const Magnitude a = limbsOf(na, k);
            const Magnitude b = square ? a : limbsOf(nb, draw.below(kKindCount));
            ASSERT_TRUE(value(product(a, b)) == value(a) * value(b))
                << kernel << " of " << na << " by " << nb << " limbs, kind " << k;
        }
    }
};

TEST_F(LimbsTest, ProductKernels) {
    const std::size_t rows = limbs::kRowsPerCarry;
    const std::size_t atOnce = limbs::kRowsAtOnce;
    const std::size_t kara = limbs::kKaratsubaThreshold;
    const std::size_t karaSquare = limbs::kKaratsubaSquareThreshold;
    // One and two limbs, either side of the rows added at once, of a carry
    // pass and of each Karatsuba threshold.
    for (const std::size_t na :
         Lengths{1, 2, rows - 1, rows, rows + 1, kara - 1, kara, karaSquare}) {
        expectProducts("square by schoolbook", squareOf(limbs::squareSchoolbook), na, na, true);
        for (const std::size_t nb : Lengths{1, 2, atOnce - 1, atOnce, atOnce + 1, rows, rows + 1,
                                            kara - 1, kara, karaSquare - 1}) {
            expectProducts("schoolbook", limbs::multiplySchoolbook, na, nb);
        }
    }
    // Karatsuba's halves either side of each threshold, one and two levels down.
    for (const std::size_t n : Lengths{2, 3, 2 * kara - 1, 2 * kara + 1, 2 * karaSquare - 1,
                                       2 * karaSquare + 1, 4 * kara + 1, 4 * karaSquare}) {
        expectProducts("square by Karatsuba", squareOf(limbs::squareByKaratsuba), n, n, true);
        for (const std::size_t nb : Lengths{n, (n + 1) / 2 + 1}) {
            expectProducts("Karatsuba", limbs::multiplyByKaratsuba, n, nb);
        }
    }
    for (const std::size_t nb : Lengths{1, 2, kara - 1, kara, kara + 1}) {
        for (const std::size_t na : {2 * nb - 1, 2 * nb, 3 * nb + 1}) {
            expectProducts("slices", limbs::multiplyBySlices, na, nb);
        }
    }
}

// The transforms on one thread and on three, for products just below, at and
// past each power of two that a threshold names (wrapping past it, the two
// primes on two threads, then in turn with their stages shared out, stages
// past the cache block, recombination in pieces), lopsided ones too; and the
// texts of such long products.
TEST_F(LimbsTest, TransformKernels) {
    engine::ThreadPool one(1);
    engine::ThreadPool three(3);
    std::vector<std::size_t> lengths{2 * limbs::kMinimumWrapLength, limbs::kParallelTransformLength,
                                     limbs::kPrimesInTurnLength};
    if (!oracle::kSanitized) {
        lengths.insert(lengths.end(), {limbs::kPiecewiseRecombine, 2 * limbs::kCacheBlock});
    }
    std::size_t kind = 0;
    for (const std::size_t length : lengths) {
        // The primes in turn, long to check, once: with the wrapped-around
        // top, on three threads.
        const bool once = length == limbs::kPrimesInTurnLength;
        const mpz_class modulus = value(Magnitude(length, kMaxLimb));
        for (const std::size_t terms :
             {length - 1, length, length + 1 + draw.below(length / 8), length + length / 2}) {
            const std::size_t na = terms / 2 + draw.below(terms / 3);
            const std::size_t nb = terms + 1 - na;
            for (engine::ThreadPool* pool : {&one, &three}) {
                if (once && (terms != length + length / 2 || pool == &one)) {
                    continue;
                }
                kind = (kind + 1) % kKindCount;
                const auto product = [pool](LimbSpan a, LimbSpan b) {
                    return limbs::multiplyByTransform(a, b, *pool);
                };
                expectProducts("transform", product, na, nb, false, kind);
                if (once && oracle::kSanitized) {
                    continue; // the sanitizers see the threads share out one product
                }
                expectProducts("square by transform", squareOf([pool](LimbSpan a) {
                                   return limbs::squareByTransform(a, *pool);
                               }),
                               na, na, true, kind);
                const Magnitude a = limbsOf(na, kind);
                const Magnitude b = limbsOf(nb, draw.below(kKindCount));
                // r * r * p in one transform takes |r| |p| up to kMaxSquareTimesTerms.
                const auto most = static_cast<std::size_t>(limbs::kMaxSquareTimesTerms) / na;
                const Magnitude c =
                    limbsOf(1 + draw.below(std::min(length / 4, most)), draw.below(kKindCount));
                ASSERT_TRUE(value(limbs::squareTimesByTransform(c, a, *pool)) ==
                            value(c) * value(c) * value(a));
                const auto wrapped = limbs::multiplyCyclicByTransform(a, b, length, *pool);
                ASSERT_TRUE(value(wrapped) == mpz_class(value(a) * value(b) % modulus));
                const std::string digits = value(limbs::multiply(a, b)).get_str();
                ASSERT_EQ(limbs::toDigits(limbs::toMagnitude(digits)), digits);
            }
        }
    }
}

// Numerators q d + r for r = 0, d - 1 or random, where an estimated quotient
// is most often a unit off; divisors and quotients either side of the exact
// reciprocal, of each threshold of divide() and of a doubling of the modulus
// B^n - 1 by which a remainder is found; quotients as long as the divisor and
// longer, so that the recursion's pieces cross the length that long division
// finishes, and the reciprocal runs several blocks. The reciprocal must never
// give up.
TEST_F(LimbsTest, QuotientKernels) {
    const std::size_t exact = limbs::kExactReciprocalLimbs;
    const std::size_t recursive = limbs::kRecursiveDivisorLimbs;
    const std::size_t pieces = limbs::kRecursiveQuotientLimbs;
    const std::size_t divisors = limbs::kReciprocalDivisorLimbs;
    const std::size_t quotients = limbs::kReciprocalQuotientLimbs;
    const std::size_t modulus = 2 * limbs::kTransformMinimum; // the remainder's, from nd + 3 limbs
    for (const std::size_t nd : Lengths{1, 2, exact, exact + 1, recursive - 1, recursive,
                                        divisors - 1, divisors, modulus - 3, modulus - 2}) {
        for (const std::size_t nq :
             Lengths{1, 2, pieces - 1, pieces, quotients - 1, quotients, nd + 1, 3 * nd - 1}) {
            Magnitude divisor = limbsOf(nd, draw.below(kKindCount));
            divisor[0] = value(divisor) == 0 ? 1 : divisor[0];
            const mpz_class d = value(divisor);
            const mpz_class q = value(limbsOf(nq, draw.below(kKindCount)));
            for (const mpz_class& r : {mpz_class(0), mpz_class(d - 1), mpz_class(d / 3)}) {
                const mpz_class n = q * d + r;
                const Magnitude numerator = limbs::toMagnitude(n.get_str());
                SCOPED_TRACE(testing::Message() << numerator.size() << " by " << nd << " limbs");
                for (const limbs::Division& division :
                     {limbs::divideSchoolbook(numerator, divisor),
                      limbs::divideRecursive(numerator, divisor)}) {
                    ASSERT_TRUE(value(division.quotient) == q && value(division.remainder) == r);
                }
                if (limbs::trimmed(numerator).size() < limbs::trimmed(divisor).size()) {
                    continue;
                }
                const auto reciprocal = limbs::divideByReciprocal(numerator, divisor);
                ASSERT_TRUE(reciprocal) << "the reciprocal gave up";
                ASSERT_TRUE(value(reciprocal->quotient) == q && value(reciprocal->remainder) == r);
            }
        }
    }
}

// The short division on the text against GMP: dividends of 1 to 30 digits
// followed by zeros enough for the threads to share them out (and a few),
// divisors from 1 to B - 1, the point and the skipped digits anywhere, so
// that both fall inside a group of nine and on its edges.
TEST_F(LimbsTest, ShortDivisionOnTheText) {
    const std::size_t shared = 9 * limbs::kPiecewiseConversion + 17;
    for (const limbs::Limb divisor :
         {limbs::Limb{1}, limbs::Limb{7}, limbs::Limb{100'000'000}, kMaxLimb,
          static_cast<limbs::Limb>(1 + draw.below(kMaxLimb))}) {
        for (const std::size_t zeros : {std::size_t{0}, std::size_t{5}, shared}) {
            const std::string dividend = draw.digits(1 + draw.below(30));
            const std::size_t length = dividend.size() + zeros;
            mpz_class numerator(dividend + std::string(zeros, '0'));
            const mpz_class quotient = numerator / divisor;
            std::string expected = quotient.get_str();
            expected.insert(0, length - expected.size(), '0');
            const std::size_t skip = draw.below(length / 2 + 1);
            const std::size_t point = skip + draw.below(length - skip + 1);
            std::string out(length - skip + 1, '?');
            const limbs::Limb remainder =
                limbs::divideDigitsBySmall(dividend, zeros, divisor, {out.data(), skip, point});
            out[point - skip] = '.';
            expected.insert(point, ".");
            ASSERT_EQ(out, expected.substr(skip))
                << dividend << " and " << zeros << " zeros by " << divisor;
            ASSERT_TRUE(mpz_class(numerator % divisor) == remainder);
        }
    }
}

// What shows which kernel a dispatcher ran: Karatsuba checks for a stop where
// schoolbook does not; the transforms report their passes to the progress,
// Karatsuba nothing; a square's transforms are two per prime, a product's
// three; the reciprocal reports far fewer steps than long division.
TEST_F(LimbsTest, DispatchersReachTheKernelsTheirThresholdsName) {
    struct Seen {
        bool stops;
        std::int64_t steps;
    };
    const auto seen = [](const std::function<void()>& work) {
        engine::JobControl control;
        const engine::JobScope scope(control);
        work();
        const Seen shown{false, control.stepsTotal};
        control.stopRequested = true;
        try {
            work();
        } catch (const engine::Cancelled&) {
            return Seen{true, shown.steps};
        }
        return shown;
    };
    std::size_t transform = limbs::kTransformMinimum;
    while (!limbs::transformPays(transform, transform)) {
        ++transform;
    }
    const std::size_t kara = limbs::kKaratsubaThreshold;
    const std::size_t karaSquare = limbs::kKaratsubaSquareThreshold;
    for (const std::size_t n :
         {kara - 1, kara, karaSquare - 1, karaSquare, transform - 1, transform}) {
        const Magnitude a = limbsOf(n, 0);
        const Magnitude b = limbsOf(n, 0);
        const Seen product = seen([&] { limbs::multiply(a, b); });
        const Seen square = seen([&] { limbs::square(a); });
        EXPECT_EQ(product.stops, n >= kara) << n;
        EXPECT_EQ(square.stops, n >= karaSquare) << n;
        EXPECT_EQ(product.steps > 0, n >= transform) << n;
        EXPECT_EQ(square.steps * 3, product.steps * 2) << n;
    }
    // Long division reports a step per limb of the quotient; the reciprocal
    // one per Newton step and one per block as long as the divisor.
    const std::size_t divisors = limbs::kReciprocalDivisorLimbs;
    const std::size_t quotients = limbs::kReciprocalQuotientLimbs;
    for (const auto& [nd, nq] :
         {std::pair{divisors - 1, quotients}, std::pair{divisors, quotients - 1},
          std::pair{divisors, quotients}}) {
        const Magnitude numerator = limbsOf(nd + nq, 0);
        const Magnitude divisor = limbsOf(nd, 0);
        const Seen quotient = seen([&] { limbs::divide(numerator, divisor); });
        EXPECT_EQ(quotient.steps < static_cast<std::int64_t>(quotients),
                  nd == divisors && nq == quotients)
            << nd << ", " << nq;
    }
}

} // namespace
