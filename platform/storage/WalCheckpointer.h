#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/storage/SqliteDatabase.h"

namespace kelvane {

// Copies the write-ahead log's pages into the database file on a thread and a connection of
// its own, once a commit leaves kPages or more in the log. SQLite's own automatic checkpoint
// runs inside the committing call, which here is the window's thread: a large roll's commit
// would pay for copying every page written before it and for syncing both files: 10 to 16 ms
// for 1,000 pages, measured on an ext4 disk, a whole frame. The checkpoint never waits for other
// readers or writers; what they hold back is copied after a later commit.
class WalCheckpointer {
  public:
    static constexpr int kPages = 1000;

    // Takes over the checkpoints of database, a file's connection; open makes the checkpoints'
    // own connection to the same file, set up as the writing one is. The checkpointer must go
    // before the connection does.
    WalCheckpointer(SqliteDatabase& database,
                    std::function<std::unique_ptr<SqliteDatabase>()> open);
    ~WalCheckpointer();
    WalCheckpointer(const WalCheckpointer&) = delete;
    WalCheckpointer& operator=(const WalCheckpointer&) = delete;
    WalCheckpointer(WalCheckpointer&&) = delete;
    WalCheckpointer& operator=(WalCheckpointer&&) = delete;

  private:
    static int Committed(void* self, sqlite3* handle, const char* database, int pages);
    void Run();

    SqliteDatabase& database_;
    const std::function<std::unique_ptr<SqliteDatabase>()> open_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool due_ = false;
    bool stopping_ = false;
    // Last, so that it starts once the rest is set up.
    std::thread thread_;
};

}  // namespace kelvane
