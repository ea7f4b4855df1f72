#include "platform/rolllog/SqliteRollLog.h"

#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvane {

namespace {

// A row's dice, or those kept apart when the row's own are empty; the table apart is read only
// for such rows, which are few.
constexpr const char* kColumns =
    "SELECT roll_log.id, rolled_at, character, roll_log.label, roll_log.notation, "
    "CASE WHEN roll_log.dice <> '' THEN roll_log.dice ELSE IFNULL((SELECT roll_log_dice.dice "
    "FROM roll_log_dice WHERE roll_log_dice.roll_id = roll_log.id), '') END, total, "
    "standing, standing_spread, approximate, share_state, share_refusal, outcome_id, "
    "roll_log.outcome_name, outcome_count, outcome_count_word";

// Dice of this many bytes or more are kept apart from their row, which then fits a page.
constexpr std::size_t kDiceApartFrom = 1024;

// Shorter searches than a trigram read every row's texts instead of the search index.
constexpr std::size_t kIndexedSearchLength = 3;

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return count;
}

bool SearchesIndex(const RollLogFilter& filter) {
    return CharacterCount(filter.search) >= kIndexedSearchLength;
}

// The rows a filter reads from. A search long enough for the index walks the index's matches,
// newest first, and looks each row up; CROSS JOIN keeps the index as the outer loop.
std::string FromOf(const RollLogFilter& filter) {
    return SearchesIndex(filter)
               ? " FROM roll_log_search CROSS JOIN roll_log ON roll_log.id = roll_log_search.rowid"
               : " FROM roll_log";
}

// The row order and the key that pages run along: the index's own when it drives the query.
std::string KeyOf(const RollLogFilter& filter) {
    return SearchesIndex(filter) ? "roll_log_search.rowid" : "roll_log.id";
}

// A filter's WHERE clause from fixed fragments; its texts are bound by Bind, never pasted in.
std::string WhereOf(const RollLogFilter& filter, bool before) {
    std::string where = " WHERE 1";
    if (filter.character) {
        where += " AND character = ?";
    }
    if (filter.since) {
        where += " AND rolled_at >= ?";
    }
    if (SearchesIndex(filter)) {
        where += " AND roll_log_search MATCH ?";
    } else if (!filter.search.empty()) {
        where +=
            " AND (label LIKE ? ESCAPE '\\' OR notation LIKE ? ESCAPE '\\' OR outcome_name LIKE ? "
            "ESCAPE '\\'";
        for (std::size_t i = 0; i < filter.outcomeIds.size(); ++i) {
            where += i == 0 ? " OR outcome_id IN (?" : ", ?";
        }
        where += filter.outcomeIds.empty() ? ")" : "))";
    }
    if (before) {
        where += " AND " + KeyOf(filter) + " < ?";
    }
    return where;
}

// A text as one quoted phrase of the index's query language, which matches it anywhere in a
// column, in any case.
std::string PhraseOf(std::string_view text) {
    std::string phrase = "\"";
    for (const char c : text) {
        phrase += c;
        if (c == '"') {
            phrase += '"';
        }
    }
    return phrase + '"';
}

// The search in the index: the text in a label, a notation or a band's name, or one of the
// outcome ids whole, between the bars of outcome_key.
std::string MatchOf(const RollLogFilter& filter) {
    std::string match = "{label notation outcome_name} : " + PhraseOf(filter.search);
    for (const std::string& id : filter.outcomeIds) {
        match += " OR {outcome_key} : " + PhraseOf('|' + id + '|');
    }
    return match;
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
    if (SearchesIndex(filter)) {
        statement.Bind(index++, MatchOf(filter));
    } else if (!filter.search.empty()) {
        std::string pattern = "%";
        for (const char c : filter.search) {
            if (c == '%' || c == '_' || c == '\\') {
                pattern += '\\';
            }
            pattern += c;
        }
        pattern += '%';
        for (int column = 0; column < 3; ++column) {
            statement.Bind(index++, pattern);
        }
        for (const std::string& id : filter.outcomeIds) {
            statement.Bind(index++, id);
        }
    }
    return index;
}

