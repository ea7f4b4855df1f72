#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "platform/RollLog.h"

namespace kelvane {

// The rows of the roll log that a filter shows, newest first, read a page at a time as the view
// scrolls down to them, so that a log of a million rolls opens at once.
class RollLogModel : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RollLogModel)

  public:
    enum Column {
        kTime,
        kCharacter,
        kRoll,
        kDice,
        kTotal,
        kOutcome,
        kStanding,
        kShared,
        kColumnCount
    };

    explicit RollLogModel(QObject* parent = nullptr);

    // Shows the log's rows under filter from the newest, or none without a log.
    void Show(RollLog* log, const RollLogFilter& filter);
    // Reads the rows again, as after a roll or a removal.
    void Reload();

    // The row that shows the roll with this id, reading further pages down to it; -1 when the
    // filter does not show it.
    [[nodiscard]] int RowOfId(std::int64_t id);
    // Reads pages until at least rows rows are read or the filter has no more.
    void ReadRows(int rows);

    [[nodiscard]] const LoggedRoll& Row(int row) const {
        return rows_[static_cast<std::size_t>(row)];
    }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // A standing as the table shows it, such as "top 12 %" or "bottom 30 %".
    [[nodiscard]] static QString StandingText(const LoggedRoll& roll);
    // Whether the roll reached the table: "yes", "waiting", Discord's reason for refusing it, or
    // nothing for a roll made while sharing was off.
    [[nodiscard]] static QString SharedText(const LoggedRoll& roll);
    // What the roll meant, in the language of the day: "Partial", "Success, 2 hits", or a
    // band's name as typed; nothing for a roll without outcomes.
    [[nodiscard]] static QString OutcomeText(const LoggedRoll& roll);
    // A row's line as on the clipboard, such as "4d6dl1+2: [4, 5, 4, 1d]+2 = 15", or
    // "bitd 3: [5, 2d, 1d] = 5 · Partial".
    [[nodiscard]] static QString Line(const LoggedRoll& roll);
    // The row's time in the system's time zone and short date format.
    [[nodiscard]] static QString TimeText(const LoggedRoll& roll);

  private:
    RollLog* log_ = nullptr;
    RollLogFilter filter_;
    std::vector<LoggedRoll> rows_;
    bool complete_ = true;
};

}  // namespace kelvane
