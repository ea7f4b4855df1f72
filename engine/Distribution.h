#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "engine/Notation.h"

namespace kelvane {

// The chances of the totals a roll can show. Exact when they can be worked out within a fixed
// amount of work; otherwise approximate: the shares of many rolls simulated with the roller,
// or for rolls too large to simulate a normal curve with the roll's mean and variance,
// confined to the totals the roll can show.
//
// A roll can also fail (a division by zero, a result beyond 64 bits): FailureChance() is the
// chance of that, and every other figure is about the rolls that do not fail. A roll that
// always fails has no totals: its table is empty and Least() and Most() are 0.
//
// The totals leave out those that need a chain of rethrows less likely than 1e-18 (an
// exploding die's thousandth extra die, a rerolled die still matching after 1000 rethrows).
class Distribution {
  public:
    // probabilities[i] is the chance of least + i; they are scaled to add up to 1.
    [[nodiscard]] static Distribution Exact(std::int64_t least, std::vector<double> probabilities,
                                            double failure = 0.0);
    [[nodiscard]] static Distribution Approximate(double mean, double variance, std::int64_t least,
                                                  std::int64_t most, double failure = 0.0);
    // Approximate, from the chance of a total of at most totals[i], atMost[i], at ascending
    // totals, the last at 1; straight lines between them, 0 below the first.
    [[nodiscard]] static Distribution Cumulative(std::int64_t least, std::int64_t most,
                                                 std::vector<std::int64_t> totals,
                                                 std::vector<double> atMost, double mean,
                                                 double variance, double failure = 0.0);

    [[nodiscard]] bool IsExact() const noexcept { return exact_; }
    [[nodiscard]] std::int64_t Least() const noexcept { return least_; }
    [[nodiscard]] std::int64_t Most() const noexcept { return most_; }
    [[nodiscard]] double Mean() const noexcept { return mean_; }
    [[nodiscard]] double Variance() const noexcept { return variance_; }
    [[nodiscard]] double FailureChance() const noexcept { return failure_; }
    // The part of FailureChance() that comes from a roll throwing more dice than one roll may.
    [[nodiscard]] double DiceLimitChance() const noexcept { return diceLimit_; }
    // True for a roll whose dice explode: it has no real most total, and Most() is only where
    // the table stops counting chains too rare to matter.
    [[nodiscard]] bool IsOpenEnded() const noexcept { return openEnded_; }
    // When exact, the chance of every total from Least() to Most(); empty when approximate.
    [[nodiscard]] const std::vector<double>& Probabilities() const noexcept {
        return probabilities_;
    }

    // The chance of a total from low to high; exactly 1 from Least() to Most(). A normal curve
    // is taken with continuity correction, its tails beyond the least and most totals added to
    // those totals.
    [[nodiscard]] double Between(std::int64_t low, std::int64_t high) const;
    [[nodiscard]] double AtLeast(std::int64_t total) const { return Between(total, most_); }
    [[nodiscard]] double AtMost(std::int64_t total) const { return Between(least_, total); }
    // The least total t with AtMost(t) >= share; Least() for a share of 0 or below.
    [[nodiscard]] std::int64_t Quantile(double share) const;

  private:
    Distribution() = default;

    // The normal curve's chance of a total of at most `total`, with continuity correction.
    [[nodiscard]] double NormalAtMost(std::int64_t total) const;
    // The cumulative table's chance of a total of at most `total`.
    [[nodiscard]] double CumulativeAtMost(std::int64_t total) const;

    bool exact_ = true;
    std::int64_t least_ = 0;
    std::int64_t most_ = 0;
    double mean_ = 0.0;
    double variance_ = 0.0;
    double failure_ = 0.0;
    double diceLimit_ = 0.0;
    bool openEnded_ = false;
    std::vector<double> probabilities_;
    std::vector<std::int64_t> knotTotals_;  // Cumulative only
    std::vector<double> knotAtMost_;

    friend Distribution DistributionOf(const notation::Expression& expression,
                                       std::chrono::milliseconds simulationBudget);
};

// The distribution of an expression's total, for an expression as Parse gives it. A roll
// simulated takes as many rolls as the budget allows, and never fewer than 20,000; the rolls
// come from a fixed seed, so that a notation always shows the same odds on a given machine.
[[nodiscard]] Distribution DistributionOf(
    const notation::Expression& expression,
    std::chrono::milliseconds simulationBudget = std::chrono::milliseconds{20});

// The distribution of the total of the die buttons' roll of m dice of n sides: any m below 2
// throws one die, and each die follows DiceEngine::RollDie over the 2^24 draws it can take.
[[nodiscard]] Distribution DistributionOfDice(std::int16_t m, std::int16_t n);

}  // namespace kelvane
