// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/history_window.h"

#include "window/history/history.h"
#include "window/history/history_model.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace history {

namespace {

constexpr int MostEntries = 1'000'000;
constexpr int MostMegabytes = 1'000'000;
constexpr QSize StartSize(720, 460);

template <typename Widget>
Widget* named(Widget* widget, const char* name, const QString& accessibleName) {
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QAction* namedAction(QWidget* owner, const char* name, const QString& text) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    owner->addAction(action);
    return action;
}

} // namespace

HistoryWindow::HistoryWindow(History& history, QWidget* owner)
    : QWidget(owner, Qt::Window), history_(history) {
    setObjectName(QStringLiteral("historique"));
    setWindowTitle(QStringLiteral("Historique"));
    setAccessibleName(QStringLiteral("Historique"));
    resize(StartSize);

    model_ = new HistoryModel(history.filePath(), this);
    search_ = named(new QLineEdit(this), "rechercheHistorique",
                    QStringLiteral("Rechercher dans l'historique"));
    search_->setPlaceholderText(QStringLiteral("Rechercher : commande, début ou fin d'un nombre"));
    search_->setClearButtonEnabled(true);
    list_ = named(new QListView(this), "listeHistorique",
                  QStringLiteral("Calculs de l'historique, le plus récent en tête"));
    list_->setModel(model_);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    makeContextMenu();

    auto* exportButton = named(new QPushButton(QStringLiteral("Exporter…"), this),
                               "exporterHistorique", QStringLiteral("Exporter…"));
    auto* clearButton = named(new QPushButton(QStringLiteral("Effacer l'historique…"), this),
                              "effacerHistorique", QStringLiteral("Effacer l'historique…"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(clearButton);
    buttons->addStretch();

    auto* where = named(new QLabel(QStringLiteral("Fichier de l'historique : %1")
                                       .arg(QDir::toNativeSeparators(history.filePath())),
                                   this),
                        "fichierHistorique", QStringLiteral("Fichier de l'historique"));
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    layout->addWidget(makeSettings());
    layout->addWidget(where);

    connect(search_, &QLineEdit::textChanged, model_, &HistoryModel::setSearch);
    connect(list_, &QListView::activated, this,
            [this](const QModelIndex& index) { history_.askPutBack(model_->idAt(index.row())); });
    connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportEntries);
    connect(clearButton, &QPushButton::clicked, this, &HistoryWindow::clearAll);
    connect(&history, &History::changed, this, [this] {
        if (isVisible()) {
            reloadKeepingSelection();
        }
    });
}

QWidget* HistoryWindow::makeSettings() {
    auto* settings =
        named(new QWidget(this), "reglagesHistorique", QStringLiteral("Réglages de l'historique"));
    keep_ = named(new QCheckBox(QStringLiteral("Garder l'historique"), settings),
                  "garderHistorique", QStringLiteral("Garder l'historique"));
    keep_->setChecked(history_.keeping());
    entries_ = named(new QSpinBox(settings), "entreesMaxHistorique",
                     QStringLiteral("Nombre d'entrées gardées au plus"));
    entries_->setRange(1, MostEntries);
    entries_->setValue(static_cast<int>(history_.limits().entries));
    megabytes_ = named(new QSpinBox(settings), "megaoctetsMaxHistorique",
                       QStringLiteral("Taille de l'historique au plus, en mégaoctets"));
    megabytes_->setRange(1, MostMegabytes);
    megabytes_->setSuffix(QStringLiteral(" Mo"));
    megabytes_->setValue(static_cast<int>(history_.limits().megabytes));

    auto* layout = new QHBoxLayout(settings);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(keep_);
    layout->addStretch();
    auto* entriesLabel = named(new QLabel(QStringLiteral("Entrées gardées au plus :"), settings),
                               "etiquetteEntreesMax", QStringLiteral("Entrées gardées au plus"));
    entriesLabel->setBuddy(entries_);
    layout->addWidget(entriesLabel);
    layout->addWidget(entries_);
    auto* megabytesLabel = named(new QLabel(QStringLiteral("Taille au plus :"), settings),
                                 "etiquetteTailleMax", QStringLiteral("Taille au plus"));
    megabytesLabel->setBuddy(megabytes_);
    layout->addWidget(megabytesLabel);
    layout->addWidget(megabytes_);

    connect(keep_, &QCheckBox::toggled, &history_, &History::setKeeping);
    connect(entries_, &QSpinBox::editingFinished, this, &HistoryWindow::applyLimits);
    connect(megabytes_, &QSpinBox::editingFinished, this, &HistoryWindow::applyLimits);
    return settings;
}

void HistoryWindow::makeContextMenu() {
    QAction* intoA = namedAction(list_, "mettreDansA", QStringLiteral("Mettre le résultat dans a"));
    QAction* intoB = namedAction(list_, "mettreDansB", QStringLiteral("Mettre le résultat dans b"));
    QAction* copy = namedAction(list_, "copierResultat", QStringLiteral("Copier le résultat"));
    QAction* remove = namedAction(list_, "supprimerEntree", QStringLiteral("Supprimer"));
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(intoA, &QAction::triggered, this, [this] {
        if (const std::int64_t id = currentId(); id >= 0) {
            history_.askResultInto(id, Operand::A);
        }
    });
    connect(intoB, &QAction::triggered, this, [this] {
        if (const std::int64_t id = currentId(); id >= 0) {
            history_.askResultInto(id, Operand::B);
        }
    });
    connect(copy, &QAction::triggered, this, [this] {
        if (const std::int64_t id = currentId(); id >= 0) {
            history_.askCopy(id);
        }
    });
    connect(remove, &QAction::triggered, this, [this] {
        std::vector<std::int64_t> ids = selectedIds();
        if (ids.empty() && currentId() >= 0) {
            ids.push_back(currentId());
        }
        if (!ids.empty()) {
            history_.remove(std::move(ids));
        }
    });
}

std::vector<std::int64_t> HistoryWindow::selectedIds() const {
    std::vector<std::int64_t> ids;
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes()) {
        ids.push_back(model_->idAt(index.row()));
    }
    return ids;
}

