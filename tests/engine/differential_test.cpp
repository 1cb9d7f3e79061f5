// The engine's values against GMP on random operands, plus identities that
// need no oracle.
#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using engine::Text;

class DifferentialTest : public ::testing::Test {
protected:
    std::mt19937_64 random{oracle::testSeed()};

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    }
};

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view withoutMinus(std::string_view text) {
    return text.starts_with('-') ? text.substr(1) : text;
}

// "-" then digits, or digits.
bool isSignedInteger(const Text& text) {
    return allDigits(withoutMinus(text));
}

// A product: an integer part without leading zeros, and a fraction, when
// there is one, that holds a digit other than "0".
bool isProductForm(const Text& text) {
    const std::string_view magnitude = withoutMinus(text);
    const auto point = magnitude.find('.');
    const std::string_view integerPart = magnitude.substr(0, point);
    if (!allDigits(integerPart) || (integerPart.size() > 1 && integerPart.front() == '0')) {
        return false;
    }
    if (point == std::string_view::npos) {
        return true;
    }
    const std::string_view fraction = magnitude.substr(point + 1);
    return allDigits(fraction) && fraction.find_first_not_of('0') != std::string_view::npos;
}

bool hasZerosBehindMinus(const Text& operand) {
    return operand.starts_with("-0") || operand.starts_with("+-0");
}

TEST_F(DifferentialTest, SumsAndDifferencesMatchGmp) {
    const oracle::OperandShape shape{.maxDigits = 5000, .decimals = false, .oddForms = true};
    for (int i = 0; i < 3000; ++i) {
        const Text a = oracle::randomOperand(random, shape);
        const Text b = oracle::randomOperand(random, shape);
        const mpz_class x = oracle::integerValue(a);
        const mpz_class y = oracle::integerValue(b);
        Text first = a;
        Text second = b;
        const Text sum = engine::Plusplus(first, second);
        first = a;
        second = b;
        const Text difference = engine::Moinsmoins(first, second);
        ASSERT_EQ(oracle::integerValue(sum), x + y) << a << " + " << b;
        ASSERT_EQ(oracle::integerValue(difference), x - y) << a << " - " << b;
        ASSERT_TRUE(isSignedInteger(sum)) << sum;
        ASSERT_TRUE(isSignedInteger(difference)) << difference;
        // Leading zeros survive only from an operand that kept them behind "-".
        const bool oddOperand = hasZerosBehindMinus(a) || hasZerosBehindMinus(b);
        const auto unpadded = [](const Text& t) {
            const Text magnitude = t.starts_with('-') ? t.substr(1) : t;
            return magnitude.size() == 1 || magnitude.front() != '0';
        };
        ASSERT_TRUE(oddOperand || unpadded(sum)) << a << " + " << b << " = " << sum;
        ASSERT_TRUE(oddOperand || unpadded(difference)) << a << " - " << b << " = " << difference;
    }
}

TEST_F(DifferentialTest, ProductsMatchGmpAndKeepTheirForm) {
    const oracle::OperandShape shape{.maxDigits = 1500, .decimals = true, .oddForms = true};
    for (int i = 0; i < 1500; ++i) {
        const Text a = oracle::randomOperand(random, shape);
        const Text b = oracle::randomOperand(random, shape);
        Text first = a;
        Text second = b;
        const Text product = engine::Mulmul(first, second);
        const mpq_class expected = oracle::decimalValue(a) * oracle::decimalValue(b);
        ASSERT_TRUE(oracle::decimalValue(product) == expected)
            << a << " x " << b << " = " << product;
        ASSERT_TRUE(isProductForm(product)) << a << " x " << b << " = " << product;
        Text swappedFirst = b;
        Text swappedSecond = a;
        ASSERT_EQ(engine::Mulmul(swappedFirst, swappedSecond), product) << b << " x " << a;
    }
}

