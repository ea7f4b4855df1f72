#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "engine/Distribution.h"
#include "engine/Notation.h"
#include "tests/support/EngineBench.h"
#include "tests/support/ScriptedRandomSource.h"

namespace kelvane {
namespace {

using notation::ErrorCode;

struct GrammarCase {
    const char* text;
    const char* canonical;  // nullptr: refused with code at column
    ErrorCode code = ErrorCode::Empty;
    int column = 0;
};

void PrintTo(const GrammarCase& row, std::ostream* out) { *out << row.text; }

class GroupGrammar : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(GroupGrammar, ReadsIntoCanonicalFormOrRefusesAtColumn) {
    const GrammarCase& row = GetParam();
    const auto parsed = notation::Parse(row.text);
    if (row.canonical == nullptr) {
        ASSERT_TRUE(std::holds_alternative<notation::Error>(parsed));
        EXPECT_EQ(std::get<notation::Error>(parsed), (notation::Error{row.code, row.column}));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<notation::Expression>(parsed));
    const auto& expression = std::get<notation::Expression>(parsed);
    EXPECT_EQ(expression.Normalised(), row.canonical);
    const auto again = notation::Parse(expression.Normalised());
    ASSERT_TRUE(std::holds_alternative<notation::Expression>(again));
    EXPECT_EQ(std::get<notation::Expression>(again).groups.size(), expression.groups.size());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AcceptedAndRefused, GroupGrammar,
    ::testing::Values(
        GrammarCase{"{d8!, d6!}kh1", "{d8!, d6!}kh1"},
        GrammarCase{"{4d6,4d6,4d6}k", "{4d6, 4d6, 4d6}kh1"},
        GrammarCase{"{4D6 + 2d8}KH3", "{4d6+2d8}kh3"},
        GrammarCase{"{d8!,d6!}kh1+1", "{d8!, d6!}kh1+1"},
        GrammarCase{"{3d6, 2d10}>=10f3", "{3d6, 2d10}>=10f3"},
        GrammarCase{"{2d6+3, (d20)}dl1", "{2d6+3, d20}dl1"},
        GrammarCase{"2*-{(4d6+2d8)}>5", "2*-{4d6+2d8}>5"},
        GrammarCase{"{3, d6}kh1 ? 5+ High; Low # Try", "{3, d6}kh1 ? 5+ High; Low"},
        GrammarCase{"{d6, d4", nullptr, ErrorCode::ExpectedCloseBrace, 8},
        GrammarCase{"{d6, {d4}}", nullptr, ErrorCode::GroupInGroup, 6},
        GrammarCase{"{d6, d4}r1", nullptr, ErrorCode::GroupModifier, 9},
        GrammarCase{"{d6, d4}kh1!", nullptr, ErrorCode::GroupModifier, 12},
        GrammarCase{"{2d6+3}kh1", nullptr, ErrorCode::GroupOfOneNotDice, 6},
        GrammarCase{"{4d6-d8}", nullptr, ErrorCode::GroupOfOneNotDice, 5},
        GrammarCase{"{d8+4d6kh3}kh1", nullptr, ErrorCode::ModifierInGroupOfOne, 5},
        GrammarCase{"d6}", nullptr, ErrorCode::UnmatchedCloseBrace, 3},
        GrammarCase{"{d6,}", nullptr, ErrorCode::ExpectedOperand, 5},
        GrammarCase{"{}", nullptr, ErrorCode::ExpectedOperand, 2},
        GrammarCase{"{d6, d4}f1", nullptr, ErrorCode::FailureWithoutTarget, 9},
        GrammarCase{"{d6, d4}kh1kl1", nullptr, ErrorCode::RepeatedModifier, 12},
        GrammarCase{"{d6, d4}dx", nullptr, ErrorCode::ExpectedHighOrLow, 10},
        GrammarCase{"{(d6, d4}", nullptr, ErrorCode::ExpectedCloseParen, 5},
        GrammarCase{"{d6 x}", nullptr, ErrorCode::ExpectedOperator, 5}));
// clang-format on

struct OddsCase {
    const char* text;
    std::int64_t low;  // of the totals whose chance is given
    std::int64_t high;
    double chance;  // worked out by hand
};

void PrintTo(const OddsCase& row, std::ostream* out) { *out << row.text; }

class GroupOdds : public ::testing::TestWithParam<OddsCase> {};

TEST_P(GroupOdds, AreExactOrderStatisticsOfTheRolls) {
    const OddsCase& row = GetParam();
    const auto expression = std::get<notation::Expression>(notation::Parse(row.text));
    const Distribution odds = DistributionOf(expression);
    EXPECT_TRUE(odds.IsExact());
    EXPECT_NEAR(odds.Between(row.low, row.high), row.chance, 1e-12);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ByHand, GroupOdds,
    ::testing::Values(
        // Not both below 6: 1 - 25/36.
        OddsCase{"{d6, d6}kh1", 6, 6, 11.0 / 36.0},
        OddsCase{"{d6, d6}kh1+1", 7, 7, 11.0 / 36.0},
        // At most 4 less at most 3: 4/6 - 3/6 * 3/4.
        OddsCase{"{d6, d4}kh1", 4, 4, 7.0 / 24.0},
        // Not both above 1: 1 - 5/6 * 3/4.
        OddsCase{"{d6, d4}kl1", 1, 1, 9.0 / 24.0},
        // A group of one roll keeps among all its dice: 4/6 - (3/4)^2 * 3/6.
        OddsCase{"{2d4+d6}kh1", 4, 4, 37.0 / 96.0},
        // Two 6s at least: 3 * 5/216 + 1/216.
        OddsCase{"{d6, d6, d6}kh2", 12, 12, 16.0 / 216.0},
        // 3d6 reaches 11 half the time, 2d10 reaches 10 64 times in 100 (36 sums below).
        OddsCase{"{3d6-1, 2d10}>=10", 2, 2, 0.5 * 0.64},
        OddsCase{"{3d6-1, 2d10}>=10", 0, 0, 0.5 * 0.36},
        // Exploding rolls: a d8! at most 5 and a d6! at most 5; a 6 only from the d8.
        OddsCase{"{d8!, d6!}kh1", 1, 5, 25.0 / 48.0},
        OddsCase{"{d8!, d6!}kh1", 6, 6, 5.0 / 48.0},
        // No success among all the dice of a group of one roll: (3/4)^2 * 3/6.
        OddsCase{"{2d4+d6}>=4", 0, 0, 9.0 / 32.0}));
// clang-format on

struct RollCase {
    const char* text;
    std::vector<std::string> lines;
    const char* clipboard;
};

void PrintTo(const RollCase& row, std::ostream* out) { *out << row.text; }

class GroupRolls : public ::testing::TestWithParam<RollCase> {};

// The draws 0.5, 0 and just below 1, over and over: a d8 shows 5, 1, 8, a d6 4, 1, 6.
TEST_P(GroupRolls, ListEachRollAndMarkWhatTheGroupKept) {
    const RollCase& row = GetParam();
    testing::ScriptedRandomSource random({0.5F, 0.0F, 1.0F - 1.0F / 16777216.0F});
    testing::EngineBench bench(random);
    ASSERT_TRUE(std::holds_alternative<RollRecord>(
        bench.engine.RollNotation(row.text, bench.list, bench.total)));
    EXPECT_EQ(bench.Lines(), row.lines);
    EXPECT_EQ(bench.clipboard.Text(), row.clipboard);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Scripted, GroupRolls,
    ::testing::Values(
        RollCase{"{d8, d6}kh1+1",
                 {"d8 = 5", "{d8} = 5", "d6 = 1", "{d6} = 1 (dropped)", "{d8, d6}kh1+1 = 6"},
                 "{d8, d6}kh1+1: {[5], [1]d}+1 = 6\r\n"},
        RollCase{"{d20, d6+3}kh1",
                 {"d20 = 11", "{d20} = 11", "d6 = 1", "{d6+3} = 4 (dropped)", "{d20, d6+3}kh1 = 11"},
                 "{d20, d6+3}kh1: {[11], ([1]+3)d} = 11\r\n"},
        RollCase{"{3, 2d6, d6}>=5",
                 {"{3} = 3", "d6-1 = 4", "d6-2 = 1", "{2d6} = 5 (success)", "d6 = 6",
                  "{d6} = 6 (success)", "{3, 2d6, d6}>=5 = 2"},
                 "{3, 2d6, d6}>=5: {3, [4, 1]*, [6]*} = 2\r\n"},
        RollCase{"{2d4+d6}kh2 ? 9+ High; Low",
                 {"d4-1 = 3", "d4-2 = 1 (dropped)", "d6 = 6", "{2d4+d6}kh2 = 9 · High"},
                 "{2d4+d6}kh2: {[3, 1d]+[6]} = 9 · High\r\n"}));
// clang-format on

}  // namespace
}  // namespace kelvane
