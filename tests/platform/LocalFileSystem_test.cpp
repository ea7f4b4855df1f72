#include "platform/LocalFileSystem.h"

#include <gtest/gtest.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <utility>

namespace kelvane {
namespace {

struct Entry {
    std::string name;
    std::string path;
    bool ordinaryFile;
};

void PrintTo(const Entry& entry, std::ostream* out) { *out << entry.path; }

class LocalFileSystemTest : public ::testing::TestWithParam<Entry> {
  protected:
    static void SetUpTestSuite() {
        std::filesystem::create_directories(Folder() / "folder");
        std::ofstream(Folder() / "tool.exe") << "x";
#ifdef _WIN32
        for (const auto& [name, attribute] : {std::pair{"hidden.exe", FILE_ATTRIBUTE_HIDDEN},
                                              {"system.exe", FILE_ATTRIBUTE_SYSTEM},
                                              { "readonly.exe",
                                                FILE_ATTRIBUTE_READONLY }}) {
            const std::filesystem::path file = Folder() / name;
            std::ofstream(file) << "x";
            ASSERT_TRUE(SetFileAttributesA(file.string().c_str(), attribute));
        }
#else
        std::ofstream(Folder() / ".hidden") << "x";
#endif
    }
    static void TearDownTestSuite() {
#ifdef _WIN32
        for (const char* name : {"hidden.exe", "system.exe", "readonly.exe"}) {
            SetFileAttributesA((Folder() / name).string().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
#endif
        std::filesystem::remove_all(Folder());
    }
    static std::filesystem::path Folder() {
        return std::filesystem::temp_directory_path() /
               ("kelvane-files-" + std::to_string(getpid()));
    }
};

TEST_P(LocalFileSystemTest, FindsOnlyOrdinaryFiles) {
    const std::string path = (Folder() / GetParam().path).string();
    EXPECT_EQ(LocalFileSystem().OrdinaryFileExists(path), GetParam().ordinaryFile);
}

INSTANTIATE_TEST_SUITE_P(Entries, LocalFileSystemTest,
                         ::testing::Values(Entry{"File", "tool.exe", true},
                                           Entry{"Folder", "folder", false},
                                           Entry{"Missing", "missing.exe", false},
                                           Entry{"BelowAFile", "tool.exe/x", false}),
                         [](const auto& info) { return info.param.name; });

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Attributes, LocalFileSystemTest,
                         ::testing::Values(Entry{"Hidden", "hidden.exe", false},
                                           Entry{"System", "system.exe", false},
                                           Entry{"ReadOnly", "readonly.exe", true}),
                         [](const auto& info) { return info.param.name; });
#else
// Names starting with a period are the hidden files here.
INSTANTIATE_TEST_SUITE_P(Hidden, LocalFileSystemTest,
                         ::testing::Values(Entry{"DotFile", ".hidden", false}),
                         [](const auto& info) { return info.param.name; });
#endif

}  // namespace
}  // namespace kelvane
