#include "platform/storage/KelvaneDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "platform/storage/Schema.h"
#include "platform/storage/SqliteRollBook.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Whether a copy holds the file's pages, whose 100-byte header SQLite may count up in a copy.
bool SamePages(const std::string& copy, const std::string& file) {
    return copy == file || (copy.size() == file.size() && copy.size() > 100 &&
                            copy.compare(100, std::string::npos, file, 100) == 0);
}

class StorageFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / ("kelvane-storage-" + std::to_string(getpid())) /
                  (std::string(test->name()) + "-" + std::to_string(counter_++));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all);
        fs::remove_all(folder_.parent_path());
    }
    [[nodiscard]] std::string Path() const { return (folder_ / "kelvane.sqlite3").string(); }

    fs::path folder_;
    static inline int counter_ = 0;
};

// A file already in place when Kelvane starts, and whether opening it must move it aside.
struct StartingFile {
    const char* name;
    std::optional<std::string> (*contents)();  // none: no file yet
    bool moved_aside;
};

void PrintTo(const StartingFile& file, std::ostream* out) { *out << file.name; }

// A real book whose second page, the first of its tables, is overwritten with nonsense.
std::optional<std::string> DamagedPage() {
    const auto path = fs::temp_directory_path() / ("kelvane-page-" + std::to_string(getpid()));
    {
        KelvaneDatabase database(path.string());
        SqliteRollBook book(database.Connection());
        book.AddRoll(book.AddCharacter("Player").value(), "Longsword", "d20+5");
    }
    std::string file = Contents(path);
    fs::remove(path);
    file.replace(4096, 4096, std::string(4096, '\x5a'));
    return file;
}

class OpeningFile : public StorageFolder, public ::testing::WithParamInterface<StartingFile> {};

TEST_P(OpeningFile, EndsAtTheNewestSchemaAndKeepsADamagedFile) {
    const auto contents = GetParam().contents();
    if (contents) {
        std::ofstream(Path(), std::ios::binary) << *contents;
    }
    KelvaneDatabase database(Path());

    EXPECT_EQ(database.OpenedState(), GetParam().moved_aside
                                          ? KelvaneDatabase::State::kStartedAfresh
                                          : KelvaneDatabase::State::kSaved);
    EXPECT_EQ(database.Connection().QueryInteger("PRAGMA user_version"),
              static_cast<std::int64_t>(SchemaSteps().size()));
    EXPECT_EQ(database.Connection().QueryInteger("PRAGMA foreign_keys"), 1);
    EXPECT_EQ(database.Connection().QueryInteger("PRAGMA synchronous"), 1) << "NORMAL";
    EXPECT_EQ(database.Connection().QueryInteger("PRAGMA secure_delete"), 2) << "FAST";
    SqliteStatement mode(database.Connection(), "PRAGMA journal_mode");
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.Text(0), "wal");
    if (GetParam().moved_aside) {
        const fs::path aside = database.MovedAsideTo();
        EXPECT_EQ(aside.parent_path(), folder_);
        EXPECT_EQ(aside.filename().string().rfind("kelvane.damaged-", 0), 0U) << aside;
        EXPECT_EQ(aside.extension(), ".sqlite3");
        EXPECT_TRUE(SamePages(Contents(aside), *contents));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpeningFile,
    ::testing::Values(
        StartingFile{"none", [] { return std::optional<std::string>(); }, false},
        StartingFile{"empty", [] { return std::optional<std::string>(""); }, false},
        StartingFile{"text", [] { return std::optional<std::string>("Longsword d20+5\n"); }, true},
        StartingFile{"zeros", [] { return std::optional(std::string(8192, '\0')); }, true},
        StartingFile{"damaged_header",
                     [] {
                         return std::optional(std::string("SQLite format 3") + '\0' +
                                              std::string(8176, '\x5a'));
                     },
                     true},
        StartingFile{"damaged_page", DamagedPage, true}),
    [](const auto& info) { return std::string(info.param.name); });

using Storage = StorageFolder;

