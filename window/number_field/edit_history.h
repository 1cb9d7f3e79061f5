// SPDX-License-Identifier: GPL-3.0-or-later
// The undo and redo stacks of a field: each entry is one edit, the text it
// removed and the text it put in its place. Consecutive typing, and
// consecutive Backspaces or Deletes, join into one entry, as in text editors.
// The entries hold at most about as many characters as the field, so that
// undoing costs no more memory than a second copy of the text.
#pragma once

#include <QString>

#include <deque>
#include <optional>

namespace window {

struct Edit {
    qsizetype position = 0;
    QString removed;
    QString inserted;
};

// How an edit was made: only edits of the same kind join.
enum class EditKind { Typing, Backspace, Delete, Other };

class EditHistory {
public:
    // Records `edit`, just made to a text now `textLength` characters long;
    // empties the redo stack.
    void record(Edit edit, EditKind kind, qsizetype textLength);
    // The next edit starts an entry of its own (the caret was moved).
    void endJoining() { joinable_ = false; }
    // The last edit, moved to the redo stack; to be undone by the caller.
    std::optional<Edit> takeUndo();
    // The last undone edit, moved back; to be made again by the caller.
    std::optional<Edit> takeRedo();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void clear();

private:
    bool join(const Edit& edit, EditKind kind);
    void dropOldest(qsizetype textLength);
    std::optional<Edit> moveLast(std::deque<Edit>& from, std::deque<Edit>& to);
    static qsizetype size(const Edit& edit) { return edit.removed.size() + edit.inserted.size(); }

    std::deque<Edit> undo_;
    std::deque<Edit> redo_;
    qsizetype characters_ = 0; // held by both stacks
    EditKind lastKind_ = EditKind::Other;
    bool joinable_ = false;
};

} // namespace window
