// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/sequence_search.h"

#include <algorithm>
#include <cstring>

namespace window {

namespace {

constexpr qsizetype Block = 32;

// The sequence sought, with the three characters that a position must match
// before the whole sequence is compared there.
class Sequence {
public:
    Sequence(QStringView text, QStringView sequence)
        : chars_(text.utf16()), sequence_(sequence.utf16()), length_(sequence.size()),
          middle_(length_ / 2), first_(sequence_[0]), centre_(sequence_[middle_]),
          last_(sequence_[length_ - 1]) {}

    // Whether a start in [start, start + Block) may match: three characters
    // compared at every position, without a branch.
    bool mayStartIn(qsizetype start) const {
        char16_t may = 0;
        for (qsizetype i = start; i < start + Block; ++i) {
            may |= char16_t((chars_[i] == first_) & (chars_[i + middle_] == centre_) &
                            (chars_[i + length_ - 1] == last_));
        }
        return may != 0;
    }
    bool startsAt(qsizetype i) const {
        return chars_[i] == first_ &&
               std::memcmp(chars_ + i, sequence_, std::size_t(length_) * sizeof(char16_t)) == 0;
    }

private:
    const char16_t* chars_;
    const char16_t* sequence_;
    qsizetype length_;
    qsizetype middle_;
    char16_t first_;
    char16_t centre_;
    char16_t last_;
};

// Calls `visit(i)` for each start i in [from, to) of `sequence` in `text`,
// in order, until it returns false; returns the start where it stopped, or -1.
template <typename Visit>
qsizetype visitStarts(QStringView text, QStringView sequence, qsizetype from, qsizetype to,
                      Visit visit) {
    to = std::min(to, text.size() - sequence.size() + 1);
    from = std::max<qsizetype>(from, 0);
    if (sequence.isEmpty() || from >= to) {
        return -1;
    }
    const Sequence sought(text, sequence);
    qsizetype i = from;
    for (; i + Block <= to; i += Block) {
        if (!sought.mayStartIn(i)) {
            continue;
        }
        for (qsizetype start = i; start < i + Block; ++start) {
            if (sought.startsAt(start) && !visit(start)) {
                return start;
            }
        }
    }
    for (; i < to; ++i) {
        if (sought.startsAt(i) && !visit(i)) {
            return i;
        }
    }
    return -1;
}

} // namespace

qsizetype findForward(QStringView text, QStringView sequence, qsizetype from, qsizetype to) {
    return visitStarts(text, sequence, from, to, [](qsizetype) { return false; });
}

qsizetype findBackward(QStringView text, QStringView sequence, qsizetype from, qsizetype to) {
    qsizetype end = std::min(to, text.size() - sequence.size() + 1);
    from = std::max<qsizetype>(from, 0);
    if (sequence.isEmpty() || end <= from) {
        return -1;
    }
    const Sequence sought(text, sequence);
    for (; end - Block >= from; end -= Block) {
        if (!sought.mayStartIn(end - Block)) {
            continue;
        }
        for (qsizetype start = end - 1; start >= end - Block; --start) {
            if (sought.startsAt(start)) {
                return start;
            }
        }
    }
    for (qsizetype start = end - 1; start >= from; --start) {
        if (sought.startsAt(start)) {
            return start;
        }
    }
    return -1;
}

qsizetype countStarts(QStringView text, QStringView sequence, qsizetype from, qsizetype to) {
    qsizetype count = 0;
    visitStarts(text, sequence, from, to, [&count](qsizetype) {
        ++count;
        return true;
    });
    return count;
}

} // namespace window
