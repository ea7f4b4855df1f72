#pragma once

// A pool of dice: summed, kept or dropped by order statistics, or counted as successes, and a
// whole term of dice with its explosions.

#include <optional>
#include <utility>

#include "engine/odds/Die.h"
#include "engine/odds/Value.h"

namespace kelvane::odds {

// How many dice a keep or drop keeps, and whether the highest.
std::pair<Int, bool> Kept(const KeepDrop& rule, Int dice);

// By placing the dice, on the die's own values or else on fewer merged ones, when the work
// allows; else by the limit for many dice.
Moments KeepMoments(const Atoms& die, const Scorer& score, Int count, Int kept, bool highest,
                    Budget& budget);

// `count` dice showing the die's values, kept or dropped by the rule, summed or counted.
Value Pool(const Atoms& die, const Scorer& score, Int count, const std::optional<KeepDrop>& rule,
           Budget& budget);

// The value of one term of dice.
Value TermValue(const DiceTerm& term, Budget& budget);

}  // namespace kelvane::odds
