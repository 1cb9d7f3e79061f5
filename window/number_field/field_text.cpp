// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/field_text.h"

#include "window/number_field/long_text.h"

namespace window {

QString FieldText::selectedText() const {
    return text_.mid(selectionStart(), selectionEnd() - selectionStart());
}

void FieldText::setText(const QString& text) {
    text_ = text;
    caret_ = 0;
    anchor_ = 0;
    history_.clear();
}

void FieldText::setUtf8(std::string_view utf8) {
    history_.clear(); // first: its edits may share the text's buffer
    assignUtf8(text_, utf8);
    caret_ = 0;
    anchor_ = 0;
}

void FieldText::moveCaret(qsizetype to, bool keepAnchor) {
    caret_ = std::clamp<qsizetype>(to, 0, text_.size());
    if (!keepAnchor) {
        anchor_ = caret_;
    }
    history_.endJoining();
}

TextChange FieldText::replace(qsizetype from, qsizetype to, const QString& inserted,
                              EditKind kind) {
    // The whole text is shared, not copied.
    QString removed =
        to - from == text_.size() ? text_ : copyOf(QStringView(text_).sliced(from, to - from));
    Edit edit{from, std::move(removed), inserted};
    const TextChange change = apply(from, edit.removed, inserted);
    history_.record(std::move(edit), kind, text_.size());
    return change;
}

std::optional<TextChange> FieldText::undo() {
    const std::optional<Edit> edit = history_.takeUndo();
    if (!edit) {
        return std::nullopt;
    }
    return apply(edit->position, edit->inserted, edit->removed);
}

std::optional<TextChange> FieldText::redo() {
    const std::optional<Edit> edit = history_.takeRedo();
    if (!edit) {
        return std::nullopt;
    }
    return apply(edit->position, edit->removed, edit->inserted);
}

TextChange FieldText::apply(qsizetype position, const QString& removed, const QString& inserted) {
    if (removed.size() == text_.size()) {
        text_ = inserted; // shared, not copied
    } else {
        splice(text_, position, removed.size(), inserted);
    }
    caret_ = position + inserted.size();
    anchor_ = caret_;
    return {position, removed, inserted.size()};
}

} // namespace window
