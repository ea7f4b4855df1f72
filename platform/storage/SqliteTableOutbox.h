#pragma once

#include "platform/TableOutbox.h"
#include "platform/storage/SqliteDatabase.h"

namespace kelvane {

// The table's outbox in Kelvane's database, shared by every Kelvane window of the user: each
// message is one row, committed before Add returns.
class SqliteTableOutbox final : public TableOutbox {
  public:
    explicit SqliteTableOutbox(SqliteDatabase& database) : database_(database) {}

    std::int64_t Add(std::int64_t rollKey, const std::string& content) override;
    [[nodiscard]] std::optional<OutboxMessage> Oldest() override;
    void Remove(std::int64_t id) override;
    [[nodiscard]] std::size_t Count() override;

  private:
    SqliteDatabase& database_;
};

}  // namespace kelvane
