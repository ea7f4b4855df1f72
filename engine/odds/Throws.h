#pragma once

// How many dice a roll throws, explosions and rerolls included, and the chance that a roll
// passes the most dice one roll may throw.

#include "engine/odds/Table.h"

namespace kelvane::odds {

struct Throws {
    double mean = 0.0;
    double variance = 0.0;
    double most = 0.0;  // every die rethrown and exploding to the limit
    // Of the term's value with its throws: a roll that throws more dice tends to show more.
    double covariance = 0.0;
};

// The throws of one term of dice, each die followed through its rerolls and its chain.
[[nodiscard]] Throws ThrowsOf(const DiceTerm& term);

// The chance that the throws pass the limit, by the normal curve; exactly 0 when they cannot
// or when it is negligible.
[[nodiscard]] double ChanceOverDiceLimit(const Throws& throws);

}  // namespace kelvane::odds
