#include "KelvaneDatabase.h"

#include <sqlite3.h>

#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "Schema.h"

namespace kelvane {

namespace {

// Raised while the file is first read: a damaged header reads as SQLITE_ERROR ("unsupported
// file format"), a stranger file as SQLITE_NOTADB, a damaged page as SQLITE_CORRUPT.
bool IsDamageAtOpen(int code) { return IsDamage(code) || code == SQLITE_ERROR; }

struct Damaged : StorageError {
    using StorageError::StorageError;
};

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

std::unique_ptr<SqliteDatabase> OpenForWriting(const std::string& path) {
    auto database =
        std::make_unique<SqliteDatabase>(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    try {
        database->Execute("PRAGMA journal_mode = WAL");
        // With write-ahead logging a commit need not wait for the disk: the file stays whole
        // after a crash, and only the last moments before a power cut may be lost.
        database->Execute("PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
        CheckReadable(*database);
    } catch (const StorageError& error) {
        if (IsDamageAtOpen(error.Code())) {
            throw Damaged(error.Code(), error.what());
        }
        throw;
    }
    Migrate(*database);
    return database;
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

// A read-only URI for the file, with the characters a URI gives a meaning escaped.
std::string ImmutableUri(const std::string& path) {
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
    return uri + "?immutable=1";
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

}  // namespace

std::string MoveAside(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string target = FreeDatedName(path);
    // The -wal first: moved without it, the main file would lose its last transactions, and
    // a fresh database would pick the stale log up.
    for (const std::string_view suffix : {"-wal", "-shm"}) {
        std::error_code ignored;
        const std::string from = path + std::string(suffix);
        if (fs::exists(PathOf(from), ignored)) {
            fs::rename(PathOf(from), PathOf(target + std::string(suffix)));
        }
    }
    fs::rename(PathOf(path), PathOf(target));
    return target;
}

std::string CopyAside(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string target = FreeDatedName(path);
    // The -shm is only an index of the -wal, which SQLite builds again when it opens the copy.
    std::error_code ignored;
    if (fs::exists(PathOf(path + "-wal"), ignored)) {
        fs::copy_file(PathOf(path + "-wal"), PathOf(target + "-wal"));
    }
    fs::copy_file(PathOf(path), PathOf(target));
    return target;
}

KelvaneDatabase::KelvaneDatabase(const std::string& path) : path_(path) {
    try {
        try {
            connection_ = OpenForWriting(path);
        } catch (const Damaged&) {
            connection_.reset();
            moved_aside_to_ = MoveAside(path);
            state_ = State::kStartedAfresh;
            connection_ = OpenForWriting(path);
        }
    } catch (const StorageError& error) {
        problem_code_ = error.Code();
        OpenReadOnlyCopy(path);
    } catch (const std::filesystem::filesystem_error&) {
        // The damaged file could not be moved aside: it stays where it is, untouched.
        problem_code_ = SQLITE_READONLY;
        OpenReadOnlyCopy(path);
    }
    if (!FileToCheck().empty()) {
        checkpointer_ = std::make_unique<WalCheckpointer>(*connection_);
    }
}

// Reads what the file holds, if it can, into a database in memory that refuses writes, so
// the book shows what was saved while saying that nothing more can be.
void KelvaneDatabase::OpenReadOnlyCopy(const std::string& path) {
    state_ = State::kCannotSave;
    connection_.reset();
    connection_ = std::make_unique<SqliteDatabase>(":memory:", SQLITE_OPEN_READWRITE);
    try {
        SqliteDatabase source(ImmutableUri(path), SQLITE_OPEN_READONLY);
        sqlite3_backup* backup =
            sqlite3_backup_init(connection_->Handle(), "main", source.Handle(), "main");
        if (backup != nullptr) {
            sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
        }
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
        // The copy first: the database is emptied only once its damaged pages are kept.
        const std::string aside = CopyAside(path_);
        SqliteDatabase fresh(":memory:", SQLITE_OPEN_READWRITE);
        Migrate(fresh);
        // The backup replaces every page of the file in one write transaction, so another
        // reader sees the damaged database or the fresh one, never a mixture.
        sqlite3_backup* backup =
            sqlite3_backup_init(connection_->Handle(), "main", fresh.Handle(), "main");
        if (backup == nullptr) {
            throw StorageError(sqlite3_errcode(connection_->Handle()),
                               sqlite3_errmsg(connection_->Handle()));
        }
        const int stepped = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (stepped != SQLITE_DONE) {
            throw StorageError(stepped & 0xff, sqlite3_errstr(stepped));
        }
        moved_aside_to_ = aside;
        state_ = State::kStartedAfresh;
    } catch (const StorageError& error) {
        stopWriting(error.Code());
        throw;
    } catch (const std::filesystem::filesystem_error&) {
        stopWriting(SQLITE_READONLY);
        throw StorageError(SQLITE_READONLY, "the damaged database could not be copied aside");
    }
}

}  // namespace kelvane
