#include "sharing/PostingPolicy.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace kelvane::sharing {
namespace {

using nlohmann::json;

// Discord's codes for a webhook that no longer exists or whose token was reset.
constexpr int kUnknownWebhook = 10015;
constexpr int kInvalidWebhookToken = 50027;
// A wait beyond an hour is not a rate limit a player would sit through; it is retried then.
constexpr double kLongestWaitSeconds = 3600.0;

std::chrono::milliseconds Milliseconds(double seconds) {
    seconds = std::clamp(seconds, 0.0, kLongestWaitSeconds);
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000.0)));
}

// An answer's body as JSON; discarded (neither object nor anything else) when it is not JSON.
json Read(std::string_view body) { return json::parse(body, nullptr, false); }

// The member name of an object, or nothing when there is no such member or no object.
const json* Member(const json& value, const char* name) {
    if (!value.is_object()) return nullptr;
    const auto found = value.find(name);
    return found == value.end() ? nullptr : &*found;
}

std::string Text(const json* value) {
    return value != nullptr && value->is_string() ? value->get<std::string>() : std::string();
}

// Each field an "Invalid Form Body" error names, with its first message, such as
// "username: Username cannot contain "discord"".
void CollectFieldErrors(const json& errors, const std::string& path, std::string& into,
                        bool& nameRefused) {
    if (const json* list = Member(errors, "_errors"); list && list->is_array() && !list->empty()) {
        const std::string message = Text(Member(list->front(), "message"));
        into += (into.empty() ? "" : "; ") + path + ": " + (message.empty() ? "?" : message);
        if (path == "username") nameRefused = true;
    }
    if (!errors.is_object()) return;
    for (const auto& [name, member] : errors.items()) {
        if (name != "_errors") {
            CollectFieldErrors(member, path.empty() ? name : path + "." + name, into, nameRefused);
        }
    }
}

}  // namespace

std::chrono::milliseconds RateLimitWait(std::string_view body, std::string_view retryAfterHeader) {
    const json answer = Read(body);
    if (const json* retryAfter = Member(answer, "retry_after");
        retryAfter && retryAfter->is_number()) {
        return Milliseconds(retryAfter->get<double>());
    }
    // from_chars reads numbers as C++ writes them, whatever the C library's locale.
    double seconds = 0;
    const char* end = retryAfterHeader.data() + retryAfterHeader.size();
    const auto [at, error] = std::from_chars(retryAfterHeader.data(), end, seconds);
    if (!retryAfterHeader.empty() && error == std::errc() && at == end && std::isfinite(seconds)) {
        return Milliseconds(seconds);
    }
    return std::chrono::milliseconds(1000);
}

PostDecision PostingPolicy::Decide(const PostAnswer& answer) {
    using Step = PostDecision::Step;
    if (answer.certificateRefused) return {Step::CertificateRefused, {}, {}};
    if (answer.status >= 200 && answer.status < 300) {
        nextPause_ = kFirstPause;
        return {Step::Sent, {}, {}};
    }
    if (answer.status == 429)
        return {Step::RetryLater, RateLimitWait(answer.body, answer.retryAfterHeader), {}};
    if (answer.status == 0 || answer.status >= 500) {
        const auto pause = nextPause_;
        nextPause_ = std::min(nextPause_ * 2, kLongestPause);
        return {Step::RetryLater, pause, {}};
    }
    nextPause_ = kFirstPause;

    const json body = Read(answer.body);
    const json* code = Member(body, "code");
    const auto discordCode = code && code->is_number_integer() ? code->get<long long>() : 0;
    if (answer.status == 401 || answer.status == 404 || discordCode == kUnknownWebhook ||
        discordCode == kInvalidWebhookToken) {
        return {Step::WebhookGone, {}, {}};
    }
    std::string reason = Text(Member(body, "message"));
    if (answer.status != 400) {
        const std::string status = "HTTP " + std::to_string(answer.status);
        return {Step::Refused, {}, reason.empty() ? status : status + ": " + reason};
    }
    std::string fields;
    bool nameRefused = false;
    if (const json* errors = Member(body, "errors"))
        CollectFieldErrors(*errors, "", fields, nameRefused);
    if (!fields.empty()) reason += (reason.empty() ? "" : ": ") + fields;
    if (reason.empty()) reason = "HTTP 400";
    return {nameRefused ? Step::NameRefused : Step::Drop, {}, reason};
}

}  // namespace kelvane::sharing
