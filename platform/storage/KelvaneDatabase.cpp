#include "platform/storage/KelvaneDatabase.h"

#include <sqlite3.h>

#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/storage/Schema.h"

namespace kelvane {

namespace {

// Raised while the file is first read: a damaged header reads as SQLITE_ERROR ("unsupported
// file format"), a stranger file as SQLITE_NOTADB, a damaged page as SQLITE_CORRUPT.
bool IsDamageAtOpen(int code) { return IsDamage(code) || code == SQLITE_ERROR; }

// Reads every page of the file: for a copy in memory, where no other thread can read it.
void CheckIntact(SqliteDatabase& database) {
    SqliteStatement check(database, "PRAGMA quick_check");
    if (!check.Step() || check.Text(0) != "ok") {
        throw StorageError(SQLITE_CORRUPT, "the database failed its check");
    }
}

// Reads the schema and the first row of every table: a damaged header, schema or table shows
// at once, for the cost of a few pages however large the file has grown.
void CheckReadable(SqliteDatabase& database) {
    std::vector<std::string> tables;
    {
        SqliteStatement names(database, "SELECT name FROM sqlite_schema WHERE type = 'table'");
        while (names.Step()) {
            tables.push_back(names.Text(0));
        }
    }
    for (const auto& table : tables) {
        std::string quoted;
        for (const char c : table) {
            quoted += c == '"' ? "\"\"" : std::string(1, c);
        }
        SqliteStatement first(database, "SELECT * FROM \"" + quoted + "\" LIMIT 1");
        static_cast<void>(first.Step());
    }
}

// Brings the schema to the newest version. The version is read again under the write lock,
// since another Kelvane may have migrated the file in between.
void Migrate(SqliteDatabase& database) {
    const auto steps = SchemaSteps();
    const auto newest = static_cast<std::int64_t>(steps.size());
    auto version = database.QueryInteger("PRAGMA user_version");
    if (version == newest) {
        return;
    }
    SqliteTransaction transaction(database);
    version = database.QueryInteger("PRAGMA user_version");
    if (version > newest) {
        throw StorageError(SQLITE_SCHEMA, "the database comes from a newer Kelvane");
    }
    for (auto step = version; step < newest; ++step) {
        database.Execute(steps[static_cast<std::size_t>(step)]);
    }
    database.Execute(("PRAGMA user_version = " + std::to_string(newest)).c_str());
    transaction.Commit();
}

// Opening waits this long for another Kelvane's write lock, as a migration rebuilds tables; it
// runs off the window's thread, before the window is shown.
constexpr int kOpeningBusyTimeoutMilliseconds = 5000;

// The same on every platform. With write-ahead logging a commit need not wait for the disk
// (synchronous = NORMAL): the file stays whole after a crash, and only the last moments before
// a power cut may be lost. A checkpoint leaves the -wal at most a few megabytes. Deleted rows
// are overwritten where that costs no extra writes; left to the library, Debian's overwrites
// them always and others never.
void SetUpForWriting(SqliteDatabase& database) {
    database.Execute(
        "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; "
        "PRAGMA journal_size_limit = 4194304; PRAGMA secure_delete = FAST; "
        "PRAGMA foreign_keys = ON");
}

std::unique_ptr<SqliteDatabase> OpenForWriting(const std::string& path) {
    auto database =
        std::make_unique<SqliteDatabase>(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // A file that may not be written is opened read-only without a word.
    if (sqlite3_db_readonly(database->Handle(), "main") == 1) {
        throw StorageError(SQLITE_READONLY, "the database cannot be written: " + path);
    }
    return database;
}

// Empties a database whose first page SQLite cannot read, by SQLite's own reset.
void Reset(SqliteDatabase& database) {
    sqlite3* handle = database.Handle();
    sqlite3_db_config(handle, SQLITE_DBCONFIG_RESET_DATABASE, 1, nullptr);
    const int result = sqlite3_exec(handle, "VACUUM", nullptr, nullptr, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_RESET_DATABASE, 0, nullptr);
    if (result != SQLITE_OK) {
        throw StorageError(result & 0xff, sqlite3_errmsg(handle));
    }
}

// Runs a backup whose connections the caller has opened, all in one step.
void BackUp(sqlite3* to, sqlite3* from) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (backup == nullptr) {
        throw StorageError(sqlite3_errcode(to), sqlite3_errmsg(to));
    }
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) {
        throw StorageError(stepped & 0xff, sqlite3_errstr(stepped));
    }
}

// Paths are UTF-8 throughout, as SQLite takes them; std::filesystem reads a plain string in the
// system's code page on Windows, so it is handed UTF-8 explicitly.
std::filesystem::path PathOf(const std::string& utf8) {
    return {std::u8string(utf8.begin(), utf8.end())};
}

std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// A read-only URI for the file, with the characters a URI gives a meaning escaped. Its -wal is
// read wherever there is one (SQLite then needs the -shm beside it); a file without one holds
// all that was committed and is read as immutable, which needs no -shm, as where the folder
// cannot be written.
std::string ReadOnlyUri(const std::string& path) {
    std::string uri = "file:";
    for (const char c : path) {
        switch (c) {
            case '?':
                uri += "%3f";
                break;
            case '#':
                uri += "%23";
                break;
            case '%':
                uri += "%25";
                break;
            case '\\':
                uri += '/';
                break;
            default:
                uri += c;
        }
    }
    std::error_code ignored;
    return uri +
           (std::filesystem::exists(PathOf(path + "-wal"), ignored) ? "?mode=ro" : "?immutable=1");
}

std::string DatedName(const std::filesystem::path& path, int attempt) {
    const std::time_t now = std::time(nullptr);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", std::localtime(&now));
    std::string name = path.stem().string() + ".damaged-" + stamp;
    if (attempt > 0) {
        // Appended in two steps: "-" + a temporary is taken by mingw-w64's optimiser for an
        // overlapping copy.
        name += '-';
        name += std::to_string(attempt);
    }
    return Utf8Of(path.parent_path() / PathOf(name + Utf8Of(path.extension())));
}

// The first dated name beside path that no file has yet.
std::string FreeDatedName(const std::string& path) {
    std::string target;
    for (int attempt = 0; target.empty() || std::filesystem::exists(PathOf(target)); ++attempt) {
        target = DatedName(PathOf(path), attempt);
    }
    return target;
}

// Copies the pages of the database at from, as its last commit left them, to a new file.
void CopyPages(const std::string& from, const std::string& to) {
    try {
        SqliteDatabase source(from, SQLITE_OPEN_READONLY);
        SqliteDatabase copy(to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        BackUp(copy.Handle(), source.Handle());
    } catch (const StorageError&) {
        std::error_code ignored;
        std::filesystem::remove(PathOf(to), ignored);
        throw;
    }
}

// Copies a database and its -wal file byte for byte; the -shm is only an index of the -wal,
// which SQLite builds again when it opens the copy.
void CopyFiles(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    if (fs::exists(PathOf(from + "-wal"), ignored)) {
        fs::copy_file(PathOf(from + "-wal"), PathOf(to + "-wal"));
    }
    fs::copy_file(PathOf(from), PathOf(to));
}

// Copies the database aside and empties it in place. The emptying is a backup of a fresh
// database over it, which holds its write transaction from its first step to its last: the
// copy, taken in between through a connection of its own, holds every commit, and no commit
// comes between it and the emptying. Nothing is renamed, as another Kelvane may hold the file
// open and would go on writing into the renamed file. Returns the copy's name.
std::string CopyAsideAndEmpty(SqliteDatabase& live, const std::string& path) {
    SqliteDatabase fresh(":memory:", SQLITE_OPEN_READWRITE);
    Migrate(fresh);
    sqlite3_backup* backup = sqlite3_backup_init(live.Handle(), "main", fresh.Handle(), "main");
    if (backup == nullptr) {
        throw StorageError(sqlite3_errcode(live.Handle()), sqlite3_errmsg(live.Handle()));
    }
    std::string aside;
    // The first step takes the write lock and copies one page of the fresh database, which has
    // one for each of its many tables and indexes, so that the last step is still to come.
    int stepped = sqlite3_backup_step(backup, 1);
    if (stepped == SQLITE_OK) {
        try {
            // Named under the lock, so that two Kelvanes starting afresh at once take two names.
            aside = FreeDatedName(path);
            CopyPages(path, aside);
        } catch (...) {
            sqlite3_backup_finish(backup);
            throw;
        }
        stepped = sqlite3_backup_step(backup, -1);
    }
    // Rolls the emptying back unless it is done.
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) {
        throw StorageError(stepped & 0xff, sqlite3_errstr(stepped));
    }
    return aside;
}

}  // namespace

