#include "KelvaneDatabase.h"

#include <sqlite3.h>

#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "Schema.h"

namespace kelvane {

namespace {

// Raised while the file is first read and checked: a damaged header reads as SQLITE_ERROR
// ("unsupported file format"), a stranger file as SQLITE_NOTADB, a damaged page as
// SQLITE_CORRUPT.
bool IsDamage(int code) {
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT || code == SQLITE_ERROR;
}

struct Damaged : StorageError {
    using StorageError::StorageError;
};

void CheckIntact(SqliteDatabase& database) {
    SqliteStatement check(database, "PRAGMA quick_check");
    if (!check.Step() || check.Text(0) != "ok") {
        throw StorageError(SQLITE_CORRUPT, "the database failed its check");
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
        CheckIntact(*database);
    } catch (const StorageError& error) {
        if (IsDamage(error.Code())) {
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

}  // namespace

std::string MoveAside(const std::string& path) {
    namespace fs = std::filesystem;
    std::string target;
    for (int attempt = 0; target.empty() || fs::exists(PathOf(target)); ++attempt) {
        target = DatedName(PathOf(path), attempt);
    }
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

KelvaneDatabase::KelvaneDatabase(const std::string& path) {
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

}  // namespace kelvane
