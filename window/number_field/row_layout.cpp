// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/row_layout.h"

#include <algorithm>

namespace window {

void RowLayout::setLines(QStringView text, const std::vector<qsizetype>& breaks) {
    length_ = text.size();
    wrapped_ = false;
    lines_.clear();
    qsizetype start = 0;
    for (std::size_t i = 0; i < breaks.size(); ++i) {
        const qsizetype at = breaks[i];
        lines_.push_back({start, at, 0});
        start = at + 1;
        // CR LF is one break.
        if (text[at] == u'\r' && i + 1 < breaks.size() && breaks[i + 1] == at + 1 &&
            text[at + 1] == u'\n') {
            ++start;
            ++i;
        }
    }
    lines_.push_back({start, length_, 0});
    numberRows();
}

void RowLayout::setColumns(qsizetype columns) {
    columns_ = std::max<qsizetype>(1, columns);
    wrapped_ = false;
    numberRows();
}

// Each row becomes a line of its own, as long as its columns; a row takes a
// character at least.
void RowLayout::wrap(qreal room, const std::function<qreal(qsizetype)>& widthOf) {
    rows_.clear();
    columns_ = 1;
    for (const Line& line : lines_) {
        qsizetype start = line.start;
        qreal width = 0;
        for (qsizetype at = line.start; at < line.end; ++at) {
            const qreal next = widthOf(at);
            if (at > start && width + next > room) {
                rows_.push_back({start, at, 0});
                columns_ = std::max(columns_, at - start);
                start = at;
                width = 0;
            }
            width += next;
        }
        rows_.push_back({start, line.end, 0});
        columns_ = std::max(columns_, line.end - start);
    }
    wrapped_ = true;
    numberRows();
}

void RowLayout::numberRows() {
    qsizetype row = 0;
    for (Line& line : pieces()) {
        line.firstRow = row;
        row += rowsOf(line);
    }
    rowCount_ = row;
}

qsizetype RowLayout::rowsOf(const Line& line) const {
    return std::max<qsizetype>(1, (line.end - line.start + columns_ - 1) / columns_);
}

qsizetype RowLayout::rowOf(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, length_);
    const auto after = std::ranges::upper_bound(pieces(), position, {},
                                                [](const Line& line) { return line.start; });
    const Line& line = *std::prev(after);
    return line.firstRow + std::min((position - line.start) / columns_, rowsOf(line) - 1);
}

const RowLayout::Line& RowLayout::lineOfRow(qsizetype index) const {
    const auto after = std::ranges::upper_bound(pieces(), index, {},
                                                [](const Line& line) { return line.firstRow; });
    return *std::prev(after);
}

Row RowLayout::row(qsizetype index) const {
    index = std::clamp<qsizetype>(index, 0, rowCount_ - 1);
    const Line& line = lineOfRow(index);
    const qsizetype start = line.start + (index - line.firstRow) * columns_;
    return {start, std::min(columns_, line.end - start)};
}

qsizetype RowLayout::positionAt(qsizetype index, qsizetype column) const {
    const Row found = row(index);
    return found.start + std::clamp<qsizetype>(column, 0, found.length);
}

} // namespace window
