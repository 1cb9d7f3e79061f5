// SPDX-License-Identifier: GPL-3.0-or-later
// Operands as the commands read them from the fields' texts (UTF-8): the
// blanks around a number trimmed, and the flaws that keep one from being a
// number located in characters, as the user counts them in the field.
#include "engine/characters.h"
#include "engine/digits.h"
#include "engine/operand_flaws.h"
#include "engine/operations.h"

#include <string_view>

namespace engine {

namespace {

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

} // namespace

namespace operations {

Text operandText(Text fieldText) {
    const NumberBounds bounds = numberBounds(fieldText);
    fieldText.erase(bounds.end);
    fieldText.erase(0, bounds.first);
    return fieldText;
}

} // namespace operations

namespace detail {

std::optional<OperandFlaw> characterFlaw(const Text& fieldText, NumberForm form, Operand operand) {
    const std::string_view text = fieldText;
    const NumberBounds bounds = numberBounds(text);
    std::int64_t position = bounds.charactersBefore + 1;
    bool seenPoint = false;
    for (std::size_t at = bounds.first; at < bounds.end; ++position) {
        const CodePoint c = decodeUtf8At(text, at);
        const bool sign = c.value == U'-' || c.value == U'+';
        const bool signAllowed =
            at == bounds.first &&
            (form == NumberForm::Signed || (form == NumberForm::Natural && c.value == U'+'));
        const bool pointAllowed = form == NumberForm::Signed && c.value == U'.' && !seenPoint;
        const bool digit = c.value >= U'0' && c.value <= U'9';
        if (!digit && !(sign && signAllowed) && !pointAllowed) {
            return OperandFlaw{operand, OperandFlaw::Kind::Character, position,
                               Text(text.substr(at, c.bytes))};
        }
        seenPoint = seenPoint || c.value == U'.';
        at += c.bytes;
    }
    return std::nullopt;
}

std::optional<OperandFlaw> naturalNumberFlaw(const Text& fieldText, Operand operand,
                                             bool within32Bits) {
    if (auto flaw = characterFlaw(fieldText, NumberForm::Natural, operand)) {
        return flaw;
    }
    const Text number = operations::operandText(fieldText);
    if (number.empty()) {
        return OperandFlaw{operand, OperandFlaw::Kind::Empty, 0, {}};
    }
    if (number == "+") {
        return OperandFlaw{operand, OperandFlaw::Kind::NoDigit, 0, {}};
    }
    if (within32Bits && !toInt32(number)) {
        return OperandFlaw{operand, OperandFlaw::Kind::Beyond32Bits, 0, {}};
    }
    return std::nullopt;
}

void refuseOperands(const std::vector<std::optional<OperandFlaw>>& flaws) {
    std::vector<OperandFlaw> found;
    for (const auto& flaw : flaws) {
        if (flaw) {
            found.push_back(*flaw);
        }
    }
    if (found.empty()) {
        throw Error("a procedure refused operands in which no flaw was found");
    }
    throw NotANumber("an operand is not a number of the form the command takes", std::move(found));
}

} // namespace detail

} // namespace engine
