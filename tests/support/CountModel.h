#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane::testing {

// The count a box's text converts to, worked out apart from the conversion itself, for the
// fuzzer and the exhaustive test to check it against: the leading number (blanks, sign,
// digits, fraction, exponent) picked out here and read by the C library's strtod, then rounded
// half away from zero. Empty when the conversion must raise the overflow error.
[[nodiscard]] inline std::optional<std::int16_t> ModelCount(std::string_view text) {
    const auto digitsEnd = [text](std::size_t from) {
        while (from < text.size() && text[from] >= '0' && text[from] <= '9') {
            ++from;
        }
        return from;
    };
    std::size_t at = std::min(text.find_first_not_of(" \t"), text.size());
    std::string number;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number += text[at++];
    }
    std::size_t end = digitsEnd(at);
    bool hasDigits = end > at;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = digitsEnd(end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits) {
        return 0;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponentDigits = end + 1;
        if (exponentDigits < text.size() &&
            (text[exponentDigits] == '+' || text[exponentDigits] == '-')) {
            ++exponentDigits;
        }
        // An exponent mark without digits is not part of the number.
        if (digitsEnd(exponentDigits) > exponentDigits) {
            end = digitsEnd(exponentDigits);
        }
    }
    number.append(text.substr(at, end - at));

    // strtod gives infinity beyond the double range and 0 or a subnormal number below it.
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) {
        return std::nullopt;
    }
    const double rounded = std::round(value);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace kelvane::testing
