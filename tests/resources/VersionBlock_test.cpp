#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace {

// This executable carries the program's version block, and reads it back from its own file.
std::vector<char> OwnVersionBlock() {
    std::array<char, MAX_PATH> path{};
    GetModuleFileNameA(nullptr, path.data(), path.size());
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.data(), &ignored));
    if (block.empty() ||
        !GetFileVersionInfoA(path.data(), 0, static_cast<DWORD>(block.size()), block.data())) {
        return {};
    }
    return block;
}

struct Entry {
    std::string name;
    std::string text;
};

void PrintTo(const Entry& entry, std::ostream* out) { *out << entry.name; }

class VersionBlockText : public ::testing::TestWithParam<Entry> {};

TEST_P(VersionBlockText, HoldsTheProgramsData) {
    std::vector<char> block = OwnVersionBlock();
    ASSERT_FALSE(block.empty());
    const std::string query = R"(\StringFileInfo\040904B0\)" + GetParam().name;
    char* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(
        VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::string(text), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, VersionBlockText,
    ::testing::Values(Entry{"FileVersion", "1.00"}, Entry{"ProductVersion", "1.00"},
                      Entry{"ProductName", "Kelvane"}, Entry{"InternalName", "Kelvane"},
                      Entry{"OriginalFilename", "Kelvane.exe"},
                      Entry{"FileDescription", "Kelvane: Dice rolling for gamers!"},
                      Entry{"CompanyName", "Kelvane developers"},
                      Entry{"LegalCopyright", "Copyright (C) 2026 Kelvane developers"}),
    [](const auto& info) { return info.param.name; });

TEST(VersionBlock, FixedVersionAndLanguage) {
    std::vector<char> block = OwnVersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000U);
    EXPECT_EQ(fixed->dwFileVersionLS, 0U);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000U);
    EXPECT_EQ(fixed->dwProductVersionLS, 0U);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), R"(\VarFileInfo\Translation)",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4U);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}

TEST(VersionBlock, CarriesTheIcon) {
    EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON), nullptr);
}

}  // namespace
