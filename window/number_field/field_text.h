// SPDX-License-Identifier: GPL-3.0-or-later
// A field's text with its caret, its selection and its undo history. The text
// is held once; caret and anchor are positions in it (0 to its length), the
// selection runs between them.
#pragma once

#include "window/number_field/edit_history.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <string_view>

namespace window {

// What a change did: the text `removed` at `position` became `inserted`
// characters. `removed` shares the history's copy.
struct TextChange {
    qsizetype position = 0;
    QString removed;
    qsizetype inserted = 0;
};

class FieldText {
public:
    const QString& text() const { return text_; }
    qsizetype size() const { return text_.size(); }
    qsizetype caret() const { return caret_; }
    qsizetype anchor() const { return anchor_; }
    qsizetype selectionStart() const { return std::min(caret_, anchor_); }
    qsizetype selectionEnd() const { return std::max(caret_, anchor_); }
    bool hasSelection() const { return caret_ != anchor_; }
    QString selectedText() const;

    // A new text, without history, the caret at its start.
    void setText(const QString& text);
    // The same, the text given in UTF-8 (assignUtf8, which may write it into
    // the buffer of the text it replaces).
    void setUtf8(std::string_view utf8);
    // Moves the caret; the anchor follows unless `keepAnchor`.
    void moveCaret(qsizetype to, bool keepAnchor);
    // Replaces [from, to) with `inserted` as one edit; the caret ends after it.
    TextChange replace(qsizetype from, qsizetype to, const QString& inserted, EditKind kind);
    std::optional<TextChange> undo();
    std::optional<TextChange> redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

private:
    TextChange apply(qsizetype position, const QString& removed, const QString& inserted);

    QString text_;
    qsizetype caret_ = 0;
    qsizetype anchor_ = 0;
    EditHistory history_;
};

} // namespace window
