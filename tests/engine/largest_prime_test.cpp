// SPDX-License-Identifier: GPL-3.0-or-later
// The largest known prime, 2^136279841 - 1, as a user computes it: the
// power, then the result minus 1. Its 41,024,320 digits are checked against
// GMP through a digest: the value of the text modulo a few numbers of 61
// and 62 bits, which GMP finds from the power itself, without writing its own
// 41 million digits (which takes it several seconds).
#include "engine/operations.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstdint>

namespace {

using engine::Text;

__extension__ typedef unsigned __int128 u128; // a GCC and Clang extension

// The value of a digit text modulo m, nine digits at a time.
std::uint64_t residueOfDigits(const Text& digits, std::uint64_t m) {
    std::uint64_t residue = 0;
    std::size_t i = 0;
    const std::size_t first = digits.size() % 9 == 0 ? 9 : digits.size() % 9;
    for (std::size_t end = first; i < digits.size(); end += 9) {
        std::uint64_t group = 0;
        for (; i < end; ++i) {
            group = group * 10 + static_cast<std::uint64_t>(digits[i] - '0');
        }
        residue = static_cast<std::uint64_t>((u128{residue} * 1'000'000'000 + group) % m);
    }
    return residue;
}

TEST(LargestPrimeTest, TwoToThe136279841MinusOneAgreesWithGmp) {
    namespace operations = engine::operations;
    constexpr unsigned long kExponent = 136'279'841;
    operations::Outcome power = operations::power("2", std::to_string(kExponent));
    operations::Outcome prime =
        operations::difference(std::move(std::get<Text>(power.result)), "1");
    const Text& digits = std::get<Text>(prime.result);

    ASSERT_EQ(digits.size(), 41'024'320U);
    ASSERT_EQ(digits.find_first_not_of("0123456789"), Text::npos);
    EXPECT_EQ(digits.substr(0, 12), "881694327503");
    EXPECT_EQ(digits.substr(digits.size() - 3), "551");
    for (const unsigned long modulus :
         {2305843009213693951UL, 4611686018427387847UL, 3458764513820540927UL}) {
        mpz_class residue;
        mpz_powm_ui(residue.get_mpz_t(), mpz_class(2).get_mpz_t(), kExponent,
                    mpz_class(modulus).get_mpz_t());
        residue = (residue + modulus - 1) % modulus;
        EXPECT_EQ(residueOfDigits(digits, modulus), residue.get_ui()) << "modulo " << modulus;
    }
}

} // namespace
