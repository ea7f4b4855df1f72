#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane::sharing {

// Discord's limit on a message's content, in characters.
constexpr std::size_t kMostContentCharacters = 2000;

// What a shared roll says: its label and name as the player wrote them, the dice as on the
// clipboard line, the total, any outcome in the player's words, and its standing from the odds
// line (empty without odds): for a roll with an outcome, the outcome's chance "(45.37 %)".
struct SharedRoll {
    std::string label;
    std::string name;
    std::string dice;
    std::int64_t total = 0;
    std::string outcome;
    std::string standing;
};

// Backslashes before every character that Discord's markdown would take for formatting, a
// mention, an emoji or a link, and line breaks turned into blanks, so a text shows as written.
[[nodiscard]] std::string EscapeMarkdown(std::string_view text);

// The characters Discord counts in text: UTF-16 code units, so a character beyond the Basic
// Multilingual Plane counts twice and a message never runs over the limit.
[[nodiscard]] std::size_t DiscordLength(std::string_view utf8);

// The first characters of utf8, as Discord counts them, up to most, cut between characters.
[[nodiscard]] std::string_view FirstCharacters(std::string_view utf8, std::size_t most);

// The message for a roll, such as "**Longsword** d20+5: [17]+5 = **22** · 22 or more: 15.00 %"
// or "**Sneak** bitd 3: [5, 2d, 1d] = **5** · **Partial** (45.37 %)": the label in bold if there
// is one, the roll's chat line with the total and any outcome in bold, then the standing. Within
// mostCharacters the dice, then the label, are cut with "…"; the total stays. No more than the
// first mostCharacters of a field can show, so a roll may keep only those.
[[nodiscard]] std::string MessageContent(const SharedRoll& roll,
                                         std::size_t mostCharacters = kMostContentCharacters);

// The webhook request's JSON body: the content, the name to post under (left out when empty,
// so the webhook's own name shows) and no mentions at all, so no label can ping anyone.
[[nodiscard]] std::string MessageBody(std::string_view content, std::string_view username);

// Why Discord would refuse a name for a webhook's message before it is sent.
enum class NameProblem { None, TooLong, Reserved };

// Discord refuses webhook names longer than 80 characters and those that hold "discord" or
// "clyde" in any case; an empty name means the webhook's own.
[[nodiscard]] NameProblem CheckName(std::string_view username);

}  // namespace kelvane::sharing
