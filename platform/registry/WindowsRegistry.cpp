#include "platform/registry/WindowsRegistry.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>

namespace kelvane {

namespace {

// Predefined keys are 32-bit values that a 64-bit handle holds sign-extended.
HKEY RootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY Key(Registry::KeyHandle key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long WindowsRegistry::OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                              KeyHandle& key) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(RootKey(root), subKey.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) {
        key = reinterpret_cast<KeyHandle>(opened);
    }
    return status;
}

long WindowsRegistry::QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                                 std::span<unsigned char> buffer, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD byteCount = static_cast<DWORD>(std::min<std::size_t>(size, buffer.size()));
    const LSTATUS status = RegQueryValueExA(Key(key), valueName.c_str(), nullptr, &valueType,
                                            buffer.data(), &byteCount);
    type = valueType;
    size = byteCount;
    return status;
}

long WindowsRegistry::CloseKey(KeyHandle key) { return RegCloseKey(Key(key)); }

}  // namespace kelvane
