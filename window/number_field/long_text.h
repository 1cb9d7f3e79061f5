// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of tens of millions of characters between UTF-8 (the engine's texts,
// the files) and the fields' QString, without a second buffer and in large
// pages of memory.
//
// What a long text costs here is mostly memory touched for the first time:
// the system maps a new buffer a page of 4 KB at a time, as it is written,
// and in a virtual machine each page is dear. Qt's conversions write into
// new buffers of their own (two of them, for QString::toStdString): 41
// million digits took 0.4 to 0.5 s each way, where the conversion itself
// takes 20 ms. These write straight into the text that they return, whose
// memory is first asked for in large pages (transparent huge pages of 2 MB,
// where the system gives them): about 20 times fewer faults.
//
// Their results are Qt's, byte for byte and character for character, for
// any text, not UTF-8 ones included.
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

// `text` as QString::toStdString makes it (UTF-8).
std::string toUtf8(QStringView text);

// Whether fromUtf8(utf8) would equal `text`, decided without making it when
// `utf8` is ASCII, as numbers are.
bool holdsUtf8(QStringView text, std::string_view utf8);

} // namespace window
