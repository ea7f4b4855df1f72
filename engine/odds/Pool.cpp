// Pools of dice: keep and drop by placing the dice face by face, success counts, and the
// exploding pools whose extra dice are kept or dropped.
#include "engine/odds/Pool.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/odds/Approximation.h"

namespace kelvane::odds {

namespace {

// Keeps `kept` of `count` dice by working through the faces from the kept end. At each face,
// every die not yet placed shows it with the chance of that face among the faces still to
// come, so how many show it is binomial. A state is how many dice are placed while fewer than
// `kept` are, all of them kept; once `kept` are placed, the rest lie beyond and are dropped,
// and the sum is final. `Sums` holds each state's sums of scores.
template <typename Sums>
void PlaceDice(const Atoms& die, const Scorer& score, Int count, Int kept, bool highest,
               Sums& sums) {
    const std::size_t faces = die.Size();
    const auto at = [&](std::size_t i) { return highest ? faces - 1 - i : i; };
    std::vector<double> toCome(faces + 1, 0.0);
    for (std::size_t i = faces; i-- > 0;) {
        toCome[i] = toCome[i + 1] + die.p[at(i)];
    }
    std::vector<double> chances;
    for (std::size_t i = 0; i < faces; ++i) {
        const double q = i + 1 == faces ? 1.0 : die.p[at(i)] / toCome[i];
        const Int faceScore = score(die.value[at(i)]);
        for (Int placed = kept - 1; placed >= 0; --placed) {
            if (sums.Empty(placed)) {
                continue;
            }
            BinomialHead(count - placed, q, kept - placed, chances);
            double beyond = 1.0 - chances[0];
            for (Int more = 1; more < kept - placed; ++more) {
                const double chance = chances[static_cast<std::size_t>(more)];
                sums.Move(placed, more, chance, faceScore);
                beyond -= chance;
            }
            sums.Finish(placed, std::max(beyond, 0.0), faceScore);
            sums.Scale(placed, chances[0]);
        }
    }
}

// Work for PlaceDice: every face takes each state and moves it, with a binomial chance, to each
// state above it and to the end; a move of a table adds (placed * span + 1) sums.
double PlacingWork(std::size_t faces, Int kept, std::optional<Int> span) {
    const auto k = static_cast<double>(kept);
    const double sumOfPlaced = k * (k - 1.0) / 2.0;
    const double moves = (k + 1.0) * k - sumOfPlaced;  // of (kept - placed + 1) over the states
    double perFace = kWorkPerState * k + kWorkPerMove * moves;
    if (span) {
        const auto s = static_cast<double>(*span);
        const double sumOfSquares = (k - 1.0) * k * (2.0 * k - 1.0) / 6.0;
        perFace += (k + 1.0) * s * sumOfPlaced + moves - s * sumOfSquares;
    }
    return static_cast<double>(faces) * perFace;
}

// Each state's chances of every sum: state `placed` holds sums from placed * low on.
class TableSums {
  public:
    TableSums(Int kept, Int low, Int high)
        : kept_(kept),
          low_(low),
          span_(high - low),
          states_(static_cast<std::size_t>(kept)),
          final_(static_cast<std::size_t>(kept * span_ + 1), 0.0) {
        states_[0] = {1.0};
    }

    [[nodiscard]] bool Empty(Int placed) const { return State(placed).empty(); }
    void Move(Int placed, Int more, double chance, Int face) {
        std::vector<double>& target = State(placed + more);
        if (target.empty()) {
            target.assign(static_cast<std::size_t>((placed + more) * span_ + 1), 0.0);
        }
        AddShifted(State(placed), chance, more * (face - low_), target);
    }
    void Finish(Int placed, double chance, Int face) {
        AddShifted(State(placed), chance, (kept_ - placed) * (face - low_), final_);
    }
    void Scale(Int placed, double factor) {
        for (double& chance : State(placed)) {
            chance *= factor;
        }
    }
    [[nodiscard]] Pmf Result() const { return {kept_ * low_, final_}; }

  private:
    std::vector<double>& State(Int placed) { return states_[static_cast<std::size_t>(placed)]; }
    [[nodiscard]] const std::vector<double>& State(Int placed) const {
        return states_[static_cast<std::size_t>(placed)];
    }
    static void AddShifted(const std::vector<double>& from, double chance, Int shift,
                           std::vector<double>& to) {
        if (chance == 0.0) {
            return;
        }
        double* out = to.data() + shift;
        for (std::size_t i = 0; i < from.size(); ++i) {
            out[i] += chance * from[i];
        }
    }