template <typename T>
void BindOrNull(SqliteStatement& statement, int index, const std::optional<T>& value) {
    if (value) {
        statement.Bind(index, *value);
    } else {
        statement.Bind(index, std::nullopt);
    }
}

void AddToTenth(RollLogSums& sums, std::int64_t tenth, std::int64_t rolls, double standings,
                double spreads) {
    if (tenth < 0) {
        sums.withoutStanding += rolls;
        return;
    }
    sums.tenths[static_cast<std::size_t>(std::min<std::int64_t>(tenth, 9))] += rolls;
    sums.withStanding += rolls;
    sums.standings += standings;
    sums.spreads += spreads;
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
    if (!row.IsNull(12)) {
        roll.outcome = LoggedOutcome{
            .id = row.Text(12), .name = row.Text(13), .count = {}, .countWord = row.Text(15)};
        if (!row.IsNull(14)) {
            roll.outcome->count = row.Integer(14);
        }
    }
    return roll;
}

// Whether the table of sums by character and tenth holds a filter's sums.
bool SumsKept(const RollLogFilter& filter) { return !filter.since && filter.search.empty(); }

RollLogSums SumsFromTable(SqliteDatabase& database, const RollLogFilter& filter) {
    SqliteStatement query(
        database, filter.character ? "SELECT tenth, rolls, standings, spreads "
                                     "FROM roll_log_luck WHERE character = ?"
                                   : "SELECT tenth, rolls, standings, spreads FROM roll_log_luck");
    if (filter.character) {
        query.Bind(1, *filter.character);
    }
    RollLogSums sums;
    while (query.Step()) {
        AddToTenth(sums, query.Integer(0), query.Integer(1), query.Real(2), query.Real(3));
    }
    return sums;
}

// Counted here row by row: grouping in SQL would sort every row first.
RollLogSums SumsByRow(SqliteDatabase& database, const RollLogFilter& filter) {
    SqliteStatement query(
        database, "SELECT standing, standing_spread" + FromOf(filter) + WhereOf(filter, false));
    Bind(query, filter);
    RollLogSums sums;
    while (query.Step()) {
        if (query.IsNull(0)) {
            ++sums.withoutStanding;
            continue;
        }
        const double standing = query.Real(0);
        AddToTenth(sums, std::max<std::int64_t>(0, static_cast<std::int64_t>(standing * 10.0)), 1,
                   standing, query.Real(1));
    }
    return sums;
}

// Empties the log in one transaction. The rows' triggers would undo the sums and the index one
// row at a time: they go for the statement, whose DELETE without them empties the table whole,
// and come back unchanged.
void ClearAll(SqliteDatabase& database) {
    SqliteTransaction transaction(database);
    std::vector<std::pair<std::string, std::string>> triggers;
    {
        SqliteStatement read(database,
                             "SELECT name, sql FROM sqlite_schema "
                             "WHERE type = 'trigger' AND tbl_name = 'roll_log'");
        while (read.Step()) {
            triggers.emplace_back(read.Text(0), read.Text(1));
        }
    }
    for (const auto& [name, sql] : triggers) {
        database.Execute(("DROP TRIGGER \"" + name + '"').c_str());
    }
    database.Execute(
        "DELETE FROM roll_log_luck; DELETE FROM roll_log_dice; "
        "INSERT INTO roll_log_search (roll_log_search) VALUES ('delete-all'); "
        "DELETE FROM roll_log");
    for (const auto& [name, sql] : triggers) {
        database.Execute(sql.c_str());
    }
    transaction.Commit();
}

}  // namespace

