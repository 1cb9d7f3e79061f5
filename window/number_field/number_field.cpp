// SPDX-License-Identifier: GPL-3.0-or-later
// The field's text, its edits, the clipboard, and where its rows stand.
#include "window/number_field/number_field.h"

#include "window/number_field/field_accessibility.h"
#include "window/number_field/field_messages.h"
#include "window/number_field/pasted_text.h"

#include <QApplication>
#include <QClipboard>
#include <QResizeEvent>
#include <QScrollBar>
#include <QtMath>

namespace window {

NumberField::NumberField(QWidget* parent) : QAbstractScrollArea(parent) {
    installNumberFieldAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true); // drops reach the viewport, which hands them on
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    measureFont();
    layout_.setText(text_.text());
    relayout();
}

void NumberField::setPlainText(const QString& text) {
    if (text == text_.text()) {
        return;
    }
    const QString former = text_.text();
    text_.setText(text);
    layout_.setText(text);
    relayout();
    verticalScrollBar()->setValue(0);
    restartBlinking();
    viewport()->update();
    announceNewText(*this, former);
    emit textChanged();
}

void NumberField::setSelection(qsizetype anchor, qsizetype caret) {
    text_.moveCaret(anchor, false);
    moveCaret(caret, true);
}

// --- Edits -----------------------------------------------------------------

bool NumberField::replaceSelection(const QString& text, EditKind kind) {
    const qsizetype kept = text_.size() - (text_.selectionEnd() - text_.selectionStart());
    if (kept + text.size() > MaxLength) {
        return false;
    }
    replaceRange(text_.selectionStart(), text_.selectionEnd(), text, kind);
    return true;
}

void NumberField::replaceText(const QString& text) {
    if (text != text_.text()) {
        replaceRange(0, text_.size(), text, EditKind::Other);
    }
}

void NumberField::replaceRange(qsizetype from, qsizetype to, const QString& text, EditKind kind) {
    if (from == to && text.isEmpty()) {
        return;
    }
    changed(text_.replace(from, to, text, kind));
}

// Everything that follows a change of the text, whatever made it.
void NumberField::changed(const TextChange& change) {
    layout_.replaced(text_.text(), change.position, change.removed.size(), change.inserted);
    relayout();
    goalColumn_ = -1;
    scrollToPosition(text_.caret());
    restartBlinking();
    viewport()->update();
    announceChange(*this, change);
    emit textChanged();
}

void NumberField::moveCaret(qsizetype to, bool keepAnchor) {
    const bool hadSelection = text_.hasSelection();
    text_.moveCaret(to, keepAnchor);
    scrollToPosition(text_.caret());
    restartBlinking();
    viewport()->update();
    announceCaret(*this, hadSelection || text_.hasSelection());
}

void NumberField::undo() {
    if (const std::optional<TextChange> change = text_.undo()) {
        changed(*change);
    }
}

void NumberField::redo() {
    if (const std::optional<TextChange> change = text_.redo()) {
        changed(*change);
    }
}

void NumberField::cut() {
    copy();
    deleteSelection();
}

void NumberField::copy() {
    if (text_.hasSelection()) {
        QGuiApplication::clipboard()->setText(text_.selectedText());
    }
}

void NumberField::paste() {
    insertPasted(QGuiApplication::clipboard()->text());
}

void NumberField::deleteSelection() {
    replaceRange(text_.selectionStart(), text_.selectionEnd(), {}, EditKind::Other);
}

void NumberField::selectAll() {
    setSelection(0, text_.size());
    offerSelection();
}

// A pasted or dropped text, made into one number for the operands; one that
// would make the text longer than the field takes changes nothing.
void NumberField::insertPasted(const QString& text) {
    if (!replaceSelection(pastesNormalised_ ? pastedNumber(text) : text, EditKind::Other)) {
        emit refused(tooLongMessage());
    }
}

// On systems with a selection clipboard (X11), what is selected can be pasted
// elsewhere with the middle button.
void NumberField::offerSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && text_.hasSelection()) {
        clipboard->setText(text_.selectedText(), QClipboard::Selection);
    }
}

// --- Rows and cells ----------------------------------------------------------

// Rows as wide as the viewport takes. The scroll bar shows when the rows do
// not all fit; whether they fit is decided on the width without the bar, so
// that showing the bar, which narrows the rows, never hides it again.
void NumberField::relayout() {
    const qsizetype firstCharacter = layout_.row(firstRow()).start;
    const QSize room = maximumViewportSize();
    const qsizetype inSight = rowsThatFit(room.height());
    layout_.setColumns(columnsThatFit(room.width()));
    if (layout_.rowCount() > inSight && verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded) {
        layout_.setColumns(columnsThatFit(room.width() - verticalScrollBar()->sizeHint().width()));
    }
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, int(std::max<qsizetype>(0, layout_.rowCount() - inSight)));
    bar->setPageStep(int(inSight));
    bar->setSingleStep(1);
    bar->setValue(int(layout_.rowOf(firstCharacter)));
}

qsizetype NumberField::firstRow() const {
    return verticalScrollBar()->value();
}

qsizetype NumberField::rowsInSight() const {
    return rowsThatFit(viewport()->height());
}

qsizetype NumberField::rowsThatFit(int height) const {
    return std::max(1, (height - 2 * Margin) / rowHeight_);
}

qsizetype NumberField::columnsThatFit(int width) const {
    return std::max<qsizetype>(1, qFloor((width - 2 * Margin) / cellWidth_));
}

void NumberField::scrollToPosition(qsizetype position) {
    const qsizetype row = layout_.rowOf(position);
    QScrollBar* bar = verticalScrollBar();
    if (row < firstRow()) {
        bar->setValue(int(row));
    } else if (row >= firstRow() + rowsInSight()) {
        bar->setValue(int(row - rowsInSight() + 1));
    }
}

QRect NumberField::cellRect(qsizetype position) const {
    const qsizetype row = layout_.rowOf(position);
    // Between the CR and the LF of a line break: at the end of the line.
    const qsizetype column = std::min(position - layout_.row(row).start, layout_.row(row).length);
    const QRectF cell(Margin + column * cellWidth_, Margin + (row - firstRow()) * rowHeight_,
                      cellWidth_, rowHeight_);
    return cell.toAlignedRect();
}

qsizetype NumberField::positionAt(QPoint point) const {
    const qsizetype row = std::clamp<qsizetype>(
        firstRow() + qFloor(qreal(point.y() - Margin) / rowHeight_), 0, layout_.rowCount() - 1);
    const qsizetype position = layout_.positionAt(row, qRound((point.x() - Margin) / cellWidth_));
    // Never between the two halves of a character outside the basic plane.
    return position > 0 && text_.text()[position - 1].isHighSurrogate() ? position - 1 : position;
}

void NumberField::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void NumberField::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        measureFont();
        relayout();
    }
}

void NumberField::scrollContentsBy(int, int) {
    viewport()->update();
}

} // namespace window
