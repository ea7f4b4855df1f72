#include "sharing/TableMessage.h"

#include <gtest/gtest.h>

namespace kelvane::sharing {
namespace {

struct ContentCase {
    SharedRoll roll;
    std::size_t most;
    const char* content;
};

class MessageContentTest : public testing::TestWithParam<ContentCase> {};

TEST_P(MessageContentTest, BoldsLabelAndTotalEscapesAndCuts) {
    const std::string content = MessageContent(GetParam().roll, GetParam().most);
    EXPECT_EQ(content, GetParam().content);
    EXPECT_LE(DiscordLength(content), GetParam().most);
}

INSTANTIATE_TEST_SUITE_P(
    Rolls, MessageContentTest,
    testing::Values(
        ContentCase{{"Longsword", "d20+5", "[17]+5", 22, "", "22 or more: 15.00 %"},
                    2000,
                    "**Longsword** d20+5: [17]+5 = **22** · 22 or more: 15.00 %"},
        ContentCase{{"", "3d6", "[1, 2, 3]", 6, "", ""}, 2000, "3d6: [1, 2, 3] = **6**"},
        ContentCase{
            {"@everyone *hi*\n# <@1> [x](y) ~~s~~ `c` ||p|| :e:", "4dF", "[-1]", -1, "", ""},
            2000,
            "**\\@everyone \\*hi\\* \\# \\<\\@1\\> [x]\\(y\\) \\~\\~s\\~\\~ \\`c\\` "
            "\\|\\|p\\|\\| \\:e\\:** 4dF: [-1] = **-1**"},
        // The dice give way first, never inside an escape; the total and standing stay.
        ContentCase{{"", "9d6*2", "[6, 6, 6, 6, 6]*2", 60, "", "60 or more: 1.00 %"},
                    52,
                    "9d6\\*2: [6, 6, 6, 6, … = **60** · 60 or more: 1.00 %"},
        ContentCase{{"", "3d6>=6", "[6*, 6*, 6*]", 3, "", ""}, 26, "3d6\\>=6: [6\\*, 6… = **3**"},
        // Dice longer than the whole message, escaped only as far as the message reaches.
        ContentCase{{"", "10d6>=6", "[6*, 6*, 6*, 6*, 6*, 6*, 6*, 6*, 6*, 6*]", 10, "", ""},
                    30,
                    "10d6\\>=6: [6\\*, 6\\*,… = **10**"},
        // Then the label, counted in UTF-16 units (the die emoji counts twice).
        ContentCase{{"Épée 🎲🎲 of doom", "d8", "[8]", 8, "", ""}, 24, "**Épée …** d8: … = **8**"},
        // The outcome in bold with its chance; a band's name is the player's, escaped.
        ContentCase{{"Sneak", "bitd 3", "[5, 2d, 1d]", 5, "Partial", "(45.37 %)"},
                    2000,
                    "**Sneak** bitd 3: [5, 2d, 1d] = **5** · **Partial** (45.37 %)"},
        ContentCase{{"", "2d6", "[3, 4]", 7, "*Weak* hit", ""},
                    2000,
                    "2d6: [3, 4] = **7** · **\\*Weak\\* hit**"}));

TEST(MessageContentTest, LongestRollKeepsItsTotalWithinTheLimit) {
    std::string dice = "[";
    for (int die = 0; die < 1000000; ++die) dice += "6*, ";
    const std::string content =
        MessageContent({std::string(5000, '_'), "1000000d6>=6", dice + "]", 1000000, "", "x"});
    EXPECT_LE(DiscordLength(content), kMostContentCharacters);
    EXPECT_TRUE(content.ends_with("… = **1000000** · x")) << content.substr(content.size() - 40);
}

struct BodyCase {
    const char* content;
    const char* username;
    const char* body;
};

class MessageBodyTest : public testing::TestWithParam<BodyCase> {};

TEST_P(MessageBodyTest, EscapesJsonAndTurnsMentionsOff) {
    const std::string body = MessageBody(GetParam().content, GetParam().username);
    EXPECT_EQ(body, GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, MessageBodyTest,
    testing::Values(BodyCase{"**22**", "",
                             R"({"allowed_mentions":{"parse":[]},"content":"**22**"})"},
                    BodyCase{"a \"q\" \\ b\x01", "Zoë \"Z\"",
                             R"({"allowed_mentions":{"parse":[]},"content":"a \"q\" \\ b\u0001",)"
                             R"("username":"Zoë \"Z\""})"}));

TEST(CheckNameTest, RefusesWhatDiscordRefuses) {
    EXPECT_EQ(CheckName(""), NameProblem::None);
    EXPECT_EQ(CheckName("Thorin Oakenshield"), NameProblem::None);
    EXPECT_EQ(CheckName("my DisCord bot"), NameProblem::Reserved);
    EXPECT_EQ(CheckName("Clyde"), NameProblem::Reserved);
    EXPECT_EQ(CheckName(std::string(80, 'a')), NameProblem::None);
    EXPECT_EQ(CheckName(std::string(81, 'a')), NameProblem::TooLong);
}

}  // namespace
}  // namespace kelvane::sharing
