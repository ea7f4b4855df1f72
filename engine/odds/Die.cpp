// One die's values: even faces or blocks of them, rerolls, and explosion chains.
#include "engine/odds/Die.h"

#include <algorithm>
#include <cmath>

#include "engine/odds/Approximation.h"

namespace kelvane::odds {

namespace {

Atoms EvenFaces(Int low, Int high) {
    Atoms faces;
    faces.Reserve(static_cast<std::size_t>(high - low + 1));
    const double chance = 1.0 / static_cast<double>(high - low + 1);
    for (Int face = low; face <= high; ++face) {
        faces.Add(face, chance);
    }
    return faces;
}

// Blocks of neighbouring faces, each wholly inside or outside every compare point of the term.
Atoms FaceBlocks(const DiceTerm& term) {
    const Int low = term.LowestFace();
    const Int high = term.HighestFace();
    std::vector<Int> starts{low, high + 1};
    for (const auto& point : {term.reroll, term.explode, term.success, term.failure}) {
        if (!point) {
            continue;
        }
        for (const Int edge : {point->target, SaturatingAdd(point->target, 1)}) {
            if (edge > low && edge <= high) {
                starts.push_back(edge);
            }
        }
    }
    const Int step = (high - low) / kBlocks + 1;
    for (Int start = low + step; start <= high; start += step) {
        starts.push_back(start);
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());

    Atoms blocks;
    blocks.exact = false;
    const auto faces = static_cast<double>(high - low + 1);
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        const Int first = starts[i];
        const Int last = starts[i + 1] - 1;
        blocks.AddBlock(first + (last - first) / 2, static_cast<double>(last - first + 1) / faces,
                        first, last);
    }
    return blocks;
}

// A face that does not match stands at the first of up to 1001 throws that shows it; a
// matching face stands only when 1000 rethrows all matched, or with "ro" after one rethrow.
Atoms Rerolled(const Atoms& faces, const ComparePoint& point, bool once) {
    double matching = 0.0;
    for (std::size_t i = 0; i < faces.Size(); ++i) {
        if (point.Matches(faces.value[i])) {
            matching += faces.p[i];
        }
    }
    // With every face matching, the last throw stands whatever it shows: the chances stay.
    if (matching <= 0.0 || matching >= 1.0) {
        return faces;
    }
    const double stillMatching = once ? matching : std::pow(matching, kMaxRethrows);
    const double standing =
        once ? 1.0 + matching : (1.0 - matching * stillMatching) / (1.0 - matching);
    const bool leaveOutMatching = !once && stillMatching < kNegligible;
    return Normalised(Reweighted(faces, [&](Int face) {
        if (!point.Matches(face)) {
            return standing;
        }
        return leaveOutMatching ? 0.0 : stillMatching;
    }));
}

Atoms AtomsOf(const Pmf& table) {
    Atoms atoms;
    for (std::size_t i = 0; i < table.p.size(); ++i) {
        if (table.p[i] > 0.0) {
            atoms.Add(table.least + static_cast<Int>(i), table.p[i]);
        }
    }
    return atoms;
}

// A chain of k explosions is k exploding dice and one that ends it, or at the limit one more
// die showing any face.
std::optional<Pmf> ChainSum(const Pmf& exploding, const Pmf& ending, const Pmf& any, int longest,
                            Budget& budget) {
    double work = 0.0;
    double width = 1.0;
    for (int k = 0; k <= longest; ++k) {
        work += ConvolveWork(width, static_cast<double>((k < kMaxRethrows ? ending : any).Width()));
        if (k < longest) {
            work += ConvolveWork(width, static_cast<double>(exploding.Width()));
            width += static_cast<double>(exploding.Width() - 1);
        }
    }
    if (width + static_cast<double>(any.Width()) > static_cast<double>(kMaxExactWidth) ||
        !budget.Spend(work)) {
        return std::nullopt;
    }
    Pmf sum;
    Pmf chain{0, {1.0}};
    for (int k = 0; k <= longest; ++k) {
        AddInto(sum, Convolve(chain, k < kMaxRethrows ? ending : any));
        if (k < longest) {
            chain = Convolve(chain, exploding);
        }
    }
    return sum;
}

// Over every chain up to the limit, negligible or not.
Moments ChainMoments(const Atoms& exploding, const Atoms& ending, const Atoms& any,
                     const Scorer& score) {
    const double p = Sum(exploding.p);
    const Moments up = MomentsOf(exploding, score);
    const Moments end = MomentsOf(ending, score);
    const Moments cut = MomentsOf(any, score);
    const auto forEachLength = [&](const auto& visit) {
        double chance = 1.0;
        for (int k = 0; k <= kMaxRethrows; ++k) {
            const bool atLimit = k == kMaxRethrows;
            const Moments& last = atLimit ? cut : end;
            visit(atLimit ? chance : chance * (1.0 - p), k * up.mean + last.mean,
                  k * up.variance + last.variance);
            chance *= p;
        }
    };
    double mean = 0.0;
    forEachLength([&](double weight, double lengthMean, double) { mean += weight * lengthMean; });
    double variance = 0.0;
    forEachLength([&](double weight, double lengthMean, double lengthVariance) {
        variance += weight * (lengthVariance + (lengthMean - mean) * (lengthMean - mean));
    });
    return {mean, variance};
}

// The chains of fewer than `lengths` explosions, exactly, within a share of the work: what
// the normal curves of longer chains leave out, the short chains' own shape.
struct ChainHead {
    Pmf sum;
    int lengths = 0;
};

ChainHead ShortChains(const Atoms& exploding, const Atoms& ending, const Scorer& score, int longest,
                      Budget& budget) {
    constexpr double kMostWork = kWorkBudget / 8.0;
    const auto up = Dense(exploding, score, budget);
    const auto end = Dense(ending, score, budget);
    ChainHead head;
    if (!up || !end) {
        return head;
    }
    double spent = 0.0;
    Pmf chain{0, {1.0}};
    for (; head.lengths <= std::min(longest, kMaxRethrows - 1); ++head.lengths) {
        const auto width = static_cast<double>(chain.Width());
        const double work = ConvolveWork(width, static_cast<double>(end->Width())) +
                            ConvolveWork(width, static_cast<double>(up->Width()));
        if (chain.Width() + up->Width() > kMaxExactWidth || spent + work > kMostWork ||
            !budget.Spend(work)) {
            break;
        }
        spent += work;
        AddInto(head.sum, Convolve(chain, *end));
        chain = Convolve(chain, *up);
    }
    return head;
}

// The last totals of blocks that keep each compare point's matching sums apart from the rest.
std::vector<Int> ScoreEdges(const Scorer& score) {
    std::vector<Int> edges;
    for (const auto& point : {score.success, score.failure}) {
        if (point) {
            edges.push_back(SaturatingSubtract(point->target, 1));
            edges.push_back(point->target);
        }
    }
    return edges;
}

std::pair<Int, Int> ChainRange(const Atoms& exploding, const Atoms& ending, const Atoms& any,
                               const Scorer& score, int longest) {
    const std::pair<Int, Int> up = ScoreRange(exploding, score);
    Int low = kIntMax;
    Int high = kIntMin;
    const auto reach = [&](Int explosions, const Atoms& last) {
        const auto [lastLow, lastHigh] = ScoreRange(last, score);
        low = std::min(low, SaturatingAdd(SaturatingMultiply(explosions, up.first), lastLow));
        high = std::max(high, SaturatingAdd(SaturatingMultiply(explosions, up.second), lastHigh));
    };
    if (ending.Size() > 0) {
        reach(0, ending);
        reach(std::min(longest, kMaxRethrows - 1), ending);
    }
    if (longest == kMaxRethrows) {
        reach(kMaxRethrows, any);
    }
    return {low, high};
}

}  // namespace

