// SPDX-License-Identifier: GPL-3.0-or-later
// What the history's list shows of a text and searches in, kept beside the
// text so that a row is drawn and found without reading a number whole: its
// first and last characters and its length.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace history {

// Characters kept at each end; a text of up to twice as many is kept whole in
// both.
inline constexpr std::size_t PreviewCharacters = 32;

struct Preview {
    std::string head;                   // the first characters (UTF-8)
    std::string tail;                   // the last characters (UTF-8)
    std::int64_t characters = 0;        // of the whole text
    std::optional<std::int64_t> digits; // when the text is a number: its digits
};

Preview previewOf(std::string_view text);

} // namespace history
