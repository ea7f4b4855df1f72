#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "tests/support/InMemoryRegistry.h"
#include "ui/about/SysInfoLauncher.h"

namespace {

using kelvane::Registry;

const std::string kKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kAsPassed = "as passed";
constexpr std::size_t kBufferSize = 1024;
constexpr std::size_t kDwordBytes = 4;

// GetKeyValue never reaches these.
class NoFiles final : public kelvane::FileSystem {
  public:
    [[nodiscard]] bool OrdinaryFileExists(const std::string& /*path*/) const override {
        return false;
    }
};
class NoStarter final : public kelvane::ProgramStarter {
  public:
    void Start(const std::string& /*path*/) override {}
};
class NoMessages final : public kelvane::MessageDisplay {
  public:
    void Show(const std::string& /*prompt*/) override {}
};

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// What GetKeyValue must give for a stored value: its result and KeyVal, or the number of the
// error it must raise.
struct Outcome {
    bool read = false;
    std::string keyVal;
    int error = 0;
};

Outcome Expected(bool stored, std::uint32_t type, const std::vector<unsigned char>& data) {
    if (!stored || data.size() > kBufferSize) {
        return {false, "", 0};
    }
    if (data.empty()) {
        return {false, "", kelvane::errors::kInvalidArgument};
    }
    const std::size_t kept = data.back() == 0 ? data.size() - 1 : data.size();
    if (type == Registry::kTypeString) {
        return {true, std::string(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(kept)),
                0};
    }
    if (type == Registry::kTypeDword) {
        if (kept > kDwordBytes) {
            return {false, "", kelvane::errors::kOverflow};
        }
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < kept; ++i) {
            value += static_cast<std::uint64_t>(data[i]) << (8 * i);
        }
        return {true, std::to_string(value), 0};
    }
    return {true, kAsPassed, 0};
}

}  // namespace

// A value of any type, size and bytes, stored under the name asked for or not: GetKeyValue
// gives the result the rules above say, and closes every key it opened.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool stored = input.ConsumeBool();
    const auto type = input.ConsumeIntegral<std::uint32_t>();
    const std::vector<unsigned char> bytes = input.ConsumeRemainingBytes<unsigned char>();

    kelvane::InMemoryRegistry registry;
    registry.SetValue(Registry::kLocalMachine, kKey, stored ? "PATH" : "OTHER", type, bytes);
    NoFiles files;
    NoStarter starter;
    NoMessages messages;
    kelvane::SysInfoLauncher launcher(registry, files, starter, messages);

    Outcome actual{false, kAsPassed, 0};
    try {
        actual.read = launcher.GetKeyValue(Registry::kLocalMachine, kKey, "PATH", actual.keyVal);
    } catch (const kelvane::RuntimeError& error) {
        actual = {false, "", error.Number()};
    }
    const Outcome expected = Expected(stored, type, bytes);
    if (registry.KeysOpened() != 1 || registry.KeysStillOpen() != 0) {
        Fail("a key was left open");
    }
    if (actual.error != expected.error) {
        Fail("unexpected error");
    }
    if (expected.error == 0 && (actual.read != expected.read || actual.keyVal != expected.keyVal)) {
        Fail("unexpected result");
    }
    return 0;
}
