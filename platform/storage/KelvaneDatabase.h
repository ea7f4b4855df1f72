#pragma once

#include <memory>
#include <string>

#include "SqliteDatabase.h"

namespace kelvane {

// Kelvane's one database file, opened with write-ahead logging (so that two Kelvane processes
// share it), foreign keys on, and its schema migrated to the newest version. Opening never
// fails: a damaged file is moved aside and a fresh one started, and a file that cannot be
// written is read into memory, where every write fails with a StorageError.
class KelvaneDatabase {
  public:
    enum class State {
        kSaved,          // changes are written to the file
        kStartedAfresh,  // the file was damaged: MovedAsideTo() names where it went
        kCannotSave,     // changes cannot be written: ProblemCode() says why
    };

    explicit KelvaneDatabase(const std::string& path);

    [[nodiscard]] SqliteDatabase& Connection() { return *connection_; }
    [[nodiscard]] State OpenedState() const noexcept { return state_; }
    // The damaged file's new name; its -wal and -shm files, if any, went beside it.
    [[nodiscard]] const std::string& MovedAsideTo() const noexcept { return moved_aside_to_; }
    // Why the book cannot be saved: SQLITE_READONLY, SQLITE_CANTOPEN, SQLITE_FULL, SQLITE_IOERR,
    // SQLITE_PERM, or SQLITE_SCHEMA for a file from a newer Kelvane.
    [[nodiscard]] int ProblemCode() const noexcept { return problem_code_; }

  private:
    void OpenReadOnlyCopy(const std::string& path);

    std::unique_ptr<SqliteDatabase> connection_;
    State state_ = State::kSaved;
    std::string moved_aside_to_;
    int problem_code_ = 0;
};

// Moves a damaged database and its -wal and -shm files aside under a dated name beside it,
// such as kelvane.damaged-2026-12-09-0405.sqlite3, and returns that name.
std::string MoveAside(const std::string& path);

}  // namespace kelvane
