#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvane::table {

// A JSON value as Discord's answers carry them: enough to read a code, a message, a wait and
// which fields an error names.
struct JsonValue {
    using Object = std::map<std::string, JsonValue, std::less<>>;
    using Array = std::vector<JsonValue>;
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value;

    [[nodiscard]] const JsonValue* Member(std::string_view name) const;
    [[nodiscard]] std::optional<double> Number() const;
    [[nodiscard]] std::optional<std::string> Text() const;
    [[nodiscard]] bool IsTrue() const;
};

// Reads a whole JSON text; nothing when it is not JSON or nests deeper than a answer would.
[[nodiscard]] std::optional<JsonValue> ReadJson(std::string_view text);

// text as a JSON string, quotes included: quotes, backslashes and control characters escaped,
// and the rest left as its UTF-8 bytes.
[[nodiscard]] std::string JsonString(std::string_view text);

}  // namespace kelvane::table
