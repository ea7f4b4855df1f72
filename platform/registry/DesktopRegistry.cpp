#include "platform/registry/DesktopRegistry.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace kelvane {

namespace {

constexpr std::string_view kToolPathKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
constexpr std::string_view kToolPathValue = "PATH";
// The desktops' system information programs, in the order they are preferred.
constexpr std::array<std::string_view, 4> kTools = {"hardinfo2", "hardinfo", "kinfocenter",
                                                    "gnome-system-monitor"};

// Registry names ignore the case of ASCII letters.
bool SameName(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right, [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    });
}

bool IsProgram(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && access(file.c_str(), X_OK) == 0;
}

// The full path of the first listed tool found in a folder of the search path.
std::optional<std::string> FindTool() {
    const char* searchPath = std::getenv("PATH");  // NOLINT(concurrency-mt-unsafe)
    if (searchPath == nullptr) {
        return std::nullopt;
    }
    for (const std::string_view tool : kTools) {
        std::string_view folders = searchPath;
        while (!folders.empty()) {
            const std::size_t colon = std::min(folders.find(':'), folders.size());
            const std::string_view folder = folders.substr(0, colon);
            folders.remove_prefix(std::min(colon + 1, folders.size()));
            // An empty entry would mean the working folder: never look there.
            if (folder.empty()) {
                continue;
            }
            const std::filesystem::path candidate = std::filesystem::path(folder) / tool;
            if (candidate.is_absolute() && IsProgram(candidate)) {
                return candidate.string();
            }
        }
    }
    return std::nullopt;
}

}  // namespace

long DesktopRegistry::OpenKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                              KeyHandle& key) {
    if (root != kLocalMachine || !SameName(subKey, kToolPathKey)) {
        return kFileNotFound;
    }
    if ((access & ~kReadAccess) != 0) {
        return kAccessDenied;
    }
    std::optional<std::string> tool = FindTool();
    if (!tool) {
        return kFileNotFound;
    }
    // Stored as a string with its terminating zero.
    std::vector<unsigned char> value(tool->begin(), tool->end());
    value.push_back(0);
    key = nextHandle_++;
    open_.emplace(key, std::move(value));
    return kSuccess;
}

long DesktopRegistry::QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                                 std::span<unsigned char> buffer, std::uint32_t& size) {
    const auto open = open_.find(key);
    if (open == open_.end()) {
        return kInvalidHandle;
    }
    if (!SameName(valueName, kToolPathValue)) {
        return kFileNotFound;
    }
    return ReadValue(kTypeString, open->second, type, buffer, size);
}

long DesktopRegistry::CloseKey(KeyHandle key) {
    return open_.erase(key) == 1 ? kSuccess : kInvalidHandle;
}

}  // namespace kelvane
