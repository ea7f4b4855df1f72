#pragma once

#include <memory>

#include "platform/registry/Registry.h"

namespace kelvane {

// The registry of the system the program runs on: the Windows registry on Windows, and on
// other systems the read-only stand-in that points at the desktop's system information tool.
[[nodiscard]] std::unique_ptr<Registry> SystemRegistry();

}  // namespace kelvane