TEST_F(Storage, TwoConnectionsSeeEachOthersChanges) {
    KelvaneDatabase first(Path());
    KelvaneDatabase second(Path());
    SqliteRollBook first_book(first.Connection());
    SqliteRollBook second_book(second.Connection());

    const auto player = first_book.AddCharacter("Player").value();
    second_book.AddRoll(player, "Longsword", "d20+5");
    first_book.AddRoll(player, "Damage", "1d8+3");

    const auto rolls = second_book.Rolls(player);
    ASSERT_EQ(rolls.size(), 2U);
    EXPECT_EQ(rolls[0].name, "Longsword");
    EXPECT_EQ(rolls[1].notation, "1d8+3");
    EXPECT_FALSE(second_book.AddCharacter("Player")) << "the name is taken in the other window";

    // A transaction too large for the page cache rewrites its pages in the log; the one-page
    // commit after it is whole in the files when the other connection reads them.
    first.Connection().Execute(
        "PRAGMA cache_size = 10; CREATE TABLE filler (id INTEGER PRIMARY KEY, data BLOB); BEGIN; "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
        "INSERT INTO filler (data) SELECT randomblob(300) FROM n; "
        "UPDATE filler SET data = randomblob(310); COMMIT; "
        "UPDATE filler SET data = 'renamed' WHERE id = 2000");
    SqliteStatement read(
        second.Connection(),
        "SELECT (SELECT group_concat(integrity_check) FROM pragma_integrity_check), "
        "data FROM filler WHERE id = 2000");
    ASSERT_TRUE(read.Step());
    EXPECT_EQ(read.Text(0), "ok");
    EXPECT_EQ(read.Text(1), "renamed");
}

