// SPDX-License-Identifier: GPL-3.0-or-later
// The field's context menu: Qt's own entries with their translations, and
// going to a digit, which the window offers.
#include "window/number_field/number_field.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QStyleHints>

namespace window {

namespace {

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
    menu->addSeparator();
    QAction* goToDigit = menu->addAction(QStringLiteral("Aller au chiffre…"));
    goToDigit->setObjectName(QStringLiteral("go-to-digit"));
    connect(goToDigit, &QAction::triggered, this, &NumberField::goToDigitAsked);
    return menu;
}

} // namespace window
