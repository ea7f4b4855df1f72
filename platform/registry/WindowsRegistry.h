#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/registry/Registry.h"

namespace kelvane {

// The Windows registry through the ANSI functions of advapi32.
class WindowsRegistry final : public Registry {
  public:
    WindowsRegistry() = default;
    ~WindowsRegistry() override = default;

    long OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 KeyHandle& key) override;
    long QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    std::span<unsigned char> buffer, std::uint32_t& size) override;
    long CloseKey(KeyHandle key) override;
};

}  // namespace kelvane
