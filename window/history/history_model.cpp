// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/history_model.h"

#include "window/history/row_text.h"

#include <QFile>

#include <chrono>
#include <limits>

namespace history {

namespace {

constexpr int PageRows = 100;
// Reading in WAL mode waits for no writer; only a program repairing the file
// after a crash holds readers back, briefly.
constexpr int ReadBusyMilliseconds = 250;

// The entries older than ?1, newest first, ?4 of them; with a search text
// ?2, only those it finds (?3: the commands it names, one bit each).
constexpr char Page[] = R"(
SELECT id, command, precision, finished_at, duration_ms,
       a_head, a_tail, a_characters, a_digits,
       b_head, b_tail, b_characters, b_digits,
       result_head, result_tail, result_characters, result_digits
FROM entries
WHERE id < ?1 AND (?2 = ''
    OR (?3 >> command) & 1
    OR substr(a_head, 1, length(?2)) = ?2 OR substr(a_tail, -length(?2)) = ?2
    OR substr(b_head, 1, length(?2)) = ?2 OR substr(b_tail, -length(?2)) = ?2
    OR substr(result_head, 1, length(?2)) = ?2 OR substr(result_tail, -length(?2)) = ?2)
ORDER BY id DESC
LIMIT ?4
)";

// The commands whose name or symbol holds `search`, as a set of bits.
std::int64_t commandsFound(const QString& search) {
    std::int64_t found = 0;
    for (int code = FirstCommand; code <= LastCommand; ++code) {
        const auto command = static_cast<Command>(code);
        if (commandName(command).contains(search, Qt::CaseInsensitive) ||
            commandSymbol(command).contains(search, Qt::CaseInsensitive)) {
            found |= std::int64_t{1} << code;
        }
    }
    return found;
}

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The preview in the four columns from `first` on; nothing when NULL.
std::optional<TextPreview> previewAt(const Statement& row, int first) {
    if (row.isNull(first + 2)) {
        return std::nullopt;
    }
    TextPreview preview{qtext(row.text(first)), qtext(row.text(first + 1)), row.integer(first + 2),
                        std::nullopt};
    if (!row.isNull(first + 3)) {
        preview.digits = row.integer(first + 3);
    }
    return preview;
}

RowPreview rowPreview(const Statement& row) {
    RowPreview preview;
    preview.command = static_cast<Command>(row.integer(1));
    if (!row.isNull(2)) {
        preview.precision = static_cast<std::int32_t>(row.integer(2));
    }
    preview.finishedAt = QDateTime::fromMSecsSinceEpoch(row.integer(3));
    preview.duration = std::chrono::milliseconds(row.integer(4));
    preview.a = previewAt(row, 5);
    preview.b = previewAt(row, 9);
    preview.result = previewAt(row, 13).value_or(TextPreview{});
    return preview;
}

} // namespace

HistoryModel::HistoryModel(QString filePath, QObject* parent)
    : QAbstractListModel(parent), filePath_(std::move(filePath)) {}

HistoryModel::~HistoryModel() = default;

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    const Row& row = rows_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return row.text;
    case IdRole:
        return QVariant::fromValue(row.id);
    default:
        return {};
    }
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !atEnd_;
}

void HistoryModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || atEnd_) {
        return;
    }
    const std::int64_t olderThan =
        rows_.isEmpty() ? std::numeric_limits<std::int64_t>::max() : rows_.last().id;
    QList<Row> page;
    Connection* database = connection();
    if (database != nullptr) {
        try {
            const QByteArray search = search_.toUtf8();
            Statement query = database->prepare(Page);
            query.bind(1, olderThan)
                .bindText(2, std::string_view(search.constData(),
                                              static_cast<std::size_t>(search.size())))
                .bind(3, commandsFound(search_))
                .bind(4, PageRows);
            while (query.step()) {
                page.append({query.integer(0), rowText(rowPreview(query))});
            }
        } catch (const DatabaseError&) {
            // The file is being replaced or cannot be read: the list ends
            // here; the history's own thread tells the user what happened.
            connection_.reset();
        }
    }
    atEnd_ = page.size() < PageRows;
    if (page.isEmpty()) {
        return;
    }
    beginInsertRows({}, static_cast<int>(rows_.size()),
                    static_cast<int>(rows_.size() + page.size() - 1));
    rows_.append(page);
    endInsertRows();
}

void HistoryModel::setSearch(const QString& text) {
    search_ = text;
    reload();
}

void HistoryModel::reload() {
    beginResetModel();
    rows_.clear();
    connection_.reset(); // the file may have been moved aside and made anew
    atEnd_ = false;
    endResetModel();
    fetchMore({});
}

std::int64_t HistoryModel::entriesBeyond(const Limits& limits) {
    Connection* database = connection();
    try {
        return database != nullptr ? history::entriesBeyond(*database, limits) : 0;
    } catch (const DatabaseError&) {
        return 0;
    }
}

Connection* HistoryModel::connection() {
    if (!connection_ && QFile::exists(filePath_)) {
        try {
            connection_.emplace(QFile::encodeName(filePath_).toStdString(), ReadBusyMilliseconds);
        } catch (const DatabaseError&) {
            return nullptr;
        }
    }
    return connection_ ? &*connection_ : nullptr;
}

} // namespace history