    Int kept_;
    Int low_;
    Int span_;
    std::vector<std::vector<double>> states_;
    std::vector<double> final_;
};

// Each state's total chance and the first two moments of its sums, taken from `low` per die
// to keep the sums small.
class MomentSums {
  public:
    MomentSums(Int kept, Int low)
        : kept_(kept), low_(low), states_(static_cast<std::size_t>(kept)) {
        states_[0].mass = 1.0;
    }

    [[nodiscard]] bool Empty(Int placed) const { return State(placed).mass == 0.0; }
    void Move(Int placed, Int more, double chance, Int face) {
        AddShifted(State(placed), chance, more * (face - low_), State(placed + more));
    }
    void Finish(Int placed, double chance, Int face) {
        AddShifted(State(placed), chance, (kept_ - placed) * (face - low_), final_);
    }
    void Scale(Int placed, double factor) {
        Sums& state = State(placed);
        state.mass *= factor;
        state.first *= factor;
        state.second *= factor;
    }
    [[nodiscard]] Moments Result() const {
        const double mean = final_.first / final_.mass;
        return {static_cast<double>(kept_ * low_) + mean,
                std::max(0.0, final_.second / final_.mass - mean * mean)};
    }

  private:
    struct Sums {
        double mass = 0.0;
        double first = 0.0;   // of chance * sum
        double second = 0.0;  // of chance * sum^2
    };

    Sums& State(Int placed) { return states_[static_cast<std::size_t>(placed)]; }
    [[nodiscard]] const Sums& State(Int placed) const {
        return states_[static_cast<std::size_t>(placed)];
    }
    static void AddShifted(const Sums& from, double chance, Int shift, Sums& to) {
        const auto d = static_cast<double>(shift);
        to.mass += chance * from.mass;
        to.first += chance * (from.first + d * from.mass);
        to.second += chance * (from.second + 2.0 * d * from.first + d * d * from.mass);
    }

    Int kept_;
    Int low_;
    std::vector<Sums> states_;
    Sums final_;
};

// Values taken with given weights, as one value: exact when all of them are.
class Mixture {
  public:
    void Add(double weight, const Value& value) {
        exact_ = exact_ && value.table.has_value();
        if (exact_) {
            AddInto(table_, *value.table, weight);
        }
        const Moments moments = MomentsOf(value);
        weight_ += weight;
        first_ += weight * moments.mean;
        second_ += weight * (moments.variance + moments.mean * moments.mean);
        least_ = std::min(least_, value.least);
        most_ = std::max(most_, value.most);
    }
    [[nodiscard]] Value Result() const {
        if (exact_) {
            return Exactly(table_);
        }
        const double mean = first_ / weight_;
        return Roughly({mean, std::max(0.0, second_ / weight_ - mean * mean)}, least_, most_);
    }

