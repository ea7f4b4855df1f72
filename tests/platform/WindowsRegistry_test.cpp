#include "platform/registry/WindowsRegistry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>

#include "ui/about/SysInfoLauncher.h"

namespace kelvane {
namespace {

const std::string kTestKey = R"(SOFTWARE\Kelvane Tests)";

class NoFiles final : public FileSystem {
  public:
    [[nodiscard]] bool OrdinaryFileExists(const std::string&) const override { return false; }
};
class NoStarts final : public ProgramStarter {
  public:
    void Start(const std::string&) override {}
};
class NoMessages final : public MessageDisplay {
  public:
    void Show(const std::string&) override {}
};

// The launcher's reads against the system's registry, which holds the values written for
// these tests.
struct Rig {
    WindowsRegistry registry;
    NoFiles files;
    NoStarts starter;
    NoMessages messages;
    SysInfoLauncher launcher{registry, files, starter, messages};
};

struct StoredValue {
    std::string name;
    bool read;
    std::string keyVal;
};

void PrintTo(const StoredValue& value, std::ostream* out) { *out << value.name; }

// Strings stored without their terminating zero, which Wine's regedit cannot store. A write
// counts a zero just past the data as a forgotten terminator, so a non-zero byte follows each.
class WindowsRegistryTest : public ::testing::TestWithParam<StoredValue> {
  protected:
    static void SetUpTestSuite() {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTestKey.c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const std::array<std::pair<const char*, std::string>, 3> values{
            {{"Unterminated", "abcdefgh"},
             {"Unterminated1024", std::string(1024, 'x')},
             {"Unterminated1025", std::string(1025, 'x')}}};
        for (const auto& [name, text] : values) {
            const std::string followed = text + '!';
            EXPECT_EQ(
                RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(followed.data()),
                               static_cast<DWORD>(text.size())),
                ERROR_SUCCESS);
        }
        RegCloseKey(key);
    }
};

TEST_P(WindowsRegistryTest, ReadsStoredValuesWithReadAccess) {
    Rig rig;
    std::string keyVal = "as passed";
    EXPECT_EQ(rig.launcher.GetKeyValue(Registry::kLocalMachine, kTestKey, GetParam().name, keyVal),
              GetParam().read);
    EXPECT_EQ(keyVal, GetParam().keyVal);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WindowsRegistryTest,
    ::testing::Values(
        StoredValue{"Terminated", true, "abcdefgh"}, StoredValue{"Unterminated", true, "abcdefgh"},
        StoredValue{"Unterminated1024", true, std::string(1024, 'x')},
        StoredValue{"Unterminated1025", false, ""},
        StoredValue{"Bytes1024", true, std::string(1023, 'x')}, StoredValue{"Bytes1025", false, ""},
        StoredValue{"Binary1024", true, "as passed"}, StoredValue{"Binary1025", false, ""},
        StoredValue{"Empty", true, ""}, StoredValue{"Dword261", true, "261"},
        StoredValue{"DwordAllBytes", true, "305419896"},
        StoredValue{"Expandable", true, "as passed"}, StoredValue{"Missing", false, ""}),
    [](const auto& info) { return info.param.name; });

TEST(WindowsRegistry, MissingKeyIsNotOpened) {
    Rig rig;
    std::string keyVal = "as passed";
    EXPECT_FALSE(rig.launcher.GetKeyValue(Registry::kLocalMachine, R"(SOFTWARE\Kelvane Missing)",
                                          "Terminated", keyVal));
    EXPECT_EQ(keyVal, "");
}

TEST(WindowsRegistry, ValueLongerThanTheBufferFailsWithItsSize) {
    WindowsRegistry registry;
    Registry::KeyHandle key = 0;
    ASSERT_EQ(registry.OpenKey(Registry::kLocalMachine, kTestKey, Registry::kReadAccess, key),
              Registry::kSuccess);
    std::array<unsigned char, 4> buffer{};
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(registry.QueryValue(key, "Terminated", type, buffer, size), Registry::kMoreData);
    EXPECT_EQ(size, 9U);
    EXPECT_EQ(registry.CloseKey(key), Registry::kSuccess);
}

}  // namespace
}  // namespace kelvane
