// SPDX-License-Identifier: GPL-3.0-or-later
// The window's reading aids for long numbers: the "Affichage" menu, which
// groups digits, goes to a digit and finds a sequence; the find bar; and the
// status bar, which shows the figures of the current number field.
#include "window/main_window.h"

#include "window/field_status.h"
#include "window/find_bar.h"
#include "window/go_to_dialog.h"
#include "window/number_field/number_field.h"

#include <QActionGroup>
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

void MainWindow::buildReadingAids() {
    currentField_ = Text3;
    fieldStatus_ = new window::FieldStatus(*statusBar());
    fieldStatus_->follow(currentField_);
    findBar_ = new window::FindBar([this] { return currentField(); }, this);
    addToolBar(Qt::BottomToolBarArea, findBar_);
    // The window grows by the bar while it shows, and gives that room back after.
    connect(findBar_, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (visible || isMaximized() || isFullScreen()) {
            return;
        }
        const int freed = findBar_->height();
        QTimer::singleShot(0, this, [this, freed] {
            layout()->activate(); // lowers the window's least height
            resize(width(), std::max(minimumSizeHint().height(), height() - freed));
        });
    });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });
    for (window::NumberField* field : {Text1, Text2, Text3}) {
        connect(field, &window::NumberField::goToDigitAsked, this,
                [this, field] { askDigitToGoTo(*field); });
    }
    buildDisplayMenu();
    display_ = window::DisplaySettings::load();
    showDisplay();
}

void MainWindow::buildDisplayMenu() {
    displayMenu_ = menuBar()->addMenu(QStringLiteral("&Affichage"));
    displayMenu_->setObjectName(QStringLiteral("mnuAffichage"));
    const auto addEntry = [this](QMenu& menu, const char* name, const QString& caption) {
        QAction* action = menu.addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    QAction* group =
        addEntry(*displayMenu_, "mnuGrouperChiffres", QStringLiteral("Grouper les chiffres"));
    group->setCheckable(true);
    connect(group, &QAction::triggered, this, [this](bool on) {
        display_.groupDigits = on;
        display_.save();
        showDisplay();
    });
    QMenu* sizes = displayMenu_->addMenu(QStringLiteral("Chiffres par groupe"));
    sizes->setObjectName(QStringLiteral("mnuChiffresParGroupe"));
    auto* exclusive = new QActionGroup(sizes);
    for (const int size : window::DisplaySettings::GroupSizes) {
        QAction* action = addEntry(*sizes, "", QString::number(size));
        action->setObjectName(QStringLiteral("mnuGroupe%1").arg(size));
        action->setCheckable(true);
        exclusive->addAction(action);
        connect(action, &QAction::triggered, this, [this, size] {
            display_.digitsPerGroup = size;
            display_.save();
            showDisplay();
        });
    }

    displayMenu_->addSeparator();
    const auto addCommand = [&](const char* name, const QString& caption, QKeySequence keys,
                                auto handler) {
        QAction* action = addEntry(*displayMenu_, name, caption);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
    };
    addCommand("mnuAllerAuChiffre", QStringLiteral("Aller au chiffre…"),
               QKeySequence(Qt::CTRL | Qt::Key_G), [this] { askDigitToGoTo(*currentField()); });
    addCommand("mnuRechercher", QStringLiteral("Rechercher…"), QKeySequence(Qt::CTRL | Qt::Key_F),
               [this] { findBar_->open(); });
    addCommand("mnuOccurrenceSuivante", QStringLiteral("Occurrence suivante"),
               QKeySequence(Qt::Key_F3), [this] { findBar_->findNext(); });
    addCommand("mnuOccurrencePrecedente", QStringLiteral("Occurrence précédente"),
               QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findBar_->findPrevious(); });
}

// Draws the fields as the display settings say, and shows them in the menu.
void MainWindow::showDisplay() {
    for (window::NumberField* field : {Text1, Text2, Text3}) {
        field->setDigitGrouping(display_.fieldGrouping());
    }
    findChild<QAction*>(QStringLiteral("mnuGrouperChiffres"))->setChecked(display_.groupDigits);
    findChild<QAction*>(QStringLiteral("mnuGroupe%1").arg(display_.digitsPerGroup))
        ->setChecked(true);
}

window::NumberField* MainWindow::currentField() const {
    return currentField_;
}

void MainWindow::followFocus(QWidget* now) {
    const bool keeps = now == nullptr || now->window() != this || menuBar()->isAncestorOf(now) ||
                       now == menuBar() || findBar_->isAncestorOf(now);
    if (keeps) {
        return;
    }
    auto* field = qobject_cast<window::NumberField*>(now);
    currentField_ = field != nullptr ? field : Text3;
    fieldStatus_->follow(currentField_);
}

void MainWindow::askDigitToGoTo(window::NumberField& field) {
    window::GoToDigitDialog dialog(field, this);
    if (dialog.exec() == QDialog::Accepted) {
        field.setFocus();
    }
}
