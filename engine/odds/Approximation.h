#pragma once

// The approximations for what exact tables cannot hold within the work: the normal curve,
// moments of trimmed sums and quotients, and rough pools of exploding dice.

#include <vector>

#include "engine/odds/Die.h"
#include "engine/odds/Value.h"

namespace kelvane::odds {

double NormalCdf(double z);

// Points on a normal curve between low and high, each taking the chance of its stretch.
Atoms NormalAtoms(const Moments& moments, Int low, Int high);

// The chains of `fromLength` explosions or more, each as the normal curve of its sum: every
// explosion, with chance `explodes`, adds `up`; the die that ends the chain adds `end`, or at
// the limit one more die of any face `cut`. Chains longer than `longest` are negligible.
struct ChainTail {
    int fromLength = 0;
    double explodes = 0.0;
    Moments up;
    Moments end;
    Moments cut;
    int longest = 0;
};

// One die's chain of explosions as blocks of totals from low to high: the short chains' exact
// chances `head` and the tail's normal curves. Unlike one normal curve for the whole chain, this
// keeps the lone die's own faces and the skew of the chain's length. Blocks end at each of
// `edges`, so that a compare point on the total sees each block whole.
Atoms ChainCurve(const Pmf& head, const ChainTail& tail, Int low, Int high, std::vector<Int> edges);

// For many dice: the kept ones are nearly all those beyond the face where the kept share of
// the chance runs out, made up to `kept` with dice showing that face (a trimmed sum's limit).
Moments KeepLimit(const Atoms& die, const Scorer& score, Int count, Int kept, bool highest);

// Exploding dice whose extra dice are kept or dropped one by one, roughly: one pool of the dice
// the chains throw on average, each showing a face with the chance it has in the pool.
Value RoughExplodingPool(const DiceTerm& term, const Atoms& faces, const Scorer& score,
                         Budget& budget);

// floor(X / y) for a wide-spread X is about X / y less a fraction that is even over
// 0, 1/|y| ... (|y| - 1)/|y|; for a narrow one it follows the normal curves of X and y. A
// divisor known only by its mean and variance is otherwise taken to first order about its mean.
Moments QuotientMoments(const Value& dividend, const Value& divisor, double& failure);

// The chance that a result known by its mean and variance lies beyond 64 bits, from its normal
// curve.
double BeyondRange(const Moments& moments);

}  // namespace kelvane::odds
