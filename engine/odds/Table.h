#pragma once

// The probability tables of whole values and their arithmetic: convolution, repeated sums and
// binomial chances, with the constants that bound the exact work.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "engine/Notation.h"

namespace kelvane::odds {

using notation::Apply;
using notation::Compare;
using notation::ComparePoint;
using notation::DiceTerm;
using notation::FloorDivide;
using notation::KeepDrop;
using notation::NodeKind;

using Int = std::int64_t;
inline constexpr Int kIntMin = std::numeric_limits<Int>::min();
inline constexpr Int kIntMax = std::numeric_limits<Int>::max();

// About 20 ms of work, counted in multiply-adds of a convolution's inner loop (a quarter of a
// nanosecond each in a release build on a two-core machine). It is counted rather than timed,
// so that a roll always gets the same answer however busy the machine is.
inline constexpr double kWorkBudget = 8e7;
// Other steps in multiply-adds' time: an entry of a new table (its memory is fresh pages that
// the system clears, and it passes through several steps); an outcome of an operation checked
// for overflow; placing dice for one state at one face; and a binomial chance with the move
// of a state's moments it weighs.
inline constexpr double kWorkPerEntry = 40.0;
inline constexpr double kWorkPerOutcome = 30.0;
inline constexpr double kWorkPerState = 200.0;
inline constexpr double kWorkPerMove = 20.0;
// The most totals an exact table holds: 2 MB.
inline constexpr Int kMaxExactWidth = Int{1} << 18;
// A die with more faces than an exact table holds stands as about this many blocks of faces.
inline constexpr Int kBlocks = 1024;
// Chains of rethrows less likely than this are left out: added to 1, they would not change it.
inline constexpr double kNegligible = 1e-18;
// Smaller chances count as 0, which keeps products of two of them out of the slow subnormals.
inline constexpr double kTiny = 1e-150;
inline constexpr int kMaxRethrows = notation::kMaxRethrowsPerDie;

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

// Chances of consecutive whole values from `least` on.
struct Pmf {
    Int least = 0;
    std::vector<double> p;

    [[nodiscard]] Int Width() const { return static_cast<Int>(p.size()); }
    [[nodiscard]] Int Most() const { return least + (Width() - 1); }
};

// Bounds of totals saturate; the exact work checks every outcome on its own.
Int SaturatingAdd(Int a, Int b);
Int SaturatingSubtract(Int a, Int b);
Int SaturatingMultiply(Int a, Int b);
Int SaturatingNegate(Int a);

double Sum(const std::vector<double>& chances);

Pmf Convolve(const Pmf& a, const Pmf& b);
double ConvolveWork(double width, double otherWidth);
void AddInto(Pmf& total, const Pmf& part, double weight = 1.0);

// The chances of 0, 1, ... limit - 1 successes in n trials of chance q each. Those more than
// 19 sqrt(n) below the mean are below 1e-300 (Hoeffding's bound), and count as 0; the walk
// starts there from logarithms, as the first few chances may lie below what a double holds.
void BinomialHead(Int n, double q, Int limit, std::vector<double>& chances);

// The sum of `count` throws of one table, by repeated squaring; two neighbouring values make a
// binomial.
std::optional<Pmf> SumOf(const Pmf& one, Int count, Budget& budget);

// Of the chances of the totals from least on, however much they add up to.
Moments MomentsOf(Int least, const std::vector<double>& chances);

}  // namespace kelvane::odds
