// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyboard.h"

#include "window/number_field/number_field.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace window {

namespace {

// Swallows Enter, with or without modifiers, in the fields it watches, so
// that it presses no button of the window either.
class EnterSwallower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void setUpKeyboard(QWidget& window, QAbstractButton& quit) {
    auto* swallower = new EnterSwallower(&window);
    for (NumberField* field : window.findChildren<NumberField*>()) {
        field->installEventFilter(swallower);
    }
    // Outside a dialog a push button ignores Enter unless it is an auto-default one.
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
    auto* quitKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &window);
    QObject::connect(quitKey, &QShortcut::activated, &quit, &QAbstractButton::click);
}

} // namespace window
