// The dice a roll throws: each die is thrown, rethrown while its reroll point matches, and
// followed by one more die while its explosion point matches, each chain cut at the limit.
#include "engine/odds/Throws.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/odds/Approximation.h"

namespace kelvane::odds {

namespace {

// The faces from low to high that the point matches, as a range that may be empty.
std::pair<Int, Int> MatchingRange(const ComparePoint& point, Int low, Int high) {
    const Int target = point.target;
    switch (point.compare) {
        case Compare::Equal:
            return {std::max(low, target), std::min(high, target)};
        case Compare::Greater:
            return {std::max(low, SaturatingAdd(target, 1)), high};
        case Compare::GreaterOrEqual:
            return {std::max(low, target), high};
        case Compare::Less:
            return {low, std::min(high, SaturatingSubtract(target, 1))};
        case Compare::LessOrEqual:
            return {low, std::min(high, target)};
    }
    return {low, high};
}

double Size(std::pair<Int, Int> range) {
    return range.first > range.second ? 0.0 : static_cast<double>(range.second - range.first) + 1.0;
}

std::pair<Int, Int> Overlap(std::pair<Int, Int> a, std::pair<Int, Int> b) {
    return {std::max(a.first, b.first), std::min(a.second, b.second)};
}

// The mean and the mean square of a count that goes on with chance p per step, at most
// kMaxRethrows steps.
std::pair<double, double> CutGeometric(double p) {
    double mean = 0.0;
    double square = 0.0;
    double chance = 1.0;
    for (int k = 1; k <= kMaxRethrows && chance > 0.0; ++k) {
        chance *= p;
        mean += chance;
        square += (2.0 * k - 1.0) * chance;
    }
    return {mean, square};
}

}  // namespace

Throws ThrowsOf(const DiceTerm& term) {
    const Int low = term.LowestFace();
    const Int high = term.HighestFace();
    const double faces = static_cast<double>(high - low) + 1.0;
    const std::pair<Int, Int> none{1, 0};
    const auto reroll = term.reroll ? MatchingRange(*term.reroll, low, high) : none;
    const auto explode = term.explode ? MatchingRange(*term.explode, low, high) : none;
    const double rerolled = Size(reroll) / faces;

    // Rethrows of one standing die, and the chance its final face explodes.
    double rethrows = 0.0;
    double rethrowSquare = 0.0;
    double explodes = Size(explode) / faces;
    const double explodingNotRerolled = Size(explode) - Size(Overlap(explode, reroll));
    if (term.reroll && term.rerollOnce) {
        rethrows = rerolled;
        rethrowSquare = rerolled;
        explodes = explodingNotRerolled / faces + rerolled * Size(explode) / faces;
    } else if (term.reroll && rerolled < 1.0) {
        std::tie(rethrows, rethrowSquare) = CutGeometric(rerolled);
        const double allMatched = std::pow(rerolled, kMaxRethrows);
        explodes = (1.0 - allMatched) * explodingNotRerolled / (faces - Size(reroll)) +
                   allMatched * Size(explode) / faces;
    }
    const auto [explosions, explosionSquare] =
        term.explode ? CutGeometric(explodes) : std::pair{0.0, 0.0};
    const double explosionVariance = std::max(0.0, explosionSquare - explosions * explosions);
    const double perStanding = 1.0 + rethrows;
    const double rethrowVariance = std::max(0.0, rethrowSquare - rethrows * rethrows);

    const auto dice = static_cast<double>(term.count);
    Throws throws;
    throws.mean = dice * (1.0 + explosions) * perStanding;
    throws.variance = dice * ((1.0 + explosions) * rethrowVariance +
                              explosionVariance * perStanding * perStanding);
    const double mostRethrows = !term.reroll ? 0.0 : (term.rerollOnce ? 1.0 : kMaxRethrows);
    throws.most = dice * (term.explode ? 1.0 + kMaxRethrows : 1.0) * (1.0 + mostRethrows);
    // Each explosion adds an exploding die's score to the term; kept or dropped dice, and a
    // compounded die scored on its sum, are left at no covariance.
    if (term.explode && !term.keepDrop && !(term.compound && term.success) && Size(explode) > 0.0) {
        double upScore =
            (static_cast<double>(explode.first) + static_cast<double>(explode.second)) / 2.0;
        if (term.success) {
            const double failing =
                term.failure ? Size(Overlap(explode, MatchingRange(*term.failure, low, high)))
                             : 0.0;
            upScore = (Size(Overlap(explode, MatchingRange(*term.success, low, high))) - failing) /
                      Size(explode);
        }
        throws.covariance = dice * upScore * explosionVariance * perStanding;
    }
    return throws;
}

double ChanceOverDiceLimit(const Throws& throws) {
    const auto limit = static_cast<double>(notation::kMaxDice);
    if (throws.most <= limit) {
        return 0.0;
    }
    if (throws.variance <= 0.0) {
        return throws.mean <= limit ? 0.0 : 1.0;
    }
    // A chance too small to change a share of the rolls counts as none.
    const double over = NormalCdf((throws.mean - limit - 0.5) / std::sqrt(throws.variance));
    return over < kNegligible ? 0.0 : over;
}

}  // namespace kelvane::odds
