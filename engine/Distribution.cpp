#include "Distribution.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <numbers>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

namespace kelvane {

namespace {

using notation::Apply;
using notation::Compare;
using notation::ComparePoint;
using notation::DiceTerm;
using notation::FloorDivide;
using notation::KeepDrop;
using notation::NodeKind;

using Int = std::int64_t;
constexpr Int kIntMin = std::numeric_limits<Int>::min();
constexpr Int kIntMax = std::numeric_limits<Int>::max();

// About 20 ms of work, counted in multiply-adds of a convolution's inner loop (a quarter of a
// nanosecond each in a release build on a two-core machine). It is counted rather than timed,
// so that a roll always gets the same answer however busy the machine is.
constexpr double kWorkBudget = 8e7;
// Other steps in multiply-adds' time: an entry of a new table (its memory is fresh pages that
// the system clears, and it passes through several steps); an outcome of an operation checked
// for overflow; placing dice for one state at one face; and a binomial chance with the move
// of a state's moments it weighs.
constexpr double kWorkPerEntry = 40.0;
constexpr double kWorkPerOutcome = 30.0;
constexpr double kWorkPerState = 200.0;
constexpr double kWorkPerMove = 20.0;
// The most totals an exact table holds: 2 MB.
constexpr Int kMaxExactWidth = Int{1} << 18;
// A die with more faces than an exact table holds stands as about this many blocks of faces.
constexpr Int kBlocks = 1024;
// Chains of rethrows less likely than this are left out: added to 1, they would not change it.
constexpr double kNegligible = 1e-18;
// Smaller chances count as 0, which keeps products of two of them out of the slow subnormals.
constexpr double kTiny = 1e-150;
constexpr int kMaxRethrows = notation::kMaxRethrowsPerDie;

class Budget {
  public:
    // Takes `work` from what is left, or leaves it all and says no when there is not enough.
    [[nodiscard]] bool Spend(double work) {
        if (work > left_) {
            return false;
        }
        left_ -= work;
        return true;
    }

  private:
    double left_ = kWorkBudget;
};

struct Moments {
    double mean = 0.0;
    double variance = 0.0;
};

double NormalCdf(double z) { return 0.5 * std::erfc(-z / std::numbers::sqrt2); }

// Bounds of totals saturate; the exact work checks every outcome on its own.
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

// Chances of consecutive whole values from `least` on.
struct Pmf {
    Int least = 0;
    std::vector<double> p;

