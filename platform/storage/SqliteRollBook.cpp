#include "platform/storage/SqliteRollBook.h"

#include <sqlite3.h>

#include <set>
#include <utility>

namespace kelvane {

namespace {

constexpr const char* kLastCharacterKey = "last_character";

bool NameTaken(SqliteDatabase& database, std::string_view name, std::int64_t other_than) {
    SqliteStatement find(database, "SELECT 1 FROM book_character WHERE name = ?1 AND id <> ?2");
    find.Bind(1, name).Bind(2, other_than);
    return find.Step();
}

std::int64_t InsertCharacter(SqliteDatabase& database, std::string_view name) {
    SqliteStatement insert(database, "INSERT INTO book_character (name) VALUES (?1)");
    insert.Bind(1, name).Run();
    return database.LastInsertRowId();
}

std::int64_t EndPosition(SqliteDatabase& database, std::int64_t character) {
    SqliteStatement last(database,
                         "SELECT COALESCE(MAX(position) + 1, 0) FROM saved_roll "
                         "WHERE character_id = ?1");
    last.Bind(1, character).Step();
    return last.Integer(0);
}

}  // namespace

std::vector<BookCharacter> SqliteRollBook::Characters() {
    SqliteStatement select(database_, "SELECT id, name FROM book_character ORDER BY name, id");
    std::vector<BookCharacter> characters;
    while (select.Step()) {
        characters.push_back({select.Integer(0), select.Text(1)});
    }
    return characters;
}

std::optional<std::int64_t> SqliteRollBook::AddCharacter(std::string_view name) {
    SqliteTransaction transaction(database_);
    if (NameTaken(database_, name, 0)) {
        return std::nullopt;
    }
    const auto id = InsertCharacter(database_, name);
    transaction.Commit();
    return id;
}

bool SqliteRollBook::RenameCharacter(std::int64_t character, std::string_view name) {
    SqliteTransaction transaction(database_);
    if (NameTaken(database_, name, character)) {
        return false;
    }
    SqliteStatement update(database_, "UPDATE book_character SET name = ?1 WHERE id = ?2");
    update.Bind(1, name).Bind(2, character).Run();
    transaction.Commit();
    return true;
}

void SqliteRollBook::DeleteCharacter(std::int64_t character) {
    SqliteTransaction transaction(database_);
    SqliteStatement remove(database_, "DELETE FROM book_character WHERE id = ?1");
    remove.Bind(1, character).Run();
    transaction.Commit();
}

std::vector<SavedRoll> SqliteRollBook::Rolls(std::int64_t character) {
    SqliteStatement select(database_,
                           "SELECT id, name, notation FROM saved_roll WHERE character_id = ?1 "
                           "ORDER BY position");
    select.Bind(1, character);
    std::vector<SavedRoll> rolls;
    while (select.Step()) {
        rolls.push_back({select.Integer(0), select.Text(1), select.Text(2)});
    }
    return rolls;
}

SavedRoll SqliteRollBook::AddRoll(std::int64_t character, std::string_view name,
                                  std::string_view notation) {
    SqliteTransaction transaction(database_);
    SqliteStatement insert(database_,
                           "INSERT INTO saved_roll (character_id, position, name, notation) "
                           "VALUES (?1, ?2, ?3, ?4)");
    insert.Bind(1, character).Bind(2, EndPosition(database_, character));
    insert.Bind(3, name).Bind(4, notation).Run();
    const auto id = database_.LastInsertRowId();
    transaction.Commit();
    return {id, std::string(name), std::string(notation)};
}

SavedRoll SqliteRollBook::RestoreRoll(std::int64_t character, std::size_t index,
                                      std::string_view name, std::string_view notation) {
    SqliteTransaction transaction(database_);
    // Positions need not be consecutive: the index-th row's position is where it goes back.
    SqliteStatement at(database_,
                       "SELECT position FROM saved_roll WHERE character_id = ?1 "
                       "ORDER BY position LIMIT 1 OFFSET ?2");
    at.Bind(1, character).Bind(2, static_cast<std::int64_t>(index));
    const std::int64_t position = at.Step() ? at.Integer(0) : EndPosition(database_, character);
    at.Reset();
    SqliteStatement shift(database_,
                          "UPDATE saved_roll SET position = position + 1 "
                          "WHERE character_id = ?1 AND position >= ?2");
    shift.Bind(1, character).Bind(2, position).Run();
    SqliteStatement insert(database_,
                           "INSERT INTO saved_roll (character_id, position, name, notation) "
                           "VALUES (?1, ?2, ?3, ?4)");
    insert.Bind(1, character).Bind(2, position).Bind(3, name).Bind(4, notation).Run();
    const auto id = database_.LastInsertRowId();
    transaction.Commit();
    return {id, std::string(name), std::string(notation)};
}

void SqliteRollBook::RenameRoll(std::int64_t roll, std::string_view name) {
    SqliteTransaction transaction(database_);
    SqliteStatement update(database_, "UPDATE saved_roll SET name = ?1 WHERE id = ?2");
    update.Bind(1, name).Bind(2, roll).Run();
    transaction.Commit();
}

bool SqliteRollBook::MoveRoll(std::int64_t roll, bool towards_top) {
    SqliteTransaction transaction(database_);
    SqliteStatement neighbour(
        database_, towards_top
                       ? "SELECT other.id, other.position, this.position FROM saved_roll this "
                         "JOIN saved_roll other ON other.character_id = this.character_id "
                         "AND other.position < this.position WHERE this.id = ?1 "
                         "ORDER BY other.position DESC LIMIT 1"
                       : "SELECT other.id, other.position, this.position FROM saved_roll this "
                         "JOIN saved_roll other ON other.character_id = this.character_id "
                         "AND other.position > this.position WHERE this.id = ?1 "
                         "ORDER BY other.position LIMIT 1");
    neighbour.Bind(1, roll);
    if (!neighbour.Step()) {
        return false;
    }
    const auto other = neighbour.Integer(0);
    const auto other_position = neighbour.Integer(1);
    const auto position = neighbour.Integer(2);
    neighbour.Reset();
    SqliteStatement place(database_, "UPDATE saved_roll SET position = ?1 WHERE id = ?2");
    place.Bind(1, other_position).Bind(2, roll).Run();
    place.Bind(1, position).Bind(2, other).Run();
    transaction.Commit();
    return true;
}

void SqliteRollBook::RemoveRoll(std::int64_t roll) {
    SqliteTransaction transaction(database_);
    SqliteStatement remove(database_, "DELETE FROM saved_roll WHERE id = ?1");
    remove.Bind(1, roll).Run();
    transaction.Commit();
}

std::vector<std::string> SqliteRollBook::History() {
    SqliteStatement select(database_,
                           "SELECT notation FROM notation_history ORDER BY id DESC LIMIT ?1");
    select.Bind(1, static_cast<std::int64_t>(kHistoryCapacity));
    std::vector<std::string> notations;
    while (select.Step()) {
        notations.push_back(select.Text(0));
    }
    return notations;
}

void SqliteRollBook::AddToHistory(std::string_view notation) {
    SqliteTransaction transaction(database_);
    SqliteStatement remove(database_, "DELETE FROM notation_history WHERE notation = ?1");
    remove.Bind(1, notation).Run();
    SqliteStatement insert(database_, "INSERT INTO notation_history (notation) VALUES (?1)");
    insert.Bind(1, notation).Run();
    SqliteStatement trim(database_,
                         "DELETE FROM notation_history WHERE id NOT IN "
                         "(SELECT id FROM notation_history ORDER BY id DESC LIMIT ?1)");
    trim.Bind(1, static_cast<std::int64_t>(kHistoryCapacity)).Run();
    transaction.Commit();
}

std::optional<std::int64_t> SqliteRollBook::LastCharacter() {
    SqliteStatement select(database_,
                           "SELECT id FROM book_character WHERE id = "
                           "(SELECT CAST(value AS INTEGER) FROM setting WHERE key = ?1)");
    select.Bind(1, kLastCharacterKey);
    return select.Step() ? std::optional(select.Integer(0)) : std::nullopt;
}

void SqliteRollBook::SetLastCharacter(std::int64_t character) {
    SqliteTransaction transaction(database_);
    SqliteStatement upsert(database_,
                           "INSERT INTO setting (key, value) VALUES (?1, ?2) "
                           "ON CONFLICT (key) DO UPDATE SET value = excluded.value");
    upsert.Bind(1, kLastCharacterKey).Bind(2, std::to_string(character)).Run();
    transaction.Commit();
}

std::vector<CharacterRolls> SqliteRollBook::Export() {
    SqliteStatement select(database_,
                           "SELECT c.id, c.name, r.name, r.notation FROM book_character c "
                           "LEFT JOIN saved_roll r ON r.character_id = c.id "
                           "ORDER BY c.name, c.id, r.position");
    std::vector<CharacterRolls> book;
    std::int64_t current = 0;
    while (select.Step()) {
        if (book.empty() || select.Integer(0) != current) {
            current = select.Integer(0);
            book.push_back({select.Text(1), {}});
        }
        if (!select.IsNull(2)) {
            book.back().rolls.push_back({select.Text(2), select.Text(3)});
        }
    }
    return book;
}

ImportCounts SqliteRollBook::Import(const std::vector<CharacterRolls>& characters) {
    ImportCounts counts;
    SqliteTransaction transaction(database_);
    SqliteStatement find(database_, "SELECT id FROM book_character WHERE name = ?1");
    SqliteStatement held(database_,
                         "SELECT name, notation FROM saved_roll WHERE character_id = ?1");
    SqliteStatement insert(database_,
                           "INSERT INTO saved_roll (character_id, position, name, notation) "
                           "VALUES (?1, ?2, ?3, ?4)");
    for (const auto& character : characters) {
        find.Bind(1, character.name);
        std::int64_t id = 0;
        std::set<std::pair<std::string, std::string>> rows;
        if (find.Step()) {
            id = find.Integer(0);
            held.Bind(1, id);
            while (held.Step()) {
                rows.emplace(held.Text(0), held.Text(1));
            }
            held.Reset();
        } else {
            id = InsertCharacter(database_, character.name);
            ++counts.characters_added;
        }
        find.Reset();
        auto position = EndPosition(database_, id);
        for (const auto& roll : character.rolls) {
            if (!rows.emplace(roll.name, roll.notation).second) {
                ++counts.rolls_skipped;
                continue;
            }
            insert.Bind(1, id).Bind(2, position++).Bind(3, roll.name).Bind(4, roll.notation);
            insert.Run();
            ++counts.rolls_added;
        }
    }
    transaction.Commit();
    return counts;
}

}  // namespace kelvane
