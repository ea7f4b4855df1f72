#include "platform/storage/SqliteTableOutbox.h"

namespace kelvane {

std::int64_t SqliteTableOutbox::Add(std::int64_t rollKey, const std::string& content) {
    SqliteStatement insert(database_, "INSERT INTO table_outbox (roll_key, content) VALUES (?, ?)");
    insert.Bind(1, rollKey).Bind(2, content).Run();
    return database_.LastInsertRowId();
}

std::optional<OutboxMessage> SqliteTableOutbox::Oldest() {
    SqliteStatement oldest(database_,
                           "SELECT id, roll_key, content FROM table_outbox ORDER BY id LIMIT 1");
    if (!oldest.Step()) return std::nullopt;
    return OutboxMessage{oldest.Integer(0), oldest.Integer(1), oldest.Text(2)};
}

void SqliteTableOutbox::Remove(std::int64_t id) {
    SqliteStatement remove(database_, "DELETE FROM table_outbox WHERE id = ?");
    remove.Bind(1, id).Run();
}

std::size_t SqliteTableOutbox::Count() {
    return static_cast<std::size_t>(database_.QueryInteger("SELECT count(*) FROM table_outbox"));
}

}  // namespace kelvane
