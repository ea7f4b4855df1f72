#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/Distribution.h"
#include "engine/Notation.h"
#include "engine/NotationRoll.h"
#include "engine/odds/Outcomes.h"
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

struct GrammarCase {
    const char* text;
    const char* canonical;  // nullptr: refused with code at column
    ErrorCode code = ErrorCode::Empty;
    int column = 0;
};

void PrintTo(const GrammarCase& row, std::ostream* out) { *out << row.text; }

class OutcomeGrammar : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(OutcomeGrammar, ReadsIntoCanonicalFormOrRefusesAtColumn) {
    const GrammarCase& row = GetParam();
    const auto parsed = notation::Parse(row.text);
    if (row.canonical != nullptr) {
        ASSERT_TRUE(std::holds_alternative<notation::Expression>(parsed));
        const auto& expression = std::get<notation::Expression>(parsed);
        EXPECT_EQ(expression.Normalised(), row.canonical);
        // The canonical form reads as the same rules.
        const auto again = notation::Parse(expression.Normalised());
        ASSERT_TRUE(std::holds_alternative<notation::Expression>(again));
        EXPECT_EQ(std::get<notation::Expression>(again).reading, expression.reading);
    } else {
        ASSERT_TRUE(std::holds_alternative<notation::Error>(parsed));
        EXPECT_EQ(std::get<notation::Error>(parsed), (notation::Error{row.code, row.column}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    BandsAndShorthands, OutcomeGrammar,
    ::testing::Values(
        GrammarCase{"2d6+1 ? 10+ Strong hit; 7-9 Weak hit; 6- Miss # Act under pressure",
                    "2d6+1 ? 10+ Strong hit; 7-9 Weak hit; 6- Miss"},
        GrammarCase{"d20 ?  20  Crit ;1 Fumble;  Else  this ",
                    "d20 ? 20 Crit; 1 Fumble; Else  this"},
        GrammarCase{"d6-3 ? -2- Low; -1-0 Mid; 007+ High", "d6-3 ? -2- Low; -1-0 Mid; 7+ High"},
        GrammarCase{"4d6>=5 ? 0 Naught; 6- 2nd wind", "4d6>=5 ? 0 Naught; 6- 2nd wind"},
        GrammarCase{"BITD 3 # Sneak", "bitd 3"}, GrammarCase{"  coc   65  B1 ", "coc 65 b1"},
        GrammarCase{"pbta+0", "pbta"}, GrammarCase{"Pbta-3", "pbta-3"},
        GrammarCase{"sw d8+1", "sw d8+1"}, GrammarCase{"sw D12-2 TN6", "sw d12-2 tn6"},
        GrammarCase{"sw d4 tn4", "sw d4"}, GrammarCase{"cod 0", "cod 0"},
        GrammarCase{"sr 50", "sr 50"}, GrammarCase{"fate+8", "fate+8"},
        GrammarCase{"dnd+5 ac15 adv", "dnd+5 ac15 adv"},
        GrammarCase{"DND-5 DC40 dis", "dnd-5 dc40 dis"},
        GrammarCase{"2d6 ?", nullptr, ErrorCode::ExpectedBand, 6},
        GrammarCase{"2d6 ? 10+ Hit;", nullptr, ErrorCode::ExpectedBand, 15},
        GrammarCase{"2d6 ? 10+ # x", nullptr, ErrorCode::ExpectedBandName, 11},
        GrammarCase{"2d6 ? 9-7 Odd", nullptr, ErrorCode::BadBandRange, 7},
        GrammarCase{"2d6 ? 10+x Hit", nullptr, ErrorCode::BadBandRange, 7},
        GrammarCase{"2d6 ? 5 A name of forty-one characters, as typed.", nullptr,
                    ErrorCode::BandNameTooLong, 49},
        GrammarCase{"d6?a;a;a;a;a;a;a;a;a;a;a;a;a", nullptr, ErrorCode::TooManyBands, 28},
        GrammarCase{"2d6+ ? 7+ Hit", nullptr, ErrorCode::ExpectedOperand, 6},
        GrammarCase{"pbta+5", nullptr, ErrorCode::PbtaForm, 5},
        GrammarCase{"bitd 11", nullptr, ErrorCode::BitdForm, 6},
        GrammarCase{"bitd", nullptr, ErrorCode::BitdForm, 5},
        GrammarCase{"bitd 3 ? 6 Win", nullptr, ErrorCode::BitdForm, 8},
        GrammarCase{"sw d7", nullptr, ErrorCode::SwForm, 4},
        GrammarCase{"sw d8 tn0", nullptr, ErrorCode::SwForm, 7},
        GrammarCase{"coc 65 b3", nullptr, ErrorCode::CocForm, 8},
        GrammarCase{"coc 0", nullptr, ErrorCode::CocForm, 5},
        GrammarCase{"cod 31", nullptr, ErrorCode::CodForm, 5},
        GrammarCase{"sr 0", nullptr, ErrorCode::SrForm, 4},
        GrammarCase{"fate+9", nullptr, ErrorCode::FateForm, 5},
        GrammarCase{"dnd+5 ac41", nullptr, ErrorCode::DndForm, 7},
        GrammarCase{"dnd+5 ac15 both", nullptr, ErrorCode::DndForm, 12}));

struct RolledCase {
    const char* text;
    std::vector<float> draws;
    const char* lastLine;
    const char* clipboard;  // without its line end
    const char* id;         // the outcome's; nullptr for none
};

void PrintTo(const RolledCase& row, std::ostream* out) { *out << row.text; }

class RolledOutcomes : public ::testing::TestWithParam<RolledCase> {};

TEST_P(RolledOutcomes, NameTheOutcomeAfterTheTotal) {
    const RolledCase& row = GetParam();
    testing::ScriptedRandomSource random(row.draws);
    testing::EngineBench bench(random);

    const auto shown = bench.engine.RollNotation(row.text, bench.list, bench.total);

    ASSERT_TRUE(std::holds_alternative<RollRecord>(shown));
    EXPECT_EQ(bench.Lines().back(), row.lastLine);
    EXPECT_EQ(bench.clipboard.Text(), std::string(row.clipboard) + "\r\n");
    const auto& outcome = std::get<RollRecord>(shown).outcome;
    EXPECT_EQ(outcome ? outcome->id : "none", row.id == nullptr ? "none" : row.id);
}

INSTANTIATE_TEST_SUITE_P(
    EverySystem, RolledOutcomes,
    ::testing::Values(RolledCase{"2d6+1 ? 10+ Strong hit; 7-9 Weak hit; 6- Miss # Act",
                                 {Face(4, 6), Face(4, 6)},
                                 "2d6+1 = 9 · Weak hit # Act",
                                 "2d6+1: [4, 4]+1 = 9 · Weak hit # Act",
                                 ""},
                      RolledCase{"d6 ? 7+ Never", {Face(3, 6)}, "d6 = 3", "d6: [3] = 3", nullptr},
                      RolledCase{"4d6>=5 ? 0 None; Some",
                                 {Face(5, 6), Face(6, 6), Face(1, 6), Face(2, 6)},
                                 "4d6>=5 = 2 · Some",
                                 "4d6>=5: [5*, 6*, 1, 2] = 2 · Some",
                                 ""},
                      RolledCase{"bitd 3 # Sneak",
                                 {Face(5, 6), Face(2, 6), Face(1, 6)},
                                 "bitd 3 = 5 · Partial # Sneak",
                                 "bitd 3: [5, 2d, 1d] = 5 · Partial # Sneak",
                                 "partial"},
                      RolledCase{"bitd 3",
                                 {Face(6, 6), Face(2, 6), Face(6, 6)},
                                 "bitd 3 = 6 · Critical",
                                 "bitd 3: [6, 2d, 6d] = 6 · Critical",
                                 "critical"},
                      RolledCase{"bitd 0",
                                 {Face(6, 6)},
                                 "bitd 0 = 6 · Success",
                                 "bitd 0: [6, 6d] = 6 · Success",
                                 "success"},
                      RolledCase{"sw d8+1",
                                 {Face(8, 8), Face(3, 8), Face(4, 6)},
                                 "sw d8+1 = 12 · Raise, 2 raises",
                                 "sw d8+1: {[8!, 3], [4d]} = 12 · Raise, 2 raises",
                                 "raise"},
                      RolledCase{"sw d6",
                                 {Face(1, 6)},
                                 "sw d6 = 1 · Critical failure",
                                 "sw d6: {[1], [1d]} = 1 · Critical failure",
                                 "critical_failure"},
                      RolledCase{"coc 65 b1",
                                 {Face(3, 10), Face(5, 10), Face(2, 10)},
                                 "coc 65 b1 = 23 · Hard success",
                                 "coc 65 b1: {[3], [5d, 2]} = 23 · Hard success",
                                 "hard_success"},
                      RolledCase{"coc 40 p1",
                                 {Face(10, 10), Face(10, 10), Face(3, 10)},
                                 "coc 40 p1 = 100 · Fumble",
                                 "coc 40 p1: {[10], [10, 3d]} = 100 · Fumble",
                                 "fumble"},
                      RolledCase{"cod 3",
                                 {Face(10, 10), Face(8, 10), Face(2, 10), Face(9, 10)},
                                 "cod 3 = 3 · Success",
                                 "cod 3: [10!*, 8*, 2, 9*] = 3 · Success",
                                 "success"},
                      RolledCase{"cod 0",
                                 {Face(1, 10)},
                                 "cod 0 = 1 · Dramatic failure",
                                 "cod 0: [1] = 1 · Dramatic failure",
                                 "dramatic_failure"},
                      RolledCase{"sr 4",
                                 {Face(1, 6), Face(1, 6), Face(1, 6), Face(5, 6)},
                                 "sr 4 = 1 · Glitch, 1 hit",
                                 "sr 4: [1, 1, 1, 5*] = 1 · Glitch, 1 hit",
                                 "glitch"},
                      RolledCase{"sr 2",
                                 {Face(1, 6)},
                                 "sr 2 = 0 · Critical glitch",
                                 "sr 2: [1, 1] = 0 · Critical glitch",
                                 "critical_glitch"},
                      RolledCase{"sr 3",
                                 {Face(5, 6), Face(6, 6), Face(2, 6)},
                                 "sr 3 = 2 · Success, 2 hits",
                                 "sr 3: [5*, 6*, 2] = 2 · Success, 2 hits",
                                 "success"},
                      RolledCase{"fate+2",
                                 {Face(3, 3), Face(3, 3), Face(2, 3), Face(1, 3)},
                                 "fate+2 = 3 · Good",
                                 "fate+2: [1, 1, 0, -1]+2 = 3 · Good",
                                 "good"},
                      RolledCase{"dnd+5 ac15 adv",
                                 {Face(20, 20), Face(3, 20)},
                                 "dnd+5 ac15 adv = 25 · Critical hit",
                                 "dnd+5 ac15 adv: [20, 3d]+5 = 25 · Critical hit",
                                 "critical_hit"},
                      RolledCase{"dnd+15 ac10 dis",
                                 {Face(1, 20), Face(19, 20)},
                                 "dnd+15 ac10 dis = 16 · Miss",
                                 "dnd+15 ac10 dis: [1, 19d]+15 = 16 · Miss",
                                 "miss"},
                      RolledCase{"dnd+2 dc12",
                                 {Face(10, 20)},
                                 "dnd+2 dc12 = 12 · Success",
                                 "dnd+2 dc12: [10]+2 = 12 · Success",
                                 "success"}));

struct ChanceCase {
    const char* text;
    std::vector<double> percent;  // worked out by hand, to two places
};

void PrintTo(const ChanceCase& row, std::ostream* out) { *out << row.text; }

class OutcomeOdds : public ::testing::TestWithParam<ChanceCase> {};

TEST_P(OutcomeOdds, AreExactInTheRulesOrder) {
    const auto parsed = notation::Parse(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<notation::Expression>(parsed));
    const OutcomeChances odds = OutcomeChancesOf(std::get<notation::Expression>(parsed));
    EXPECT_TRUE(odds.exact);
    ASSERT_EQ(odds.chances.size(), GetParam().percent.size());
    for (std::size_t i = 0; i < odds.chances.size(); ++i) {
        EXPECT_NEAR(100.0 * odds.chances[i], GetParam().percent[i], 0.005) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EverySystem, OutcomeOdds,
    ::testing::Values(
        ChanceCase{"bitd 3", {7.41, 34.72, 45.37, 12.50}},
        ChanceCase{"bitd 0", {2.78, 22.22, 75.00}}, ChanceCase{"pbta", {16.67, 41.67, 41.67}},
        ChanceCase{"sr 1", {16.67, 0, 50.00, 33.33}}, ChanceCase{"sr 2", {2.78, 0, 41.67, 55.56}},
        ChanceCase{"cod 0", {10.00, 10.00, 80.00}}, ChanceCase{"cod 1", {70.00, 29.997, 0.003}},
        ChanceCase{"coc 50", {1.00, 1.00, 9.00, 15.00, 25.00, 49.00}},
        ChanceCase{"coc 40", {1.00, 5.00, 7.00, 12.00, 20.00, 55.00}},
        ChanceCase{"dnd ac11", {5.00, 45.00, 50.00}},
        ChanceCase{"dnd+5 ac15 adv", {9.75, 70.00, 20.25}},
        ChanceCase{"dnd+5 dc15 dis", {30.25, 69.75}},
        ChanceCase{"sw d4", {4.17, 33.33, 43.23, 19.27}},
        ChanceCase{"fate", {0, 0, 0, 0, 1.23, 4.94, 12.35, 19.75, 23.46, 19.75, 18.52}},
        ChanceCase{"2d6 ? 7 Seven; 2-12 Other", {16.67, 83.33}}, ChanceCase{"d6 ? 7+ Never", {0}}));

// The roller's outcomes fall as often as their stated chances say, and its results average
// what their odds say, within five standard errors, for every system's kind of rule.
TEST(OutcomeOdds, AgreeWithRolledOutcomes) {
    constexpr int kRolls = 20000;
    MersenneRandomSource random;
    for (const char* text :
         {"bitd 3", "bitd 0", "sw d8+1", "coc 65 b1", "coc 40 p2", "cod 3", "sr 6", "fate+1",
          "dnd+5 ac15 adv", "2d6+1 ? 10+ S; 7-9 W; 6- M", "{d8!, d6!}kh1 ? 6+ Hit; Miss",
          "{4d6, 4d6, 4d6}kh1 ? 15+ G; 10-14 F; P", "{3d6, 2d10}>=10 ? 2 Both; 1 One; None"}) {
        const auto expression = std::get<notation::Expression>(notation::Parse(text));
        const std::vector<double> chances = OutcomeChancesOf(expression).chances;
        std::vector<int> seen(chances.size(), 0);
        double sum = 0.0;
        for (int i = 0; i < kRolls; ++i) {
            const auto roll =
                std::get<notation::Roll>(notation::RollExpression(expression, random));
            sum += static_cast<double>(roll.total);
            if (const auto outcome = notation::OutcomeOf(expression, roll)) {
                ++seen[outcome->index];
            }
        }
        // The odds of the total are those of the result the roller gives.
        const Distribution total = DistributionOf(expression);
        EXPECT_NEAR(sum / kRolls, total.Mean(), 5.0 * std::sqrt(total.Variance() / kRolls)) << text;
        // Savage Worlds' and Chronicles' dice explode, as "!" does: their odds line reads
        // "2 and up".
        const std::string_view system(text);
        EXPECT_EQ(total.IsOpenEnded(), system.starts_with("sw") || system.starts_with("cod") ||
                                           system.find('!') != std::string_view::npos)
            << text;
        for (std::size_t i = 0; i < chances.size(); ++i) {
            const double error = std::sqrt(chances[i] * (1.0 - chances[i]) / kRolls);
            EXPECT_NEAR(seen[i] / static_cast<double>(kRolls), chances[i], 5.0 * error + 1e-12)
                << text << " rule " << i;
        }
    }
}

}  // namespace
}  // namespace kelvane
