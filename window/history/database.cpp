// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/database.h"

#include <sqlite3.h>

namespace history {

namespace {

[[noreturn]] void fail(sqlite3* database, int code) {
    const char* what = database != nullptr ? sqlite3_errmsg(database) : sqlite3_errstr(code);
    throw DatabaseError(database != nullptr ? sqlite3_extended_errcode(database) : code, what);
}

void check(sqlite3* database, int code) {
    if (code != SQLITE_OK) {
        fail(database, code);
    }
}

} // namespace

void Statement::Finalizer::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

Statement::Statement(sqlite3* database, std::string_view sql) : database_(database) {
    sqlite3_stmt* statement = nullptr;
    check(database, sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()),
                                       &statement, nullptr));
    statement_.reset(statement);
}

Statement& Statement::bind(int index, std::int64_t value) {
    check(database_, sqlite3_bind_int64(statement_.get(), index, value));
    return *this;
}

Statement& Statement::bindText(int index, std::string_view text) {
    check(database_, sqlite3_bind_text64(statement_.get(), index, text.data(), text.size(),
                                         SQLITE_STATIC, SQLITE_UTF8));
    return *this;
}

Statement& Statement::bindBlob(int index, std::span<const std::uint8_t> bytes) {
    check(database_,
          sqlite3_bind_blob64(statement_.get(), index, bytes.data(), bytes.size(), SQLITE_STATIC));
    return *this;
}

Statement& Statement::bindNull(int index) {
    check(database_, sqlite3_bind_null(statement_.get(), index));
    return *this;
}

bool Statement::step() {
    const int code = sqlite3_step(statement_.get());
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code != SQLITE_DONE) {
        fail(database_, code);
    }
    return false;
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(statement_.get());
    sqlite3_clear_bindings(statement_.get());
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(statement_.get(), column) == SQLITE_NULL;
}

bool Statement::isBlob(int column) const {
    return sqlite3_column_type(statement_.get(), column) == SQLITE_BLOB;
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(statement_.get(), column);
}

std::string_view Statement::text(int column) const {
    const auto* characters =
        reinterpret_cast<const char*>(sqlite3_column_text(statement_.get(), column));
    const int bytes = sqlite3_column_bytes(statement_.get(), column);
    return characters != nullptr ? std::string_view(characters, static_cast<std::size_t>(bytes))
                                 : std::string_view();
}

std::span<const std::uint8_t> Statement::blob(int column) const {
    const auto* bytes =
        static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_.get(), column));
    const int count = sqlite3_column_bytes(statement_.get(), column);
    return bytes != nullptr ? std::span(bytes, static_cast<std::size_t>(count))
                            : std::span<const std::uint8_t>();
}

void Connection::Closer::operator()(sqlite3* database) const {
    sqlite3_close_v2(database);
}

Connection::Connection(const std::string& path, int busyMilliseconds) {
    sqlite3* database = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READWRITE, nullptr);
    database_.reset(database);
    check(database, code);
    sqlite3_extended_result_codes(database, 1);
    sqlite3_busy_timeout(database, busyMilliseconds);
}

void Connection::execute(const char* sql) {
    check(database_.get(), sqlite3_exec(database_.get(), sql, nullptr, nullptr, nullptr));
}

std::int64_t Connection::integerOf(std::string_view sql) {
    Statement statement = prepare(sql);
    return statement.step() ? statement.integer(0) : 0;
}

std::int64_t Connection::lastInsertId() const {
    return sqlite3_last_insert_rowid(database_.get());
}

Transaction::Transaction(Connection& connection, Kind kind) : connection_(connection) {
    connection_.execute(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction() {
    if (open_) {
        try {
            connection_.execute("ROLLBACK");
        } catch (const DatabaseError&) {
            // SQLite rolls back by itself after some failures (a full disk):
            // then there is nothing left to roll back.
        }
    }
}

void Transaction::commit() {
    connection_.execute("COMMIT");
    open_ = false;
}

} // namespace history
