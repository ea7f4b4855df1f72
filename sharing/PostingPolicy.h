#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane::sharing {

// What came back from posting one message: the HTTP status (0 when no answer came: the
// connection failed, dropped or timed out), the body and the headers that matter.
struct PostAnswer {
    int status = 0;
    std::string body;
    std::string retryAfterHeader;  // Retry-After, in seconds
    bool certificateRefused = false;
};

// What to do with the message at the head of the outbox after an answer.
struct PostDecision {
    enum class Step {
        Sent,                // remove it, post the next one
        RetryLater,          // keep it, post it again after wait
        Drop,                // Discord will never take it: remove it, note reason, go on
        WebhookGone,         // stop sharing, keep the outbox, ask for a new webhook
        NameRefused,         // stop sharing, keep the outbox, ask for another name
        CertificateRefused,  // stop sharing, keep the outbox: the server is not who it says
        Refused,             // stop sharing, keep the outbox: a refusal of every message alike
    };
    Step step = Step::Sent;
    std::chrono::milliseconds wait{0};
    // Discord's own words for a dropped message or a refused name, such as
    // "Invalid Form Body: content: Must be 2000 or fewer in length.", or the status and its
    // message for a refusal, such as "HTTP 403: Missing Access".
    std::string reason;
};

// Decides, from each answer in turn, what becomes of the message being posted: sent on 2xx;
// after a 429, once Discord's retry_after (or Retry-After) has passed; after a network error or
// a 5xx, with a pause of 1 s that doubles up to 60 s while they go on; the webhook gone on 401
// and 404; on 400, the message dropped, or the name refused if it is the name Discord names.
// Any other answer (a 403, another 4xx, a redirect) says nothing of this one message, so
// sharing stops and every message is kept.
class PostingPolicy {
  public:
    static constexpr std::chrono::milliseconds kFirstPause{1000};
    static constexpr std::chrono::milliseconds kLongestPause{60000};

    [[nodiscard]] PostDecision Decide(const PostAnswer& answer);

  private:
    std::chrono::milliseconds nextPause_ = kFirstPause;
};

// The wait a 429 asks for, in milliseconds rounded up: retry_after from the JSON body, else the
// Retry-After header, else a second.
[[nodiscard]] std::chrono::milliseconds RateLimitWait(std::string_view body,
                                                      std::string_view retryAfterHeader);

}  // namespace kelvane::sharing
