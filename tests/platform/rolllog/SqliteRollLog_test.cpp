#include "platform/rolllog/SqliteRollLog.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/storage/KelvaneDatabase.h"
#include "platform/storage/Schema.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

LoggedRoll Roll(std::int64_t at, std::string character, std::string label, std::string notation,
                std::int64_t total) {
    LoggedRoll roll;
    roll.rolledAt = at;
    roll.character = std::move(character);
    roll.label = std::move(label);
    roll.notation = std::move(notation);
    roll.dice = "[" + std::to_string(total) + "]";
    roll.total = total;
    return roll;
}

class RollLogFile : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("kelvane-log-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    [[nodiscard]] std::string Path() const { return (folder_ / "kelvane.sqlite3").string(); }

    // Five rolls at times 100 to 500, ids 1 to 5; the first four with standings, all but the
    // third with outcomes.
    static void FillNight(RollLog& log) {
        std::vector<LoggedRoll> night = {
            Roll(100, "Aria", "Longsword", "d20+5", 22), Roll(200, "Aria", "", "1d8+3", 4),
            Roll(300, "Brom", "50%_off", "3d6", 11), Roll(400, "Brom", "Sneak attack", "3d6", 3),
            Roll(500, "", "", "d4", 2)};
        night[0].outcome = {"success", "", 2, "hits"};
        night[1].outcome = {"", "Weak hit", {}, ""};
        night[3].outcome = {"hard_success", "", {}, ""};
        night[4].outcome = {"partial", "", {}, ""};
        const double standings[] = {0.975, 0.0625, 0.5, 0.00231};
        for (std::size_t i = 0; i < night.size(); ++i) {
            const std::int64_t id = log.Add(night[i]);
            if (i < 4) {
                log.SetStanding(id, standings[i], 0.08, i == 2);
            }
        }
    }

    fs::path folder_;
};

struct FilterCase {
    const char* name;
    RollLogFilter filter;
    std::vector<std::int64_t> ids;  // newest first
    std::int64_t withStanding;
    std::int64_t withoutStanding;
};

void PrintTo(const FilterCase& c, std::ostream* out) { *out << c.name; }

class FilterTest : public RollLogFile, public testing::WithParamInterface<FilterCase> {};

