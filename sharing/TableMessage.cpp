#include "sharing/TableMessage.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

namespace kelvane::sharing {
namespace {

// Emphasis, code, spoilers, quotes and headings, mentions and custom emoji (<@1>, <:e:1>),
// emoji by name (:e:), masked links ([x](y)) and bare links (https:).
constexpr std::string_view kMarkdown = "\\*_~`|<>#():@";
constexpr std::string_view kEllipsis = "…";
constexpr std::size_t kMostNameCharacters = 80;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The first most characters of escaped text, never ending on a backslash that has lost the
// character it escapes: a run of backslashes that ends the cut is then of odd length.
std::string_view FittedStart(std::string_view escaped, std::size_t most) {
    std::string_view start = FirstCharacters(escaped, most);
    const std::size_t backslashes = start.size() - (start.find_last_not_of('\\') + 1);
    if (backslashes % 2 == 1) start.remove_suffix(1);
    return start;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

}  // namespace

std::string EscapeMarkdown(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '\n' || c == '\r' || c == '\t') {
            escaped += ' ';
            continue;
        }
        if (kMarkdown.find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::size_t DiscordLength(std::string_view utf8) {
    std::size_t length = 0;
    for (const char byte : utf8) {
        const auto b = static_cast<unsigned char>(byte);
        if (StartsCharacter(byte)) length += b >= 0xF0 ? 2 : 1;
    }
    return length;
}

std::string_view FirstCharacters(std::string_view utf8, std::size_t most) {
    std::size_t length = 0;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        if (!StartsCharacter(utf8[at])) continue;
        length += static_cast<unsigned char>(utf8[at]) >= 0xF0 ? 2 : 1;
        if (length > most) return utf8.substr(0, at);
    }
    return utf8;
}

std::string MessageContent(const SharedRoll& roll, std::size_t mostCharacters) {
    // Escaping only lengthens a text, so no more than the start of each field is escaped.
    const auto escaped = [mostCharacters](std::string_view text) {
        return EscapeMarkdown(FirstCharacters(text, mostCharacters));
    };
    std::string label = escaped(roll.label);
    std::string name = escaped(roll.name);
    std::string dice = escaped(roll.dice);
    std::string ending = " = **" + std::to_string(roll.total) + "**";
    if (!roll.outcome.empty()) {
        ending.append(" · **").append(escaped(roll.outcome)).append("**");
    }
    if (!roll.standing.empty()) {
        ending.append(roll.outcome.empty() ? " · " : " ").append(roll.standing);
    }
    const auto compose = [&] {
        return (label.empty() ? "" : "**" + label + "** ") + name + ": " + dice + ending;
    };
    // The dice give way first, then the label, then the name; the total and the standing stay.
    std::string content = compose();
    for (std::string* part : {&dice, &label, &name}) {
        const std::size_t length = DiscordLength(content);
        if (length <= mostCharacters) return content;
        if (part->empty()) continue;
        const std::size_t over = length - mostCharacters + DiscordLength(kEllipsis);
        const std::size_t partLength = DiscordLength(*part);
        *part = std::string(partLength > over ? FittedStart(*part, partLength - over) : "") +
                std::string(kEllipsis);
        content = compose();
    }
    return std::string(FittedStart(content, mostCharacters));
}

std::string MessageBody(std::string_view content, std::string_view username) {
    nlohmann::json body{{"content", content},
                        {"allowed_mentions", {{"parse", nlohmann::json::array()}}}};
    if (!username.empty()) body["username"] = username;
    // A text that is not UTF-8, which Kelvane never writes, is posted with U+FFFD in its place.
    return body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

NameProblem CheckName(std::string_view username) {
    if (DiscordLength(username) > kMostNameCharacters) return NameProblem::TooLong;
    const std::string lowered = Lowered(username);
    if (lowered.find("discord") != std::string::npos ||
        lowered.find("clyde") != std::string::npos) {
        return NameProblem::Reserved;
    }
    return NameProblem::None;
}

}  // namespace kelvane::sharing
