#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace kelvane {

// The file-exists test on the machine's own file system.
class LocalFileSystem final : public FileSystem {
  public:
    LocalFileSystem() = default;
    ~LocalFileSystem() override = default;

    [[nodiscard]] bool OrdinaryFileExists(const std::string& path) const override;
};

}  // namespace kelvane
