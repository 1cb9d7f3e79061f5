// SPDX-License-Identifier: GPL-3.0-or-later
// How the field paints the rows in sight, its selection and its caret, and
// makes the caret blink while it has the focus.
#include "window/number_field/number_field.h"

#include "window/number_field/pasted_text.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>

namespace window {

void NumberField::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font_.font());
    const int rowHeight = font_.rowHeight();
    const qsizetype first = firstRow();
    const qsizetype last =
        std::min(layout_.rowCount(), first + (viewport()->height() - Margin) / rowHeight + 1);
    for (qsizetype index = first; index < last; ++index) {
        drawRow(painter, layout_.row(index), Margin + qreal(index - first) * rowHeight);
    }
    const qsizetype caret = dropPosition_ >= 0 ? dropPosition_ : text_.caret();
    if (dropPosition_ >= 0 || (caretShown_ && hasFocus())) {
        const QRect cell = cellRect(caret);
        const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
        painter.fillRect(QRect(cell.left(), cell.top(), width, cell.height()),
                         palette().color(QPalette::Text));
    }
}

// The row's characters, the selected ones in the selection's colours, which
// also fill the gaps between them.
void NumberField::drawRow(QPainter& painter, const Row& row, qreal top) const {
    const qsizetype from = std::clamp<qsizetype>(text_.selectionStart() - row.start, 0, row.length);
    const qsizetype to = std::clamp<qsizetype>(text_.selectionEnd() - row.start, 0, row.length);
    const qreal baseline = top + font_.ascent();
    if (from < to) {
        const qreal left = columnX(row, from);
        painter.fillRect(QRectF(left, top, columnX(row, to - 1) + columnWidth(row, to - 1) - left,
                                font_.rowHeight()),
                         palette().brush(QPalette::Highlight));
    }
    painter.setPen(palette().color(QPalette::Text));
    drawCharacters(painter, row, 0, from, baseline);
    drawCharacters(painter, row, to, row.length, baseline);
    painter.setPen(palette().color(QPalette::HighlightedText));
    drawCharacters(painter, row, from, to, baseline);
}

// The characters of columns [from, to) of `row`, each centred in its cell,
// on `baseline`. The printable ASCII characters are glyphs of the field's
// font placed one by one, all in one run; any other character is drawn as
// text, so that the system finds a font for it. Control characters and line
// breaks show as empty cells.
void NumberField::drawCharacters(QPainter& painter, const Row& row, qsizetype from, qsizetype to,
                                 qreal baseline) const {
    QList<quint32> glyphs;
    QList<QPointF> places;
    glyphs.reserve(to - from);
    places.reserve(to - from);
    const QStringView text(text_.text());
    for (qsizetype column = from; column < to; ++column) {
        const qsizetype at = row.start + column;
        const QChar c = text[at];
        const qreal left = columnX(row, column);
        const qreal width = columnWidth(row, column);
        if (const CellFont::Glyph glyph = font_.glyphOf(c.unicode()); glyph.index != 0) {
            const qreal centred = std::min((width - glyph.advance) / 2, width - glyph.inkRight);
            glyphs.append(glyph.index);
            places.append({left + std::max(0.0, centred), baseline});
            continue;
        }
        if (c.isLowSurrogate() || c.category() == QChar::Other_Control || isLineBreak(c)) {
            continue;
        }
        const QString character = c.isHighSurrogate() && at + 1 < text.size()
                                      ? text.sliced(at, 2).toString()
                                      : QString(c);
        const qreal advance = painter.fontMetrics().horizontalAdvance(character);
        painter.drawText(QPointF(left + std::max(0.0, (width - advance) / 2), baseline), character);
    }
    if (!glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(font_.rawFont());
        run.setGlyphIndexes(glyphs);
        run.setPositions(places);
        painter.drawGlyphRun({0, 0}, run);
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
