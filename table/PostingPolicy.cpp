#include "PostingPolicy.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Json.h"

namespace kelvane::table {
namespace {

// Discord's codes for a webhook that no longer exists or whose token was reset.
constexpr int kUnknownWebhook = 10015;
constexpr int kInvalidWebhookToken = 50027;
// A wait beyond an hour is not a rate limit a player would sit through; it is retried then.
constexpr double kLongestWaitSeconds = 3600.0;

std::chrono::milliseconds Milliseconds(double seconds) {
    seconds = std::clamp(seconds, 0.0, kLongestWaitSeconds);
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000.0)));
}

// Each field an "Invalid Form Body" error names, with its first message, such as
// "username: Username cannot contain "discord"".
void CollectFieldErrors(const JsonValue& errors, const std::string& path, std::string& into,
                        bool& nameRefused) {
    if (const auto* list = errors.Member("_errors")) {
        if (const auto* items = std::get_if<JsonValue::Array>(&list->value);
            items && !items->empty()) {
            const auto* message = items->front().Member("message");
            into += (into.empty() ? "" : "; ") + path + ": " +
                    (message && message->Text() ? *message->Text() : std::string("?"));
            if (path == "username") nameRefused = true;
        }
    }
    if (const auto* members = std::get_if<JsonValue::Object>(&errors.value)) {
        for (const auto& [name, member] : *members) {
            if (name != "_errors") {
                CollectFieldErrors(member, path.empty() ? name : path + "." + name, into,
                                   nameRefused);
            }
        }
    }
}

}  // namespace

std::chrono::milliseconds RateLimitWait(std::string_view body, std::string_view retryAfterHeader) {
    if (const auto answer = ReadJson(body)) {
        if (const auto* retryAfter = answer->Member("retry_after")) {
            if (const auto seconds = retryAfter->Number()) return Milliseconds(*seconds);
        }
    }
    const std::string header(retryAfterHeader);
    char* end = nullptr;
    const double seconds = std::strtod(header.c_str(), &end);
    if (!header.empty() && end == header.c_str() + header.size() && std::isfinite(seconds)) {
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

    const auto json = ReadJson(answer.body);
    const JsonValue* code = json ? json->Member("code") : nullptr;
    const int discordCode = code && code->Number() ? static_cast<int>(*code->Number()) : 0;
    if (answer.status == 401 || answer.status == 404 || discordCode == kUnknownWebhook ||
        discordCode == kInvalidWebhookToken) {
        return {Step::WebhookGone, {}, {}};
    }
    std::string reason;
    if (const auto* message = json ? json->Member("message") : nullptr;
        message && message->Text()) {
        reason = *message->Text();
    }
    std::string fields;
    bool nameRefused = false;
    if (const auto* errors = json ? json->Member("errors") : nullptr) {
        CollectFieldErrors(*errors, "", fields, nameRefused);
    }
    if (!fields.empty()) reason += (reason.empty() ? "" : ": ") + fields;
    if (reason.empty()) reason = "HTTP " + std::to_string(answer.status);
    nextPause_ = kFirstPause;
    return {nameRefused ? Step::NameRefused : Step::Drop, {}, reason};
}

}  // namespace kelvane::table
