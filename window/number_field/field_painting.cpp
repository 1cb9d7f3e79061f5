// SPDX-License-Identifier: GPL-3.0-or-later
// How the field paints the rows in sight, its selection and its caret, and
// makes the caret blink while it has the focus.
#include "window/number_field/number_field.h"

#include "window/number_field/pasted_text.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QtMath>

namespace window {

void NumberField::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    QFont font = this->font();
    font.setKerning(false); // a run of digits stays in its cells
    painter.setFont(font);
    const qsizetype first = firstRow();
    const qsizetype last =
        std::min(layout_.rowCount(), first + (viewport()->height() - Margin) / rowHeight_ + 1);
    for (qsizetype index = first; index < last; ++index) {
        drawRow(painter, layout_.row(index), Margin + qreal(index - first) * rowHeight_);
    }
    const qsizetype caret = dropPosition_ >= 0 ? dropPosition_ : text_.caret();
    if (dropPosition_ >= 0 || (caretShown_ && hasFocus())) {
        const QRect cell = cellRect(caret);
        const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
        painter.fillRect(QRect(cell.left(), cell.top(), width, cell.height()),
                         palette().color(QPalette::Text));
    }
}

// The row's characters, the selected ones in the selection's colours.
void NumberField::drawRow(QPainter& painter, const Row& row, qreal top) const {
    const QStringView cells = QStringView(text_.text()).sliced(row.start, row.length);
    const qsizetype from = std::clamp<qsizetype>(text_.selectionStart() - row.start, 0, row.length);
    const qsizetype to = std::clamp<qsizetype>(text_.selectionEnd() - row.start, 0, row.length);
    const qreal baseline = top + ascent_;
    if (from < to) {
        painter.fillRect(
            QRectF(Margin + from * cellWidth_, top, (to - from) * cellWidth_, rowHeight_),
            palette().brush(QPalette::Highlight));
    }
    painter.setPen(palette().color(QPalette::Text));
    drawCells(painter, cells.first(from), {Margin, baseline});
    drawCells(painter, cells.sliced(to), {Margin + to * cellWidth_, baseline});
    painter.setPen(palette().color(QPalette::HighlightedText));
    drawCells(painter, cells.sliced(from, to - from), {Margin + from * cellWidth_, baseline});
}

// Characters in cells one digit wide, from `origin` on the baseline. Runs of
// characters as wide as a digit are drawn in one go; any other character is
// drawn alone, centred in its cell and cut to it, so that a letter, a wide
// character or a symbol pasted into the result never moves the others.
// Control characters and line breaks show as empty cells.
void NumberField::drawCells(QPainter& painter, QStringView cells, QPointF origin) const {
    qsizetype runStart = 0;
    const auto drawRun = [&](qsizetype end) {
        if (end > runStart) {
            painter.drawText(QPointF(origin.x() + runStart * cellWidth_, origin.y()),
                             cells.sliced(runStart, end - runStart).toString());
        }
    };
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QChar c = cells[i];
        if (fillsOneCell(c)) {
            continue;
        }
        drawRun(i);
        runStart = i + 1;
        if (c.isLowSurrogate() || c.category() == QChar::Other_Control || isLineBreak(c)) {
            continue;
        }
        const QString glyph = c.isHighSurrogate() && i + 1 < cells.size()
                                  ? cells.sliced(i, 2).toString()
                                  : QString(c);
        const qreal advance = painter.fontMetrics().horizontalAdvance(glyph);
        const QRectF cell(origin.x() + i * cellWidth_, origin.y() - ascent_, cellWidth_,
                          rowHeight_);
        painter.save();
        painter.setClipRect(cell, Qt::IntersectClip);
        painter.drawText(
            QPointF(cell.left() + std::max(0.0, (cellWidth_ - advance) / 2), origin.y()), glyph);
        painter.restore();
    }
    drawRun(cells.size());
}

bool NumberField::fillsOneCell(QChar c) const {
    return c.unicode() < fillsCell_.size() && fillsCell_[c.unicode()];
}

// A cell is as wide as a digit: the digits of the fields' fonts all are.
void NumberField::measureFont() {
    QFont font = this->font();
    font.setKerning(false);
    const QFontMetricsF metrics(font);
    cellWidth_ = metrics.horizontalAdvance(u'0');
    rowHeight_ = std::max(1, qCeil(metrics.lineSpacing()));
    ascent_ = metrics.ascent();
    for (char16_t c = u' '; c < fillsCell_.size(); ++c) {
        fillsCell_[c] =
            c != u'\x7f' && qFuzzyCompare(metrics.horizontalAdvance(QChar(c)), cellWidth_);
    }
}

// The caret shows at once after each move or edit, then blinks.
void NumberField::restartBlinking() {
    caretShown_ = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flashTime > 0) {
        blinking_.start(flashTime / 2, this);
    } else {
        blinking_.stop();
    }
}

void NumberField::timerEvent(QTimerEvent* event) {
    if (event->timerId() == blinking_.timerId()) {
        caretShown_ = !caretShown_;
        viewport()->update(cellRect(text_.caret()).adjusted(-1, 0, 1, 0));
    } else if (event->timerId() == autoScroll_.timerId()) {
        scrollWhileSelecting();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void NumberField::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlinking();
    viewport()->update();
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blinking_.stop();
    caretShown_ = false;
    viewport()->update();
}

} // namespace window