  private:
    bool exact_ = true;
    Pmf table_;
    double weight_ = 0.0;
    double first_ = 0.0;
    double second_ = 0.0;
    Int least_ = kIntMax;
    Int most_ = kIntMin;
};

// The chances of 0, 1, 2 ... explosions among `dice` chains, each exploding with chance p and
// not cut off at the limit, up to where they become negligible past the mean; none when that
// takes more than `most` of them.
std::vector<double> ExplosionCounts(Int dice, double p, std::size_t most) {
    const double mean = static_cast<double>(dice) * p / (1.0 - p);
    std::vector<double> chances;
    double logChance = static_cast<double>(dice) * std::log1p(-p);
    for (Int g = 0; static_cast<double>(g) <= mean || chances.back() >= kNegligible; ++g) {
        if (chances.size() == most) {
            return {};
        }
        chances.push_back(std::exp(logChance));
        logChance += std::log(static_cast<double>(dice + g) / static_cast<double>(g + 1) * p);
    }
    return chances;
}

// Exploding dice whose extra dice are kept or dropped one by one, when the exploding faces all
// lie beyond the others. Given g explosions among the chains, the pool is `count` dice that
// ended a chain, showing the faces that do not explode, and g dice showing those that do, all
// independent. As the two groups do not interleave, the kept dice are the best of the group
// first in the keep order, made up from the other group.
std::optional<Value> SplitPool(const DiceTerm& term, const Atoms& faces, const Atoms& exploding,
                               const Scorer& score, Budget& budget) {
    constexpr std::size_t kMostExplosionCounts = 1000;
    const Atoms ending = Matching(faces, *term.explode, false);
    const double p = Sum(exploding.p);
    if (ending.Size() == 0 || LongestChain(p) == kMaxRethrows) {
        return std::nullopt;
    }
    const bool explodingOnTop = exploding.value.front() > ending.value.back();
    if (!explodingOnTop && exploding.value.back() > ending.value.front()) {
        return std::nullopt;
    }
    const std::vector<double> chances = ExplosionCounts(term.count, p, kMostExplosionCounts);
    if (chances.empty()) {
        return std::nullopt;
    }
    const Atoms up = Normalised(exploding);
    const Atoms end = Normalised(ending);
    Mixture mixture;
    for (std::size_t g = 0; g < chances.size(); ++g) {
        if (!budget.Spend(kWorkPerEntry * static_cast<double>(faces.Size()))) {
            return std::nullopt;
        }
        const auto extra = static_cast<Int>(g);
        const auto [kept, highest] = Kept(*term.keepDrop, term.count + extra);
        const bool explodingFirst = explodingOnTop == highest;
        const Int firstDice = explodingFirst ? extra : term.count;
        const Int firstKept = std::min(kept, firstDice);
        const Value first = Pool(explodingFirst ? up : end, score, firstDice,
                                 KeepDrop{true, highest, firstKept}, budget);
        const Value second =
            Pool(explodingFirst ? end : up, score, explodingFirst ? term.count : extra,
                 KeepDrop{true, highest, kept - firstKept}, budget);
        mixture.Add(chances[g], Combine(NodeKind::Add, first, second, budget));
    }
    return mixture.Result();
}

}  // namespace

// How many dice a keep or drop keeps, and whether the highest.
std::pair<Int, bool> Kept(const KeepDrop& rule, Int dice) {
    const Int amount = std::clamp<Int>(rule.amount, 0, dice);
    return rule.keep ? std::pair{amount, rule.highest} : std::pair{dice - amount, !rule.highest};
}

// By placing the dice, on the die's own values or else on fewer merged ones, when the work
// allows; else by the limit for many dice.
Moments KeepMoments(const Atoms& die, const Scorer& score, Int count, Int kept, bool highest,
                    Budget& budget) {
    const Atoms coarse = Coarsened(die, score);
    for (const Atoms* values : {&die, &coarse}) {
        if (budget.Spend(PlacingWork(values->Size(), kept, std::nullopt))) {
            MomentSums sums(kept, ScoreRange(die, score).first);
            PlaceDice(*values, score, count, kept, highest, sums);
            return sums.Result();
        }
    }
    return KeepLimit(die, score, count, kept, highest);
}

// `count` dice showing the die's values, kept or dropped by the rule, summed or counted.
Value Pool(const Atoms& die, const Scorer& score, Int count, const std::optional<KeepDrop>& rule,
           Budget& budget) {
    const auto [kept, highest] = rule ? Kept(*rule, count) : std::pair{count, true};
    if (kept == 0) {
        return Exactly({0, {1.0}});
    }
    const auto [low, high] = ScoreRange(die, score);
    const Int least = SaturatingMultiply(kept, low);
    const Int most = SaturatingMultiply(kept, high);
    if (kept == count) {
        if (const auto one = Dense(die, score, budget)) {
            if (auto sum = SumOf(*one, count, budget)) {
                return Exactly(std::move(*sum));
            }
        }
        const Moments one = MomentsOf(die, score);
        const auto dice = static_cast<double>(count);
        return Roughly({dice * one.mean, dice * one.variance}, least, most);
    }
    const double width = static_cast<double>(kept) * static_cast<double>(high - low) + 1.0;
    if (die.exact && width <= static_cast<double>(kMaxExactWidth) &&
        budget.Spend(PlacingWork(die.Size(), kept, high - low) + kWorkPerEntry * width)) {
        TableSums sums(kept, low, high);
        PlaceDice(die, score, count, kept, highest, sums);
        return Exactly(sums.Result());
    }
    return Roughly(KeepMoments(die, score, count, kept, highest, budget), least, most);
}

Value TermValue(const DiceTerm& term, Budget& budget) {
    if (term.count == 0) {
        return Exactly({0, {1.0}});
    }
    const Scorer score{term.success, term.failure};
    const Atoms faces = Throw(term, budget);
    const Atoms exploding = term.explode ? Matching(faces, *term.explode, true) : Atoms{};
    if (exploding.Size() == 0) {
        return Pool(faces, score, term.count, term.keepDrop, budget);
    }
    if (!term.compound && term.keepDrop) {
        if (auto split = SplitPool(term, faces, exploding, score, budget)) {
            return *std::move(split);
        }
        return RoughExplodingPool(term, faces, score, budget);
    }
    // Summed, a chain counts the same whether compounded or not; counted one by one, each die
    // of a chain is scored, while a compounded die is scored on its sum.
    if (term.compound || !score.Counts()) {
        return Pool(ChainOf(faces, exploding, {}, *term.explode, budget, score), score, term.count,
                    term.keepDrop, budget);
    }
    return Pool(ChainOf(faces, exploding, score, *term.explode, budget), {}, term.count,
                std::nullopt, budget);
}

}  // namespace kelvane::odds
