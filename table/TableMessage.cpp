#include "TableMessage.h"

#include <algorithm>
#include <cctype>

#include "Json.h"

namespace kelvane::table {
namespace {

// Emphasis, code, spoilers, quotes and headings, mentions and custom emoji (<@1>, <:e:1>),
// emoji by name (:e:), masked links ([x](y)) and bare links (https:).
constexpr std::string_view kMarkdown = "\\*_~`|<>#():@";
constexpr std::string_view kEllipsis = "…";
constexpr std::size_t kMostNameCharacters = 80;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The longest start of text, cut between characters and never inside an escape, that Discord
// counts as at most most characters.
std::string_view CutTo(std::string_view text, std::size_t most) {
    std::size_t end = 0;
    std::size_t length = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t next = at + 1;
        while (next < text.size() && !StartsCharacter(text[next])) ++next;
        if (text[at] == '\\' && next < text.size()) ++next;  // the escape and what it escapes
        const std::size_t grown = length + DiscordLength(text.substr(at, next - at));
        if (grown > most) break;
        length = grown;
        end = at = next;
    }
    return text.substr(0, end);
}

// The escaped start of a text that a message of at most most characters can hold: escaping
// only adds characters, so the first most + 1 cover every cut MessageContent may make, and a
// roll of a million dice is not escaped whole to keep two thousand characters of it.
std::string EscapedStart(std::string_view text, std::size_t most) {
    return EscapeMarkdown(text.size() > most + 1 ? CutTo(text, most + 1) : text);
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

std::string MessageContent(const SharedRoll& roll, std::size_t mostCharacters) {
    std::string label = EscapedStart(roll.label, mostCharacters);
    std::string name = EscapedStart(roll.name, mostCharacters);
    std::string dice = EscapedStart(roll.dice, mostCharacters);
    const std::string ending = " = **" + std::to_string(roll.total) + "**" +
                               (roll.standing.empty() ? "" : " · " + roll.standing);
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
        *part = (partLength > over ? std::string(CutTo(*part, partLength - over)) : std::string()) +
                std::string(kEllipsis);
        content = compose();
    }
    return std::string(CutTo(content, mostCharacters));
}

std::string_view MessageStart(std::string_view text, std::size_t mostCharacters) {
    constexpr std::size_t kMostBytesACharacterTakes = 5;
    return text.substr(0, kMostBytesACharacterTakes * (mostCharacters + 2));
}

std::string MessageBody(std::string_view content, std::string_view username) {
    std::string body = "{\"content\":" + JsonString(content);
    if (!username.empty()) body += ",\"username\":" + JsonString(username);
    return body + ",\"allowed_mentions\":{\"parse\":[]}}";
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

}  // namespace kelvane::table
