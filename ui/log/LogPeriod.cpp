#include "ui/log/LogPeriod.h"

#include <QDate>

namespace kelvane {

std::optional<qint64> PeriodStart(LogPeriod period, const QDateTime& now, const QTimeZone& zone,
                                  qint64 sessionStart) {
    const QDate today = now.toTimeZone(zone).date();
    switch (period) {
        case LogPeriod::kSession:
            return sessionStart;
        case LogPeriod::kToday:
            return today.startOfDay(zone).toMSecsSinceEpoch();
        case LogPeriod::kLastSevenDays:
            return today.addDays(-6).startOfDay(zone).toMSecsSinceEpoch();
        case LogPeriod::kAll:
            break;
    }
    return std::nullopt;
}

}  // namespace kelvane
