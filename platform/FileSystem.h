#pragma once

#include <string>

#include "platform/Interface.h"

namespace kelvane {

// The file-exists test: true only for an ordinary file, not for a folder, a hidden file or a
// system file.
class FileSystem : Interface {
  public:
    virtual ~FileSystem() = default;

    [[nodiscard]] virtual bool OrdinaryFileExists(const std::string& path) const = 0;
};

}  // namespace kelvane
