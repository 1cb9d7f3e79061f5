// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/characters.h"

namespace engine {

namespace {
constexpr char32_t kReplacement = 0xFFFD;
}

CodePoint decodeUtf8At(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) {
        return {byte, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    if ((byte & 0xE0) == 0xC0) {
        length = 2;
        value = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
        length = 3;
        value = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
        length = 4;
        value = byte & 0x07;
    } else {
        return {kReplacement, 1};
    }
    if (text.size() - at < length) {
        return {kReplacement, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!isUtf8ContinuationByte(text[at + i])) {
            return {kReplacement, 1};
        }
        value = value << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    return {value, length};
}

std::size_t utf8CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size();) {
        // Runs of ASCII, such as the digits of a number, one byte a step.
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
        } else {
            at += decodeUtf8At(text, at).bytes;
        }
        ++count;
    }
    return count;
}

} // namespace engine
