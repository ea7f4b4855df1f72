#include "SqliteRollLog.h"

#include <string>

namespace kelvane {

namespace {

constexpr const char* kColumns =
    "SELECT id, rolled_at, character, label, notation, dice, total, standing, standing_spread, "
    "approximate, share_state, share_refusal FROM roll_log";

// A filter's WHERE clause from fixed fragments; its texts are bound by Bind, never pasted in.
std::string WhereOf(const RollLogFilter& filter, bool before) {
    std::string where = " WHERE 1";
    if (filter.character) {
        where += " AND character = ?";
    }
    if (filter.since) {
        where += " AND rolled_at >= ?";
    }
    if (!filter.search.empty()) {
        where += " AND (label LIKE ? ESCAPE '\\' OR notation LIKE ? ESCAPE '\\')";
    }
    if (before) {
        where += " AND id < ?";
    }
    return where;
}

// Binds the filter's values in WhereOf's order and returns the next parameter's index.
int Bind(SqliteStatement& statement, const RollLogFilter& filter) {
    int index = 1;
    if (filter.character) {
        statement.Bind(index++, *filter.character);
    }
    if (filter.since) {
        statement.Bind(index++, *filter.since);
    }
    if (!filter.search.empty()) {
        std::string pattern = "%";
        for (const char c : filter.search) {
            if (c == '%' || c == '_' || c == '\\') {
                pattern += '\\';
            }
            pattern += c;
        }
        pattern += '%';
        statement.Bind(index++, pattern);
        statement.Bind(index++, pattern);
    }
    return index;
}

LoggedRoll RowOf(const SqliteStatement& row) {
    LoggedRoll roll;
    roll.id = row.Integer(0);
    roll.rolledAt = row.Integer(1);
    roll.character = row.Text(2);
    roll.label = row.Text(3);
    roll.notation = row.Text(4);
    roll.dice = row.Text(5);
    roll.total = row.Integer(6);
    if (!row.IsNull(7)) {
        roll.standing = row.Real(7);
        roll.spread = row.Real(8);
    }
    roll.approximate = row.Integer(9) != 0;
    roll.share = static_cast<ShareState>(row.Integer(10));
    roll.shareRefusal = row.Text(11);
    return roll;
}

}  // namespace

SqliteRollLog::SqliteRollLog(SqliteDatabase& database) : database_(database) {
    // With write-ahead logging a commit has written its pages to the -wal file before it
    // returns; synchronous = NORMAL leaves out only the fsync that guards against a power cut
    // or a crash of the system. A killed process leaves its written pages with the operating
    // system, and the next connection replays them from the -wal file, so every committed roll
    // outlives a kill -9, at a few microseconds a roll instead of a disk flush.
    database_.Execute("PRAGMA synchronous = NORMAL");
    insert_ = std::make_unique<SqliteStatement>(
        database_,
        "INSERT INTO roll_log (rolled_at, character, label, notation, dice, total) "
        "VALUES (?, ?, ?, ?, ?, ?)");
    setStanding_ = std::make_unique<SqliteStatement>(
        database_,
        "UPDATE roll_log SET standing = ?, standing_spread = ?, approximate = ? WHERE id = ?");
    setShareState_ = std::make_unique<SqliteStatement>(
        database_, "UPDATE roll_log SET share_state = ?, share_refusal = ? WHERE id = ?");
}

SqliteRollLog::~SqliteRollLog() = default;

std::int64_t SqliteRollLog::Add(const LoggedRoll& roll) {
    // One statement outside a transaction is committed on its own.
    insert_->Bind(1, roll.rolledAt)
        .Bind(2, roll.character)
        .Bind(3, roll.label)
        .Bind(4, roll.notation)
        .Bind(5, roll.dice)
        .Bind(6, roll.total);
    insert_->Run();
    return database_.LastInsertRowId();
}

void SqliteRollLog::SetStanding(std::int64_t id, double standing, double spread, bool approximate) {
    setStanding_->Bind(1, standing)
        .Bind(2, spread)
        .Bind(3, std::int64_t{approximate ? 1 : 0})
        .Bind(4, id);
    setStanding_->Run();
}

void SqliteRollLog::SetShareState(std::int64_t id, ShareState state, const std::string& refusal) {
    setShareState_->Bind(1, static_cast<std::int64_t>(state)).Bind(2, refusal).Bind(3, id);
    setShareState_->Run();
}

std::vector<LoggedRoll> SqliteRollLog::Page(const RollLogFilter& filter,
                                            std::optional<std::int64_t> before, std::size_t limit) {
    SqliteStatement query(database_, std::string(kColumns) + WhereOf(filter, before.has_value()) +
                                         " ORDER BY id DESC LIMIT ?");
    int next = Bind(query, filter);
    if (before) {
        query.Bind(next++, *before);
    }
    query.Bind(next, static_cast<std::int64_t>(limit));
    std::vector<LoggedRoll> rows;
    rows.reserve(limit);
    while (query.Step()) {
        rows.push_back(RowOf(query));
    }
    return rows;
}

RollLogSums SqliteRollLog::Sums(const RollLogFilter& filter) {
    // One pass: a NULL tenth gathers the rows without a standing.
    SqliteStatement query(database_,
                          "SELECT MIN(9, MAX(0, CAST(standing * 10 AS INTEGER))) AS tenth, "
                          "COUNT(*), TOTAL(standing), TOTAL(standing_spread) FROM roll_log" +
                              WhereOf(filter, false) + " GROUP BY tenth");
    Bind(query, filter);
    RollLogSums sums;
    while (query.Step()) {
        const std::int64_t count = query.Integer(1);
        if (query.IsNull(0)) {
            sums.withoutStanding += count;
            continue;
        }
        sums.tenths[static_cast<std::size_t>(query.Integer(0))] += count;
        sums.withStanding += count;
        sums.standings += query.Real(2);
        sums.spreads += query.Real(3);
    }
    return sums;
}

void SqliteRollLog::ForEach(const RollLogFilter& filter,
                            const std::function<void(const LoggedRoll&)>& visit) {
    SqliteStatement query(database_,
                          std::string(kColumns) + WhereOf(filter, false) + " ORDER BY id DESC");
    Bind(query, filter);
    while (query.Step()) {
        visit(RowOf(query));
    }
}

std::vector<std::string> SqliteRollLog::Characters() {
    SqliteStatement query(database_, "SELECT DISTINCT character FROM roll_log ORDER BY character");
    std::vector<std::string> names;
    while (query.Step()) {
        names.push_back(query.Text(0));
    }
    return names;
}

void SqliteRollLog::Remove(std::span<const std::int64_t> ids) {
    SqliteTransaction transaction(database_);
    SqliteStatement remove(database_, "DELETE FROM roll_log WHERE id = ?");
    for (const std::int64_t id : ids) {
        remove.Bind(1, id);
        remove.Run();
    }
    transaction.Commit();
}

void SqliteRollLog::Clear() { database_.Execute("DELETE FROM roll_log"); }

std::string SqliteRollLog::WindowPlace() {
    SqliteStatement query(database_, "SELECT value FROM setting WHERE key = 'log_window_place'");
    return query.Step() ? query.Text(0) : std::string();
}

void SqliteRollLog::SetWindowPlace(const std::string& place) {
    SqliteStatement save(database_,
                         "INSERT OR REPLACE INTO setting (key, value) VALUES "
                         "('log_window_place', ?)");
    save.Bind(1, place);
    save.Run();
}

}  // namespace kelvane
