#include "WalBatchingVfs.h"

#include <sqlite3.h>

#include <algorithm>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace kelvane {

namespace {

// A frame header of the write-ahead log: the page number, then, for the commit frame only, the
// database's size in pages, then salts and checksums. SQLite writes it apart from its page.
constexpr int kFrameHeaderSize = 24;
constexpr int kCommitSizeOffset = 4;
// The most bytes held, and so written in one call: SQLite's Unix VFS writes at most 128 KiB
// less one byte in a call.
constexpr std::size_t kMostHeld = std::size_t{120} << 10U;

sqlite3_vfs* Platform(sqlite3_vfs* vfs) { return static_cast<sqlite3_vfs*>(vfs->pAppData); }

// The log's bytes not yet written: one run starting at offset.
struct Held {
    std::vector<unsigned char> bytes;
    sqlite3_int64 offset = 0;
    // The commit frame's header was written: its page, if it follows, goes straight out too.
    bool writeNextAtOnce = false;
};

bool IsCommitHeader(const unsigned char* bytes, std::size_t size) {
    return size == kFrameHeaderSize &&
           std::any_of(bytes + kCommitSizeOffset, bytes + kCommitSizeOffset + 4,
                       [](unsigned char b) { return b != 0; });
}

// Made in the room SQLite allocates for each file, which starts with the sqlite3_file it sees.
struct WalFile {
    sqlite3_file file{};
    // The platform VFS's own file, in the same allocation, after this.
    sqlite3_file* platform = nullptr;
    Held held;
};

WalFile& Wal(sqlite3_file* file) {
    // SQLite's way of extending its file object.
    return *std::launder(reinterpret_cast<WalFile*>(file));  // NOLINT(*-reinterpret-cast)
}

int WriteHeld(WalFile& wal) {
    Held& held = wal.held;
    if (held.bytes.empty()) {
        return SQLITE_OK;
    }
    const int result = wal.platform->pMethods->xWrite(
        wal.platform, held.bytes.data(), static_cast<int>(held.bytes.size()), held.offset);
    // A write that failed fails its transaction, whose frames SQLite then passes over.
    held.bytes.clear();
    return result;
}

int Close(sqlite3_file* file) {
    WalFile& wal = Wal(file);
    const int written = WriteHeld(wal);
    const int closed = wal.platform->pMethods->xClose(wal.platform);
    wal.~WalFile();
    return written != SQLITE_OK ? written : closed;
}

// Calls the platform's file once what is held is written, as a call that reads, sizes, syncs
// or truncates the log must see all written before it.
template <typename Call>
int AfterWritingHeld(sqlite3_file* file, Call call) {
    WalFile& wal = Wal(file);
    const int written = WriteHeld(wal);
    return written != SQLITE_OK ? written : call(wal.platform);
}

int Read(sqlite3_file* file, void* into, int amount, sqlite3_int64 offset) {
    return AfterWritingHeld(
        file, [&](sqlite3_file* log) { return log->pMethods->xRead(log, into, amount, offset); });
}

// Frames are held until the commit frame's header, and written out with it. That header is
// the transaction's last write but for the commit frame's page, which follows it at once, or,
// where SQLite rewrites the frames' checksums, the last write of all.
int Write(sqlite3_file* file, const void* from, int amount, sqlite3_int64 offset) {
    WalFile& wal = Wal(file);
    Held& held = wal.held;
    const auto size = static_cast<std::size_t>(amount);
    const bool atOnce = std::exchange(held.writeNextAtOnce, false);
    if (!held.bytes.empty() &&
        (atOnce || offset != held.offset + static_cast<sqlite3_int64>(held.bytes.size()) ||
         held.bytes.size() + size > kMostHeld)) {
        if (const int written = WriteHeld(wal); written != SQLITE_OK) {
            return written;
        }
    }
    if (atOnce || size > kMostHeld) {
        return wal.platform->pMethods->xWrite(wal.platform, from, amount, offset);
    }
    if (held.bytes.empty()) {
        held.offset = offset;
    }
    const auto* bytes = static_cast<const unsigned char*>(from);
    held.bytes.insert(held.bytes.end(), bytes, bytes + size);
    if (IsCommitHeader(bytes, size)) {
        held.writeNextAtOnce = true;
        return WriteHeld(wal);
    }
    return SQLITE_OK;
}

int Truncate(sqlite3_file* file, sqlite3_int64 size) {
    return AfterWritingHeld(file,
                            [&](sqlite3_file* log) { return log->pMethods->xTruncate(log, size); });
}

int Sync(sqlite3_file* file, int flags) {
    return AfterWritingHeld(file,
                            [&](sqlite3_file* log) { return log->pMethods->xSync(log, flags); });
}

int FileSize(sqlite3_file* file, sqlite3_int64* size) {
    return AfterWritingHeld(file,
                            [&](sqlite3_file* log) { return log->pMethods->xFileSize(log, size); });
}

int Lock(sqlite3_file* file, int level) {
    sqlite3_file* platform = Wal(file).platform;
    return platform->pMethods->xLock(platform, level);
}

int Unlock(sqlite3_file* file, int level) {
    sqlite3_file* platform = Wal(file).platform;
    return platform->pMethods->xUnlock(platform, level);
}

int CheckReservedLock(sqlite3_file* file, int* reserved) {
    sqlite3_file* platform = Wal(file).platform;
    return platform->pMethods->xCheckReservedLock(platform, reserved);
}

int FileControl(sqlite3_file* file, int operation, void* argument) {
    return AfterWritingHeld(file, [&](sqlite3_file* log) {
        return log->pMethods->xFileControl(log, operation, argument);
    });
}

int SectorSize(sqlite3_file* file) {
    sqlite3_file* platform = Wal(file).platform;
    return platform->pMethods->xSectorSize(platform);
}

int DeviceCharacteristics(sqlite3_file* file) {
    sqlite3_file* platform = Wal(file).platform;
    return platform->pMethods->xDeviceCharacteristics(platform);
}

// Version 1: the log has no shared memory and is never mapped.
constexpr sqlite3_io_methods kWalMethods{.iVersion = 1,
                                         .xClose = &Close,
                                         .xRead = &Read,
                                         .xWrite = &Write,
                                         .xTruncate = &Truncate,
                                         .xSync = &Sync,
                                         .xFileSize = &FileSize,
                                         .xLock = &Lock,
                                         .xUnlock = &Unlock,
                                         .xCheckReservedLock = &CheckReservedLock,
                                         .xFileControl = &FileControl,
                                         .xSectorSize = &SectorSize,
                                         .xDeviceCharacteristics = &DeviceCharacteristics,
                                         .xShmMap = nullptr,
                                         .xShmLock = nullptr,
                                         .xShmBarrier = nullptr,
                                         .xShmUnmap = nullptr,
                                         .xFetch = nullptr,
                                         .xUnfetch = nullptr};

int Open(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    sqlite3_vfs* platform = Platform(vfs);
    if ((flags & SQLITE_OPEN_WAL) == 0) {
        // Every other file is the platform's own, in the room this VFS asks for.
        return platform->xOpen(platform, name, file, flags, outFlags);
    }
    auto& wal = *new (file) WalFile;
    wal.platform = reinterpret_cast<sqlite3_file*>(                 // NOLINT(*-reinterpret-cast)
        reinterpret_cast<unsigned char*>(file) + sizeof(WalFile));  // NOLINT(*-reinterpret-cast)
    // Not yet opened: a failure below finds no file of the platform's to close.
    wal.platform->pMethods = nullptr;
    int result = SQLITE_NOMEM;
    try {
        // Room for all that is ever held, so that holding never allocates.
        wal.held.bytes.reserve(kMostHeld);
        result = platform->xOpen(platform, name, wal.platform, flags, outFlags);
    } catch (const std::bad_alloc&) {
        result = SQLITE_NOMEM;
    }
    if (result != SQLITE_OK) {
        if (wal.platform->pMethods != nullptr) {
            wal.platform->pMethods->xClose(wal.platform);
        }
        wal.~WalFile();
        file->pMethods = nullptr;
        return result;
    }
    wal.file.pMethods = &kWalMethods;
    return SQLITE_OK;
}

int Delete(sqlite3_vfs* vfs, const char* name, int syncDirectory) {
    return Platform(vfs)->xDelete(Platform(vfs), name, syncDirectory);
}
int Access(sqlite3_vfs* vfs, const char* name, int flags, int* result) {
    return Platform(vfs)->xAccess(Platform(vfs), name, flags, result);
}
int FullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out) {
    return Platform(vfs)->xFullPathname(Platform(vfs), name, size, out);
}
void* DlOpen(sqlite3_vfs* vfs, const char* name) {
    return Platform(vfs)->xDlOpen(Platform(vfs), name);
}
void DlError(sqlite3_vfs* vfs, int size, char* message) {
    Platform(vfs)->xDlError(Platform(vfs), size, message);
}
void (*DlSym(sqlite3_vfs* vfs, void* library, const char* symbol))() {
    return Platform(vfs)->xDlSym(Platform(vfs), library, symbol);
}
void DlClose(sqlite3_vfs* vfs, void* library) { Platform(vfs)->xDlClose(Platform(vfs), library); }
int Randomness(sqlite3_vfs* vfs, int size, char* out) {
    return Platform(vfs)->xRandomness(Platform(vfs), size, out);
}
int Sleep(sqlite3_vfs* vfs, int microseconds) {
    return Platform(vfs)->xSleep(Platform(vfs), microseconds);
}
int CurrentTime(sqlite3_vfs* vfs, double* now) {
    return Platform(vfs)->xCurrentTime(Platform(vfs), now);
}
int GetLastError(sqlite3_vfs* vfs, int size, char* message) {
    return Platform(vfs)->xGetLastError(Platform(vfs), size, message);
}
int CurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* now) {
    return Platform(vfs)->xCurrentTimeInt64(Platform(vfs), now);
}

