// SPDX-License-Identifier: GPL-3.0-or-later
// The field's context menu, with Qt's own entries and their translations, and
// what a drop brings: a text, or the number of a text file.
#include "window/number_field/number_field.h"

#include "window/number_field/field_messages.h"
#include "window/operand_text.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QStyleHints>
#include <QTimer>
#include <QUrl>

namespace window {

namespace {

// A file this large holds more than the field takes, even at one byte a
// character and with the blanks that a paste loses: it is not read.
constexpr qint64 LargestFileRead = 4 * NumberField::MaxLength;

// An entry named and translated as Qt's text fields name theirs, with its
// shortcut where the desktop shows them.
QAction* addEntry(QMenu& menu, const char* name, const char* text, QKeySequence::StandardKey key,
                  bool enabled) {
    QString caption = QCoreApplication::translate("QWidgetTextControl", text);
    const QKeySequence shortcut(key);
    if (!shortcut.isEmpty() && QGuiApplication::styleHints()->showShortcutsInContextMenus()) {
        caption += u'\t' + shortcut.toString(QKeySequence::NativeText);
    }
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

// The local file that a drop brings, or an empty text.
QString droppedFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

void NumberField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

QMenu* NumberField::createContextMenu() {
    auto* menu = new QMenu(this);
    const bool selection = text_.hasSelection();
    // An empty clipboard may have no data at all.
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    const auto entry = [&](const char* name, const char* text, QKeySequence::StandardKey key,
                           bool enabled, void (NumberField::*slot)()) {
        connect(addEntry(*menu, name, text, key, enabled), &QAction::triggered, this, slot);
    };
    entry("edit-undo", QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"), QKeySequence::Undo,
          text_.canUndo(), &NumberField::undo);
    entry("edit-redo", QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"), QKeySequence::Redo,
          text_.canRedo(), &NumberField::redo);
    menu->addSeparator();
    entry("edit-cut", QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"), QKeySequence::Cut, selection,
          &NumberField::cut);
    entry("edit-copy", QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"), QKeySequence::Copy,
          selection, &NumberField::copy);
    entry("edit-paste", QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"), QKeySequence::Paste,
          clipboard != nullptr && clipboard->hasText(), &NumberField::paste);
    entry("edit-delete", QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"),
          QKeySequence::UnknownKey, selection, &NumberField::deleteSelection);
    menu->addSeparator();
    entry("select-all", QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
          QKeySequence::SelectAll, !text_.text().isEmpty(), &NumberField::selectAll);
    return menu;
}

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
    QString text = QString::fromUtf8(bytes);
    if (pastesNormalised_) {
        text = pastedNumber(text);
    }
    if (text.size() > MaxLength) {
        refuseLater(fileTooLongMessage(path));
        return;
    }
    replaceRange(0, text_.size(), text, EditKind::Other);
}

// After the drop has ended: a box shown from inside it would keep the program
// that the text came from waiting.
void NumberField::refuseLater(const QString& message) {
    QTimer::singleShot(0, this, [this, message] { emit refused(message); });
}

} // namespace window
