#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/Interface.h"

namespace kelvane {

// The three registry operations the System Information launcher reads through, each
// returning a Windows status code (0 on success), as the Win32 functions do.
class Registry : Interface {
  public:
    using KeyHandle = std::uintptr_t;

    static constexpr std::uint32_t kLocalMachine = 0x80000002U;
    // KEY_READ: query, enumerate, notify and read control, nothing more.
    static constexpr std::uint32_t kReadAccess = 0x20019U;
    static constexpr std::uint32_t kTypeString = 1U;  // REG_SZ
    static constexpr std::uint32_t kTypeDword = 4U;   // REG_DWORD
    static constexpr long kSuccess = 0;
    static constexpr long kFileNotFound = 2;   // ERROR_FILE_NOT_FOUND
    static constexpr long kAccessDenied = 5;   // ERROR_ACCESS_DENIED
    static constexpr long kInvalidHandle = 6;  // ERROR_INVALID_HANDLE
    static constexpr long kMoreData = 234;     // ERROR_MORE_DATA

    virtual ~Registry() = default;

    // Opens root\subKey with the given access mask; on success key holds the open key.
    virtual long OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                         KeyHandle& key) = 0;
    // Reads a value's type and data into buffer. size holds the buffer's size on the way in
    // and the number of data bytes on the way out; data longer than the buffer fail.
    virtual long QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                            std::span<unsigned char> buffer, std::uint32_t& size) = 0;
    virtual long CloseKey(KeyHandle key) = 0;

  protected:
    // Hands a stored value to a reader as QueryValue does: its type, data and byte count, or
    // kMoreData with the count needed when the data do not fit.
    static long ReadValue(std::uint32_t storedType, std::span<const unsigned char> data,
                          std::uint32_t& type, std::span<unsigned char> buffer,
                          std::uint32_t& size) {
        const auto count = static_cast<std::uint32_t>(data.size());
        if (data.size() > std::min<std::size_t>(size, buffer.size())) {
            size = count;
            return kMoreData;
        }
        std::ranges::copy(data, buffer.begin());
        type = storedType;
        size = count;
        return kSuccess;
    }
};

}  // namespace kelvane
