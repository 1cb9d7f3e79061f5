// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/digits.h"

#include <algorithm>
#include <limits>

namespace engine::detail {

void requireDigits(std::string_view text) {
    // One pass without an early exit, which the compiler can vectorise; the
    // offending character is looked for only when there is one.
    unsigned char outside = 0;
    for (const char c : text) {
        outside |= static_cast<unsigned char>(static_cast<unsigned char>(c - '0') > 9);
    }
    if (outside != 0) {
        for (const char c : text) {
            digitValue(c);
        }
    }
}

void requireSignedDigits(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    requireDigits(text);
}

void requireDecimalDigits(std::string_view text) {
    const auto point = text.find('.');
    if (point == std::string_view::npos) {
        requireDigits(text);
        return;
    }
    requireDigits(text.substr(0, point));
    requireDigits(text.substr(point + 1));
}

Text normalisedOperand(Text& ent) {
    Text normal = Zeronettoyage(ent);
    if (startsWithMinus(normal) && !startsWithMinus(ent)) {
        throw NotANumber("a '-' after leading zeros");
    }
    return normal;
}

bool normaliseAndTakeSigns(Text& ent, Text& ent2) {
    ent = normalisedOperand(ent);
    ent2 = normalisedOperand(ent2);
    return takeMinus(ent) != takeMinus(ent2);
}

std::int32_t length32(std::size_t length) {
    if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw OutOfRange("text longer than a 32-bit length");
    }
    return static_cast<std::int32_t>(length);
}

std::int32_t checkedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw OutOfRange("32-bit sum overflows");
    }
    return sum;
}

std::int32_t toInt32OrThrow(const Text& text, const char* what) {
    if (const auto value = toInt32(text)) {
        return *value;
    }
    // Blanks, a sign and digits that only fail on range are a number too large.
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first != Text::npos) {
        std::string_view core(text.data() + first, last - first + 1);
        if (core.front() == '-' || core.front() == '+') {
            core.remove_prefix(1);
        }
        if (!core.empty() && std::all_of(core.begin(), core.end(), isDigit)) {
            throw OutOfRange(std::string(what) + " is beyond the 32-bit range");
        }
    }
    throw NotANumber(std::string(what) + " is not a whole number");
}

} // namespace engine::detail
