#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/registry/Registry.h"

namespace kelvane {

// The registry of a system that has none: read only, it holds the one value through which
// the About dialog finds a system information program, the full path of the desktop's own
// when one is installed on the search path. Without one, the key does not exist.
class DesktopRegistry final : public Registry {
  public:
    DesktopRegistry() = default;
    ~DesktopRegistry() override = default;

    long OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 KeyHandle& key) override;
    long QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    std::span<unsigned char> buffer, std::uint32_t& size) override;
    long CloseKey(KeyHandle key) override;

  private:
    // The value each open key found, by handle.
    std::map<KeyHandle, std::vector<unsigned char>> open_;
    KeyHandle nextHandle_ = 1;
};

}  // namespace kelvane
