// SPDX-License-Identifier: GPL-3.0-or-later
// The characters that every reader of a number text agrees on: which end a
// line, which are blanks that may stand around a number, and how a UTF-8 text
// is cut into characters. The engine's grammar of operands and the window's
// fields, paste and boxes all take them from here.
#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

// A character that ends a line: LF, CR (CR LF being one break where that
// matters), and Unicode's line and paragraph separators.
constexpr bool isLineBreak(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\u2028' || c == U'\u2029';
}

// A blank that may stand around a number: space, tab, the line breaks, vertical
// tab and form feed, and the no-break and thin spaces with which a number
// copied from a page groups its digits. Inside a number none is taken.
constexpr bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\v' || c == U'\f' || c == U'\u00A0' ||
           c == U'\u2009' || c == U'\u202F' || isLineBreak(c);
}

// A byte that continues a UTF-8 sequence rather than starting a character.
constexpr bool isUtf8ContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// One character of a UTF-8 text: its code point and its length in bytes. A
// byte that starts no valid sequence is a character of its own, U+FFFD.
struct CodePoint {
    char32_t value = 0;
    std::size_t bytes = 1;
};

// The character that starts at byte `at` (below text.size()).
CodePoint decodeUtf8At(std::string_view text, std::size_t at);

// The number of characters of a UTF-8 text, as decodeUtf8At cuts them.
std::size_t utf8CharacterCount(std::string_view text);

} // namespace engine
