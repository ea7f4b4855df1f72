#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

#include "platform/RollLog.h"

namespace kelvane {

// The luck of the rows shown in words, such as "57 rolls · average standing 41 % · fair dice
// roll this low or lower 8 % of the time", with the rolls left out for want of odds.
class LuckLine {
    Q_DECLARE_TR_FUNCTIONS(LuckLine)

  public:
    [[nodiscard]] static QString Text(const RollLogSums& sums);
    // A chance as a percentage: whole above 1 %, two places above 0.01 %, "< 0.01 %" below.
    [[nodiscard]] static QString Percent(double chance);
    // "1 roll", "57 rolls".
    [[nodiscard]] static QString RollCount(std::int64_t count);
};

}  // namespace kelvane
