#include "ui/log/LogExport.h"

#include <QSaveFile>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "engine/LogText.h"
#include "ui/log/LocalTimes.h"
#include "ui/log/RollLogModel.h"

namespace kelvane {

namespace {

// An ostream's bytes handed to a Qt device, which buffers them itself; a failed write fails the
// stream.
class DeviceBuffer final : public std::streambuf {
  public:
    explicit DeviceBuffer(QIODevice& device) : device_(device) {}

  protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        return device_.write(bytes, count) == count ? count : 0;
    }
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        return device_.putChar(traits_type::to_char_type(c)) ? c : traits_type::eof();
    }

  private:
    QIODevice& device_;
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
        //: what the roll meant in its game system or its bands, the standing in percent (0 is
        //: the bottom, 100 the top), and whether the roll reached the table's Discord channel.
        LogExport::tr("Time").toStdString(),    LogExport::tr("Character").toStdString(),
        LogExport::tr("Label").toStdString(),   LogExport::tr("Notation").toStdString(),
        LogExport::tr("Dice").toStdString(),    LogExport::tr("Total").toStdString(),
        LogExport::tr("Outcome").toStdString(), LogExport::tr("Standing %").toStdString(),
        LogExport::tr("Shared").toStdString()};
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
        fields[6] = RollLogModel::OutcomeText(roll).toStdString();
        fields[7] = StandingField(roll);
        fields[8] = RollLogModel::SharedText(roll).toStdString();
        writer.WriteRow(fields);
    });
}

}  // namespace

bool LogExport::Write(RollLog& log, const RollLogFilter& filter, const QString& path,
                      Format format) {
    // Written beside the target and put in its place only once whole: a failed export leaves
    // the file that was there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    DeviceBuffer buffer(file);
    std::ostream out(&buffer);
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
    return out.good() && file.commit();
}

}  // namespace kelvane
