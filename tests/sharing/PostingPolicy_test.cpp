#include "sharing/PostingPolicy.h"

#include <gtest/gtest.h>

#include <clocale>
#include <vector>

namespace kelvane::sharing {
namespace {

using Step = PostDecision::Step;
using std::chrono::milliseconds;

struct Expected {
    Step step;
    long long waitMs;
    const char* reason;
};

struct PolicyCase {
    const char* name;
    std::vector<PostAnswer> answers;  // in turn, to one policy
    std::vector<Expected> decisions;
};

// Each answer is read under a locale that writes decimal commas, where the system has one: the
// C library's own reading of "0.5" stops at the point there.
class PostingPolicyTest : public testing::TestWithParam<PolicyCase> {
  protected:
    void SetUp() override {
        for (const char* name : {"de_DE.UTF-8", "German_Germany.1252"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) return;
        }
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(PostingPolicyTest, DecidesEachAnswer) {
    PostingPolicy policy;
    ASSERT_EQ(GetParam().answers.size(), GetParam().decisions.size());
    for (std::size_t turn = 0; turn < GetParam().answers.size(); ++turn) {
        const PostDecision decision = policy.Decide(GetParam().answers[turn]);
        const Expected& expected = GetParam().decisions[turn];
        EXPECT_EQ(decision.step, expected.step) << "turn " << turn;
        EXPECT_EQ(decision.wait, milliseconds(expected.waitMs)) << "turn " << turn;
        EXPECT_EQ(decision.reason, expected.reason) << "turn " << turn;
    }
}

const PostAnswer kDropped{0, "", "", false};
const PostAnswer kOk{200, R"({"id":"1","content":"x"})", "", false};

INSTANTIATE_TEST_SUITE_P(
    Answers, PostingPolicyTest,
    testing::Values(
        PolicyCase{"SentOnAnySuccess",
                   {kOk, {204, "", "", false}},
                   {{Step::Sent, 0, ""}, {Step::Sent, 0, ""}}},
        PolicyCase{"RateLimitFromBody",
                   {{429,
                     R"({"message":"You are being rate limited.","retry_after":0.3371,)"
                     R"("global":false,"code":0})",
                     "1", false}},
                   {{Step::RetryLater, 338, ""}}},
        PolicyCase{"RateLimitInAnyLocale",
                   {{429, R"({"retry_after": 0.5})", "", false},
                    {429, R"({"retry_after": 1.25e0, "global": true})", "3", false}},
                   {{Step::RetryLater, 500, ""}, {Step::RetryLater, 1250, ""}}},
        PolicyCase{"RateLimitFromHeader",
                   {{429, "not json", "2", false},
                    {429, R"({"retry_after": "0.5"})", "1.25", false},
                    {429, "", "", false}},
                   {{Step::RetryLater, 2000, ""},
                    {Step::RetryLater, 1250, ""},
                    {Step::RetryLater, 1000, ""}}},
        PolicyCase{"BackoffDoublesToAMinuteAndResets",
                   {kDropped,
                    {502, "", "", false},
                    kDropped,
                    kDropped,
                    kDropped,
                    kDropped,
                    kDropped,
                    kDropped,
                    kOk,
                    kDropped},
                   {{Step::RetryLater, 1000, ""},
                    {Step::RetryLater, 2000, ""},
                    {Step::RetryLater, 4000, ""},
                    {Step::RetryLater, 8000, ""},
                    {Step::RetryLater, 16000, ""},
                    {Step::RetryLater, 32000, ""},
                    {Step::RetryLater, 60000, ""},
                    {Step::RetryLater, 60000, ""},
                    {Step::Sent, 0, ""},
                    {Step::RetryLater, 1000, ""}}},
        PolicyCase{"WebhookGone",
                   {{404, R"({"message": "Unknown Webhook", "code": 10015})", "", false},
                    {401, R"({"message": "Invalid Webhook Token", "code": 50027})", "", false}},
                   {{Step::WebhookGone, 0, ""}, {Step::WebhookGone, 0, ""}}},
        PolicyCase{"BadMessageDroppedWithDiscordsReason",
                   {{400,
                     R"({"code": 50035, "errors": {"content": {"_errors": [{"code": )"
                     R"("BASE_TYPE_MAX_LENGTH", "message": "Must be 2000 or fewer in )"
                     R"(length."}]}}, "message": "Invalid Form Body"})",
                     "", false},
                    {400, "", "", false}},
                   {{Step::Drop, 0, "Invalid Form Body: content: Must be 2000 or fewer in length."},
                    {Step::Drop, 0, "HTTP 400"}}},
        // Refusals that say nothing of the one message: a proxy's or Discord's, and redirects,
        // which are never followed.
        PolicyCase{"EveryMessageRefused",
                   {{403, R"({"message": "Missing Access", "code": 50001})", "", false},
                    {403, "<html><body>Forbidden</body></html>", "", false},
                    {405, "", "", false},
                    {413, "", "", false},
                    {301, "", "", false},
                    {308, "", "", false}},
                   {{Step::Refused, 0, "HTTP 403: Missing Access"},
                    {Step::Refused, 0, "HTTP 403"},
                    {Step::Refused, 0, "HTTP 405"},
                    {Step::Refused, 0, "HTTP 413"},
                    {Step::Refused, 0, "HTTP 301"},
                    {Step::Refused, 0, "HTTP 308"}}},
        PolicyCase{"NameRefused",
                   {{400,
                     R"({"code": 50035, "errors": {"username": {"_errors": [{"code": )"
                     R"("USERNAME_INVALID_CONTAINS", "message": "Username cannot contain )"
                     R"(\"discord\""}]}}, "message": "Invalid Form Body"})",
                     "", false}},
                   {{Step::NameRefused, 0,
                     "Invalid Form Body: username: Username cannot contain \"discord\""}}},
        PolicyCase{"CertificateRefused", {{0, "", "", true}}, {{Step::CertificateRefused, 0, ""}}}),
    [](const testing::TestParamInfo<PolicyCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kelvane::sharing
