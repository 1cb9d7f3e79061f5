// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/row_layout.h"

#include "window/number_field/pasted_text.h"

#include <algorithm>

namespace window {

namespace {

// Appends the positions of the line breaks of `text`, shifted by `offset`.
// Most texts have none: whole blocks are tested first, in a loop of fixed
// length without branches that the compiler turns into vector instructions,
// and only a block that may hold a break is looked at character by character.
void appendBreaks(QStringView text, qsizetype offset, std::vector<qsizetype>& breaks) {
    constexpr qsizetype Block = 64;
    const char16_t* chars = text.utf16();
    const qsizetype wholeBlocks = text.size() / Block * Block;
    for (qsizetype blockStart = 0; blockStart < text.size(); blockStart += Block) {
        if (blockStart < wholeBlocks) {
            char16_t mayBreak = 0;
            for (qsizetype i = blockStart; i < blockStart + Block; ++i) {
                // Below U+000E, or U+2028 and U+2029.
                mayBreak |= char16_t(chars[i] < 0x0E) | char16_t((chars[i] | 1) == 0x2029);
            }
            if (mayBreak == 0) {
                continue;
            }
        }
        for (qsizetype i = blockStart; i < std::min(text.size(), blockStart + Block); ++i) {
            if (isLineBreak(QChar(chars[i]))) {
                breaks.push_back(offset + i);
            }
        }
    }
}

} // namespace

void RowLayout::setText(QStringView text) {
    breaks_.clear();
    appendBreaks(text, 0, breaks_);
    rebuildLines(text);
}

void RowLayout::replaced(QStringView text, qsizetype position, qsizetype removed,
                         qsizetype inserted) {
    const auto first = std::ranges::lower_bound(breaks_, position);
    const auto last = std::lower_bound(first, breaks_.end(), position + removed);
    const auto kept = breaks_.erase(first, last);
    for (auto it = kept; it != breaks_.end(); ++it) {
        *it += inserted - removed;
    }
    std::vector<qsizetype> added;
    appendBreaks(text.sliced(position, inserted), position, added);
    breaks_.insert(kept, added.begin(), added.end());
    rebuildLines(text);
}

void RowLayout::setColumns(qsizetype columns) {
    columns_ = std::max<qsizetype>(1, columns);
    numberRows();
}

void RowLayout::rebuildLines(QStringView text) {
    length_ = text.size();
    lines_.clear();
    qsizetype start = 0;
    for (std::size_t i = 0; i < breaks_.size(); ++i) {
        const qsizetype at = breaks_[i];
        lines_.push_back({start, at, 0});
        start = at + 1;
        // CR LF is one break.
        if (text[at] == u'\r' && i + 1 < breaks_.size() && breaks_[i + 1] == at + 1 &&
            text[at + 1] == u'\n') {
            ++start;
            ++i;
        }
    }
    lines_.push_back({start, length_, 0});
    numberRows();
}

void RowLayout::numberRows() {
    qsizetype row = 0;
    for (Line& line : lines_) {
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
    const auto after =
        std::ranges::upper_bound(lines_, position, {}, [](const Line& line) { return line.start; });
    const Line& line = *std::prev(after);
    return line.firstRow + std::min((position - line.start) / columns_, rowsOf(line) - 1);
}

const RowLayout::Line& RowLayout::lineOfRow(qsizetype index) const {
    const auto after =
        std::ranges::upper_bound(lines_, index, {}, [](const Line& line) { return line.firstRow; });
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
