// SPDX-License-Identifier: GPL-3.0-or-later
// Where the history file lives and how it is opened: made with its folder
// when missing (readable by its owner alone), its tables brought to the
// current version, and a file that cannot serve (damaged, of a newer
// version, unreadable) moved aside under a name of its own, never deleted,
// for a new history to start.
#pragma once

#include "window/history/database.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace history {

inline constexpr char FileName[] = "historique.sqlite";

// How long a connection waits for another program's write to end.
inline constexpr int BusyMilliseconds = 30'000;

// The user's data folder (QStandardPaths::AppDataLocation).
QString defaultFolder();

// "historique.sqlite.illisible-20261207-101500" beside `file`, for a file
// moved aside at `moment`.
QString asideName(const QString& file, const QDateTime& moment);

// What opening gave: a connection ready for entries, or none (recording
// pauses); and what to tell the user, when something happened.
struct Opened {
    std::optional<Connection> connection;
    QString message;
};

// Opens the history file in `folder`, moving a file that cannot serve aside
// first.
Opened openHistoryFile(const QString& folder);

// Moves the file at `path`, with its -wal and -shm, aside (asideName, a
// number added when taken) and returns the message that says where; or
// returns nothing when it could not be moved.
std::optional<QString> moveAside(const QString& path, const QString& why);

// The message for a file that cannot be written into (a full disk, a folder
// that takes no file): recording pauses for the run.
QString pausedMessage(const QString& folder, const QString& why);

// Why a database failed, in French words.
QString reasonOf(const DatabaseError& error);

// Whether a failure means the file itself cannot serve (and goes aside)
// rather than the disk or folder refusing writes.
bool fileCannotServe(const DatabaseError& error);

} // namespace history