SqliteRollLog::SqliteRollLog(SqliteDatabase& database) : database_(database) {
    insert_ = std::make_unique<SqliteStatement>(
        database_,
        "INSERT INTO roll_log (rolled_at, character, label, notation, dice, total, outcome_id, "
        "outcome_name, outcome_count, outcome_count_word) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insertDiceApart_ = std::make_unique<SqliteStatement>(
        database_, "INSERT INTO roll_log_dice (roll_id, dice) VALUES (?, ?)");
    setStanding_ = std::make_unique<SqliteStatement>(
        database_,
        "UPDATE roll_log SET standing = ?, standing_spread = ?, approximate = ? WHERE id = ?");
    setShareState_ = std::make_unique<SqliteStatement>(
        database_, "UPDATE roll_log SET share_state = ?, share_refusal = ? WHERE id = ?");
}

SqliteRollLog::~SqliteRollLog() = default;

std::int64_t SqliteRollLog::Add(const LoggedRoll& roll) {
    const bool diceApart = roll.dice.size() >= kDiceApartFrom;
    // One statement outside a transaction is committed on its own.
    std::optional<SqliteTransaction> transaction;
    if (diceApart) {
        transaction.emplace(database_);
    }
    insert_->Bind(1, roll.rolledAt)
        .Bind(2, roll.character)
        .Bind(3, roll.label)
        .Bind(4, roll.notation)
        .Bind(5, diceApart ? std::string_view("") : std::string_view(roll.dice))
        .Bind(6, roll.total);
    const LoggedOutcome none;
    const LoggedOutcome& outcome = roll.outcome ? *roll.outcome : none;
    BindOrNull(*insert_, 7,
               roll.outcome ? std::optional<std::string_view>(outcome.id) : std::nullopt);
    insert_->Bind(8, outcome.name);
    BindOrNull(*insert_, 9, outcome.count);
    insert_->Bind(10, outcome.countWord);
    insert_->Run();
    const std::int64_t id = database_.LastInsertRowId();
    if (transaction) {
        insertDiceApart_->Bind(1, id).Bind(2, roll.dice);
        insertDiceApart_->Run();
        transaction->Commit();
    }
    return id;
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
    SqliteStatement query(database_, kColumns + FromOf(filter) +
                                         WhereOf(filter, before.has_value()) + " ORDER BY " +
                                         KeyOf(filter) + " DESC LIMIT ?");
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
    return SumsKept(filter) ? SumsFromTable(database_, filter) : SumsByRow(database_, filter);
}

std::function<RollLogSums()> SqliteRollLog::SumsElsewhere(const RollLogFilter& filter) {
    const char* file = sqlite3_db_filename(database_.Handle(), "main");
    if (SumsKept(filter) || file == nullptr || *file == '\0') {
        return {};
    }
    return [path = std::string(file), filter] {
        SqliteDatabase reader(path, SQLITE_OPEN_READONLY);
        return SumsByRow(reader, filter);
    };
}

void SqliteRollLog::ForEach(const RollLogFilter& filter,
                            const std::function<void(const LoggedRoll&)>& visit) {
    SqliteStatement query(database_, kColumns + FromOf(filter) + WhereOf(filter, false) +
                                         " ORDER BY " + KeyOf(filter) + " DESC");
    Bind(query, filter);
    while (query.Step()) {
        visit(RowOf(query));
    }
}

std::vector<std::string> SqliteRollLog::Characters() {
    SqliteStatement query(database_,
                          "SELECT DISTINCT character FROM roll_log_luck ORDER BY character");
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

void SqliteRollLog::Clear() { ClearAll(database_); }

std::function<void()> SqliteRollLog::ClearElsewhere() {
    const char* file = sqlite3_db_filename(database_.Handle(), "main");
    if (file == nullptr || *file == '\0') {
        return {};
    }
    return [path = std::string(file)] {
        SqliteDatabase writer(path, SQLITE_OPEN_READWRITE);
        // As Kelvane's own connection frees pages: zeroing every one freed would take seconds.
        writer.Execute("PRAGMA secure_delete = FAST");
        ClearAll(writer);
    };
}

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
