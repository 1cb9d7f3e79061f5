// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/long_text.h"

#include <QByteArray>
#include <QLatin1String>
#include <QStringDecoder>

#include <algorithm>
#include <cstdint>

#include <unistd.h>
#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace window {

namespace {

// Shorter texts are left to Qt: their buffers come from memory already mapped.
constexpr qsizetype LongText = qsizetype(1) << 20;

// UTF-16 units converted at a time into UTF-8: at most three bytes each, a
// buffer that the allocator keeps among its small ones.
constexpr qsizetype Piece = 8192;

// Room that a long QString keeps after its characters: typed at the end of
// a field, they go in place. A full buffer would be reallocated, and the
// system cannot move one whose pages were advised (it is no longer one
// mapping), so the whole text would be copied.
constexpr qsizetype RoomToType = 4096;

// Asks the system to map the pages of [data, data + bytes), not yet
// touched, in large pages. Advice only: where it is not followed, the pages
// come 4 KB at a time, as they did.
void askForLargePages(const void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t start = (address + page - 1) / page * page;
    const std::uintptr_t end = (address + bytes) / page * page;
    if (start < end) {
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    }
#else
    (void)data;
    (void)bytes;
#endif
}

// An empty long text with room for `size` characters and more to be typed
// at its end, in large pages.
QString emptyWithRoom(qsizetype size) {
    QString text;
    text.reserve(size + RoomToType);
    askForLargePages(text.constData(), std::size_t(size + RoomToType) * sizeof(QChar));
    return text;
}

bool isAscii(std::string_view text) {
    unsigned char any = 0;
    for (const char c : text) {
        any |= static_cast<unsigned char>(c);
    }
    return any < 0x80;
}

} // namespace

QString fromUtf8(std::string_view utf8) {
    QString text;
    assignUtf8(text, utf8);
    return text;
}

void assignUtf8(QString& text, std::string_view utf8) {
    const auto size = static_cast<qsizetype>(utf8.size());
    if (size < LongText) {
        text = QString::fromUtf8(utf8.data(), size);
        return;
    }
    // UTF-16 never takes more units than UTF-8 takes bytes.
    if (!text.isDetached() || text.capacity() < size + RoomToType) {
        text = QString(); // its memory goes back before more is taken
        text = emptyWithRoom(size);
    }
    text.resize(size);
    // The decoder is the one QString::fromUtf8 uses: it drops a leading byte
    // order mark and puts U+FFFD for what is not UTF-8, as that does.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QChar* end = decoder.appendToBuffer(text.data(), QByteArrayView(utf8.data(), size));
    text.truncate(end - text.constData());
}

QString copyOf(QStringView text) {
    if (text.size() < LongText) {
        return text.toString();
    }
    QString copy = emptyWithRoom(text.size());
    copy.append(text);
    return copy;
}

// Qt's own edits work in place when they can. When they cannot (the buffer
// shared, or full) they copy the text into a new buffer of small pages, but
// for an append to a buffer of its own, which grows where it stands.
void splice(QString& text, qsizetype position, qsizetype removed, QStringView inserted) {
    const qsizetype size = text.size() - removed + inserted.size();
    const bool appended = removed == 0 && position == text.size();
    const bool copiedByQt = !text.isDetached() || (text.capacity() < size && !appended);
    if (size >= LongText && copiedByQt) {
        QString spliced = emptyWithRoom(size);
        spliced.append(QStringView(text).first(position));
        spliced.append(inserted);
        spliced.append(QStringView(text).sliced(position + removed));
        text = std::move(spliced);
    } else if (inserted.isEmpty()) {
        text.remove(position, removed);
    } else if (appended) {
        text.append(inserted);
    } else if (removed == 0) {
        text.insert(position, inserted);
    } else {
        text.replace(position, removed, inserted.data(), inserted.size());
    }
}

// In pieces that never part the two halves of a character beyond the basic
// plane, each converted as a whole text is: where they part, the result is
// the same.
std::string toUtf8(QStringView text) {
    if (text.size() < LongText) {
        return text.toUtf8().toStdString();
    }
    std::string utf8;
    utf8.reserve(static_cast<std::size_t>(text.size())); // what ASCII takes; more grows it
    askForLargePages(utf8.data(), utf8.capacity());
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = std::min(text.size(), start + Piece);
        if (end < text.size() && text[end - 1].isHighSurrogate()) {
            --end;
        }
        const QByteArray piece = text.sliced(start, end - start).toUtf8();
        utf8.append(piece.constData(), static_cast<std::size_t>(piece.size()));
        start = end;
    }
    return utf8;
}

bool holdsUtf8(QStringView text, std::string_view utf8) {
    if (isAscii(utf8)) {
        return text == QLatin1String(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    return text == fromUtf8(utf8);
}

} // namespace window
