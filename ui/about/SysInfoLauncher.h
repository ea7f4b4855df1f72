#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/MessageDisplay.h"
#include "platform/ProgramStarter.h"
#include "platform/registry/Registry.h"

namespace kelvane {

// Whether a tool path names the same file wherever the program was started from: on Windows a
// drive letter with its root ("C:\...") or a share ("\\server\share..."), elsewhere a path from
// "/". Any other path would depend on the current drive or folder.
[[nodiscard]] bool IsAbsoluteToolPath(std::string_view path) noexcept;

// Finds the System Information tool through the registry and starts it, or tells the user
// that it is unavailable. No error leaves StartSysInfo: every one leads to the message.
class SysInfoLauncher {
  public:
    SysInfoLauncher(Registry& registry, FileSystem& files, ProgramStarter& starter,
                    MessageDisplay& messages) noexcept
        : registry_(registry), files_(files), starter_(starter), messages_(messages) {}

    void StartSysInfo() noexcept;

    // Reads the value SubKeyRef of the key KeyRoot\KeyName as text into KeyVal: strings as
    // they are, 32-bit numbers as decimal digits. False, with KeyVal empty, when the key cannot
    // be opened or the value cannot be read; KeyVal is left unchanged for other value types.
    bool GetKeyValue(const std::uint32_t& KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal);

  private:
    Registry& registry_;
    FileSystem& files_;
    ProgramStarter& starter_;
    MessageDisplay& messages_;
};

}  // namespace kelvane
