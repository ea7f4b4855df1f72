#include "platform/qt/QtProgramStarter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>

#include "platform/RuntimeError.h"

namespace kelvane {
namespace {

struct UnstartablePath {
    std::string name;
    std::string path;
};

void PrintTo(const UnstartablePath& path, std::ostream* out) { *out << '"' << path.path << '"'; }

class QtProgramStarterRefuses : public ::testing::TestWithParam<UnstartablePath> {};

TEST_P(QtProgramStarterRefuses, WithFileNotFound) {
    QtProgramStarter starter;
    try {
        starter.Start(GetParam().path);
        FAIL() << "started " << GetParam().path;
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errors::kFileNotFound);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, QtProgramStarterRefuses,
                         ::testing::Values(UnstartablePath{"Empty", ""},
                                           UnstartablePath{"Missing", "/nonexistent/kelvane-tool"},
                                           UnstartablePath{"Folder", "/"},
                                           UnstartablePath{"NotExecutable", "/etc/passwd"}),
                         [](const auto& info) { return info.param.name; });

// A path is the program itself: shell syntax in it is never run.
TEST(QtProgramStarter, NeverPassesThePathThroughAShell) {
    const std::filesystem::path marker =
        std::filesystem::temp_directory_path() / ("kelvane-shell-" + std::to_string(getpid()));
    QtProgramStarter starter;
    EXPECT_THROW(starter.Start("/bin/true; touch " + marker.string()), RuntimeError);
    EXPECT_FALSE(std::filesystem::exists(marker));
}

// The started program marks that it runs, then waits until the test lets it end, so Start
// returns only if it does not wait for the program, and the mark proves the program ran.
TEST(QtProgramStarter, StartsAProgramWithoutWaitingForIt) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kelvane-start-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path program = folder / "waits";
    const std::filesystem::path running = folder / "running";
    const std::filesystem::path release = folder / "release";
    // Once released, the program tidies up after itself.
    std::ofstream(program) << "#!/bin/sh\ntouch '" << running.string() << "'\nwhile [ ! -e '"
                           << release.string() << "' ]; do sleep 0.1; done\nrm -r '"
                           << folder.string() << "'\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);

    QtProgramStarter starter;
    EXPECT_NO_THROW(starter.Start(program.string()));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::exists(running) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool ran = std::filesystem::exists(running);
    EXPECT_TRUE(ran);
    std::ofstream{release};
    if (!ran) {
        std::filesystem::remove_all(folder);
    }
}

}  // namespace
}  // namespace kelvane
