// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/digit_groups.h"

#include <algorithm>

namespace window {

namespace {

qsizetype floorDivision(qsizetype a, qsizetype b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// How many b in [low, high] have b = anchor modulo `step`.
qsizetype congruentIn(qsizetype low, qsizetype high, qsizetype anchor, qsizetype step) {
    if (low > high) {
        return 0;
    }
    return floorDivision(high - anchor, step) - floorDivision(low - 1 - anchor, step);
}

} // namespace

qsizetype DigitGroups::gapsIn(qsizetype from, qsizetype to) const {
    if (size_ == 0) {
        return 0;
    }
    // Integer part: before the digits whose distance to the point is a
    // multiple of the size, the part's first digit excepted.
    const qsizetype integer =
        congruentIn(std::max(from + 1, parts_.integerStart + 1),
                    std::min(to, parts_.integerEnd - 1), parts_.integerEnd, size_);
    // Fraction: before the digits that follow a multiple of the size of others.
    const qsizetype fraction =
        congruentIn(std::max(from + 1, parts_.fractionStart + 1), std::min(to, parts_.end - 1),
                    parts_.fractionStart, size_);
    return integer + fraction;
}

} // namespace window
