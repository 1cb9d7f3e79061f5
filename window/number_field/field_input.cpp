// SPDX-License-Identifier: GPL-3.0-or-later
// The field's keys: the caret and selection keys, the editing keys, the
// clipboard and undo keys, typed text and an input method's text; and the
// mouse: clicks, drags and double-clicks select.
#include "window/number_field/number_field.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>

#include <array>

namespace window {

namespace {

// The caret keys of Qt's key bindings, moving and selecting. Both the line
// keys and the block keys go by rows: a number is one line.
struct KeyMotion {
    QKeySequence::StandardKey move;
    QKeySequence::StandardKey select;
    CaretMotion motion;
};

using K = QKeySequence;
using M = CaretMotion;
constexpr std::array<KeyMotion, 14> KeyMotions{{
    {K::MoveToPreviousChar, K::SelectPreviousChar, M::PreviousCharacter},
    {K::MoveToNextChar, K::SelectNextChar, M::NextCharacter},
    {K::MoveToPreviousWord, K::SelectPreviousWord, M::PreviousWord},
    {K::MoveToNextWord, K::SelectNextWord, M::NextWord},
    {K::MoveToPreviousLine, K::SelectPreviousLine, M::PreviousRow},
    {K::MoveToNextLine, K::SelectNextLine, M::NextRow},
    {K::MoveToPreviousPage, K::SelectPreviousPage, M::PreviousPage},
    {K::MoveToNextPage, K::SelectNextPage, M::NextPage},
    {K::MoveToStartOfLine, K::SelectStartOfLine, M::StartOfRow},
    {K::MoveToEndOfLine, K::SelectEndOfLine, M::EndOfRow},
    {K::MoveToStartOfBlock, K::SelectStartOfBlock, M::StartOfRow},
    {K::MoveToEndOfBlock, K::SelectEndOfBlock, M::EndOfRow},
    {K::MoveToStartOfDocument, K::SelectStartOfDocument, M::StartOfText},
    {K::MoveToEndOfDocument, K::SelectEndOfDocument, M::EndOfText},
}};

bool isRedo(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return key.matches(QKeySequence::Redo) ||
           (key.key() == Qt::Key_Y && modifiers == Qt::ControlModifier) ||
           (key.key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier));
}

// Text that a key types: printable, and not a shortcut (Ctrl alone; AltGr,
// which some systems send as Ctrl+Alt, types).
bool typesText(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool shortcut =
        (modifiers & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier ||
        (modifiers & Qt::MetaModifier) != 0;
    return !shortcut && !key.text().isEmpty() && key.text().front().isPrint();
}

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber();
}

} // namespace

