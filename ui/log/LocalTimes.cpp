#include "ui/log/LocalTimes.h"

#include <QDateTime>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "engine/Notation.h"

namespace kelvane {

using notation::FloorDivide;

LocalTimes::LocalTimes(QTimeZone zone) : zone_(std::move(zone)) {}

std::string LocalTimes::Text(std::int64_t utcMilliseconds) {
    constexpr std::int64_t kQuarterHour = 900'000;
    const std::int64_t quarterHour = FloorDivide(utcMilliseconds, kQuarterHour);
    if (quarterHour != quarterHour_) {
        quarterHour_ = quarterHour;
        offsetSeconds_ =
            zone_ ? zone_->offsetFromUtc(QDateTime::fromMSecsSinceEpoch(utcMilliseconds, Qt::UTC))
                  : QDateTime::fromMSecsSinceEpoch(utcMilliseconds).offsetFromUtc();
    }
    const std::int64_t local = FloorDivide(utcMilliseconds, 1000) + offsetSeconds_;
    const std::int64_t day = FloorDivide(local, 86'400);
    const std::int64_t daySeconds = local - day * 86'400;
    const auto date = std::chrono::year_month_day(std::chrono::sys_days(std::chrono::days(day)));
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
