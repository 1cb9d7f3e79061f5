// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the engine's procedures on texts: digits, zero forms,
// signs, normal forms read through views, and checked 32-bit lengths. (Which
// texts are numbers of which form: engine/operand_grammar.h.)
#pragma once

#include "engine/engine.h"
#include "engine/limbs/magnitude.h"

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
inline bool isZeroForm(std::string_view text) {
    return text.empty() || text == "0" || text == "-0";
}

inline bool startsWithMinus(std::string_view text) {
    return text.starts_with('-');
}

// The first character, or '\0' for the empty text (which sorts before any other).
inline char firstChar(std::string_view text) {
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

// --- Views of number texts ----------------------------------------------------
//
// The procedures' rules, on views: the text procedures of engine.h run them on
// their arguments, the commands straight on the fields' texts, which they
// neither copy nor change. Where a procedure rewrites its argument, the view
// is moved onto what it leaves there.

// The normal form of Zeronettoyage: a part of `ent`, or "0". `ent` loses a
// leading "+".
std::string_view normalForm(std::string_view& ent);

// The normal form of an operand (`ent` loses a leading "+"), refusing with
// NotANumber a "-" that stood after leading zeros ("0-5"), which the normal
// form would otherwise turn into a sign.
std::string_view normalisedOperand(std::string_view& ent);

// Removes a leading "-" from `text`; true when there was one.
inline bool takeMinus(std::string_view& text) {
    if (!startsWithMinus(text)) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// Normalises both operands and removes the "-" of each; true when exactly one
// of them was negative.
bool normaliseAndTakeSigns(std::string_view& ent, std::string_view& ent2);

// Entdecimal: the text before the first point (or the whole text), with `nb`
// the number of characters after it; an all-zero fraction leaves `ent`
// together with its point, and then `nb` is 0.
std::string_view integerPart(std::string_view& ent, std::int32_t& nb);

// SansVirgule: the text without its points, which is `ent` itself when it
// has none, and otherwise made in `made`; `ent` changes as in integerPart,
// and loses a point that ends it.
std::string_view withoutPoints(std::string_view& ent, Text& made);

// Paszerodebut: without one leading "0" that stands before a digit 1 to 9.
std::string_view withoutZeroBeforeDigit(std::string_view ent);

// Makes `text` hold `part` alone: a part of `text` is kept in place, anything
// else is copied in.
void keepOnly(Text& text, std::string_view part);

// --- Result texts ---------------------------------------------------------------

// `digits` with a "-" before it when `negative`, made at its length at once.
Text withSign(bool negative, std::string_view digits);

// The digits of `value` as limbs::toDigits writes them, with a "-" before them
// when `negative`, made at their length at once.
Text signedDigits(bool negative, limbs::LimbSpan value, std::size_t minDigits = 1);

// A point put into a digit text `fraction` digits from its right, with "0."
// and zeros in front when the text has no more digits than that: "105" with
// 2 gives "1.05", "5" with 2 gives "0.05"; a "-" before it all when
// `negative`.
Text withPoint(std::string_view digits, std::size_t fraction, bool negative = false);

} // namespace engine::detail
