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

// Append new steps at the end, one line each.
constexpr std::array kSteps = {
    kRollBook,
};

}  // namespace

std::span<const char* const> SchemaSteps() { return kSteps; }

}  // namespace kelvane
