// SPDX-License-Identifier: GPL-3.0-or-later
// The signed procedures against GMP on random operands and on the operands
// that carry and borrow the most, with the identities that need no oracle and
// the rule of what each procedure leaves in its arguments.
#include "engine/engine.h"
#include "engine/limbs/divide.h"
#include "engine/limbs/multiply.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <vector>

namespace {

using engine::Text;

// Lengths either side of the kernels' boundaries, read from the headers that
// name them, so that they straddle the boundaries whatever they become:
// schoolbook rows (kRowsAtOnce at a time, kRowsPerCarry between two carry
// passes), Karatsuba for products and squares, the division's methods, the
// first equal lengths that the transforms take, and the remainders of long
// quotients modulo B^n - 1, whose n doubles past a power of two less three
// divisor limbs (limbs/reciprocal.cpp).
std::vector<std::size_t> boundaryDigits() {
    namespace limbs = engine::limbs;
    std::size_t transforms = limbs::kTransformMinimum;
    while (!limbs::transformPays(transforms, transforms)) {
        ++transforms;
    }
    const std::size_t smallerModulus = std::bit_ceil(limbs::kReciprocalDivisorLimbs + 3) - 3;
    std::vector<std::size_t> digits{1, 8};
    for (const std::size_t boundary :
         {std::size_t{1}, limbs::kRowsAtOnce, limbs::kRowsPerCarry, limbs::kRecursiveDivisionLimbs,
          limbs::kKaratsubaThreshold, limbs::kKaratsubaSquareThreshold,
          limbs::kRecursiveQuotientLimbs, limbs::kRecursiveDivisorLimbs,
          limbs::kReciprocalDivisorLimbs, transforms - 1, smallerModulus,
          limbs::kReciprocalAlwaysLimbs - 1}) {
        for (const std::size_t limbCount : {boundary, boundary + 1}) {
            digits.push_back(9 * limbCount - 1);
            digits.push_back(9 * limbCount);
        }
    }
    return digits;
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An optional "-", then digits without leading zeros ("0" for zero); with
// `fraction`, a point and digits not all zeros may follow.
bool isPlain(std::string_view text, bool fraction = false) {
    text = text.starts_with('-') ? text.substr(1) : text;
    const auto point = fraction ? text.find('.') : std::string_view::npos;
    const std::string_view integer = text.substr(0, point);
    const bool integerPlain =
        !integer.empty() && allDigits(integer) && (integer.size() == 1 || integer[0] != '0');
    if (point == std::string_view::npos) {
        return integerPlain;
    }
    const std::string_view digits = text.substr(point + 1);
    return integerPlain && allDigits(digits) &&
           digits.find_first_not_of('0') != std::string_view::npos;
}

// An argument afterwards holds its value with or without its sign, or its
// magnitude times a power of ten once the product took its point away.
bool holdsItsMagnitude(const Text& before, const Text& after, bool pointMayGo = false) {
    mpq_class ratio = abs(oracle::decimalValue(after));
    const mpq_class was = abs(oracle::decimalValue(before));
    for (int shift = 0; pointMayGo && was != 0 && ratio > was && shift < 1'000'000; ++shift) {
        ratio /= 10;
    }
    return ratio == was && !(pointMayGo && after.starts_with('-'));
}

class DifferentialTest : public ::testing::Test {
protected:
    oracle::Operands operands;

    // Operand pairs: random ones of every scale, and all lengths up to 24.
    std::vector<std::pair<Text, Text>> pairs(std::size_t count, std::size_t maxDigits,
                                             bool decimals) {
        std::vector<std::pair<Text, Text>> result;
        for (std::size_t i = 0; i < count; ++i) {
            result.emplace_back(operands.number(maxDigits, decimals),
                                operands.number(maxDigits, decimals));
        }
        for (std::size_t la = 1; la <= 24; ++la) {
            for (std::size_t lb = 1; lb <= 24; ++lb) {
                result.emplace_back(operands.digits(la), "-" + operands.digits(lb));
            }
        }
        return result;
    }
};

TEST_F(DifferentialTest, SumsAndDifferences) {
    for (const auto& [a, b] : pairs(2000, 3000, false)) {
        Text x = a;
        Text y = b;
        const Text sum = engine::Plusplus(x, y);
        ASSERT_TRUE(oracle::decimalValue(sum) == oracle::decimalValue(a) + oracle::decimalValue(b))
            << a << " + " << b;
        ASSERT_TRUE(holdsItsMagnitude(a, x) && holdsItsMagnitude(b, y)) << a << " + " << b;
        Text back = sum;
        Text subtrahend = b;
        const Text difference = engine::Moinsmoins(back, subtrahend);
        ASSERT_TRUE(oracle::decimalValue(difference) == oracle::decimalValue(a))
            << "(" << a << " + " << b << ") - " << b;
        // Leading zeros survive only from an operand that kept them behind "-".
        const bool zerosBehindMinus = a.starts_with("-0") || b.starts_with("-0");
        ASSERT_TRUE(zerosBehindMinus || (isPlain(sum) && isPlain(difference)))
            << a << " + " << b << " = " << sum << ", minus b: " << difference;
    }
}

TEST_F(DifferentialTest, Products) {
    auto products = pairs(1500, 1500, true);
    for (const std::size_t n : boundaryDigits()) {
        products.emplace_back(oracle::nines(n), oracle::nines(n));
        products.emplace_back(oracle::nines(n), "-" + oracle::nines(n + 1 + operands.below(9)));
        products.emplace_back(oracle::tenToThePlusOne(n), oracle::nines(2 * n + 1));
    }
    for (const auto& [a, b] : products) {
        Text x = a;
        Text y = b;
        const Text product = engine::Mulmul(x, y);
        ASSERT_TRUE(oracle::decimalValue(product) ==
                    oracle::decimalValue(a) * oracle::decimalValue(b))
            << a << " x " << b << " = " << product;
        ASSERT_TRUE(isPlain(product, true)) << a << " x " << b << " = " << product;
        ASSERT_TRUE(holdsItsMagnitude(a, x, true) && holdsItsMagnitude(b, y, true))
            << a << " x " << b << " left " << x << ", " << y;
        Text swappedFirst = b;
        Text swappedSecond = a;
        ASSERT_EQ(engine::Mulmul(swappedFirst, swappedSecond), product) << b << " x " << a;
    }
}

// For a quotient q cut after P digits: q = trunc(a / b, P), with exactly P
// digits after the point unless the division ended, and then its value is
// exact; the remainder |a| - |q b| is below |b| 10^-P.
TEST_F(DifferentialTest, Quotients) {
    auto quotients = pairs(600, 600, false);
    for (const std::size_t n : boundaryDigits()) {
        const Text k = operands.digits(1 + operands.below(2 * n));
        quotients.emplace_back(k + oracle::nines(n), oracle::nines(n));
        quotients.emplace_back(k, oracle::tenToThePlusOne(n));
        const mpz_class b(operands.digits(n));
        const mpz_class multiple = mpz_class(k) * b;
        for (int offset = -1; offset <= 1; ++offset) {
            quotients.emplace_back(mpz_class(multiple + offset).get_str(), b.get_str());
        }
    }
    for (const auto& [a, b] : quotients) {
        const mpz_class x = oracle::decimalValue(a).get_num(); // integers: the denominator is 1
        const mpz_class y = oracle::decimalValue(b).get_num();
        std::int32_t used = std::vector<std::int32_t>{10, 50, 61, 200}[operands.below(4)];
        Text dividend = a;
        Text divisor = b;
        const Text raw = engine::Divdiv(dividend, divisor, used);
        if (y == 0) {
            ASSERT_EQ(raw, "Division impossible") << a << " / " << b;
            continue;
        }
        ASSERT_TRUE(holdsItsMagnitude(a, dividend) && holdsItsMagnitude(b, divisor));
        const auto precision = static_cast<unsigned long>(used);
        ASSERT_TRUE(x == 0 || precision >= 50) << "a zero dividend never reads the precision";
        mpz_class scale;
        mpz_ui_pow_ui(scale.get_mpz_t(), 10, precision);
        const mpz_class truncated = mpz_class(x * scale) / y; // truncates toward zero
        const mpq_class value = oracle::decimalValue(raw);
        const mpq_class exact = mpq_class(x) / y;
        const mpq_class cut = mpq_class(truncated) / scale;
        if (x == 0 || mpz_class(truncated * y) == mpz_class(x * scale)) {
            ASSERT_TRUE(value == exact) << a << " / " << b << " gave " << raw;
        } else {
            ASSERT_TRUE(value == cut) << a << " / " << b << " = " << raw;
            ASSERT_EQ(engine::Analysesort(raw), static_cast<std::int32_t>(precision)) << raw;
            const mpq_class remainder = mpq_class(x) - value * y;
            ASSERT_TRUE(mpq_class(abs(remainder) * scale) < mpq_class(abs(y)));
        }
    }
}

TEST_F(DifferentialTest, PowersFactorialsAndDigitPowerSums) {
    for (int i = 0; i < 200; ++i) {
        const Text base = operands.digits(1 + operands.below(i % 4 == 0 ? 300 : 9));
        const auto exponent = static_cast<std::int32_t>(2 + operands.below(i % 4 == 0 ? 40 : 4000));
        mpz_class expected;
        mpz_pow_ui(expected.get_mpz_t(), mpz_class(base).get_mpz_t(), exponent);
        Text argument = base;
        ASSERT_EQ(engine::PuisCalcul(argument, exponent), expected.get_str())
            << base << " ^ " << exponent;
    }
    // Every n up to 3,000 (a sample under the sanitizers), then random ones.
    std::vector<unsigned long> factorials;
    for (unsigned long n = 0; n <= 3000; n += oracle::kSanitized ? 29 : 1) {
        factorials.push_back(n);
    }
    for (int i = 0; i < (oracle::kSanitized ? 2 : 12); ++i) {
        factorials.push_back(3001 + operands.below(i % 4 == 0 ? 97'000 : 9'000));
    }
    for (const unsigned long n : factorials) {
        mpz_class expected;
        mpz_fac_ui(expected.get_mpz_t(), n);
        ASSERT_EQ(engine::factorial(static_cast<std::int32_t>(n)), expected.get_str()) << n;
    }
    for (int i = 0; i < 100; ++i) {
        const Text digits = operands.digits(1 + operands.below(500));
        const unsigned long exponent = operands.below(30);
        mpz_class expected = 0;
        for (const char c : digits) {
            mpz_class power;
            mpz_ui_pow_ui(power.get_mpz_t(), static_cast<unsigned long>(c - '0'), exponent);
            expected += power;
        }
        ASSERT_EQ(engine::sommepuis(digits, std::to_string(exponent)), expected.get_str())
            << digits << " with b = " << exponent;
    }
}

TEST(AckermannTest, ClosedFormsAndRecursionAgree) {
    for (const auto& [a, b, value] :
         std::initializer_list<std::tuple<Text, Text, Text>>{{"0", "0", "1"},
                                                             {"1", "00", "2"},
                                                             {"2", "007", "17"},
                                                             {"3", "5", "253"},
                                                             {"4", "1", "65533"},
                                                             {"005", "0", "65533"}}) {
        Text m = a;
        Text n = b;
        EXPECT_EQ(engine::ackerman(m, n), value) << "A(" << a << ", " << b << ")";
        EXPECT_EQ(engine::AckerSimple(m = a, n = b), a.size() == 1 ? value : "") << a << ", " << b;
    }
    Text four = "4";
    Text two = "2";
    mpz_class expected;
    mpz_ui_pow_ui(expected.get_mpz_t(), 2, 65536);
    EXPECT_EQ(engine::AckerSimple(four, two), mpz_class(expected - 3).get_str());
    // Either side of the exponent 2, from which three is taken on limbs; below
    // it the power of a negative exponent is the empty text.
    for (const auto& [b, value] :
         {std::pair{"-4", "-3"}, {"-3", "-2"}, {"-2", "-1"}, {"-1", "1"}}) {
        Text three = "3";
        Text negative = b;
        EXPECT_EQ(engine::AckerSimple(three, negative), value) << "A(3, " << b << ")";
    }
}

} // namespace
