#include "Json.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace kelvane::table {
namespace {

constexpr int kDeepest = 32;

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Document() {
        auto value = Value(0);
        SkipBlanks();
        if (!value || at_ != text_.size()) return std::nullopt;
        return value;
    }

  private:
    void SkipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    bool Take(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    std::optional<JsonValue> Value(int depth) {
        if (depth > kDeepest) return std::nullopt;
        SkipBlanks();
        if (at_ >= text_.size()) return std::nullopt;
        switch (text_[at_]) {
            case '{':
                return ObjectValue(depth);
            case '[':
                return ArrayValue(depth);
            case '"': {
                auto text = String();
                if (!text) return std::nullopt;
                return JsonValue{std::move(*text)};
            }
            case 't':
                return Take("true") ? std::optional(JsonValue{true}) : std::nullopt;
            case 'f':
                return Take("false") ? std::optional(JsonValue{false}) : std::nullopt;
            case 'n':
                return Take("null") ? std::optional(JsonValue{nullptr}) : std::nullopt;
            default:
                return NumberValue();
        }
    }

    std::optional<JsonValue> NumberValue() {
        const std::size_t start = at_;
        while (at_ < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[at_])) ||
                std::string_view("+-.eE").find(text_[at_]) != std::string_view::npos)) {
            ++at_;
        }
        if (start == at_) return std::nullopt;
        const std::string number(text_.substr(start, at_ - start));
        char* end = nullptr;
        const double value = std::strtod(number.c_str(), &end);
        if (end != number.c_str() + number.size()) return std::nullopt;
        return JsonValue{value};
    }

    std::optional<std::string> String() {
        ++at_;  // the opening quote
        std::string text;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') return text;
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                text += c;
                continue;
            }
            if (at_ >= text_.size()) return std::nullopt;
            const char escaped = text_[at_++];
            switch (escaped) {
                case '"':
                case '\\':
                case '/':
                    text += escaped;
                    break;
                case 'b':
                    text += '\b';
                    break;
                case 'f':
                    text += '\f';
                    break;
                case 'n':
                    text += '\n';
                    break;
                case 'r':
                    text += '\r';
                    break;
                case 't':
                    text += '\t';
                    break;
                case 'u': {
                    unsigned code = 0;
                    if (at_ + 4 > text_.size()) return std::nullopt;
                    const auto [end, error] =
                        std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
                    if (error != std::errc() || end != text_.data() + at_ + 4) return std::nullopt;
                    at_ += 4;
                    AppendUtf8(text, code);
                    break;
                }
                default:
                    return std::nullopt;
            }
        }
        return std::nullopt;
    }

    // Surrogate halves stand as themselves: the text is only ever shown, never compared.
    static void AppendUtf8(std::string& text, unsigned code) {
        if (code < 0x80) {
            text += static_cast<char>(code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::optional<JsonValue> ArrayValue(int depth) {
        ++at_;
        JsonValue::Array items;
        SkipBlanks();
        if (Take("]")) return JsonValue{std::move(items)};
        for (;;) {
            auto item = Value(depth + 1);
            if (!item) return std::nullopt;
            items.push_back(std::move(*item));
            SkipBlanks();
            if (Take("]")) return JsonValue{std::move(items)};
            if (!Take(",")) return std::nullopt;
        }
    }

    std::optional<JsonValue> ObjectValue(int depth) {
        ++at_;
        JsonValue::Object members;
        SkipBlanks();
        if (Take("}")) return JsonValue{std::move(members)};
        for (;;) {
            SkipBlanks();
            if (at_ >= text_.size() || text_[at_] != '"') return std::nullopt;
            auto name = String();
            SkipBlanks();
            if (!name || !Take(":")) return std::nullopt;
            auto member = Value(depth + 1);
            if (!member) return std::nullopt;
            members.insert_or_assign(std::move(*name), std::move(*member));
            SkipBlanks();
            if (Take("}")) return JsonValue{std::move(members)};
            if (!Take(",")) return std::nullopt;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view name) const {
    const auto* object = std::get_if<Object>(&value);
    if (object == nullptr) return nullptr;
    const auto found = object->find(name);
    return found == object->end() ? nullptr : &found->second;
}

std::optional<double> JsonValue::Number() const {
    if (const auto* number = std::get_if<double>(&value)) return *number;
    return std::nullopt;
}

std::optional<std::string> JsonValue::Text() const {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return std::nullopt;
}

bool JsonValue::IsTrue() const {
    const auto* flag = std::get_if<bool>(&value);
    return flag != nullptr && *flag;
}

std::optional<JsonValue> ReadJson(std::string_view text) { return Reader(text).Document(); }

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escaped;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

}  // namespace kelvane::table
