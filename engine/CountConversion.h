#pragma once

#include <cstdint>
#include <string_view>

namespace kelvane {

// Converts a box's text to a count or a number of sides: the number at the start of the text
// (leading blanks skipped; sign, digits, fraction and exponent), 0 when there is none, rounded
// half away from zero. Raises the overflow error outside -32768 ... 32767.
[[nodiscard]] std::int16_t ConvertCount(std::string_view text);

}  // namespace kelvane
