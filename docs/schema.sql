-- Kelvane's database schema at its newest step, as SQLite keeps it after migration
-- (platform/storage/Schema.cpp): tables, then indexes, then triggers, each by name. The
-- search index's shadow tables and sqlite_sequence are made by these statements. A test
-- compares this file with a freshly migrated database: a new step updates it.

CREATE TABLE book_character (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE
);

CREATE TABLE notation_history (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    notation TEXT NOT NULL UNIQUE
);

CREATE TABLE "roll_log" (
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
, outcome_id TEXT, outcome_name TEXT NOT NULL DEFAULT '', outcome_count INTEGER, outcome_count_word TEXT NOT NULL DEFAULT '', outcome_key TEXT
    GENERATED ALWAYS AS ('|' || outcome_id || '|') VIRTUAL);

CREATE TABLE roll_log_dice (
    roll_id INTEGER PRIMARY KEY,
    dice TEXT NOT NULL
);

CREATE TABLE roll_log_luck (
    character TEXT NOT NULL,
    tenth INTEGER NOT NULL,
    rolls INTEGER NOT NULL,
    standings REAL NOT NULL,
    spreads REAL NOT NULL,
    PRIMARY KEY (character, tenth)
) WITHOUT ROWID;

CREATE VIRTUAL TABLE roll_log_search USING fts5 (
    label, notation, outcome_name, outcome_key, content = 'roll_log', content_rowid = 'id',
    tokenize = 'trigram', columnsize = 0
);

CREATE TABLE saved_roll (
    id INTEGER PRIMARY KEY,
    character_id INTEGER NOT NULL REFERENCES book_character (id) ON DELETE CASCADE,
    position INTEGER NOT NULL,
    name TEXT NOT NULL,
    notation TEXT NOT NULL
);

CREATE TABLE setting (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL
) WITHOUT ROWID;

CREATE TABLE table_outbox (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    roll_key INTEGER NOT NULL,
    content TEXT NOT NULL
);

CREATE INDEX roll_log_by_character ON roll_log (character, id, standing, standing_spread);

CREATE INDEX roll_log_by_time ON roll_log (rolled_at, standing, standing_spread);

CREATE INDEX saved_roll_by_position ON saved_roll (character_id, position);

CREATE INDEX table_outbox_by_roll ON table_outbox (roll_key);

CREATE TRIGGER roll_log_dice_remove AFTER DELETE ON roll_log WHEN old.dice = '' BEGIN
    DELETE FROM roll_log_dice WHERE roll_id = old.id;
END;

CREATE TRIGGER roll_log_luck_add AFTER INSERT ON roll_log BEGIN
    INSERT INTO roll_log_luck VALUES (new.character,
        IFNULL(MIN(9, MAX(0, CAST(new.standing * 10 AS INTEGER))), -1), 1,
        IFNULL(new.standing, 0), IFNULL(new.standing_spread, 0))
    ON CONFLICT DO UPDATE SET rolls = rolls + 1, standings = standings + excluded.standings,
        spreads = spreads + excluded.spreads;
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

CREATE TRIGGER roll_log_luck_remove AFTER DELETE ON roll_log BEGIN
    UPDATE roll_log_luck SET rolls = rolls - 1, standings = standings - IFNULL(old.standing, 0),
        spreads = spreads - IFNULL(old.standing_spread, 0)
    WHERE character = old.character
      AND tenth = IFNULL(MIN(9, MAX(0, CAST(old.standing * 10 AS INTEGER))), -1);
    DELETE FROM roll_log_luck WHERE character = old.character AND rolls <= 0;
END;

CREATE TRIGGER roll_log_search_add AFTER INSERT ON roll_log BEGIN
    INSERT INTO roll_log_search (rowid, label, notation, outcome_name, outcome_key)
        VALUES (new.id, new.label, new.notation, new.outcome_name, new.outcome_key);
END;

CREATE TRIGGER roll_log_search_change AFTER UPDATE OF label, notation, outcome_id, outcome_name
    ON roll_log BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation, outcome_name,
            outcome_key)
        VALUES ('delete', old.id, old.label, old.notation, old.outcome_name, old.outcome_key);
    INSERT INTO roll_log_search (rowid, label, notation, outcome_name, outcome_key)
        VALUES (new.id, new.label, new.notation, new.outcome_name, new.outcome_key);
END;

CREATE TRIGGER roll_log_search_remove AFTER DELETE ON roll_log BEGIN
    INSERT INTO roll_log_search (roll_log_search, rowid, label, notation, outcome_name,
            outcome_key)
        VALUES ('delete', old.id, old.label, old.notation, old.outcome_name, old.outcome_key);
END;

