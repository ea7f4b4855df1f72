// The normal curve and the moments that stand in for exact tables.
#include "engine/odds/Approximation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "engine/Distribution.h"
#include "engine/odds/Pool.h"

namespace kelvane::odds {

double NormalCdf(double z) { return 0.5 * std::erfc(-z / std::numbers::sqrt2); }

// Points on a normal curve between low and high, each taking the chance of its stretch.
Atoms NormalAtoms(const Moments& moments, Int low, Int high) {
    constexpr int kPoints = 256;
    constexpr double kReach = 8.0;  // standard deviations either side
    Atoms atoms;
    atoms.exact = false;
    atoms.moments = moments;
    const double spread = std::sqrt(moments.variance);
    const double from = std::max(static_cast<double>(low), moments.mean - kReach * spread);
    const double to =
        std::max(from, std::min(static_cast<double>(high), moments.mean + kReach * spread));
    const auto points =
        static_cast<int>(std::min(static_cast<double>(kPoints), std::floor(to - from) + 1.0));
    const double step = points > 1 ? (to - from) / (points - 1) : 0.0;
    double below = 0.0;
    Int blockLow = low;
    for (int i = 0; i < points; ++i) {
        const double at = from + i * step;
        const bool lastPoint = i + 1 == points;
        const double edge = at + step / 2.0;
        const double upTo = lastPoint ? 1.0 : NormalCdf((edge - moments.mean) / spread);
        const Int blockHigh = lastPoint ? high : static_cast<Int>(std::floor(edge));
        atoms.AddBlock(std::llround(at), upTo - below, blockLow, blockHigh);
        below = upTo;
        blockLow = blockHigh + 1;
    }
    return atoms;
}

namespace {

// x rounded down, or up, and held within low ... high.
Int Within(double x, Int low, Int high) {
    if (x <= static_cast<double>(low)) {
        return low;
    }
    return x >= static_cast<double>(high) ? high : static_cast<Int>(x);
}

}  // namespace

Atoms ChainCurve(const Pmf& head, const ChainTail& tail, Int low, Int high,
                 std::vector<Int> edges) {
    constexpr double kReach = 8.0;  // standard deviations either side
    struct Curve {
        double weight;
        double mean;
        double spread;
    };
    std::vector<Curve> curves;
    double chance = std::pow(tail.explodes, tail.fromLength);
    double mass = Sum(head.p);
    double from = head.p.empty() ? static_cast<double>(high) : static_cast<double>(head.least);
    double to = head.p.empty() ? static_cast<double>(low) : static_cast<double>(head.Most());
    for (int k = tail.fromLength; k <= tail.longest && chance > kTiny; ++k) {
        const bool atLimit = k == kMaxRethrows;
        const Moments& last = atLimit ? tail.cut : tail.end;
        const Curve curve{atLimit ? chance : chance * (1.0 - tail.explodes),
                          k * tail.up.mean + last.mean,
                          std::sqrt(k * tail.up.variance + last.variance)};
        curves.push_back(curve);
        mass += curve.weight;
        from = std::min(from, curve.mean - kReach * curve.spread);
        to = std::max(to, curve.mean + kReach * curve.spread);
        chance *= tail.explodes;
    }
    const Int first = Within(std::floor(from), low, high);
    const Int last = Within(std::ceil(to), first, high);

    // About kBlocks blocks over the head's totals, and as many over the tail's beyond them.
    const auto grid = [&](Int start, Int end) {
        const Int step = SaturatingSubtract(end, start) / kBlocks + 1;
        for (Int at = start; at < end - step + 1; at += step) {
            edges.push_back(at + step - 1);
        }
    };
    const Int headEnd = head.p.empty() ? first - 1 : std::clamp(head.Most(), first - 1, last);
    grid(first, headEnd);
    grid(headEnd + 1, last);
    edges.push_back(last);
    std::erase_if(edges, [&](Int edge) { return edge < first || edge > last; });
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    // The chance of a total of at most each edge: the head's from its running sums, each curve
    // with continuity correction near its mean and whole beyond its reach.
    std::vector<double> atMost(edges.size(), 0.0);
    std::vector<double> whole(edges.size() + 1, 0.0);
    double below = 0.0;
    std::size_t next = 0;
    for (std::size_t j = 0; j < edges.size(); ++j) {
        for (; next < head.p.size() && head.least + static_cast<Int>(next) <= edges[j]; ++next) {
            below += head.p[next];
        }
        atMost[j] = below;
    }
    const auto firstAbove = [&](double x) {
        return static_cast<std::size_t>(
            std::partition_point(edges.begin(), edges.end(),
                                 [&](Int edge) { return static_cast<double>(edge) + 0.5 < x; }) -
            edges.begin());
    };
    for (const Curve& curve : curves) {
        const std::size_t near = firstAbove(curve.mean - kReach * curve.spread);
        const std::size_t beyond = std::max(near, firstAbove(curve.mean + kReach * curve.spread));
        for (std::size_t j = near; j < beyond; ++j) {
            const double z = (static_cast<double>(edges[j]) + 0.5 - curve.mean) / curve.spread;
            atMost[j] += curve.weight * NormalCdf(z);
        }
        whole[beyond] += curve.weight;
    }
    Atoms atoms;
    atoms.exact = false;
    atoms.Reserve(edges.size());
    double sum = 0.0;
    double previous = 0.0;
    for (std::size_t j = 0; j < edges.size(); ++j) {
        sum += whole[j];
        const bool lastBlock = j + 1 == edges.size();
        const double upTo = lastBlock ? mass : std::min(atMost[j] + sum, mass);
        const Int start = j == 0 ? first : edges[j - 1] + 1;
        // Blocks without chance are left out, as the pools divide by what is to come.
        if (upTo > previous) {
            atoms.AddBlock(start + (edges[j] - start) / 2, upTo - previous, start, edges[j]);
            previous = upTo;
        }
    }
    // The outer blocks reach to every total the chain can show.
    if (!atoms.value.empty()) {
        atoms.first.front() = low;
        atoms.last.back() = high;
    }
    return atoms;
}

// For many dice: the kept ones are nearly all those beyond the face where the kept share of
// the chance runs out, made up to `kept` with dice showing that face (a trimmed sum's limit).
Moments KeepLimit(const Atoms& die, const Scorer& score, Int count, Int kept, bool highest) {
    const double share = static_cast<double>(kept) / static_cast<double>(count);
    const std::size_t faces = die.Size();
    const auto at = [&](std::size_t i) { return highest ? faces - 1 - i : i; };
    std::size_t edge = 0;
    double beyond = 0.0;
    while (edge + 1 < faces && beyond + die.p[at(edge)] < share) {
        beyond += die.p[at(edge)];
        ++edge;
    }
    const auto edgeScore = static_cast<double>(score(die.value[at(edge)]));
    double mean = 0.0;
    double square = 0.0;
    for (std::size_t i = 0; i < edge; ++i) {
        const double gain = static_cast<double>(score(die.value[at(i)])) - edgeScore;
        mean += die.p[at(i)] * gain;
        square += die.p[at(i)] * gain * gain;
    }
    const auto dice = static_cast<double>(count);
    return {dice * mean + static_cast<double>(kept) * edgeScore, dice * (square - mean * mean)};
}

// Exploding dice whose extra dice are kept or dropped one by one, roughly: one pool of the dice
// the chains throw on average, each showing a face with the chance it has in the pool.
Value RoughExplodingPool(const DiceTerm& term, const Atoms& faces, const Scorer& score,
                         Budget& budget) {
    const ComparePoint& explode = *term.explode;
    const double p = Sum(Matching(faces, explode, true).p);
    const double cutOff = std::pow(p, kMaxRethrows);
    // Per die thrown: explosions, p (1 - p^1000) / (1 - p); dice that end a chain, 1 - p^1000;
    // and at the limit one die of any face.
    const double explosions = p >= 1.0 ? kMaxRethrows : p * (1.0 - cutOff) / (1.0 - p);
    const double perDie = explosions + 1.0;
    Atoms pool = Reweighted(faces, [&](Int face) {
        const double share = explode.Matches(face) ? explosions / p : (1.0 - cutOff) / (1.0 - p);
        return (share + cutOff) / perDie;
    });
    const Int dice =
        std::max<Int>(term.count, std::llround(static_cast<double>(term.count) * perDie));
    const auto [kept, highest] = Kept(*term.keepDrop, dice);

    const Int longest = LongestChain(p);
    const Int fewestKept = Kept(*term.keepDrop, term.count).first;
    const Int mostKept = Kept(*term.keepDrop, SaturatingMultiply(term.count, longest + 1)).first;
    const auto [low, high] = ScoreRange(faces, score);
    const Int least =
        std::min(SaturatingMultiply(fewestKept, low), SaturatingMultiply(mostKept, low));
    const Int most =
        std::max(SaturatingMultiply(fewestKept, high), SaturatingMultiply(mostKept, high));
    if (kept == 0) {
        return Roughly({}, least, most);
    }
    if (kept < dice) {
        return Roughly(KeepMoments(pool, score, dice, kept, highest, budget), least, most);
    }
    const Moments one = MomentsOf(pool, score);
    const auto all = static_cast<double>(dice);
    return Roughly({all * one.mean, all * one.variance}, least, most);
}

namespace {

// floor(X / Y) for independent whole X and Y > 0 on their normal curves: the quotient is at
// least q where X - qY is at least 0, which the normal curve of X - qY gives with continuity
// correction; the quotient is held within low ... high. Unlike even fractions, this follows a
// quotient that hardly varies. Nothing where it spreads over too many values to follow.
std::optional<Moments> FlooredQuotient(const Moments& x, const Moments& y, double low,
                                       double high) {
    constexpr double kReach = 8.0;  // standard deviations either side
    constexpr double kMostValues = 64.0;
    const double ratio = x.mean / y.mean;
    const double squared = y.mean * y.mean;
    const double spread = std::sqrt(x.variance / squared + ratio * ratio * y.variance / squared);
    const double from = std::clamp(std::floor(ratio - kReach * spread) - 1.0, low, high);
    const double to = std::clamp(std::floor(ratio + kReach * spread) + 1.0, from, high);
    if (!(to - from <= kMostValues)) {
        return std::nullopt;
    }
    const auto atLeast = [&](double q) {
        const double margin = x.mean - q * y.mean + 0.5;
        const double deviation = std::sqrt(x.variance + q * q * y.variance);
        if (deviation <= 0.0) {
            return margin > 0.0 ? 1.0 : 0.0;
        }
        return NormalCdf(margin / deviation);
    };
    double mean = 0.0;
    double square = 0.0;
    double here = 1.0;  // the chance of at least q; the curve's tails go to the ends
    for (double q = from; q <= to; ++q) {
        const double next = q == to ? 0.0 : std::min(here, atLeast(q + 1.0));
        mean += (here - next) * q;
        square += (here - next) * q * q;
        here = next;
    }
    return Moments{mean, std::max(0.0, square - mean * mean)};
}

}  // namespace

// floor(X / y) for a wide-spread X is about X / y less a fraction that is even over
// 0, 1/|y| ... (|y| - 1)/|y|; for a narrow one it follows the normal curves of X and y. A
// divisor known only by its mean and variance is otherwise taken to first order about its mean.
Moments QuotientMoments(const Value& dividend, const Value& divisor, double& failure) {
    const Moments x = MomentsOf(dividend);
    const auto least = static_cast<double>(dividend.least);
    const auto most = static_cast<double>(dividend.most);
    if (divisor.table) {
        const Pmf& table = *divisor.table;
        double mass = 0.0;
        double first = 0.0;
        double second = 0.0;
        for (std::size_t i = 0; i < table.p.size(); ++i) {
            const auto y = static_cast<double>(table.least + static_cast<Int>(i));
            if (y == 0.0) {
                failure = table.p[i];
                continue;
            }
            const double size = std::abs(y);
            // floor(X / y) is floor(-X / -y).
            const Moments signedX{y > 0.0 ? x.mean : -x.mean, x.variance};
            const double low = y > 0.0 ? least : -most;
            const double high = y > 0.0 ? most : -least;
            const Moments moments =
                FlooredQuotient(signedX, {size, 0.0}, std::floor(low / size),
                                std::floor(high / size))
                    .value_or(
                        Moments{x.mean / y - (size - 1.0) / (2.0 * size),
                                x.variance / (y * y) + (size * size - 1.0) / (12.0 * size * size)});
            mass += table.p[i];
            first += table.p[i] * moments.mean;
            second += table.p[i] * (moments.variance + moments.mean * moments.mean);
        }
        if (mass <= 0.0) {
            return {};
        }
        const double mean = first / mass;
        return {mean, std::max(0.0, second / mass - mean * mean)};
    }
    const Moments y = divisor.moments;
    const Distribution curve =
        Distribution::Approximate(y.mean, y.variance, divisor.least, divisor.most);
    failure = curve.Between(0, 0);
    if (y.mean == 0.0) {
        // Near a zero divisor the ratio's spread has no bound: take the dividend's size for it.
        const double half = std::abs(x.mean) + std::sqrt(x.variance);
        return {0.0, half * half};
    }
    // A divisor all of one sign: dividing by 1 or more takes the dividend toward -1 or 0.
    constexpr double kOtherSign = 1e-12;
    const bool positive = y.mean > 0.0;
    if ((positive ? curve.AtMost(0) : curve.AtLeast(0)) < kOtherSign) {
        const double low = positive ? least : -most;
        const double high = positive ? most : -least;
        const std::optional<Moments> floored = FlooredQuotient(
            {positive ? x.mean : -x.mean, x.variance}, {std::abs(y.mean), y.variance},
            std::min(low, 0.0), std::max(high, -1.0));
        if (floored) {
            return *floored;
        }
    }
    const double mean = x.mean / y.mean + x.mean * y.variance / (y.mean * y.mean * y.mean) - 0.5;
    const double squared = y.mean * y.mean;
    return {mean,
            x.variance / squared + x.mean * x.mean * y.variance / (squared * squared) + 1.0 / 12.0};
}

// The chance that a result known by its mean and variance lies beyond 64 bits, from its normal
// curve.
double BeyondRange(const Moments& moments) {
    constexpr double kLimit = 9.223372036854775807e18;
    const double spread = std::sqrt(moments.variance);
    if (spread == 0.0) {
        return std::abs(moments.mean) >= kLimit ? 1.0 : 0.0;
    }
    return NormalCdf((-kLimit - moments.mean) / spread) +
           NormalCdf((moments.mean - kLimit) / spread);
}

}  // namespace kelvane::odds
