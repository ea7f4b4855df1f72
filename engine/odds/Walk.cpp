// The walk over an expression: each term's value and its arithmetic on a stack, then the
// distribution of the total, simulated where the walk could only approximate it and the roll
// is small enough, and held to the dice limit.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "engine/Distribution.h"
#include "engine/odds/Approximation.h"
#include "engine/odds/Group.h"
#include "engine/odds/Outcomes.h"
#include "engine/odds/Pool.h"
#include "engine/odds/Simulation.h"
#include "engine/odds/Throws.h"
#include "engine/odds/Value.h"

namespace kelvane {

namespace {

using odds::Int;
using odds::NodeKind;
using odds::Value;

Distribution DistributionFrom(Value value) {
    if (value.table) {
        return Distribution::Exact(value.table->least, std::move(value.table->p), value.failure);
    }
    return Distribution::Approximate(value.moments.mean, value.moments.variance, value.least,
                                     value.most, value.failure);
}

double CombinedFailure(double first, double second) { return 1.0 - (1.0 - first) * (1.0 - second); }

// A value with its covariance with the dice the roll throws, carried through the arithmetic
// to first order.
struct Walked {
    Value value;
    double covariance = 0.0;
};

double CovarianceOf(NodeKind kind, const Walked& left, const Walked& right) {
    const double x = odds::MomentsOf(left.value).mean;
    const double y = odds::MomentsOf(right.value).mean;
    switch (kind) {
        case NodeKind::Add:
            return left.covariance + right.covariance;
        case NodeKind::Subtract:
            return left.covariance - right.covariance;
        case NodeKind::Multiply:
            return y * left.covariance + x * right.covariance;
        default:
            return y == 0.0 ? 0.0 : left.covariance / y - x * right.covariance / (y * y);
    }
}

// The simulated rolls as a cumulative table at each total they showed; overLimit takes the
// share of them that threw too many dice.
Distribution Simulated(const notation::Expression& expression, std::chrono::milliseconds budget,
                       const Value& walked, double& overLimit) {
    const odds::Simulation simulation = odds::Simulate(expression, budget);
    overLimit = static_cast<double>(simulation.overLimit) / static_cast<double>(simulation.rolls);
    const auto rolls = static_cast<double>(simulation.rolls);
    const auto stood = static_cast<double>(simulation.totals.size());
    std::vector<Int> totals;
    std::vector<double> atMost;
    double sum = 0.0;
    for (std::size_t i = 0; i < simulation.totals.size(); ++i) {
        sum += static_cast<double>(simulation.totals[i]);
        if (i + 1 == simulation.totals.size() || simulation.totals[i + 1] != simulation.totals[i]) {
            totals.push_back(simulation.totals[i]);
            atMost.push_back(static_cast<double>(i + 1) / stood);
        }
    }
    const double mean = stood > 0.0 ? sum / stood : 0.0;
    double square = 0.0;
    for (const Int total : simulation.totals) {
        square += (static_cast<double>(total) - mean) * (static_cast<double>(total) - mean);
    }
    const double variance = stood > 1.0 ? square / (stood - 1.0) : 0.0;
    return Distribution::Cumulative(walked.least, walked.most, std::move(totals), std::move(atMost),
                                    mean, variance, 1.0 - stood / rolls);
}

// The normal curve of a large roll, given that it stays within the dice limit. The total and
// the dice thrown are taken as jointly normal: the total given n dice thrown is normal about a
// line in n, and the rolls left are those with n within the limit.
Distribution WithinDiceLimit(const Value& walked, double covariance, const odds::Throws& throws,
                             double within) {
    const odds::Moments total = walked.moments;
    const double spread = std::sqrt(total.variance);
    const double throwSpread = std::sqrt(throws.variance);
    // Below this the limit moves no chance by a visible amount.
    constexpr double kNoticeable = 1e-12;
    if (spread <= 0.0 || throwSpread <= 0.0 || 1.0 - within < kNoticeable) {
        return Distribution::Approximate(total.mean, total.variance, walked.least, walked.most,
                                         CombinedFailure(walked.failure, 1.0 - within));
    }
    constexpr double kMostCorrelation = 0.999999;
    const double rho =
        std::clamp(covariance / (spread * throwSpread), -kMostCorrelation, kMostCorrelation);
    const double z = (static_cast<double>(notation::kMaxDice) + 0.5 - throws.mean) / throwSpread;
    const double density = std::exp(-z * z / 2.0) / std::sqrt(2.0 * std::numbers::pi);
    const double lambda = density / within;
    const double mean = total.mean - rho * spread * lambda;
    const double variance = total.variance * (1.0 - rho * rho * (z * lambda + lambda * lambda));

    // The chance of a total of at most s: over the dice thrown u (in standard units, up to the
    // limit z), the normal curve of the total given u, by Simpson's rule.
    constexpr int kSteps = 200;
    constexpr double kReach = 8.0;
    const double from = std::min(-kReach, z - kReach);
    const double step = (z - from) / kSteps;
    const double residual = std::sqrt(1.0 - rho * rho);
    const auto atMost = [&](double s) {
        const double standard = (s + 0.5 - total.mean) / spread;
        double integral = 0.0;
        for (int i = 0; i <= kSteps; ++i) {
            const double u = from + i * step;
            const double weight = i == 0 || i == kSteps ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
            integral +=
                weight * std::exp(-u * u / 2.0) * odds::NormalCdf((standard - rho * u) / residual);
        }
        return integral * step / 3.0 / std::sqrt(2.0 * std::numbers::pi) / within;
    };
    constexpr int kKnots = 400;
    const double low = std::max(static_cast<double>(walked.least),
                                mean - kReach * std::sqrt(std::max(variance, 0.0)));
    const double high = std::min(static_cast<double>(walked.most),
                                 mean + kReach * std::sqrt(std::max(variance, 0.0)));
    std::vector<Int> totals;
    std::vector<double> chances;
    for (int i = 0; i <= kKnots; ++i) {
        const auto at = static_cast<Int>(std::llround(low + (high - low) * i / kKnots));
        if (!totals.empty() && at <= totals.back()) {
            continue;
        }
        totals.push_back(at);
        chances.push_back(i == kKnots ? 1.0
                                      : std::clamp(atMost(static_cast<double>(at)),
                                                   chances.empty() ? 0.0 : chances.back(), 1.0));
    }
    chances.back() = 1.0;
    return Distribution::Cumulative(walked.least, walked.most, std::move(totals),
                                    std::move(chances), mean, variance,
                                    CombinedFailure(walked.failure, 1.0 - within));
}

// Exploding dice have no most total.
bool AnyExplodes(const notation::Expression& expression) {
    return std::any_of(expression.dice.begin(), expression.dice.end(),
                       [](const notation::DiceTerm& term) { return term.explode.has_value(); });
}

}  // namespace

namespace {

// Each term's value and its arithmetic on a stack; a group's rolls are walked each on its own,
// their dice's throws counted in with the rest.
class Walker {
  public:
    Walker(const notation::Expression& expression, odds::Budget& budget, odds::Throws& throws)
        : expression_(expression), budget_(budget), throws_(throws) {}