    [[nodiscard]] Int Width() const { return static_cast<Int>(p.size()); }
    [[nodiscard]] Int Most() const { return least + (Width() - 1); }
};

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

void AddInto(Pmf& total, const Pmf& part, double weight = 1.0) {
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

// What a die adds to its term: its value, or with a success point 1 for a success less 1
// for a failure.
struct Scorer {
    std::optional<ComparePoint> success;
    std::optional<ComparePoint> failure;

    [[nodiscard]] bool Counts() const { return success.has_value(); }
    [[nodiscard]] Int operator()(Int value) const {
        if (!success) {
            return value;
        }
        return (success->Matches(value) ? 1 : 0) - (failure && failure->Matches(value) ? 1 : 0);
    }
};

// The values one die can show with their chances, ascending. A die with more faces than an
// exact table holds stands as blocks of neighbouring faces, each at its middle face, and a
// long chain of explosions as points on a normal curve: then only the mean and the spread
// come close, not each chance.
struct Atoms {
    std::vector<Int> value;
    std::vector<double> p;
    std::vector<Int> first;  // blocks only: the lowest and highest face of each
    std::vector<Int> last;
    bool exact = true;
    std::optional<Moments> moments;  // the value's own, where the points only come close

    [[nodiscard]] std::size_t Size() const { return value.size(); }
    [[nodiscard]] Int Low(std::size_t i) const { return first.empty() ? value[i] : first[i]; }
    [[nodiscard]] Int High(std::size_t i) const { return last.empty() ? value[i] : last[i]; }

    void Reserve(std::size_t atoms) {
        value.reserve(atoms);
        p.reserve(atoms);
    }
    void Add(Int at, double chance) {
        value.push_back(at);
        p.push_back(chance);
    }
    void AddBlock(Int at, double chance, Int low, Int high) {
        Add(at, chance);
        first.push_back(low);
        last.push_back(high);
    }
};

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

Atoms AtomsOf(const Pmf& table) {
    Atoms atoms;
    for (std::size_t i = 0; i < table.p.size(); ++i) {
        if (table.p[i] > 0.0) {
            atoms.Add(table.least + static_cast<Int>(i), table.p[i]);
        }
    }
    return atoms;
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

// One exploding die with the extra dice it throws: their sum, or for dice counted one by
// one the sum of their scores.
Atoms ChainOf(const Atoms& faces, const Atoms& exploding, const Scorer& score,
              const ComparePoint& explode, Budget& budget) {
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
    return NormalAtoms(ChainMoments(exploding, ending, faces, score), low, high);
}

// How many dice a keep or drop keeps, and whether the highest.
std::pair<Int, bool> Kept(const KeepDrop& rule, Int dice) {
    const Int amount = std::clamp<Int>(rule.amount, 0, dice);
    return rule.keep ? std::pair{amount, rule.highest} : std::pair{dice - amount, !rule.highest};
}

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

// A value on the evaluation stack: a table when exact, else its mean and variance; the totals
// it can show; and the chance that working it out failed, which the table leaves out.
struct Value {
    std::optional<Pmf> table;
    Moments moments;
    Int least = 0;
    Int most = 0;
    double failure = 0.0;
};

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

Moments MomentsOf(const Value& value) {
    return value.table ? MomentsOf(value.table->least, value.table->p) : value.moments;
}

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

// floor(X / y) for a wide-spread X is about X / y less a fraction that is even over
// 0, 1/|y| ... (|y| - 1)/|y|. A divisor known only by its mean and variance is taken to
// first order about its mean.
Moments QuotientMoments(const Moments& x, const Value& divisor, double& failure) {
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
            const double mean = x.mean / y - (size - 1.0) / (2.0 * size);
            const double variance =
                x.variance / (y * y) + (size * size - 1.0) / (12.0 * size * size);
            mass += table.p[i];
            first += table.p[i] * mean;
            second += table.p[i] * (variance + mean * mean);
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
                moments = QuotientMoments(x, right, failure);
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
        return Pool(ChainOf(faces, exploding, {}, *term.explode, budget), score, term.count,
                    term.keepDrop, budget);
    }
    return Pool(ChainOf(faces, exploding, score, *term.explode, budget), {}, term.count,
                std::nullopt, budget);
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

Distribution DistributionFrom(Value value) {
    if (value.table) {
        return Distribution::Exact(value.table->least, std::move(value.table->p), value.failure);
    }
    return Distribution::Approximate(value.moments.mean, value.moments.variance, value.least,
                                     value.most, value.failure);
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

}  // namespace

Distribution Distribution::Exact(std::int64_t least, std::vector<double> probabilities,
                                 double failure) {
    Distribution distribution;
    const double mass = Sum(probabilities);
    if (probabilities.empty() || mass <= 0.0) {
        distribution.failure_ = 1.0;
        return distribution;
    }
    for (double& chance : probabilities) {
        chance /= mass;
    }
    distribution.least_ = least;
    distribution.most_ = least + (static_cast<std::int64_t>(probabilities.size()) - 1);
    distribution.failure_ = failure;
    distribution.probabilities_ = std::move(probabilities);
    const Moments moments = MomentsOf(least, distribution.probabilities_);
    distribution.mean_ = moments.mean;
    distribution.variance_ = moments.variance;
    return distribution;
}

Distribution Distribution::Approximate(double mean, double variance, std::int64_t least,
                                       std::int64_t most, double failure) {
    Distribution distribution;
    distribution.exact_ = false;
    distribution.least_ = least;
    distribution.most_ = most;
    // A result cut off at 64 bits keeps its mean among the totals it shows.
    distribution.mean_ = std::clamp(mean, static_cast<double>(least), static_cast<double>(most));
    distribution.variance_ = std::max(variance, 0.0);
    distribution.failure_ = failure;
    return distribution;
}

double Distribution::NormalAtMost(std::int64_t total) const {
    const double edge = static_cast<double>(total) + 0.5;
    if (variance_ <= 0.0) {
        return edge >= mean_ ? 1.0 : 0.0;
    }
    return NormalCdf((edge - mean_) / std::sqrt(variance_));
}

double Distribution::Between(std::int64_t low, std::int64_t high) const {
    if (failure_ >= 1.0) {
        return 0.0;
    }
    low = std::max(low, least_);
    high = std::min(high, most_);
    if (low > high) {
        return 0.0;
    }
    if (exact_) {
        const auto from = probabilities_.begin() + static_cast<std::ptrdiff_t>(low - least_);
        return std::accumulate(from, from + static_cast<std::ptrdiff_t>(high - low + 1), 0.0);
    }
    const double upTo = high == most_ ? 1.0 : NormalAtMost(high);
    const double below = low == least_ ? 0.0 : NormalAtMost(low - 1);
    return std::max(0.0, upTo - below);
}

std::int64_t Distribution::Quantile(double share) const {
    std::int64_t low = least_;
    std::int64_t high = most_;
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (AtMost(middle) >= share) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

Distribution DistributionOf(const notation::Expression& expression) {
    Budget budget;
    std::vector<Value> stack;
    for (const notation::Node& node : expression.postfix) {
        switch (node.kind) {
            case NodeKind::Number:
                stack.push_back(Exactly({node.number, {1.0}}));
                break;
            case NodeKind::Dice:
                stack.push_back(
                    TermValue(expression.dice.at(static_cast<std::size_t>(node.number)), budget));
                break;
            case NodeKind::Negate:
                stack.back() = Negated(std::move(stack.back()));
                break;
            default: {
                Value right = std::move(stack.back());
                stack.pop_back();
                stack.back() = Combine(node.kind, stack.back(), right, budget);
                break;
            }
        }
    }
    Distribution distribution = DistributionFrom(std::move(stack.back()));
    distribution.openEnded_ =
        std::any_of(expression.dice.begin(), expression.dice.end(),
                    [](const notation::DiceTerm& term) { return term.explode.has_value(); });
    return distribution;
}

Distribution DistributionOfDice(std::int16_t m, std::int16_t n) {
    Budget budget;
    const Int dice = m <= 1 ? 1 : m;
    return DistributionFrom(Pool(ButtonFaces(n), {}, dice, std::nullopt, budget));
}

}  // namespace kelvane
