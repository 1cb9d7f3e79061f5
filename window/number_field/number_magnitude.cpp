// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/number_magnitude.h"

namespace window {

std::optional<Magnitude> magnitudeOf(QStringView text, const NumberParts& parts, qsizetype digits) {
    qsizetype first = parts.integerStart;
    while (first < parts.end && (text[first] == u'0' || text[first] == u'.')) {
        ++first;
    }
    if (first == parts.end) {
        return std::nullopt;
    }
    Magnitude magnitude;
    magnitude.negative = text[0] == u'-';
    magnitude.exponent =
        first < parts.integerEnd ? parts.integerEnd - first - 1 : parts.fractionStart - first - 1;
    for (qsizetype at = first; at < parts.end && magnitude.digits.size() < digits; ++at) {
        if (at != parts.integerEnd) {
            magnitude.digits += text[at];
        }
    }
    magnitude.digits = magnitude.digits.leftJustified(digits, u'0');
    return magnitude;
}

} // namespace window
