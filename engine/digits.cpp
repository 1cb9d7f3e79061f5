// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/digits.h"

#include <functional>
#include <limits>

namespace engine::detail {

std::string_view normalisedOperand(std::string_view& ent) {
    const std::string_view normal = normalForm(ent);
    if (startsWithMinus(normal) && !startsWithMinus(ent)) {
        throw NotANumber("a '-' after leading zeros");
    }
    return normal;
}

bool normaliseAndTakeSigns(std::string_view& ent, std::string_view& ent2) {
    ent = normalisedOperand(ent);
    ent2 = normalisedOperand(ent2);
    return takeMinus(ent) != takeMinus(ent2);
}

void keepOnly(Text& text, std::string_view part) {
    const std::less_equal<const char*> notAfter;
    const char* begin = text.data();
    if (notAfter(begin, part.data()) && notAfter(part.data() + part.size(), begin + text.size())) {
        text.resize(static_cast<std::size_t>(part.data() - begin) + part.size());
        text.erase(0, static_cast<std::size_t>(part.data() - begin));
    } else {
        text.assign(part);
    }
}

Text withSign(bool negative, std::string_view digits) {
    Text text;
    text.reserve(digits.size() + (negative ? 1 : 0));
    if (negative) {
        text += '-';
    }
    text += digits;
    return text;
}

Text signedDigits(bool negative, limbs::LimbSpan value, std::size_t minDigits) {
    const std::size_t sign = negative ? 1 : 0;
    Text text(sign + std::max(limbs::digitCount(value), minDigits), '-');
    limbs::writeDigits(value, text.data() + sign, text.data() + text.size());
    return text;
}

Text withPoint(std::string_view digits, std::size_t fraction, bool negative) {
    const bool belowOne = digits.size() <= fraction;
    const std::size_t zeros = belowOne ? fraction - digits.size() : 0;
    Text text;
    text.reserve((negative ? 1 : 0) + (belowOne ? 2 + zeros : 1) + digits.size());
    if (negative) {
        text += '-';
    }
    if (belowOne) {
        text += "0.";
        text.append(zeros, '0');
        text += digits;
    } else {
        const std::size_t integerLength = digits.size() - fraction;
        text += digits.substr(0, integerLength);
        text += '.';
        text += digits.substr(integerLength);
    }
    return text;
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

} // namespace engine::detail
