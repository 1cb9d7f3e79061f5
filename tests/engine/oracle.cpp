#include "oracle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace oracle {

void expectTwoTextCase(engine::Text (*procedure)(engine::Text&, engine::Text&),
                       const TwoTextCase& c) {
    engine::Text first = c.first;
    engine::Text second = c.second;
    const std::string operands = "'" + c.first + "', '" + c.second + "'";
    EXPECT_EQ(procedure(first, second), c.expected) << operands;
    EXPECT_EQ(first, c.firstAfter) << "first argument after " << operands;
    EXPECT_EQ(second, c.secondAfter) << "second argument after " << operands;
}

mpq_class decimalValue(const std::string& text) {
    std::string digits;
    std::size_t decimals = 0;
    bool negative = false;
    bool afterPoint = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == 0 && (c == '-' || c == '+')) {
            negative = c == '-';
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c >= '0' && c <= '9') {
            digits += c;
            decimals += afterPoint ? 1 : 0;
        } else {
            throw std::invalid_argument("not a number text: " + text);
        }
    }
    mpz_class numerator(digits.empty() ? "0" : digits, 10);
    mpz_class denominator;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, decimals);
    mpq_class value(negative ? mpz_class(-numerator) : numerator, denominator);
    value.canonicalize();
    return value;
}

mpz_class integerValue(const std::string& text) {
    const mpq_class value = decimalValue(text);
    if (value.get_den() != 1) {
        throw std::invalid_argument("not an integer: " + text);
    }
    return value.get_num();
}

std::uint64_t testSeed() {
    static const std::uint64_t seed = [] {
        if (const char* fixed = std::getenv("CALC_TEST_SEED")) {
            return static_cast<std::uint64_t>(std::strtoull(fixed, nullptr, 10));
        }
        return static_cast<std::uint64_t>(std::random_device{}());
    }();
    std::cout << "[ random seed ] CALC_TEST_SEED=" << seed << std::endl;
    return seed;
}

std::string randomOperand(std::mt19937_64& random, const OperandShape& shape) {
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    if (shape.oddForms) {
        switch (pick(40)) {
        case 0:
            return "";
        case 1:
            return "-0";
        case 2:
            return "0";
        default:
            break;
        }
    }
    // Lengths spread over every scale: many short operands, some long ones.
    const std::size_t scale = pick(4);
    const std::size_t limit = scale == 0 ? 3 : scale == 1 ? 20 : shape.maxDigits;
    const std::size_t length = 1 + pick(limit);
    std::string digits;
    const std::size_t style = pick(6);
    for (std::size_t i = 0; i < length; ++i) {
        char digit = static_cast<char>('0' + pick(10));
        if (style == 0) {
            digit = pick(8) == 0 ? static_cast<char>('0' + pick(10)) : '9';
        } else if (style == 1) {
            digit = pick(8) == 0 ? static_cast<char>('0' + pick(10)) : '0';
        }
        digits += digit;
    }
    if (shape.decimals && pick(2) == 0) {
        digits.insert(pick(digits.size() + 1), 1, '.');
    }
    if (shape.oddForms && pick(6) == 0) {
        digits.insert(0, std::string(1 + pick(3), '0'));
    }
    std::string sign;
    switch (pick(shape.oddForms ? 8 : 2)) {
    case 0:
        sign = "-";
        break;
    case 1:
    case 2:
    case 3:
        sign = "";
        break;
    case 4:
        sign = "+";
        break;
    default:
        sign = pick(2) == 0 ? "-" : "";
        break;
    }
    return sign + digits;
}

engine::Text FakeWindow::readField(engine::Field field) {
    ++reads[field];
    return fields[field];
}

void FakeWindow::writeField(engine::Field field, const engine::Text& text) {
    ++writes[field];
    fields[field] = text;
    if (field == engine::Field::Text4) {
        if (const auto value = engine::toInt32(text)) {
            setPrecision(*value);
        }
    }
}

} // namespace oracle
