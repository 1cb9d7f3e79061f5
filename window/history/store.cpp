// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/store.h"

#include "window/history/history_file.h"
#include "window/history/packed_digits.h"
#include "window/history/preview.h"
#include "window/history/schema.h"

#include <QDir>

#include <sqlite3.h>

#include <array>
#include <utility>

namespace history {

namespace {

constexpr char InsertEntry[] = R"(
INSERT INTO entries(command, precision, finished_at, duration_ms,
                    a_head, a_tail, a_characters, a_digits,
                    b_head, b_tail, b_characters, b_digits,
                    result_head, result_tail, result_characters, result_digits,
                    stored_bytes)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17)
)";

constexpr char InsertText[] = "INSERT INTO texts(entry_id, role, content) VALUES (?1, ?2, ?3)";

// The entries past the newest `?1`, or past the newest that fit in `?2`
// bytes.
constexpr char OldestBeyondLimits[] = R"(
    SELECT id FROM (
        SELECT id,
               row_number() OVER newest_first AS position,
               sum(stored_bytes) OVER newest_first AS bytes_so_far
        FROM entries
        WINDOW newest_first AS (ORDER BY id DESC))
    WHERE position > ?1 OR bytes_so_far > ?2
)";

constexpr std::int64_t BytesPerMegabyte = 1'000'000;
// What an entry's row and index entries take beside its texts, about.
constexpr std::int64_t RowBytes = 256;

// A text ready to be stored: its preview, and its digits packed when it is a
// long number.
struct TextToStore {
    std::string_view text;
    Preview preview;
    std::optional<std::vector<std::uint8_t>> packed;

    explicit TextToStore(std::string_view text)
        : text(text), preview(previewOf(text)), packed(packedNumber(text)) {}
    std::int64_t bytes() const {
        const std::size_t content = packed ? packed->size() : text.size();
        return static_cast<std::int64_t>(content + preview.head.size() + preview.tail.size());
    }
};

std::optional<TextToStore> toStore(const std::optional<engine::Text>& text) {
    if (!text) {
        return std::nullopt;
    }
    return TextToStore(*text);
}

// Binds a text's preview to the four parameters from `first` on (NULL when
// the command did not read it).
void bindPreview(Statement& statement, int first, const std::optional<TextToStore>& text) {
    if (!text) {
        for (int i = 0; i < 4; ++i) {
            statement.bindNull(first + i);
        }
        return;
    }
    statement.bindText(first, text->preview.head).bindText(first + 1, text->preview.tail);
    statement.bind(first + 2, text->preview.characters);
    if (text->preview.digits) {
        statement.bind(first + 3, *text->preview.digits);
    } else {
        statement.bindNull(first + 3);
    }
}

std::int64_t limitBytes(const Limits& limits) {
    return limits.megabytes * BytesPerMegabyte;
}

// Deletes the oldest entries beyond `limits`; true when it deleted any.
bool dropOldest(Connection& connection, const Limits& limits) {
    Statement drop = connection.prepare(std::string("DELETE FROM entries WHERE id IN (") +
                                        OldestBeyondLimits + ")");
    drop.bind(1, limits.entries).bind(2, limitBytes(limits)).run();
    return connection.integerOf("SELECT changes()") > 0;
}

// Gives the pages of deleted entries back, so that the file shrinks.
void shrink(Connection& connection) {
    connection.execute("PRAGMA incremental_vacuum");
}

StoredText storedText(const Statement& statement, int column) {
    if (statement.isBlob(column)) {
        const std::span<const std::uint8_t> bytes = statement.blob(column);
        return {std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()), true};
    }
    return {std::string(statement.text(column)), false};
}

std::span<const std::uint8_t> asBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::int64_t entriesBeyond(Connection& connection, const Limits& limits) {
    Statement count =
        connection.prepare(std::string("SELECT count(*) FROM (") + OldestBeyondLimits + ")");
    count.bind(1, limits.entries).bind(2, limitBytes(limits));
    return count.step() ? count.integer(0) : 0;
}

std::string StoredText::utf8() const {
    return packed ? unpackedText(asBytes(bytes)) : bytes;
}

QString StoredText::qstring() const {
    return packed ? unpackedQString(asBytes(bytes)) : QString::fromUtf8(bytes);
}

Store::Store(QString folder, Tell tell) : folder_(std::move(folder)), tell_(std::move(tell)) {}

void Store::open() {
    if (std::exchange(opened_, true)) {
        return;
    }
    Opened opened = openHistoryFile(folder_);
    if (!opened.message.isEmpty()) {
        tell_(opened.message);
    }
    connection_ = std::move(opened.connection);
    paused_ = !connection_;
}

QString Store::filePath() const {
    return QDir(folder_).filePath(QLatin1String(FileName));
}