    Walked Run(const std::vector<notation::Node>& postfix) {
        std::vector<Walked> stack;
        for (const notation::Node& node : postfix) {
            switch (node.kind) {
                case NodeKind::Number:
                    stack.push_back({odds::Exactly({node.number, {1.0}})});
                    break;
                case NodeKind::Dice: {
                    const notation::DiceTerm& term = Term(node);
                    stack.push_back({odds::TermValue(term, budget_), CountThrows(term)});
                    break;
                }
                case NodeKind::Group:
                    stack.push_back(
                        Group(expression_.groups.at(static_cast<std::size_t>(node.number))));
                    break;
                case NodeKind::Negate:
                    stack.back().value = odds::Negated(std::move(stack.back().value));
                    stack.back().covariance = -stack.back().covariance;
                    break;
                default: {
                    Walked right = std::move(stack.back());
                    stack.pop_back();
                    Walked& left = stack.back();
                    left.covariance = CovarianceOf(node.kind, left, right);
                    left.value = odds::Combine(node.kind, left.value, right.value, budget_);
                    break;
                }
            }
        }
        return std::move(stack.back());
    }

  private:
    const notation::DiceTerm& Term(const notation::Node& node) const {
        return expression_.dice.at(static_cast<std::size_t>(node.number));
    }

    double CountThrows(const notation::DiceTerm& term) {
        const odds::Throws termThrows = odds::ThrowsOf(term);
        throws_.mean += termThrows.mean;
        throws_.variance += termThrows.variance;
        throws_.most += termThrows.most;
        return termThrows.covariance;
    }

    // A group's covariance with the dice thrown is left out: it keeps or counts its rolls.
    Walked Group(const notation::Group& group) {
        if (group.OfDice()) {
            std::vector<notation::DiceTerm> terms;
            for (const notation::Node& node : group.rolls.front()) {
                if (node.kind == NodeKind::Dice) {
                    terms.push_back(Term(node));
                    CountThrows(terms.back());
                }
            }
            return {odds::GroupOfDiceValue(group, terms, budget_)};
        }
        std::vector<Value> rolls;
        for (const std::vector<notation::Node>& roll : group.rolls) {
            rolls.push_back(Run(roll).value);
        }
        return {odds::GroupValue(group, rolls, budget_)};
    }

    const notation::Expression& expression_;
    odds::Budget& budget_;
    odds::Throws& throws_;
};

}  // namespace

Distribution DistributionOf(const notation::Expression& expression,
                            std::chrono::milliseconds simulationBudget) {
    // A result beyond the arithmetic on the terms comes from the dice themselves.
    if (expression.reading.result != notation::ResultRule::Total) {
        Distribution result = ResultOdds(expression);
        result.openEnded_ = AnyExplodes(expression);
        return result;
    }
    odds::Budget budget;
    odds::Throws throws;
    Walked whole = Walker(expression, budget, throws).Run(expression.postfix);
    Value& walked = whole.value;
    const double over = odds::ChanceOverDiceLimit(throws);
    const double within = 1.0 - over;
    Distribution distribution;
    if (walked.table || walked.failure >= 1.0) {
        distribution = DistributionFrom(std::move(walked));
        distribution.failure_ = CombinedFailure(distribution.failure_, over);
        distribution.diceLimit_ = over;
    } else if (throws.mean <= odds::kMostThrowsSimulated) {
        double overLimit = 0.0;
        distribution = Simulated(expression, simulationBudget, walked, overLimit);
        distribution.diceLimit_ = std::max(over, overLimit);
        distribution.failure_ = std::max(distribution.failure_, distribution.diceLimit_);
    } else {
        distribution = WithinDiceLimit(walked, whole.covariance, throws, within);
        distribution.diceLimit_ = over;
    }
    distribution.openEnded_ = AnyExplodes(expression);
    return distribution;
}

Distribution DistributionOfDice(std::int16_t m, std::int16_t n) {
    odds::Budget budget;
    const Int dice = m <= 1 ? 1 : m;
    return DistributionFrom(odds::Pool(odds::ButtonFaces(n), {}, dice, std::nullopt, budget));
}

}  // namespace kelvane
