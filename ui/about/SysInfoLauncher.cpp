#include "ui/about/SysInfoLauncher.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <numeric>
#include <string_view>

#include "platform/RuntimeError.h"

namespace kelvane {

namespace {

constexpr std::uint32_t kLocalMachine = Registry::kLocalMachine;
constexpr std::string_view kToolPathKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
constexpr std::string_view kToolPathValue = "PATH";
constexpr std::string_view kToolFolderKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
constexpr std::string_view kToolFolderValue = "MSINFO";
constexpr std::string_view kToolFile = R"(\MSINFO32.EXE)";
constexpr std::string_view kUnavailable = "System Information Is Unavailable At This Time";
constexpr std::size_t kBufferSize = 1024;
constexpr std::size_t kMaxDwordBytes = 4;

// A 32-bit value's bytes, last first, read as one hexadecimal number and written in decimal.
std::string DwordText(std::string_view bytes) {
    if (bytes.size() > kMaxDwordBytes) {
        throw errors::Overflow();
    }
    const std::uint32_t value = std::accumulate(
        bytes.rbegin(), bytes.rend(), std::uint32_t{0},
        [](auto number, char byte) { return (number << 8U) | static_cast<unsigned char>(byte); });
    std::array<char, 16> digits{};
    auto* const end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return {digits.data(), end};
}

// Closes the key when the read ends, however it ends.
class OpenKey {
  public:
    OpenKey(Registry& registry, Registry::KeyHandle key) noexcept
        : registry_(registry), key_(key) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    OpenKey(OpenKey&&) = delete;
    OpenKey& operator=(OpenKey&&) = delete;
    ~OpenKey() { registry_.CloseKey(key_); }

  private:
    Registry& registry_;
    Registry::KeyHandle key_;
};

}  // namespace

bool IsAbsoluteToolPath(std::string_view path) noexcept {
#ifdef _WIN32
    const auto IsSeparator = [](char c) { return c == '\\' || c == '/'; };
    const bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
                       path[1] == ':' && IsSeparator(path[2]);
    const bool share =
        path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
    return drive || share;
#else
    return path.starts_with('/');
#endif
}

void SysInfoLauncher::StartSysInfo() noexcept {
    try {
        std::string toolPath;
        if (GetKeyValue(kLocalMachine, std::string(kToolPathKey), std::string(kToolPathValue),
                        toolPath)) {
            // A path that is not absolute is not started, and the second entry is not tried,
            // as when the start fails.
            if (IsAbsoluteToolPath(toolPath)) {
                starter_.Start(toolPath);
                return;
            }
        } else if (GetKeyValue(kLocalMachine, std::string(kToolFolderKey),
                               std::string(kToolFolderValue), toolPath)) {
            const std::string tool = toolPath + std::string(kToolFile);
            if (IsAbsoluteToolPath(tool) && files_.OrdinaryFileExists(tool)) {
                starter_.Start(tool);
                return;
            }
        }
    } catch (...) {
        // Every failure on the way tells the user the same thing.
    }
    try {
        messages_.Show(std::string(kUnavailable));
    } catch (...) {
        // Nothing is left to tell the user with.
    }
}

bool SysInfoLauncher::GetKeyValue(const std::uint32_t& KeyRoot, const std::string& KeyName,
                                  const std::string& SubKeyRef, std::string& KeyVal) {
    Registry::KeyHandle key = 0;
    // Read access only: the key is never written, and asking for more fails for every user
    // who may not write below HKEY_LOCAL_MACHINE.
    if (registry_.OpenKey(KeyRoot, KeyName, Registry::kReadAccess, key) != Registry::kSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closer(registry_, key);

    std::array<unsigned char, kBufferSize> buffer{};
    std::uint32_t size = kBufferSize;
    std::uint32_t type = 0;
    if (registry_.QueryValue(key, SubKeyRef, type, buffer, size) != Registry::kSuccess) {
        KeyVal.clear();
        return false;
    }
    if (size == 0 || size > kBufferSize) {
        throw errors::InvalidArgument();
    }
    // Strings usually carry their terminating zero; data stored without one stay whole.
    const std::size_t kept = buffer.at(size - 1) == 0 ? size - 1 : size;
    const std::string text(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(kept));

    if (type == Registry::kTypeString) {
        KeyVal = text;
    } else if (type == Registry::kTypeDword) {
        KeyVal = DwordText(text);
    }
    return true;
}

}  // namespace kelvane
