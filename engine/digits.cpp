// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/digits.h"

#include <limits>

namespace engine::detail {

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

Text withPoint(const Text& digits, std::size_t fraction) {
    if (digits.size() > fraction) {
        const std::size_t integerLength = digits.size() - fraction;
        return digits.substr(0, integerLength) + "." + digits.substr(integerLength);
    }
    return "0." + Text(fraction - digits.size(), '0') + digits;
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