// For a quotient q cut after P digits: q = trunc(a / b, P), it has exactly P
// digits after the point unless the division ended, and then its value is
// exact and it ends in the surplus "0".
TEST_F(DifferentialTest, QuotientsAreTruncatedValues) {
    const oracle::OperandShape dividendShape{.maxDigits = 600, .decimals = false, .oddForms = true};
    const oracle::OperandShape divisorShape{.maxDigits = 300, .decimals = false, .oddForms = true};
    for (int i = 0; i < 600; ++i) {
        Text a = oracle::randomOperand(random, dividendShape);
        const Text b = oracle::randomOperand(random, divisorShape);
        if (below(4) == 0) {
            // k * b - 1, k * b and k * b + 1 bring borrows through every digit.
            const mpz_class k = oracle::integerValue(oracle::randomOperand(random, divisorShape));
            const int offset = static_cast<int>(below(3)) - 1;
            a = mpz_class(k * oracle::integerValue(b) + offset).get_str();
        }
        const mpz_class x = oracle::integerValue(a);
        const mpz_class y = oracle::integerValue(b);
        oracle::FakeWindow window;
        window.setPrecision(std::vector<int>{10, 50, 61, 200}[below(4)]);
        Text first = a;
        Text second = b;
        const Text raw = engine::Divdiv(first, second, window);
        if (y == 0) {
            ASSERT_EQ(raw, "Division impossible") << a << " / " << b;
            continue;
        }
        if (x == 0) {
            ASSERT_TRUE(oracle::decimalValue(raw) == 0) << a << " / " << b << " gave " << raw;
            continue;
        }
        const auto precision = static_cast<unsigned long>(window.precision());
        ASSERT_GE(precision, 50u);
        mpz_class scale;
        mpz_ui_pow_ui(scale.get_mpz_t(), 10, precision);
        const mpz_class truncated = mpz_class(x * scale) / y; // mpz division truncates toward zero
        const mpq_class value = oracle::decimalValue(raw);
        mpq_class exact(x, y);
        exact.canonicalize();
        if (mpz_class(truncated * y) == mpz_class(x * scale)) {
            ASSERT_TRUE(value == exact) << a << " / " << b << " gave " << raw;
        } else {
            mpq_class expected(truncated, scale);
            expected.canonicalize();
            ASSERT_TRUE(value == expected) << a << " / " << b << " gave " << raw;
            ASSERT_EQ(engine::Analysesort(raw), static_cast<std::int32_t>(precision)) << raw;
        }
    }
}

TEST_F(DifferentialTest, PowersMatchGmp) {
    for (int i = 0; i < 300; ++i) {
        const oracle::OperandShape shape{.maxDigits = 30, .decimals = false, .oddForms = false};
        Text base = oracle::randomOperand(random, shape);
        if (base.starts_with('-')) {
            base.erase(0, 1);
        }
        const auto exponent = static_cast<std::int32_t>(below(60));
        mpz_class expected;
        mpz_pow_ui(expected.get_mpz_t(), oracle::integerValue(base).get_mpz_t(), exponent);
        Text argument = base;
        const Text power = engine::PuisCalcul(argument, exponent);
        if (exponent == 1) {
            ASSERT_EQ(power, base);
        } else {
            ASSERT_EQ(power, expected.get_str()) << base << " ^ " << exponent;
        }
    }
}

TEST_F(DifferentialTest, DigitPowerSumsMatchGmp) {
    for (int i = 0; i < 200; ++i) {
        Text digits;
        const std::size_t length = 1 + below(300);
        for (std::size_t k = 0; k < length; ++k) {
            digits += static_cast<char>('0' + below(10));
        }
        const unsigned long exponent = below(25);
        mpz_class expected = 0;
        for (const char c : digits) {
            mpz_class power;
            mpz_ui_pow_ui(power.get_mpz_t(), static_cast<unsigned long>(c - '0'), exponent);
            expected += power;
        }
        oracle::FakeWindow window;
        window.fields[engine::Field::Text2] = std::to_string(exponent);
        const Text sum = engine::sommepuis(digits, window);
        if (digits == "0") {
            ASSERT_EQ(sum, "0");
        } else {
            ASSERT_EQ(sum, expected.get_str()) << digits << " with b = " << exponent;
        }
    }
}

} // namespace
