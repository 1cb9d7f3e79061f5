#include "window/operand_text.h"

#include <string_view>

namespace window {

namespace {

// The code point that starts at `text[0]` and its length in bytes; zero for a
// byte that starts no character of those that isSurroundingBlank knows.
struct Decoded {
    char32_t c = 0;
    std::size_t bytes = 0;
};

Decoded decodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const std::size_t left = text.size() - at;
    if (byte(0) < 0x80) {
        return {byte(0), 1};
    }
    if ((byte(0) & 0xE0) == 0xC0 && left >= 2) {
        return {static_cast<char32_t>((byte(0) & 0x1F) << 6 | (byte(1) & 0x3F)), 2};
    }
    if ((byte(0) & 0xF0) == 0xE0 && left >= 3) {
        return {static_cast<char32_t>((byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 |
                                      (byte(2) & 0x3F)),
                3};
    }
    return {};
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

bool isSurroundingBlank(char32_t c) {
    switch (c) {
    case U' ':
    case U'\t':
    case U'\n':
    case U'\r':
    case U'\v':
    case U'\f':
    case U'\u00A0':
    case U'\u2009':
    case U'\u202F':
    case U'\u2028':
    case U'\u2029':
        return true;
    default:
        return false;
    }
}

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

engine::Text operandText(const engine::Text& fieldText) {
    std::string_view text = fieldText;
    while (!text.empty()) {
        const Decoded first = decodeAt(text, 0);
        if (first.bytes == 0 || !isSurroundingBlank(first.c)) {
            break;
        }
        text.remove_prefix(first.bytes);
    }
    while (!text.empty()) {
        std::size_t start = text.size() - 1;
        while (start > 0 && text.size() - start < 3 && isContinuationByte(text[start])) {
            --start;
        }
        const Decoded last = decodeAt(text, start);
        if (last.bytes != text.size() - start || !isSurroundingBlank(last.c)) {
            break;
        }
        text.remove_suffix(last.bytes);
    }
    return engine::Text(text);
}

QString pastedNumber(const QString& text) {
    QString number;
    number.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            // A backslash before a line break, blanks allowed between them.
            qsizetype next = i + 1;
            while (next < text.size() && (text[next] == u' ' || text[next] == u'\t')) {
                ++next;
            }
            if (next < text.size() && (text[next] == u'\n' || text[next] == u'\r')) {
                i = next;
                continue;
            }
        }
        if (!c.isSpace()) {
            number += c;
        }
    }
    return number;
}

} // namespace window