// The atoms with their chances multiplied by weight(value); those weighted 0 are left out.
Atoms Reweighted(const Atoms& atoms, const std::function<double(Int)>& weight) {
    Atoms result;
    result.exact = atoms.exact;
    result.Reserve(atoms.Size());
    for (std::size_t i = 0; i < atoms.Size(); ++i) {
        const double chance = atoms.p[i] * weight(atoms.value[i]);
        if (chance <= 0.0) {
            continue;
        }
        if (atoms.first.empty()) {
            result.Add(atoms.value[i], chance);
        } else {
            result.AddBlock(atoms.value[i], chance, atoms.first[i], atoms.last[i]);
        }
    }
    return result;
}

Atoms Matching(const Atoms& atoms, const ComparePoint& point, bool meets) {
    return Reweighted(atoms, [&](Int v) { return point.Matches(v) == meets ? 1.0 : 0.0; });
}

Atoms Normalised(Atoms atoms) {
    const double mass = Sum(atoms.p);
    for (double& chance : atoms.p) {
        chance /= mass;
    }
    return atoms;
}

// Of the die's chances taken as a whole, however much they add up to. The faces of a block are
// even, so a block adds their spread about its middle.
Moments MomentsOf(const Atoms& die, const Scorer& score) {
    if (die.moments && !score.Counts()) {
        return *die.moments;
    }
    const double mass = Sum(die.p);
    if (mass <= 0.0) {
        return {};
    }
    const bool blocks = !die.first.empty() && !score.Counts();
    const auto at = [&](std::size_t i) {
        return blocks ? (static_cast<double>(die.first[i]) + static_cast<double>(die.last[i])) / 2.0
                      : static_cast<double>(score(die.value[i]));
    };
    double mean = 0.0;
    for (std::size_t i = 0; i < die.Size(); ++i) {
        mean += die.p[i] * at(i);
    }
    mean /= mass;
    double variance = 0.0;
    for (std::size_t i = 0; i < die.Size(); ++i) {
        const double deviation = at(i) - mean;
        variance += die.p[i] * deviation * deviation;
        if (blocks) {
            const auto faces = static_cast<double>(die.last[i] - die.first[i] + 1);
            variance += die.p[i] * (faces * faces - 1.0) / 12.0;
        }
    }
    return {mean, variance / mass};
}

