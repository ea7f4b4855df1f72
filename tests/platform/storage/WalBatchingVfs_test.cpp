#include "WalBatchingVfs.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "SqliteDatabase.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// The statements of one test, run through the batching VFS; the table's rows are then read by
// a connection of SQLite's own VFS, at once and from a copy of the files as they stand while
// the writer is still open, which is what a kill leaves behind.
struct Transactions {
    const char* name;
    const char* sql;
    std::int64_t rows;
    std::int64_t bytes;
};

void PrintTo(const Transactions& transactions, std::ostream* out) { *out << transactions.name; }

std::string ReadBack(const std::string& path) {
    sqlite3* handle = nullptr;
    sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(handle,
                       "SELECT count(*) || ' ' || total(length(data)) || ' ' || "
                       "(SELECT integrity_check FROM pragma_integrity_check) FROM kept",
                       -1, &query, nullptr);
    std::string result = sqlite3_step(query) == SQLITE_ROW
                             ? reinterpret_cast<const char*>(sqlite3_column_text(query, 0))
                             : sqlite3_errmsg(handle);
    sqlite3_finalize(query);
    sqlite3_close_v2(handle);
    return result;
}

class WalBatching : public ::testing::TestWithParam<Transactions> {};

TEST_P(WalBatching, EveryCommitIsInTheFilesWhenItReturns) {
    const fs::path folder = fs::temp_directory_path() / ("kelvane-wal-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "copy");
    const std::string path = (folder / "kept.sqlite3").string();
    {
        SqliteDatabase writer(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        writer.Execute(
            "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = "
            "0; CREATE TABLE kept (data BLOB)");
        writer.Execute(GetParam().sql);
        for (const char* file : {"kept.sqlite3", "kept.sqlite3-wal"}) {
            fs::copy_file(folder / file, folder / "copy" / file);
        }
        const std::string expected =
            std::to_string(GetParam().rows) + " " + std::to_string(GetParam().bytes) + ".0 ok";
        EXPECT_EQ(ReadBack(path), expected) << "read by another connection";
        EXPECT_EQ(ReadBack((folder / "copy" / "kept.sqlite3").string()), expected)
            << "read from the files a kill leaves";
    }
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, WalBatching,
    ::testing::Values(
        Transactions{"one_small_row", "INSERT INTO kept VALUES (x'2a')", 1, 1},
        Transactions{"a_row_over_many_pages", "INSERT INTO kept VALUES (zeroblob(30000))", 1,
                     30000},
        Transactions{"commits_one_after_another",
                     "INSERT INTO kept VALUES (randomblob(5000)); INSERT INTO kept VALUES "
                     "(randomblob(70000)); DELETE FROM kept WHERE length(data) = 5000; INSERT "
                     "INTO kept VALUES (randomblob(10))",
                     2, 70010},
        Transactions{"more_than_is_held_at_once",
                     "BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                     "WHERE i < 400) INSERT INTO kept SELECT randomblob(9000) FROM n; COMMIT",
                     400, 3600000},
        Transactions{"pages_read_back_before_the_commit",
                     "PRAGMA cache_size = 2; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                     "SELECT i + 1 FROM n WHERE i < 300) INSERT INTO kept SELECT randomblob(700) "
                     "FROM n; UPDATE kept SET data = randomblob(800); COMMIT",
                     300, 240000},
        Transactions{"a_rolled_back_transaction_then_a_commit",
                     "BEGIN; INSERT INTO kept VALUES (randomblob(200000)); ROLLBACK; INSERT INTO "
                     "kept VALUES (randomblob(3))",
                     1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvane
