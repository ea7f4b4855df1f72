#include "platform/LocalFileSystem.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace kelvane {

#ifdef _WIN32

bool LocalFileSystem::OrdinaryFileExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD kNotOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotOrdinary) == 0;
}

#else

// Files whose names start with a period are the hidden files here.
bool LocalFileSystem::OrdinaryFileExists(const std::string& path) const {
    const std::filesystem::path file(path);
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) &&
           !file.filename().string().starts_with('.');
}

#endif

}  // namespace kelvane
