#include "platform/storage/Schema.h"

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

// A trigram index over the roll log's labels and notations, kept by triggers, that finds any
// text of three or more characters in them without reading every row. Matches are never ranked,
// so the index keeps no column sizes, one write fewer for each roll.
constexpr const char* kRollLogSearch = R"sql(
CREATE VIRTUAL TABLE roll_log_search USING fts5 (
    label, notation, content = 'roll_log', content_rowid = 'id', tokenize = 'trigram',
    columnsize = 0
);
INSERT INTO roll_log_search (roll_log_search) VALUES ('rebuild');
CREATE TRIGGER roll_log_search_add AFTER INSERT ON roll_log BEGIN
    INSERT INTO roll_log_search (rowid, label, notation) VALUES (new.id, new.label, new.notation);
END;
CREATE TRIGGER roll_log_search_remove AFTER DELETE ON roll_log BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation)
        VALUES ('delete', old.id, old.label, old.notation);
END;
CREATE TRIGGER roll_log_search_change AFTER UPDATE OF label, notation ON roll_log BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation)
        VALUES ('delete', old.id, old.label, old.notation);
    INSERT INTO roll_log_search (rowid, label, notation) VALUES (new.id, new.label, new.notation);
END;
)sql";

// The roll log's luck sums by character and tenth of standing (-1 for rows still without one),
// kept by triggers, so that the luck of the whole log or of one character, and the characters
// that have rolls, are read from a few rows however long the log grows. They replace the index
// by standing, which each roll written had to keep up too.
constexpr const char* kRollLogLuck = R"sql(
DROP INDEX roll_log_by_standing;
CREATE TABLE roll_log_luck (
    character TEXT NOT NULL,
    tenth INTEGER NOT NULL,
    rolls INTEGER NOT NULL,
    standings REAL NOT NULL,
    spreads REAL NOT NULL,
    PRIMARY KEY (character, tenth)
) WITHOUT ROWID;
INSERT INTO roll_log_luck
    SELECT character, IFNULL(MIN(9, MAX(0, CAST(standing * 10 AS INTEGER))), -1) AS tenth,
           COUNT(*), TOTAL(standing), TOTAL(standing_spread)
    FROM roll_log GROUP BY character, tenth;
CREATE TRIGGER roll_log_luck_add AFTER INSERT ON roll_log BEGIN
    INSERT INTO roll_log_luck VALUES (new.character,
        IFNULL(MIN(9, MAX(0, CAST(new.standing * 10 AS INTEGER))), -1), 1,
        IFNULL(new.standing, 0), IFNULL(new.standing_spread, 0))
    ON CONFLICT DO UPDATE SET rolls = rolls + 1, standings = standings + excluded.standings,
        spreads = spreads + excluded.spreads;
END;
CREATE TRIGGER roll_log_luck_remove AFTER DELETE ON roll_log BEGIN
    UPDATE roll_log_luck SET rolls = rolls - 1, standings = standings - IFNULL(old.standing, 0),
        spreads = spreads - IFNULL(old.standing_spread, 0)
    WHERE character = old.character
      AND tenth = IFNULL(MIN(9, MAX(0, CAST(old.standing * 10 AS INTEGER))), -1);
    DELETE FROM roll_log_luck WHERE character = old.character AND rolls <= 0;
END;
CREATE TRIGGER roll_log_luck_change AFTER UPDATE OF character, standing, standing_spread
    ON roll_log BEGIN
    UPDATE roll_log_luck SET rolls = rolls - 1, standings = standings - IFNULL(old.standing, 0),
        spreads = spreads - IFNULL(old.standing_spread, 0)
    WHERE character = old.character
      AND tenth = IFNULL(MIN(9, MAX(0, CAST(old.standing * 10 AS INTEGER))), -1);
    DELETE FROM roll_log_luck WHERE character = old.character AND rolls <= 0;
    INSERT INTO roll_log_luck VALUES (new.character,
        IFNULL(MIN(9, MAX(0, CAST(new.standing * 10 AS INTEGER))), -1), 1,
        IFNULL(new.standing, 0), IFNULL(new.standing_spread, 0))
    ON CONFLICT DO UPDATE SET rolls = rolls + 1, standings = standings + excluded.standings,
        spreads = spreads + excluded.spreads;
END;
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

// The search index takes in new rows a batch at a time, after the rolls are shown, instead of
// in each roll's own commit, where it cost more than the rest of the row. indexed_to is the
// newest row it holds; the rows above are taken in before any search reads the index. A row
// added at or below that mark, as after the newest rows were deleted, is indexed at once.
constexpr const char* kRollLogSearchInBatches = R"sql(
CREATE TABLE roll_log_search_state (indexed_to INTEGER NOT NULL);
INSERT INTO roll_log_search_state SELECT IFNULL(MAX(id), 0) FROM roll_log;
DROP TRIGGER roll_log_search_add;
DROP TRIGGER roll_log_search_remove;
DROP TRIGGER roll_log_search_change;
CREATE TRIGGER roll_log_search_add AFTER INSERT ON roll_log
    WHEN new.id <= (SELECT indexed_to FROM roll_log_search_state) BEGIN
    INSERT INTO roll_log_search (rowid, label, notation) VALUES (new.id, new.label, new.notation);
