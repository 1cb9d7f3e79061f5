// SPDX-License-Identifier: GPL-3.0-or-later
// The history's entries as a list, newest first, for the history window: a
// row a line of text (row_text.h), read from the entries' previews alone and
// a page at a time as the list scrolls (canFetchMore/fetchMore), through a
// connection of its own on the window's thread. A search keeps the entries
// whose command's name or symbol holds the searched text, or one of whose
// texts starts or ends with it.
#pragma once

#include "window/history/database.h"
#include "window/history/store.h"

#include <QAbstractListModel>
#include <QList>

#include <cstdint>
#include <optional>

namespace history {

class HistoryModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The entry's id, under this role of every row.
    static constexpr int IdRole = Qt::UserRole;

    HistoryModel(QString filePath, QObject* parent = nullptr);
    ~HistoryModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Shows only the entries that `text` finds (all for an empty text).
    void setSearch(const QString& text);
    QString search() const { return search_; }
    // Reads the first page again, after entries were added or removed.
    void reload();
    std::int64_t idAt(int row) const { return rows_.at(row).id; }
    // How many entries `limits` would drop.
    std::int64_t entriesBeyond(const Limits& limits);

private:
    struct Row {
        std::int64_t id;
        QString text;
    };
    Connection* connection();

    QString filePath_;
    QString search_;
    std::optional<Connection> connection_;
    QList<Row> rows_;
    bool atEnd_ = false;
};

} // namespace history
