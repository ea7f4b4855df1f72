#include "tests/support/InMemoryRegistry.h"

#include <utility>

namespace kelvane {

void InMemoryRegistry::SetValue(std::uint32_t root, const std::string& key, const std::string& name,
                                std::uint32_t type, std::vector<unsigned char> data) {
    keys_[{root, key}][name] = Value{type, std::move(data)};
}

void InMemoryRegistry::SetString(std::uint32_t root, const std::string& key,
                                 const std::string& name, const std::string& text) {
    std::vector<unsigned char> data(text.begin(), text.end());
    data.push_back(0);
    SetValue(root, key, name, kTypeString, std::move(data));
}

long InMemoryRegistry::OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                               KeyHandle& key) {
    keysAsked_.push_back(subKey);
    accessAsked_.push_back(access);
    if ((access & ~allowedAccess_) != 0) {
        return kAccessDenied;
    }
    KeyPath path{root, subKey};
    if (!keys_.contains(path)) {
        return kFileNotFound;
    }
    key = nextHandle_++;
    open_.emplace(key, std::move(path));
    ++opened_;
    return kSuccess;
}

long InMemoryRegistry::QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                                  std::span<unsigned char> buffer, std::uint32_t& size) {
    const auto open = open_.find(key);
    if (open == open_.end()) {
        return kInvalidHandle;
    }
    const auto& values = keys_.at(open->second);
    const auto value = values.find(valueName);
    if (value == values.end()) {
        return kFileNotFound;
    }
    return ReadValue(value->second.type, value->second.data, type, buffer, size);
}

long InMemoryRegistry::CloseKey(KeyHandle key) {
    return open_.erase(key) == 1 ? kSuccess : kInvalidHandle;
}

}  // namespace kelvane