// The die with neighbouring values merged into about kBlocks atoms, each at the mean of its
// values; values that score differently stay apart.
Atoms Coarsened(const Atoms& die, const Scorer& score) {
    const std::size_t perAtom = die.Size() / kBlocks + 1;
    Atoms merged;
    merged.exact = false;
    for (std::size_t i = 0; i < die.Size();) {
        std::size_t end = i + 1;
        while (end < die.Size() && end - i < perAtom &&
               (!score.Counts() || score(die.value[end]) == score(die.value[i]))) {
            ++end;
        }
        double mass = 0.0;
        double sum = 0.0;
        for (std::size_t j = i; j < end; ++j) {
            mass += die.p[j];
            sum += die.p[j] * static_cast<double>(die.value[j]);
        }
        merged.AddBlock(std::llround(sum / mass), mass, die.Low(i), die.High(end - 1));
        i = end;
    }
    return merged;
}

std::pair<Int, Int> ScoreRange(const Atoms& die, const Scorer& score) {
    if (die.Size() == 0) {
        return {0, 0};
    }
    if (!score.Counts()) {
        return {die.Low(0), die.High(die.Size() - 1)};
    }
    Int low = kIntMax;
    Int high = kIntMin;
    for (const Int value : die.value) {
        low = std::min(low, score(value));
        high = std::max(high, score(value));
    }
    return {low, high};
}

