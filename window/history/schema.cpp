// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/schema.h"

#include <sqlite3.h>

#include <array>
#include <string>

namespace history {

namespace {

constexpr char Version1[] = R"(
CREATE TABLE entries(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    command INTEGER NOT NULL,
    precision INTEGER,
    finished_at INTEGER NOT NULL,
    duration_ms INTEGER NOT NULL,
    a_head TEXT, a_tail TEXT, a_characters INTEGER, a_digits INTEGER,
    b_head TEXT, b_tail TEXT, b_characters INTEGER, b_digits INTEGER,
    result_head TEXT, result_tail TEXT, result_characters INTEGER, result_digits INTEGER,
    stored_bytes INTEGER NOT NULL
);
CREATE TABLE texts(
    entry_id INTEGER NOT NULL,
    role INTEGER NOT NULL,
    content NOT NULL,
    PRIMARY KEY(entry_id, role)
);
CREATE TRIGGER entry_texts AFTER DELETE ON entries BEGIN
    DELETE FROM texts WHERE entry_id = old.id;
END;
)";

// Steps[n] brings a file of version n to version n + 1.
constexpr std::array Steps{Version1};
static_assert(Steps.size() == SchemaVersion);

// The tables that the current version has.
constexpr char TablesOfThisVersion[] =
    "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name IN ('entries', 'texts')";

} // namespace

void prepareSchema(Connection& connection) {
    std::int64_t version = connection.integerOf("PRAGMA user_version");
    if (version > SchemaVersion) {
        throw NewerSchema();
    }
    if (version == 0) {
        // Must come before the first table: deleted entries give their pages
        // back (PRAGMA incremental_vacuum) and the file shrinks.
        connection.execute("PRAGMA auto_vacuum = INCREMENTAL");
    }
    connection.execute("PRAGMA journal_mode = WAL");
    // In WAL mode a commit survives the program being killed; NORMAL leaves
    // the disk flushes to the checkpoints.
    connection.execute("PRAGMA synchronous = NORMAL");
    // After a checkpoint, the WAL that a long number made long is cut back.
    connection.execute("PRAGMA journal_size_limit = 4194304");
    for (; version < SchemaVersion; ++version) {
        Transaction step(connection);
        // Another program may have taken the step while this one waited.
        if (connection.integerOf("PRAGMA user_version") > version) {
            continue;
        }
        connection.execute(Steps[static_cast<std::size_t>(version)]);
        connection.execute(("PRAGMA user_version = " + std::to_string(version + 1)).c_str());
        step.commit();
    }
    if (connection.integerOf(TablesOfThisVersion) != 2) {
        throw DatabaseError(SQLITE_CORRUPT, "the history's tables are missing");
    }
}

} // namespace history
