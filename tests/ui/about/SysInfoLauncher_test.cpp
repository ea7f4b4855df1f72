#include "ui/about/SysInfoLauncher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "tests/support/InMemoryRegistry.h"

namespace kelvane {
namespace {

constexpr std::uint32_t kRoot = Registry::kLocalMachine;
const std::string kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kFolderKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
#ifdef _WIN32
const std::string kTool = R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe)";
const std::string kFolder = R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo)";
const std::string kMissingTool = R"(C:\missing\msinfo32.exe)";
#else
const std::string kTool = "/usr/bin/hardinfo";
const std::string kFolder = "/opt/msinfo";
const std::string kMissingTool = "/missing/msinfo32";
#endif
const std::string kUnavailable = "System Information Is Unavailable At This Time";
constexpr std::uint32_t kTypeExpandString = 2;

class FakeFiles final : public FileSystem {
  public:
    [[nodiscard]] bool OrdinaryFileExists(const std::string& path) const override {
        return files.contains(path);
    }
    std::set<std::string> files;
};

// Starts what exists among the fake files; anything else fails as a missing file does.
class FakeStarter final : public ProgramStarter {
  public:
    explicit FakeStarter(const FakeFiles& files) : files_(files) {}
    void Start(const std::string& path) override {
        if (!files_.OrdinaryFileExists(path)) {
            throw errors::FileNotFound();
        }
        started.push_back(path);
    }
    std::vector<std::string> started;

  private:
    const FakeFiles& files_;
};

class FakeMessages final : public MessageDisplay {
  public:
    void Show(const std::string& prompt) override { shown.push_back(prompt); }
    std::vector<std::string> shown;
};

struct Rig {
    InMemoryRegistry registry;
    FakeFiles files;
    FakeStarter starter{files};
    FakeMessages messages;
    SysInfoLauncher launcher{registry, files, starter, messages};
};

struct LaunchCase {
    std::string name;
    std::function<void(Rig&)> arrange;
    std::vector<std::string> started;
    bool folderAsked;
};

void PrintTo(const LaunchCase& launch, std::ostream* out) { *out << launch.name; }

class StartSysInfoTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfoTest, StartsTheToolOrTellsTheUser) {
    const LaunchCase& launch = GetParam();
    Rig rig;
    launch.arrange(rig);

    rig.launcher.StartSysInfo();

    EXPECT_EQ(rig.starter.started, launch.started);
    const std::vector<std::string> message =
        launch.started.empty() ? std::vector{kUnavailable} : std::vector<std::string>{};
    EXPECT_EQ(rig.messages.shown, message);
    EXPECT_EQ(std::ranges::count(rig.registry.KeysAsked(), kFolderKey) == 1, launch.folderAsked);
    EXPECT_EQ(rig.registry.KeysStillOpen(), 0);
    for (const std::uint32_t access : rig.registry.AccessAsked()) {
        EXPECT_EQ(access, Registry::kReadAccess);
    }
}

void ToolAt(Rig& rig, const std::string& path) {
    rig.registry.SetString(kRoot, kToolKey, "PATH", path);
}
void ToolInFolder(Rig& rig) {
    rig.registry.SetString(kRoot, kFolderKey, "MSINFO", kFolder);
    rig.files.files.insert(kFolder + R"(\MSINFO32.EXE)");
}

