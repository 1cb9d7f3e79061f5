// SPDX-License-Identifier: GPL-3.0-or-later
// Where each character of a field's text stands: rows of a fixed number of
// columns, one character a column. A text without line breaks is one line, and
// the row of a position is a division. A short text may instead be wrapped
// by the widths of its characters, each row holding what fits. Line breaks (LF, CR, CR LF, U+2028,
// U+2029), which only a pasted or dropped text brings, each start a new row;
// the layout is built from their sorted positions (TextCensus keeps them), so
// that its cost grows with the number of breaks, never with the length of the text.
#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace window {

// The characters of one row: [start, start + length).
struct Row {
    qsizetype start = 0;
    qsizetype length = 0;
};

class RowLayout {
public:
    // Lays out `text`, whose line-break characters stand at `breaks`.
    void setLines(QStringView text, const std::vector<qsizetype>& breaks);
    // Rows of `columns` characters.
    void setColumns(qsizetype columns);
    // Rows of the characters that fit `room`, the character at each position
    // being `widthOf(position)` wide: a pass over the text.
    void wrap(qreal room, const std::function<qreal(qsizetype)>& widthOf);

    qsizetype columns() const { return columns_; }
    qsizetype rowCount() const { return rowCount_; }
    // The row of `position` (0 to the text's length). The end of a full row
    // that goes on in the next row belongs to the next row; the end of a line
    // to its own last row.
    qsizetype rowOf(qsizetype position) const;
    Row row(qsizetype index) const;
    // The position at `column` of row `index`, or the row's end.
    qsizetype positionAt(qsizetype index, qsizetype column) const;

private:
    // A line: the characters between two line breaks, and the first row it takes.
    struct Line {
        qsizetype start = 0;
        qsizetype end = 0; // where its break stands, or the text's end
        qsizetype firstRow = 0;
    };
    void numberRows();
    qsizetype rowsOf(const Line& line) const;
    const Line& lineOfRow(qsizetype index) const;
    // The lines, or once wrapped the rows, each a line of its own.
    std::vector<Line>& pieces() { return wrapped_ ? rows_ : lines_; }
    const std::vector<Line>& pieces() const { return wrapped_ ? rows_ : lines_; }

    qsizetype columns_ = 1;
    qsizetype length_ = 0;
    std::vector<Line> lines_{Line{}};
    std::vector<Line> rows_;
    bool wrapped_ = false;
    qsizetype rowCount_ = 1;
};

} // namespace window
