#pragma once

#include <span>

namespace kelvane {

// The database's schema as ordered steps: step i takes a database of user_version i to i + 1.
// Steps are only ever appended; a step once released never changes.
[[nodiscard]] std::span<const char* const> SchemaSteps();

}  // namespace kelvane
