// SPDX-License-Identifier: GPL-3.0-or-later
// A quick pass over the characters of a text that are not digits: a text of
// tens of millions of digits is looked at in blocks, at memory speed.
#pragma once

#include <QStringView>

#include <algorithm>

namespace window {

inline bool isDigit(char16_t c) {
    return char16_t(c - u'0') <= 9;
}

// Calls `visit(i, c)` for each character c at index i of `text` that is not a
// digit. Most texts are digits: whole blocks are tested first, in a loop of
// fixed length without branches that the compiler turns into vector
// instructions, and only a block that holds something else is looked at
// character by character.
template <typename Visit> void forEachNonDigitIn(QStringView text, Visit visit) {
    constexpr qsizetype Block = 64;
    const char16_t* chars = text.utf16();
    const qsizetype wholeBlocks = text.size() / Block * Block;
    for (qsizetype blockStart = 0; blockStart < text.size(); blockStart += Block) {
        if (blockStart < wholeBlocks) {
            char16_t other = 0;
            for (qsizetype i = blockStart; i < blockStart + Block; ++i) {
                other |= char16_t(char16_t(chars[i] - u'0') > 9);
            }
            if (other == 0) {
                continue;
            }
        }
        for (qsizetype i = blockStart; i < std::min(text.size(), blockStart + Block); ++i) {
            if (!isDigit(chars[i])) {
                visit(i, chars[i]);
            }
        }
    }
}

// Whether `test(i, c)` holds for a character c at index i of `text` that is
// not a digit.
template <typename Test> bool anyNonDigitIn(QStringView text, Test test) {
    bool found = false;
    forEachNonDigitIn(text, [&](qsizetype i, char16_t c) { found = found || test(i, c); });
    return found;
}

} // namespace window