END;
CREATE TRIGGER roll_log_search_remove AFTER DELETE ON roll_log
    WHEN old.id <= (SELECT indexed_to FROM roll_log_search_state) BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation)
        VALUES ('delete', old.id, old.label, old.notation);
END;
CREATE TRIGGER roll_log_search_change AFTER UPDATE OF label, notation ON roll_log
    WHEN old.id <= (SELECT indexed_to FROM roll_log_search_state) BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation)
        VALUES ('delete', old.id, old.label, old.notation);
    INSERT INTO roll_log_search (rowid, label, notation) VALUES (new.id, new.label, new.notation);
END;
)sql";

// Dice too long to share a page with their row are kept in a table of their own, the row's
// dice left empty: setting a roll's standing or its share state then rewrites a small row,
// not the kilobytes of dice in its overflow pages. Rows written before keep their dice.
constexpr const char* kRollLogDiceApart = R"sql(
CREATE TABLE roll_log_dice (
    roll_id INTEGER PRIMARY KEY,
    dice TEXT NOT NULL
);
CREATE TRIGGER roll_log_dice_remove AFTER DELETE ON roll_log WHEN old.dice = '' BEGIN
    DELETE FROM roll_log_dice WHERE roll_id = old.id;
END;
)sql";

// The roll log rebuilt with AUTOINCREMENT, every row keeping its id: the outbox and the Shared
// column are keyed by row, so a new roll never takes the id of one deleted, whose message may
// still wait. The ids counted on from past every id the outbox still names. The search index
// goes back to taking each row in its own commit, so that a search only reads: it takes in the
// rows not yet indexed, and its mark goes.
constexpr const char* kRollLogKeyedForGood = R"sql(
CREATE TABLE roll_log_keyed (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    rolled_at INTEGER NOT NULL,
    character TEXT NOT NULL,
    label TEXT NOT NULL,
    notation TEXT NOT NULL,
    dice TEXT NOT NULL,
    total INTEGER NOT NULL,
    standing REAL,
    standing_spread REAL,
    approximate INTEGER NOT NULL DEFAULT 0,
    share_state INTEGER NOT NULL DEFAULT 0,
    share_refusal TEXT NOT NULL DEFAULT ''
);
INSERT INTO roll_log_keyed (id, rolled_at, character, label, notation, dice, total, standing,
        standing_spread, approximate, share_state, share_refusal)
    SELECT id, rolled_at, character, label, notation, dice, total, standing, standing_spread,
           approximate, share_state, share_refusal FROM roll_log;
INSERT INTO roll_log_search (rowid, label, notation)
    SELECT id, label, notation FROM roll_log
    WHERE id > (SELECT indexed_to FROM roll_log_search_state);
DROP TABLE roll_log_search_state;
DELETE FROM roll_log_dice WHERE roll_id NOT IN (SELECT id FROM roll_log);
DROP TABLE roll_log;
ALTER TABLE roll_log_keyed RENAME TO roll_log;
DELETE FROM sqlite_sequence WHERE name IN ('roll_log', 'roll_log_keyed');
INSERT INTO sqlite_sequence (name, seq) VALUES ('roll_log',
    MAX((SELECT IFNULL(MAX(id), 0) FROM roll_log),
        (SELECT IFNULL(MAX(roll_key), 0) FROM table_outbox)));
CREATE INDEX roll_log_by_time ON roll_log (rolled_at, standing, standing_spread);
CREATE INDEX roll_log_by_character ON roll_log (character, id, standing, standing_spread);
CREATE TRIGGER roll_log_search_add AFTER INSERT ON roll_log BEGIN
    INSERT INTO roll_log_search (rowid, label, notation) VALUES (new.id, new.label, new.notation);
END;
CREATE TRIGGER roll_log_search_remove AFTER DELETE ON roll_log BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation)
        VALUES ('delete', old.id, old.label, old.notation);
END;
CREATE TRIGGER roll_log_search_change AFTER UPDATE OF label, notation ON roll_log BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation)
        VALUES ('delete', old.id, old.label, old.notation);
    INSERT INTO roll_log_search (rowid, label, notation) VALUES (new.id, new.label, new.notation);
END;
CREATE TRIGGER roll_log_luck_add AFTER INSERT ON roll_log BEGIN
    INSERT INTO roll_log_luck VALUES (new.character,
        IFNULL(MIN(9, MAX(0, CAST(new.standing * 10 AS INTEGER))), -1), 1,
        IFNULL(new.standing, 0), IFNULL(new.standing_spread, 0))
    ON CONFLICT DO UPDATE SET rolls = rolls + 1, standings = standings + excluded.standings,
        spreads = spreads + excluded.spreads;