constexpr const char* kName = "kelvane-wal-batching";

}  // namespace

const char* WalBatchingVfsName() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        sqlite3_vfs* platform = sqlite3_vfs_find(nullptr);
        // Version 2: the platform's system-call overrides, which tests alone use, stay its own.
        static sqlite3_vfs vfs{};
        vfs.iVersion = 2;
        vfs.szOsFile = static_cast<int>(sizeof(WalFile)) + platform->szOsFile;
        vfs.mxPathname = platform->mxPathname;
        vfs.zName = kName;
        vfs.pAppData = platform;
        vfs.xOpen = &Open;
        vfs.xDelete = &Delete;
        vfs.xAccess = &Access;
        vfs.xFullPathname = &FullPathname;
        vfs.xDlOpen = &DlOpen;
        vfs.xDlError = &DlError;
        vfs.xDlSym = &DlSym;
        vfs.xDlClose = &DlClose;
        vfs.xRandomness = &Randomness;
        vfs.xSleep = &Sleep;
        vfs.xCurrentTime = &CurrentTime;
        vfs.xGetLastError = &GetLastError;
        vfs.xCurrentTimeInt64 = &CurrentTimeInt64;
        sqlite3_vfs_register(&vfs, 0);
    });
    return kName;
}

}  // namespace kelvane
