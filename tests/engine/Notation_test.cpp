#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "engine/Distribution.h"
#include "engine/NotationRoll.h"
#include "platform/MersenneRandomSource.h"
#include "tests/support/EngineBench.h"
#include "tests/support/ScriptedRandomSource.h"

namespace kelvane {
namespace {

using notation::ErrorCode;

// The draw that shows the given face on a die of the given sides.
float Face(int face, int sides) {
    return (static_cast<float>(face) - 0.5F) / static_cast<float>(sides);
}

struct NotationCase {
    const char* text;
    std::vector<float> draws;
    std::vector<std::string> lines;  // after a line left by an earlier roll
    const char* frame;
    const char* total;
    const char* clipboard;
};

void PrintTo(const NotationCase& roll, std::ostream* out) { *out << roll.text; }

class NotationOutputs : public ::testing::TestWithParam<NotationCase> {};

TEST_P(NotationOutputs, WriteListCaptionTotalAndClipboard) {
    const NotationCase& roll = GetParam();
    testing::ScriptedRandomSource random(roll.draws);
    testing::EngineBench bench(random);
    ListLines earlier;
    earlier.Add("earlier");
    bench.list.AddItems(std::move(earlier));

    const auto shown = bench.engine.RollNotation(roll.text, bench.list, bench.total);

    ASSERT_TRUE(std::holds_alternative<RollRecord>(shown));
    EXPECT_EQ(bench.Lines(), roll.lines);
    EXPECT_EQ(bench.frame.Caption(), roll.frame);
    EXPECT_EQ(bench.total.Caption(), roll.total);
    EXPECT_EQ(bench.clipboard.Text(), roll.clipboard);
}

// One row for each form of the notation.
INSTANTIATE_TEST_SUITE_P(
    EveryForm, NotationOutputs,
    ::testing::Values(
        NotationCase{"d20+5",
                     {Face(17, 20)},
                     {"earlier", "d20 = 17", "d20+5 = 22"},
                     "Result: d20+5",
                     "22",
                     "d20+5: [17]+5 = 22\r\n"},
        NotationCase{"3d6",
                     {Face(4, 6), Face(5, 6), Face(2, 6)},
                     {"d6-1 = 4", "d6-2 = 5", "d6-3 = 2", "3d6 = 11"},
                     "Result: 3d6",
                     "11",
                     "3d6: [4, 5, 2] = 11\r\n"},
        NotationCase{"d%",
                     {Face(88, 100)},
                     {"earlier", "d100 = 88"},
                     "Result: d100",
                     "88",
                     "d100: [88] = 88\r\n"},
        NotationCase{"4dF+1",
                     {0.1F, 0.5F, 0.9F, 0.9F},
                     {"dF-1 = -1", "dF-2 = 0", "dF-3 = 1", "dF-4 = 1", "4dF+1 = 2"},
                     "Result: 4dF+1",
                     "2",
                     "4dF+1: [-1, 0, 1, 1]+1 = 2\r\n"},
        NotationCase{" ( 2D6 + 3 ) * 2 - -7 / 2 ",
                     {Face(1, 6), Face(2, 6)},
                     {"d6-1 = 1", "d6-2 = 2", "(2d6+3)*2--7/2 = 16"},
                     "Result: (2d6+3)*2--7/2",
                     "16",
                     "(2d6+3)*2--7/2: ([1, 2]+3)*2--7/2 = 16\r\n"},
        NotationCase{"10-(4-1)/(2*(7/2))",
                     {0.5F},
                     {"earlier", "10-(4-1)/(2*(7/2)) = 10"},
                     "Result: 10-(4-1)/(2*(7/2))",
                     "10",
                     "10-(4-1)/(2*(7/2)): 10-(4-1)/(2*(7/2)) = 10\r\n"},
        NotationCase{"2d20k",
                     {Face(17, 20), Face(17, 20)},
                     {"d20-1 = 17", "d20-2 = 17 (dropped)", "2d20kh1 = 17"},
                     "Result: 2d20kh1",
                     "17",
                     "2d20kh1: [17, 17d] = 17\r\n"},
        NotationCase{"4d6dl1+2",
                     {Face(4, 6), Face(5, 6), Face(4, 6), Face(1, 6)},
                     {"d6-1 = 4", "d6-2 = 5", "d6-3 = 4", "d6-4 = 1 (dropped)", "4d6dl1+2 = 15"},
                     "Result: 4d6dl1+2",
                     "15",
                     "4d6dl1+2: [4, 5, 4, 1d]+2 = 15\r\n"},
        NotationCase{"3d6kl2-2d4dh9",
                     {Face(6, 6), Face(2, 6), Face(3, 6), Face(1, 4), Face(4, 4)},
                     {"d6-1 = 6 (dropped)", "d6-2 = 2", "d6-3 = 3", "d4-1 = 1 (dropped)",
                      "d4-2 = 4 (dropped)", "3d6kl2-2d4dh9 = 5"},
                     "Result: 3d6kl2-2d4dh9",
                     "5",
                     "3d6kl2-2d4dh9: [6d, 2, 3]-[1d, 4d] = 5\r\n"},
        NotationCase{
            "2d6!",
            {Face(6, 6), Face(6, 6), Face(2, 6), Face(3, 6)},
            {"d6-1 = 6 (exploded)", "d6-2 = 6 (exploded)", "d6-3 = 2", "d6-4 = 3", "2d6! = 17"},
            "Result: 2d6!",
            "17",
            "2d6!: [6!, 6!, 2, 3] = 17\r\n"},
        NotationCase{"d6!>=5",
                     {Face(5, 6), Face(1, 6)},
                     {"d6-1 = 5 (exploded)", "d6-2 = 1", "d6!>=5 = 6"},
                     "Result: d6!>=5",
                     "6",
                     "d6!>=5: [5!, 1] = 6\r\n"},
        NotationCase{"2d6!!",
                     {Face(6, 6), Face(6, 6), Face(1, 6), Face(3, 6)},
                     {"d6-1 = 13 (exploded)", "d6-2 = 3", "2d6!! = 16"},
                     "Result: 2d6!!",
                     "16",
                     "2d6!!: [13!, 3] = 16\r\n"},
        NotationCase{
            "2d6r",
            {Face(1, 6), Face(1, 6), Face(4, 6), Face(2, 6)},
            {"d6-1 = 1 (rerolled)", "d6-2 = 1 (rerolled)", "d6-3 = 4", "d6-4 = 2", "2d6r1 = 6"},
            "Result: 2d6r1",
            "6",
            "2d6r1: [1r, 1r, 4, 2] = 6\r\n"},
        NotationCase{"2d6ro<3",
                     {Face(1, 6), Face(2, 6), Face(5, 6)},
                     {"d6-1 = 1 (rerolled)", "d6-2 = 2", "d6-3 = 5", "2d6ro<3 = 7"},
                     "Result: 2d6ro<3",
                     "7",
                     "2d6ro<3: [1r, 2, 5] = 7\r\n"},
        NotationCase{"4d10f1>=8",
                     {Face(8, 10), Face(1, 10), Face(10, 10), Face(7, 10)},
                     {"d10-1 = 8 (success)", "d10-2 = 1 (failure)", "d10-3 = 10 (success)",
                      "d10-4 = 7", "4d10>=8f1 = 1"},
                     "Result: 4d10>=8f1",
                     "1",
                     "4d10>=8f1: [8*, 1_, 10*, 7] = 1\r\n"},
        NotationCase{"3d6!<2kh1=1",
                     {Face(1, 6), Face(4, 6), Face(2, 6), Face(3, 6)},
                     {"d6-1 = 1 (exploded, dropped)", "d6-2 = 4", "d6-3 = 2 (dropped)",
                      "d6-4 = 3 (dropped)", "3d6!<2kh1=1 = 0"},
                     "Result: 3d6!<2kh1=1",
                     "0",
                     "3d6!<2kh1=1: [1!d, 4, 2d, 3d] = 0\r\n"},
        // A success target after "!" is written after an explicit explosion point, so that
        // the canonical form does not read it as the faces that explode.
        NotationCase{"3d6>=5!",
                     {Face(6, 6), Face(2, 6), Face(5, 6), Face(1, 6)},
                     {"d6-1 = 6 (exploded, success)", "d6-2 = 2", "d6-3 = 5 (success)", "d6-4 = 1",
                      "3d6!6>=5 = 2"},
                     "Result: 3d6!6>=5",
                     "2",
                     "3d6!6>=5: [6!*, 2, 5*, 1] = 2\r\n"},
        NotationCase{
            "4dF!",
            {0.9F, 0.1F, 0.5F, 0.5F, 0.5F},
            {"dF-1 = 1 (exploded)", "dF-2 = -1", "dF-3 = 0", "dF-4 = 0", "dF-5 = 0", "4dF! = 0"},
            "Result: 4dF!",
            "0",
            "4dF!: [1!, -1, 0, 0, 0] = 0\r\n"},
        // Rerolled dice take no part in keep and drop; an explosion's extra die is rerolled.
        NotationCase{"4d6r1dl1",
                     {Face(1, 6), Face(4, 6), Face(5, 6), Face(2, 6), Face(3, 6)},
                     {"d6-1 = 1 (rerolled)", "d6-2 = 4", "d6-3 = 5", "d6-4 = 2 (dropped)",
                      "d6-5 = 3", "4d6r1dl1 = 12"},
                     "Result: 4d6r1dl1",
                     "12",
                     "4d6r1dl1: [1r, 4, 5, 2d, 3] = 12\r\n"},
        NotationCase{"d6r1!",
                     {Face(6, 6), Face(1, 6), Face(3, 6)},
                     {"d6-1 = 6 (exploded)", "d6-2 = 1 (rerolled)", "d6-3 = 3", "d6r1! = 9"},
                     "Result: d6r1!",
                     "9",
                     "d6r1!: [6!, 1r, 3] = 9\r\n"},
        NotationCase{"d20+5 # attack on the troll ",
                     {Face(9, 20)},
                     {"earlier", "d20 = 9", "d20+5 = 14 # attack on the troll"},
                     "Result: d20+5",
                     "14",
                     "d20+5: [9]+5 = 14 # attack on the troll\r\n"},
        NotationCase{"d1000000000",
                     {0.5F, 0.25F},
                     {"earlier", "d1000000000 = 500000015"},
                     "Result: d1000000000",
                     "500000015",
                     "d1000000000: [500000015] = 500000015\r\n"}));

struct ErrorCase {
    const char* text;
    ErrorCode code;
    int column;
};

void PrintTo(const ErrorCase& error, std::ostream* out) { *out << error.text; }

class NotationErrors : public ::testing::TestWithParam<ErrorCase> {};

std::string Repeated(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

const std::string kManyKeeps = Repeated("d6k+", 200) + "1";

// Nothing is written: the list, the caption, the total and the clipboard stay as they were.
TEST_P(NotationErrors, NameTheColumnAndWriteNothing) {
    const ErrorCase& expected = GetParam();
    testing::ScriptedRandomSource random({0.5F});
    testing::EngineBench bench(random);
    bench.frame.SetCaption("Result: 3d6");
    bench.total.SetCaption("11");

    const auto shown = bench.engine.RollNotation(expected.text, bench.list, bench.total);

    ASSERT_TRUE(std::holds_alternative<notation::Error>(shown));
    EXPECT_EQ(std::get<notation::Error>(shown), (notation::Error{expected.code, expected.column}));
    EXPECT_TRUE(bench.list.Lines().Empty());
    EXPECT_EQ(bench.frame.Caption(), "Result: 3d6");
    EXPECT_EQ(bench.total.Caption(), "11");
    EXPECT_EQ(bench.clipboard.Writes(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryError, NotationErrors,
    ::testing::Values(ErrorCase{"  # only a label", ErrorCode::Empty, 1},
                      ErrorCase{"d", ErrorCode::ExpectedSides, 2},
                      ErrorCase{"2dx", ErrorCode::ExpectedSides, 3},
                      ErrorCase{"d6+", ErrorCode::ExpectedOperand, 4},
                      ErrorCase{"d6 + * 2", ErrorCode::ExpectedOperand, 6},
                      ErrorCase{"ab", ErrorCode::ExpectedOperand, 1},
                      ErrorCase{"2(3)", ErrorCode::ExpectedOperator, 2},
                      ErrorCase{"3d6 é", ErrorCode::ExpectedOperator, 5},
                      ErrorCase{"((1+2)", ErrorCode::ExpectedCloseParen, 7},
                      ErrorCase{"(1+2 # label", ErrorCode::ExpectedCloseParen, 6},
                      ErrorCase{"1+2)", ErrorCode::UnmatchedCloseParen, 4},
                      ErrorCase{"3d6>", ErrorCode::ExpectedTarget, 5},
                      ErrorCase{"3d6f", ErrorCode::ExpectedTarget, 5},
                      ErrorCase{"3d6d2", ErrorCode::ExpectedHighOrLow, 5},
                      ErrorCase{"3d6kh1dl1", ErrorCode::RepeatedModifier, 7},
                      ErrorCase{"3d6r1ro2", ErrorCode::RepeatedModifier, 6},
                      ErrorCase{"5d10f1", ErrorCode::FailureWithoutTarget, 5},
                      ErrorCase{"99999999999999999999", ErrorCode::NumberTooLarge, 1},
                      ErrorCase{"1000001d6", ErrorCode::TooManyDice, 1},
                      ErrorCase{"600000d6+400001d4", ErrorCode::TooManyDice, 10},
                      ErrorCase{"d6+9223372036854775807d6", ErrorCode::TooManyDice, 4},
                      // Explosions and rerolls that all but surely pass the limit.
                      ErrorCase{"1000000d6!", ErrorCode::TooManyDice, 1},
                      ErrorCase{"999999d6!", ErrorCode::TooManyDice, 1},
                      ErrorCase{"1000000d6r1", ErrorCode::TooManyDice, 1},
                      ErrorCase{"500000d6!+500000d6", ErrorCode::TooManyDice, 11},
                      // 801 characters typed, 1201 written out in canonical form (k as kh1);
                      // the 168th term, at column 669, passes 1000.
                      ErrorCase{kManyKeeps.c_str(), ErrorCode::TooLong, 669},
                      ErrorCase{"d0", ErrorCode::SidesOutOfRange, 2},
                      ErrorCase{"d1000000001", ErrorCode::SidesOutOfRange, 2},
                      ErrorCase{"d1!", ErrorCode::NeverStops, 3},
                      ErrorCase{"d6r<=6", ErrorCode::NeverStops, 3},
                      ErrorCase{"4dF!>-2", ErrorCode::NeverStops, 4},
                      ErrorCase{"d6/(2-2)", ErrorCode::DivisionByZero, 3},
                      ErrorCase{"9223372036854775807+1", ErrorCode::ResultOutOfRange, 20},
                      ErrorCase{"-(-9223372036854775807-1)", ErrorCode::ResultOutOfRange, 1}));

TEST(NotationLimits, ExplosionsStopAtTheLimitAndEveryThrowCountsTowardTheDice) {
    testing::ScriptedRandomSource sixes({Face(6, 6)});
    const auto parsed = notation::Parse("d6!");
    const auto roll = notation::RollExpression(std::get<notation::Expression>(parsed), sixes);
    ASSERT_TRUE(std::holds_alternative<notation::Roll>(roll));
    EXPECT_EQ(std::get<notation::Roll>(roll).diceThrown, notation::kMaxRethrowsPerDie + 1);
    EXPECT_EQ(std::get<notation::Roll>(roll).total, 6 * (notation::kMaxRethrowsPerDie + 1));

    const auto many = notation::Parse("800000d6!");
    const auto tooMany = notation::RollExpression(std::get<notation::Expression>(many), sixes);
    EXPECT_EQ(std::get<notation::Error>(tooMany), (notation::Error{ErrorCode::TooManyDice, 1}));

    // A die that keeps showing a reroll's face stands after its thousandth rethrow.
    testing::ScriptedRandomSource ones({Face(1, 6)});
    const auto rerolled =
        notation::RollExpression(std::get<notation::Expression>(notation::Parse("d6r1")), ones);
    EXPECT_EQ(std::get<notation::Roll>(rerolled).diceThrown, notation::kMaxRethrowsPerDie + 1);

    // The limit itself may be thrown.
    const auto atLimit = notation::RollExpression(
        std::get<notation::Expression>(notation::Parse("500000d6+500000d1")), ones);
    EXPECT_EQ(std::get<notation::Roll>(atLimit).total, 1'000'000);
}

// Pearson's chi-square of many fixed-seed rolls against the exact distribution, counted by
// hand over every outcome: 1296 for four six-sided dice, 81 for four Fate dice.
struct DistributionCase {
    const char* text;
    std::int64_t least;
    std::vector<int> ways;
    double critical;  // the 99.9% quantile for ways.size() - 1 degrees of freedom
};

void PrintTo(const DistributionCase& roll, std::ostream* out) { *out << roll.text; }

class NotationDistribution : public ::testing::TestWithParam<DistributionCase> {};

TEST_P(NotationDistribution, MatchesTheExactDistribution) {
    const DistributionCase& expected = GetParam();
    MersenneRandomSource random;
    const auto expression = std::get<notation::Expression>(notation::Parse(expected.text));
    const int rolls = 200000;
    std::vector<int> counts(expected.ways.size(), 0);
    for (int i = 0; i < rolls; ++i) {
        const auto total =
            std::get<notation::Roll>(notation::RollExpression(expression, random)).total;
        ++counts.at(static_cast<std::size_t>(total - expected.least));
    }
    int outcomes = 0;
    for (const int ways : expected.ways) {
        outcomes += ways;
    }
    double chiSquare = 0.0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double wanted = static_cast<double>(rolls) * expected.ways[i] / outcomes;
        chiSquare += std::pow(counts[i] - wanted, 2.0) / wanted;
    }
    EXPECT_LT(chiSquare, expected.critical);
}

INSTANTIATE_TEST_SUITE_P(
    DropAndFate, NotationDistribution,
    ::testing::Values(DistributionCase{"4d6dl1",
                                       3,
                                       {1, 4, 10, 21, 38, 62, 91, 122, 148, 167, 172, 160, 131, 94,
                                        54, 21},
                                       37.70},
                      DistributionCase{"4dF", -4, {1, 4, 10, 16, 19, 16, 10, 4, 1}, 26.12}));

// The odds and the roller must read the notation alike: every rolled total lies where the
// distribution gives it a chance, and the rolls' mean stays within five standard errors of
// the distribution's.
class OddsAgreeWithRolls : public ::testing::TestWithParam<const char*> {};

TEST_P(OddsAgreeWithRolls, TotalsAndMean) {
    const auto expression = std::get<notation::Expression>(notation::Parse(GetParam()));
    const Distribution odds = DistributionOf(expression);
    ASSERT_TRUE(odds.IsExact());
    MersenneRandomSource random;
    const int rolls = 20000;
    double sum = 0.0;
    for (int i = 0; i < rolls; ++i) {
        const auto total =
            std::get<notation::Roll>(notation::RollExpression(expression, random)).total;
        ASSERT_GT(odds.Between(total, total), 0.0) << total;
        sum += static_cast<double>(total);
    }
    const double standardError = std::sqrt(odds.Variance() / rolls);
    EXPECT_NEAR(sum / rolls, odds.Mean(), 5.0 * standardError + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(EveryModifier, OddsAgreeWithRolls,
                         ::testing::Values("3d6+d4*2-5", "2d20kh1+5", "4d6dl1", "3d6kl2", "5d6dh2",
                                           "3d6!", "2d10!>=9", "3d6!!", "4d6r<3", "4d6ro1",
                                           "10d10>=8f1", "4dF+1", "4dFr=-1", "(2d6+1)/3", "-d8*d4",
                                           "4d6!kh3", "3d6>=8!!", "d6r1!", "4d6r1dl1"));

}  // namespace
}  // namespace kelvane
