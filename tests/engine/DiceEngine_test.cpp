#include "engine/DiceEngine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/MersenneRandomSource.h"
#include "tests/support/EngineBench.h"
#include "tests/support/MemoryCaption.h"
#include "tests/support/MemoryCheckBox.h"
#include "tests/support/MemoryClipboard.h"
#include "tests/support/MemoryList.h"
#include "tests/support/ScriptedRandomSource.h"

namespace kelvane {
namespace {

using testing::ScriptedRandomSource;

constexpr float kJustBelowOne = 1.0F - 1.0F / 16777216.0F;

using Bench = testing::EngineBench;

struct RollCase {
    const char* name;
    std::int16_t m;
    std::int16_t n;
    std::vector<std::string> lines;
    const char* frame;
    const char* total;
    const char* clipboard;
};

void PrintTo(const RollCase& roll, std::ostream* out) { *out << roll.name; }

// The scripted draws 0.5, 0 and just below 1, in that order.
class RollOutputs : public ::testing::TestWithParam<RollCase> {};

TEST_P(RollOutputs, WriteListCaptionTotalAndClipboard) {
    const RollCase& roll = GetParam();
    ScriptedRandomSource random({0.5F, 0.0F, kJustBelowOne});
    Bench bench(random);

    bench.engine.sRollDice(roll.m, roll.n, bench.list, bench.total);

    EXPECT_EQ(bench.Lines(), roll.lines);
    EXPECT_EQ(bench.frame.Caption(), roll.frame);
    EXPECT_EQ(bench.total.Caption(), roll.total);
    EXPECT_EQ(bench.clipboard.Text(), roll.clipboard);
    EXPECT_EQ(bench.clipboard.Writes(), 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CountsAndSides, RollOutputs,
    ::testing::Values(
        RollCase{"m1_n6", 1, 6, {"d6 = 4"}, "Result: d6", "4", "4\r\n"},
        RollCase{"m1_n20", 1, 20, {"d20 = 11"}, "Result: d20", "11", "11\r\n"},
        RollCase{"m1_n0", 1, 0, {"d0 = 1"}, "Result: d0", "1", "1\r\n"},
        RollCase{"m1_nminus6", 1, -6, {"d-6 = -2"}, "Result: d-6", "-2", "-2\r\n"},
        RollCase{"m0_n6", 0, 6, {"d6 = 4"}, "Result: d6", "4", "4\r\n"},
        RollCase{"m0_n20", 0, 20, {"d20 = 11"}, "Result: d20", "11", "11\r\n"},
        RollCase{"m0_n0", 0, 0, {"d0 = 1"}, "Result: d0", "1", "1\r\n"},
        RollCase{"m0_nminus6", 0, -6, {"d-6 = -2"}, "Result: d-6", "-2", "-2\r\n"},
        RollCase{"mminus5_n6", -5, 6, {"d6 = 4"}, "Result: d6", "4", "4\r\n"},
        RollCase{"mminus5_n20", -5, 20, {"d20 = 11"}, "Result: d20", "11", "11\r\n"},
        RollCase{"mminus5_n0", -5, 0, {"d0 = 1"}, "Result: d0", "1", "1\r\n"},
        RollCase{"mminus5_nminus6", -5, -6, {"d-6 = -2"}, "Result: d-6", "-2", "-2\r\n"},
        RollCase{"m2_n6", 2, 6, {"d6-1 = 4", "d6-2 = 1"}, "Result: 2d6", "5", "4\r\n1\r\n"},
        RollCase{"m2_n20", 2, 20, {"d20-1 = 11", "d20-2 = 1"}, "Result: 2d20", "12", "11\r\n1\r\n"},
        RollCase{"m2_n0", 2, 0, {"d0-1 = 1", "d0-2 = 1"}, "Result: 2d0", "2", "1\r\n1\r\n"},
        RollCase{"m2_nminus6", 2, -6, {"d-6-1 = -2", "d-6-2 = 1"}, "Result: 2d-6", "-1", "-2\r\n1\r\n"},
        RollCase{"m3_n6", 3, 6, {"d6-1 = 4", "d6-2 = 1", "d6-3 = 6"}, "Result: 3d6", "11", "4\r\n1\r\n6\r\n"},
        RollCase{"m3_n20", 3, 20, {"d20-1 = 11", "d20-2 = 1", "d20-3 = 20"}, "Result: 3d20", "32", "11\r\n1\r\n20\r\n"},
        RollCase{"m3_n0", 3, 0, {"d0-1 = 1", "d0-2 = 1", "d0-3 = 1"}, "Result: 3d0", "3", "1\r\n1\r\n1\r\n"},
        RollCase{"m3_nminus6", 3, -6, {"d-6-1 = -2", "d-6-2 = 1", "d-6-3 = -5"}, "Result: 3d-6", "-6", "-2\r\n1\r\n-5\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(RollOutputs, ThreeDiceOfMinusSixNameTheRollWithTheSign) {
    ScriptedRandomSource random({0.5F});
    Bench bench(random);
    bench.engine.sRollDice(3, -6, bench.list, bench.total);
    EXPECT_EQ(bench.frame.Caption(), "Result: 3d-6");
    EXPECT_EQ(bench.Lines().front(), "d-6-1 = -2");
    EXPECT_EQ(bench.total.Caption(), "-6");
}

// The window hands over the caption's word in the player's language; the roll stays notation.
TEST(RollOutputs, CaptionNamesTheRollAfterTheWordGiven) {
    ScriptedRandomSource random({0.5F});
    Bench bench(random, "Ergebnis");
    bench.engine.sRollDice(3, 6, bench.list, bench.total);
    EXPECT_EQ(bench.frame.Caption(), "Ergebnis: 3d6");
    bench.engine.sRollDice(1, 20, bench.list, bench.total);
    EXPECT_EQ(bench.frame.Caption(), "Ergebnis: d20");
}

TEST(RollOutputs, ClearedCopyOptionLeavesTheClipboardUntouched) {
    ScriptedRandomSource random({0.5F});
    Bench bench(random);
    bench.copyOption.SetValue(0);
    bench.engine.sRollDice(3, 6, bench.list, bench.total);
    bench.engine.sRollDice(1, 6, bench.list, bench.total);
    EXPECT_EQ(bench.clipboard.Writes(), 0);
}

TEST(RollOutputs, AnyTickedValueCopies) {
    ScriptedRandomSource random({0.5F});
    Bench bench(random);
    bench.copyOption.SetValue(-1);
    bench.engine.sRollDice(2, 6, bench.list, bench.total);
    EXPECT_EQ(bench.clipboard.Text(), "4\r\n4\r\n");
}

TEST(ListAccumulation, SingleDiceAppendAndSeveralDiceReplace) {
    ScriptedRandomSource random({0.5F, 0.0F});
    Bench bench(random);
    bench.engine.sRollDice(1, 6, bench.list, bench.total);
    bench.engine.sRollDice(0, 20, bench.list, bench.total);
    EXPECT_EQ(bench.Lines(), (std::vector<std::string>{"d6 = 4", "d20 = 1"}));

    bench.engine.sRollDice(2, 6, bench.list, bench.total);
    EXPECT_EQ(bench.Lines(), (std::vector<std::string>{"d6-1 = 4", "d6-2 = 1"}));
    EXPECT_EQ(bench.total.Caption(), "5");
}

struct RangeCase {
    const char* name;
    std::int16_t sides;
    float draw;
    float expected;
};

void PrintTo(const RangeCase& range, std::ostream* out) { *out << range.name; }

class DieValue : public ::testing::TestWithParam<RangeCase> {};

TEST_P(DieValue, FollowsTheDraw) {
    const RangeCase& c = GetParam();
    ScriptedRandomSource random({c.draw});
    Bench bench(random);
    EXPECT_EQ(bench.engine.RollDie(c.sides), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, DieValue,
    ::testing::Values(RangeCase{"OneSideLow", 1, 0.0F, 1.0F},
                      RangeCase{"OneSideHigh", 1, kJustBelowOne, 1.0F},
                      RangeCase{"NoSidesHigh", 0, kJustBelowOne, 1.0F},
                      RangeCase{"MinusSixLow", -6, 0.0F, 1.0F},
                      RangeCase{"MinusSixHigh", -6, kJustBelowOne, -5.0F},
                      RangeCase{"MaxSidesLow", 32767, 0.0F, 1.0F},
                      // A product rounded to float would reach 32767 and give 32768.
                      RangeCase{"MaxSidesHigh", 32767, kJustBelowOne, 32767.0F},
                      RangeCase{"MinSidesHigh", -32768, kJustBelowOne, -32767.0F},
                      // Products just below a whole number, which rounding to float lifts onto it.
                      RangeCase{"SixSidesJustBelowFive", 6, 13981013.0F / 16777216.0F, 5.0F},
                      RangeCase{"MaxSidesJustBelow64", 32767, 32769.0F / 16777216.0F, 64.0F}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DieValue, StaysWithinItsRangeOverManyRolls) {
    MersenneRandomSource random;
    Bench bench(random);
    for (const std::int16_t sides : {std::int16_t{1}, std::int16_t{0}, std::int16_t{-6}}) {
        const float low = sides >= 1 ? 1.0F : static_cast<float>(sides + 1);
        const float high = sides >= 1 ? static_cast<float>(sides) : 1.0F;
        for (int i = 0; i < 10000; ++i) {
            const float value = bench.engine.RollDie(sides);
            ASSERT_GE(value, low) << "sides " << sides;
            ASSERT_LE(value, high) << "sides " << sides;
        }
    }
}

// Pearson's chi-square over a fixed-seed run: an off-by-one or a biased mapping from the draw
// to the face pushes the statistic far past the 0.1% critical value, a fair mapping stays well
// below it. The run is deterministic, so the test cannot flake.
class Uniformity : public ::testing::TestWithParam<std::int16_t> {};

TEST_P(Uniformity, EveryFaceEquallyLikely) {
    const std::int16_t sides = GetParam();
    MersenneRandomSource random;
    Bench bench(random);
    const int rollsPerFace = 2000;
    std::vector<int> counts(static_cast<std::size_t>(sides) + 2, 0);
    for (int i = 0; i < rollsPerFace * sides; ++i) {
        const auto value = static_cast<int>(bench.engine.RollDie(sides));
        ASSERT_GE(value, 1);
        ASSERT_LE(value, sides);
        ++counts[static_cast<std::size_t>(value)];
    }
    double chiSquare = 0.0;
    for (int face = 1; face <= sides; ++face) {
        const double deviation = counts[static_cast<std::size_t>(face)] - rollsPerFace;
        chiSquare += deviation * deviation / rollsPerFace;
    }
    // Wilson-Hilferty approximation of the 99.9% quantile for sides - 1 degrees of freedom.
    const double dof = sides - 1;
    const double z = 3.09;
    const double critical =
        dof * std::pow(1.0 - 2.0 / (9.0 * dof) + z * std::sqrt(2.0 / (9.0 * dof)), 3.0);
    EXPECT_LT(chiSquare, critical);
}

INSTANTIATE_TEST_SUITE_P(CommonDice, Uniformity, ::testing::Values<std::int16_t>(6, 20, 100, 30),
                         [](const auto& info) { return "d" + std::to_string(info.param); });

TEST(ExactTotals, LargeRollTotalIsTheSumOfItsListedValues) {
    MersenneRandomSource random;
    Bench bench(random);
    bench.engine.sRollDice(32767, 32767, bench.list, bench.total);

    const auto lines = bench.Lines();
    ASSERT_EQ(lines.size(), 32767U);
    EXPECT_EQ(lines.back().rfind("d32767-32767 = ", 0), 0U);
    const std::int64_t sum = std::accumulate(
        lines.begin(), lines.end(), std::int64_t{0}, [](std::int64_t acc, const std::string& line) {
            return acc + std::stoll(line.substr(line.find(" = ") + 3));
        });
    EXPECT_GT(sum, 16'777'216) << "the total must be beyond what a float holds exactly";
    EXPECT_EQ(bench.total.Caption(), std::to_string(sum));
}

}  // namespace
}  // namespace kelvane
