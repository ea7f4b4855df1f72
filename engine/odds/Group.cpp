// Groups: dice, or rolls' totals, of several kinds kept or dropped together, by placing them
// face by face as a pool of one kind is placed, with each kind's dice counted apart.
#include "engine/odds/Group.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "engine/odds/Approximation.h"
#include "engine/odds/Pool.h"

namespace kelvane::odds {

namespace {

// `count` independent dice, or rolls, showing the same values.
struct Kind {
    Atoms die;
    Int count = 0;
};

// The states of the placing: how many of each kind are placed, fewer than kept in all.
constexpr double kMostStates = 65536.0;

Atoms AtomsOfValue(const Value& value) {
    if (!value.table) {
        return NormalAtoms(value.moments, value.least, value.most);
    }
    Atoms atoms;
    for (std::size_t i = 0; i < value.table->p.size(); ++i) {
        if (value.table->p[i] > 0.0) {
            atoms.Add(value.table->least + static_cast<Int>(i), value.table->p[i]);
        }
    }
    return atoms;
}

// Kinds that show the same values with the same chances are one, so that {4d6, 4d6, 4d6}kh1
// is placed as one pool.
std::vector<Kind> Merged(std::vector<Kind> kinds) {
    std::vector<Kind> merged;
    for (Kind& kind : kinds) {
        auto same = std::find_if(merged.begin(), merged.end(), [&kind](const Kind& other) {
            return other.die.value == kind.die.value && other.die.p == kind.die.p &&
                   other.die.first == kind.die.first && other.die.last == kind.die.last;
        });
        if (same != merged.end()) {
            same->count += kind.count;
        } else if (kind.count > 0) {
            merged.push_back(std::move(kind));
        }
    }
    return merged;
}

// Keeps `kept` of the dice of all kinds as PlaceDice does for one kind: through the values of
// every kind from the kept end, each kind's dice not yet placed show the value in a binomial
// count. A state is how many dice of each kind are placed, with the chances of the sums of
// their scores; once `kept` are placed, the sum is final.
std::optional<Pmf> PlaceKinds(const std::vector<Kind>& kinds, const Scorer& score, Int kept,
                              bool highest, Budget& budget) {
    Int low = kIntMax;
    Int high = kIntMin;
    std::map<Int, int> values;  // every value of any kind
    for (const Kind& kind : kinds) {
        const auto [kindLow, kindHigh] = ScoreRange(kind.die, score);
        low = std::min(low, kindLow);
        high = std::max(high, kindHigh);
        for (const Int value : kind.die.value) {
            values.emplace(value, 0);
        }
    }
    const double span = static_cast<double>(high) - static_cast<double>(low);
    const double width = static_cast<double>(kept) * span + 1.0;
    std::vector<std::size_t> strides;
    std::vector<std::size_t> radices;
    double states = 1.0;
    for (const Kind& kind : kinds) {
        strides.push_back(static_cast<std::size_t>(states));
        radices.push_back(static_cast<std::size_t>(std::min(kind.count, kept - 1) + 1));
        states *= static_cast<double>(radices.back());
    }
    if (width > static_cast<double>(kMaxExactWidth) || states > kMostStates ||
        SaturatingMultiply(kept, low) == kIntMin || SaturatingMultiply(kept, high) == kIntMax) {
        return std::nullopt;
    }
    const auto stateCount = static_cast<std::size_t>(states);
    std::vector<Int> placedInAll(stateCount, 0);
    // At each value and kind, a state of p placed dice moves its p * span + 1 sums to each
    // state above it and to the end.
    double perValue = 0.0;
    double entries = width;
    for (std::size_t state = 0; state < stateCount; ++state) {
        for (std::size_t j = 0; j < kinds.size(); ++j) {
            placedInAll[state] += static_cast<Int>(state / strides[j] % radices[j]);
        }
        const auto placed = static_cast<double>(placedInAll[state]);
        if (placedInAll[state] < kept) {
            perValue +=
                kWorkPerState + (static_cast<double>(kept) - placed) * (placed * span + 1.0);
            entries += placed * span + 1.0;
        }
    }
    const double work =
        static_cast<double>(values.size()) * static_cast<double>(kinds.size()) * perValue;
    if (!budget.Spend(work + kWorkPerEntry * entries)) {
        return std::nullopt;
    }
    const auto spanInt = high - low;
    std::vector<std::vector<double>> sums(stateCount);
    sums[0] = {1.0};
    std::vector<double> final(static_cast<std::size_t>(kept * spanInt + 1), 0.0);
    const auto addShifted = [](const std::vector<double>& from, double chance, Int shift,
                               std::vector<double>& to) {
        if (chance == 0.0) {
            return;
        }
        double* out = to.data() + shift;
        for (std::size_t i = 0; i < from.size(); ++i) {
            out[i] += chance * from[i];
        }
    };
    // Each kind's next value in the kept order, and its chance still to come.
    std::vector<std::size_t> next(kinds.size(), 0);
    std::vector<double> toCome;
    for (const Kind& kind : kinds) {
        toCome.push_back(Sum(kind.die.p));
    }
    std::vector<double> chances;
    const auto placeValue = [&](Int value) {
        const Int faceScore = score(value);
        for (std::size_t j = 0; j < kinds.size(); ++j) {
            const Atoms& die = kinds[j].die;
            const std::size_t at = highest ? die.Size() - 1 - next[j] : next[j];
            if (next[j] == die.Size() || die.value[at] != value) {
                continue;
            }
            ++next[j];
            const double q = next[j] == die.Size() ? 1.0 : die.p[at] / toCome[j];
            toCome[j] -= die.p[at];
            // Moves go to states further on, which this value and kind have passed already.
            for (std::size_t state = stateCount; state-- > 0;) {
                if (sums[state].empty()) {
                    continue;
                }
                const Int placed = placedInAll[state];
                const auto ofKind = static_cast<Int>(state / strides[j] % radices[j]);
                const Int left = kinds[j].count - ofKind;
                if (left == 0) {
                    continue;
                }
                BinomialHead(left, q, kept - placed, chances);
                double beyond = 1.0 - chances[0];
                for (Int more = 1; more < kept - placed && more <= left; ++more) {
                    const double chance = chances[static_cast<std::size_t>(more)];
                    std::vector<double>& target =
                        sums[state + static_cast<std::size_t>(more) * strides[j]];
                    if (target.empty()) {
                        target.assign(static_cast<std::size_t>((placed + more) * spanInt + 1), 0.0);
                    }
                    addShifted(sums[state], chance, more * (faceScore - low), target);
                    beyond -= chance;
                }
                addShifted(sums[state], std::max(beyond, 0.0), (kept - placed) * (faceScore - low),
                           final);
                for (double& chance : sums[state]) {
                    chance *= chances[0];
                }
            }
        }
    };
    if (highest) {
        for (auto it = values.rbegin(); it != values.rend(); ++it) {
            placeValue(it->first);
        }
    } else {
        for (const auto& [value, unused] : values) {
            placeValue(value);
        }
    }
    // Values that no kept dice can sum to, such as the lowest of every kind's, are left out.
    const auto first = std::find_if(final.begin(), final.end(), [](double p) { return p > 0.0; });
    const auto last = std::find_if(final.rbegin(), final.rend(), [](double p) { return p > 0.0; });
    if (first == final.end()) {
        return std::nullopt;
    }
    return Pmf{kept * low + (first - final.begin()), std::vector<double>(first, last.base())};
}

// All the kinds' dice as one pool, kept or dropped by the rule, summed or counted.
Value MixedPool(std::vector<Kind> kinds, const Scorer& score, const std::optional<KeepDrop>& rule,
                Budget& budget) {
    kinds = Merged(std::move(kinds));
    if (kinds.empty()) {
        return Exactly({0, {1.0}});
    }
    if (kinds.size() == 1) {
        return Pool(kinds.front().die, score, kinds.front().count, rule, budget);
    }
    Int total = 0;
    bool exact = true;
    for (const Kind& kind : kinds) {
        total += kind.count;
        exact = exact && kind.die.exact;
    }
    const auto [kept, highest] = rule ? Kept(*rule, total) : std::pair{total, true};
    if (kept == 0) {
        return Exactly({0, {1.0}});
    }
    if (kept == total) {
        Value sum = Exactly({0, {1.0}});
        for (const Kind& kind : kinds) {
            sum = Combine(NodeKind::Add, sum,
                          Pool(kind.die, score, kind.count, std::nullopt, budget), budget);
        }
        return sum;
    }
    if (exact) {
        if (auto table = PlaceKinds(kinds, score, kept, highest, budget)) {
            return Exactly(std::move(*table));
        }
    }
    // Roughly: as if every die were drawn from the kinds pooled together.
    std::map<Int, double> pooled;
    Int low = kIntMax;
    Int high = kIntMin;
    for (const Kind& kind : kinds) {
        const double share = static_cast<double>(kind.count) / static_cast<double>(total);
        for (std::size_t i = 0; i < kind.die.Size(); ++i) {
            pooled[kind.die.value[i]] += share * kind.die.p[i];
        }
        const auto [kindLow, kindHigh] = ScoreRange(kind.die, score);
        low = std::min(low, kindLow);
        high = std::max(high, kindHigh);
    }
    Atoms die;
    die.exact = false;
    for (const auto& [value, chance] : pooled) {
        die.Add(value, chance);
    }
    return Roughly(KeepMoments(die, score, total, kept, highest, budget),
                   SaturatingMultiply(kept, low), SaturatingMultiply(kept, high));
}

}  // namespace

Value GroupValue(const notation::Group& group, const std::vector<Value>& rolls, Budget& budget) {
    if (!group.keepDrop && !group.success) {
        Value sum = Exactly({0, {1.0}});
        for (const Value& roll : rolls) {
            sum = Combine(NodeKind::Add, sum, roll, budget);
        }
        return sum;
    }
    double stands = 1.0;
    std::vector<Kind> kinds;
    for (const Value& roll : rolls) {
        if (roll.failure >= 1.0) {
            return AlwaysFails();
        }
        stands *= 1.0 - roll.failure;
        kinds.push_back({AtomsOfValue(roll), 1});
    }
    Value value =
        MixedPool(std::move(kinds), {group.success, group.failure}, group.keepDrop, budget);
    value.failure = 1.0 - stands * (1.0 - value.failure);
    return value;
}

Value GroupOfDiceValue(const notation::Group& group, const std::vector<DiceTerm>& terms,
                       Budget& budget) {
    // Without keep or drop, each term counts the group's successes among its own dice.
    if (!group.keepDrop) {
        Value sum = Exactly({0, {1.0}});
        for (DiceTerm term : terms) {
            term.success = group.success;
            term.failure = group.failure;
            sum = Combine(NodeKind::Add, sum, TermValue(term, budget), budget);
        }
        return sum;
    }
    std::vector<Kind> kinds;
    bool rough = false;
    for (const DiceTerm& term : terms) {
        const Atoms faces = Throw(term, budget);
        const Atoms exploding = term.explode ? Matching(faces, *term.explode, true) : Atoms{};
        if (exploding.Size() == 0) {
            kinds.push_back({faces, term.count});
            continue;
        }
        // A compounded chain is one die; the dice of a chain that does not compound are kept
        // one by one, which the chain as one die only comes close to.
        rough = rough || !term.compound;
        kinds.push_back({ChainOf(faces, exploding, {}, *term.explode, budget), term.count});
    }
    Value value =
        MixedPool(std::move(kinds), {group.success, group.failure}, group.keepDrop, budget);
    if (rough && value.table) {
        return Roughly(MomentsOf(value), value.least, value.most);
    }
    return value;
}

}  // namespace kelvane::odds
