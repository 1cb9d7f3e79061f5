// SPDX-License-Identifier: GPL-3.0-or-later
// A number's order of magnitude, as scientific notation writes it: its first
// significant digits and the power of ten of the first.
#pragma once

#include "window/number_field/text_census.h"

#include <QString>

#include <optional>

namespace window {

struct Magnitude {
    bool negative = false;
    QString digits; // the first significant ones, truncated, never rounded
    qsizetype exponent = 0;
};

// The first `digits` significant digits of the number in `text` whose parts
// are `parts` (zeros after its last digit), and the exponent of the first;
// none for a number that is zero.
std::optional<Magnitude> magnitudeOf(QStringView text, const NumberParts& parts, qsizetype digits);

} // namespace window
