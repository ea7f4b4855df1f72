#pragma once

// One die: its faces, its rerolls and the chain of extra dice its explosions throw, as the
// values it adds to its term with their chances.

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "engine/odds/Table.h"

namespace kelvane::odds {

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
// long chain of explosions as blocks of totals, its longer chains from normal curves: then
// only the mean and the spread come close, not each chance.
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
Atoms Reweighted(const Atoms& atoms, const std::function<double(Int)>& weight);

Atoms Matching(const Atoms& atoms, const ComparePoint& point, bool meets);

Atoms Normalised(Atoms atoms);

// Of the die's chances taken as a whole, however much they add up to. The faces of a block are
// even, so a block adds their spread about its middle.
Moments MomentsOf(const Atoms& die, const Scorer& score);

// The die with neighbouring values merged into about kBlocks atoms, each at the mean of its
// values; values that score differently stay apart.
Atoms Coarsened(const Atoms& die, const Scorer& score);

std::pair<Int, Int> ScoreRange(const Atoms& die, const Scorer& score);

Atoms Throw(const DiceTerm& term, Budget& budget);

// A table of the die's scores, when the die is exact and its scores fit one. No atoms give
// an empty table.
std::optional<Pmf> Dense(const Atoms& die, const Scorer& score, Budget& budget);

// The most explosions one die's chain is followed to: the limit, or fewer where a longer chain
// is negligible.
int LongestChain(double exploding);

// One exploding die with the extra dice it throws: their sum, or for dice counted one by
// one the sum of their scores. Where the sum is only come close to, its blocks lie wholly
// inside or outside each compare point of sumScore, which scores the sum afterwards.
Atoms ChainOf(const Atoms& faces, const Atoms& exploding, const Scorer& score,
              const ComparePoint& explode, Budget& budget, const Scorer& sumScore = {});

// The faces of one die as DiceEngine::RollDie throws it, floor(n * k / 2^24) + 1 for each of
// the 2^24 draws k, each face with the share of the draws that give it. For negative n the
// face 1 needs the draw 0.
Atoms ButtonFaces(Int n);

}  // namespace kelvane::odds
