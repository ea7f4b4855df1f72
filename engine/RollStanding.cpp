#include "engine/RollStanding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane {

std::optional<Standing> StandingOf(const Distribution& odds, std::int64_t total, Better better) {
    if (odds.FailureChance() >= 1.0) {
        return std::nullopt;
    }
    // AtMost(t) - P(t)/2 rather than AtMost(t - 1) + P(t)/2, so that no total overflows; the
    // order reversed leaves the spread as it is.
    const double worseOrEqual = better == Better::kLower ? odds.AtLeast(total) : odds.AtMost(total);
    const double share = worseOrEqual - odds.Between(total, total) / 2.0;
    Standing standing;
    standing.share = std::clamp(share, 0.0, 1.0);
    standing.spread = std::max(0.0, 1.0 - SumOfCubedChances(odds)) / 12.0;
    standing.approximate = !odds.IsExact();
    return standing;
}

double SumOfCubedChances(const Distribution& odds) {
    if (odds.IsExact()) {
        double sum = 0.0;
        for (const double chance : odds.Probabilities()) {
            sum += chance * chance * chance;
        }
        return sum;
    }
    const double variance = odds.Variance();
    if (variance <= 0.0) {
        return 1.0;
    }
    return std::min(1.0, 1.0 / (2.0 * std::numbers::sqrt3 * std::numbers::pi * variance));
}

int TenthOf(double share) { return std::clamp(static_cast<int>(share * 10.0), 0, 9); }

double NormalCumulative(double z) { return 0.5 * std::erfc(-z / std::numbers::sqrt2); }

Luck LuckOf(const RollLogSums& sums) {
    Luck luck;
    luck.counted = sums.withStanding;
    luck.withoutOdds = sums.withoutStanding;
    if (sums.withStanding == 0) {
        return luck;
    }
    const auto n = static_cast<double>(sums.withStanding);
    luck.averageStanding = sums.standings / n;
    luck.high = luck.averageStanding > 0.5;
    if (sums.spreads <= 0.0) {
        // Rolls that can show one total only: nothing could have gone otherwise.
        return luck;
    }
    luck.z = (sums.standings - n / 2.0) / std::sqrt(sums.spreads);
    luck.chance = luck.high ? NormalCumulative(-luck.z) : NormalCumulative(luck.z);
    return luck;
}

}  // namespace kelvane
