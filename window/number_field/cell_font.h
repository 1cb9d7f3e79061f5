// SPDX-License-Identifier: GPL-3.0-or-later
// The field's font as its cells see it: how wide a digit is, how wide any
// other character needs its cell to be to show whole, and the glyphs with
// which the printable ASCII characters are drawn, placed one by one where
// the field's cells and gaps put them rather than where a text layout would.
#pragma once

#include <QFont>
#include <QRawFont>

#include <array>
#include <unordered_map>

namespace window {

class CellFont {
public:
    // A printable ASCII character of the font: its glyph, its advance and how
    // far right its ink reaches.
    struct Glyph {
        quint32 index = 0; // 0: the font has none, the character is drawn as text
        qreal advance = 0;
        qreal inkRight = 0;
    };

    // Measures `font`, with kerning off: a run of digits stays in its cells.
    void setFont(QFont font);

    const QFont& font() const { return font_; }
    const QRawFont& rawFont() const { return rawFont_; }
    // The widest of the ten digits.
    qreal digitWidth() const { return digitWidth_; }
    int rowHeight() const { return rowHeight_; }
    qreal ascent() const { return ascent_; }

    // The width that a cell needs to show `c` whole: its advance, or more
    // when its ink reaches further. Control characters and line breaks need
    // none; half of a character outside the basic plane stands for the whole
    // character, whose width is estimated from the font's largest.
    qreal widthOf(char16_t c) const;
    // The advance of the character at `at` of `text` in a row of proportional
    // characters: the second half of a character outside the basic plane
    // takes none, a control character or a line break a blank's.
    qreal advanceAt(QStringView text, qsizetype at) const;
    // The glyph of `c` when it is printable ASCII, else a glyph of index 0.
    Glyph glyphOf(char16_t c) const { return c < glyphs_.size() ? glyphs_[c] : Glyph{}; }

private:
    QFont font_;
    QRawFont rawFont_;
    qreal digitWidth_ = 1;
    int rowHeight_ = 1;
    qreal ascent_ = 0;
    qreal widestEstimate_ = 1;
    std::array<Glyph, 127> glyphs_{};
    // Of the other characters met so far: advance and width.
    mutable std::unordered_map<char16_t, std::pair<qreal, qreal>> measured_;

    const std::pair<qreal, qreal>& measure(char16_t c) const;
};

} // namespace window
