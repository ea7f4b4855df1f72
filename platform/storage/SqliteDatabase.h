#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kelvane {

// A failing SQLite call. Code() is SQLite's primary result code (SQLITE_FULL, SQLITE_READONLY,
// SQLITE_CORRUPT, SQLITE_NOTADB, ...), so that callers tell a full disk from a damaged file.
// SQLITE_BUSY says that another connection held the write lock past the busy timeout: nothing
// was written, and the same write may be tried again later.
class StorageError : public std::runtime_error {
  public:
    StorageError(int code, const std::string& message);

    [[nodiscard]] int Code() const noexcept { return code_; }

  private:
    int code_;
};

// What a StorageError's code means to the player.
enum class StorageProblem { kDiskFull, kReadOnly, kNewerVersion, kOther };
[[nodiscard]] StorageProblem ProblemOf(int code);

// One open connection to a database file, closed when it goes.
class SqliteDatabase {
  public:
    // flags are sqlite3_open_v2's (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, ...); path may be
    // a file: URI. Waits up to kBusyTimeoutMilliseconds for another process's write lock before
    // a call fails with SQLITE_BUSY.
    SqliteDatabase(const std::string& path, int flags);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;
    SqliteDatabase(SqliteDatabase&&) = delete;
    SqliteDatabase& operator=(SqliteDatabase&&) = delete;

    // Short, as the window's thread writes: a write held up longer fails, and its caller keeps
    // what it wanted written for later rather than freezing the window.
    static constexpr int kBusyTimeoutMilliseconds = 200;

    // Runs fixed SQL (one or more statements) that takes no parameters.
    void Execute(const char* sql);
    // The first column of the first row of a fixed query, such as a PRAGMA's value.
    [[nodiscard]] std::int64_t QueryInteger(const char* sql);
    [[nodiscard]] std::int64_t LastInsertRowId() const;
    [[nodiscard]] sqlite3* Handle() const noexcept { return handle_; }

    // Called on the failing call's thread, just before its StorageError is thrown, whenever a
    // call on this connection or its statements finds the file damaged (SQLITE_CORRUPT or
    // SQLITE_NOTADB), so that one place can start a fresh database whoever met the damage.
    void OnDamage(std::function<void()> found) { damageFound_ = std::move(found); }

    // Throws the StorageError for a failed call's result, telling OnDamage's callee first.
    [[noreturn]] void Fail(int result);

  private:
    sqlite3* handle_ = nullptr;
    std::function<void()> damageFound_;
};

// Whether SQLite's result code says that the file is damaged.
[[nodiscard]] bool IsDamage(int code);

// One prepared statement on a database, finalised when it goes. Parameter and column indexes
// follow SQLite: parameters from 1, columns from 0.
class SqliteStatement {
  public:
    SqliteStatement(SqliteDatabase& database, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    SqliteStatement(SqliteStatement&&) = delete;
    SqliteStatement& operator=(SqliteStatement&&) = delete;

    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& Bind(int index, std::int64_t number);
    SqliteStatement& Bind(int index, double number);
    SqliteStatement& Bind(int index, std::nullopt_t);

    // Runs the statement to its next row: true when a row came, false when it is done.
    bool Step();
    // Runs a statement that returns no rows, such as an INSERT, and makes it ready to run again.
    void Run();
    // Makes the statement ready to run again; its bound values stay until bound again.
    void Reset();

    [[nodiscard]] bool IsNull(int column) const;
    [[nodiscard]] std::int64_t Integer(int column) const;
    [[nodiscard]] double Real(int column) const;
    [[nodiscard]] std::string Text(int column) const;

  private:
    void Check(int result) const;

    SqliteDatabase& database_;
    sqlite3_stmt* handle_ = nullptr;
};

// A write transaction: BEGIN IMMEDIATE takes the write lock at once (waiting out another
// process's), and anything not committed is rolled back when it goes.
class SqliteTransaction {
  public:
    explicit SqliteTransaction(SqliteDatabase& database);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    SqliteTransaction(SqliteTransaction&&) = delete;
    SqliteTransaction& operator=(SqliteTransaction&&) = delete;

    void Commit();

  private:
    SqliteDatabase& database_;
    bool committed_ = false;
};

}  // namespace kelvane