TEST_P(FilterTest, ShowsItsRowsAndSumsThem) {
    KelvaneDatabase database(Path());
    SqliteRollLog log(database.Connection());
    FillNight(log);
    const FilterCase& c = GetParam();
    std::vector<std::int64_t> paged;
    std::optional<std::int64_t> before;
    for (auto page = log.Page(c.filter, before, 2); !page.empty();
         page = log.Page(c.filter, before, 2)) {
        for (const LoggedRoll& roll : page) {
            paged.push_back(roll.id);
        }
        before = page.back().id;
    }
    EXPECT_EQ(paged, c.ids);
    std::vector<std::int64_t> visited;
    log.ForEach(c.filter, [&](const LoggedRoll& roll) { visited.push_back(roll.id); });
    EXPECT_EQ(visited, c.ids);
    const RollLogSums sums = log.Sums(c.filter);
    EXPECT_EQ(sums.withStanding, c.withStanding);
    EXPECT_EQ(sums.withoutStanding, c.withoutStanding);
    if (const auto elsewhere = log.SumsElsewhere(c.filter)) {
        const RollLogSums summedElsewhere = elsewhere();
        EXPECT_EQ(summedElsewhere.tenths, sums.tenths);
        EXPECT_EQ(summedElsewhere.withoutStanding, c.withoutStanding);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SqliteRollLog, FilterTest,
    testing::Values(
        FilterCase{"all", {}, {5, 4, 3, 2, 1}, 4, 1},
        FilterCase{"character", {"Brom", {}, ""}, {4, 3}, 2, 0},
        FilterCase{"no_character", {"", {}, ""}, {5}, 0, 1},
        FilterCase{"since", {{}, 300, ""}, {5, 4, 3}, 2, 1},
        FilterCase{"search_label_any_case", {{}, {}, "longSWORD"}, {1}, 1, 0},
        FilterCase{"search_notation", {{}, {}, "3d6"}, {4, 3}, 2, 0},
        FilterCase{"search_wildcards_literal", {{}, {}, "0%_"}, {3}, 1, 0},
        FilterCase{"search_percent_alone", {{}, {}, "%"}, {3}, 1, 0},
        FilterCase{"all_three", {"Aria", 150, "d8"}, {2}, 1, 0},
        FilterCase{"indexed_search_and_character", {"Brom", {}, "ATTACK"}, {4}, 1, 0},
        FilterCase{"indexed_search_and_since", {{}, 350, "3d6"}, {4}, 1, 0},
        FilterCase{"indexed_search_of_a_quote", {{}, {}, "ck\""}, {}, 0, 0},
        FilterCase{"indexed_search_of_an_operator", {{}, {}, "NOT"}, {}, 0, 0},
        FilterCase{"indexed_search_across_columns", {{}, {}, "ord3"}, {}, 0, 0},
        FilterCase{"indexed_search_of_a_band", {{}, {}, "WEAK"}, {2}, 1, 0},
        FilterCase{"search_of_a_band", {{}, {}, "we"}, {2}, 1, 0},
        // "Teilerfolg" in German names the partial outcome.
        FilterCase{"indexed_search_of_an_outcome", {{}, {}, "teil", {"partial"}}, {5}, 0, 1},
        FilterCase{"search_of_outcomes", {{}, {}, "te", {"partial", "hard_success"}}, {5, 4}, 1, 1},
        // An id is found whole, and the search's text is not looked for in ids.
        FilterCase{"indexed_search_of_a_whole_id", {{}, {}, "success", {"success"}}, {1}, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollLogFile, KeepsStandingsByTenthAndRemovesRows) {
    KelvaneDatabase database(Path());
    SqliteRollLog log(database.Connection());
    FillNight(log);
    RollLogSums sums = log.Sums({});
    EXPECT_DOUBLE_EQ(sums.standings, 0.975 + 0.0625 + 0.5 + 0.00231);
    EXPECT_DOUBLE_EQ(sums.spreads, 4 * 0.08);
    const std::array<std::int64_t, 10> tenths = {2, 0, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_EQ(sums.tenths, tenths);
    EXPECT_TRUE(log.Page({}, std::nullopt, 5)[2].approximate);

    const std::int64_t removed[] = {2, 4};
    log.Remove(removed);
    EXPECT_EQ(log.Page({}, std::nullopt, 10).size(), 3U);
    EXPECT_EQ(log.Characters(), (std::vector<std::string>{"", "Aria", "Brom"}));
    sums = log.Sums({});
    EXPECT_EQ(sums.tenths, (std::array<std::int64_t, 10>{0, 0, 0, 0, 0, 1, 0, 0, 0, 1}));
    EXPECT_DOUBLE_EQ(sums.standings, 0.975 + 0.5);
    EXPECT_EQ(log.Page({{}, {}, "Sneak"}, std::nullopt, 10).size(), 0U);
    // A standing worked out again moves its row to its new tenth.
    log.SetStanding(3, 0.25, 0.04, false);
    sums = log.Sums({"Brom", {}, ""});
    EXPECT_EQ(sums.tenths, (std::array<std::int64_t, 10>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(sums.spreads, 0.04);
    log.Clear();
    EXPECT_TRUE(log.Page({}, std::nullopt, 10).empty());
    EXPECT_TRUE(log.Characters().empty());
    EXPECT_EQ(log.Sums({}).withoutStanding, 0);
    EXPECT_TRUE(log.Page({{}, {}, "d20"}, std::nullopt, 10).empty());
}

// A long roll's dice are kept apart from its row: they come back whole and go with the row,
// and the standing and share state, set after the roll, rewrite a few pages instead of them.
TEST_F(RollLogFile, ALongRollsDiceComeBackWholeAndStayOutOfItsLaterWrites) {
    KelvaneDatabase database(Path());
    SqliteRollLog log(database.Connection());
    int framesInLog = 0;
    sqlite3_wal_hook(
        database.Connection().Handle(),
        [](void* frames, sqlite3* /*handle*/, const char* /*name*/, int pages) {
            *static_cast<int*>(frames) = pages;
            return SQLITE_OK;
        },
        &framesInLog);
    LoggedRoll horde = Roll(100, "Aria", "Horde", "10000d6", 35000);
    horde.dice = "[";
    for (int die = 1; die < 10000; ++die) {
        horde.dice += "4, ";
    }
    horde.dice += "4]";
    const std::int64_t id = log.Add(horde);
    log.Add(Roll(200, "Aria", "", "d20", 17));
    const int framesBefore = framesInLog;
    log.SetStanding(id, 0.5, 0.08, false);
    log.SetShareState(id, ShareState::kShared, "");
    // The row, its two indexes and the luck sums, twice over; the 30 KB of dice are 8 pages.
    EXPECT_LE(framesInLog - framesBefore, 10);
    const std::vector<LoggedRoll> rows = log.Page({}, std::nullopt, 10);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].dice, "[17]");
    EXPECT_EQ(rows[1].dice, horde.dice);
    EXPECT_EQ(rows[1].share, ShareState::kShared);
    const std::int64_t both[] = {id, rows[0].id};
    log.Remove(both);
    EXPECT_EQ(database.Connection().QueryInteger("SELECT COUNT(*) FROM roll_log_dice"), 0);
}

TEST_F(RollLogFile, ALogKeptBeforeItsIndexesFindsAndWeighsItsRows) {
    {
        SqliteDatabase older(Path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        for (std::size_t step = 0; step < 3; ++step) {
            older.Execute(SchemaSteps()[step]);
        }
        older.Execute("PRAGMA user_version = 3");
        // Written as that version's Kelvane wrote it: the log of today expects newer columns.
        older.Execute(
            "INSERT INTO roll_log (rolled_at, character, label, notation, dice, total, standing, "
            "standing_spread, approximate) VALUES "
            "(100, 'Aria', 'Longsword', 'd20+5', '[22]', 22, 0.975, 0.08, 0), "
            "(200, 'Aria', '', '1d8+3', '[4]', 4, 0.0625, 0.08, 0), "
            "(300, 'Brom', '50%_off', '3d6', '[11]', 11, 0.5, 0.08, 1), "
            "(400, 'Brom', 'Sneak attack', '3d6', '[3]', 3, 0.00231, 0.08, 0), "
            "(500, '', '', 'd4', '[2]', 2, NULL, NULL, 0)");
    }
    KelvaneDatabase database(Path());
    SqliteRollLog log(database.Connection());
    const RollLogSums sums = log.Sums({"Aria", {}, ""});
    EXPECT_EQ(sums.tenths, (std::array<std::int64_t, 10>{1, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(log.Page({{}, {}, "sneak att"}, std::nullopt, 10).at(0).id, 4);
}

std::vector<std::int64_t> Found(RollLog& log, const char* search) {
    std::vector<std::int64_t> ids;
    for (const LoggedRoll& row : log.Page({{}, {}, search}, std::nullopt, 10)) {
        ids.push_back(row.id);
    }
    return ids;
}

void CheckSearchIndex(SqliteDatabase& database) {
    database.Execute("INSERT INTO roll_log_search (roll_log_search) VALUES ('integrity-check')");
}

// A new roll never takes the id of one removed, whose message may still wait to be shared, and
// is in the search index with its commit: a search only reads, even under another's write lock.
TEST_F(RollLogFile, ANewRollTakesAnIdNeverGivenAndIsFoundAtOnce) {
    KelvaneDatabase database(Path());
    SqliteRollLog log(database.Connection());
    for (int i = 1; i <= 3; ++i) {
        log.Add(Roll(i, "Aria", i == 3 ? "Fireball" : "", "d6", i));
    }
    const std::int64_t newest[] = {2, 3};
    log.Remove(newest);
    EXPECT_EQ(log.Add(Roll(4, "Aria", "Frost ray", "d8", 4)), 4);
    log.ClearElsewhere()();
    EXPECT_EQ(log.Add(Roll(5, "Brom", "Fireball", "d6", 1)), 5);
    EXPECT_EQ(log.Sums({}).withoutStanding, 1);
    KelvaneDatabase other(Path());
    other.Connection().Execute("BEGIN IMMEDIATE");
    sqlite3_busy_timeout(database.Connection().Handle(), 100);
    EXPECT_EQ(Found(log, "fireball"), (std::vector<std::int64_t>{5}));
    EXPECT_EQ(Found(log, "frost"), std::vector<std::int64_t>{});
    other.Connection().Execute("ROLLBACK");
    EXPECT_NO_THROW(CheckSearchIndex(database.Connection()));
}

// Clear empties the sums and the index in bulk: no trigger runs for each row.
TEST_F(RollLogFile, ClearRunsNoTriggerForEachRow) {
    KelvaneDatabase database(Path());
    SqliteRollLog log(database.Connection());
    {
        SqliteTransaction transaction(database.Connection());
        for (int i = 0; i < 500; ++i) {
            log.SetStanding(log.Add(Roll(i, i % 2 == 0 ? "Aria" : "Brom", "Hit", "d20", 5)), 0.2,
                            0.08, false);
        }
        transaction.Commit();
    }
    int triggersRun = 0;
    sqlite3_trace_v2(
        database.Connection().Handle(), SQLITE_TRACE_STMT,
        [](unsigned /*type*/, void* count, void* /*statement*/, void* sql) {
            // A trigger's program announces itself as a comment.
            *static_cast<int*>(count) +=
                std::string_view(static_cast<const char*>(sql)).starts_with("-- TRIGGER") ? 1 : 0;
            return 0;
        },
        &triggersRun);
    log.Clear();
    sqlite3_trace_v2(database.Connection().Handle(), 0, nullptr, nullptr);
    EXPECT_EQ(triggersRun, 0);
    EXPECT_TRUE(log.Characters().empty());
    EXPECT_NO_THROW(CheckSearchIndex(database.Connection()));
}

// A log of the step before keyed for good: every row keeps its id, the rows the search index
// had not yet taken in are found, and ids go on past the outbox's keys. Its rows have no
// outcomes, and the search index made again for outcomes finds them.
TEST_F(RollLogFile, ALogOfTheStepBeforeKeepsItsRowsAndGivesNewIds) {
    {
        SqliteDatabase older(Path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        for (std::size_t step = 0; step < 8; ++step) {
            older.Execute(SchemaSteps()[step]);
        }
        older.Execute(
            "PRAGMA user_version = 8; "
            "INSERT INTO roll_log (id, rolled_at, character, label, notation, dice, total, "
            "standing, standing_spread) VALUES "
            "(1, 100, 'Aria', 'Longsword', 'd20+5', '[22]', 22, 0.975, 0.08), "
            "(3, 300, 'Brom', 'Sneak attack', '3d6', '', 3, NULL, NULL); "
            "INSERT INTO roll_log_dice VALUES (3, '[1, 1, 1]'), (5, '[4]'); "
            "INSERT INTO table_outbox (roll_key, content) VALUES (7, 'Brom: 3d6')");
    }
    KelvaneDatabase database(Path());
    SqliteRollLog log(database.Connection());
    const auto rows = log.Page({}, std::nullopt, 10);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].id, 3);
    EXPECT_EQ(rows[0].dice, "[1, 1, 1]");
    EXPECT_EQ(rows[1].id, 1);
    EXPECT_EQ(log.Sums({"Aria", {}, ""}).withStanding, 1);
    EXPECT_EQ(Found(log, "sneak"), (std::vector<std::int64_t>{3}));
    EXPECT_FALSE(rows[0].outcome.has_value());
    EXPECT_FALSE(rows[1].outcome.has_value());
    EXPECT_EQ(log.Add(Roll(400, "Aria", "Fireball", "8d6", 28)), 8);
    EXPECT_EQ(Found(log, "fireball"), (std::vector<std::int64_t>{8}));
    EXPECT_EQ(database.Connection().QueryInteger("SELECT COUNT(*) FROM roll_log_dice"), 1);
    EXPECT_EQ(database.Connection().QueryInteger(
                  "SELECT COUNT(*) FROM pragma_integrity_check WHERE integrity_check <> 'ok'"),
              0);
    EXPECT_NO_THROW(CheckSearchIndex(database.Connection()));
}

TEST_F(RollLogFile, TwoConnectionsBothKeepEveryRoll) {
    KelvaneDatabase first(Path());
    KelvaneDatabase second(Path());
    SqliteRollLog one(first.Connection());
    SqliteRollLog other(second.Connection());
    for (int i = 0; i < 50; ++i) {
        one.Add(Roll(i, "one", "", "d6", 1));
        other.Add(Roll(i, "other", "", "d6", 2));
    }
    EXPECT_EQ(one.Sums({}).withoutStanding, 100);
    EXPECT_EQ(other.Sums({"one", {}, ""}).withoutStanding, 50);
}

TEST_F(RollLogFile, ARollWrittenIsThereForTheNextConnection) {
    std::string place;
    {
        KelvaneDatabase database(Path());
        SqliteRollLog log(database.Connection());
        LoggedRoll longsword = Roll(7, "Aria", "Longsword", "d20+5", 22);
        longsword.outcome = {"raise", "", 1, "raise"};
        log.Add(longsword);
        const std::int64_t refused = log.Add(Roll(8, "Aria", "", "d4", 3));
        log.SetShareState(refused, ShareState::kWaiting, "");
        log.SetShareState(refused, ShareState::kRefused, "Invalid Form Body: content");
        log.SetWindowPlace("AdnQywADAAA=");
    }
    KelvaneDatabase database(Path());
    SqliteRollLog log(database.Connection());
    const auto rows = log.Page({}, std::nullopt, 10);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1].label, "Longsword");
    EXPECT_EQ(rows[1].outcome, (LoggedOutcome{"raise", "", 1, "raise"}));
    EXPECT_FALSE(rows[0].outcome.has_value());
    EXPECT_EQ(rows[1].dice, "[22]");
    EXPECT_FALSE(rows[1].standing.has_value());
    EXPECT_EQ(rows[1].share, ShareState::kNotShared);
    EXPECT_EQ(rows[1].shareRefusal, "");
    EXPECT_EQ(rows[0].share, ShareState::kRefused);
    EXPECT_EQ(rows[0].shareRefusal, "Invalid Form Body: content");
    EXPECT_EQ(log.WindowPlace(), "AdnQywADAAA=");
}

TEST_F(RollLogFile, AFileThatCannotBeWrittenRefusesEveryRollAndStillReads) {
    {
        KelvaneDatabase created(Path());
        SqliteRollLog(created.Connection()).Add(Roll(1, "", "", "d6", 3));
    }
    SqliteDatabase readOnly(Path(), SQLITE_OPEN_READONLY);
    SqliteRollLog log(readOnly);
    EXPECT_THROW(log.Add(Roll(2, "", "", "d6", 4)), StorageError);
    EXPECT_EQ(log.Page({}, std::nullopt, 10).size(), 1U);
}

}  // namespace
}  // namespace kelvane