std::int64_t HistoryWindow::currentId() const {
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? model_->idAt(current.row()) : -1;
}

void HistoryWindow::exportEntries() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Exporter l'historique"),
                                     QDir::home().filePath(QStringLiteral("historique.txt")),
                                     QStringLiteral("Texte (*.txt);;Tous les fichiers (*)"));
    if (!path.isEmpty()) {
        history_.exportTo(path, selectedIds());
    }
}

void HistoryWindow::clearAll() {
    QMessageBox box(QMessageBox::NoIcon, windowTitle(),
                    QStringLiteral("Effacer tout l'historique des calculs ? Les entrées "
                                   "effacées ne pourront pas être retrouvées."),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes) {
        history_.clear();
    }
}

// Limits that drop entries are asked about first: a slip of the keyboard
// would lose them for good.
void HistoryWindow::applyLimits() {
    const Limits limits{entries_->value(), megabytes_->value()};
    if (limits.entries == history_.limits().entries &&
        limits.megabytes == history_.limits().megabytes) {
        return;
    }
    if (const std::int64_t dropped = model_->entriesBeyond(limits); dropped > 0) {
        QMessageBox box(QMessageBox::NoIcon, windowTitle(),
                        QStringLiteral("Avec ces limites, les %1 entrées les plus anciennes "
                                       "seront effacées. Continuer ?")
                            .arg(dropped),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes) {
            entries_->setValue(static_cast<int>(history_.limits().entries));
            megabytes_->setValue(static_cast<int>(history_.limits().megabytes));
            return;
        }
    }
    history_.setLimits(limits);
}

void HistoryWindow::reloadKeepingSelection() {
    const std::int64_t current = currentId();
    const std::vector<std::int64_t> selected = selectedIds();
    model_->reload();
    QItemSelection kept;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const std::int64_t id = model_->idAt(row);
        if (id == current) {
            list_->selectionModel()->setCurrentIndex(model_->index(row),
                                                     QItemSelectionModel::NoUpdate);
        }
        if (std::find(selected.begin(), selected.end(), id) != selected.end()) {
            kept.select(model_->index(row), model_->index(row));
        }
    }
    list_->selectionModel()->select(kept, QItemSelectionModel::Select);
}

void HistoryWindow::showNewest() {
    model_->reload();
    list_->scrollToTop();
    // Current for Entrée, not selected: "Exporter…" without a selection
    // writes every entry.
    if (model_->rowCount() > 0) {
        list_->selectionModel()->setCurrentIndex(model_->index(0), QItemSelectionModel::NoUpdate);
    }
}

} // namespace history
