// The questions a distribution answers: the chance of a range of totals, and a quantile.
#include "engine/Distribution.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

#include "engine/odds/Approximation.h"

namespace kelvane {

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
    const odds::Moments moments = odds::MomentsOf(least, distribution.probabilities_);
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

Distribution Distribution::Cumulative(std::int64_t least, std::int64_t most,
                                      std::vector<std::int64_t> totals, std::vector<double> atMost,
                                      double mean, double variance, double failure) {
    Distribution distribution = Approximate(mean, variance, least, most, failure);
    if (totals.empty()) {
        distribution.failure_ = 1.0;
        distribution.least_ = 0;
        distribution.most_ = 0;
        return distribution;
    }
    distribution.least_ = std::min(least, totals.front());
    distribution.most_ = std::max(most, totals.back());
    distribution.mean_ = std::clamp(mean, static_cast<double>(distribution.least_),
                                    static_cast<double>(distribution.most_));
    distribution.knotTotals_ = std::move(totals);
    distribution.knotAtMost_ = std::move(atMost);
    return distribution;
}

double Distribution::CumulativeAtMost(std::int64_t total) const {
    if (total < knotTotals_.front()) {
        return 0.0;
    }
    if (total >= knotTotals_.back()) {
        return 1.0;
    }
    const auto next = std::upper_bound(knotTotals_.begin(), knotTotals_.end(), total);
    const auto i = static_cast<std::size_t>(next - knotTotals_.begin()) - 1;
    // In doubles: two totals far apart may differ by more than 64 bits hold.
    const double across =
        static_cast<double>(knotTotals_[i + 1]) - static_cast<double>(knotTotals_[i]);
    const double along = static_cast<double>(total) - static_cast<double>(knotTotals_[i]);
    return knotAtMost_[i] + (knotAtMost_[i + 1] - knotAtMost_[i]) * along / across;
}

double Distribution::Between(std::int64_t low, std::int64_t high) const {
    if (failure_ >= 1.0) {
        return 0.0;
    }
    // A certain outcome is certain, not the rounded sum of its table.
    if (low <= least_ && high >= most_) {
        return 1.0;
    }
    low = std::max(low, least_);
    high = std::min(high, most_);
    if (low > high) {
        return 0.0;
    }
    if (!knotTotals_.empty()) {
        const double below = low == least_ ? 0.0 : CumulativeAtMost(low - 1);
        return std::max(0.0, CumulativeAtMost(high) - below);
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

}  // namespace kelvane
