// The probability tables' arithmetic.
#include "engine/odds/Table.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace kelvane::odds {

Int SaturatingAdd(Int a, Int b) {
    Int sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? kIntMax : kIntMin;
    }
    return sum;
}

Int SaturatingSubtract(Int a, Int b) {
    Int difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        return b < 0 ? kIntMax : kIntMin;
    }
    return difference;
}

Int SaturatingMultiply(Int a, Int b) {
    Int product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        return (a < 0) != (b < 0) ? kIntMin : kIntMax;
    }
    return product;
}

Int SaturatingNegate(Int a) { return a == kIntMin ? kIntMax : -a; }

double Sum(const std::vector<double>& chances) {
    return std::accumulate(chances.begin(), chances.end(), 0.0);
}

Pmf Convolve(const Pmf& a, const Pmf& b) {
    if (a.p.empty() || b.p.empty()) {
        return {};
    }
    Pmf sum{a.least + b.least, std::vector<double>(a.p.size() + b.p.size() - 1, 0.0)};
    for (std::size_t i = 0; i < a.p.size(); ++i) {
        const double chance = a.p[i];
        if (chance == 0.0) {
            continue;
        }
        double* out = sum.p.data() + i;
        for (std::size_t j = 0; j < b.p.size(); ++j) {
            out[j] += chance * b.p[j];
        }
    }
    for (double& chance : sum.p) {
        if (chance < kTiny) {
            chance = 0.0;
        }
    }
    return sum;
}

double ConvolveWork(double width, double otherWidth) {
    return width * otherWidth + kWorkPerEntry * (width + otherWidth - 1.0);
}

void AddInto(Pmf& total, const Pmf& part, double weight) {
    if (part.p.empty()) {
        return;
    }
    if (total.p.empty()) {
        total = {part.least, std::vector<double>(part.p.size(), 0.0)};
    }
    const Int least = std::min(total.least, part.least);
    const Int most = std::max(total.Most(), part.Most());
    if (least < total.least || most > total.Most()) {
        std::vector<double> grown(static_cast<std::size_t>(most - least + 1), 0.0);
        std::copy(total.p.begin(), total.p.end(),
                  grown.begin() + static_cast<std::ptrdiff_t>(total.least - least));
        total = {least, std::move(grown)};
    }
    const auto offset = static_cast<std::size_t>(part.least - total.least);
    for (std::size_t i = 0; i < part.p.size(); ++i) {
        total.p[offset + i] += weight * part.p[i];
    }
}

// The chances of 0, 1, ... limit - 1 successes in n trials of chance q each. Those more than
// 19 sqrt(n) below the mean are below 1e-300 (Hoeffding's bound), and count as 0; the walk
// starts there from logarithms, as the first few chances may lie below what a double holds.
void BinomialHead(Int n, double q, Int limit, std::vector<double>& chances) {
    chances.assign(static_cast<std::size_t>(limit), 0.0);
    if (q >= 1.0) {
        if (n < limit) {
            chances[static_cast<std::size_t>(n)] = 1.0;
        }
        return;
    }
    constexpr double kSmallest = 1e-300;
    constexpr double kDeviations = 19.0;
    const auto trials = static_cast<double>(n);
    const Int start =
        std::max<Int>(0, static_cast<Int>(trials * q - kDeviations * std::sqrt(trials)));
    const auto successes = static_cast<double>(start);
    double logChance = std::lgamma(trials + 1.0) - std::lgamma(successes + 1.0) -
                       std::lgamma(trials - successes + 1.0) + successes * std::log(q) +
                       (trials - successes) * std::log1p(-q);
    double chance = std::exp(logChance);
    const double odds = q / (1.0 - q);
    for (Int k = start; k < limit; ++k) {
        chances[static_cast<std::size_t>(k)] = chance;
        const double factor = static_cast<double>(n - k) / static_cast<double>(k + 1) * odds;
        if (chance >= kSmallest) {
            chance *= factor;
        } else {
            logChance += std::log(factor);
            chance = std::exp(logChance);
        }
    }
}

// The sum of `count` throws of one table, by repeated squaring; two neighbouring values make a
// binomial.
std::optional<Pmf> SumOf(const Pmf& one, Int count, Budget& budget) {
    if (one.Width() == 1) {
        return Pmf{count * one.least, {1.0}};
    }
    const double width = static_cast<double>(count) * static_cast<double>(one.Width() - 1) + 1.0;
    if (width > static_cast<double>(kMaxExactWidth)) {
        return std::nullopt;
    }
    if (one.Width() == 2) {
        if (!budget.Spend(kWorkPerEntry * width)) {
            return std::nullopt;
        }
        Pmf sum{count * one.least, {}};
        BinomialHead(count, one.p[1] / (one.p[0] + one.p[1]), count + 1, sum.p);
        return sum;
    }
    double work = 0.0;
    double resultWidth = 0.0;
    auto powerWidth = static_cast<double>(one.Width());
    for (Int n = count; n > 0; n /= 2) {
        if (n % 2 == 1) {
            work += resultWidth == 0.0 ? 0.0 : ConvolveWork(resultWidth, powerWidth);
            resultWidth = resultWidth == 0.0 ? powerWidth : resultWidth + powerWidth - 1.0;
        }
        if (n > 1) {
            work += ConvolveWork(powerWidth, powerWidth);
            powerWidth = 2.0 * powerWidth - 1.0;
        }
    }
    if (!budget.Spend(work)) {
        return std::nullopt;
    }
    std::optional<Pmf> sum;
    Pmf power = one;
    for (Int n = count; n > 0; n /= 2) {
        if (n % 2 == 1) {
            sum = sum ? Convolve(*sum, power) : power;
        }
        if (n > 1) {
            power = Convolve(power, power);
        }
    }
    return sum;
}

// Of the chances of the totals from least on, however much they add up to.
Moments MomentsOf(Int least, const std::vector<double>& chances) {
    const double mass = Sum(chances);
    double offset = 0.0;
    for (std::size_t i = 0; i < chances.size(); ++i) {
        offset += chances[i] * static_cast<double>(i);
    }
    offset /= mass;
    double variance = 0.0;
    for (std::size_t i = 0; i < chances.size(); ++i) {
        const double deviation = static_cast<double>(i) - offset;
        variance += chances[i] * deviation * deviation;
    }
    return {static_cast<double>(least) + offset, variance / mass};
}

}  // namespace kelvane::odds
