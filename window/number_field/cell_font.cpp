// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/cell_font.h"

#include "window/number_field/pasted_text.h"

#include <QFontMetricsF>
#include <QtMath>

namespace window {

void CellFont::setFont(QFont font) {
    font.setKerning(false);
    font_ = font;
    rawFont_ = QRawFont::fromFont(font);
    measured_.clear();
    const QFontMetricsF metrics(font);
    rowHeight_ = std::max(1, qCeil(metrics.lineSpacing()));
    ascent_ = metrics.ascent();
    widestEstimate_ = std::max(metrics.maxWidth(), metrics.height());
    for (char16_t c = u' '; c < glyphs_.size(); ++c) {
        const QString text(c);
        glyphs_[c].advance = metrics.horizontalAdvance(text);
        glyphs_[c].inkRight = metrics.boundingRect(text).right();
        const QList<quint32> indexes =
            rawFont_.isValid() ? rawFont_.glyphIndexesForString(text) : QList<quint32>();
        glyphs_[c].index = indexes.size() == 1 ? indexes.front() : 0;
    }
    digitWidth_ = 0;
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        digitWidth_ = std::max(digitWidth_, glyphs_[digit].advance);
    }
}

qreal CellFont::widthOf(char16_t c) const {
    const QChar character(c);
    if (isLineBreak(character) || character.category() == QChar::Other_Control ||
        character.isLowSurrogate()) {
        return 0;
    }
    if (character.isHighSurrogate()) {
        return widestEstimate_;
    }
    if (c < glyphs_.size()) {
        return std::max(glyphs_[c].advance, glyphs_[c].inkRight);
    }
    return measure(c).second;
}

qreal CellFont::advanceAt(QStringView text, qsizetype at) const {
    const QChar c = text[at];
    if (c.unicode() < glyphs_.size() && glyphs_[c.unicode()].index != 0) {
        return glyphs_[c.unicode()].advance;
    }
    if (isLineBreak(c) || c.category() == QChar::Other_Control) {
        return glyphs_[u' '].advance;
    }
    if (c.isLowSurrogate() && at > 0 && text[at - 1].isHighSurrogate()) {
        return 0;
    }
    if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
        return QFontMetricsF(font_).horizontalAdvance(text.sliced(at, 2).toString());
    }
    return measure(c.unicode()).first;
}

const std::pair<qreal, qreal>& CellFont::measure(char16_t c) const {
    if (const auto known = measured_.find(c); known != measured_.end()) {
        return known->second;
    }
    const QFontMetricsF metrics(font_);
    const QChar character(c);
    const qreal advance = metrics.horizontalAdvance(character);
    return measured_
        .emplace(c, std::pair(advance, std::max(advance, metrics.boundingRect(character).right())))
        .first->second;
}

} // namespace window
