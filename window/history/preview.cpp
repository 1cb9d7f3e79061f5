// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/preview.h"

#include "engine/characters.h"
#include "window/history/packed_digits.h"

namespace history {

namespace {

// The byte where the character after the first `count` ones starts.
std::size_t bytesOfFirst(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < count && at < text.size(); ++i) {
        at += engine::decodeUtf8At(text, at).bytes;
    }
    return at;
}

// The byte where the last `count` characters start (continuation bytes of a
// sequence stay with their first byte).
std::size_t startOfLast(std::string_view text, std::size_t count) {
    std::size_t at = text.size();
    for (std::size_t i = 0; i < count && at > 0; ++i) {
        do {
            --at;
        } while (at > 0 && engine::isUtf8ContinuationByte(text[at]));
    }
    return at;
}

} // namespace

Preview previewOf(std::string_view text) {
    Preview preview;
    if (const std::optional<NumberShape> shape = numberShape(text)) {
        preview.digits = shape->digits;
        preview.characters = static_cast<std::int64_t>(text.size());
    } else {
        preview.characters = static_cast<std::int64_t>(engine::utf8CharacterCount(text));
    }
    if (preview.characters <= static_cast<std::int64_t>(2 * PreviewCharacters)) {
        preview.head = text;
        preview.tail = text;
    } else {
        preview.head = text.substr(0, bytesOfFirst(text, PreviewCharacters));
        preview.tail = text.substr(startOfLast(text, PreviewCharacters));
    }
    return preview;
}

} // namespace history
