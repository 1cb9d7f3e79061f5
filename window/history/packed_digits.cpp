// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/packed_digits.h"

#include "engine/operand_grammar.h"

#include <array>
#include <bit>
#include <cstring>

namespace history {

namespace {

constexpr std::uint8_t NegativeFlag = 1;
constexpr std::uint8_t PointFlag = 2;
constexpr std::size_t HeaderBytes = 17;
// Three digits (0 to 999) in ten bits, four such in five bytes.
constexpr int GroupDigits = 12;
constexpr std::size_t GroupBytes = 5;
constexpr int TripleBits = 10;
constexpr unsigned TripleMask = (1u << TripleBits) - 1;
static_assert(std::endian::native == std::endian::little, "groups are read as they are stored");

std::size_t packedBytes(std::int64_t digits) {
    return static_cast<std::size_t>((digits + GroupDigits - 1) / GroupDigits) * GroupBytes;
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

// Packs runs of digits twelve to five bytes, a run going on where the last
// stopped; the last group is filled up with zeros.
class DigitPacker {
public:
    explicit DigitPacker(std::vector<std::uint8_t>& out) : out_(out) {}
    void add(std::string_view digits) {
        std::size_t i = 0;
        while (pending_ > 0 && i < digits.size()) {
            takePending(digits[i++]);
        }
        for (; i + GroupDigits <= digits.size(); i += GroupDigits) {
            putGroup(digits.data() + i);
        }
        while (i < digits.size()) {
            takePending(digits[i++]);
        }
    }
    void finish() {
        if (pending_ > 0) {
            while (pending_ < GroupDigits) {
                group_[pending_++] = '0';
            }
            putGroup(group_);
            pending_ = 0;
        }
    }

private:
    void takePending(char digit) {
        group_[pending_++] = digit;
        if (pending_ == GroupDigits) {
            putGroup(group_);
            pending_ = 0;
        }
    }
    void putGroup(const char* digits) {
        std::uint64_t bits = 0;
        for (int triple = 0; triple < 4; ++triple) {
            const char* d = digits + 3 * triple;
            const auto value =
                static_cast<std::uint64_t>((d[0] - '0') * 100 + (d[1] - '0') * 10 + (d[2] - '0'));
            bits |= value << (TripleBits * triple);
        }
        for (std::size_t byte = 0; byte < GroupBytes; ++byte) {
            out_.push_back(static_cast<std::uint8_t>(bits >> (8 * byte)));
        }
    }

    std::vector<std::uint8_t>& out_;
    char group_[GroupDigits] = {};
    int pending_ = 0;
};

// The three digits of each value from 0 to 999, as characters of a text.
template <typename Character> struct Triples {
    Character digits[1000][3];
    constexpr Triples() : digits() {
        for (int value = 0; value < 1000; ++value) {
            digits[value][0] = Character('0' + value / 100);
            digits[value][1] = Character('0' + value / 10 % 10);
            digits[value][2] = Character('0' + value % 10);
        }
    }
};
template <typename Character> constexpr Triples<Character> AllTriples;

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
        packedBytes(digits) != packed.size() - HeaderBytes) {
        throw DamagedNumber();
    }
    header.length = static_cast<std::size_t>(digits) + (header.shape.negative ? 1 : 0) +
                    (header.shape.hasPoint ? 1 : 0);
    return header;
}

// Writes the text of a checked packed number into `out`, which holds
// header.length characters; throws DamagedNumber on a value above 999.
template <typename Character>
void unpackInto(const Header& header, std::span<const std::uint8_t> packed, Character* out) {
    const std::int64_t digits = header.shape.digits;
    const std::int64_t point = header.shape.hasPoint ? header.shape.digitsBeforePoint : -1;
    Character* const first = out + (header.shape.negative ? 1 : 0);
    if (header.shape.negative) {
        out[0] = Character('-');
    }
    if (point >= 0) {
        first[point] = Character('.');
    }
    // Where digit i goes: after the point, one place further.
    const auto place = [&](std::int64_t i) { return first + i + (point >= 0 && i >= point); };
    const std::uint8_t* group = packed.data() + HeaderBytes;
    for (std::int64_t i = 0; i < digits; i += GroupDigits, group += GroupBytes) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, group, GroupBytes); // little-endian, as stored
        unsigned values[4];
        for (int triple = 0; triple < 4; ++triple) {
            values[triple] = static_cast<unsigned>(bits >> (TripleBits * triple)) & TripleMask;
            if (values[triple] > 999) {
                throw DamagedNumber();
            }
        }
        if (i + GroupDigits <= digits && !(i < point && point < i + GroupDigits)) {
            // The whole group, on one side of the point.
            Character* to = place(i);
            for (const unsigned value : values) {
                std::memcpy(to, AllTriples<Character>.digits[value], sizeof(Character[3]));
                to += 3;
            }
            continue;
        }
        for (std::int64_t k = 0; k < GroupDigits && i + k < digits; ++k) {
            *place(i + k) = AllTriples<Character>.digits[values[k / 3]][k % 3];
        }
    }
}

} // namespace

std::optional<NumberShape> numberShape(std::string_view text) {
    // The operands' signed form, but for a "+", for which the packed form has
    // no flag.
    if (text.starts_with('+') ||
        engine::firstFlawAt(text, engine::NumberForm::Signed) != std::string_view::npos) {
        return std::nullopt;
    }
    NumberShape shape;
    shape.negative = text.starts_with('-');
    const std::string_view magnitude = text.substr(shape.negative ? 1 : 0);
    const std::size_t point = magnitude.find('.');
    shape.hasPoint = point != std::string_view::npos;
    shape.digits = static_cast<std::int64_t>(magnitude.size()) - (shape.hasPoint ? 1 : 0);
    shape.digitsBeforePoint = shape.hasPoint ? static_cast<std::int64_t>(point) : shape.digits;
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
    out.reserve(HeaderBytes + packedBytes(shape->digits));
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
    packer.finish();
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