Atoms Throw(const DiceTerm& term, Budget& budget) {
    const Int faces = term.HighestFace() - term.LowestFace() + 1;
    Atoms thrown =
        faces <= kMaxExactWidth && budget.Spend(kWorkPerEntry * static_cast<double>(faces))
            ? EvenFaces(term.LowestFace(), term.HighestFace())
            : FaceBlocks(term);
    return term.reroll ? Rerolled(thrown, *term.reroll, term.rerollOnce) : thrown;
}

// A table of the die's scores, when the die is exact and its scores fit one. No atoms give
// an empty table.
std::optional<Pmf> Dense(const Atoms& die, const Scorer& score, Budget& budget) {
    if (!die.exact) {
        return std::nullopt;
    }
    if (die.Size() == 0) {
        return Pmf{};
    }
    const auto [low, high] = ScoreRange(die, score);
    const Int width = high - low + 1;
    if (width > kMaxExactWidth || !budget.Spend(kWorkPerEntry * static_cast<double>(width))) {
        return std::nullopt;
    }
    Pmf table{low, std::vector<double>(static_cast<std::size_t>(width), 0.0)};
    for (std::size_t i = 0; i < die.Size(); ++i) {
        table.p[static_cast<std::size_t>(score(die.value[i]) - low)] += die.p[i];
    }
    return table;
}

// The most explosions one die's chain is followed to: the limit, or fewer where a longer chain
// is negligible.
int LongestChain(double exploding) {
    int explosions = 0;
    double chance = 1.0;
    while (explosions < kMaxRethrows && chance * exploding >= kNegligible) {
        chance *= exploding;
        ++explosions;
    }
    return explosions;
}

// One exploding die with the extra dice it throws: their sum, or for dice counted one by
// one the sum of their scores.
Atoms ChainOf(const Atoms& faces, const Atoms& exploding, const Scorer& score,
              const ComparePoint& explode, Budget& budget, const Scorer& sumScore) {
    const Atoms ending = Matching(faces, explode, false);
    const int longest = LongestChain(Sum(exploding.p));
    const auto up = Dense(exploding, score, budget);
    const auto end = Dense(ending, score, budget);
    const auto any = Dense(faces, score, budget);
    if (up && end && any) {
        if (const auto sum = ChainSum(*up, *end, *any, longest, budget)) {
            return AtomsOf(*sum);
        }
    }
    const auto [low, high] = ChainRange(exploding, ending, faces, score, longest);
    ChainHead head = ShortChains(exploding, ending, score, longest, budget);
    const ChainTail tail{head.lengths,
                         Sum(exploding.p),
                         MomentsOf(exploding, score),
                         MomentsOf(ending, score),
                         MomentsOf(faces, score),
                         longest};
    Atoms chain = ChainCurve(head.sum, tail, low, high, ScoreEdges(sumScore));
    chain.moments = ChainMoments(exploding, ending, faces, score);
    return chain;
}

// The faces of one die as DiceEngine::RollDie throws it, floor(n * k / 2^24) + 1 for each of
// the 2^24 draws k, each face with the share of the draws that give it. For negative n the
// face 1 needs the draw 0.
Atoms ButtonFaces(Int n) {
    constexpr Int kDraws = Int{1} << 24;
    // The draws k with floor(n * k / 2^24) >= j, that is with n * k >= j * 2^24.
    const auto drawsFrom = [&](Int j) -> Int {
        if (n > 0) {
            return kDraws - std::clamp<Int>(-FloorDivide(-j * kDraws, n), 0, kDraws);
        }
        if (n < 0) {
            return std::clamp<Int>(FloorDivide(j * kDraws, n) + 1, 0, kDraws);
        }
        return j <= 0 ? kDraws : 0;
    };
    Atoms faces;
    for (Int j = std::min<Int>(n, 0); j <= std::max<Int>(n - 1, 0); ++j) {
        faces.Add(j + 1, static_cast<double>(drawsFrom(j) - drawsFrom(j + 1)) /
                             static_cast<double>(kDraws));
    }
    return faces;
}

}  // namespace kelvane::odds
