#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <optional>

namespace kelvane {

// The periods the roll log can be narrowed to.
enum class LogPeriod { kSession, kToday, kLastSevenDays, kAll };

// When a period starts, in milliseconds since 1970 (UTC), for a clock reading `now` in `zone`.
// Days are the zone's calendar days, so a day of 23 or 25 hours around a change of daylight
// saving time counts whole, and a day whose midnight is skipped starts at its first instant.
// The last seven days are today and the six before it. None for all rows.
[[nodiscard]] std::optional<qint64> PeriodStart(LogPeriod period, const QDateTime& now,
                                                const QTimeZone& zone, qint64 sessionStart);

}  // namespace kelvane
