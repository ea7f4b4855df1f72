#include "engine/odds/Outcomes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include "engine/Distribution.h"
#include "engine/NotationRoll.h"
#include "platform/MersenneRandomSource.h"

namespace kelvane {

namespace {

using notation::Condition;
using notation::DiceTerm;
using notation::Expression;
using notation::Measure;
using notation::NodeKind;
using notation::OutcomeRule;
using Int = std::int64_t;
using Measured = std::function<std::optional<Int>(const Condition&)>;

constexpr double kMostCompositions = 2e5;
constexpr int kSimulatedRolls = 20000;

bool OnResultOnly(const std::vector<OutcomeRule>& rules) {
    return std::all_of(rules.begin(), rules.end(), [](const OutcomeRule& rule) {
        return std::all_of(rule.conditions.begin(), rule.conditions.end(),
                           [](const Condition& c) { return c.measure == Measure::Result; });
    });
}

// Rules on the result alone, from the chance of a result between two values: each rule takes
// the part of its range that no earlier rule took.
std::vector<double> ByRanges(const std::vector<OutcomeRule>& rules,
                             const std::function<double(Int, Int)>& between) {
    std::vector<double> chances;
    std::vector<std::pair<Int, Int>> taken;
    for (const OutcomeRule& rule : rules) {
        Int low = notation::kNoFloor;
        Int high = notation::kNoLimit;
        for (const Condition& condition : rule.conditions) {
            low = std::max(low, condition.low);
            high = std::min(high, condition.high);
        }
        std::vector<std::pair<Int, Int>> pieces;
        if (low <= high) {
            pieces.emplace_back(low, high);
        }
        for (const auto& [takenLow, takenHigh] : taken) {
            std::vector<std::pair<Int, Int>> left;
            for (const auto& [a, b] : pieces) {
                if (takenHigh < a || takenLow > b) {
                    left.emplace_back(a, b);
                    continue;
                }
                if (a < takenLow) {
                    left.emplace_back(a, takenLow - 1);
                }
                if (b > takenHigh) {
                    left.emplace_back(takenHigh + 1, b);
                }
            }
            pieces = std::move(left);
        }
        double chance = 0.0;
        for (const auto& [a, b] : pieces) {
            chance += between(a, b);
        }
        chances.push_back(chance);
        if (low <= high) {
            taken.emplace_back(low, high);
        }
    }
    return chances;
}

// Adds the chance to the rule that the measures pick.
void Tally(std::vector<double>& chances, const std::vector<OutcomeRule>& rules, double chance,
           const Measured& measured) {
    if (const auto rule = notation::FirstRuleHolding(rules, measured)) {
        chances[*rule] += chance;
    }
}

// The expression's value with the one term's value put in; nothing when the arithmetic fails.
std::optional<Int> WithTerm(const Expression& expression, Int term) {
    std::vector<Int> stack;
    for (const notation::Node& node : expression.postfix) {
        if (node.kind == NodeKind::Number || node.kind == NodeKind::Dice) {
            stack.push_back(node.kind == NodeKind::Number ? node.number : term);
        } else if (node.kind == NodeKind::Negate) {
            if (stack.back() == notation::kNoFloor) {
                return std::nullopt;
            }
            stack.back() = -stack.back();
        } else {
            const Int right = stack.back();
            stack.pop_back();
            const auto result = notation::Apply(node.kind, stack.back(), right);
            if (!result) {
                return std::nullopt;
            }
            stack.back() = *result;
        }
    }
    return stack.back();
}

// One term of dice that neither explode nor rethrow: every count of dice showing each class
// of faces that the rules tell apart, with its multinomial chance.
std::optional<std::vector<double>> ByFaceCounts(const Expression& expression) {
    const DiceTerm& term = expression.dice.front();
    const std::vector<OutcomeRule>& rules = expression.reading.rules;
    std::vector<Int> named;  // the faces whose counts a rule reads
    for (const OutcomeRule& rule : rules) {
        for (const Condition& condition : rule.conditions) {
            if (condition.measure == Measure::FacesShown) {
                named.push_back(condition.face);
            }
        }
    }
    // A class: a face standing for `size` faces the rules cannot tell apart.
    struct Class {
        Int face;
        Int size;
    };
    std::vector<Class> classes;
    const bool eachFace = term.keepDrop.has_value() || !term.success;
    std::map<std::pair<int, Int>, std::size_t> classOf;
    for (Int face = term.LowestFace(); face <= term.HighestFace(); ++face) {
        const bool isNamed = std::find(named.begin(), named.end(), face) != named.end();
        const int counts = (term.success && term.success->Matches(face) ? 1 : 0) +
                           (term.failure && term.failure->Matches(face) ? 2 : 0);
        const std::pair<int, Int> key{counts, eachFace || isNamed ? face : 0};
        const auto [at, added] = classOf.try_emplace(key, classes.size());
        if (added) {
            classes.push_back({face, 0});
        }
        ++classes[at->second].size;
    }
    const Int n = term.count;
    const auto c = static_cast<double>(classes.size());
    // C(n + c - 1, c - 1) counts.
    const double compositions = std::exp(std::lgamma(static_cast<double>(n) + c) - std::lgamma(c) -
                                         std::lgamma(static_cast<double>(n) + 1.0));
    if (compositions > kMostCompositions) {
        return std::nullopt;
    }
    std::vector<double> chances(rules.size(), 0.0);
    std::vector<Int> counts(classes.size(), 0);
    std::vector<double> logFactorial(static_cast<std::size_t>(n) + 1, 0.0);
    for (std::size_t k = 1; k < logFactorial.size(); ++k) {
        logFactorial[k] = logFactorial[k - 1] + std::log(static_cast<double>(k));
    }
    std::vector<double> logShare;
    logShare.reserve(classes.size());
    for (const Class& each : classes) {
        logShare.push_back(
            std::log(static_cast<double>(each.size) / static_cast<double>(term.sides)));
    }
    // The dice standing, from the lowest face up: all but those kept or dropped.
    const auto standing = [&term, n]() -> std::pair<Int, Int> {
        if (!term.keepDrop) {
            return {0, n};
        }
        const Int amount = std::min(term.keepDrop->amount, n);
        const bool fromTop = term.keepDrop->keep == term.keepDrop->highest;
        const Int kept = term.keepDrop->keep ? amount : n - amount;
        return fromTop ? std::pair{n - kept, n} : std::pair{Int{0}, kept};
    }();
    const std::function<void(std::size_t, Int)> place = [&](std::size_t at, Int left) {
        if (at + 1 < classes.size()) {
            for (Int k = 0; k <= left; ++k) {
                counts[at] = k;
                place(at + 1, left - k);
            }
            return;
        }
        counts[at] = left;
        double logChance = logFactorial.back();
        for (std::size_t i = 0; i < classes.size(); ++i) {
            const auto k = static_cast<std::size_t>(counts[i]);
            logChance += static_cast<double>(k) * logShare[i] - logFactorial[k];
        }
        // The standing dice lie between positions first and last of the faces in order.
        Int value = 0;
        Int position = 0;
        std::optional<Int> keptFace;
        for (std::size_t i = 0; i < classes.size(); ++i) {
            const Int from = std::max(position, standing.first);
            const Int to = std::min(position + counts[i], standing.second);
            position += counts[i];
            if (from >= to) {
                continue;
            }
            const Int face = classes[i].face;
            if (!term.success) {
                value += (to - from) * face;
            } else {
                value += (to - from) * ((term.success->Matches(face) ? 1 : 0) -
                                        (term.failure && term.failure->Matches(face) ? 1 : 0));
            }
            keptFace = face;
        }
        const std::optional<Int> result = WithTerm(expression, value);
        const bool oneStands = standing.second - standing.first == 1;
        Tally(chances, rules, std::exp(logChance), [&](const Condition& condition) {
            switch (condition.measure) {
                case Measure::Result:
                    return result;
                case Measure::FacesShown:
                    for (std::size_t i = 0; i < classes.size(); ++i) {
                        if (classes[i].face == condition.face && classes[i].size == 1) {
                            return std::optional<Int>(counts[i]);
                        }
                    }
                    return std::optional<Int>(0);
                case Measure::KeptFace:
                    return oneStands ? keptFace : std::nullopt;
            }
            return std::optional<Int>();
        });
    };
    place(0, n);
    return chances;
}

// Call of Cthulhu's d100, every units face with every tens dice's faces: the chance of each
// value 1 ... 100 at its index.
std::vector<double> PercentileValues(const Expression& expression) {
    const Int tensDice = expression.dice[1].count;
    const Int keep = expression.reading.add;
    const double each = std::pow(0.1, static_cast<double>(tensDice + 1));
    std::vector<double> values(101, 0.0);  // 1 ... 100
    Int combinations = 1;
    for (Int i = 0; i < tensDice; ++i) {
        combinations *= 10;
    }
    for (Int units = 0; units < 10; ++units) {
        for (Int tens = 0; tens < combinations; ++tens) {
            Int kept = 0;
            Int digits = tens;
            for (Int i = 0; i < tensDice; ++i, digits /= 10) {
                const Int percent = digits % 10 * 10 + units == 0 ? 100 : digits % 10 * 10 + units;
                kept = i == 0 || (percent - kept) * keep > 0 ? percent : kept;
            }
            values[static_cast<std::size_t>(kept)] += each;
        }
    }
    return values;
}

std::vector<double> Percentile(const Expression& expression) {
    const std::vector<OutcomeRule>& rules = expression.reading.rules;
    const std::vector<double> values = PercentileValues(expression);
    std::vector<double> chances(rules.size(), 0.0);
    for (Int value = 1; value <= 100; ++value) {
        Tally(chances, rules, values[static_cast<std::size_t>(value)],
              [value](const Condition& condition) {
                  return condition.measure == Measure::Result ? std::optional(value) : std::nullopt;
              });
    }
    return chances;
}

// Savage Worlds: the trait die and the wild die, each exploding on its highest face.
// Each die's odds alone, exact as one die's always are; nothing for other dice than these.
std::optional<std::vector<Distribution>> TwoExplodingDice(const Expression& expression) {
    std::vector<Distribution> dice;
    for (const DiceTerm& term : expression.dice) {
        if (term.count != 1 || term.reroll ||
            term.explode != notation::ComparePoint{notation::Compare::Equal, term.HighestFace()}) {
            return std::nullopt;
        }
        Expression alone;
        alone.dice = {term};
        alone.postfix = {{NodeKind::Dice, 0, 1}};
        dice.push_back(DistributionOf(alone));
        if (!dice.back().IsExact()) {
            return std::nullopt;
        }
    }
    return dice.size() == 2 ? std::optional(std::move(dice)) : std::nullopt;
}

std::optional<std::vector<double>> HigherOfTwo(const Expression& expression) {
    const auto twoDice = TwoExplodingDice(expression);
    if (!twoDice) {
        return std::nullopt;
    }
    const std::vector<Distribution>& dice = *twoDice;
    const std::vector<OutcomeRule>& rules = expression.reading.rules;
    std::vector<double> chances(rules.size(), 0.0);
    const auto tally = [&](Int higher, Int shownX, Int shownY, double chance) {
        const Int result = higher + expression.reading.add;
        Tally(chances, rules, chance, [&](const Condition& condition) {
            switch (condition.measure) {
                case Measure::Result:
                    return std::optional(result);
                case Measure::FacesShown:
                    return std::optional<Int>((shownX == condition.face ? 1 : 0) +
                                              (shownY == condition.face ? 1 : 0));
                case Measure::KeptFace:
                    break;
            }
            return std::optional<Int>();
        });
    };
    const auto& first = dice[0].Probabilities();
    const auto& second = dice[1].Probabilities();
    const Int highX = expression.dice[0].HighestFace();
    const Int highY = expression.dice[1].HighestFace();
    // An exploded die shows its highest face on its first throw.
    for (std::size_t a = 0; a < first.size(); ++a) {
        const Int x = dice[0].Least() + static_cast<Int>(a);
        for (std::size_t b = 0; b < second.size(); ++b) {
            const Int y = dice[1].Least() + static_cast<Int>(b);
            if (x < highX || y < highY) {
                tally(std::max(x, y), std::min(x, highX), std::min(y, highY), first[a] * second[b]);
            }
        }
    }
    // Both exploded: they show their highest faces, and only the higher value matters, its
    // chance from the chances of both being at most v.
    double bothBefore = 0.0;
    for (Int v = std::max(highX, highY); v <= std::max(dice[0].Most(), dice[1].Most()); ++v) {
        const double both = dice[0].Between(highX, v) * dice[1].Between(highY, v);
        tally(v, highX, highY, both - bothBefore);
        bothBefore = both;
    }
    return chances;
}

// The rolls themselves, from a fixed seed, for what the ways above cannot work out.
std::vector<double> Simulated(const Expression& expression) {
    MersenneRandomSource random;
    std::vector<double> chances(expression.reading.rules.size(), 0.0);
    int rolled = 0;
    for (int i = 0; i < kSimulatedRolls; ++i) {
        const auto roll = notation::RollExpression(expression, random);
        if (const auto* done = std::get_if<notation::Roll>(&roll)) {
            ++rolled;
            if (const auto outcome = notation::OutcomeOf(expression, *done)) {
                chances[outcome->index] += 1.0;
            }
        }
    }
    for (double& chance : chances) {
        chance /= std::max(rolled, 1);
    }
    return chances;
}

bool OneTermWithoutRethrows(const Expression& expression) {
    const auto terms =
        std::count_if(expression.postfix.begin(), expression.postfix.end(),
                      [](const notation::Node& n) { return n.kind == NodeKind::Dice; });
    return terms == 1 && expression.dice.size() == 1 && !expression.dice.front().explode &&
           !expression.dice.front().reroll;
}

}  // namespace

Distribution ResultOdds(const Expression& expression) {
    if (expression.reading.result == notation::ResultRule::Percentile) {
        const std::vector<double> values = PercentileValues(expression);
        return Distribution::Exact(1, std::vector<double>(values.begin() + 1, values.end()));
    }
    const auto dice = TwoExplodingDice(expression);
    if (!dice) {
        return Distribution::Exact(0, {}, 1.0);
    }
    // The higher is at most v when both are.
    const Int least = std::max((*dice)[0].Least(), (*dice)[1].Least());
    const Int most = std::max((*dice)[0].Most(), (*dice)[1].Most());
    std::vector<double> chances;
    double before = 0.0;
    for (Int v = least; v <= most; ++v) {
        const double both = (*dice)[0].AtMost(v) * (*dice)[1].AtMost(v);
        chances.push_back(both - before);
        before = both;
    }
    return Distribution::Exact(least + expression.reading.add, std::move(chances));
}

OutcomeChances OutcomeChancesOf(const Expression& expression) {
    const notation::Reading& reading = expression.reading;
    switch (reading.result) {
        case notation::ResultRule::Percentile:
            return {Percentile(expression), true};
        case notation::ResultRule::HigherTermPlus:
            if (auto chances = HigherOfTwo(expression)) {
                return {std::move(*chances), true};
            }
            return {Simulated(expression), false};
        case notation::ResultRule::Total:
            break;
    }
    if (OnResultOnly(reading.rules)) {
        const Distribution total = DistributionOf(expression);
        return {ByRanges(reading.rules,
                         [&total](Int low, Int high) { return total.Between(low, high); }),
                total.IsExact()};
    }
    if (OneTermWithoutRethrows(expression)) {
        if (auto chances = ByFaceCounts(expression)) {
            return {std::move(*chances), true};
        }
    }
    return {Simulated(expression), false};
}

}  // namespace kelvane
