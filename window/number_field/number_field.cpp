// SPDX-License-Identifier: GPL-3.0-or-later
// The field's text, its edits, the clipboard, and where its rows stand.
#include "window/number_field/number_field.h"

#include "window/number_field/field_accessibility.h"
#include "window/number_field/field_messages.h"
#include "window/number_field/field_scroll_bar.h"
#include "window/number_field/long_text.h"
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
    verticalScrollBar()->setStyle(new FieldScrollBarStyle(this));
    font_.setFont(font());
    census_.setText(text_.text());
    layout_.setLines(text_.text(), census_.lineBreaks());
    relayout();
}

void NumberField::setPlainText(const QString& text) {
    if (text == text_.text()) {
        return;
    }
    const QString former = textToAnnounceAsFormer(*this);
    text_.setText(text);
    textSet(former);
}

void NumberField::setUtf8Text(std::string_view utf8) {
    if (holdsUtf8(text_.text(), utf8)) {
        return;
    }
    const QString former = textToAnnounceAsFormer(*this);
    text_.setUtf8(utf8);
    textSet(former);
}

// Everything that follows a new text.
void NumberField::textSet(const QString& former) {
    census_.setText(text_.text());
    layout_.setLines(text_.text(), census_.lineBreaks());
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
    census_.replaced(text_.text(), change.position, change.removed, change.inserted);
    layout_.setLines(text_.text(), census_.lineBreaks());
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
    emit caretMoved();
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

void NumberField::setDigitGrouping(int digitsPerGroup) {
    if (digitsPerGroup != digitsPerGroup_) {
        digitsPerGroup_ = digitsPerGroup;
        relayout();
        viewport()->update();
    }
}

// Rows as wide as the viewport takes. The scroll bar shows when the rows do
// not all fit; whether they fit is decided on the width without the bar, so
// that showing the bar, which narrows the rows, never hides it again.
void NumberField::relayout() {
    const qsizetype firstCharacter = layout_.row(firstRow()).start;
    measureCells();
    const QSize room = maximumViewportSize();
    const qsizetype inSight = rowsThatFit(room.height());
    layOutRows(room.width());
    if (layout_.rowCount() > inSight && verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded) {
        layOutRows(room.width() - verticalScrollBar()->sizeHint().width());
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

void NumberField::layOutRows(int width) {
    if (proportional_) {
        const QStringView text(text_.text());
        layout_.wrap(width - 2 * Margin,
                     [this, text](qsizetype at) { return font_.advanceAt(text, at); });
    } else {
        layout_.setColumns(columnsThatFit(width));
    }
}

// A number is drawn in cells as wide as a digit, or as its sign when that
// is wider, and in groups; another text of a few thousand characters as text
// is, each character as wide as its own advance; a longer one in cells as
// wide as the widest character that it holds. Characters are counted by
// kind, so that deciding costs the same for any length.
void NumberField::measureCells() {
    const std::optional<NumberParts> parts = numberParts();
    proportional_ = !parts && text_.size() <= LongestProportionalText;
    cellWidth_ = font_.digitWidth();
    census_.forEachNonDigit(
        [this](char16_t c) { cellWidth_ = std::max(cellWidth_, font_.widthOf(c)); });
    gapWidth_ = font_.digitWidth() / 3;
    groups_ = parts && digitsPerGroup_ > 0 ? DigitGroups(digitsPerGroup_, *parts) : DigitGroups();
}

std::optional<NumberParts> NumberField::numberParts() const {
    return census_.numberParts(text_.text());
}

qsizetype NumberField::rowsThatFit(int height) const {
    return std::max(1, (height - 2 * Margin) / font_.rowHeight());
}

// With groups, rows of whole groups, so that the gaps of every row of a part
// stand in the same columns; a row of n groups holds at most n gaps.
qsizetype NumberField::columnsThatFit(int width) const {
    const qreal room = width - 2 * Margin;
    if (groups_.any()) {
        const qsizetype groups = qFloor(room / (digitsPerGroup_ * cellWidth_ + gapWidth_));
        return groups > 0 ? groups * digitsPerGroup_
                          : std::max<qsizetype>(1, qFloor((room - gapWidth_) / cellWidth_));
    }
    return std::max<qsizetype>(1, qFloor(room / cellWidth_));
}

qreal NumberField::columnX(const Row& row, qsizetype column) const {
    if (proportional_) {
        qreal x = Margin;
        for (qsizetype at = row.start; at < row.start + column; ++at) {
            x += font_.advanceAt(text_.text(), at);
        }
        return x;
    }
    return Margin + column * cellWidth_ + groups_.gapsIn(row.start, row.start + column) * gapWidth_;
}

qreal NumberField::columnWidth(const Row& row, qsizetype column) const {
    return proportional_ && column < row.length ? font_.advanceAt(text_.text(), row.start + column)
                                                : cellWidth_;
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
    const qsizetype index = layout_.rowOf(position);
    const Row row = layout_.row(index);
    // Between the CR and the LF of a line break: at the end of the line.
    const qsizetype column = std::min(position - row.start, row.length);
    const QRectF cell(columnX(row, column), Margin + (index - firstRow()) * font_.rowHeight(),
                      columnWidth(row, column), font_.rowHeight());
    return cell.toAlignedRect();
}

// The row under `point`, and in it the character edge nearest to it: a
// point in a gap goes to the edge of the group that follows it.
qsizetype NumberField::positionAt(QPoint point) const {
    const qsizetype index =
        std::clamp<qsizetype>(firstRow() + qFloor(qreal(point.y() - Margin) / font_.rowHeight()), 0,
                              layout_.rowCount() - 1);
    const Row row = layout_.row(index);
    qsizetype column = 0;
    for (qreal left = columnX(row, 0); column < row.length; ++column) {
        const qreal width = columnWidth(row, column);
        if (point.x() < left + width / 2) {
            break;
        }
        left = columnX(row, column + 1);
    }
    const qsizetype position = row.start + column;
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
        font_.setFont(font());
        relayout();
    }
}

void NumberField::scrollContentsBy(int, int) {
    viewport()->update();
}

} // namespace window
