// The distribution of a roll's total: the walk over the expression, and the questions a
// distribution answers.
#include "Distribution.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

#include "odds/Approximation.h"
#include "odds/Pool.h"
#include "odds/Value.h"

namespace kelvane {

namespace {

using odds::Int;
using odds::Moments;
using odds::NodeKind;
using odds::Value;

Distribution DistributionFrom(Value value) {
    if (value.table) {
        return Distribution::Exact(value.table->least, std::move(value.table->p), value.failure);
    }
    return Distribution::Approximate(value.moments.mean, value.moments.variance, value.least,
                                     value.most, value.failure);
}

}  // namespace

Distribution Distribution::Exact(std::int64_t least, std::vector<double> probabilities,
                                 double failure) {
    Distribution distribution;
    const double mass = odds::Sum(probabilities);
    if (probabilities.empty() || mass <= 0.0) {
        distribution.failure_ = 1.0;
        return distribution;
    }
    for (double& chance : probabilities) {
        chance /= mass;
    }
    distribution.least_ = least;
    distribution.most_ = least + (static_cast<std::int64_t>(probabilities.size()) - 1);
    distribution.failure_ = failure;
    distribution.probabilities_ = std::move(probabilities);
    const Moments moments = odds::MomentsOf(least, distribution.probabilities_);
    distribution.mean_ = moments.mean;
    distribution.variance_ = moments.variance;
    return distribution;
}

Distribution Distribution::Approximate(double mean, double variance, std::int64_t least,
                                       std::int64_t most, double failure) {
    Distribution distribution;
    distribution.exact_ = false;
    distribution.least_ = least;
    distribution.most_ = most;
    // A result cut off at 64 bits keeps its mean among the totals it shows.
    distribution.mean_ = std::clamp(mean, static_cast<double>(least), static_cast<double>(most));
    distribution.variance_ = std::max(variance, 0.0);
    distribution.failure_ = failure;
    return distribution;
}

double Distribution::NormalAtMost(std::int64_t total) const {
    const double edge = static_cast<double>(total) + 0.5;
    if (variance_ <= 0.0) {
        return edge >= mean_ ? 1.0 : 0.0;
    }
    return odds::NormalCdf((edge - mean_) / std::sqrt(variance_));
}

double Distribution::Between(std::int64_t low, std::int64_t high) const {
    if (failure_ >= 1.0) {
        return 0.0;
    }
    low = std::max(low, least_);
    high = std::min(high, most_);
    if (low > high) {
        return 0.0;
    }
    if (exact_) {
        const auto from = probabilities_.begin() + static_cast<std::ptrdiff_t>(low - least_);
        return std::accumulate(from, from + static_cast<std::ptrdiff_t>(high - low + 1), 0.0);
    }
    const double upTo = high == most_ ? 1.0 : NormalAtMost(high);
    const double below = low == least_ ? 0.0 : NormalAtMost(low - 1);
    return std::max(0.0, upTo - below);
}

std::int64_t Distribution::Quantile(double share) const {
    std::int64_t low = least_;
    std::int64_t high = most_;
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (AtMost(middle) >= share) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

Distribution DistributionOf(const notation::Expression& expression) {
    odds::Budget budget;
    std::vector<Value> stack;
    for (const notation::Node& node : expression.postfix) {
        switch (node.kind) {
            case NodeKind::Number:
                stack.push_back(odds::Exactly({node.number, {1.0}}));
                break;
            case NodeKind::Dice:
                stack.push_back(odds::TermValue(
                    expression.dice.at(static_cast<std::size_t>(node.number)), budget));
                break;
            case NodeKind::Negate:
                stack.back() = odds::Negated(std::move(stack.back()));
                break;
            default: {
                Value right = std::move(stack.back());
                stack.pop_back();
                stack.back() = odds::Combine(node.kind, stack.back(), right, budget);
                break;
            }
        }
    }
    Distribution distribution = DistributionFrom(std::move(stack.back()));
    distribution.openEnded_ =
        std::any_of(expression.dice.begin(), expression.dice.end(),
                    [](const notation::DiceTerm& term) { return term.explode.has_value(); });
    return distribution;
}

Distribution DistributionOfDice(std::int16_t m, std::int16_t n) {
    odds::Budget budget;
    const Int dice = m <= 1 ? 1 : m;
    return DistributionFrom(odds::Pool(odds::ButtonFaces(n), {}, dice, std::nullopt, budget));
}

}  // namespace kelvane
