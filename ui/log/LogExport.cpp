#include "LogExport.h"

#include <QDateTime>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "LogText.h"

namespace kelvane {

namespace {

// ISO 8601 local times, such as 2026-12-09T05:06:07+01:00. The zone's offset is asked once an
// hour of rolls, as every change of daylight saving time falls on a whole hour in UTC, and the
// date is worked out by the civil calendar's arithmetic.
class LocalTimes {
  public:
    std::string Text(std::int64_t utcMilliseconds) {
        constexpr std::int64_t kHour = 3'600'000;
        const std::int64_t hour =
            utcMilliseconds >= 0 ? utcMilliseconds / kHour : (utcMilliseconds - kHour + 1) / kHour;
        if (hour != hour_) {
            hour_ = hour;
            offsetSeconds_ = QDateTime::fromMSecsSinceEpoch(utcMilliseconds).offsetFromUtc();
        }
        const std::int64_t local =
            utcMilliseconds / 1000 + offsetSeconds_ - (utcMilliseconds % 1000 < 0 ? 1 : 0);
        const std::int64_t daySeconds = ((local % 86'400) + 86'400) % 86'400;
        const auto date = std::chrono::year_month_day(
            std::chrono::sys_days(std::chrono::days((local - daySeconds) / 86'400)));
        const int offset = std::abs(offsetSeconds_) / 60;
        char text[40];
        std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d%c%02d:%02d",
                      static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                      static_cast<unsigned>(date.day()), static_cast<int>(daySeconds / 3600),
                      static_cast<int>(daySeconds / 60 % 60), static_cast<int>(daySeconds % 60),
                      offsetSeconds_ < 0 ? '-' : '+', offset / 60, offset % 60);
        return text;
    }

  private:
    std::int64_t hour_ = std::numeric_limits<std::int64_t>::min();
    int offsetSeconds_ = 0;
};

std::string StandingField(const LoggedRoll& roll) {
    if (!roll.standing) {
        return {};
    }
    std::string field = roll.approximate ? "~" : "";
    return field + QString::number(*roll.standing * 100.0, 'f', 2).toStdString();
}

template <typename Writer>
void WriteRows(RollLog& log, const RollLogFilter& filter, Writer& writer) {
    const std::vector<std::string> header = {
        //: Export's column headers: when, who, the label, the notation, the dice, the total,
        //: and the standing in percent (0 is the bottom, 100 the top).
        LogExport::tr("Time").toStdString(),      LogExport::tr("Character").toStdString(),
        LogExport::tr("Label").toStdString(),     LogExport::tr("Notation").toStdString(),
        LogExport::tr("Dice").toStdString(),      LogExport::tr("Total").toStdString(),
        LogExport::tr("Standing %").toStdString()};
    writer.WriteRow(header);
    std::vector<std::string> fields(header.size());
    LocalTimes times;
    log.ForEach(filter, [&](const LoggedRoll& roll) {
        fields[0] = times.Text(roll.rolledAt);
        fields[1] = roll.character;
        fields[2] = roll.label;
        fields[3] = roll.notation;
        fields[4] = roll.dice;
        fields[5] = std::to_string(roll.total);
        fields[6] = StandingField(roll);
        writer.WriteRow(fields);
    });
}

}  // namespace

bool LogExport::Write(RollLog& log, const RollLogFilter& filter, const QString& path,
                      Format format) {
    std::ofstream out(std::filesystem::path(path.toStdU16String()),
                      std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    try {
        if (format == Format::kCsv) {
            CsvWriter writer(out);
            WriteRows(log, filter, writer);
        } else {
            MarkdownWriter writer(out);
            WriteRows(log, filter, writer);
        }
    } catch (const std::exception&) {
        return false;
    }
    out.close();
    return static_cast<bool>(out);
}

}  // namespace kelvane
