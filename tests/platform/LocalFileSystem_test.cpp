#include "LocalFileSystem.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

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
        std::ofstream(Folder() / ".hidden") << "x";
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(Folder()); }
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
                                           Entry{"Hidden", ".hidden", false},
                                           Entry{"Missing", "missing.exe", false},
                                           Entry{"BelowAFile", "tool.exe/x", false}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kelvane
