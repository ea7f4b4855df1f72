#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kelvane::sharing {

// A Discord webhook named by its id and token. The token is a secret: whoever holds it can post
// to the channel, so it is never written anywhere but the request and the user's own settings.
struct Webhook {
    std::string id;
    std::string token;
};

// Why a pasted text is not a webhook URL that Kelvane will post to.
enum class WebhookUrlProblem {
    Empty,
    NotHttps,        // http:// or any other scheme: only TLS is ever used
    NotDiscordHost,  // a host other than Discord's own, or with a port or a user name
    NotWebhookPath,  // a path other than /api[/vN]/webhooks/<id>/<token>
    BadId,           // the id is not a number
    BadToken,        // the token holds characters Discord's tokens never do
};

// Reads a webhook URL as Discord's channel settings give it, such as
// https://discord.com/api/webhooks/123/abc, on discord.com, discordapp.com, ptb.discord.com or
// canary.discord.com, with an optional /vN after /api. Blanks around it are ignored.
[[nodiscard]] std::variant<Webhook, WebhookUrlProblem> ReadWebhookUrl(std::string_view url);

// Where a message to the webhook is posted: version 10 of the API on discord.com, waiting for
// the message to be stored. apiBase stands in for https://discord.com/api when it is not
// empty (a local test server); it must itself be https, or there is no address.
[[nodiscard]] std::optional<std::string> PostAddress(const Webhook& webhook,
                                                     std::string_view apiBase = {});

}  // namespace kelvane::sharing
