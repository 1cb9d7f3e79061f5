// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/text_census.h"

#include "window/number_field/non_digits.h"
#include "window/number_field/pasted_text.h"

#include <algorithm>

namespace window {

namespace {

// The positions of `positions` in [position, position + removed) go; those
// after move by `inserted - removed`; `added` (sorted, inside the inserted
// characters) come in.
void splice(std::vector<qsizetype>& positions, qsizetype position, qsizetype removed,
            qsizetype inserted, const std::vector<qsizetype>& added) {
    const auto first = std::ranges::lower_bound(positions, position);
    const auto last = std::lower_bound(first, positions.end(), position + removed);
    const auto kept = positions.erase(first, last);
    for (auto it = kept; it != positions.end(); ++it) {
        *it += inserted - removed;
    }
    positions.insert(kept, added.begin(), added.end());
}

} // namespace

void TextCensus::setText(QStringView text) {
    length_ = text.size();
    nonDigitCount_ = 0;
    asciiCounts_.fill(0);
    otherCounts_.clear();
    breaks_.clear();
    placed_.clear();
    forEachNonDigitIn(text, [this](qsizetype i, char16_t c) {
        count(c, 1);
        if (isLineBreak(c)) {
            breaks_.push_back(i);
        }
        if (qsizetype(placed_.size()) <= MostPlacedNonDigits) {
            placed_.push_back(i);
        }
    });
    keepPlacesIfFew();
}

void TextCensus::replaced(QStringView text, qsizetype position, QStringView removed,
                          qsizetype inserted) {
    length_ = text.size();
    forEachNonDigitIn(removed, [this](qsizetype, char16_t c) { count(c, -1); });
    std::vector<qsizetype> addedBreaks;
    std::vector<qsizetype> addedPlaces;
    forEachNonDigitIn(text.sliced(position, inserted), [&](qsizetype i, char16_t c) {
        count(c, 1);
        if (isLineBreak(c)) {
            addedBreaks.push_back(position + i);
        }
        if (qsizetype(addedPlaces.size()) <= MostPlacedNonDigits) {
            addedPlaces.push_back(position + i);
        }
    });
    splice(breaks_, position, removed.size(), inserted, addedBreaks);
    if (allPlaced_) {
        splice(placed_, position, removed.size(), inserted, addedPlaces);
        keepPlacesIfFew();
    } else if (nonDigitCount_ <= MostPlacedNonDigits) {
        // They were many and are few now: one pass places them.
        forEachNonDigitIn(text, [this](qsizetype i, char16_t) { placed_.push_back(i); });
        allPlaced_ = true;
    }
}

void TextCensus::keepPlacesIfFew() {
    allPlaced_ = nonDigitCount_ <= MostPlacedNonDigits;
    if (!allPlaced_) {
        placed_.clear();
    }
}

void TextCensus::count(char16_t c, qsizetype change) {
    nonDigitCount_ += change;
    if (c < asciiCounts_.size()) {
        asciiCounts_[c] += change;
    } else if ((otherCounts_[c] += change) == 0) {
        otherCounts_.erase(c);
    }
}

std::optional<qsizetype> TextCensus::digitsBefore(qsizetype position) const {
    if (!allPlaced_) {
        return std::nullopt;
    }
    position = std::clamp<qsizetype>(position, 0, length_);
    return position - (std::ranges::lower_bound(placed_, position) - placed_.begin());
}

// The digits before the i-th non-digit are placed_[i] - i, a sequence that
// never decreases: the digit sought lies before the first non-digit that has
// more than `index` digits before it, and as many non-digits before it as
// precede that one.
std::optional<qsizetype> TextCensus::positionOfDigit(QStringView text, qsizetype index) const {
    if (index < 0 || index >= digitCount()) {
        return std::nullopt;
    }
    if (!allPlaced_) {
        for (qsizetype at = 0;; ++at) {
            if (isDigit(text[at].unicode()) && index-- == 0) {
                return at;
            }
        }
    }
    qsizetype low = 0;
    qsizetype high = qsizetype(placed_.size());
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (placed_[middle] - middle <= index) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return index + low;
}

std::optional<NumberParts> TextCensus::numberParts(QStringView text) const {
    if (!allPlaced_ || placed_.size() > 2 || digitCount() == 0) {
        return std::nullopt;
    }
    NumberParts parts{0, length_, length_, length_};
    for (const qsizetype at : placed_) {
        if (at == 0 && (text[0] == u'-' || text[0] == u'+')) {
            parts.integerStart = 1;
        } else if (text[at] == u'.' && !parts.hasPoint()) {
            parts.integerEnd = at;
            parts.fractionStart = at + 1;
        } else {
            return std::nullopt;
        }
    }
    return parts;
}

} // namespace window
