#include "engine/Distribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "engine/NotationRoll.h"
#include "platform/MersenneRandomSource.h"

namespace kelvane {
namespace {

using notation::Compare;
using notation::ComparePoint;
using notation::DiceTerm;
using notation::Expression;
using notation::KeepDrop;
using notation::Node;
using notation::NodeKind;

constexpr double kDraws = 16777216.0;  // 2^24, the die buttons' draws
constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();

DiceTerm Dice(std::int64_t count, std::int64_t sides) {
    DiceTerm term;
    term.count = count;
    term.sides = sides;
    return term;
}

DiceTerm With(DiceTerm term, const KeepDrop& rule) {
    term.keepDrop = rule;
    return term;
}

DiceTerm Exploding(DiceTerm term, bool compound = false) {
    term.explode = ComparePoint{Compare::Equal, term.sides};
    term.compound = compound;
    return term;
}

Node Term(std::int64_t index) { return {NodeKind::Dice, index}; }
Node Number(std::int64_t value) { return {NodeKind::Number, value}; }
Node Operator(NodeKind kind) { return {kind}; }

Distribution Of(std::vector<DiceTerm> dice, std::vector<Node> postfix) {
    Expression expression;
    expression.dice = std::move(dice);
    expression.postfix = std::move(postfix);
    return DistributionOf(expression);
}

Distribution Of(const DiceTerm& term) { return Of({term}, {Term(0)}); }

Distribution Of(const Expression& expression) { return DistributionOf(expression); }

Expression Parsed(const char* text) { return std::get<Expression>(notation::Parse(text)); }

// Every distribution accounts for all of its chance within its least and most totals, unless
// the roll always fails.
void ExpectWhole(const Distribution& distribution) {
    if (distribution.FailureChance() == 1.0) {
        EXPECT_TRUE(distribution.Probabilities().empty());
        return;
    }
    EXPECT_LE(distribution.Least(), distribution.Most());
    EXPECT_EQ(distribution.Between(distribution.Least(), distribution.Most()), 1.0);
    EXPECT_EQ(distribution.AtLeast(distribution.Least()), 1.0);
    EXPECT_EQ(distribution.AtMost(distribution.Most()), 1.0);
    if (distribution.IsExact()) {
        EXPECT_EQ(distribution.Probabilities().size(),
                  static_cast<std::size_t>(distribution.Most() - distribution.Least() + 1));
    }
}

struct TableCase {
    const char* name;
    Distribution (*distribution)();
    std::int64_t least;
    std::vector<double> weights;  // of each total from least on, out of denominator
    double denominator;
    double failure = 0.0;
};

void PrintTo(const TableCase& c, std::ostream* out) { *out << c.name; }

class DistributionTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(DistributionTable, GivesEveryTotalsChance) {
    const TableCase& c = GetParam();
    const Distribution distribution = c.distribution();
    ExpectWhole(distribution);
    ASSERT_TRUE(distribution.IsExact());
    EXPECT_EQ(distribution.Least(), c.least);
    ASSERT_EQ(distribution.Probabilities().size(), c.weights.size());
    for (std::size_t i = 0; i < c.weights.size(); ++i) {
        EXPECT_NEAR(distribution.Probabilities()[i], c.weights[i] / c.denominator, 1e-13)
            << "total " << c.least + static_cast<std::int64_t>(i);
    }
    EXPECT_NEAR(distribution.FailureChance(), c.failure, 1e-15);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HandCounted, DistributionTable,
    ::testing::Values(
        TableCase{"TwoD6", [] { return Of(Dice(2, 6)); }, 2, {1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1}, 36},
        TableCase{"ThreeD6", [] { return Of(Dice(3, 6)); }, 3,
                  {1, 3, 6, 10, 15, 21, 25, 27, 27, 25, 21, 15, 10, 6, 3, 1}, 216},
        TableCase{"FourD6DropLowest", [] { return Of(With(Dice(4, 6), {false, false, 1})); }, 3,
                  {1, 4, 10, 21, 38, 62, 91, 122, 148, 167, 172, 160, 131, 94, 54, 21}, 1296},
        TableCase{"TwoD20KeepHighest", [] { return Of(With(Dice(2, 20), {true, true, 1})); }, 1,
                  {1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 37, 39}, 400},
        TableCase{"FourFate", [] { DiceTerm fate = Dice(4, 3); fate.fate = true; return Of(fate); }, -4,
                  {1, 4, 10, 16, 19, 16, 10, 4, 1}, 81},
        TableCase{"TenD10AtLeast8", [] {
                      DiceTerm term = Dice(10, 10);
                      term.success = ComparePoint{Compare::GreaterOrEqual, 8};
                      return Of(term); }, 0,
                  {282475249, 1210608210, 2334744405, 2668279320, 2001209490, 1029193452,
                   367569090, 90016920, 14467005, 1377810, 59049}, 1e10},
        TableCase{"RerollOnes", [] {
                      DiceTerm term = Dice(1, 6);
                      term.reroll = ComparePoint{Compare::Equal, 1};
                      return Of(term); }, 2, {1, 1, 1, 1, 1}, 5},
        TableCase{"RerollOnesOnce", [] {
                      DiceTerm term = Dice(1, 6);
                      term.reroll = ComparePoint{Compare::Equal, 1};
                      term.rerollOnce = true;
                      return Of(term); }, 1, {1, 7, 7, 7, 7, 7}, 36},
        TableCase{"NegatedProduct", [] {
                      return Of({Dice(1, 6), Dice(1, 3)},
                                {Term(0), Operator(NodeKind::Negate), Term(1), Operator(NodeKind::Multiply)}); },
                  -18, {1, 0, 0, 1, 0, 0, 2, 0, 1, 1, 1, 0, 3, 1, 2, 2, 2, 1}, 18},
        // (d6 - 3) / (d3 - 2) divides by zero a third of the time, and floors the rest.
        TableCase{"FlooredQuotient", [] {
                      return Of({Dice(1, 6), Dice(1, 3)},
                                {Term(0), Number(3), Operator(NodeKind::Subtract), Term(1), Number(2),
                                 Operator(NodeKind::Subtract), Operator(NodeKind::Divide)}); },
                  -3, {1, 2, 2, 2, 2, 2, 1}, 12, 1.0 / 3.0},
        TableCase{"Overflow", [] {
                      return Of({Dice(1, 3)}, {Number(kLargest - 2), Term(0), Operator(NodeKind::Add)}); },
                  kLargest - 1, {1, 1}, 2, 1.0 / 3.0},
        TableCase{"AlwaysBeyond64Bits", [] {
                      return Of({Dice(32000, 100)}, {Term(0), Number(kLargest), Operator(NodeKind::Multiply)}); },
                  0, {}, 1, 1.0},
        TableCase{"ButtonMinusSix", [] { return DistributionOfDice(1, -6); }, -5,
                  {2796202, 2796203, 2796202, 2796203, 2796203, 2796202, 1}, kDraws},
        TableCase{"ButtonNegativeCountThrowsOne", [] { return DistributionOfDice(-5, 6); }, 1,
                  {2796203, 2796203, 2796202, 2796203, 2796203, 2796202}, kDraws},
        TableCase{"ButtonNoSides", [] { return DistributionOfDice(0, 0); }, 1, {1}, 1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ChanceCase {
    const char* name;
    Distribution (*distribution)();
    std::int64_t low;
    std::int64_t high;
    double chance;
};

void PrintTo(const ChanceCase& c, std::ostream* out) { *out << c.name; }

class DistributionChance : public ::testing::TestWithParam<ChanceCase> {};

TEST_P(DistributionChance, OfTotalsFromLowToHigh) {
    const ChanceCase& c = GetParam();
    const Distribution distribution = c.distribution();
    ExpectWhole(distribution);
    EXPECT_TRUE(distribution.IsExact());
    EXPECT_NEAR(distribution.Between(c.low, c.high), c.chance, 1e-13);
}

// 3d6!: a die shows 1 to 5, or 6 plus what its next throw shows. Kept alone, the highest of
// 2d6! is a 6 whenever a 6 is thrown; compounded, a die never shows 6.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HandDerived, DistributionChance,
    ::testing::Values(
        ChanceCase{"ExplodingAllOnes", [] { return Of(Exploding(Dice(3, 6))); }, 3, 3, 1.0 / 216},
        ChanceCase{"ExplodingSixWithoutExplosion", [] { return Of(Exploding(Dice(3, 6))); }, 6, 6, 10.0 / 216},
        ChanceCase{"ExplodingNine", [] { return Of(Exploding(Dice(3, 6))); }, 9, 9, 117.0 / 1296},
        ChanceCase{"ExplodingKeptSix", [] { return Of(With(Exploding(Dice(2, 6)), {true, true, 1})); },
                   6, 6, 11.0 / 36},
        ChanceCase{"ExplodingKeptFive", [] { return Of(With(Exploding(Dice(2, 6)), {true, true, 1})); },
                   5, 5, 9.0 / 36},
        ChanceCase{"CompoundKeptNeverSix", [] { return Of(With(Exploding(Dice(2, 6), true), {true, true, 1})); },
                   6, 6, 0.0},
        ChanceCase{"KeepHighestPlusFive", [] {
                       return Of({With(Dice(2, 20), {true, true, 1})}, {Term(0), Number(5), Operator(NodeKind::Add)}); },
                   20, kLargest, 0.51},
        ChanceCase{"HalfFloored", [] { return Of({Dice(1, 6)}, {Term(0), Number(2), Operator(NodeKind::Divide)}); },
                   1, 1, 1.0 / 3}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct SpreadCase {
    const char* name;
    Distribution (*distribution)();
    bool exact;
    std::int64_t least;
    std::int64_t most;
    double mean;
    double variance;
    double tolerance = 1e-9;     // relative, of the mean and the variance
    double varianceReach = 0.0;  // absolute, beyond the tolerance
};

void PrintTo(const SpreadCase& c, std::ostream* out) { *out << c.name; }

class DistributionSpread : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(DistributionSpread, MeanVarianceAndRange) {
    const SpreadCase& c = GetParam();
    const Distribution distribution = c.distribution();
    ExpectWhole(distribution);
    EXPECT_EQ(distribution.IsExact(), c.exact);
    EXPECT_EQ(distribution.Least(), c.least);
    EXPECT_EQ(distribution.Most(), c.most);
    EXPECT_NEAR(distribution.Mean(), c.mean, c.tolerance * std::abs(c.mean));
    EXPECT_NEAR(distribution.Variance(), c.variance, c.tolerance * c.variance + c.varianceReach);
}

// An exploding d6 is 6 times a geometric count of sixes (mean 0.2, variance 0.24) plus a face
// from 1 to 5 (mean 3, variance 2). Its chain is followed while longer chains are at least
// 1e-18 likely: 23 sixes, so a die shows at most 143.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HandDerived, DistributionSpread,
    ::testing::Values(
        SpreadCase{"DropLowest", [] { return Of(With(Dice(4, 6), {false, false, 1})); },
                   true, 3, 18, 15869.0 / 1296, 13612487.0 / 1679616},
        SpreadCase{"Exploding", [] { return Of(Exploding(Dice(3, 6))); }, true, 3, 429, 12.6, 31.92},
        SpreadCase{"SuccessesLessFailures", [] {
                       DiceTerm term = Dice(10, 10);
                       term.success = ComparePoint{Compare::GreaterOrEqual, 8};
                       term.failure = ComparePoint{Compare::Equal, 1};
                       return Of(term); }, true, -10, 10, 2.0, 3.6},
        SpreadCase{"Difference", [] {
                       return Of({Dice(1, 20), Dice(1, 4)}, {Term(0), Term(1), Operator(NodeKind::Subtract)}); },
                   true, -3, 19, 8.0, 34.5},
        SpreadCase{"NegatedDropLowest", [] {
                       return Of({With(Dice(4, 6), {false, false, 1})}, {Term(0), Operator(NodeKind::Negate)}); },
                   true, -18, -3, -15869.0 / 1296, 13612487.0 / 1679616},
        // A compounded d6 is 8 or more when a 6 is followed by anything but a 1: 5/36.
        SpreadCase{"CompoundCounted", [] {
                       DiceTerm term = Exploding(Dice(3, 6), true);
                       term.success = ComparePoint{Compare::GreaterOrEqual, 8};
                       return Of(term); }, true, 0, 3, 15.0 / 36, 465.0 / 1296},
        // Compounded chains too long for exact tables, against the renewal of a die's running
        // sum s: the chance u(s) that it passes s is the sum of u(s - e) / faces over the
        // exploding faces e. d1000!!>=10 shows at most 500 with chance 0.0145664278.
        SpreadCase{"LongCompoundAtMost", [] { return Of(Parsed("d1000!!>=10<=500")); }, false, 0, 1,
                   0.0145664278145, 0.0143542469952, 2e-3},
        // Each die scores 1 unless its sum is below 21 or exactly 101: 1 - 0.000101989.
        SpreadCase{"LongCompoundRerolledOnce", [] { return Of(Parsed("(14d%!!<100ro=2>=21f101)-(-1)")); },
                   false, 1, 15, 14.99857186, 0.00142799431544, 2e-3},
        // The least of 26 sums: P(least >= s) = P(sum >= s)^26.
        SpreadCase{"LongCompoundDropLowest", [] { return Of(Parsed("(-(26d20!!>=3dl))+(2)")); },
                   false, -196548, -23, -2726.23177169, 315329.337843, 2e-3},
        // A die of 40d1000ro<3!!>=3>=8f=7 scores 0 with chance 9.01e-6 (a rerolled 1 or 2, or a
        // sum from 4 to 6) and -1 with chance 2.005e-6 (a sum of 7): the count is 40 but for
        // 0.05 % of rolls, and its quotients hardly vary. floor(40 / y) for y = 1 ... 4 is 40,
        // 20, 13 and 10.
        SpreadCase{"NarrowCountHalved", [] { return Of(Parsed("40d1000ro<3!!>=3>=8f=7/2")); }, false,
                   -20, 20, 19.9995594632, 0.00044040534, 1e-4, 1e-3},
        SpreadCase{"NarrowCountOverMinusThree", [] { return Of(Parsed("40d1000ro<3!!>=3>=8f=7/-3")); },
                   false, -14, 13, -13.9995594914, 0.00044032083, 1e-4, 1e-3},
        SpreadCase{"NarrowCountDividing", [] { return Of(Parsed("120/(40d1000ro<3!!>=3>=8f=7)")); },
                   false, -120, 120, 3.0, 0.0, 1e-4, 1e-3},
        SpreadCase{"NarrowCountOverDie", [] { return Of(Parsed("(40d1000ro<3!!>=3>=8f=7)/d4")); },
                   false, -40, 40, 20.7496294743, 136.685741795, 1e-3},
        SpreadCase{"ManyDice", [] { return Of(Dice(32000, 100)); }, false, 32000, 3200000, 1616000.0,
                   26664000.0},
        SpreadCase{"ManyDiceNegated", [] { return Of({Dice(32000, 100)}, {Term(0), Operator(NodeKind::Negate)}); },
                   false, -3200000, -32000, -1616000.0, 26664000.0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A notation of one or two terms with random modifiers, from the generator.
std::string RandomNotation(std::mt19937& generator) {
    const auto pick = [&](const std::vector<std::string>& options) {
        return options[std::uniform_int_distribution<std::size_t>(0,
                                                                  options.size() - 1)(generator)];
    };
    // Empty choices leave a modifier out most of the time.
    const auto term = [&] {
        return pick({"1", "2", "3", "5"}) + "d" + pick({"2", "3", "4", "6", "10", "20", "F"}) +
               pick({"", "", "", "r", "ro", "r<3"}) + pick({"", "", "!", "!!", "!>=4"}) +
               pick({"", "", "kh1", "kl2", "dh1", "dl2"}) + pick({"", "", "", ">=4", "=2", ">5f1"});
    };
    const std::string first = term();
    return first + pick({"", "", "+3", "-1", "*2", "/2", "+" + term(), "-" + term(), "/" + term()});
}

// Random notations, and those whose odds once strayed from their rolls, each rolled against
// its odds: every total where the odds allow it, the failures and the mean within five
// standard errors, and an exact table by Pearson's chi-square at a one-in-a-million level.
TEST(DistributionProperty, RandomNotationsRollAsTheirOddsSay) {
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kNotations = 40;
#else
    constexpr int kNotations = 200;
#endif
    constexpr int kRolls = 2000;
    std::vector<std::string> notations{"3d6!4dl1",
                                       "1d12!11dl2",
                                       "d20!!>2=15",
                                       "4/(3d4!<4dh4)",
                                       "4d6r1dl1",
                                       "d6r1!",
                                       "3d6>=8!!",
                                       "d20-d4",
                                       "d1000!!>=10<=500",
                                       "(14d%!!<100ro=2>=21f101)-(-1)",
                                       "(-(26d20!!>=3dl))+(2)"};
    std::mt19937 generator(23);
    while (notations.size() < static_cast<std::size_t>(kNotations)) {
        notations.push_back(RandomNotation(generator));
    }
    MersenneRandomSource random;
    for (int i = 0; i < 100003; ++i) {
        (void)random.Next();  // away from the draws the simulated odds take
    }
    for (const std::string& text : notations) {
        SCOPED_TRACE(text);
        const auto parsed = notation::Parse(text);
        if (!std::holds_alternative<notation::Expression>(parsed)) {
            continue;
        }
        const auto& expression = std::get<notation::Expression>(parsed);
        const Distribution odds = DistributionOf(expression, std::chrono::milliseconds{0});
        ExpectWhole(odds);
        std::map<std::int64_t, int> counts;
        int failures = 0;
        double sum = 0.0;
        for (int i = 0; i < kRolls; ++i) {
            const auto roll = notation::RollExpression(expression, random);
            if (!std::holds_alternative<notation::Roll>(roll)) {
                ++failures;
                continue;
            }
            const std::int64_t total = std::get<notation::Roll>(roll).total;
            ASSERT_TRUE(odds.IsExact() ? odds.Between(total, total) > 0.0
                                       : total >= odds.Least() && total <= odds.Most())
                << total;
            ++counts[total];
            sum += static_cast<double>(total);
        }
        const double p = odds.FailureChance();
        EXPECT_NEAR(failures / double{kRolls}, p, 5.0 * std::sqrt(p * (1.0 - p) / kRolls) + 0.005);
        const int stood = kRolls - failures;
        if (stood == 0) {
            continue;
        }
        EXPECT_NEAR(sum / stood, odds.Mean(), 5.0 * std::sqrt(odds.Variance() / stood) + 1e-9);
        if (!odds.IsExact()) {
            continue;
        }
        // Totals pooled from the least up until at least 5 rolls are expected in each group.
        double chiSquare = 0.0;
        int groups = 0;
        double expected = 0.0;
        int observed = 0;
        for (std::int64_t total = odds.Least(); total <= odds.Most(); ++total) {
            expected += stood * odds.Between(total, total);
            const auto found = counts.find(total);
            observed += found == counts.end() ? 0 : found->second;
            if (expected >= 5.0 || total == odds.Most()) {
                chiSquare +=
                    (observed - expected) * (observed - expected) / std::max(expected, 1e-300);
                ++groups;
                expected = 0.0;
                observed = 0;
            }
        }
        // Wilson and Hilferty's quantile for a chance of one in a million.
        const double freedom = std::max(1, groups - 1);
        const double spread = std::sqrt(2.0 / (9.0 * freedom));
        EXPECT_LT(chiSquare,
                  freedom * std::pow(1.0 - 2.0 / (9.0 * freedom) + 4.75 * spread, 3.0) + 10.0);
    }
}

}  // namespace
}  // namespace kelvane
