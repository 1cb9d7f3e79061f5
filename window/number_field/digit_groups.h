// SPDX-License-Identifier: GPL-3.0-or-later
// Where a number's digits fall into groups: counted from the point, leftwards
// in the integer part and rightwards in the fraction. The field draws a gap
// before the first digit of each group but the first; the gaps are never
// part of the text. Everything is arithmetic on the positions of the
// number's parts, whatever its length.
#pragma once

#include "window/number_field/text_census.h"

namespace window {

class DigitGroups {
public:
    // No groups: no gaps.
    DigitGroups() = default;
    // Groups of `size` digits (from 1) in the number whose parts are `parts`.
    DigitGroups(qsizetype size, const NumberParts& parts) : size_(size), parts_(parts) {}

    bool any() const { return size_ > 0; }
    // The gaps before positions in (from, to]: a gap stands before a position
    // that starts a group of digits other than the first of its part.
    qsizetype gapsIn(qsizetype from, qsizetype to) const;

private:
    qsizetype size_ = 0;
    NumberParts parts_;
};

} // namespace window
