// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of tens of millions of characters: between UTF-8 (the engine's
// texts, the files) and the fields' QString, copied and edited, without a
// second buffer and in large pages of memory.
//
// What a long text costs here is mostly memory touched for the first time:
// the system maps a new buffer a page of 4 KB at a time, as it is written,
// and in a virtual machine each of those faults is dear. Qt writes into new
// buffers of its own (two of them for QString::toStdString, one whenever an
// edit finds its buffer shared or full): 41 million digits took 0.4 to 0.5 s
// each way, where converting them takes 20 ms. These functions write straight
// into the text that they return, whose memory is first asked for in large
// pages (transparent huge pages of 2 MB, where the system gives them): a few
// dozen faults instead of tens of thousands, 20 to 50 ms in all; and into a
// buffer already mapped where they can.
//
// Their results are Qt's, byte for byte and character for character, for
// any text, not UTF-8 ones included. Short texts are left to Qt.
#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace window {

// `utf8` as QString::fromUtf8 makes it.
QString fromUtf8(std::string_view utf8);

// Makes `text` fromUtf8(utf8). A long text goes into the buffer that `text`
// holds, when no other QString shares it: its pages are mapped already.
void assignUtf8(QString& text, std::string_view utf8);

// A copy of `text`.
QString copyOf(QStringView text);

// Replaces the `removed` characters of `text` at `position` with `inserted`,
// copying as little as it can: in place when `text` holds its buffer alone
// and the buffer is long enough, else a long text into a new buffer.
void splice(QString& text, qsizetype position, qsizetype removed, QStringView inserted);

// `text` as QString::toStdString makes it (UTF-8).
std::string toUtf8(QStringView text);

// Whether fromUtf8(utf8) would equal `text`, decided without making it when
// `utf8` is ASCII, as numbers are.
bool holdsUtf8(QStringView text, std::string_view utf8);

} // namespace window
