#pragma once

#include <QString>
#include <memory>

#include "platform/storage/KelvaneDatabase.h"

namespace kelvane {

// Kelvane's database file in the per-user data folder (QStandardPaths::AppDataLocation, which
// XDG_DATA_HOME moves on Linux), the folder made if it is missing.
[[nodiscard]] QString DatabasePath();
[[nodiscard]] std::unique_ptr<KelvaneDatabase> OpenKelvaneDatabase();

}  // namespace kelvane
