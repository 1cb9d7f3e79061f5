// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the engine's procedures on texts: digits, zero forms,
// signs, and checked 32-bit lengths. (Which texts are numbers of which form:
// engine/operand_grammar.h.)
#pragma once

#include "engine/engine.h"

#include <cstdint>
#include <string_view>

namespace engine::detail {

// The value of one decimal digit character; NotANumber for anything else.
inline int digitValue(char c) {
    const unsigned value = static_cast<unsigned char>(c) - unsigned{'0'};
    if (value > 9) {
        throw NotANumber(std::string("not a decimal digit: '") + c + "'");
    }
    return static_cast<int>(value);
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "0", "" and "-0": the texts the kernels take for zero after normalisation.
inline bool isZeroForm(const Text& text) {
    return text.empty() || text == "0" || text == "-0";
}

inline bool startsWithMinus(const Text& text) {
    return !text.empty() && text.front() == '-';
}

// The first character, or '\0' for the empty text (which sorts before any other).
inline char firstChar(const Text& text) {
    return text.empty() ? '\0' : text.front();
}

// A length or position as a 32-bit signed integer; OutOfRange past that range.
std::int32_t length32(std::size_t length);

// a + b, a sum of two 32-bit integers; OutOfRange when it leaves the range.
std::int32_t checkedAdd(std::int32_t a, std::int32_t b);

// "0" when the text is empty or a lone "-": a sum or difference never comes out
// as either.
inline void makeZeroIfBare(Text& text) {
    if (text.empty() || (text.size() == 1 && text.front() == '-')) {
        text.assign(1, '0');
    }
}

// Runs `steps` on copies of the two operands and then stores the copies back,
// so that a variable passed as both operands is read correctly (it ends up
// holding what the second operand became).
template <class Steps> Text onCopies(Text& ent, Text& ent2, Steps&& steps) {
    Text first = ent;
    Text second = ent2;
    Text result = steps(first, second);
    ent = std::move(first);
    ent2 = std::move(second);
    return result;
}

// A point put into a digit text `fraction` digits from its right, with "0."
// and zeros in front when the text has no more digits than that: "105" with
// 2 gives "1.05", "5" with 2 gives "0.05".
Text withPoint(const Text& digits, std::size_t fraction);

// Zeronettoyage of an operand (`ent` loses a leading "+"), refusing with
// NotANumber a "-" that stood after leading zeros ("0-5"), which the normal
// form would otherwise turn into a sign.
Text normalisedOperand(Text& ent);

// Removes a leading "-" from `text`; true when there was one.
inline bool takeMinus(Text& text) {
    if (!startsWithMinus(text)) {
        return false;
    }
    text.erase(0, 1);
    return true;
}

// Normalises both operands in place and removes the "-" of each; true when
// exactly one of them was negative.
bool normaliseAndTakeSigns(Text& ent, Text& ent2);

} // namespace engine::detail
