// SPDX-License-Identifier: GPL-3.0-or-later
// The field's reading aids: going to a digit by its number, and finding a
// sequence of characters in the text, forwards or backwards from the caret.
#include "window/number_field/number_field.h"

#include "window/number_field/sequence_search.h"

namespace window {

bool NumberField::goToDigit(qsizetype number) {
    const std::optional<qsizetype> position = census_.positionOfDigit(text_.text(), number - 1);
    if (!position) {
        return false;
    }
    setSelection(*position + 1, *position);
    return true;
}

// A search goes on from the caret, or, when something is selected (what it
// found last), from just after the selection's start, so that F3 steps
// through every occurrence, overlapping ones included. Meeting the text's end
// (or start), it goes on from the other end up to where it began.
std::optional<FoundSequence> NumberField::findSequence(const QString& sequence,
                                                       SearchDirection direction) {
    const QStringView text(text_.text());
    const qsizetype caret = text_.hasSelection() ? text_.selectionStart() : text_.caret();
    qsizetype found = -1;
    bool wrapped = false;
    if (direction == SearchDirection::Forward) {
        const qsizetype from = text_.hasSelection() ? caret + 1 : caret;
        found = findForward(text, sequence, from, text.size());
        if (found < 0) {
            found = findForward(text, sequence, 0, from);
            wrapped = true;
        }
    } else {
        found = findBackward(text, sequence, 0, caret);
        if (found < 0) {
            found = findBackward(text, sequence, caret, text.size());
            wrapped = true;
        }
    }
    if (found < 0) {
        return std::nullopt;
    }
    setSelection(found + sequence.size(), found);
    return FoundSequence{found, wrapped};
}

qsizetype NumberField::countSequence(const QString& sequence, qsizetype from, qsizetype to) const {
    return countStarts(text_.text(), sequence, from, to);
}

} // namespace window
