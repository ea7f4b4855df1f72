#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry/Registry.h"

namespace kelvane {

// A registry held in memory: raw bytes and a type for each value. It records the keys asked
// for, with the access asked, and which are still open; it refuses access beyond what it
// allows, as the system does for a user without write rights.
class InMemoryRegistry final : public Registry {
  public:
    InMemoryRegistry() = default;
    ~InMemoryRegistry() override = default;

    void SetValue(std::uint32_t root, const std::string& key, const std::string& name,
                  std::uint32_t type, std::vector<unsigned char> data);
    // A string value stored with its terminating zero.
    void SetString(std::uint32_t root, const std::string& key, const std::string& name,
                   const std::string& text);
    // Keys opened with more than this mask are refused; every mask is allowed by default.
    void AllowAccess(std::uint32_t mask) noexcept { allowedAccess_ = mask; }

    long OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 KeyHandle& key) override;
    long QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    std::span<unsigned char> buffer, std::uint32_t& size) override;
    long CloseKey(KeyHandle key) override;

    [[nodiscard]] int KeysOpened() const noexcept { return opened_; }
    [[nodiscard]] int KeysStillOpen() const noexcept { return static_cast<int>(open_.size()); }
    [[nodiscard]] const std::vector<std::uint32_t>& AccessAsked() const noexcept {
        return accessAsked_;
    }
    [[nodiscard]] const std::vector<std::string>& KeysAsked() const noexcept { return keysAsked_; }

  private:
    struct Value {
        std::uint32_t type = 0;
        std::vector<unsigned char> data;
    };
    using KeyPath = std::tuple<std::uint32_t, std::string>;

    std::map<KeyPath, std::map<std::string, Value>> keys_;
    std::map<KeyHandle, KeyPath> open_;
    KeyHandle nextHandle_ = 1;
    std::uint32_t allowedAccess_ = ~std::uint32_t{0};
    int opened_ = 0;
    std::vector<std::uint32_t> accessAsked_;
    std::vector<std::string> keysAsked_;
};

}  // namespace kelvane
