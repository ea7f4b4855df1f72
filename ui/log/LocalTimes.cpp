#include "LocalTimes.h"

#include <QDateTime>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace kelvane {

namespace {

// The whole number of steps below a time, also before 1970.
std::int64_t Floor(std::int64_t value, std::int64_t step) {
    return value >= 0 ? value / step : (value - step + 1) / step;
}

}  // namespace

LocalTimes::LocalTimes(QTimeZone zone) : zone_(std::move(zone)) {}

std::string LocalTimes::Text(std::int64_t utcMilliseconds) {
    constexpr std::int64_t kQuarterHour = 900'000;
    const std::int64_t quarterHour = Floor(utcMilliseconds, kQuarterHour);
    if (quarterHour != quarterHour_) {
        quarterHour_ = quarterHour;
        offsetSeconds_ =
            zone_ ? zone_->offsetFromUtc(QDateTime::fromMSecsSinceEpoch(utcMilliseconds, Qt::UTC))
                  : QDateTime::fromMSecsSinceEpoch(utcMilliseconds).offsetFromUtc();
    }
    const std::int64_t local = Floor(utcMilliseconds, 1000) + offsetSeconds_;
    const std::int64_t daySeconds = local - Floor(local, 86'400) * 86'400;
    const auto date =
        std::chrono::year_month_day(std::chrono::sys_days(std::chrono::days(Floor(local, 86'400))));
    const int offset = std::abs(offsetSeconds_) / 60;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d%c%02d:%02d",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(daySeconds / 3600),
                  static_cast<int>(daySeconds / 60 % 60), static_cast<int>(daySeconds % 60),
                  offsetSeconds_ < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

}  // namespace kelvane
