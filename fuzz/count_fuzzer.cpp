#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/CountConversion.h"
#include "platform/RuntimeError.h"
#include "tests/support/CountModel.h"

// Any bytes as a box's text: the conversion gives the model's count or its overflow error, and
// nothing else.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<std::int16_t> count;
    try {
        count = kelvane::ConvertCount(text);
    } catch (const kelvane::RuntimeError& error) {
        if (error.Number() != kelvane::errors::kOverflow) {
            std::fprintf(stderr, "unexpected error %d\n", error.Number());
            std::abort();
        }
    }
    const std::optional<std::int16_t> expected = kelvane::testing::ModelCount(text);
    if (count != expected) {
        const auto shown = [](const std::optional<std::int16_t>& value) {
            return value ? std::to_string(*value) : std::string("overflow");
        };
        std::fprintf(stderr, "converted to %s, the model gives %s\n", shown(count).c_str(),
                     shown(expected).c_str());
        std::abort();
    }
    return 0;
}
