#include "engine/RollStanding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelvane {
namespace {

Distribution Uniform(std::int64_t sides) {
    return Distribution::Exact(1, std::vector<double>(static_cast<std::size_t>(sides), 1.0));
}

// 2d6, counted by hand: 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1 ways in 36.
Distribution TwoD6() { return Distribution::Exact(2, {1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1}); }

struct StandingCase {
    std::string name;
    Distribution odds;
    std::int64_t total;
    double share;
    double spread;  // (1 - Σp³) / 12
    Better better = Better::kHigher;
};

class StandingTest : public testing::TestWithParam<StandingCase> {};

TEST_P(StandingTest, MatchesHandCount) {
    const StandingCase& c = GetParam();
    const auto standing = StandingOf(c.odds, c.total, c.better);
    ASSERT_TRUE(standing.has_value());
    EXPECT_NEAR(standing->share, c.share, 1e-12);
    EXPECT_NEAR(standing->spread, c.spread, 1e-12);
    EXPECT_EQ(standing->approximate, !c.odds.IsExact());
}

INSTANTIATE_TEST_SUITE_P(
    RollStanding, StandingTest,
    testing::Values(
        // 19 lower totals of 20, and half of the 20 itself.
        StandingCase{"d20_rolled_20", Uniform(20), 20, 0.975, (1.0 - 1.0 / 400) / 12},
        StandingCase{"d20_rolled_1", Uniform(20), 1, 0.025, (1.0 - 1.0 / 400) / 12},
        // 15 ways below 7 and 6 at 7: (15 + 3) / 36. Σp³ = 666 / 46656.
        StandingCase{"2d6_rolled_7", TwoD6(), 7, 0.5, (1.0 - 666.0 / 46656) / 12},
        StandingCase{"2d6_rolled_12", TwoD6(), 12, 71.0 / 72, (1.0 - 666.0 / 46656) / 12},
        StandingCase{"2d6_rolled_2", TwoD6(), 2, 1.0 / 72, (1.0 - 666.0 / 46656) / 12},
        // Under a skill the lower stands higher: 99 worse totals of 100, and half of the 1.
        StandingCase{"d100_under_rolled_1", Uniform(100), 1, 0.995, (1.0 - 1.0 / 10000) / 12,
                     Better::kLower},
        StandingCase{"2d6_under_rolled_3", TwoD6(), 3, 1.0 - 4.0 / 72, (1.0 - 666.0 / 46656) / 12,
                     Better::kLower},
        // A total the roll cannot show stands at the end it lies beyond.
        StandingCase{"2d6_beyond", TwoD6(), 40, 1.0, (1.0 - 666.0 / 46656) / 12},
        // One total only: it stands in the middle, and nothing could have gone otherwise.
        StandingCase{"constant", Distribution::Exact(5, {1.0}), 5, 0.5, 0.0},
        // A normal curve of variance 100: Σp³ = 1 / (2√3 π 100); its mean stands at one half.
        StandingCase{"normal_at_mean", Distribution::Approximate(50, 100, 0, 100), 50, 0.5,
                     (1.0 - 0.0009188814923696535) / 12}),
    [](const auto& info) { return info.param.name; });

TEST(RollStanding, NoneForARollThatAlwaysFails) {
    EXPECT_FALSE(StandingOf(Distribution::Exact(0, {}, 1.0), 3).has_value());
}

struct LuckCase {
    std::string name;
    std::vector<double> standings;
    double spread;  // each roll's
    std::int64_t withoutOdds;
    double average;
    double z;
    bool high;
    double chance;
};

class LuckTest : public testing::TestWithParam<LuckCase> {};

TEST_P(LuckTest, MatchesHandCount) {
    const LuckCase& c = GetParam();
    RollLogSums sums;
    for (const double standing : c.standings) {
        ++sums.withStanding;
        sums.standings += standing;
        sums.spreads += c.spread;
    }
    sums.withoutStanding = c.withoutOdds;
    const Luck luck = LuckOf(sums);
    EXPECT_EQ(luck.counted, static_cast<std::int64_t>(c.standings.size()));
    EXPECT_EQ(luck.withoutOdds, c.withoutOdds);
    EXPECT_NEAR(luck.averageStanding, c.average, 1e-12);
    EXPECT_NEAR(luck.z, c.z, 1e-9);
    EXPECT_EQ(luck.high, c.high);
    EXPECT_NEAR(luck.chance, c.chance, c.chance * 1e-6);
}

constexpr double kD20Spread = (1.0 - 1.0 / 400) / 12;
constexpr double k2d6Spread = (1.0 - 666.0 / 46656) / 12;

INSTANTIATE_TEST_SUITE_P(
    RollStanding, LuckTest,
    testing::Values(
        // z = 0.475 / √(399/4800) = 1.64750894; fair dice do this well 4.97 % of the time.
        LuckCase{"d20_rolled_20",
                 {0.975},
                 kD20Spread,
                 0,
                 0.975,
                 1.6475089420958278,
                 true,
                 0.049726739874154435},
        // Σu = 1/2 + 71/72; z = 0.486111 / √(2 × 0.0821438) = 1.19931487.
        LuckCase{"2d6_of_7_and_12",
                 {0.5, 71.0 / 72},
                 k2d6Spread,
                 2,
                 0.7430555555555556,
                 1.1993148729101804,
                 true,
                 0.11520276704347787},
        // Ten d20 all showing 1: z = (0.25 - 5) / √(10 × 399/4800) = -5.2098807.
        LuckCase{"night_of_ones", std::vector<double>(10, 0.025), kD20Spread, 0, 0.025,
                 -5.209880722517276, false, 9.448103646458339e-08},
        LuckCase{"nothing_weighed", {}, kD20Spread, 4, 0.5, 0.0, false, 1.0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kelvane
