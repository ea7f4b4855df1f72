#include "platform/registry/DesktopRegistry.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace kelvane {
namespace {

const std::string kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";

struct InstalledTools {
    std::string name;
    std::vector<std::string> programs;
    std::vector<std::string> plainFiles;
    std::string found;  // empty when the key must not exist
};

void PrintTo(const InstalledTools& tools, std::ostream* out) { *out << tools.name; }

// A search path of two folders, holding the given programs and non-executable files.
class DesktopRegistryTest : public ::testing::TestWithParam<InstalledTools> {
  protected:
    void SetUp() override {
        root_ =
            std::filesystem::temp_directory_path() / ("kelvane-path-" + std::to_string(getpid()));
        for (const auto& folder : folders_) {
            std::filesystem::create_directories(root_ / folder);
        }
        const char* path = std::getenv("PATH");
        savedPath_ = path == nullptr ? "" : path;
        setenv("PATH", ((root_ / "first").string() + ":" + (root_ / "second").string()).c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", savedPath_.c_str(), 1);
        std::filesystem::remove_all(root_);
    }

    // Puts a file into the second folder, or into the first one when it is already there.
    std::filesystem::path Install(const std::string& name, bool executable) {
        std::filesystem::path file = root_ / "second" / name;
        if (std::filesystem::exists(file)) {
            file = root_ / "first" / name;
        }
        std::ofstream(file) << "#!/bin/sh\n";
        std::filesystem::permissions(file, executable ? std::filesystem::perms::owner_all
                                                      : std::filesystem::perms::owner_read);
        return file;
    }

    std::string Dir() const { return root_.string(); }

  private:
    std::filesystem::path root_;
    std::array<const char*, 2> folders_{"first", "second"};
    std::string savedPath_;
};

TEST_P(DesktopRegistryTest, AnswersThePathOfTheFirstToolFound) {
    const InstalledTools& tools = GetParam();
    for (const auto& program : tools.programs) {
        Install(program, true);
    }
    for (const auto& file : tools.plainFiles) {
        Install(file, false);
    }

    DesktopRegistry registry;
    Registry::KeyHandle key = 0;
    const long opened =
        registry.OpenKey(Registry::kLocalMachine, kToolKey, Registry::kReadAccess, key);
    if (tools.found.empty()) {
        EXPECT_EQ(opened, Registry::kFileNotFound);
        return;
    }
    ASSERT_EQ(opened, Registry::kSuccess);
    std::array<unsigned char, 1024> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    ASSERT_EQ(registry.QueryValue(key, "PATH", type, buffer, size), Registry::kSuccess);
    EXPECT_EQ(type, Registry::kTypeString);
    const std::string expected = Dir() + "/second/" + tools.found;
    ASSERT_EQ(size, expected.size() + 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data()), size - 1), expected);
    EXPECT_EQ(buffer[size - 1], 0);
    EXPECT_EQ(registry.CloseKey(key), Registry::kSuccess);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, DesktopRegistryTest,
    ::testing::Values(
        InstalledTools{"None", {}, {}, ""},
        InstalledTools{"OnlyTheLast", {"gnome-system-monitor"}, {}, "gnome-system-monitor"},
        InstalledTools{
            "PreferredFirst", {"gnome-system-monitor", "kinfocenter", "hardinfo"}, {}, "hardinfo"},
        InstalledTools{"Hardinfo2BeforeHardinfo", {"hardinfo", "hardinfo2"}, {}, "hardinfo2"},
        InstalledTools{"NotExecutableSkipped", {"kinfocenter"}, {"hardinfo2"}, "kinfocenter"},
        InstalledTools{"OnlyNotExecutable", {}, {"hardinfo"}, ""}),
    [](const auto& info) { return info.param.name; });

class DesktopRegistryRefusalTest : public DesktopRegistryTest {};

TEST_F(DesktopRegistryRefusalTest, ReadOnlyAndNothingElse) {
    Install("hardinfo", true);
    DesktopRegistry registry;
    Registry::KeyHandle key = 0;
    // Asking to write as well as read, as a user without write rights would be refused.
    EXPECT_EQ(registry.OpenKey(Registry::kLocalMachine, kToolKey, 0x2003FU, key),
              Registry::kAccessDenied);
    EXPECT_EQ(
        registry.OpenKey(Registry::kLocalMachine, R"(SOFTWARE\Microsoft\Shared Tools Location)",
                         Registry::kReadAccess, key),
        Registry::kFileNotFound);

    ASSERT_EQ(registry.OpenKey(Registry::kLocalMachine, kToolKey, Registry::kReadAccess, key),
              Registry::kSuccess);
    std::array<unsigned char, 4> small{};
    std::uint32_t size = small.size();
    std::uint32_t type = 0;
    EXPECT_EQ(registry.QueryValue(key, "PATH", type, small, size), Registry::kMoreData);
    EXPECT_EQ(registry.QueryValue(key, "MSINFO", type, small, size), Registry::kFileNotFound);
    EXPECT_EQ(registry.CloseKey(key), Registry::kSuccess);
}

}  // namespace
}  // namespace kelvane
