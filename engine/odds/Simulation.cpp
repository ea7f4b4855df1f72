// Simulated odds: the roller's own rolls from a generator of their own with its fixed seed.
#include "engine/odds/Simulation.h"

#include <algorithm>
#include <variant>

#include "engine/NotationRoll.h"
#include "platform/MersenneRandomSource.h"

namespace kelvane::odds {

Simulation Simulate(const notation::Expression& expression, std::chrono::milliseconds budget) {
    constexpr Int kMostRolls = 2'000'000;
    constexpr Int kRollsBetweenClockReadings = 1000;
    const auto start = std::chrono::steady_clock::now();
    MersenneRandomSource random;
    Simulation simulation;
    for (;;) {
        for (Int i = 0; i < kRollsBetweenClockReadings; ++i) {
            const auto roll = notation::RollExpression(expression, random);
            ++simulation.rolls;
            if (const auto* done = std::get_if<notation::Roll>(&roll)) {
                simulation.totals.push_back(done->total);
            } else if (std::get<notation::Error>(roll).code == notation::ErrorCode::TooManyDice) {
                ++simulation.overLimit;
            }
        }
        const bool enough = simulation.rolls >= kFewestSimulatedRolls;
        if (simulation.rolls >= kMostRolls ||
            (enough && std::chrono::steady_clock::now() - start >= budget)) {
            break;
        }
    }
    std::sort(simulation.totals.begin(), simulation.totals.end());
    return simulation;
}

}  // namespace kelvane::odds
