// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the history file keeps them: three decimal digits in ten bits,
// twelve in five bytes (0.42 bytes a digit), beside what the exact text
// needs to come back (its sign, where its point stands), so that every text
// of the form -?digits[.digits] comes back byte for byte ("-0", "007",
// "02.50", ".5" and "5." included).
//
// Layout: one byte of flags (1: a leading "-", 2: a point), the count of
// digits before the point and the count of all digits (8 bytes each, least
// significant first), then the digits in groups of twelve, the point left
// out: each group is four values from 0 to 999 (its first three digits, the
// next three...), ten bits each from the lowest bit of a 40-bit word, stored
// in five bytes least significant first. The last group is filled up with
// zeros.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace history {

// A text's form as a number: an optional "-", digits with at most one point
// among or around them, nothing else.
struct NumberShape {
    bool negative = false;
    bool hasPoint = false;
    std::int64_t digitsBeforePoint = 0;
    std::int64_t digits = 0;
};
std::optional<NumberShape> numberShape(std::string_view text);

// Texts shorter than this stay as they are: packing would gain a few bytes.
inline constexpr std::size_t PackFrom = 64;

// The packed form of `text` when it is a number of PackFrom characters or
// more; nothing otherwise.
std::optional<std::vector<std::uint8_t>> packedNumber(std::string_view text);

// A packed number that does not hold together (a damaged file).
struct DamagedNumber : std::runtime_error {
    DamagedNumber() : std::runtime_error("damaged packed number") {}
};

// The text back, as UTF-8 or as a QString; throws DamagedNumber.
std::string unpackedText(std::span<const std::uint8_t> packed);
QString unpackedQString(std::span<const std::uint8_t> packed);

} // namespace history
