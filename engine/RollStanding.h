#pragma once

#include <cstdint>
#include <optional>

#include "engine/Distribution.h"
#include "platform/RollLog.h"

namespace kelvane {

// Where a rolled total stands among the totals its roll can show: P(total < t) + P(total = t)/2,
// or, where the lower total is the better, P(total > t) + P(total = t)/2.
// Under fair dice a standing has mean 1/2 and variance (1 - Σ pₖ³) / 12, pₖ being the chance of
// each total, which Spread() carries so that many standings can be weighed together.
struct Standing {
    double share = 0.0;
    double spread = 0.0;  // the standing's variance under fair dice
    bool approximate = false;
};

// Which way the totals stand: a roll under a skill is the better the lower it goes.
enum class Better : bool { kHigher, kLower };

// The standing of total under odds; none for a roll that always fails.
[[nodiscard]] std::optional<Standing> StandingOf(const Distribution& odds, std::int64_t total,
                                                 Better better = Better::kHigher);

// Σ pₖ³ over the totals: summed from an exact table; for a normal curve of variance σ², the
// integral of its density cubed, 1 / (2√3 π σ²), no more than 1.
[[nodiscard]] double SumOfCubedChances(const Distribution& odds);

// Which tenth a standing falls in, 0 to 9; a standing of exactly 1 is in the top one.
[[nodiscard]] int TenthOf(double share);

// How lucky a set of rolls was: the average standing, z = (Σuᵢ − n/2) / √(Σ spreads), and the
// chance that fair dice stand this low or lower, Φ(z), or, above an average of one half, this
// high or higher, 1 − Φ(z).
struct Luck {
    std::int64_t counted = 0;
    std::int64_t withoutOdds = 0;
    double averageStanding = 0.5;
    double z = 0.0;
    bool high = false;
    double chance = 1.0;
};

[[nodiscard]] Luck LuckOf(const RollLogSums& sums);

// The standard normal curve's cumulative chance.
[[nodiscard]] double NormalCumulative(double z);

}  // namespace kelvane
