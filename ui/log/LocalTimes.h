#pragma once

#include <QTimeZone>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace kelvane {

// ISO 8601 local times of one zone, such as 2026-12-09T05:06:07+01:00, for a run of times, as
// an export writes them. The zone's offset is asked once a quarter hour of times: offsets are
// whole quarter hours and change at a whole local hour, so at a quarter hour in UTC, not always
// at a whole hour (Adelaide's and St. John's clocks change at half past the hour in UTC).
class LocalTimes {
  public:
    // The system's local time, as the C library keeps it.
    LocalTimes() = default;
    explicit LocalTimes(QTimeZone zone);

    [[nodiscard]] std::string Text(std::int64_t utcMilliseconds);

  private:
    std::optional<QTimeZone> zone_;
    std::int64_t quarterHour_ = std::numeric_limits<std::int64_t>::min();
    int offsetSeconds_ = 0;
};

}  // namespace kelvane
