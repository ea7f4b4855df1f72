#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace kelvane {

// A message waiting to be posted to the table: its place in the outbox, the roll it tells of
// (a key the caller chose, such as the roll's row in the log) and its content.
struct OutboxMessage {
    std::int64_t id = 0;
    std::int64_t rollKey = 0;
    std::string content;
};

// The messages waiting to be shared, oldest first, kept across restarts. A message stays until
// it is removed, so one whose answer never came is posted again after a restart. Throws
// RuntimeError when the store cannot be read or written.
class TableOutbox {
  public:
    virtual ~TableOutbox() = default;

    // Puts a message at the end and returns its id.
    virtual std::int64_t Add(std::int64_t rollKey, const std::string& content) = 0;
    [[nodiscard]] virtual std::optional<OutboxMessage> Oldest() = 0;
    virtual void Remove(std::int64_t id) = 0;
    [[nodiscard]] virtual std::size_t Count() = 0;
};

}  // namespace kelvane
