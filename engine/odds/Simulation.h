#pragma once

// The odds of a roll that neither exact tables nor exact moments can give: the roll itself,
// thrown many times with the roller from a fixed seed.

#include <chrono>
#include <vector>

#include "engine/odds/Table.h"

namespace kelvane::odds {

// The most dice a roll may throw on average to be simulated: the fewest rolls then take some
// 50 ms in a release build at worst, off the window's thread. Larger rolls take the normal
// curve, which their many dice bring close.
inline constexpr double kMostThrowsSimulated = 100.0;
inline constexpr Int kFewestSimulatedRolls = 20000;

struct Simulation {
    std::vector<Int> totals;  // of the rolls that gave one, ascending
    Int rolls = 0;
    Int overLimit = 0;  // rolls that threw more dice than one roll may
};

// Rolls the expression in batches until the budget is spent, never fewer than
// kFewestSimulatedRolls times.
[[nodiscard]] Simulation Simulate(const notation::Expression& expression,
                                  std::chrono::milliseconds budget);

}  // namespace kelvane::odds