KelvaneDatabase::KelvaneDatabase(const std::string& path) : path_(path) {
    try {
        connection_ = OpenForWriting(path);
        sqlite3_busy_timeout(connection_->Handle(), kOpeningBusyTimeoutMilliseconds);
        try {
            SetUpForWriting(*connection_);
            CheckReadable(*connection_);
        } catch (const StorageError& error) {
            if (!IsDamageAtOpen(error.Code())) {
                throw;
            }
            EmptyInPlace();
            state_ = State::kStartedAfresh;
        }
        Migrate(*connection_);
        sqlite3_busy_timeout(connection_->Handle(), SqliteDatabase::kBusyTimeoutMilliseconds);
    } catch (const StorageError& error) {
        problem_code_ = error.Code();
        OpenReadOnlyCopy(path);
    } catch (const std::filesystem::filesystem_error&) {
        // The damaged file could not be copied aside: it stays as it is, untouched.
        problem_code_ = SQLITE_READONLY;
        OpenReadOnlyCopy(path);
    }
    if (!FileToCheck().empty()) {
        checkpointer_ = std::make_unique<WalCheckpointer>(*connection_, [path] {
            auto connection = OpenForWriting(path);
            SetUpForWriting(*connection);
            return connection;
        });
    }
}

// Reads what the file holds, if it can, into a database in memory that refuses writes, so
// the book shows what was saved while saying that nothing more can be.
void KelvaneDatabase::OpenReadOnlyCopy(const std::string& path) {
    state_ = State::kCannotSave;
    connection_.reset();
    connection_ = std::make_unique<SqliteDatabase>(":memory:", SQLITE_OPEN_READWRITE);
    try {
        SqliteDatabase source(ReadOnlyUri(path), SQLITE_OPEN_READONLY);
        BackUp(connection_->Handle(), source.Handle());
        CheckIntact(*connection_);
        // A file from a newer Kelvane is shown as it is: its newer steps only add.
        if (connection_->QueryInteger("PRAGMA user_version") <
            static_cast<std::int64_t>(SchemaSteps().size())) {
            Migrate(*connection_);
        }
    } catch (const StorageError&) {
        // Unreadable or from a newer Kelvane: an empty book, still refusing writes.
        connection_ = std::make_unique<SqliteDatabase>(":memory:", SQLITE_OPEN_READWRITE);
        Migrate(*connection_);
    }
    connection_->Execute("PRAGMA foreign_keys = ON; PRAGMA query_only = 1");
}

