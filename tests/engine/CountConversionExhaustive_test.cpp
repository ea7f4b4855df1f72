#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "engine/CountConversion.h"
#include "platform/RuntimeError.h"
#include "tests/support/CountModel.h"

namespace kelvane {
namespace {

constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';

std::optional<std::int16_t> Converted(const std::string& text) {
    try {
        return ConvertCount(text);
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errors::kOverflow) << '"' << text << '"';
        return std::nullopt;
    }
}

// Converts every text of printable ASCII characters up to longest characters and compares each
// with the model; returns how many texts it tried.
std::uint64_t ExpectEveryTextAgrees(std::size_t longest) {
    std::uint64_t tried = 0;
    for (std::size_t length = 0; length <= longest; ++length) {
        std::string text(length, kFirstPrintable);
        while (true) {
            ++tried;
            if (Converted(text) != testing::ModelCount(text)) {
                ADD_FAILURE() << "\"" << text << "\" converts unlike the model";
                return tried;
            }
            // The next text, counting in base 95 with the last character the lowest digit.
            std::size_t digit = length;
            while (digit > 0 && text[digit - 1] == kLastPrintable) {
                text[--digit] = kFirstPrintable;
            }
            if (digit == 0) {
                break;
            }
            ++text[digit - 1];
        }
    }
    return tried;
}

TEST(CountConversionExhaustive, EveryTextOfUpToThreeCharacters) {
    EXPECT_EQ(ExpectEveryTextAgrees(3), 866'496U);
}

// 82 million texts: run by `make fuzz` in the release build, not by every test run.
TEST(CountConversionExhaustive, DISABLED_EveryTextOfUpToFourCharacters) {
    EXPECT_EQ(ExpectEveryTextAgrees(4), 82'317'121U);
}

}  // namespace
}  // namespace kelvane
