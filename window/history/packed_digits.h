// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the history file keeps them: two decimal digits a byte, beside
// what the exact text needs to come back (its sign, where its point stands),
// so that a result of a hundred million digits takes fifty million bytes and
// every text of the form -?digits[.digits] comes back byte for byte ("-0",
// "007", "02.50", ".5" and "5." included).
//
// Layout: one byte of flags (1: a leading "-", 2: a point), the count of
// digits before the point and the count of all digits (8 bytes each, least
// significant first), then the digits, the first in the high half of the
// first byte; an odd count leaves the last low half 0.
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
