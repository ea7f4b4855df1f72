#pragma once

// The chance of each outcome a roll's reading names.

#include <vector>

#include "engine/Distribution.h"
#include "engine/Notation.h"

namespace kelvane {

struct OutcomeChances {
    // One for each rule of the reading, in its order; what they leave to 1 is the chance of
    // no outcome. Of the rolls that give a result, as Distribution's figures are.
    std::vector<double> chances;
    bool exact = true;  // false: from the approximate odds of the total, or simulated rolls
};

// The odds of a result the notation's arithmetic cannot say, the percentile dice's or the
// higher of two exploding dice; a reading of other dice has no result, and always fails.
[[nodiscard]] Distribution ResultOdds(const notation::Expression& expression);

// Exact for every game system's shorthand in its ranges and for bands on an exact total;
// conditions on faces are followed die by die, not read from the total.
[[nodiscard]] OutcomeChances OutcomeChancesOf(const notation::Expression& expression);

}  // namespace kelvane
