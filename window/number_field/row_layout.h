// SPDX-License-Identifier: GPL-3.0-or-later
// Where each character of a field's text stands: rows of a fixed number of
// columns, one character a column. A text without line breaks is one line, and
// the row of a position is a division. Line breaks (LF, CR, CR LF, U+2028,
// U+2029), which only a pasted or dropped text brings, each start a new row;
// their positions are kept in a small sorted index, so that the cost of the
// layout grows with the number of breaks, never with the length of the text.
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace window {

// The characters of one row: [start, start + length).
struct Row {
    qsizetype start = 0;
    qsizetype length = 0;
};

class RowLayout {
public:
    // Lays out `text` anew (one pass to find its line breaks).
    void setText(QStringView text);
    // After [position, position + removed) of the text was replaced by
    // `inserted` characters; `text` is the new text. Only the breaks of the
    // inserted characters are looked for.
    void replaced(QStringView text, qsizetype position, qsizetype removed, qsizetype inserted);
    void setColumns(qsizetype columns);

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
    void rebuildLines(QStringView text);
    void numberRows();
    qsizetype rowsOf(const Line& line) const;
    const Line& lineOfRow(qsizetype index) const;

    qsizetype columns_ = 1;
    qsizetype length_ = 0;
    std::vector<qsizetype> breaks_; // positions of line-break characters, sorted
    std::vector<Line> lines_{Line{}};
    qsizetype rowCount_ = 1;
};

} // namespace window
