#include "sharing/WebhookAddress.h"

#include <gtest/gtest.h>

namespace kelvane::sharing {
namespace {

struct UrlCase {
    const char* url;
    // The address posted to, or empty when the URL is refused with problem.
    const char* address;
    WebhookUrlProblem problem;
};

class WebhookUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(WebhookUrlTest, PostsToVersionTenOnDiscordOrRefuses) {
    const auto read = ReadWebhookUrl(GetParam().url);
    if (*GetParam().address == '\0') {
        ASSERT_TRUE(std::holds_alternative<WebhookUrlProblem>(read));
        EXPECT_EQ(std::get<WebhookUrlProblem>(read), GetParam().problem);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Webhook>(read));
    EXPECT_EQ(PostAddress(std::get<Webhook>(read)), GetParam().address);
}

using P = WebhookUrlProblem;
constexpr const char* kPosted = "https://discord.com/api/v10/webhooks/123456/Ab-c_9.x?wait=true";
INSTANTIATE_TEST_SUITE_P(
    Urls, WebhookUrlTest,
    testing::Values(
        UrlCase{"https://discord.com/api/webhooks/123456/Ab-c_9.x", kPosted, P::Empty},
        UrlCase{"  https://discordapp.com/api/webhooks/123456/Ab-c_9.x/\n", kPosted, P::Empty},
        UrlCase{"HTTPS://PTB.Discord.com/api/v9/webhooks/123456/Ab-c_9.x", kPosted, P::Empty},
        UrlCase{"https://canary.discord.com/api/v6/webhooks/123456/Ab-c_9.x", kPosted, P::Empty},
        UrlCase{" ", "", P::Empty},
        UrlCase{"http://discord.com/api/webhooks/123456/Abc", "", P::NotHttps},
        UrlCase{"discord.com/api/webhooks/123456/Abc", "", P::NotHttps},
        UrlCase{"https://discord.com.evil.example/api/webhooks/1/Abc", "", P::NotDiscordHost},
        UrlCase{"https://discord.com:8443/api/webhooks/1/Abc", "", P::NotDiscordHost},
        UrlCase{"https://me@discord.com/api/webhooks/1/Abc", "", P::NotDiscordHost},
        UrlCase{"https://evil.example/https://discord.com/api/webhooks/1/A", "", P::NotDiscordHost},
        UrlCase{"https://discord.com", "", P::NotWebhookPath},
        UrlCase{"https://discord.com/api/webhooks/123456", "", P::NotWebhookPath},
        UrlCase{"https://discord.com/api/webhooks/1/Abc/slack", "", P::NotWebhookPath},
        UrlCase{"https://discord.com/api/webhooks/1/Abc?thread_id=5", "", P::NotWebhookPath},
        UrlCase{"https://discord.com/api/vx/webhooks/1/Abc", "", P::NotWebhookPath},
        UrlCase{"https://discord.com/channels/1/2", "", P::NotWebhookPath},
        UrlCase{"https://discord.com/api/webhooks/12a/Abc", "", P::BadId},
        UrlCase{"https://discord.com/api/webhooks/123456789012345678901/Abc", "", P::BadId},
        UrlCase{"https://discord.com/api/webhooks/1/Ab%2Fc", "", P::BadToken}));

TEST(PostAddressTest, KeepsTheIdAndTokenAndOnlyTls) {
    const Webhook webhook{"42", "tok"};
    const std::string local = "https://127.0.0.1:8443/api/v10/webhooks/42/tok?wait=true";
    EXPECT_EQ(PostAddress(webhook, "https://127.0.0.1:8443/api"), local);
    EXPECT_EQ(PostAddress(webhook, "https://127.0.0.1:8443/api/"), local);
    EXPECT_EQ(PostAddress(webhook, "http://127.0.0.1:8080/api"), std::nullopt);
    EXPECT_EQ(PostAddress(webhook, "127.0.0.1:8443"), std::nullopt);
}

}  // namespace
}  // namespace kelvane::sharing
