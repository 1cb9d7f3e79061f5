// SPDX-License-Identifier: GPL-3.0-or-later
#include "oracle.h"

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <vector>

namespace oracle {

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

namespace {

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

} // namespace

Operands::Operands() : random_(testSeed()) {}

std::size_t Operands::below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
}

std::string Operands::digits(std::size_t length) {
    const std::size_t style = below(6);
    std::string text(length, '0');
    for (auto& c : text) {
        c = static_cast<char>('0' + below(10));
        if (style < 2 && below(8) != 0) {
            c = style == 0 ? '9' : '0';
        }
    }
    if (!text.empty() && text.front() == '0') {
        text.front() = static_cast<char>('1' + below(9));
    }
    return text;
}

std::string Operands::number(std::size_t maxDigits, bool decimals) {
    const std::size_t zero = below(40);
    if (zero < 3) {
        return std::vector<std::string>{"", "-0", "0"}[zero];
    }
    const std::size_t scale = below(4);
    const std::size_t limit = scale == 0 ? 3 : scale == 1 ? 20 : maxDigits;
    std::string text = digits(1 + below(limit));
    if (decimals && below(2) == 0) {
        text.insert(below(text.size() + 1), 1, '.');
    }
    if (below(6) == 0) {
        text.insert(0, std::string(1 + below(3), '0'));
    }
    const std::size_t sign = below(8);
    return (sign == 0 || sign >= 5 ? "-" : sign == 4 ? "+" : "") + text;
}

std::string nines(std::size_t n) {
    return std::string(n, '9');
}

std::string tenToThePlusOne(std::size_t n) {
    return "1" + std::string(n - 1, '0') + "1";
}

} // namespace oracle
