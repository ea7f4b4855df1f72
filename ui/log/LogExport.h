#pragma once

#include <QCoreApplication>
#include <QString>

#include "platform/RollLog.h"

namespace kelvane {

// Writes the rows a filter shows to a file, newest first, with a header row in the player's
// language: CSV for a name ending in .csv, otherwise a Markdown table. Times are written in
// ISO 8601 with their offset from UTC, standings as percentages with a point.
class LogExport {
    Q_DECLARE_TR_FUNCTIONS(LogExport)

  public:
    enum class Format { kCsv, kMarkdown };

    // False when the file cannot be written.
    [[nodiscard]] static bool Write(RollLog& log, const RollLogFilter& filter, const QString& path,
                                    Format format);
};

}  // namespace kelvane