void KelvaneDatabase::EmptyInPlace() {
    std::string aside;
    if (IsDamageAtOpen(sqlite3_exec(connection_->Handle(), "PRAGMA schema_version", nullptr,
                                    nullptr, nullptr))) {
        // A file whose first page SQLite cannot read takes no commit from anyone: its bytes are
        // copied as they stand, and SQLite's reset empties it.
        aside = FreeDatedName(path_);
        CopyFiles(path_, aside);
        Reset(*connection_);
    } else {
        aside = CopyAsideAndEmpty(*connection_, path_);
    }
    // A reset file keeps no journal mode of its own.
    SetUpForWriting(*connection_);
    Migrate(*connection_);
    moved_aside_to_ = aside;
}

bool KelvaneDatabase::CheckFile(const std::string& path, const std::atomic_bool* stop) {
    try {
        SqliteDatabase database(path, SQLITE_OPEN_READONLY);
        if (stop != nullptr) {
            // Looked at every few thousand steps, so that a window closing soon after start
            // does not wait for the check of a large file.
            constexpr int kStepsBetweenLooks = 10000;
            sqlite3_progress_handler(
                database.Handle(), kStepsBetweenLooks,
                [](void* flag) {
                    return static_cast<const std::atomic_bool*>(flag)->load() ? 1 : 0;
                },
                const_cast<void*>(static_cast<const void*>(stop)));
        }
        SqliteStatement check(database, "PRAGMA quick_check");
        return check.Step() && check.Text(0) == "ok";
    } catch (const StorageError& error) {
        return !IsDamage(error.Code());
    }
}

std::string KelvaneDatabase::FileToCheck() const {
    return state_ == State::kCannotSave || path_ == ":memory:" ? std::string() : path_;
}

void KelvaneDatabase::StartAfresh() {
    if (FileToCheck().empty()) {
        return;
    }
    const auto stopWriting = [this](int code) {
        state_ = State::kCannotSave;
        problem_code_ = code;
        // Nothing more goes into a file known to be damaged.
        sqlite3_exec(connection_->Handle(), "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
    };
    try {
        EmptyInPlace();
        state_ = State::kStartedAfresh;
    } catch (const StorageError& error) {
        // Held up by another Kelvane's write, which may be its own start afresh: nothing changed,
        // and the damage, if still there when next met, starts afresh then.
        if (error.Code() != SQLITE_BUSY) {
            stopWriting(error.Code());
        }
        throw;
    } catch (const std::filesystem::filesystem_error&) {
        stopWriting(SQLITE_READONLY);
        throw StorageError(SQLITE_READONLY, "the damaged database could not be copied aside");
    }
}

}  // namespace kelvane
