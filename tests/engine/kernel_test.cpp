// The limb kernels against GMP at sizes just below, at and above each of their
// boundaries, on random limbs and on runs of 9s and 0s.
#include "engine/magnitude.h"
#include "oracle.h"

#include <gtest/gtest.h>

namespace {

using engine::detail::Magnitude;

// Sizes in limbs: one limb, 18 rows between two carry passes of schoolbook,
// quotients by reciprocal from 40 limbs, Karatsuba from 80 limbs (112 for
// squares), divisors by reciprocal from 160, lopsided slices, transforms from
// 2,048 limbs and at both ends of a power-of-two length.
const std::size_t boundaryLimbs[] = {1,   2,   17,  18,  19,  39,   40,   41,   79,   80,   81,
                                     111, 112, 113, 159, 161, 2047, 2048, 2049, 4095, 4097, 8191};

std::string digitsOfLimbs(oracle::Operands& operands, std::size_t limbs) {
    const std::size_t length = 9 * limbs - operands.below(9);
    return operands.below(4) == 0 ? oracle::nines(length) : operands.digits(length);
}

TEST(KernelTest, ProductsSquaresAndQuotientsAtEveryBoundary) {
    oracle::Operands operands;
    for (const std::size_t limbs : boundaryLimbs) {
        const std::size_t otherLimbs = std::vector<std::size_t>{
            limbs, (limbs + 1) / 2, limbs / 2 + 1, 1 + operands.below(limbs)}[operands.below(4)];
        const std::string a = digitsOfLimbs(operands, limbs);
        const std::string b = digitsOfLimbs(operands, otherLimbs);
        const mpz_class x(a);
        const mpz_class y(b);
        const Magnitude ma = engine::detail::toMagnitude(a);
        const Magnitude mb = engine::detail::toMagnitude(b);
        ASSERT_EQ(engine::detail::toDigits(engine::detail::multiply(ma, mb)),
                  mpz_class(x * y).get_str())
            << limbs << " x " << otherLimbs << " limbs";
        ASSERT_EQ(engine::detail::toDigits(engine::detail::square(ma)), mpz_class(x * x).get_str())
            << limbs << " limbs squared";

        // k b - 1, k b and k b + 1 over divisors whose top limb is full or is 1.
        const std::size_t low = 9 * ((b.size() - 1) / 9);
        const mpz_class divisor(operands.below(2) == 0 ? b : "1" + b.substr(b.size() - low));
        for (int offset = -1; offset <= 1; ++offset) {
            const mpz_class dividend = x * divisor + offset;
            if (dividend < 0) {
                continue;
            }
            const auto division =
                engine::detail::divide(engine::detail::toMagnitude(dividend.get_str()),
                                       engine::detail::toMagnitude(divisor.get_str()));
            ASSERT_EQ(engine::detail::toDigits(division.quotient),
                      mpz_class(dividend / divisor).get_str())
                << limbs << " limbs, offset " << offset;
            ASSERT_EQ(engine::detail::toDigits(division.remainder),
                      mpz_class(dividend % divisor).get_str())
                << limbs << " limbs, offset " << offset;
        }
    }
}

// u = 3 (B/2) B^2 and v = (B/2) B^2 + B - 1 for B = 10^9: the quotient limb
// estimated from the top limbs is 3, one too many, and only the full
// multiply-and-subtract shows it: the divisor is added back.
TEST(KernelTest, AnEstimateOneTooLargeIsAddedBack) {
    const mpz_class u("1500000000000000000000000000");
    const mpz_class v("500000000000000000999999999");
    const auto division = engine::detail::divide(engine::detail::toMagnitude(u.get_str()),
                                                 engine::detail::toMagnitude(v.get_str()));
    EXPECT_EQ(engine::detail::toDigits(division.quotient), "2");
    EXPECT_EQ(engine::detail::toDigits(division.remainder), mpz_class(u - 2 * v).get_str());
}

} // namespace
