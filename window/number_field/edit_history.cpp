// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/edit_history.h"

#include <algorithm>

namespace window {

namespace {

// Short texts keep a history of this many characters, whatever their length.
constexpr qsizetype SmallestHistory = 1 << 20;

} // namespace

void EditHistory::record(Edit edit, EditKind kind, qsizetype textLength) {
    for (const Edit& undone : redo_) {
        characters_ -= size(undone);
    }
    redo_.clear();
    if (!join(edit, kind)) {
        characters_ += size(edit);
        undo_.push_back(std::move(edit));
    }
    lastKind_ = kind;
    joinable_ = kind != EditKind::Other;
    dropOldest(textLength);
}

bool EditHistory::join(const Edit& edit, EditKind kind) {
    if (!joinable_ || kind != lastKind_ || undo_.empty()) {
        return false;
    }
    Edit& last = undo_.back();
    const bool removesOnly = edit.inserted.isEmpty() && last.inserted.isEmpty();
    if (kind == EditKind::Typing && edit.removed.isEmpty() &&
        edit.position == last.position + last.inserted.size()) {
        last.inserted += edit.inserted;
    } else if (kind == EditKind::Backspace && removesOnly &&
               edit.position + edit.removed.size() == last.position) {
        last.removed.prepend(edit.removed);
        last.position = edit.position;
    } else if (kind == EditKind::Delete && removesOnly && edit.position == last.position) {
        last.removed += edit.removed;
    } else {
        return false;
    }
    characters_ += size(edit);
    return true;
}

void EditHistory::dropOldest(qsizetype textLength) {
    const qsizetype limit = std::max(textLength, SmallestHistory);
    while (characters_ > limit && undo_.size() > 1) {
        characters_ -= size(undo_.front());
        undo_.pop_front();
    }
}

std::optional<Edit> EditHistory::takeUndo() {
    return moveLast(undo_, redo_);
}

std::optional<Edit> EditHistory::takeRedo() {
    return moveLast(redo_, undo_);
}

std::optional<Edit> EditHistory::moveLast(std::deque<Edit>& from, std::deque<Edit>& to) {
    joinable_ = false;
    if (from.empty()) {
        return std::nullopt;
    }
    to.push_back(std::move(from.back()));
    from.pop_back();
    return to.back();
}

void EditHistory::clear() {
    undo_.clear();
    redo_.clear();
    characters_ = 0;
    joinable_ = false;
}

} // namespace window
