#include "engine/RollRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace kelvane {
namespace {

struct ChatCase {
    std::string name;
    std::string notation;  // empty for the die buttons' three dice of -6 sides
    std::vector<std::vector<notation::RolledDie>> terms;
    std::size_t mostDice;
    std::string dice;
};

RollRecord RecordOf(const ChatCase& row) {
    RollRecord record;
    if (row.notation.empty()) {
        record.rolled = DiceOfButtons{3, -6};
    } else {
        record.rolled = std::get<notation::Expression>(notation::Parse(row.notation));
    }
    for (const auto& dice : row.terms) {
        record.terms.push_back({dice, 0});
    }
    return record;
}

class ChatDiceTest : public testing::TestWithParam<ChatCase> {};

TEST_P(ChatDiceTest, WritesTheDiceAndCutsAfterTheMost) {
    EXPECT_EQ(ChatDice(RecordOf(GetParam()), GetParam().mostDice), GetParam().dice);
}

constexpr std::uint8_t kDropped = notation::kDropped;
constexpr std::uint8_t kExploded = notation::kExploded;

INSTANTIATE_TEST_SUITE_P(
    RollRecord, ChatDiceTest,
    testing::Values(
        ChatCase{"under", "4d6dl1+2", {{{4}, {5}, {4}, {1, kDropped}}}, 4, "[4, 5, 4, 1d]+2"},
        ChatCase{"over", "4d6dl1+2", {{{4}, {5}, {4}, {1, kDropped}}}, 2, "[4, 5, …] (4 dice)"},
        ChatCase{"across_terms",
                 "2d6!+2d6*2",
                 {{{6, kExploded}, {2}}, {{3}, {1}}},
                 3,
                 "[6!, 2]+[3, …] (4 dice)"},
        ChatCase{"on_a_terms_last_die",
                 "(2d6+3)*2d4",
                 {{{6}, {2}}, {{3}, {1}}},
                 2,
                 "([6, 2, …] (4 dice)"},
        ChatCase{"empty_terms", "0d6+2d6+0d6", {{}, {{3}, {4}}, {}}, 1, "[]+[3, …] (2 dice)"},
        ChatCase{"buttons", "", {{{-1}, {0}, {1}}}, kAllDice, "[-1, 0, 1]"},
        ChatCase{"buttons_cut", "", {{{-1}, {0}, {1}}}, 1, "[-1, …] (3 dice)"}),
    [](const auto& info) { return info.param.name; });

TEST(RollRecord, ChatLineGivesNameDiceTotalAndLabel) {
    RollRecord record = RecordOf({"", "d20+5", {{{17}}}, kAllDice, ""});
    record.name = "d20+5";
    record.label = "Longsword";
    record.total = 22;
    EXPECT_EQ(ChatLine(record), "d20+5: [17]+5 = 22 # Longsword");
}

}  // namespace
}  // namespace kelvane