END;
CREATE TRIGGER roll_log_luck_remove AFTER DELETE ON roll_log BEGIN
    UPDATE roll_log_luck SET rolls = rolls - 1, standings = standings - IFNULL(old.standing, 0),
        spreads = spreads - IFNULL(old.standing_spread, 0)
    WHERE character = old.character
      AND tenth = IFNULL(MIN(9, MAX(0, CAST(old.standing * 10 AS INTEGER))), -1);
    DELETE FROM roll_log_luck WHERE character = old.character AND rolls <= 0;
END;
CREATE TRIGGER roll_log_luck_change AFTER UPDATE OF character, standing, standing_spread
    ON roll_log BEGIN
    UPDATE roll_log_luck SET rolls = rolls - 1, standings = standings - IFNULL(old.standing, 0),
        spreads = spreads - IFNULL(old.standing_spread, 0)
    WHERE character = old.character
      AND tenth = IFNULL(MIN(9, MAX(0, CAST(old.standing * 10 AS INTEGER))), -1);
    DELETE FROM roll_log_luck WHERE character = old.character AND rolls <= 0;
    INSERT INTO roll_log_luck VALUES (new.character,
        IFNULL(MIN(9, MAX(0, CAST(new.standing * 10 AS INTEGER))), -1), 1,
        IFNULL(new.standing, 0), IFNULL(new.standing_spread, 0))
    ON CONFLICT DO UPDATE SET rolls = rolls + 1, standings = standings + excluded.standings,
        spreads = spreads + excluded.spreads;
END;
CREATE TRIGGER roll_log_dice_remove AFTER DELETE ON roll_log WHEN old.dice = '' BEGIN
    DELETE FROM roll_log_dice WHERE roll_id = old.id;
END;
)sql";

// What each roll meant in its game system or its bands: a system's outcome by its id (NULL: no
// outcome, '' for the player's own bands), a band's name as typed, and any count of hits or
// raises with its English word. The search index is made again to take in the bands' names and
// the ids, each id between bars in outcome_key so that a search for "success" does not find
// "hard_success".
constexpr const char* kRollLogOutcomes = R"sql(
ALTER TABLE roll_log ADD COLUMN outcome_id TEXT;
ALTER TABLE roll_log ADD COLUMN outcome_name TEXT NOT NULL DEFAULT '';
ALTER TABLE roll_log ADD COLUMN outcome_count INTEGER;
ALTER TABLE roll_log ADD COLUMN outcome_count_word TEXT NOT NULL DEFAULT '';
ALTER TABLE roll_log ADD COLUMN outcome_key TEXT
    GENERATED ALWAYS AS ('|' || outcome_id || '|') VIRTUAL;
DROP TRIGGER roll_log_search_add;
DROP TRIGGER roll_log_search_remove;
DROP TRIGGER roll_log_search_change;
DROP TABLE roll_log_search;
CREATE VIRTUAL TABLE roll_log_search USING fts5 (
    label, notation, outcome_name, outcome_key, content = 'roll_log', content_rowid = 'id',
    tokenize = 'trigram', columnsize = 0
);
INSERT INTO roll_log_search (roll_log_search) VALUES ('rebuild');
CREATE TRIGGER roll_log_search_add AFTER INSERT ON roll_log BEGIN
    INSERT INTO roll_log_search (rowid, label, notation, outcome_name, outcome_key)
        VALUES (new.id, new.label, new.notation, new.outcome_name, new.outcome_key);
END;
CREATE TRIGGER roll_log_search_remove AFTER DELETE ON roll_log BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation, outcome_name,
            outcome_key)
        VALUES ('delete', old.id, old.label, old.notation, old.outcome_name, old.outcome_key);
END;
CREATE TRIGGER roll_log_search_change AFTER UPDATE OF label, notation, outcome_id, outcome_name
    ON roll_log BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation, outcome_name,
            outcome_key)
        VALUES ('delete', old.id, old.label, old.notation, old.outcome_name, old.outcome_key);
    INSERT INTO roll_log_search (rowid, label, notation, outcome_name, outcome_key)
        VALUES (new.id, new.label, new.notation, new.outcome_name, new.outcome_key);
END;
)sql";

// Append new steps at the end, one line each.
constexpr std::array kSteps = {
    kRollBook,
    kRollLog,
    kTableOutbox,
    kRollLogSearch,
    kRollLogLuck,
    kRollLogSharing,
    kRollLogSearchInBatches,
    kRollLogDiceApart,
    kRollLogKeyedForGood,
    kRollLogOutcomes,
};

}  // namespace

std::span<const char* const> SchemaSteps() { return kSteps; }

}  // namespace kelvane