std::optional<std::int64_t> Store::add(const Entry& entry, const Limits& limits) {
    const std::array texts{toStore(entry.a), toStore(entry.b),
                           std::optional<TextToStore>(TextToStore(entry.result))};
    std::int64_t bytes = RowBytes;
    for (const std::optional<TextToStore>& text : texts) {
        bytes += text ? text->bytes() : 0;
    }
    if (paused_ || bytes > limitBytes(limits)) {
        return std::nullopt;
    }
    std::optional<std::int64_t> id;
    bool dropped = false;
    withFile([&](Connection& connection) {
        Transaction transaction(connection);
        Statement insert = connection.prepare(InsertEntry);
        insert.bind(1, static_cast<int>(entry.command));
        if (entry.precision) {
            insert.bind(2, *entry.precision);
        } else {
            insert.bindNull(2);
        }
        insert.bind(3, entry.finishedAt.toMSecsSinceEpoch()).bind(4, entry.duration.count());
        for (std::size_t role = 0; role < texts.size(); ++role) {
            bindPreview(insert, 5 + 4 * static_cast<int>(role), texts[role]);
        }
        insert.bind(17, bytes).run();
        id = connection.lastInsertId();

        Statement insertText = connection.prepare(InsertText);
        for (std::size_t role = 0; role < texts.size(); ++role) {
            if (!texts[role]) {
                continue;
            }
            insertText.bind(1, *id).bind(2, static_cast<std::int64_t>(role));
            if (texts[role]->packed) {
                insertText.bindBlob(3, *texts[role]->packed);
            } else {
                insertText.bindText(3, texts[role]->text);
            }
            insertText.run();
            insertText.reset();
        }
        dropped = dropOldest(connection, limits);
        transaction.commit();
    });
    if (dropped) {
        withFile(shrink);
    }
    return paused_ ? std::nullopt : id;
}

void Store::applyLimits(const Limits& limits) {
    if (paused_) {
        return;
    }
    bool dropped = false;
    withFile([&](Connection& connection) { dropped = dropOldest(connection, limits); });
    if (dropped) {
        withFile(shrink);
    }
}

void Store::remove(const std::vector<std::int64_t>& ids) {
    if (paused_) {
        return;
    }
    withFile([&](Connection& connection) {
        Transaction transaction(connection);
        Statement remove = connection.prepare("DELETE FROM entries WHERE id = ?1");
        for (const std::int64_t id : ids) {
            remove.bind(1, id).run();
            remove.reset();
        }
        transaction.commit();
        shrink(connection);
    });
}

void Store::clear() {
    if (paused_) {
        return;
    }
    withFile([](Connection& connection) {
        connection.execute("DELETE FROM entries");
        shrink(connection);
    });
}

std::optional<StoredEntry> Store::read(std::int64_t id) {
    std::optional<StoredEntry> entry;
    withFile([&](Connection& connection) {
        // One read transaction, so that the entry and its texts agree.
        const Transaction reading(connection, Transaction::Kind::Read);
        Statement row = connection.prepare(
            "SELECT command, precision, finished_at, duration_ms, a_characters IS NOT NULL, "
            "b_characters IS NOT NULL FROM entries WHERE id = ?1");
        row.bind(1, id);
        Statement texts = connection.prepare("SELECT role, content FROM texts WHERE entry_id = ?1");
        texts.bind(1, id);
        if (row.step()) {
            entry.emplace();
            entry->id = id;
            entry->command = static_cast<Command>(row.integer(0));
            if (!row.isNull(1)) {
                entry->precision = static_cast<std::int32_t>(row.integer(1));
            }
            entry->finishedAt = QDateTime::fromMSecsSinceEpoch(row.integer(2));
            entry->duration = std::chrono::milliseconds(row.integer(3));
            while (texts.step()) {
                StoredText text = storedText(texts, 1);
                switch (static_cast<Role>(texts.integer(0))) {
                case Role::A:
                    entry->a = std::move(text);
                    break;
                case Role::B:
                    entry->b = std::move(text);
                    break;
                case Role::Result:
                    entry->result = std::move(text);
                    break;
                }
            }
        }
    });
    return entry;
}

std::vector<std::int64_t> Store::ids() {
    std::vector<std::int64_t> ids;
    withFile([&](Connection& connection) {
        Statement all = connection.prepare("SELECT id FROM entries ORDER BY id");
        while (all.step()) {
            ids.push_back(all.integer(0));
        }
    });
    return ids;
}

bool Store::withFile(const std::function<void(Connection&)>& work) {
    open();
    for (bool movedAside = false; connection_; movedAside = true) {
        try {
            work(*connection_);
            return true;
        } catch (const DatabaseError& error) {
            const int code = error.primaryCode();
            if (movedAside || (code != SQLITE_CORRUPT && code != SQLITE_NOTADB)) {
                pause(reasonOf(error));
                return false;
            }
        }
        connection_.reset();
        const std::optional<QString> moved = moveAside(filePath(), QStringLiteral("est endommagé"));
        if (!moved) {
            pause(QStringLiteral("le fichier endommagé ne peut pas être déplacé"));
            return false;
        }
        tell_(*moved);
        Opened opened = openHistoryFile(folder_);
        if (!opened.message.isEmpty()) {
            tell_(opened.message);
        }
        connection_ = std::move(opened.connection);
    }
    paused_ = true;
    return false;
}

void Store::pause(const QString& why) {
    if (std::exchange(paused_, true)) {
        return; // told once
    }
    tell_(pausedMessage(folder_, why));
}

} // namespace history
