// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of the history file and the steps that bring a file of any
// earlier version up to the current one. The version lives in the file's
// PRAGMA user_version: 0 for a new, empty file.
//
// Version 1:
//   entries  one row an entry: id (grows, never reused: newest is largest),
//            command (history::Command), precision (a / b only), finished_at
//            (milliseconds since 1970 UTC), duration_ms, and for a, b and
//            result their previews (head, tail, characters, digits; NULL
//            for an operand the command did not read), stored_bytes (what
//            the entry takes, for the size limit)
//   texts    the whole texts: entry_id, role (0 a, 1 b, 2 result), content:
//            TEXT as written, or a BLOB of packed digits (packed_digits.h);
//            a trigger deletes them with their entry
#pragma once

#include "window/history/database.h"

namespace history {

inline constexpr int SchemaVersion = 1;

// The file was written by a later version of the program.
struct NewerSchema : std::runtime_error {
    NewerSchema() : std::runtime_error("newer schema") {}
};

// Sets the connection up (WAL, synchronous writes at commit, a bounded WAL)
// and brings its file to SchemaVersion, each step in a transaction of its
// own. Throws NewerSchema, or DatabaseError (SQLITE_CORRUPT for a file whose
// tables are not the ones its version says).
void prepareSchema(Connection& connection);

enum class Role { A = 0, B = 1, Result = 2 };

} // namespace history
