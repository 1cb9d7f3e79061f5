// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/operand_grammar.h"

#include "engine/characters.h"

#include <limits>
#include <string>

namespace engine {

namespace {

// The index of the first byte of `text` that is not a decimal digit, or its
// size. Blocks are looked at whole, without an early exit, which the
// compiler vectorises: operands run to hundreds of millions of digits.
std::size_t firstNonDigit(std::string_view text) {
    constexpr std::size_t kBlock = 64;
    std::size_t at = 0;
    for (; at + kBlock <= text.size(); at += kBlock) {
        unsigned char outside = 0;
        for (std::size_t i = at; i < at + kBlock; ++i) {
            outside |= static_cast<unsigned char>(static_cast<unsigned char>(text[i] - '0') > 9);
        }
        if (outside != 0) {
            break;
        }
    }
    while (at < text.size() && static_cast<unsigned char>(text[at] - '0') <= 9) {
        ++at;
    }
    return at;
}

bool takesSign(NumberForm form, char c) {
    switch (form) {
    case NumberForm::Signed:
        return c == '-' || c == '+';
    case NumberForm::Natural:
        return c == '+';
    case NumberForm::SignedDigits:
        return c == '-';
    case NumberForm::Digits:
    case NumberForm::UnsignedDecimal:
        break;
    }
    return false;
}

bool takesPoint(NumberForm form) {
    return form == NumberForm::Signed || form == NumberForm::UnsignedDecimal;
}

// The number in a field's text: where it starts and ends (in bytes), and how
// many characters stand before it.
struct NumberBounds {
    std::size_t first = 0;
    std::size_t end = 0;
    std::int64_t charactersBefore = 0;
};

NumberBounds numberBounds(std::string_view text) {
    NumberBounds bounds{0, text.size(), 0};
    while (bounds.first < bounds.end) {
        const CodePoint c = decodeUtf8At(text, bounds.first);
        if (!isBlank(c.value)) {
            break;
        }
        bounds.first += c.bytes;
        ++bounds.charactersBefore;
    }
    while (bounds.end > bounds.first) {
        std::size_t start = bounds.end - 1;
        while (start > bounds.first && bounds.end - start < 4 &&
               isUtf8ContinuationByte(text[start])) {
            --start;
        }
        const CodePoint c = decodeUtf8At(text, start);
        if (start + c.bytes != bounds.end || !isBlank(c.value)) {
            break;
        }
        bounds.end = start;
    }
    return bounds;
}

std::string_view numberIn(std::string_view fieldText) {
    const NumberBounds bounds = numberBounds(fieldText);
    return fieldText.substr(bounds.first, bounds.end - bounds.first);
}

// The value of an optional sign and digits, when it fits 32 bits.
std::optional<std::int32_t> int32Value(std::string_view number) {
    const bool negative = number.starts_with('-');
    if (number.starts_with('-') || number.starts_with('+')) {
        number.remove_prefix(1);
    }
    if (number.empty() || firstNonDigit(number) != number.size()) {
        return std::nullopt;
    }
    // Accumulated as a negative number, which also reaches -2147483648.
    std::int64_t value = 0;
    for (const char c : number) {
        value = value * 10 - (c - '0');
        if (value < std::numeric_limits<std::int32_t>::min()) {
            return std::nullopt;
        }
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::size_t firstFlawAt(std::string_view text, NumberForm form) {
    std::size_t at = !text.empty() && takesSign(form, text.front()) ? 1 : 0;
    bool pointAllowed = takesPoint(form);
    for (;;) {
        at += firstNonDigit(text.substr(at));
        if (at == text.size()) {
            return std::string_view::npos;
        }
        if (text[at] != '.' || !pointAllowed) {
            return at;
        }
        pointAllowed = false;
        ++at;
    }
}

void requireForm(std::string_view text, NumberForm form) {
    if (firstFlawAt(text, form) != std::string_view::npos) {
        throw NotANumber("not a number of the form taken");
    }
}

Text trimmedOperand(Text fieldText) {
    const NumberBounds bounds = numberBounds(fieldText);
    fieldText.erase(bounds.end);
    fieldText.erase(0, bounds.first);
    return fieldText;
}

std::optional<OperandFlaw> operandFlaw(std::string_view fieldText, NumberForm form,
                                       Operand operand) {
    const NumberBounds bounds = numberBounds(fieldText);
    const std::string_view number = fieldText.substr(bounds.first, bounds.end - bounds.first);
    if (const std::size_t at = firstFlawAt(number, form); at != std::string_view::npos) {
        const auto position = bounds.charactersBefore +
                              static_cast<std::int64_t>(utf8CharacterCount(number.substr(0, at))) +
                              1;
        return OperandFlaw{operand, OperandFlaw::Kind::Character, position,
                           Text(number.substr(at, decodeUtf8At(number, at).bytes))};
    }
    if (form == NumberForm::Natural && number.empty()) {
        return OperandFlaw{operand, OperandFlaw::Kind::Empty, 0, {}};
    }
    if (form == NumberForm::Natural && number == "+") {
        return OperandFlaw{operand, OperandFlaw::Kind::NoDigit, 0, {}};
    }
    return std::nullopt;
}

std::optional<OperandFlaw> naturalOperandFlaw(std::string_view fieldText, Operand operand,
                                              bool within32Bits) {
    if (auto flaw = operandFlaw(fieldText, NumberForm::Natural, operand)) {
        return flaw;
    }
    if (within32Bits && !int32Value(numberIn(fieldText))) {
        return OperandFlaw{operand, OperandFlaw::Kind::Beyond32Bits, 0, {}};
    }
    return std::nullopt;
}

bool isForbiddenOperand(std::string_view operand) {
    return operand.starts_with('-') || operand.find('.') != std::string_view::npos;
}

std::optional<std::int32_t> toInt32(const Text& text) {
    return int32Value(numberIn(text));
}

std::int32_t toInt32OrThrow(const Text& text, const char* what) {
    if (const auto value = toInt32(text)) {
        return *value;
    }
    // A sign and digits that only fail on range are a number too large.
    std::string_view number = numberIn(text);
    if (number.starts_with('-') || number.starts_with('+')) {
        number.remove_prefix(1);
    }
    if (!number.empty() && firstNonDigit(number) == number.size()) {
        throw OutOfRange(std::string(what) + " is beyond the 32-bit range");
    }
    throw NotANumber(std::string(what) + " is not a whole number");
}

} // namespace engine
