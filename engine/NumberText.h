#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace kelvane {

// Writes a whole number as plain decimal digits, with a leading "-" when negative and no
// leading blank.
inline void AppendNumber(std::string& text, std::int64_t number) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    text.append(digits.data(), result.ptr);
}

[[nodiscard]] inline std::string NumberText(std::int64_t number) {
    std::string text;
    AppendNumber(text, number);
    return text;
}

}  // namespace kelvane
