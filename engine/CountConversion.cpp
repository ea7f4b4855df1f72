#include "CountConversion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "RuntimeError.h"

namespace kelvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
        // Too large or too small for a double: only the exponent's sign tells which.
        const std::string_view number(first, static_cast<std::size_t>(end - first));
        const auto exponent = number.find_first_of("eE");
        const bool tiny = exponent != std::string_view::npos &&
                          exponent + 1 < number.size() && number[exponent + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
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
