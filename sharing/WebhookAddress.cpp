#include "sharing/WebhookAddress.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kelvane::sharing {
namespace {

constexpr std::string_view kHttps = "https://";
constexpr std::array<std::string_view, 4> kDiscordHosts = {"discord.com", "discordapp.com",
                                                           "ptb.discord.com", "canary.discord.com"};
// Snowflakes are 64-bit numbers; tokens are URL-safe base64 of about 68 characters.
constexpr std::size_t kMostIdDigits = 20;
constexpr std::size_t kMostTokenCharacters = 200;

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// Takes the next path segment off path, which starts after a '/'.
std::string_view NextSegment(std::string_view& path) {
    const auto slash = path.find('/');
    const std::string_view segment = path.substr(0, slash);
    path = slash == std::string_view::npos ? std::string_view{} : path.substr(slash + 1);
    return segment;
}

bool IsVersion(std::string_view segment) {
    return segment.size() >= 2 && segment.size() <= 4 && segment[0] == 'v' &&
           std::all_of(segment.begin() + 1, segment.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool IsId(std::string_view id) {
    return !id.empty() && id.size() <= kMostIdDigits &&
           std::all_of(id.begin(), id.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool IsToken(std::string_view token) {
    return !token.empty() && token.size() <= kMostTokenCharacters &&
           std::all_of(token.begin(), token.end(), [](unsigned char c) {
               return std::isalnum(c) != 0 || c == '-' || c == '_' || c == '.';
           });
}

}  // namespace

std::variant<Webhook, WebhookUrlProblem> ReadWebhookUrl(std::string_view url) {
    url = Trimmed(url);
    if (url.empty()) return WebhookUrlProblem::Empty;
    if (Lowered(url.substr(0, kHttps.size())) != kHttps) return WebhookUrlProblem::NotHttps;
    std::string_view rest = url.substr(kHttps.size());
    const auto pathStart = rest.find('/');
    if (pathStart == std::string_view::npos) return WebhookUrlProblem::NotWebhookPath;
    const std::string host = Lowered(rest.substr(0, pathStart));
    if (std::find(kDiscordHosts.begin(), kDiscordHosts.end(), host) == kDiscordHosts.end()) {
        return WebhookUrlProblem::NotDiscordHost;
    }
    std::string_view path = rest.substr(pathStart + 1);
    if (path.find_first_of("?#") != std::string_view::npos) {
        return WebhookUrlProblem::NotWebhookPath;
    }
    if (NextSegment(path) != "api") return WebhookUrlProblem::NotWebhookPath;
    std::string_view segment = NextSegment(path);
    if (IsVersion(segment)) segment = NextSegment(path);
    if (segment != "webhooks") return WebhookUrlProblem::NotWebhookPath;
    const std::string_view id = NextSegment(path);
    const std::string_view token = NextSegment(path);
    // One trailing slash is what a copy from a browser's address bar may add.
    if (!path.empty() || id.empty() || token.empty()) return WebhookUrlProblem::NotWebhookPath;
    if (!IsId(id)) return WebhookUrlProblem::BadId;
    if (!IsToken(token)) return WebhookUrlProblem::BadToken;
    return Webhook{std::string(id), std::string(token)};
}

std::optional<std::string> PostAddress(const Webhook& webhook, std::string_view apiBase) {
    std::string base =
        apiBase.empty() ? std::string("https://discord.com/api") : std::string(Trimmed(apiBase));
    if (Lowered(std::string_view(base).substr(0, kHttps.size())) != kHttps) return std::nullopt;
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base + "/v10/webhooks/" + webhook.id + "/" + webhook.token + "?wait=true";
}

}  // namespace kelvane::sharing
