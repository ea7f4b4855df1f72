#include "engine/CountConversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "platform/RuntimeError.h"

namespace kelvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether a nonzero number written as digits, an optional fraction and an optional exponent is
// at least 1 in magnitude: the decimal place of its first significant digit plus its exponent.
bool AtLeastOne(std::string_view number) {
    const std::size_t exponentAt = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, exponentAt);
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    const std::size_t significant = mantissa.find_first_of("123456789");
    if (significant == std::string_view::npos) {
        return false;
    }
    // 0 for the units digit, 1 for the tens, -1 for the tenths.
    const auto digitAt = static_cast<std::int64_t>(significant);
    const std::int64_t place = digitAt < point ? point - digitAt - 1 : point - digitAt;

    std::string_view exponentText = number.substr(std::min(exponentAt + 1, number.size()));
    const bool negativeExponent = exponentText.starts_with('-');
    if (exponentText.starts_with('-') || exponentText.starts_with('+')) {
        exponentText.remove_prefix(1);
    }
    std::int64_t exponent = 0;
    const auto parsed =
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (parsed.ec == std::errc::result_out_of_range) {
        // No text is long enough for its digits to outweigh such an exponent.
        return !negativeExponent;
    }
    if (negativeExponent) {
        exponent = -exponent;
    }
    return exponent >= -place;
}

// The value of the number at the start of text, 0 when the text does not start with one.
double LeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) {
        negative = text[start] == '-';
        ++start;
    }
    // Only a digit or a period can begin the number: this also keeps out "inf" and "nan".
    if (start == text.size() || !(IsDigit(text[start]) || text[start] == '.')) {
        return 0.0;
    }
    const char* const first = text.data() + start;
    const char* const last = text.data() + text.size();
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::invalid_argument) {
        return 0.0;
    }
    if (error == std::errc::result_out_of_range) {
        // Beyond the double range it overflows; below it the number reads as 0.
        const bool huge =
            AtLeastOne(std::string_view(first, static_cast<std::size_t>(end - first)));
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

std::int16_t ConvertCount(std::string_view text) {
    const double rounded = std::round(LeadingNumber(text));
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        throw errors::Overflow();
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace kelvane
