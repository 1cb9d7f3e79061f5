// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a sequence of characters in a text of tens of millions, in place:
// the text is never copied. Three of the sequence's characters (its first,
// middle and last) are compared at each position of a block at once, in
// loops that the compiler turns into vector instructions; only a block where
// all three match somewhere is looked at closely. Among digits a block of 32
// positions holds such a match about once in thirty blocks, so that a sequence
// that is absent costs a fraction of a millisecond per million characters.
#pragma once

#include <QStringView>

namespace window {

// Each looks at the starts of `sequence` (not empty) in [from, to) of `text`.
// The first one, or -1.
qsizetype findForward(QStringView text, QStringView sequence, qsizetype from, qsizetype to);
// The last one, or -1.
qsizetype findBackward(QStringView text, QStringView sequence, qsizetype from, qsizetype to);
// How many there are, overlapping occurrences included.
qsizetype countStarts(QStringView text, QStringView sequence, qsizetype from, qsizetype to);

} // namespace window
