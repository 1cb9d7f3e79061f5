// SPDX-License-Identifier: GPL-3.0-or-later
// What a drop brings into the field: a text, where the mouse lets it go, or
// the number of a text file, which replaces the whole text.
#include "window/number_field/number_field.h"

#include "window/number_field/field_messages.h"
#include "window/number_field/long_text.h"
#include "window/number_field/pasted_text.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace window {

namespace {

// A file this large holds more than the field takes, even at one byte a
// character and with the blanks that a paste loses: it is not read.
constexpr qint64 LargestFileRead = 4 * NumberField::MaxLength;

// The local file that a drop brings, or an empty text.
QString droppedFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

void NumberField::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText() || !droppedFile(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

// A dragged text goes where the mouse is; a file replaces the whole text.
void NumberField::dragMoveEvent(QDragMoveEvent* event) {
    const bool file = !droppedFile(*event->mimeData()).isEmpty();
    dropPosition_ = file ? -1 : positionAt(event->position().toPoint());
    viewport()->update();
    event->acceptProposedAction();
}

void NumberField::dragLeaveEvent(QDragLeaveEvent*) {
    dropPosition_ = -1;
    viewport()->update();
}

void NumberField::dropEvent(QDropEvent* event) {
    dropPosition_ = -1;
    event->acceptProposedAction();
    if (const QString file = droppedFile(*event->mimeData()); !file.isEmpty()) {
        loadFile(file);
        return;
    }
    moveCaret(positionAt(event->position().toPoint()), false);
    const QString text =
        pastesNormalised_ ? pastedNumber(event->mimeData()->text()) : event->mimeData()->text();
    if (!replaceSelection(text, EditKind::Other)) {
        refuseLater(tooLongMessage());
    }
}

// The file's text, made into one number for the operands, becomes the field's
// text as one edit, which Ctrl+Z undoes.
void NumberField::loadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuseLater(unreadableFileMessage(path, file.errorString()));
        return;
    }
    if (file.size() > LargestFileRead) {
        refuseLater(fileTooLongMessage(path));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        refuseLater(unreadableFileMessage(path, file.errorString()));
        return;
    }
    QString text = fromUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (pastesNormalised_) {
        text = pastedNumber(text);
    }
    if (text.size() > MaxLength) {
        refuseLater(fileTooLongMessage(path));
        return;
    }
    replaceText(text);
}

// After the drop has ended: a box shown from inside it would keep the program
// that the text came from waiting.
void NumberField::refuseLater(const QString& message) {
    QTimer::singleShot(0, this, [this, message] { emit refused(message); });
}

} // namespace window
