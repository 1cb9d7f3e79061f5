// SPDX-License-Identifier: GPL-3.0-or-later
// What characters a field's text holds besides digits, kept up to date edit
// by edit: how many of each, where its line breaks stand, and, while they are
// few, where every one of them stands. From that the field knows at once
// whether its text is a number (a sign, digits, a point) and which digit
// stands where, without looking at the digits: an edit costs what it removes
// and inserts, plus the number of non-digits, never the text's length.
//
// A text that holds many non-digits (a page of prose pasted into the result)
// keeps only their counts and its line breaks; the digits' places are then
// unknown.
#pragma once

#include <QStringView>

#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

namespace window {

// Where the parts of a number stand in its text: an optional sign, the
// integer digits [integerStart, integerEnd), an optional point at
// integerEnd, the fraction's digits [fractionStart, end).
struct NumberParts {
    qsizetype integerStart = 0;
    qsizetype integerEnd = 0;
    qsizetype fractionStart = 0;
    qsizetype end = 0;

    bool hasPoint() const { return fractionStart > integerEnd; }
    bool operator==(const NumberParts&) const = default;
};

class TextCensus {
public:
    // The most non-digits whose places are kept.
    static constexpr qsizetype MostPlacedNonDigits = 4096;

    // Counts `text` anew (one pass, which skips runs of digits quickly).
    void setText(QStringView text);
    // After `removed` at `position` was replaced by `inserted` characters;
    // `text` is the new text.
    void replaced(QStringView text, qsizetype position, QStringView removed, qsizetype inserted);

    // Positions of the line-break characters, sorted.
    const std::vector<qsizetype>& lineBreaks() const { return breaks_; }
    qsizetype digitCount() const { return length_ - nonDigitCount_; }
    // The digits before `position`; unknown when the text holds too many non-digits.
    std::optional<qsizetype> digitsBefore(qsizetype position) const;
    // Where the digit of index `index` (0 first) of `text`, the text counted,
    // stands; none when out of range. Among thousands of non-digits, found
    // by a pass over the text.
    std::optional<qsizetype> positionOfDigit(QStringView text, qsizetype index) const;
    // The number's parts when `text`, the text counted, is a number: an
    // optional sign ("-" or "+"), digits, at most one point, and a digit at least.
    std::optional<NumberParts> numberParts(QStringView text) const;

    // Calls `visit(c)` once for each character other than a digit that the
    // text holds.
    template <typename Visit> void forEachNonDigit(Visit visit) const {
        for (char16_t c = 0; c < asciiCounts_.size(); ++c) {
            if (asciiCounts_[c] > 0) {
                visit(c);
            }
        }
        for (const auto& [c, count] : otherCounts_) {
            if (count > 0) {
                visit(c);
            }
        }
    }

private:
    void count(char16_t c, qsizetype change);
    void keepPlacesIfFew();

    qsizetype length_ = 0;
    qsizetype nonDigitCount_ = 0;
    std::array<qsizetype, 128> asciiCounts_{};
    std::unordered_map<char16_t, qsizetype> otherCounts_;
    std::vector<qsizetype> breaks_;
    std::vector<qsizetype> placed_; // every non-digit's position, while they are few
    bool allPlaced_ = true;
};

} // namespace window