bool NumberField::event(QEvent* event) {
    // Keys that the field uses are not shortcuts of the window meanwhile.
    if (event->type() == QEvent::ShortcutOverride &&
        isEditingKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

bool NumberField::isEditingKey(const QKeyEvent& key) const {
    for (const QKeySequence::StandardKey standard :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
          QKeySequence::SelectAll, QKeySequence::Delete, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord}) {
        if (key.matches(standard)) {
            return true;
        }
    }
    for (const KeyMotion& motion : KeyMotions) {
        if (key.matches(motion.move) || key.matches(motion.select)) {
            return true;
        }
    }
    // Text with Alt is an access key ("&Quitter") before it is text.
    const bool plain = (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    return isRedo(key) || (plain && typesText(key)) || key.key() == Qt::Key_Backspace;
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (moveByKey(*event) || editByKey(*event)) {
        event->accept();
        return;
    }
    if (typesText(*event)) {
        if (!replaceSelection(event->text(), EditKind::Typing)) {
            QApplication::beep(); // the field is full
        }
        event->accept();
        return;
    }
    // Enter, Tab and the rest go to the window.
    event->ignore();
}

bool NumberField::moveByKey(const QKeyEvent& key) {
    for (const auto& [move, select, motion] : KeyMotions) {
        const bool selecting = key.matches(select);
        if (!selecting && !key.matches(move)) {
            continue;
        }
        const bool vertical = motion == M::PreviousRow || motion == M::NextRow ||
                              motion == M::PreviousPage || motion == M::NextPage;
        if (!vertical) {
            goalColumn_ = -1;
        }
        // Left or Right with a selection goes to its edge.
        if (!selecting && text_.hasSelection() &&
            (motion == M::PreviousCharacter || motion == M::NextCharacter)) {
            moveCaret(motion == M::PreviousCharacter ? text_.selectionStart()
                                                     : text_.selectionEnd(),
                      false);
            return true;
        }
        moveCaret(target(motion), selecting);
        if (selecting) {
            offerSelection();
        }
        return true;
    }
    return false;
}

bool NumberField::editByKey(const QKeyEvent& key) {
    const qsizetype caret = text_.caret();
    if (key.matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (key.matches(QKeySequence::Copy)) {
        copy();
    } else if (key.matches(QKeySequence::Cut)) {
        cut();
    } else if (key.matches(QKeySequence::Paste)) {
        paste();
    } else if (key.matches(QKeySequence::Undo)) {
        undo();
    } else if (isRedo(key)) {
        redo();
    } else if (text_.hasSelection() &&
               (key.key() == Qt::Key_Backspace || key.matches(QKeySequence::Delete))) {
        deleteSelection();
    } else if (key.matches(QKeySequence::DeleteStartOfWord)) {
        replaceRange(previousWord(caret), caret, {}, EditKind::Other);
    } else if (key.matches(QKeySequence::DeleteEndOfWord)) {
        replaceRange(caret, nextWord(caret), {}, EditKind::Other);
    } else if (key.key() == Qt::Key_Backspace) {
        replaceRange(previousCharacter(caret), caret, {}, EditKind::Backspace);
    } else if (key.matches(QKeySequence::Delete)) {
        replaceRange(caret, nextCharacter(caret), {}, EditKind::Delete);
    } else {
        return false;
    }
    return true;
}

qsizetype NumberField::target(CaretMotion motion) {
    const qsizetype caret = text_.caret();
    const qsizetype row = layout_.rowOf(caret);
    switch (motion) {
    case M::PreviousCharacter:
        return previousCharacter(caret);
    case M::NextCharacter:
        return nextCharacter(caret);
    case M::PreviousWord:
        return previousWord(caret);
    case M::NextWord:
        return nextWord(caret);
    case M::PreviousRow:
        return rowsAway(-1);
    case M::NextRow:
        return rowsAway(1);
    case M::PreviousPage:
    case M::NextPage: {
        // The view moves by a page too.
        const qsizetype rows = (motion == M::NextPage ? 1 : -1) * rowsInSight();
        verticalScrollBar()->setValue(int(firstRow() + rows));
        return rowsAway(rows);
    }
    case M::StartOfRow:
        return layout_.row(row).start;
    case M::EndOfRow:
        return layout_.row(row).start + layout_.row(row).length;
    case M::StartOfText:
        return 0;
    case M::EndOfText:
        return text_.size();
    }
    return caret;
}

// `rows` rows up or down, in the column where the vertical moves started;
// beyond the first or last row, the text's start or end.
qsizetype NumberField::rowsAway(qsizetype rows) {
    const qsizetype caret = text_.caret();
    const qsizetype row = layout_.rowOf(caret);
    if (goalColumn_ < 0) {
        goalColumn_ = caret - layout_.row(row).start;
    }
    const qsizetype to = row + rows;
    if (to < 0) {
        return 0;
    }
    return to < layout_.rowCount() ? layout_.positionAt(to, goalColumn_) : text_.size();
}

// A character outside the basic plane is two positions, and moves as one.
qsizetype NumberField::previousCharacter(qsizetype position) const {
    if (position <= 0) {
        return 0;
    }
    const QString& text = text_.text();
    return position >= 2 && text[position - 1].isLowSurrogate() &&
                   text[position - 2].isHighSurrogate()
               ? position - 2
               : position - 1;
}

qsizetype NumberField::nextCharacter(qsizetype position) const {
    const QString& text = text_.text();
    if (position >= text.size()) {
        return text.size();
    }
    return position + 1 < text.size() && text[position].isHighSurrogate() &&
                   text[position + 1].isLowSurrogate()
               ? position + 2
               : position + 1;
}

// The start of the word before `position`, as Ctrl+Left goes.
qsizetype NumberField::previousWord(qsizetype position) const {
    const QString& text = text_.text();
    while (position > 0 && !isWordCharacter(text[position - 1])) {
        --position;
    }
    while (position > 0 && isWordCharacter(text[position - 1])) {
        --position;
    }
    return position;
}

// The start of the next word, as Ctrl+Right goes.
qsizetype NumberField::nextWord(qsizetype position) const {
    const QString& text = text_.text();
    while (position < text.size() && isWordCharacter(text[position])) {
        ++position;
    }
    while (position < text.size() && !isWordCharacter(text[position])) {
        ++position;
    }
    return position;
}

void NumberField::selectWordAt(qsizetype position) {
    const QString& text = text_.text();
    qsizetype start = position;
    qsizetype end = position;
    while (start > 0 && isWordCharacter(text[start - 1])) {
        --start;
    }
    while (end < text.size() && isWordCharacter(text[end])) {
        ++end;
    }
    if (start == end) {
        end = nextCharacter(position); // a blank or a sign alone
    }
    setSelection(start, end);
    offerSelection();
}

void NumberField::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() &&
        !replaceSelection(event->commitString(), EditKind::Typing)) {
        QApplication::beep();
    }
    event->accept();
}

QVariant NumberField::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return cellRect(text_.caret()).translated(viewport()->pos());
    case Qt::ImFont:
        return font();
    case Qt::ImHints:
        return int(Qt::ImhNoPredictiveText);
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// --- Mouse -------------------------------------------------------------------

void NumberField::mousePressEvent(QMouseEvent* event) {
    const qsizetype position = positionAt(event->position().toPoint());
    goalColumn_ = -1;
    if (event->button() == Qt::LeftButton) {
        selecting_ = true;
        moveCaret(position, event->modifiers().testFlag(Qt::ShiftModifier));
    } else if (event->button() == Qt::MiddleButton &&
               QGuiApplication::clipboard()->supportsSelection()) {
        moveCaret(position, false);
        insertPasted(QGuiApplication::clipboard()->text(QClipboard::Selection));
    }
}

void NumberField::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_ || !event->buttons().testFlag(Qt::LeftButton)) {
        return;
    }
    lastMouse_ = event->position().toPoint();
    moveCaret(positionAt(lastMouse_), true);
    // Above or below the rows: they scroll while the button stays down.
    const bool outside = lastMouse_.y() < 0 || lastMouse_.y() >= viewport()->height();
    outside ? autoScroll_.start(50, this) : autoScroll_.stop();
}

void NumberField::scrollWhileSelecting() {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (lastMouse_.y() < 0 ? -1 : 1));
    moveCaret(positionAt(lastMouse_), true);
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && selecting_) {
        selecting_ = false;
        autoScroll_.stop();
        offerSelection();
    }
}

void NumberField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        selectWordAt(positionAt(event->position().toPoint()));
    }
}

} // namespace window
