#include "Schema.h"

#include <array>

namespace kelvane {

namespace {

// Characters and their saved rolls in order, the notation history, and the settings that
// follow the user from window to window (such as the last character used).
constexpr const char* kRollBook = R"sql(
CREATE TABLE book_character (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE
);
CREATE TABLE saved_roll (
    id INTEGER PRIMARY KEY,
    character_id INTEGER NOT NULL REFERENCES book_character (id) ON DELETE CASCADE,
    position INTEGER NOT NULL,
    name TEXT NOT NULL,
    notation TEXT NOT NULL
);
CREATE INDEX saved_roll_by_position ON saved_roll (character_id, position);
CREATE TABLE notation_history (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    notation TEXT NOT NULL UNIQUE
);
CREATE TABLE setting (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL
) WITHOUT ROWID;
)sql";

// Every roll shown, newest last: its time in milliseconds since 1970 (UTC), its texts as the
// window showed them, and its standing among the totals it could show once its odds are known.
// The indexes carry the standings, so that the luck of a period, a character or the whole log
// is summed from an index alone.
constexpr const char* kRollLog = R"sql(
CREATE TABLE roll_log (
    id INTEGER PRIMARY KEY,
    rolled_at INTEGER NOT NULL,
    character TEXT NOT NULL,
    label TEXT NOT NULL,
    notation TEXT NOT NULL,
    dice TEXT NOT NULL,
    total INTEGER NOT NULL,
    standing REAL,
    standing_spread REAL,
    approximate INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX roll_log_by_time ON roll_log (rolled_at, standing, standing_spread);
CREATE INDEX roll_log_by_character ON roll_log (character, id, standing, standing_spread);
CREATE INDEX roll_log_by_standing ON roll_log (standing, standing_spread);
)sql";

// Messages waiting to be posted to the table, oldest first.
constexpr const char* kTableOutbox = R"sql(
CREATE TABLE table_outbox (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    roll_key INTEGER NOT NULL,
    content TEXT NOT NULL
);
)sql";

// How far each roll got on its way to the table (ShareState: 0 not shared, 1 waiting, 2 shared,
// 3 refused), and Discord's reason for a refusal. The outbox's small index is what its rows are
// counted from, as the band's status line does after every roll and answer, so that a long
// outbox is not read whole each time. Messages already waiting were keyed by the window's roll
// number, not by a row of the log: they are still posted, but mark no row.
constexpr const char* kRollLogSharing = R"sql(
ALTER TABLE roll_log ADD COLUMN share_state INTEGER NOT NULL DEFAULT 0;
ALTER TABLE roll_log ADD COLUMN share_refusal TEXT NOT NULL DEFAULT '';
UPDATE table_outbox SET roll_key = 0;
CREATE INDEX table_outbox_by_roll ON table_outbox (roll_key);
)sql";

// Append new steps at the end, one line each.
constexpr std::array kSteps = {
    kRollBook,
    kRollLog,
    kTableOutbox,
    kRollLogSharing,
};

}  // namespace

std::span<const char* const> SchemaSteps() { return kSteps; }

}  // namespace kelvane
