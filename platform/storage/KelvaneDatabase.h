#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "platform/storage/SqliteDatabase.h"
#include "platform/storage/WalCheckpointer.h"

namespace kelvane {

// Kelvane's one database file, opened with write-ahead logging (so that two Kelvane processes
// share it), foreign keys on, and its schema migrated to the newest version. Opening never
// fails: a file whose header, schema or tables cannot be read is copied aside and emptied in
// place to a fresh database, and a file that cannot be written is read into memory, where
// every write fails with a StorageError. Opening reads only a few pages, whatever the file's
// size: the whole file is checked by CheckFile, on another thread, and damage found then or
// later is met by StartAfresh. Opening may wait seconds for another Kelvane's migration; the
// connection it leaves waits only SqliteDatabase::kBusyTimeoutMilliseconds.
class KelvaneDatabase {
  public:
    enum class State {
        kSaved,          // changes are written to the file
        kStartedAfresh,  // the file was damaged: MovedAsideTo() names where it went
        kCannotSave,     // changes cannot be written: ProblemCode() says why
    };

    explicit KelvaneDatabase(const std::string& path);

    // Whether the file holds together throughout, read through a read-only connection of its
    // own so that it may run on any thread while the window goes on. Takes seconds for a file
    // of hundreds of megabytes. A file that cannot be read now counts as intact: opening has
    // said what was wrong with it; so does a check given up because stop was set.
    [[nodiscard]] static bool CheckFile(const std::string& path,
                                        const std::atomic_bool* stop = nullptr);
    // The file CheckFile should read, or nothing when its contents are in memory.
    [[nodiscard]] std::string FileToCheck() const;

    // Keeps a copy of the damaged file under a dated name beside it and empties the database in
    // place to a fresh one, in one write transaction that holds off every other writer from
    // before the copy is taken: the copy holds all that any connection committed, and every
    // connection, here or in another Kelvane, goes on with the fresh database. When another
    // Kelvane holds the write lock past the busy timeout, nothing changes and a StorageError
    // with SQLITE_BUSY is thrown. When the database cannot be emptied it stops taking writes
    // (OpenedState() says kCannotSave) and the StorageError is thrown.
    void StartAfresh();

    [[nodiscard]] SqliteDatabase& Connection() { return *connection_; }
    [[nodiscard]] State OpenedState() const noexcept { return state_; }
    // The copy of the damaged file; a -wal file beside it, if any, belongs to it.
    [[nodiscard]] const std::string& MovedAsideTo() const noexcept { return moved_aside_to_; }
    // Why the book cannot be saved: SQLITE_READONLY, SQLITE_CANTOPEN, SQLITE_FULL, SQLITE_IOERR,
    // SQLITE_PERM, or SQLITE_SCHEMA for a file from a newer Kelvane.
    [[nodiscard]] int ProblemCode() const noexcept { return problem_code_; }

  private:
    void OpenReadOnlyCopy(const std::string& path);
    void EmptyInPlace();

    std::string path_;
    std::unique_ptr<SqliteDatabase> connection_;
    // The file's checkpoints, off the thread that writes; none for a database in memory.
    std::unique_ptr<WalCheckpointer> checkpointer_;
    State state_ = State::kSaved;
    std::string moved_aside_to_;
    int problem_code_ = 0;
};

}  // namespace kelvane
