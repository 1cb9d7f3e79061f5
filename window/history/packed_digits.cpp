// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/packed_digits.h"

#include <array>

namespace history {

namespace {

constexpr std::uint8_t NegativeFlag = 1;
constexpr std::uint8_t PointFlag = 2;
constexpr std::size_t HeaderBytes = 17;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void putCount(std::vector<std::uint8_t>& out, std::int64_t count) {
    for (int byte = 0; byte < 8; ++byte) {
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(count) >> (8 * byte)));
    }
}

std::int64_t countAt(std::span<const std::uint8_t> packed, std::size_t offset) {
    std::uint64_t count = 0;
    for (int byte = 7; byte >= 0; --byte) {
        count = (count << 8) | packed[offset + static_cast<std::size_t>(byte)];
    }
    return static_cast<std::int64_t>(count);
}

// Packs runs of digits two to a byte, a run going on where the last stopped.
class DigitPacker {
public:
    explicit DigitPacker(std::vector<std::uint8_t>& out) : out_(out) {}
    void add(std::string_view digits) {
        std::size_t i = 0;
        if (halfFull_ && !digits.empty()) {
            out_.back() |= static_cast<std::uint8_t>(digits[0] - '0');
            halfFull_ = false;
            i = 1;
        }
        for (; i + 1 < digits.size(); i += 2) {
            out_.push_back(
                static_cast<std::uint8_t>(((digits[i] - '0') << 4) | (digits[i + 1] - '0')));
        }
        if (i < digits.size()) {
            out_.push_back(static_cast<std::uint8_t>((digits[i] - '0') << 4));
            halfFull_ = true;
        }
    }

private:
    std::vector<std::uint8_t>& out_;
    bool halfFull_ = false;
};

// The header read and checked against the packed length.
struct Header {
    NumberShape shape;
    std::size_t length = 0; // characters of the text
};

Header readHeader(std::span<const std::uint8_t> packed) {
    if (packed.size() < HeaderBytes || packed[0] > (NegativeFlag | PointFlag)) {
        throw DamagedNumber();
    }
    Header header;
    header.shape.negative = (packed[0] & NegativeFlag) != 0;
    header.shape.hasPoint = (packed[0] & PointFlag) != 0;
    header.shape.digitsBeforePoint = countAt(packed, 1);
    header.shape.digits = countAt(packed, 9);
    const std::int64_t digits = header.shape.digits;
    if (digits < 0 || header.shape.digitsBeforePoint < 0 ||
        header.shape.digitsBeforePoint > digits ||
        static_cast<std::uint64_t>(digits + 1) / 2 != packed.size() - HeaderBytes) {
        throw DamagedNumber();
    }
    header.length = static_cast<std::size_t>(digits) + (header.shape.negative ? 1 : 0) +
                    (header.shape.hasPoint ? 1 : 0);
    return header;
}

// Writes the text of a checked packed number through `out`, one character at
// a time, in order; throws DamagedNumber on a half byte above 9.
template <typename Character>
void unpackInto(const Header& header, std::span<const std::uint8_t> packed, Character* out) {
    if (header.shape.negative) {
        *out++ = Character('-');
    }
    const std::int64_t before = header.shape.digitsBeforePoint;
    for (std::int64_t i = 0; i < header.shape.digits; ++i) {
        if (header.shape.hasPoint && i == before) {
            *out++ = Character('.');
        }
        const std::uint8_t byte = packed[HeaderBytes + static_cast<std::size_t>(i / 2)];
        const int digit = (i % 2 == 0) ? byte >> 4 : byte & 0x0f;
        if (digit > 9) {
            throw DamagedNumber();
        }
        *out++ = Character('0' + digit);
    }
    if (header.shape.hasPoint && before == header.shape.digits) {
        *out++ = Character('.');
    }
}

} // namespace

std::optional<NumberShape> numberShape(std::string_view text) {
    NumberShape shape;
    std::size_t i = 0;
    if (!text.empty() && text[0] == '-') {
        shape.negative = true;
        i = 1;
    }
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ++shape.digits;
        } else if (text[i] == '.' && !shape.hasPoint) {
            shape.hasPoint = true;
            shape.digitsBeforePoint = shape.digits;
        } else {
            return std::nullopt;
        }
    }
    if (!shape.hasPoint) {
        shape.digitsBeforePoint = shape.digits;
    }
    return shape;
}

std::optional<std::vector<std::uint8_t>> packedNumber(std::string_view text) {
    if (text.size() < PackFrom) {
        return std::nullopt;
    }
    const std::optional<NumberShape> shape = numberShape(text);
    if (!shape) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> out;
    out.reserve(HeaderBytes + static_cast<std::size_t>(shape->digits + 1) / 2);
    out.push_back(static_cast<std::uint8_t>((shape->negative ? NegativeFlag : 0) |
                                            (shape->hasPoint ? PointFlag : 0)));
    putCount(out, shape->digitsBeforePoint);
    putCount(out, shape->digits);
    const std::string_view digits = text.substr(shape->negative ? 1 : 0);
    const std::size_t point = shape->hasPoint ? digits.find('.') : digits.size();
    DigitPacker packer(out);
    packer.add(digits.substr(0, point));
    if (point < digits.size()) {
        packer.add(digits.substr(point + 1));
    }
    return out;
}

std::string unpackedText(std::span<const std::uint8_t> packed) {
    const Header header = readHeader(packed);
    std::string text(header.length, '\0');
    unpackInto(header, packed, text.data());
    return text;
}

QString unpackedQString(std::span<const std::uint8_t> packed) {
    const Header header = readHeader(packed);
    QString text(static_cast<qsizetype>(header.length), Qt::Uninitialized);
    unpackInto(header, packed, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

} // namespace history