INSTANTIATE_TEST_SUITE_P(
    Entries, StartSysInfoTest,
    ::testing::Values(
        LaunchCase{"ToolPathNamesAProgram",
                   [](Rig& rig) {
                       ToolAt(rig, kTool);
                       rig.files.files.insert(kTool);
                   },
                   {kTool},
                   false},
        // A user without write rights below HKEY_LOCAL_MACHINE still finds the tool.
        LaunchCase{"ReadOnlyUser",
                   [](Rig& rig) {
                       rig.registry.AllowAccess(Registry::kReadAccess);
                       ToolAt(rig, kTool);
                       rig.files.files.insert(kTool);
                   },
                   {kTool},
                   false},
        LaunchCase{"FolderHoldsTheTool", ToolInFolder, {kFolder + R"(\MSINFO32.EXE)"}, true},
        LaunchCase{"PathValueMissingFolderHoldsTheTool",
                   [](Rig& rig) {
                       rig.registry.SetString(kRoot, kToolKey, "OTHER", kTool);
                       ToolInFolder(rig);
                   },
                   {kFolder + R"(\MSINFO32.EXE)"},
                   true},
        LaunchCase{"FolderWithoutTheTool",
                   [](Rig& rig) { rig.registry.SetString(kRoot, kFolderKey, "MSINFO", kFolder); },
                   {},
                   true},
        LaunchCase{"BothMissing", [](Rig&) {}, {}, true},
        LaunchCase{"ToolPathNamesMissingFile",
                   [](Rig& rig) {
                       ToolAt(rig, kMissingTool);
                       ToolInFolder(rig);
                   },
                   {},
                   false},
        LaunchCase{"EmptyToolPath", [](Rig& rig) { ToolAt(rig, ""); }, {}, false},
        LaunchCase{"ZeroByteToolPath",
                   [](Rig& rig) {
                       rig.registry.SetValue(kRoot, kToolKey, "PATH", Registry::kTypeString, {});
                       ToolInFolder(rig);
                   },
                   {},
                   false},
        LaunchCase{"ExpandableToolPath",
                   [](Rig& rig) {
                       rig.registry.SetValue(kRoot, kToolKey, "PATH", kTypeExpandString, {'x', 0});
                       ToolInFolder(rig);
                       rig.files.files.insert("x");
                   },
                   {},
                   false},
        // Paths that are not absolute would depend on the folder or drive the program was
        // started from: neither route tests or starts them.
        LaunchCase{"RelativeToolPath",
                   [](Rig& rig) {
                       ToolAt(rig, "msinfo32.exe");
                       rig.files.files.insert("msinfo32.exe");
                       ToolInFolder(rig);
                   },
                   {},
                   false},
        LaunchCase{"ToolPathFromTheCurrentDrive",
                   [](Rig& rig) {
                       ToolAt(rig, R"(\MSINFO32.EXE)");
                       rig.files.files.insert(R"(\MSINFO32.EXE)");
                   },
                   {},
                   false},
        LaunchCase{"RelativeFolder",
                   [](Rig& rig) {
                       rig.registry.SetString(kRoot, kFolderKey, "MSINFO", "MSInfo");
                       rig.files.files.insert(R"(MSInfo\MSINFO32.EXE)");
                   },
                   {},
                   true},
        // The folder read leaves the tool path empty, which would make it "\MSINFO32.EXE".
        LaunchCase{
            "FolderOfAnotherType",
            [](Rig& rig) {
                rig.registry.SetValue(kRoot, kFolderKey, "MSINFO", kTypeExpandString, {'x', 0});
                rig.files.files.insert(R"(\MSINFO32.EXE)");
            },
            {},
            true}),
    [](const auto& info) { return info.param.name; });

struct PathCase {
    std::string name;
    std::string path;
    bool absoluteOnWindows;
    bool absoluteElsewhere;
};

void PrintTo(const PathCase& path, std::ostream* out) { *out << '"' << path.path << '"'; }

class IsAbsoluteToolPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(IsAbsoluteToolPathTest, OnlyPathsFromARoot) {
    const PathCase& path = GetParam();
#ifdef _WIN32
    EXPECT_EQ(IsAbsoluteToolPath(path.path), path.absoluteOnWindows);
#else
    EXPECT_EQ(IsAbsoluteToolPath(path.path), path.absoluteElsewhere);
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Paths, IsAbsoluteToolPathTest,
    ::testing::Values(PathCase{"Drive", R"(C:\Windows\msinfo32.exe)", true, false},
                      PathCase{"DriveWithSlash", "c:/msinfo32.exe", true, false},
                      PathCase{"Share", R"(\\server\share\msinfo32.exe)", true, false},
                      PathCase{"DriveWithoutRoot", "C:msinfo32.exe", false, false},
                      PathCase{"RootOfTheCurrentDrive", R"(\MSINFO32.EXE)", false, false},
                      PathCase{"TwoSeparatorsAlone", R"(\\)", false, false},
                      PathCase{"Relative", "msinfo32.exe", false, false},
                      PathCase{"Empty", "", false, false},
                      PathCase{"FromSlash", "/usr/bin/hardinfo", false, true}),
    [](const auto& info) { return info.param.name; });

struct ValueCase {
    std::string name;
    std::uint32_t type;
    std::vector<unsigned char> data;
    bool read;
    std::string keyVal;
};

void PrintTo(const ValueCase& value, std::ostream* out) { *out << value.name; }

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

class GetKeyValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueTest, ReadsTheValueAsText) {
    const ValueCase& value = GetParam();
    Rig rig;
    rig.registry.SetValue(kRoot, kToolKey, "PATH", value.type, value.data);
    std::string keyVal = "as passed";

    EXPECT_EQ(rig.launcher.GetKeyValue(kRoot, kToolKey, "PATH", keyVal), value.read);
    EXPECT_EQ(keyVal, value.keyVal);
    EXPECT_EQ(rig.registry.KeysOpened(), 1);
    EXPECT_EQ(rig.registry.KeysStillOpen(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueTest,
    ::testing::Values(
        ValueCase{"EightCharactersWithTerminator", Registry::kTypeString,
                  Bytes(std::string("abcdefgh") + '\0'), true, "abcdefgh"},
        ValueCase{"EightCharactersWithoutTerminator", Registry::kTypeString, Bytes("abcdefgh"),
                  true, "abcdefgh"},
        ValueCase{"Exactly1024Bytes", Registry::kTypeString, Bytes(std::string(1024, 'x')), true,
                  std::string(1024, 'x')},
        ValueCase{"1025BytesUnreadable", Registry::kTypeString, Bytes(std::string(1025, 'x')),
                  false, ""},
        ValueCase{"EmptyString", Registry::kTypeString, {0}, true, ""},
        ValueCase{"Dword261", Registry::kTypeDword, {5, 1, 0, 0}, true, "261"},
        ValueCase{
            "DwordAllBytes", Registry::kTypeDword, {0x78, 0x56, 0x34, 0x12}, true, "305419896"},
        ValueCase{"OtherTypeLeavesKeyVal", kTypeExpandString, Bytes(std::string("x") + '\0'), true,
                  "as passed"}),
    [](const auto& info) { return info.param.name; });

TEST(GetKeyValue, MissingKeyOrValueEmptiesKeyVal) {
    Rig rig;
    rig.registry.SetString(kRoot, kToolKey, "OTHER", kTool);
    std::string keyVal = "as passed";
    EXPECT_FALSE(rig.launcher.GetKeyValue(kRoot, kFolderKey, "MSINFO", keyVal));
    EXPECT_EQ(keyVal, "");
    keyVal = "as passed";
    EXPECT_FALSE(rig.launcher.GetKeyValue(kRoot, kToolKey, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(rig.registry.KeysStillOpen(), 0);
}

// A read that succeeds with no data at all cannot be trimmed: an error, with the key closed.
TEST(GetKeyValue, ZeroByteReadRaisesAfterClosingTheKey) {
    Rig rig;
    rig.registry.SetValue(kRoot, kToolKey, "PATH", Registry::kTypeString, {});
    std::string keyVal;
    try {
        rig.launcher.GetKeyValue(kRoot, kToolKey, "PATH", keyVal);
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errors::kInvalidArgument);
    }
    EXPECT_EQ(rig.registry.KeysStillOpen(), 0);
}

}  // namespace
}  // namespace kelvane
