// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/precision_field.h"

#include "window/number_field/pasted_text.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace window {

namespace {

// The same data with its text made into one number.
std::unique_ptr<QMimeData> withPastedNumber(const QMimeData& source) {
    auto cleaned = std::make_unique<QMimeData>();
    cleaned->setText(pastedNumber(source.text()));
    return cleaned;
}

// The tooltip of a field whose text gives no precision.
QString precisionInUseText(std::int32_t precision) {
    return QStringLiteral("Précision utilisée : %1").arg(precision);
}

} // namespace

void PrecisionField::showPrecisionInUse(bool textGivesPrecision, std::int32_t inUse) {
    if (textGivesPrecision) {
        setStyleSheet({});
        setToolTip({});
        return;
    }
    // Dark text on the light red, whatever the palette.
    setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid rgb(204, 0, 0); "
                                 "background-color: rgb(255, 224, 224); color: black; }"));
    setToolTip(precisionInUseText(inUse));
}

void PrecisionField::pasteNumber(QClipboard::Mode mode) {
    if (!isReadOnly()) {
        insert(pastedNumber(QGuiApplication::clipboard()->text(mode)));
    }
}

void PrecisionField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteNumber();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void PrecisionField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // The paste entry is the one connected to QLineEdit::paste, by name.
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
            connect(action, &QAction::triggered, this, [this] { pasteNumber(); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose); // as QLineEdit does with its own menu
    menu->popup(event->globalPos());
}

void PrecisionField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteNumber(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void PrecisionField::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const std::unique_ptr<QMimeData> cleaned = withPastedNumber(*event->mimeData());
    QDropEvent drop(event->position(), event->possibleActions(), cleaned.get(), event->buttons(),
                    event->modifiers());
    drop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}

} // namespace window
