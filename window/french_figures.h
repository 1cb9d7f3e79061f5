// SPDX-License-Identifier: GPL-3.0-or-later
// Figures written the French way for the window's reading aids: thousands
// apart ("18 592 157"), counts of digits ("1 chiffre", "12 chiffres"),
// ordinals ("1re", "3e"), orders of magnitude ("≈ 2,450 8 × 10^18 592 156")
// and amounts of memory ("2,1 Go").
#pragma once

#include <QString>

namespace window {

struct Magnitude;

// `value` with a blank between each three digits counted from the right.
QString withThousands(qint64 value);
// "0 chiffre", "1 chiffre", "2 chiffres", ...: singular below 2, as French has it.
QString digitCountText(qint64 digits);
// "1re", "2e", "3e": the ordinal of an occurrence, a feminine noun.
QString ordinalText(qint64 number);
// "≈ 2,450 8 × 10^18 592 156": the mantissa's decimals grouped by three.
QString magnitudeText(const Magnitude& magnitude);
// An amount of memory: "2,1 Go" (tenths of 2^30 bytes) from one gigabyte on,
// "850 Mo" (2^20 bytes) below; rounded up, or down with `roundDown`, so that
// a need is never understated nor a supply overstated.
QString memoryText(quint64 bytes, bool roundDown = false);

} // namespace window
