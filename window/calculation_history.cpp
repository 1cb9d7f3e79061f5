// SPDX-License-Identifier: GPL-3.0-or-later
// The window's history of calculations: each calculation that wrote the
// result field is recorded, "Historique…" (Ctrl+H) in the "Affichage" menu
// shows the history window, and what that window asks for is done here:
// texts put back into the fields, each as an edit that Ctrl+Z undoes, and
// boxes shown with the window's caption.
#include "window/main_window.h"

#include "window/history/history.h"
#include "window/number_field/number_field.h"
#include "window/precision_field.h"

#include <QAction>
#include <QMenu>

void MainWindow::buildHistory() {
    history_ = new history::History(this);
    QAction* show = displayMenu_->addAction(QStringLiteral("Historique…"));
    show->setObjectName(QStringLiteral("mnuHistorique"));
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(show, &QAction::triggered, this, [this] { history_->showWindow(this); });
    connect(history_, &history::History::putBack, this, &MainWindow::putBack);
    connect(history_, &history::History::resultInto, this,
            [this](history::Operand operand, const QString& result) {
                (operand == history::Operand::A ? Text1 : Text2)->replaceText(result);
            });
    connect(history_, &history::History::message, this,
            [this](const QString& text) { showMessage(text, window::Buttons::Ok, caption()); });
}

void MainWindow::putBack(const history::PutBack& texts) {
    if (texts.a) {
        Text1->replaceText(*texts.a);
    }
    if (texts.b) {
        Text2->replaceText(*texts.b);
    }
    if (texts.precision) {
        // Typed over, as the user would: undoable, and the precision follows.
        Text4->selectAll();
        Text4->insert(QString::number(*texts.precision));
        Text4_Change();
    }
    Text3->replaceText(texts.result);
}

void MainWindow::recordCalculation(history::Entry entry) {
    history_->record(std::move(entry));
}
