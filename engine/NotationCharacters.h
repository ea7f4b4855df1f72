#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How the notation reads its text: blanks, digits and letters in ASCII, and characters counted
// in UTF-8, so that a column or a length means what the player sees.
namespace kelvane::notation {

[[nodiscard]] inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
[[nodiscard]] inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
[[nodiscard]] inline char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
// A byte that begins a character in UTF-8.
[[nodiscard]] inline bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
}

// The text without blanks at either end.
[[nodiscard]] inline std::string Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

[[nodiscard]] inline std::size_t Characters(std::string_view text) {
    std::size_t characters = 0;
    for (const char c : text) {
        characters += StartsCharacter(c) ? 1 : 0;
    }
    return characters;
}

}  // namespace kelvane::notation
