#include "platform/storage/SqliteDatabase.h"

#include <sqlite3.h>

#include <climits>
#include <utility>

namespace kelvane {

StorageError::StorageError(int code, const std::string& message)
    : std::runtime_error(message), code_(code) {}

bool IsDamage(int code) { return code == SQLITE_CORRUPT || code == SQLITE_NOTADB; }

StorageProblem ProblemOf(int code) {
    switch (code) {
        case SQLITE_FULL:
            return StorageProblem::kDiskFull;
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
            return StorageProblem::kReadOnly;
        case SQLITE_SCHEMA:
            return StorageProblem::kNewerVersion;
        default:
            return StorageProblem::kOther;
    }
}

SqliteDatabase::SqliteDatabase(const std::string& path, int flags) {
    const int result = sqlite3_open_v2(path.c_str(), &handle_, flags | SQLITE_OPEN_URI, nullptr);
    if (result != SQLITE_OK) {
        // sqlite3_open_v2 hands back a handle even when it fails, to carry the message.
        const std::string message =
            handle_ != nullptr ? sqlite3_errmsg(handle_) : sqlite3_errstr(result);
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
        throw StorageError(result & 0xff, message + ": " + path);
    }
    sqlite3_extended_result_codes(handle_, 0);
    sqlite3_busy_timeout(handle_, kBusyTimeoutMilliseconds);
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close_v2(handle_); }

void SqliteDatabase::Fail(int result) {
    const int code = result & 0xff;
    StorageError error(code, sqlite3_errmsg(handle_));
    if (IsDamage(code) && damageFound_) {
        damageFound_();
    }
    throw error;
}

void SqliteDatabase::Execute(const char* sql) {
    const int result = sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) {
        Fail(result);
    }
}

std::int64_t SqliteDatabase::QueryInteger(const char* sql) {
    SqliteStatement statement(*this, sql);
    return statement.Step() ? statement.Integer(0) : 0;
}

std::int64_t SqliteDatabase::LastInsertRowId() const { return sqlite3_last_insert_rowid(handle_); }

SqliteStatement::SqliteStatement(SqliteDatabase& database, std::string_view sql)
    : database_(database) {
    if (sql.size() > INT_MAX) {
        throw StorageError(SQLITE_TOOBIG, "statement too long");
    }
    Check(sqlite3_prepare_v3(database_.Handle(), sql.data(), static_cast<int>(sql.size()), 0,
                             &handle_, nullptr));
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(handle_); }

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    Check(sqlite3_bind_text64(handle_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                              SQLITE_UTF8));
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t number) {
    Check(sqlite3_bind_int64(handle_, index, number));
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, double number) {
    Check(sqlite3_bind_double(handle_, index, number));
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::nullopt_t) {
    Check(sqlite3_bind_null(handle_, index));
    return *this;
}

bool SqliteStatement::Step() {
    const int result = sqlite3_step(handle_);
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result == SQLITE_DONE) {
        return false;
    }
    sqlite3_reset(handle_);
    database_.Fail(result);
}

void SqliteStatement::Run() {
    while (Step()) {
    }
    Reset();
}

void SqliteStatement::Reset() { sqlite3_reset(handle_); }

bool SqliteStatement::IsNull(int column) const {
    return sqlite3_column_type(handle_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::Integer(int column) const {
    return sqlite3_column_int64(handle_, column);
}

double SqliteStatement::Real(int column) const { return sqlite3_column_double(handle_, column); }

std::string SqliteStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_, column));
    const int bytes = sqlite3_column_bytes(handle_, column);
    return text != nullptr ? std::string(text, static_cast<std::size_t>(bytes)) : std::string();
}

void SqliteStatement::Check(int result) const {
    if (result != SQLITE_OK) {
        database_.Fail(result);
    }
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& database) : database_(database) {
    database_.Execute("BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction() {
    if (!committed_) {
        // Nothing can be reported from here; SQLite may already have rolled back on its own.
        sqlite3_exec(database_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void SqliteTransaction::Commit() {
    database_.Execute("COMMIT");
    committed_ = true;
}

}  // namespace kelvane
