#pragma once

// Groups of rolls: the order statistics of independent rolls' totals, and the dice of a group
// of one roll kept, dropped or counted together.

#include <vector>

#include "engine/odds/Value.h"

namespace kelvane::odds {

// A group of several rolls, from the rolls' values: their totals kept or dropped, summed or
// counted as successes.
Value GroupValue(const notation::Group& group, const std::vector<Value>& rolls, Budget& budget);

// A group of one roll, from the terms of dice it adds: all their dice kept or dropped, summed
// or counted as successes.
Value GroupOfDiceValue(const notation::Group& group, const std::vector<DiceTerm>& terms,
                       Budget& budget);

}  // namespace kelvane::odds
