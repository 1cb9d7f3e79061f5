// SPDX-License-Identifier: GPL-3.0-or-later
// The history file's entries: added one transaction each with the oldest
// dropped beyond the limits, read back whole, deleted. Used from one thread
// (the history's writer thread, or a test's own); knows no widget.
//
// The file is opened at the first call. When it cannot be written (a full
// disk, a folder that takes no file), the store tells once and writes
// nothing more for its lifetime (what it holds can still be read); a file
// found damaged is moved aside and a new one started. What the user must
// know goes to `tell`.
#pragma once

#include "window/history/database.h"
#include "window/history/entry.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace history {

struct Limits {
    std::int64_t entries = 1000;
    std::int64_t megabytes = 500; // of a million bytes each
};

// How many of the entries in the file `connection` holds lie beyond
// `limits` (the oldest first), and would be dropped.
std::int64_t entriesBeyond(Connection& connection, const Limits& limits);

// A text as the file holds it: as written, or packed digits.
struct StoredText {
    std::string bytes;
    bool packed = false;
    std::string utf8() const;
    QString qstring() const;
};

struct StoredEntry : Calculation<StoredText> {
    std::int64_t id = 0;
};

class Store {
public:
    using Tell = std::function<void(const QString& message)>;
    Store(QString folder, Tell tell);

    // Opens the file now rather than at the first call.
    void open();
    QString filePath() const;
    // False once recording has paused for the run.
    bool recording() const { return !paused_; }

    // Adds the entry, then drops the oldest entries until `limits` hold,
    // in one transaction. Returns the entry's id, or nothing when it was not
    // recorded (paused, or larger than the whole size limit).
    std::optional<std::int64_t> add(const Entry& entry, const Limits& limits);
    // Drops the oldest entries until `limits` hold.
    void applyLimits(const Limits& limits);
    void remove(const std::vector<std::int64_t>& ids);
    void clear();
    // The entry with its texts whole; nothing when it is gone.
    std::optional<StoredEntry> read(std::int64_t id);
    // Ids of every entry, oldest first.
    std::vector<std::int64_t> ids();

private:
    // Runs `work` on the open file. A file found damaged is moved aside and
    // `work` tried once more on a new one; any other failure pauses
    // recording. Returns false when `work` did not complete.
    bool withFile(const std::function<void(Connection&)>& work);
    void pause(const QString& why);

    QString folder_;
    Tell tell_;
    std::optional<Connection> connection_;
    bool opened_ = false;
    bool paused_ = false;
};

} // namespace history
