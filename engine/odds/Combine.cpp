// The arithmetic between values: exact tables where the work allows, else moments.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/odds/Approximation.h"
#include "engine/odds/Value.h"

namespace kelvane::odds {

namespace {

std::optional<std::pair<Int, Int>> RangeOf(NodeKind kind, const Value& left, const Value& right) {
    const Int xl = left.least;
    const Int xh = left.most;
    const Int yl = right.least;
    const Int yh = right.most;
    switch (kind) {
        case NodeKind::Add:
            return std::pair{SaturatingAdd(xl, yl), SaturatingAdd(xh, yh)};
        case NodeKind::Subtract:
            return std::pair{SaturatingSubtract(xl, yh), SaturatingSubtract(xh, yl)};
        case NodeKind::Multiply: {
            const auto [low, high] =
                std::minmax({SaturatingMultiply(xl, yl), SaturatingMultiply(xl, yh),
                             SaturatingMultiply(xh, yl), SaturatingMultiply(xh, yh)});
            return std::pair{low, high};
        }
        default: {
            // For a fixed divisor the quotient follows the dividend; for a fixed dividend it
            // is extreme at the ends of the divisors of each sign.
            std::vector<Int> divisors{yl, yh};
            if (yh >= 1) {
                divisors.push_back(std::max<Int>(yl, 1));
            }
            if (yl <= -1) {
                divisors.push_back(std::min<Int>(yh, -1));
            }
            Int low = kIntMax;
            Int high = kIntMin;
            for (const Int y : divisors) {
                for (const Int x : {xl, xh}) {
                    if (y != 0) {
                        const Int quotient = x == kIntMin && y == -1 ? kIntMax : FloorDivide(x, y);
                        low = std::min(low, quotient);
                        high = std::max(high, quotient);
                    }
                }
            }
            if (low > high) {
                return std::nullopt;
            }
            return std::pair{low, high};
        }
    }
}

struct Combined {
    Pmf table;
    double failure = 0.0;
};

std::optional<Combined> CombineExactly(NodeKind kind, const Pmf& x, const Pmf& y,
                                       std::pair<Int, Int> range, Budget& budget) {
    const Int span = SaturatingSubtract(range.second, range.first);
    if (span >= kMaxExactWidth) {
        return std::nullopt;
    }
    const auto pairs = static_cast<double>(x.Width()) * static_cast<double>(y.Width());
    const bool mayOverflow =
        range.first == kIntMin || range.second == kIntMax || y.least == kIntMin;
    if ((kind == NodeKind::Add || kind == NodeKind::Subtract) && !mayOverflow) {
        if (!budget.Spend(
                ConvolveWork(static_cast<double>(x.Width()), static_cast<double>(y.Width())))) {
            return std::nullopt;
        }
        if (kind == NodeKind::Add) {
            return Combined{Convolve(x, y)};
        }
        return Combined{Convolve(x, {-y.Most(), {y.p.rbegin(), y.p.rend()}})};
    }
    if (!budget.Spend(kWorkPerOutcome * pairs + kWorkPerEntry * static_cast<double>(span))) {
        return std::nullopt;
    }
    Pmf table{range.first, std::vector<double>(static_cast<std::size_t>(span + 1), 0.0)};
    Int low = kIntMax;
    Int high = kIntMin;
    double failure = 0.0;
    for (std::size_t i = 0; i < x.p.size(); ++i) {
        for (std::size_t j = 0; j < y.p.size(); ++j) {
            const double chance = x.p[i] * y.p[j];
            const auto outcome =
                Apply(kind, x.least + static_cast<Int>(i), y.least + static_cast<Int>(j));
            if (!outcome) {
                failure += chance;
                continue;
            }
            table.p[static_cast<std::size_t>(*outcome - range.first)] += chance;
            low = std::min(low, *outcome);
            high = std::max(high, *outcome);
        }
    }
    if (low > high) {
        return Combined{{}, 1.0};
    }
    const auto from = table.p.begin() + static_cast<std::ptrdiff_t>(low - range.first);
    Pmf trimmed{low, {from, from + static_cast<std::ptrdiff_t>(high - low + 1)}};
    const double mass = Sum(trimmed.p);
    for (double& chance : trimmed.p) {
        chance /= mass;
    }
    return Combined{std::move(trimmed), failure / (failure + mass)};
}

}  // namespace

Value Exactly(Pmf table) {
    Value value;
    value.least = table.least;
    value.most = table.Most();
    value.table = std::move(table);
    return value;
}

Value Roughly(const Moments& moments, Int least, Int most) {
    Value value;
    value.moments = moments;
    value.least = least;
    value.most = most;
    return value;
}

Value AlwaysFails() {
    Value value;
    value.table = Pmf{};
    value.failure = 1.0;
    return value;
}

Moments MomentsOf(const Value& value) {
    return value.table ? MomentsOf(value.table->least, value.table->p) : value.moments;
}

Value Combine(NodeKind kind, const Value& left, const Value& right, Budget& budget) {
    if (left.failure >= 1.0 || right.failure >= 1.0) {
        return AlwaysFails();
    }
    const double bothStand = (1.0 - left.failure) * (1.0 - right.failure);
    const auto range = RangeOf(kind, left, right);
    if (!range) {
        return AlwaysFails();
    }
    Value result;
    double failure = 0.0;  // of the operation itself
    std::optional<Combined> exact;
    if (left.table && right.table) {
        exact = CombineExactly(kind, *left.table, *right.table, *range, budget);
    }
    if (exact) {
        if (exact->failure >= 1.0) {
            return AlwaysFails();
        }
        failure = exact->failure;
        result = Exactly(std::move(exact->table));
    } else {
        const Moments x = MomentsOf(left);
        const Moments y = MomentsOf(right);
        Moments moments;
        switch (kind) {
            case NodeKind::Add:
                moments = {x.mean + y.mean, x.variance + y.variance};
                break;
            case NodeKind::Subtract:
                moments = {x.mean - y.mean, x.variance + y.variance};
                break;
            case NodeKind::Multiply:
                moments = {x.mean * y.mean, x.variance * y.variance + x.variance * y.mean * y.mean +
                                                y.variance * x.mean * x.mean};
                break;
            default:
                moments = QuotientMoments(left, right, failure);
                break;
        }
        if (range->first == kIntMin || range->second == kIntMax) {
            const double beyond = BeyondRange(moments);
            if (beyond >= 1.0 - kNegligible) {
                return AlwaysFails();
            }
            failure = 1.0 - (1.0 - failure) * (1.0 - beyond);
        }
        result = Roughly(moments, range->first, range->second);
    }
    result.failure = 1.0 - bothStand * (1.0 - failure);
    return result;
}

Value Negated(Value value) {
    if (value.failure >= 1.0) {
        return value;
    }
    if (!value.table) {
        value.moments.mean = -value.moments.mean;
        const Int least = SaturatingNegate(value.most);
        value.most = SaturatingNegate(value.least);
        value.least = least;
        return value;
    }
    Pmf& table = *value.table;
    if (table.least == kIntMin) {
        // The one total whose negation is beyond 64 bits.
        const double failure = table.p.front();
        table.p.erase(table.p.begin());
        ++table.least;
        if (table.p.empty()) {
            return AlwaysFails();
        }
        for (double& chance : table.p) {
            chance /= 1.0 - failure;
        }
        value.failure = 1.0 - (1.0 - value.failure) * (1.0 - failure);
    }
    std::reverse(table.p.begin(), table.p.end());
    table.least = -table.Most();
    value.least = table.least;
    value.most = table.Most();
    return value;
}

}  // namespace kelvane::odds
