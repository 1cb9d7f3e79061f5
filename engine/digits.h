// Helpers shared by the engine's procedures: digit conversion, zero forms,
// checked 32-bit lengths, and the magnitude kernels that do the digit work of
// the signed procedures. Magnitudes here are texts of decimal digits without a
// sign; every kernel throws NotANumber on any other character.
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

// Throws NotANumber unless every character of `text` is a decimal digit.
void requireDigits(std::string_view text);
// The same, after one optional leading "-": a signed integer text.
void requireSignedDigits(std::string_view text);
// The same, allowing one "." among the digits: an unsigned decimal text.
void requireDecimalDigits(std::string_view text);

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

// Converts a field text to a 32-bit integer for a computation: NotANumber when
// it is not a whole number at all, OutOfRange when it is one beyond 32 bits.
std::int32_t toInt32OrThrow(const Text& text, const char* what);

// Sum of two magnitudes over the longer length, units first, with a final
// carry digit when there is one. Leading zeros of the operands stay in the sum
// ("007" + "3" gives "010").
Text addMagnitudes(std::string_view a, std::string_view b);

// larger - smaller for two magnitudes with larger >= smaller in value and
// larger at least as long; the difference has the length of `larger`
// (leading zeros kept).
Text subtractMagnitudes(std::string_view larger, std::string_view smaller);

// The product of two magnitudes (leading zeros allowed) without leading zeros:
// "0" for a zero product. Schoolbook long multiplication: every digit of the
// shorter operand times every digit of the longer, summed column by column.
Text multiplyMagnitudes(std::string_view a, std::string_view b);

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

// Normalises both operands in place and removes the "-" of each; true when
// exactly one of them was negative.
bool normaliseAndTakeSigns(Text& ent, Text& ent2);

// The signed procedures' steps on their own variables; the public procedures
// run them on copies so that the same variable may be passed twice.
Text plusplusSteps(Text& ent, Text& ent2);
Text moinsmoinsSteps(Text& ent, Text& ent2);

} // namespace engine::detail
