// SPDX-License-Identifier: GPL-3.0-or-later
// A thin hold on SQLite's C library: a connection, its prepared statements
// and transactions, each released by its destructor; every failure is a
// DatabaseError carrying SQLite's code. Values reach SQL only as bound
// parameters.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace history {

struct DatabaseError : std::runtime_error {
    DatabaseError(int code, const std::string& what) : std::runtime_error(what), code(code) {}
    // SQLITE_CORRUPT, SQLITE_FULL...: the primary code, without its detail.
    int primaryCode() const { return code & 0xff; }
    int code;
};

class Statement {
public:
    Statement(sqlite3* database, std::string_view sql);

    // Parameters count from 1. Texts and blobs are not copied: they must live
    // until the statement has been stepped.
    Statement& bind(int index, std::int64_t value);
    Statement& bindText(int index, std::string_view text);
    Statement& bindBlob(int index, std::span<const std::uint8_t> bytes);
    Statement& bindNull(int index);

    // One step: true when it gave a row, false when it is done.
    bool step();
    // Steps to the end.
    void run();
    void reset();

    // Columns count from 0.
    bool isNull(int column) const;
    bool isBlob(int column) const;
    std::int64_t integer(int column) const;
    std::string_view text(int column) const;
    std::span<const std::uint8_t> blob(int column) const;

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const;
    };
    sqlite3* database_;
    std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

class Connection {
public:
    // Opens the file at `path` (UTF-8), which must exist, for reading and
    // writing, waiting up to `busyMilliseconds` when another connection
    // holds a lock.
    Connection(const std::string& path, int busyMilliseconds);

    // Runs statements that take no parameter.
    void execute(const char* sql);
    Statement prepare(std::string_view sql) { return Statement(database_.get(), sql); }
    // The one integer that `sql` gives (a PRAGMA, a count).
    std::int64_t integerOf(std::string_view sql);
    std::int64_t lastInsertId() const;

private:
    struct Closer {
        void operator()(sqlite3* database) const;
    };
    std::unique_ptr<sqlite3, Closer> database_;
};

// A transaction, rolled back by the destructor unless committed. One for
// writing takes the write lock at once (BEGIN IMMEDIATE), or waits for it;
// one for reading sees one state of the file throughout.
class Transaction {
public:
    enum class Kind { Write, Read };
    explicit Transaction(Connection& connection, Kind kind = Kind::Write);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool open_ = true;
};

} // namespace history
