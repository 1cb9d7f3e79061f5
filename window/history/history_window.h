// SPDX-License-Identifier: GPL-3.0-or-later
// The "Historique" window: the entries newest first, a search box, the
// actions on an entry (put back with Entrée or a double-click; its context
// menu: the result into a or b, copied, the entry deleted), export, clearing
// with a confirmation, and the settings (keeping on or off, how many entries
// and how many megabytes at most). Not modal: the calculator goes on beside it.
#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListView;
class QSpinBox;

namespace history {

class History;
class HistoryModel;

class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    HistoryWindow(History& history, QWidget* owner);

    // Reads the entries again and shows the newest.
    void showNewest();
    HistoryModel& model() { return *model_; }

private:
    QWidget* makeSettings();
    void makeContextMenu();
    std::vector<std::int64_t> selectedIds() const;
    // The entry under the context menu or the current one; -1 when none.
    std::int64_t currentId() const;
    void exportEntries();
    void clearAll();
    void applyLimits();
    // Reads the entries again, the current and selected ones kept.
    void reloadKeepingSelection();

    History& history_;
    HistoryModel* model_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListView* list_ = nullptr;
    QCheckBox* keep_ = nullptr;
    QSpinBox* entries_ = nullptr;
    QSpinBox* megabytes_ = nullptr;
};

} // namespace history