// The writing connection leaves checkpoints to a thread of its own: its commits never copy the
// log into the file, and yet the file takes in the log's pages soon after a long run of commits.
TEST_F(Storage, TheLogIsCopiedIntoTheFileOffTheWritingThread) {
    KelvaneDatabase database(Path());
    auto& connection = database.Connection();
    EXPECT_EQ(connection.QueryInteger("PRAGMA wal_autocheckpoint"), 0);
    connection.Execute("CREATE TABLE filler (page BLOB)");
    const auto before = fs::file_size(Path());
    for (int commit = 0; commit < 1200; ++commit) {
        connection.Execute("INSERT INTO filler VALUES (randomblob(3000))");
    }
    for (int wait = 0; wait < 100 && fs::file_size(Path()) < before + 2'000'000; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_GE(fs::file_size(Path()), before + 2'000'000);
}

// Another Kelvane's write lock holds a write here up only briefly: it fails with SQLITE_BUSY,
// and so does starting afresh, which changes nothing.
TEST_F(Storage, AWriteMeetingAnotherKelvanesLockFailsSoon) {
    KelvaneDatabase first(Path());
    KelvaneDatabase second(Path());
    const SqliteTransaction held(first.Connection());
    const auto codeOf = [](const auto& write) {
        try {
            write();
        } catch (const StorageError& error) {
            return error.Code();
        }
        return SQLITE_OK;
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(codeOf([&] { SqliteRollBook(second.Connection()).AddCharacter("Player"); }),
              SQLITE_BUSY);
    EXPECT_EQ(codeOf([&] { second.StartAfresh(); }), SQLITE_BUSY);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(second.OpenedState(), KelvaneDatabase::State::kSaved);
    EXPECT_TRUE(second.MovedAsideTo().empty());
}

TEST_F(Storage, AFullDiskChangesNothing) {
    KelvaneDatabase database(Path());
    SqliteRollBook book(database.Connection());
    const auto player = book.AddCharacter("Player").value();
    book.AddRoll(player, "Longsword", "d20+5");
    database.Connection().Execute("PRAGMA max_page_count = 8");

    CharacterRolls huge{"Player", {}};
    for (int row = 0; row < 2000; ++row) {
        huge.rolls.push_back({"Roll " + std::to_string(row), "d20+" + std::to_string(row)});
    }
    try {
        book.Import({huge});
        FAIL() << "the import fitted";
    } catch (const StorageError& error) {
        EXPECT_EQ(error.Code(), SQLITE_FULL);
    }
    ASSERT_EQ(book.Rolls(player).size(), 1U);
    EXPECT_EQ(book.Rolls(player)[0].name, "Longsword");
}

// A book grown over many pages whose damage lies in one page that opening does not read: the
// whole-file check finds it, and the book starts afresh in place, keeping the damaged file.
struct LaterDamage {
    const char* name;
    int page_from_end;  // the damaged page, counted from the file's last (1)
    char filler;
};

void PrintTo(const LaterDamage& damage, std::ostream* out) { *out << damage.name; }

class DamageFoundLater : public StorageFolder, public ::testing::WithParamInterface<LaterDamage> {};

TEST_P(DamageFoundLater, IsFoundByTheCheckAndStartsAfreshInPlace) {
    std::int64_t player = 0;
    {
        KelvaneDatabase database(Path());
        SqliteRollBook book(database.Connection());
        player = book.AddCharacter("Player").value();
        for (int row = 0; row < 3000; ++row) {
            book.AddRoll(player, "Longsword " + std::to_string(row) + std::string(40, 'x'),
                         "d20+5");
        }
    }
    std::string file = Contents(Path());
    constexpr std::size_t kPage = 4096;
    const std::size_t page =
        file.size() / kPage - static_cast<std::size_t>(GetParam().page_from_end);
    file.replace(page * kPage, kPage, std::string(kPage, GetParam().filler));
    std::ofstream(Path(), std::ios::binary | std::ios::trunc) << file;
    ASSERT_TRUE(KelvaneDatabase::CheckFile((folder_ / "none.sqlite3").string()))
        << "a missing file is for opening to report";

    KelvaneDatabase database(Path());
    ASSERT_EQ(database.OpenedState(), KelvaneDatabase::State::kSaved) << "found at open";
    ASSERT_EQ(database.FileToCheck(), Path());
    EXPECT_FALSE(KelvaneDatabase::CheckFile(Path()));
    int damageReports = 0;
    database.Connection().OnDamage([&damageReports] { ++damageReports; });
    SqliteRollBook book(database.Connection());
    EXPECT_THROW(static_cast<void>(book.Export()), StorageError);
    EXPECT_EQ(damageReports, 1);

    database.StartAfresh();

    EXPECT_EQ(database.OpenedState(), KelvaneDatabase::State::kStartedAfresh);
    EXPECT_TRUE(SamePages(Contents(database.MovedAsideTo()), file));
    EXPECT_TRUE(KelvaneDatabase::CheckFile(Path()));
    EXPECT_TRUE(book.Characters().empty());
    const auto fresh = book.AddCharacter("Player").value();
    book.AddRoll(fresh, "Longsword", "d20+5");
    SqliteStatement mode(database.Connection(), "PRAGMA journal_mode");
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.Text(0), "wal");
    KelvaneDatabase reopened(Path());
    EXPECT_EQ(reopened.OpenedState(), KelvaneDatabase::State::kSaved);
    EXPECT_EQ(SqliteRollBook(reopened.Connection()).Rolls(fresh).at(0).name, "Longsword");
    EXPECT_EQ(damageReports, 1);
}

INSTANTIATE_TEST_SUITE_P(Pages, DamageFoundLater,
                         ::testing::Values(LaterDamage{"last_page_nonsense", 1, '\x5a'},
                                           LaterDamage{"last_page_zeros", 1, '\0'},
                                           LaterDamage{"second_last_page_nonsense", 2, '\x5a'}),
                         [](const auto& info) { return std::string(info.param.name); });

// Two Kelvanes on one file, the second finding it damaged: at open, in a table that opening
// reads, or later, in a page that only the whole-file check reads. Nothing is renamed under the
// first, which goes on with the same fresh database as the second, and the copy aside holds the
// character the first had added.
class DamageUnderAnotherKelvane : public StorageFolder,
                                  public ::testing::WithParamInterface<bool> {};

TEST_P(DamageUnderAnotherKelvane, LeavesBothOnOneFreshDatabase) {
    const bool atOpen = GetParam();
    std::int64_t damagedPage = 0;
    {
        KelvaneDatabase database(Path());
        database.Connection().Execute(
            "INSERT INTO book_character (name) VALUES ('Player'); WITH RECURSIVE n(i) AS (SELECT "
            "1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) INSERT INTO saved_roll (character_id, "
            "position, name, notation) SELECT 1, i, printf('Longsword %040d', i), 'd20+5' FROM n");
        damagedPage = atOpen ? database.Connection().QueryInteger(
                                   "SELECT rootpage FROM sqlite_schema WHERE name = 'setting'")
                             : database.Connection().QueryInteger("PRAGMA page_count");
    }
    KelvaneDatabase first(Path());
    SqliteRollBook firstBook(first.Connection());
    ASSERT_TRUE(firstBook.AddCharacter("Before"));
    {
        std::fstream file(Path(), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp((damagedPage - 1) * 4096);
        file << std::string(4096, '\x5a');
    }

    KelvaneDatabase second(Path());
    if (!atOpen) {
        ASSERT_EQ(second.OpenedState(), KelvaneDatabase::State::kSaved);
        second.StartAfresh();
    }
    ASSERT_EQ(second.OpenedState(), KelvaneDatabase::State::kStartedAfresh);
    ASSERT_TRUE(firstBook.AddCharacter("After"));

    const auto characters = SqliteRollBook(second.Connection()).Characters();
    ASSERT_EQ(characters.size(), 1U);
    EXPECT_EQ(characters[0].name, "After");
    EXPECT_TRUE(KelvaneDatabase::CheckFile(Path()));
    SqliteDatabase aside(second.MovedAsideTo(), SQLITE_OPEN_READONLY);
    EXPECT_EQ(aside.QueryInteger("SELECT count(*) FROM book_character WHERE name = 'Before'"), 1);
}

INSTANTIATE_TEST_SUITE_P(Found, DamageUnderAnotherKelvane, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "at_open" : "later"; });

#ifndef _WIN32
// The file cannot be written: what was saved shows, and every change is refused whole. Another
// Kelvane still open on it has its last roll only in the -wal, which shows too.
class ReadOnlyFile : public StorageFolder, public ::testing::WithParamInterface<bool> {};

TEST_P(ReadOnlyFile, ShowsTheBookAndRefusesChanges) {
    const bool writerOpen = GetParam();
    {
        KelvaneDatabase database(Path());
        SqliteRollBook book(database.Connection());
        book.AddRoll(book.AddCharacter("Player").value(), "Longsword", "d20+5");
    }
    std::optional<KelvaneDatabase> writer;
    if (writerOpen) {
        writer.emplace(Path());
        SqliteRollBook book(writer->Connection());
        book.AddRoll(book.Characters().at(0).id, "Damage", "1d8+3");
        ASSERT_EQ(Contents(Path()).find("Damage"), std::string::npos) << "already checkpointed";
    }
    using fs::perms;
    const auto readable = perms::owner_read | perms::group_read | perms::others_read;
    fs::permissions(Path(), readable);
    fs::permissions(folder_, readable | perms::owner_exec | perms::group_exec | perms::others_exec);
    // Root writes anywhere: the test acts as another user while it opens the file.
    struct Unprivileged {
        const bool root = geteuid() == 0;
        Unprivileged() { EXPECT_TRUE(!root || seteuid(65534) == 0); }
        ~Unprivileged() { EXPECT_TRUE(!root || seteuid(0) == 0); }
    };
    {
        const Unprivileged unprivileged;
        KelvaneDatabase database(Path());
        SqliteRollBook book(database.Connection());
        EXPECT_EQ(database.OpenedState(), KelvaneDatabase::State::kCannotSave);
        const auto characters = book.Characters();
        ASSERT_EQ(characters.size(), 1U);
        const auto rolls = book.Rolls(characters[0].id);
        ASSERT_EQ(rolls.size(), writerOpen ? 2U : 1U);
        EXPECT_EQ(rolls.back().notation, writerOpen ? "1d8+3" : "d20+5");
        EXPECT_THROW(book.AddRoll(characters[0].id, "Spell", "8d6"), StorageError);
        EXPECT_EQ(book.Rolls(characters[0].id).size(), rolls.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Writer, ReadOnlyFile, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "another_open" : "closed"; });
#endif

}  // namespace
}  // namespace kelvane
