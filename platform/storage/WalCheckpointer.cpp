#include "platform/storage/WalCheckpointer.h"

#include <sqlite3.h>

#include <utility>

namespace kelvane {

WalCheckpointer::WalCheckpointer(SqliteDatabase& database,
                                 std::function<std::unique_ptr<SqliteDatabase>()> open)
    : database_(database), open_(std::move(open)), thread_([this] { Run(); }) {
    // Replaces SQLite's automatic checkpoint on this connection.
    sqlite3_wal_hook(database_.Handle(), &WalCheckpointer::Committed, this);
}

WalCheckpointer::~WalCheckpointer() {
    sqlite3_wal_autocheckpoint(database_.Handle(), kPages);
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

int WalCheckpointer::Committed(void* self, sqlite3* /*handle*/, const char* /*database*/,
                               int pages) {
    if (pages >= kPages) {
        auto& checkpointer = *static_cast<WalCheckpointer*>(self);
        {
            const std::lock_guard lock(checkpointer.mutex_);
            checkpointer.due_ = true;
        }
        checkpointer.wake_.notify_one();
    }
    return SQLITE_OK;
}

void WalCheckpointer::Run() {
    std::unique_ptr<SqliteDatabase> connection;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return due_ || stopping_; });
            if (stopping_) {
                return;
            }
            due_ = false;
        }
        try {
            if (!connection) {
                connection = open_();
            }
            // A checkpoint that fails leaves the log as it was: the next one copies it all.
            sqlite3_wal_checkpoint_v2(connection->Handle(), nullptr, SQLITE_CHECKPOINT_PASSIVE,
                                      nullptr, nullptr);
        } catch (const StorageError&) {
            // The file could not be opened: tried again after a later commit.
            connection.reset();
        }
    }
}

}  // namespace kelvane
